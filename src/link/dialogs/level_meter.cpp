#include "link/dialogs/level_meter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

BYTE Lighten(BYTE b, int amount) { return b + amount <= 255 ? BYTE(b + amount) : b; }
BYTE Darken(BYTE b, int amount) { return b >= amount ? BYTE(b - amount) : b; }
BYTE HalfWay(BYTE from, BYTE to) { return BYTE(from + (int(to) - int(from)) / 2); }

}  // namespace

COLORREF LightenColor(COLORREF c, int amount) {
  return RGB(Lighten(GetRValue(c), amount), Lighten(GetGValue(c), amount), Lighten(GetBValue(c), amount));
}

COLORREF DarkenColor(COLORREF c, int amount) {
  return RGB(Darken(GetRValue(c), amount), Darken(GetGValue(c), amount), Darken(GetBValue(c), amount));
}

COLORREF HalfWayColor(COLORREF from, COLORREF to) {
  return RGB(HalfWay(GetRValue(from), GetRValue(to)), HalfWay(GetGValue(from), GetGValue(to)),
             HalfWay(GetBValue(from), GetBValue(to)));
}

void DrawPenLine(CDC& dc, CPen& pen, int x1, int y1, int x2, int y2) {
  dc.SelectObject(&pen);
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
}

BEGIN_MESSAGE_MAP(CLevelMeter, CProgressCtrl)
  ON_WM_PAINT()
END_MESSAGE_MAP()

CLevelMeter::CLevelMeter() {
  Shades& s = m_shades;
  s.base = GetSysColor(COLOR_HIGHLIGHT);
  s.l1 = LightenColor(s.base, kShadeStep);
  s.l2 = LightenColor(s.l1, kShadeStep);
  s.l3 = LightenColor(s.l2, kShadeStep);
  s.d1 = DarkenColor(s.base, kShadeStep);
  s.d2 = DarkenColor(s.d1, kShadeStep);
  s.e1 = GetSysColor(COLOR_3DDKSHADOW);
  s.e3 = GetSysColor(COLOR_BTNSHADOW);
  s.e2 = HalfWayColor(s.e3, s.e1);
  CreatePens();
}

CLevelMeter::~CLevelMeter() { DeletePens(); }

void CLevelMeter::DeletePens() {
  for (CPen* pen : {&m_penL1, &m_penL2, &m_penBase, &m_penD1, &m_penD2, &m_penE1, &m_penE2, &m_penE3}) {
    if (pen->GetSafeHandle()) pen->DeleteObject();
  }
}

void CLevelMeter::CreatePens() {
  DeletePens();
  const Shades& s = m_shades;
  m_penL1.CreatePen(PS_SOLID, 1, s.l1);
  m_penL2.CreatePen(PS_SOLID, 1, s.l2);
  m_penBase.CreatePen(PS_SOLID, 1, s.base);
  m_penD1.CreatePen(PS_SOLID, 1, s.d1);
  m_penD2.CreatePen(PS_SOLID, 1, s.d2);
  m_penE1.CreatePen(PS_SOLID, 1, s.e1);
  m_penE2.CreatePen(PS_SOLID, 1, s.e2);
  m_penE3.CreatePen(PS_SOLID, 1, s.e3);
}

CRect CLevelMeter::BarRect(const CRect& client, int low, int high, int pos, bool vertical) {
  CRect bar = client;
  // A range from the configuration may be empty (or upside down): no bar then.
  if (high <= low) return CRect(client.left, client.bottom, client.left, client.bottom);
  pos = std::clamp(pos, low, high);
  const long long span = high - low;
  if (vertical) {
    bar.top = bar.bottom - int((long long)(pos - low) * client.Height() / span);
  } else {
    bar.right = bar.left + int((long long)(pos - low) * client.Width() / span);
  }
  return bar;
}

void CLevelMeter::DrawBar(CDC& dc, const CRect& r, bool vertical) {
  dc.FillSolidRect(r, m_shades.l3);
  const int l = r.left, t = r.top, rt = r.right - 1, b = r.bottom - 1;
  auto line = [&dc](CPen& pen, int x1, int y1, int x2, int y2) { DrawPenLine(dc, pen, x1, y1, x2, y2); };
  if (r.Width() < 3 || r.Height() < 3) return;
  // Light on the leading edges: the top (the bar's growing end when
  // vertical) and the left.
  line(m_penL1, l, t, rt, t);
  line(m_penL2, l + 1, t + 1, rt - 1, t + 1);
  line(m_penL1, l, t, l, b);
  line(m_penBase, l + 1, t + 1, l + 1, b);
  // Dark on the trailing edges: the right and the bottom.
  line(m_penE1, rt, t, rt, b + 1);
  line(m_penD2, rt - 1, t + 1, rt - 1, b);
  line(m_penE3, l, b, rt, b);
  line(m_penD1, l + 1, b - 1, rt - 1, b - 1);
  // Corners take the shade of the edges they join.
  dc.SetPixel(l, b, m_shades.e2);
  dc.SetPixel(rt, t, m_shades.e2);
  (void)vertical;
}

void CLevelMeter::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  if (client.IsRectEmpty() || !dc.GetPainter()) return;
  QImage image(client.Width(), client.Height(), QImage::Format_RGB32);
  {
    QPainter painter(&image);
    CDC mem(&painter);
    mem.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
    int low = 0, high = 0;
    GetRange(low, high);
    const bool vertical = (GetStyle() & PBS_VERTICAL) != 0;
    const CRect bar = BarRect(client, low, high, GetPos(), vertical);
    if (!bar.IsRectEmpty()) DrawBar(mem, bar, vertical);
    mem.SelectObject(static_cast<CPen*>(nullptr));
  }
  dc.GetPainter()->drawImage(0, 0, image);
}
