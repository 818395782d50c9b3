// The zone-column pages of the trunked formats (the LTR system, LTR advanced
// features and interconnect pages, with the zone overview and the repeater
// grid where every page is walked): a file with zones of every format opens
// every page on every zone without a change; each page fits its size; the ID
// rule of each keystroke; which cells each zone column shows and opens by its
// format; where the buttons lead; and each page's own rules.
#include "model/global_fields.h"
#include "model/home_channel.h"
#include "model/trunk_fields.h"
#include "model/trunk_ltr.h"
#include "pages/trunk/interconnect_page.h"
#include "pages/trunk/ltr_advanced_page.h"
#include "pages/trunk/ltr_system_page.h"
#include "pages/trunk/passport_features_page.h"
#include "pages/trunk/passport_talk_group_page.h"
#include "res/page_repeater.h"
#include "res/page_zone_overview.h"
#include "test_grid_support.h"
#include "ui/test_fit_support.h"
#include "ui/test_print_support.h"

namespace grid_test {
namespace {

namespace sys = ltr_system_ids;
namespace adv = ltr_advanced_ids;
namespace ic = interconnect_ids;

struct PageOf {
  UINT idd;
  int next;
  int steps;  // clicks on the right arrow to the last position
};
constexpr PageOf kPages[] = {{IDD_ZONE_OVERVIEW, zone_ids::kNext, 27},
                             {IDD_LTR_SYSTEM, sys::kNext, 27},
                             {IDD_LTR_ADVANCED, adv::kNext, 27},
                             {IDD_INTERCONNECT, ic::kNext, 27},
                             {IDD_REPEATERS, repeater_ids::kNext, 4}};

class LtrPagesTest : public GridTest {
 protected:
  // Zones 0..n-1 in use with the formats LTR, Conventional, PassPort in turn.
  static void Formats(int n) {
    const int kinds[] = {kSystemLtr, kSystemConventional, kSystemPassPort};
    for (int z = 0; z < n; ++z) UseZone(z, kinds[z % 3]);
  }
  // Every edit the page shows and takes input in, focused and left.
  void PassThroughEdits() {
    for (const grid::Row& row : dynamic_cast<grid::CGridPage&>(Page()).Rows()) {
      if (row.kind != grid::Cell::Number && row.kind != grid::Cell::Text && row.kind != grid::Cell::Hex) continue;
      for (int c = 0; c <= 5; ++c) {
        const int id = c == 0 ? row.defaultId : row.ids[std::size_t(c - 1)];
        if (id && Visible(Page(), id) && Enabled(id)) FocusOn(id);
      }
    }
  }
  // A row's cells in the first columns: 'E' takes input, 'G' grey, 'H' hidden.
  std::string Cells(const int* row, std::size_t columns) {
    std::string cells;
    for (std::size_t k = 0; k < columns; ++k) cells += !Visible(Page(), row[k]) ? 'H' : Enabled(row[k]) ? 'E' : 'G';
    return cells;
  }
};

// The PassPort pages open on every zone too, and read nothing outside the
// records (the sanitizer build would stop here).
TEST_F(LtrPagesTest, EveryZoneFormatOpensEveryPageWithoutAChange) {
  const int kinds[] = {kSystemLtr, kSystemConventional, kSystemPassPort};
  for (int z = 0; z < kZoneCount; ++z) {
    if (z % 7 == 6) continue;  // not in use
    UseZone(z, kinds[z % 3], 1 + z % 4);
    if (z % 5 == 4) S().zoneFormat[z] = std::uint8_t(S().zoneFormat[z] | kZoneFormatMask);  // a format no list has
  }
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 1 + long(S().freeGroupPool), {false, zf::kLtr}).refused);
  for (int z = 0; z < kZoneCount; ++z) {
    if (z % 7 == 6) continue;
    for (int r = 0; r < tf::kRepeaterSlots; ++r) {
      S().zoneRepeaters[z][r] = std::uint16_t((z * 37 + r * 101) % 1024 | (r % 4) << 12);
    }
    S().zoneRepeaters[z][0] = std::uint16_t(z);  // the home slot holds a channel
    S().zoneHomeRepeater[z] = S().IsZoneLtr(z) ? 0x81 : 0x7F;  // repeater 127: no slot
    S().zoneChannelHangTime[z] = 77;
    S().zonePrefixCode[z] = 1;
  }
  S().zoneFlags2[5] |= kZoneOptionBand5b;
  EnterHomeFrequency(TheModel(), 5, 460.0125);  // words that fit the flag, as a radio holds them
  for (int n = 0; n < 250; n += 3) Program(n, 45000000 + 1250 * n, 45500000 + 1250 * n);
  print_test::TempDir dir;
  for (int ltrCaptions : {1, 0}) {
    SCOPED_TRACE(ltrCaptions);
    gf::kLtrCaptions.Set(TheModel(), 0, std::uint32_t(ltrCaptions));
    const std::string path = dir.File("formats.X417");
    ASSERT_TRUE(TheModel().SaveDataFile(path));
    ASSERT_TRUE(TheModel().LoadDataFile(path, dir.path.string()));
    const auto loaded = TheModel().image;
    const auto before = Packed();
    g_bModified = 0;
    for (const PageOf& p : kPages) {
      SCOPED_TRACE(p.idd);
      OpenAs<CDialog>(p.idd);
      const int zones = p.idd == IDD_REPEATERS ? kZoneCount : 1;
      for (int z = 0; z < zones; ++z) {
        Reopen(p.idd, p.idd == IDD_REPEATERS ? z : 0);
        for (int step = 0; step <= p.steps; ++step) {
          PassThroughEdits();
          Click(Page().GetDlgItem(p.next));
        }
        Click(Page().GetDlgItem(p.next - 1));  // and back one
      }
      EXPECT_EQ(dynamic_cast<grid::CGridPage&>(Page()).First(), p.steps - 1);
    }
    EXPECT_EQ(TheModel().image, loaded);
    ExpectImageDiff(before, {});
    EXPECT_EQ(g_bModified, 0u);
    EXPECT_TRUE(prompts.MessageTexts().empty());
    for (int z = 0; z < kZoneCount; ++z) {
      SCOPED_TRACE(z);
      EXPECT_EQ(OpenAs<CPassPortFeaturePage>(IDD_PASSPORT_FEATURES, z).GetCurrentIndex(), z);
      EXPECT_EQ(Text(passport_ids::kZoneNumber), std::to_string(z + 1));
      EXPECT_EQ(OpenAs<CTalkGroupPage>(IDD_PASSPORT_TALK_GROUPS, z).Zone(), z);
      EXPECT_EQ(Text(talk_group_ids::kZoneNumber), std::to_string(z + 1));
    }
  }
}

// At its own size (the size every page scrolls against) a page shows every
// control whole, with every caption and the longest text a cell can hold in
// its control; in a smaller area it scrolls.
TEST_F(LtrPagesTest, EachPageFitsItsSizeAndScrollsInASmallArea) {
  const int kinds[] = {kSystemConventional, kSystemLtr, kSystemPassPort};
  for (int z = 0; z < 5; ++z) UseZone(z, kinds[z % 3]);
  S().zonePrefixCode[1] = 255;  // "Disable(FF)"
  for (int r = 0; r < tf::kRepeaterSlots; ++r) {
    Program(r + 230, 99999999, 99999999);
    S().zoneRepeaters[0][r] = std::uint16_t(0x6C00 | (r + 230));
  }
  hooks.modeM = true;
  for (const PageOf& p : kPages) {
    g_bTakePageRef = 1;  // as the main dialog does: the page's own size is the reference
    auto& page = dynamic_cast<CScrollPage&>(Open(p.idd));
    CRect own;
    page.GetClientRect(&own);
    QWidget* surface = page.GetSafeHwnd();
    for (QWidget* w : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w->isWindow() || !w->isVisibleTo(surface) || !CWnd::FromHandlePermanent(w)) continue;
      const std::string name = std::to_string(p.idd) + " control " + std::to_string(CWnd::FromHandle(w)->GetDlgCtrlID());
      EXPECT_LE(w->geometry().right(), own.right) << name;
      EXPECT_LE(w->geometry().bottom(), own.bottom) << name;
      if (auto* label = qobject_cast<QLabel*>(w)) {
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
            << name << " \"" << label->text().toStdString() << "\"";
      }
    }
    for (const std::string& line : fit_test::CutCaptions(surface, std::to_string(p.idd), true)) ADD_FAILURE() << line;
    EXPECT_FALSE(page.IsScrollBarShown(CScrollPage::SB_VERT)) << p.idd;
    page.MoveWindow(0, 0, 240, 160, TRUE);
    Pump();
    EXPECT_TRUE(page.IsScrollBarShown(CScrollPage::SB_VERT)) << p.idd;
    EXPECT_TRUE(page.IsScrollBarShown(CScrollPage::SB_HORZ)) << p.idd;
  }
}

// Each keystroke of an LTR ID: 1 to 250 is stored at once, anything else
// shows the message and the stored ID again.
TEST_F(LtrPagesTest, LtrIdsAreCheckedAtEachKeystrokeInTheirOwnColumn) {
  Formats(5);
  const struct {
    UINT idd;
    int cell;
    const char* typed;
    const char* shown;
    std::uint8_t* stored;
    std::uint8_t code;
    bool refused;
  } cases[] = {
      {IDD_INTERCONNECT, ic::kLtrId[0], "251", "25", &S().zoneInterconnectLtrId[0], 25, true},
      {IDD_LTR_ADVANCED, adv::kRxIdStart[0], "25", "25", &S().zoneRxIdStart[0], 25, false},
      {IDD_LTR_ADVANCED, adv::kRxIdStart[0], "251", "25", &S().zoneRxIdStart[0], 25, true},
      {IDD_LTR_ADVANCED, adv::kTxInhibitIdStop[3], "0", "", &S().zoneTxInhibitIdStop[3], 255, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Show(c.idd);
    g_bModified = 0;
    TypeInto(c.cell, c.typed);
    EXPECT_EQ(*c.stored, c.code);
    EXPECT_EQ(Text(c.cell), c.shown);
    EXPECT_EQ(g_bModified, c.code != 255 ? 1u : 0u);  // set by an ID stored
    EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>(c.refused ? 1 : 0, kLtrIdMessage));
  }
  // Typed into column 4, then a list of column 1 opened: the ID stays with zone 4.
  TypeInto(adv::kTxInhibitIdStart[3], "7");
  ClickCell(adv::kHang[0]);
  EXPECT_EQ(S().zoneTxInhibitIdStart[3], 7);
  EXPECT_EQ(S().zoneTxInhibitIdStart[0], 255);
  // Every digit deleted: none (255), shown empty.
  FocusOn(adv::kRxIdStart[0]);
  Pump();  // the select-all posted on focus
  Key(Qt::Key_End);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(S().zoneRxIdStart[0], 255);
  EXPECT_EQ(Text(adv::kRxIdStart[0]), "");
}

// An LTR zone takes every row; a PassPort zone the hang, fade and prefix, its
// interconnect cells but the LTR ID and the Connect Dial, and the trunking rows
// of the system page; a Conventional zone the Connect Dial and Only Rx; a zone
// not in use (shown as Conventional) nothing.
TEST_F(LtrPagesTest, EachZoneColumnShowsAndOpensTheCellsOfItsFormat) {
  Formats(3);
  hooks.modeM = true;
  const struct {
    UINT idd;
    std::vector<const int*> rows;
    const char* cells;  // columns 1-4
  } facts[] = {
      {IDD_LTR_ADVANCED, {adv::kRiseTime, adv::kRxIdStart, adv::kRxIdStop, adv::kDecodeResume, adv::kTxInhibitIdStart,
                          adv::kTxInhibitResume}, "EGGG"},
      {IDD_LTR_ADVANCED, {adv::kPrefix, adv::kHang, adv::kFade}, "EGEG"},
      {IDD_INTERCONNECT, {ic::kLtrId}, "EHHH"},
      {IDD_INTERCONNECT, {ic::kConnectDial, ic::kOnlyRx}, "HEHG"},
      {IDD_INTERCONNECT, {ic::kDisconnect, ic::kAuto, ic::kPhone}, "EEEG"},
      {IDD_LTR_SYSTEM, {sys::kAreaCode, sys::kHomeRepeater, sys::kTalkPermit, sys::kGroupDecode, sys::kScanWords,
                        sys::kRepeaters}, "EGEG"},
      {IDD_LTR_SYSTEM, {sys::kZoneScanCells, sys::kGroups}, "EEEG"},
  };
  for (const auto& f : facts) {
    Show(f.idd);
    for (const int* row : f.rows) EXPECT_EQ(Cells(row, 4), f.cells) << f.idd << " cell " << row[0];
  }
  // The format shows on grey, and a click on it does nothing.
  const char* formats[] = {"LTR", "Conventional", "PassPort"};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Text(sys::kFormat[k]), formats[k]);
    EXPECT_EQ(StateOf(sys::kFormat[k]), grid::State::EnabledGrey);
  }
  ClickCell(sys::kFormat[0]);
  EXPECT_EQ(prompts.Beeps(), 0);
  EXPECT_FALSE(ListShown(sys::kPopupList));

  Show(IDD_LTR_ADVANCED);
  EXPECT_EQ(Text(adv::kRxIdStart[2]), "");  // a PassPort zone's timer is no ID
  auto& interconnect = Show(IDD_INTERCONNECT);
  Click(interconnect.GetDlgItem(ic::kNext));  // the cells follow their zones
  EXPECT_EQ(Cells(ic::kLtrId, 1) + Cells(ic::kConnectDial, 1), "HE");
}

// "Groups" of an LTR-format zone leads to the LTR group page, of any other
// zone to the conventional one; "Repeaters" serves LTR zones; Enter on a
// button presses it.
TEST_F(LtrPagesTest, ButtonsLeadByTheZonesFormat) {
  Formats(3);
  auto& page = Show(IDD_LTR_SYSTEM);
  for (int id : {sys::kGroups[0], sys::kGroups[1], sys::kGroups[2], sys::kRepeaters[0], sys::kInterconnect,
                 sys::kLtrAdvanced}) {
    Click(page.GetDlgItem(id));
  }
  const std::vector<Switch> fromLtrPage = {{WM_SHOWPAGE_GROUP_BASIC, 0, 0}, {WM_SHOWPAGE_CONV_BASIC, 1, 0},
                                           {WM_SHOWPAGE_CONV_BASIC, 2, 0},  {WM_SHOWPAGE_REPEATERS, 0, 0},
                                           {WM_SHOWPAGE_INTERCONNECT, 0, 0}, {WM_SHOWPAGE_LTR_ADVANCED, 0, 0}};
  EXPECT_EQ(Sent(), fromLtrPage);

  Click(Show(IDD_LTR_ADVANCED).GetDlgItem(adv::kNext));
  FocusOn(adv::kInterconnect);
  Key(Qt::Key_Return);
  EXPECT_EQ(Sent(), (std::vector<Switch>{{WM_SHOWPAGE_INTERCONNECT, 0, 1}}));
}

// A typed Default ID reaches the LTR zones only: its bytes are a Conventional
// zone's Connect Dial and a PassPort zone's timers. The page shows it again
// under the caret.
TEST_F(LtrPagesTest, TheDefaultIdReachesOnlyLtrZonesAndKeepsTheCaret) {
  Formats(kZoneCount);
  hooks.modeM = true;
  Show(IDD_LTR_ADVANCED);
  std::uint8_t dial[kZoneCount];
  for (int z = 0; z < kZoneCount; ++z) dial[z] = S().zoneRxIdStart[z] = S().zoneRxIdStop[z] = std::uint8_t(0x40 + z);
  TypeInto(adv::kRxIdDefaults[0], "7");
  TypeInto(adv::kRxIdDefaults[1], "25");
  Key(Qt::Key_Home);
  Type("0");  // "025" is 25: the page shows "25" again, the caret after the "0" typed
  int start = -1, end = -1;
  dynamic_cast<CEdit*>(Page().GetDlgItem(adv::kRxIdDefaults[1]))->GetSel(start, end);
  EXPECT_EQ(Text(adv::kRxIdDefaults[1]), "25");
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 1);
  Type("1");
  EXPECT_EQ(Text(adv::kRxIdDefaults[1]), "215");
  EXPECT_EQ(Text(adv::kRxIdStop[0]), "215");
  for (int z = 0; z < kZoneCount; ++z) {
    EXPECT_EQ(S().zoneRxIdStart[z], z % 3 == 0 ? 7 : dial[z]) << z;
    EXPECT_EQ(S().zoneRxIdStop[z], z % 3 == 0 ? 215 : dial[z]) << z;
  }
}

// The rise time and prefix lists commit on the first selection change, hide
// quietly and leave the focus on their cell; the others commit on Enter and
// move the focus on.
TEST_F(LtrPagesTest, AdvancedListsCommitBySelectionOrByEnter) {
  Formats(3);
  hooks.modeM = true;
  Show(IDD_LTR_ADVANCED);
  ClickCell(adv::kPrefix[0]);
  ASSERT_TRUE(ListShown(adv::kPopupList));
  Key(Qt::Key_Down);
  EXPECT_FALSE(ListShown(adv::kPopupList));
  EXPECT_EQ(S().zonePrefixCode[0], 170);
  EXPECT_EQ(FocusedId(), adv::kPrefix[0]);
  FocusOn(adv::kFade[0]);
  Key(Qt::Key_Return);
  Key(Qt::Key_Down);
  EXPECT_EQ(S().zoneChannelFadeTime[0], 4);  // moving the selection writes nothing
  Key(Qt::Key_Return);
  EXPECT_EQ(S().zoneChannelFadeTime[0], 6);
  EXPECT_NE(FocusedId(), adv::kFade[0]);
}

// Outside mode M the rise time and prefix rows are hidden and the rows below
// move up; held arrows page through every zone and never switch the page.
TEST_F(LtrPagesTest, AdvancedModeMRowsAndHeldArrows) {
  auto& page = Show<CLtrAdvancedFeaturesPage>(IDD_LTR_ADVANCED, 3);
  EXPECT_FALSE(Visible(page, adv::kRiseTime[0]));
  EXPECT_FALSE(Visible(page, adv::kPrefixDefault));
  CRect hang, caption;
  page.GetDlgItem(adv::kHang[0])->GetWindowRect(&hang);
  page.GetDlgItem(adv::kCaptions[0])->GetWindowRect(&caption);
  EXPECT_LT(hang.top - caption.bottom, caption.Height() * 2);  // moved up into the hidden rows' place
  EXPECT_EQ(Text(adv::kCaptions[0]), "Zone  4");
  Hold(adv::kNext, 8 * 40);
  EXPECT_EQ(page.First(), 27);
  EXPECT_EQ(Text(adv::kCaptions[4]), "Zone 32");
  Hold(adv::kPrev, 8 * 40);
  EXPECT_EQ(page.First(), 0);
  EXPECT_TRUE(NoPageSwitch());
}

TEST_F(LtrPagesTest, TheGroupCountIsCheckedAtEachKeystroke) {
  UseZone(0, kSystemLtr, 2);
  UseZone(1, kSystemConventional, 3);
  UseZone(2, kSystemPassPort, 1);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 3, long(S().freeGroupPool), {false, zf::kLtr}).refused);
  ASSERT_EQ(S().freeGroupPool, 0u);
  Show<CLtrZonePage>(IDD_LTR_SYSTEM);
  // No record free: zone 2 keeps what it has (3 fits), 5 does not, at once.
  TypeInto(sys::kGroupCounts[1], "5");
  EXPECT_EQ(prompts.MessageTexts(), std::vector<std::string>{kTooManyGroups});
  EXPECT_EQ(Text(sys::kGroupCounts[1]), "3");
  EXPECT_EQ(g_bModified, 1u);
  for (int i = 0; i < 3; ++i) TypeInto(sys::kGroupCounts[1], "9");
  Tab();
  EXPECT_EQ(S().groupCount[1], 3);
  EXPECT_EQ(S().freeGroupPool, 0u);

  // Fewer groups free records; 0 takes the zone out of use with its notices.
  TheModel().global.emergencySystem = 0;
  TheModel().global.homeSystem = 0;
  prompts.Clear();
  TypeInto(sys::kGroupCounts[0], "0");
  Tab();
  EXPECT_EQ(prompts.MessageTexts(), (std::vector<std::string>{"Delete Emergency System 1", "Delete Home System 1"}));
  EXPECT_FALSE(S().IsZoneInUse(0));
  EXPECT_EQ(S().freeGroupPool, 2u);
  EXPECT_EQ(Text(sys::kOnOff[0]), "Disable");
  EXPECT_FALSE(Enabled(sys::kAreaCode[0]));
  // No 16-group limit on this page; new groups of an LTR zone get channel word 0x13FF.
  UseZone(4, kSystemLtr, 1);
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 3, 2).refused);
  dynamic_cast<CLtrZonePage&>(Page()).Refresh();
  TypeInto(sys::kGroupCounts[4], "20");
  Tab();
  EXPECT_EQ(S().groupCount[4], 20);
  EXPECT_EQ(S().groups[S().CountGroupsBeforeZone(4) + 19].channelWord, 0x13FF);
}

// The home repeater sets the Dispatch and Interconnect bits of its slot,
// which stay when another is chosen; Zone Scan opens on a click only.
TEST_F(LtrPagesTest, TheHomeRepeaterSetsItsSlotsBitsAndZoneScanOpensOnAClick) {
  Formats(3);
  S().zoneRepeaters[0][0] = 0x0004;
  S().zoneRepeaters[0][2] = 0x0005;
  S().zoneHomeRepeater[0] = 0x81;  // AREA 1, repeater 1
  Show<CLtrZonePage>(IDD_LTR_SYSTEM);
  EXPECT_EQ(Text(sys::kHomeRepeater[0]), " 1");
  ClickCell(sys::kHomeRepeater[0]);
  ASSERT_EQ(List(sys::kPopupList)->count(), 3);  // "None", " 1", " 3"
  DoubleClickItem(sys::kPopupList, " 3");
  EXPECT_EQ(S().zoneHomeRepeater[0], 0x83);
  EXPECT_EQ(S().zoneRepeaters[0][2], 0x6005);
  Choose(sys::kHomeRepeater[0], sys::kPopupList, " 1");
  EXPECT_EQ(S().zoneRepeaters[0][2], 0x6005);  // left set
  EXPECT_EQ(S().zoneRepeaters[0][0], 0x6004);
  Choose(sys::kHomeRepeater[0], sys::kPopupList, "None");
  EXPECT_EQ(S().zoneHomeRepeater[0], 0x80);
  EXPECT_EQ(S().zoneRepeaters[0][0], 0x6004);

  prompts.Clear();
  FocusOn(sys::kZoneScanCells[0]);
  Key(Qt::Key_Return);
  EXPECT_FALSE(ListShown(sys::kPopupList));
  EXPECT_EQ(prompts.Beeps(), 0);
  ClickCell(sys::kZoneScanCells[0]);
  EXPECT_TRUE(ListShown(sys::kPopupList));
}

TEST_F(LtrPagesTest, InterconnectDialStringsAreTypedAndReadBack) {
  Formats(3);
  for (int z = 0; z < kZoneCount; ++z) S().zoneDisconnectDial[z] = std::uint8_t(0xF0 | (z & 0x0F));
  auto& page = Show<CInterconnectPage>(IDD_INTERCONNECT);
  TypeInto(ic::kConnectDial[1], "12#e");  // "e" is no dial character
  // The Connect Dial of zone 2: length 3, digits 1, 2 and 15, the rest 0.
  EXPECT_EQ(S().zoneHomeRepeater[1], 0x31);
  EXPECT_EQ(S().zoneInterconnectLtrId[1], 0x2F);
  for (const std::uint8_t* b : {S().zoneRxIdStart, S().zoneRxIdStop, S().zoneTxInhibitIdStart,
                                S().zoneTxInhibitIdStop, S().zonePassPortFlags, S().zoneScanWords}) {
    EXPECT_EQ(b[1], 0);
  }
  EXPECT_EQ(g_bModified, 1u);
  page.Refresh();
  EXPECT_EQ(Text(ic::kConnectDial[1]), "12#");
  // A text with blanks behind its digits (as a padded display leaves): Backspace
  // over one of them stores the digits alone.
  page.GetDlgItem(ic::kConnectDial[1])->SetWindowText("12   ");
  FocusOn(ic::kConnectDial[1]);
  Key(Qt::Key_End);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(S().zoneHomeRepeater[1], 0x21);
  EXPECT_EQ(S().zoneInterconnectLtrId[1], 0x20);

  // The Disconnect Dial: one digit in bits 4-7, bits 0-3 kept; cleared it is 0.
  TypeInto(ic::kDisconnect[1], "*");
  EXPECT_EQ(S().zoneDisconnectDial[1], 0xE1);
  FocusOn(ic::kDisconnect[1]);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(S().zoneDisconnectDial[1], 0x01);
  page.Refresh();
  EXPECT_EQ(Text(ic::kDisconnect[1]), "0");
  // The Default digit: every zone's bits 4-7, their bits 0-3 kept.
  TypeInto(ic::kDisconnectDefault, "b");
  for (int z = 0; z < kZoneCount; ++z) EXPECT_EQ(S().zoneDisconnectDial[z], 0xB0 | (z & 0x0F)) << z;
  EXPECT_EQ(Text(ic::kDisconnect[4]), "B");
  EXPECT_EQ(Text(ic::kDisconnectDefault), "B");

  // The Default values live with the page object.
  Choose(ic::kTimeoutDefault, ic::kPopupList, "7.0min");
  Reopen(IDD_INTERCONNECT, 5);
  EXPECT_EQ(Text(ic::kCaptions[0]), "Zone  6");
  EXPECT_EQ(Text(ic::kTimeoutDefault), "7.0min");
}

}  // namespace
}  // namespace grid_test
