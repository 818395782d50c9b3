// The zone overview, the repeater grid, the LTR system, LTR advanced features
// and interconnect pages over a data file with zones of every format and values
// no list has, in both caption modes: each page pages through every zone (the
// repeater grid through every zone's slots) and passes through every edit
// without reading outside the records or changing a byte of the image; and
// each page scrolls in a small area.
#include "model/global_fields.h"
#include "model/home_channel.h"
#include "model/trunk_fields.h"
#include "res/page_interconnect.h"
#include "res/page_ltr_advanced.h"
#include "res/page_ltr_system.h"
#include "res/page_repeater.h"
#include "res/page_zone_overview.h"
#include "test_grid_support.h"
#include "ui/test_fit_support.h"
#include "ui/test_print_support.h"

namespace grid_test {
namespace {

struct PageOf {
  UINT idd;
  int next;
  int steps;  // clicks on the right arrow to the last position
};
constexpr PageOf kPages[] = {{IDD_ZONE_OVERVIEW, zone_ids::kNext, 27},
                             {IDD_LTR_SYSTEM, ltr_system_ids::kNext, 27},
                             {IDD_LTR_ADVANCED, ltr_advanced_ids::kNext, 27},
                             {IDD_INTERCONNECT, interconnect_ids::kNext, 27},
                             {IDD_REPEATERS, repeater_ids::kNext, 4}};

class LtrPagesTest : public GridTest {
 protected:
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
};

TEST_F(LtrPagesTest, EveryZoneFormatOpensEveryPageWithoutAChange) {
  const int kinds[] = {kSystemLtr, kSystemConventional, kSystemPassPort};
  for (int z = 0; z < kZoneCount; ++z) {
    if (z % 7 == 6) continue;  // not in use
    UseZone(z, kinds[z % 3], 1 + z % 4);
    if (z % 5 == 4) S().zoneFormat[z] = std::uint8_t(S().zoneFormat[z] | kZoneFormatMask);  // a format no list has
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
  ASSERT_FALSE(ApplyGroupCount(TheModel(), 0, 1 + long(S().freeGroupPool), {false, zf::kLtr}).refused);
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
  }
}

// At its own size (the size every page scrolls against) a page shows every
// control whole, with every text, the longest a cell can hold among them, in
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

}  // namespace
}  // namespace grid_test
