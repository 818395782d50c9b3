// CSystemRepeaterPage: the repeater grid of one LTR zone, the zone's 20
// repeater slots sixteen at a time (two blocks of eight columns), each with
// its channel, the channel's frequencies and spacing, and its data phases,
// Dispatch and Interconnect. A grid page (pages/column_pages) with no Default column
// whose entities are the slots of the zone the main dialog hands over; the
// slot rules are model operations (trunk_repeaters.h). The first slot shown
// belongs to the page object, so the grid reopens where it was left, for any
// zone.
#pragma once

#include "pages/column_pages/grid_page.h"
#include "res/page_repeater.h"
#include "ui/page/page_registry.h"

class CSystemRepeaterPage : public grid::CGridPage, public IZoneSubPage {
 public:
  enum { IDD = IDD_REPEATERS };

  explicit CSystemRepeaterPage(CWnd* pParent = nullptr);

  // IZoneSubPage: the zone (0..31), before the window is made; the page's zone.
  void SetPageIndex(int index) override;
  int GetCurrentIndex() const override { return m_zone; }
  int Zone() const { return m_zone; }

 protected:
  int FirstMax() const override;
  // Held down, the arrows step no lower than where the page opened.
  int HeldFirstMin() const override { return First(); }
  int FieldIndex(int slot) const override;
  std::string ColumnCaption(int column) const override;
  void OnInitPage() override;
  void OnRefreshed() override;
  // "Close": the zone overview, which keeps its own first zone.
  void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  int m_zone = 0;
  CFont m_fixedFont;  // the channel list's
};
