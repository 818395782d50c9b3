// The 5-Tone page in an offscreen top-level host, its two dialogs run modally
// through the scripted prompt service, and the grid cells clicked, typed on
// and double-clicked where the person would.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/edit_model.h"
#include "model/five_tone_fields.h"
#include "pages/fivetone/five_tone_dlg.h"
#include "pages/fivetone/five_tone_list_dlg.h"
#include "pages/fivetone/five_tone_page.h"
#include "ui/table_control_test_support.h"
#include "ui/ui_test_support.h"
#include "ui/wnd/ext/help.h"

namespace five_tone_test {

using namespace ui_test;
using namespace five_tone;

inline constexpr UINT kHostId = 9741;

// The host plays the main dialog: it records the help requests that reach it.
class CHostDlg : public CDialog {
 public:
  CHostDlg() : CDialog(kHostId) {}
  std::vector<int> helpIds;
  void OnOK() override {}
  void OnCancel() override {}

 protected:
  LRESULT OnHelp(WPARAM, LPARAM lParam) {
    helpIds.push_back(reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId);
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

// The 5-Tone block of the image as a pattern, unpacked into the records; nothing unsaved.
inline void ResetRecords() {
  CEditModel& m = TheModel();
  m.ResetEditModel();
  std::uint8_t* img = RadioImage();
  for (std::size_t i = img::kFiveToneBlock; i < img::kFiveToneBlock + img::kFiveToneBlockSize; ++i) {
    img[i] = static_cast<std::uint8_t>(i * 7 + 3);
  }
  // Tone words with scale 10,000: the words are the tones.
  SetBE16(img + kScale, 10000);
  SetBE16(img + kFactor, 10000);
  img[kTolerance] = 10;
  for (int k = 0; k < kToneCount; ++k) SetBE16(img + kToneWords + 2 * k, static_cast<std::uint16_t>(1000 + k));
  // Codes "12", "345", ... and aliases "ENC0".."DEC7".
  for (int i = 0; i < kEntryCount; ++i) {
    std::uint8_t* e = img + kEncode + kEncodeSize * i;
    e[2] = 0x12, e[3] = 0xFF, e[4] = 0xFF;
    std::copy_n(("ENC" + std::to_string(i) + "    ").c_str(), 8, e + 5);
    std::uint8_t* d = img + kDecode + kDecodeSize * i;
    d[2] = 0x34, d[3] = 0x5F, d[4] = 0xFF;
    std::copy_n(("DEC" + std::to_string(i) + "    ").c_str(), 8, d + 5);
  }
  m.fiveToneSystem.UnpackFromImage(img);
  m.fiveToneEncode.UnpackFromImage(img);
  m.fiveToneDecode.UnpackFromImage(img);
  m.fiveToneTable.UnpackFromImage(img);
  g_bModified = 0;
}

using grid_test::ClickCell;
using grid_test::DoubleClickCell;
inline int FocusedId() {
  CWnd* f = CWnd::GetFocus();
  return f ? f->GetDlgCtrlID() : 0;
}
// The focus on a control, and what its getting the focus posted (a number
// cell selects its text) done.
inline void FocusOn(CDialog& dlg, int id) {
  dlg.GotoDlgCtrl(dlg.GetDlgItem(id));
  ASSERT_TRUE(PumpUntil([&] { return FocusedId() == id; })) << id;
  Pump();
}
// The grid control of a dialog or page by id.
inline CMSFlexGrid& GridOf(CWnd& dlg, int id) { return *static_cast<CMSFlexGrid*>(dlg.GetDlgItem(id)); }
inline bool EditorShown(CWnd& dlg, int id) { return (dlg.GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }

class FiveToneTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterVisibleDialog(kHostId, "Host", 390, 320, {});
    ResetRecords();
    ASSERT_TRUE(host.Create(kHostId));
    ASSERT_TRUE(Activate(host));
  }
  void TearDown() override {
    if (page.GetSafeHwnd()) page.DestroyWindow();
    host.DestroyWindow();
    ResetRecords();
    WndTest::TearDown();
  }
  // The page in the host's client area, as the tab control places it.
  void CreatePage() {
    ASSERT_TRUE(page.Create(IDD_FIVE_TONE_PAGE, &host));
    CRect area;
    host.GetClientRect(&area);
    page.MoveWindow(area);
    page.ShowWindow(SW_SHOW);
  }
  // Runs a dialog owned by the host, `drive` acting once it is up.
  template <class Dlg>
  INT_PTR Run(const std::function<void(Dlg&)>& drive) {
    Dlg dlg(&host);
    return RunModal(dlg, [&] {
      // The dialog's first control has the focus before the person acts.
      EXPECT_TRUE(PumpUntil([&] { return CWnd::GetFocus() && dlg.IsChild(CWnd::GetFocus()); }));
      drive(dlg);
    });
  }

  CHostDlg host;
  CFiveToneTablePage page;
};

}  // namespace five_tone_test
