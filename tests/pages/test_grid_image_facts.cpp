// Where the grid pages' rows lie in a group's or a zone's record of the image,
// written down once: each entry of a row's list, put into those bits of the
// image and loaded, is the text the cell shows; chosen by keys, it is what
// those bits hold after the pack.
#include "model/image.h"
#include "res/page_conv_groups.h"
#include "res/page_interconnect.h"
#include "res/page_ltr_advanced.h"
#include "res/page_ltr_system.h"
#include "res/page_zone_overview.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

struct Fact {
  UINT idd;
  int cell;              // the row's cell of column 1
  std::size_t byte;      // in the record of the column's group or zone
  std::uint8_t mask;
  bool zone = false;     // a zone's record (else a group's)
  int kind = kSystemConventional;  // the radio's zones
};

constexpr Fact kFacts[] = {
    {IDD_CONV_GROUP_BASIC, conv_basic_ids::kMonitor[0], 0, 0x80},
    {IDD_CONV_GROUP_BASIC, group_ids::kTxInhibit[0], 0, 0x20},
    {IDD_CONV_GROUP_BASIC, group_ids::kTimeOutTimer[0], 6, 0x40},  // bit 14 of the channel word, high byte first
    {IDD_CONV_GROUP_BASIC, group_ids::kCompander[0], 0, 0x40},
    {IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kSecondTxPower[0], 0, 0x07},
    {IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kEncryption[0], 0, 0x18},
    {IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kSignalingNo[0], 1, 0x0F},
    {IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kFlatAf[0], 2, 0x40},
    {IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kTalkAroundUser[0], 3, 0x20},
    {IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kTalkAroundFixed[0], 3, 0x10},
    {IDD_CONV_GROUP_ADVANCED, conv_advanced_ids::kCallVerify[0], 3, 0x04},
    {IDD_ZONE_OVERVIEW, zone_ids::kTimeout[0], 1, 0xF0, true},
    {IDD_ZONE_OVERVIEW, zone_ids::kLtrTalkPermit[0], 12, 0x80, true, kSystemLtr},
    {IDD_ZONE_OVERVIEW, zone_ids::kGroupDecode[0], 12, 0x20, true, kSystemLtr},
    {IDD_INTERCONNECT, interconnect_ids::kTimeout[0], 1, 0x0F, true},
    {IDD_INTERCONNECT, interconnect_ids::kOnlyRx[0], 0, 0x40, true},
    {IDD_LTR_SYSTEM, ltr_system_ids::kAreaCode[0], 2, 0x80, true, kSystemLtr},
    {IDD_LTR_ADVANCED, ltr_advanced_ids::kHang[0], 13, 0xFF, true, kSystemLtr},
    {IDD_LTR_ADVANCED, ltr_advanced_ids::kFade[0], 14, 0xFF, true, kSystemLtr},
};

class GridImageFacts : public GridTest {};

TEST_F(GridImageFacts, EachRowLiesInItsOwnBits) {
  for (const Fact& f : kFacts) {
    SCOPED_TRACE(f.cell);
    Prepare({"", f.kind});
    pageIndex = 0;
    auto& page = dynamic_cast<grid::CGridPage&>(Open(f.idd));
    int column = 0;
    const grid::Row* row = page.RowOfCell(f.cell, &column);
    ASSERT_TRUE(row && column == 1);
    const int entity = page.EntityOf(1);
    const std::size_t offset = (f.zone ? ZoneOffset(entity) : GroupOffset(entity)) + f.byte;
    const int shift = std::countr_zero(unsigned(f.mask));
    for (std::size_t k = 0; k < row->choices.size(); ++k) {
      const std::uint32_t code = row->choices.CodeAt(int(k));
      SCOPED_TRACE(code);
      auto image = Packed();
      image[offset] = std::uint8_t((image[offset] & ~f.mask) | ((code << shift) & f.mask));
      TheModel().UnpackImage(image.data());
      page.Refresh();
      EXPECT_EQ(Text(f.cell), row->choices.PageText(code));
      if (row->kind != grid::Cell::List || !Visible(page, f.cell) || !Enabled(f.cell)) continue;
      image[offset] ^= f.mask;  // another value, so that the choice is a change
      TheModel().UnpackImage(image.data());
      page.Refresh();
      ASSERT_TRUE(ChooseByKeys(f.cell, int(k)));
      EXPECT_EQ(Packed()[offset] & f.mask, (code << shift) & f.mask);
    }
  }
}

}  // namespace
}  // namespace grid_test
