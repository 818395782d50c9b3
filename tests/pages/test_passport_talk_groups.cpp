// The PassPort talk-group page by clicks, double-clicks and typing: greying by
// the zone's count and each group's use, "PRIMARY", the enable list, every
// check box's bit in the image, the ID and alias entries, and rows past the
// zone's groups or past the last record, which are never read or written.
#include "model/image.h"
#include "model/zone_model.h"
#include "pages/trunk/passport_talk_group_page.h"
#include "test_grid_support.h"

namespace grid_test {
namespace {

using namespace talk_group_ids;

constexpr int kZone = 1;
constexpr int kFirst = 4;  // zone 0 owns records 0..3
constexpr std::size_t kScanBitmap = 150;  // the image's bitmap of the Scan bits (set: off)

CChannelStore& S() { return TheModel().store; }
CGroupRecord& Group(int g) { return S().groups[g]; }

class TalkGroupTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    TheModel().global.systemType &= std::uint8_t(~0x40);  // PassPort: the groups pack their IDs
    UseZone(0, kSystemConventional, kFirst);
    UseZone(kZone, kSystemPassPort, 3);
    Group(kFirst + 1).flags |= kGroupInUse;  // row 2 in use, row 3 not
    g_bModified = 0;
  }
  CTalkGroupPage& Show(int zone = kZone) {
    CTalkGroupPage& page = OpenAs<CTalkGroupPage>(IDD_PASSPORT_TALK_GROUPS, zone);
    prompts.Clear();
    return page;
  }
  // Rows whose controls take input, as a string of '1' and '0'.
  std::string Open(const int (&ids)[kRows]) {
    std::string open;
    for (int id : ids) open += Enabled(id) ? '1' : '0';
    return open;
  }
};

TEST_F(TalkGroupTest, GreyingByCountAndUseThePrimaryAndTheEnableList) {
  Group(kFirst).flags &= std::uint8_t(~kGroupInUse);
  Show();
  EXPECT_TRUE(Group(kFirst).InUse());  // put in use on opening, no edit of the person's
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(Text(kZoneNumber), "2");
  EXPECT_EQ(Text(kEnable[0]), "PRIMARY");
  EXPECT_EQ(Text(kEnable[1]), "Enable");
  EXPECT_EQ(Text(kEnable[2]), "Disable");
  EXPECT_EQ(Text(kEnable[3]), "");
  EXPECT_EQ(Text(kId[2]), "1");
  EXPECT_EQ(Text(kId[3]), "");
  EXPECT_EQ(Text(kAlias[1]), "GROUP006");
  EXPECT_EQ(Open(kEnable), "1110000000000000");
  EXPECT_EQ(Open(kId), "1100000000000000");
  EXPECT_EQ(Open(kAlias), "1100000000000000");
  EXPECT_EQ(Open(kTot), "1100000000000000");

  ClickCell(kEnable[0]);  // "PRIMARY" does nothing
  EXPECT_FALSE(ListShown(kEnableList));
  EXPECT_EQ(prompts.Beeps(), 0);

  ClickCell(kEnable[2]);
  ASSERT_TRUE(ListShown(kEnableList));
  EXPECT_TRUE(IsRed(kEnable[2]));
  DoubleClickItem(kEnableList, "Enable");
  EXPECT_TRUE(Group(kFirst + 2).InUse());
  EXPECT_EQ(g_bModified, 1u);
  EXPECT_EQ(FocusedId(), kId[2]);
  EXPECT_FALSE(IsRed(kEnable[2]));
  EXPECT_EQ(Open(kScan), "1110000000000000");

  // Out of use: the row's ID, alias and boxes grey, its enable cell stays open.
  ClickCell(kEnable[1]);
  DoubleClickItem(kEnableList, "Disable");
  EXPECT_FALSE(Group(kFirst + 1).InUse());
  EXPECT_EQ(Open(kEnable), "1110000000000000");
  EXPECT_EQ(Open(kCompander), "1010000000000000");
  EXPECT_EQ(prompts.Beeps(), 4);
}

TEST_F(TalkGroupTest, EveryCheckBoxOwnsItsBitOfTheImage) {
  Show();
  const int g = kFirst + 1;
  const std::uint8_t groupBit = std::uint8_t(1 << (g % 8));
  struct Fact {
    const int (&ids)[kRows];
    std::size_t offset;
    std::uint8_t mask;
    bool setWhenChecked;
  };
  const Fact facts[] = {
      {kScan, kScanBitmap + g / 8, groupBit, false},  {kCompander, GroupOffset(g), 0x40, true},
      {kDisableTx, GroupOffset(g), 0x20, true},       {kEncryption, GroupOffset(g), 0x10, true},
      {kTot, GroupOffset(g) + 6, 0x40, true},  // bit 14 of the big-endian channel word
  };
  for (const Fact& f : facts) {
    SCOPED_TRACE(f.ids[1]);
    for (int step = 0; step < 2; ++step) {
      g_bModified = 0;
      const auto before = Packed();
      Click(Page().GetDlgItem(f.ids[1]));
      Pump();
      const bool checked = Page().IsDlgButtonChecked(f.ids[1]) == BST_CHECKED;
      EXPECT_EQ((Packed()[f.offset] & f.mask) != 0, checked == f.setWhenChecked);
      ExpectImageDiff(before, {{f.offset, f.mask}});
      EXPECT_EQ(g_bModified, 1u);
    }
  }
  EXPECT_EQ(prompts.Beeps(), 0);
}

TEST_F(TalkGroupTest, IdAndAliasEntriesActOnTheirOwnRow) {
  Show();
  Enter(kId[1], "65519");
  EXPECT_EQ(Group(kFirst + 1).idWord, 65519);
  EXPECT_EQ(g_bModified, 1u);
  for (const char* bad : {"65520", "0"}) {
    Enter(kId[1], bad);
    EXPECT_EQ(Text(kId[1]), "65519");
    EXPECT_EQ(Group(kFirst + 1).idWord, 65519);
  }
  EXPECT_EQ(prompts.MessageTexts(),
            (std::vector<std::string>{"Talk Group ID should be 1 to 65519.", "Talk Group ID should be 1 to 65519."}));

  g_bModified = 0;
  TypeInto(kAlias[1], "ab7");
  EXPECT_EQ(std::string(Group(kFirst + 1).name, 9), std::string("AB7     \0", 9));
  EXPECT_EQ(g_bModified, 1u);

  // The primary's ID is shown only; passing through an ID stores nothing.
  EXPECT_EQ(Page().GetDlgItem(kId[0])->GetSafeHwnd()->inherits("QLineEdit"), false);
  g_bModified = 0;
  FocusOn(kId[1]);
  Tab();
  EXPECT_EQ(g_bModified, 0u);
  EXPECT_EQ(prompts.MessageTexts().size(), 2u);

  // An ID typed, then another row's enable list opened and committed: the ID
  // goes to its own row, the choice to the row of the list.
  TypeInto(kId[1], "123");
  ClickCell(kEnable[2]);
  DoubleClickItem(kEnableList, "Enable");
  EXPECT_EQ(Group(kFirst + 1).idWord, 123);
  EXPECT_TRUE(Group(kFirst + 1).InUse());
  EXPECT_TRUE(Group(kFirst + 2).InUse());
  EXPECT_EQ(Group(kFirst + 2).idWord, 1);
}

TEST_F(TalkGroupTest, RowsPastTheZonesGroupsOrTheLastRecordAreNeverReadOrWritten) {
  // A zone without groups: its rows would be the next zone's records.
  UseZone(3, kSystemPassPort, 2);
  const int next = S().CountGroupsBeforeZone(3);
  Group(next).flags &= std::uint8_t(~kGroupInUse);
  const auto before = Packed();
  Show(2);
  EXPECT_FALSE(Group(next).InUse());
  EXPECT_EQ(Text(kEnable[0]), "");
  EXPECT_EQ(Open(kEnable), std::string(kRows, '0'));
  EXPECT_EQ(Open(kId), std::string(kRows, '0'));
  ExpectImageDiff(before, {});

  // Counts that run past the store (as a damaged file may hold): rows past
  // record 249 are empty and closed.
  S().groupCount[0] = 240;
  S().groupCount[kZone] = 16;
  for (int g = 240; g < kGroupCount; ++g) Group(g).flags |= kGroupInUse;
  Show(kZone);
  EXPECT_EQ(Text(kAlias[9]), "GROUP250");
  EXPECT_EQ(Text(kAlias[10]), "");
  EXPECT_EQ(Text(kEnable[10]), "");
  EXPECT_EQ(Open(kEnable), "1111111111000000");
  EXPECT_EQ(Open(kTot), "1111111111000000");
}

}  // namespace
}  // namespace grid_test
