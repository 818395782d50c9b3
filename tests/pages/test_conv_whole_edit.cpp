// A whole edit of a Conventional zone by real input, from the zone overview
// through both group views, saved, loaded again and packed: the same image,
// byte for byte.
#include <fstream>
#include <iterator>

#include "pages/trunk/zone_overview_page.h"
#include "test_conv_support.h"
#include "ui/test_print_support.h"

namespace grid_test {
namespace {

std::vector<char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ConvWholeEditTest : public ConvGroupTest {};

TEST_F(ConvWholeEditTest, AZoneEditedByHandSurvivesSaveAndLoadByteForByte) {
  print_test::TempDir dir;
  // Zone 3 on the overview: on, Conventional, three groups; its "Groups" button.
  OpenAs<CZoneOverviewPage>(IDD_ZONE_OVERVIEW);
  Choose(zone_ids::kOnOff[2], zone_ids::kPopupList, "Enable");
  Choose(zone_ids::kFormat[2], zone_ids::kPopupList, "Conventional");
  Enter(zone_ids::kGroupCounts[2], "3");
  ClickButton(zone_ids::kGroups[2]);
  ASSERT_EQ(Sent().back(), (Switch{WM_SHOWPAGE_CONV_BASIC, 2, 0}));
  const ZoneGroupRun run = ZoneGroups(S(), 2);
  ASSERT_EQ(run.count, 3);

  {
    using namespace group_ids;
    using namespace conv_basic_ids;
    ShowBasic(2);
    const char* rx[] = {"451.0125", "452.5", "453"};
    const char* tags[] = {"base", "yard", "gate 3"};
    for (int k = 0; k < 3; ++k) {
      Choose(kEnable[k], kEnableList, "Enable");
      Enter(kRxFreq[k], rx[k]);
      TypeInto(kTag[k], tags[k]);
    }
    Enter(kTxFreq[2], "458.0125");
    Choose(kRxType[1], kRxTypeList, "DCS");
    Choose(kChannelSpace[2], kChannelSpaceList, "Narrow");
    Choose(kMonitorDefault, kMonitorList, "Disable");
    Choose(kTimeOutTimerDefault, kTimeOutTimerList, "Disable");
    Choose(kScanMemoryDefault, kScanMemoryList, "Enable");
    Choose(kCompander[2], kCompanderList, "Enable");
    ClickButton(kAdvancedFeatures);
  }
  {
    using namespace conv_advanced_ids;
    ShowAdvanced(2);
    Choose(kSignalingFunction[0], kSignalingFunctionList, "Paging");
    Choose(kSignalingNo[0], kSignalingNoList, "Loc. 3");
    Choose(kSignalingFunction[1], kSignalingFunctionList, "Signaling");
    Choose(kTalkAroundFixedDefault, kTalkAroundFixedList, "Enable");
    Choose(kSecondTxPower[2], kSecondTxPowerList, "High");
    Choose(kFlatAf[1], kFlatAfList, "Flat");
  }
  Close();
  EXPECT_EQ(g_bModified, 1u);
  const int g = run.first;
  EXPECT_EQ(S().channels[g].rxFreq, 45101250);
  EXPECT_EQ(S().channels[g + 2].txFreq, 45801250);
  EXPECT_EQ(std::string(S().groups[g + 2].name, 8), "GATE 3  ");
  EXPECT_EQ(S().groups[g].byte1 & 0x5F, 0x12);

  const std::string first = dir.File("edited.X417"), second = dir.File("again.X417");
  ASSERT_TRUE(TheModel().SaveDataFile(first));
  const auto saved = TheModel().image;
  ASSERT_EQ(TheModel().LoadDataFile(first, dir.path.string()), 1);
  const auto packed = Packed();
  EXPECT_TRUE(std::equal(saved.begin(), saved.end(), packed.begin()));
  ASSERT_TRUE(TheModel().SaveDataFile(second));
  EXPECT_EQ(FileBytes(first), FileBytes(second));
  EXPECT_EQ(std::string(S().groups[g + 1].name, 8), "YARD    ");
  EXPECT_EQ(S().channels[g + 1].rxFreq, 45250000);
}

}  // namespace
}  // namespace grid_test
