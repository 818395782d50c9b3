// The alignment window's adjust slider: a trackbar whose channel and thumb
// the program draws (through the reflected NM_CUSTOMDRAW), in shades of the
// button face. Range, position, ticks and keys stay the trackbar's.
#pragma once

#include "link/dialogs/level_meter.h"

class CCustomSlider : public CSliderCtrl {
 public:
  CCustomSlider();
  ~CCustomSlider() override;

  struct Shades {
    COLORREF face, channel, selection, f1, f2, g1, g2, m1, m2, h;
  };
  const Shades& GetShades() const { return m_shades; }

 protected:
  void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()

 private:
  void SetFace(COLORREF face);
  void CreatePens();
  void DeletePens();
  void DrawThumb(CDC& dc, const CRect& rc, bool vertical);
  void DrawChannel(CDC& dc, const CRect& rc, bool enabled);

  Shades m_shades{};
  CPen m_penF1, m_penF2, m_penFace, m_penG1, m_penG2, m_penM2, m_penM1, m_penH;
};
