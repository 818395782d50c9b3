// CTalkGroupPage: the talk groups of one PassPort zone, up to 16 rows, one per
// group record of the zone: an enable cell ("PRIMARY" on the zone's first
// group), the TalkGroup ID, the Alias and five option check boxes. It is a grid
// page (pages/column_pages) whose entities are the talk-group keys of its zone
// (tf::TalkGroupKey), so that the model's talk-group fields serve as the rows'
// fields and a row without a group record shows nothing and takes no input.
// Reached from the zone overview's "Group IDs" button; "Close" goes back.
#pragma once

#include "pages/column_pages/grid_page.h"
#include "res/page_passport_talk_groups.h"
#include "ui/page/page_registry.h"

class CTalkGroupPage : public grid::CGridPage, public IZoneSubPage {
 public:
  enum { IDD = IDD_PASSPORT_TALK_GROUPS };

  explicit CTalkGroupPage(CWnd* pParent = nullptr);

  // IZoneSubPage: the zone shown (0..31), set before the window is made.
  void SetPageIndex(int index) override;
  int GetCurrentIndex() const override { return m_zone; }
  int Zone() const { return m_zone; }

 protected:
  int FirstMin() const override;
  int FirstMax() const override { return FirstMin(); }
  grid::State CellState(const grid::Row& row, int column, int key) override;
  void OnInitPage() override;
  void OnRefreshed() override;
  // "Close": the zone overview, which keeps its own first zone.
  void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  int m_zone = 0;
};
