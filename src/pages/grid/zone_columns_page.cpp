#include "pages/grid/zone_columns_page.h"

#include <cstdio>

namespace grid {

std::string CZoneColumnsPage::ColumnCaption(int column) const {
  char text[24];
  std::snprintf(text, sizeof text, "Zone %2d", EntityOf(column) + 1);
  return text;
}

}  // namespace grid
