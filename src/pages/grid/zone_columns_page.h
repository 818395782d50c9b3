// A grid page over the 32 zones, five at a time beside a Default column, that
// the zone overview opens for its first visible zone: the zone is handed over
// before the window is made and kept by the page object, the columns are
// captioned "Zone %2d", the main dialog reads the zone of the active column,
// and "Close" (Axis::closeId) returns to the overview at the page's own first
// zone.
#pragma once

#include <span>
#include <string>

#include "pages/grid/grid_page.h"
#include "ui/page/page_registry.h"

namespace grid {

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
  int CloseFirstZone() const override { return First(); }
  std::string ColumnCaption(int column) const override;
};

}  // namespace grid
