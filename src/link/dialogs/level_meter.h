// The alignment window's owner-drawn controls share their shading: colours a
// fixed step lighter or darker, byte by byte. CLevelMeter is a progress bar
// painted as a raised, shaded bar; it keeps the progress messages (range,
// step, position) and changes only the painting.
#pragma once

#include "ui/wnd/ext/ext_layer.h"
#include "ui/wnd/wnd_layer.h"

inline constexpr int kShadeStep = 51;

// Each of red, green and blue is raised by amount when it stays at most 255,
// else left as it is.
COLORREF LightenColor(COLORREF color, int amount);
// Each byte is lowered by amount when it is at least amount, else left as it is.
COLORREF DarkenColor(COLORREF color, int amount);
// Each byte of from moved half way towards to.
COLORREF HalfWayColor(COLORREF from, COLORREF to);
// A one-pixel line from (x1, y1) up to (not including) (x2, y2) in the pen.
void DrawPenLine(CDC& dc, CPen& pen, int x1, int y1, int x2, int y2);

class CLevelMeter : public CProgressCtrl {
 public:
  CLevelMeter();
  ~CLevelMeter() override;

  // The shades the bar is painted with: L3 fills it, the others edge it.
  struct Shades {
    COLORREF base, l1, l2, l3, d1, d2, e1, e2, e3;
  };
  const Shades& GetShades() const { return m_shades; }

  // The bar's rectangle inside the client rectangle for the range and
  // position; empty when the position is at the low end or the range is empty.
  static CRect BarRect(const CRect& client, int low, int high, int pos, bool vertical);

 protected:
  // Paints into an image first and copies it in one go, so that the 50 ms
  // updates of the alignment window do not flicker.
  void OnPaint();

  DECLARE_MESSAGE_MAP()

 private:
  void CreatePens();
  void DeletePens();
  void DrawBar(CDC& dc, const CRect& bar, bool vertical);

  Shades m_shades{};
  CPen m_penL1, m_penL2, m_penBase, m_penD1, m_penD2, m_penE1, m_penE2, m_penE3;
};
