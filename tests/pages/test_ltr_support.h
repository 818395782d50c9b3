// What the tests of the repeater grid, the LTR system, LTR advanced features
// and interconnect pages share: zones of each format, programmed channels, a
// page window made again on the same page object with an index handed over
// first (as the main dialog does), a list choice by click and double-click,
// and an arrow held for a number of repeat ticks.
#pragma once

#include "model/zone_model.h"
#include "model/zone_fields.h"
#include "test_grid_support.h"

namespace grid_test {

class TrunkPageTest : public GridTest {
 protected:
  static CChannelStore& S() { return TheModel().store; }
  // Zone z in use with the defaults of a format (kSystemLtr, kSystemConventional,
  // kSystemPassPort) and n groups.
  static void UseZone(int z, int kind, int n = 1) {
    S().SetSystemDefaults(z, kind);
    ASSERT_FALSE(ApplyGroupCount(TheModel(), z, n, {false, zf::kLtr}).refused) << z;
  }
  // Channel record n programmed with frequencies in 10 Hz units.
  static void Program(int n, std::int32_t tx, std::int32_t rx) {
    CChannelData& c = S().channels[n];
    c.txFreq = tx;
    c.rxFreq = rx;
    c.programmed |= 1;
  }
  // The page's window made again on the same page object, after the index is
  // handed over (as the main dialog does before it makes a zone sub-page).
  void Reopen(UINT idd, int index) {
    Page().DestroyWindow();
    dynamic_cast<IZoneSubPage&>(Page()).SetPageIndex(index);
    ASSERT_TRUE(Page().Create(idd, &host));
    Page().ShowWindow(SW_SHOW);
    Pump();
    prompts.Clear();
    host.sent.clear();
  }
  template <class P>
  P& Show(UINT idd, int index = 0) {
    OpenAs<P>(idd);
    Reopen(idd, index);
    return dynamic_cast<P&>(Page());
  }
  // An arrow held down for the ticks, then released.
  void Hold(int arrow, int ticks) {
    CHandTicks hand;
    CRepeatButton::SetDefaultTickSource(&hand);
    QTest::mousePress(Page().GetDlgItem(arrow)->GetSafeHwnd(), Qt::LeftButton);
    hand.Tick(ticks);
    QTest::mouseRelease(Page().GetDlgItem(arrow)->GetSafeHwnd(), Qt::LeftButton);
    CRepeatButton::SetDefaultTickSource(nullptr);
    Pump();
  }
  // No page switch reached the main dialog (0x40A is also a page switch).
  bool NoPageSwitch() const {
    for (const auto& s : host.sent) {
      if (s.message != WM_COMMAND) return false;
    }
    return true;
  }
};

}  // namespace grid_test
