#include "link/dialogs/custom_slider.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CCustomSlider, CSliderCtrl)
  ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

CCustomSlider::CCustomSlider() {
  m_shades.channel = GetSysColor(COLOR_WINDOW);
  m_shades.selection = GetSysColor(COLOR_HIGHLIGHT);
  SetFace(GetSysColor(COLOR_BTNFACE));
}

CCustomSlider::~CCustomSlider() { DeletePens(); }

void CCustomSlider::SetFace(COLORREF face) {
  Shades& s = m_shades;
  s.face = face;
  s.f1 = LightenColor(face, kShadeStep);
  s.f2 = LightenColor(s.f1, kShadeStep);
  s.g1 = DarkenColor(face, kShadeStep);
  s.g2 = DarkenColor(s.g1, kShadeStep);
  s.m1 = HalfWayColor(face, GetSysColor(COLOR_BTNSHADOW));
  s.m2 = HalfWayColor(GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DDKSHADOW));
  s.h = GetSysColor(COLOR_3DHIGHLIGHT);
  CreatePens();
}

void CCustomSlider::DeletePens() {
  for (CPen* pen : {&m_penF1, &m_penF2, &m_penFace, &m_penG1, &m_penG2, &m_penM2, &m_penM1, &m_penH}) {
    if (pen->GetSafeHandle()) pen->DeleteObject();
  }
}

void CCustomSlider::CreatePens() {
  DeletePens();
  const Shades& s = m_shades;
  m_penF1.CreatePen(PS_SOLID, 1, s.f1);
  m_penF2.CreatePen(PS_SOLID, 1, s.f2);
  m_penFace.CreatePen(PS_SOLID, 1, s.face);
  m_penG1.CreatePen(PS_SOLID, 1, s.g1);
  m_penG2.CreatePen(PS_SOLID, 1, s.g2);
  m_penM2.CreatePen(PS_SOLID, 1, s.m2);
  m_penM1.CreatePen(PS_SOLID, 1, s.m1);
  m_penH.CreatePen(PS_SOLID, 1, s.h);
}

void CCustomSlider::DrawThumb(CDC& dc, const CRect& rc, bool vertical) {
  if (rc.IsRectEmpty()) return;
  dc.FillSolidRect(rc, m_shades.face);
  const int l = rc.left, t = rc.top, r = rc.right - 1, b = rc.bottom - 1;
  auto line = [&dc](CPen& pen, int x1, int y1, int x2, int y2) { DrawPenLine(dc, pen, x1, y1, x2, y2); };
  // Raised: light outer and inner edges top-left, dark ones bottom-right.
  line(m_penF2, l, t, r, t);
  line(m_penF2, l, t, l, b);
  line(m_penF1, l + 1, t + 1, r - 1, t + 1);
  line(m_penF1, l + 1, t + 1, l + 1, b - 1);
  line(m_penG2, r, t, r, b + 1);
  line(m_penG2, l, b, r, b);
  line(m_penG1, r - 1, t + 1, r - 1, b);
  line(m_penG1, l + 1, b - 1, r - 1, b - 1);
  // A grip across the thumb, along the slider's direction of travel.
  if (vertical) {
    const int y = (t + b) / 2;
    if (r - l > 6) {
      line(m_penG1, l + 3, y, r - 2, y);
      line(m_penH, l + 3, y + 1, r - 2, y + 1);
    }
  } else {
    const int x = (l + r) / 2;
    if (b - t > 6) {
      line(m_penG1, x, t + 3, x, b - 2);
      line(m_penH, x + 1, t + 3, x + 1, b - 2);
    }
  }
}

void CCustomSlider::DrawChannel(CDC& dc, const CRect& rc, bool enabled) {
  if (rc.IsRectEmpty()) return;
  const COLORREF groove = enabled ? m_shades.channel : GetSysColor(COLOR_BTNFACE);
  CRect thumb;
  GetThumbRect(&thumb);
  const bool horizontal = thumb.Height() > thumb.Width();
  dc.FillSolidRect(rc, groove);
  const int l = rc.left, t = rc.top, r = rc.right - 1, b = rc.bottom - 1;
  auto line = [&dc](CPen& pen, int x1, int y1, int x2, int y2) { DrawPenLine(dc, pen, x1, y1, x2, y2); };
  // Sunken, with the corner pixels left out so that the groove looks rounded.
  line(m_penM2, l + 1, t, r, t);
  line(m_penM2, l, t + 1, l, b);
  line(m_penH, l + 1, b, r, b);
  line(m_penH, r, t + 1, r, b);
  // The selection range, in proportion to the slider's range.
  int selStart = 0, selEnd = 0, low = 0, high = 0;
  GetSelection(selStart, selEnd);
  GetRange(low, high);
  if (selEnd > selStart && high > low && rc.Width() > 2 && rc.Height() > 2) {
    CRect sel(l + 1, t + 1, r, b);
    const long long span = high - low;
    if (horizontal) {
      const int w = sel.Width();
      sel.left = l + 1 + int((long long)(std::clamp(selStart, low, high) - low) * w / span);
      sel.right = l + 1 + int((long long)(std::clamp(selEnd, low, high) - low) * w / span);
    } else {
      const int h = sel.Height();
      sel.top = t + 1 + int((long long)(std::clamp(selStart, low, high) - low) * h / span);
      sel.bottom = t + 1 + int((long long)(std::clamp(selEnd, low, high) - low) * h / span);
    }
    dc.FillSolidRect(sel, m_shades.selection);
  }
}

void CCustomSlider::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult) {
  auto* nm = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
  *pResult = CDRF_DODEFAULT;
  if (nm->dwDrawStage == CDDS_PREPAINT) {
    *pResult = CDRF_NOTIFYITEMDRAW;
    return;
  }
  if (nm->dwDrawStage != CDDS_ITEMPREPAINT || !nm->hdc) return;
  if (nm->dwItemSpec == TBCD_TICS) return;  // the trackbar draws its ticks
  CDC& dc = *nm->hdc;
  const int saved = dc.SaveDC();
  if (nm->dwItemSpec == TBCD_THUMB) {
    const bool pressed = (nm->uItemState & CDIS_SELECTED) != 0;
    const COLORREF face = m_shades.face;
    if (pressed) SetFace(DarkenColor(face, kShadeStep));
    DrawThumb(dc, nm->rc, nm->rc.Height() <= nm->rc.Width());
    if (pressed) SetFace(face);
  } else if (nm->dwItemSpec == TBCD_CHANNEL) {
    DrawChannel(dc, nm->rc, IsWindowEnabled() != FALSE);
  }
  dc.RestoreDC(saved);
  *pResult = CDRF_SKIPDEFAULT;
}
