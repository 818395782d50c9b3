// The zone pages: a grid page over the 32 zones, five at a time beside a
// Default column (the zone overview, and the pages it opens for its first
// visible zone). The first zone is handed over before the window is made and
// kept by the page object; the columns are captioned "Zone %2d"; the main
// dialog reads the zone of the active column.
//
// The navigation between the zone pages lives here, not in the grid engine.
// A page's message map names the buttons its template has:
//
//   BEGIN_MESSAGE_MAP(CMyZonePage, grid::CZoneColumnsPage)
//     ON_BN_CLICKED(kInterconnect, OnInterconnect)  // the interconnect page from the first zone
//     ON_BN_CLICKED(kLtrAdvanced, OnLtrAdvanced)    // the LTR advanced page from the first zone
//     ON_BN_CLICKED(kClose, OnClose)                // the zone overview at the page's first zone
//     ON_CONTROL_RANGE(BN_CLICKED, 1185, 1195, OnColumnButton)  // a column's zone: its repeaters
//                                                   // (or PassPort features) and its groups
//   END_MESSAGE_MAP()
//
// Every other sub-page that closes to the zone overview (the group, repeater
// and PassPort pages, grid pages or not) binds its "Close" to a member that
// calls OnClosePage(*this): the overview then keeps its own first zone.
#pragma once

#include <span>
#include <string>

#include "pages/grid/grid_page.h"
#include "ui/page/page_registry.h"

namespace grid {

// The first zone that tells the zone overview to keep its own.
inline constexpr int kKeepFirstZone = 255;

// "Close": a beep, then the main dialog shows the zone overview
// (WM_SHOWPAGE_ZONE, 0, firstZone) with its first zone kept or the one given.
void OnClosePage(CWnd& page, int firstZone = kKeepFirstZone);

class CZoneColumnsPage : public CGridPage, public IZoneSubPage {
 public:
  static constexpr int kLastFirstZone = 27;

  CZoneColumnsPage(UINT nIDTemplate, const Axis& axis, std::span<const Row> rows, CWnd* pParent = nullptr)
      : CGridPage(nIDTemplate, axis, rows, pParent) {}

  // IZoneSubPage: the first zone (0..27); the zone of the active column (-1 for the Default column).
  void SetPageIndex(int index) override { SetFirst(index); }
  int GetCurrentIndex() const override { return ActiveColumn() == 0 ? -1 : EntityOf(ActiveColumn()); }

 protected:
  int FirstMax() const override { return kLastFirstZone; }
  std::string ColumnCaption(int column) const override;

  // The column buttons lead to the PassPort pages of a PassPort zone (the
  // zone overview with the PassPort captions).
  virtual bool PassPortCaptions() const { return false; }

  // The buttons' handlers: a beep, then the page switch with First().
  void OnInterconnect();
  void OnLtrAdvanced();
  void OnClose();
  // A column's "Repeaters"/"Features" or "Groups" button (zone_ids::kFeatures,
  // kGroups): a beep, then that page of the column's zone (wParam).
  void OnColumnButton(UINT nID);
};

}  // namespace grid
