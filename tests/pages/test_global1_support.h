// The Global 1 page in an offscreen top-level host that plays the main dialog:
// it records WM_MODEL_CHANGED. The main dialog's hooks are a fake whose save
// prompt answer the test sets, and the model's reports are recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/edit_model.h"
#include "pages/settings/global1_page.h"
#include "ui/page/page_registry.h"
#include "ui/messages.h"
#include "ui/ui_test_support.h"

namespace global1_test {

using namespace ui_test;

inline constexpr UINT kHostId = 9711;

class CHostDlg : public CDialog {
 public:
  CHostDlg() : CDialog(kHostId) {}
  std::vector<LPARAM> modelChanged;
  void OnOK() override {}
  void OnCancel() override {}

 protected:
  LRESULT OnModelChanged(WPARAM, LPARAM lParam) {
    modelChanged.push_back(lParam);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

class CFakeHooks : public IMainDlgHooks {
 public:
  bool answer = true;
  bool modeM = false;
  int asked = 0;
  bool QuerySaveChanges() override {
    ++asked;
    if (answer) g_bModified = 0;  // Yes saves, No discards: either way nothing is unsaved
    return answer;
  }
  bool IsModeM() const override { return modeM; }
};

class CRecordingHost : public IModelHost {
 public:
  std::vector<std::string> messages;
  int loads = 0;
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void OnFileLoaded(const std::string&, const std::string&, std::uint32_t, std::uint8_t) override { ++loads; }
};

// Every record at its defaults, a UHF radio of the given production type, nothing unsaved.
inline void ResetRecords(std::uint8_t productionType) {
  CEditModel& m = TheModel();
  m.ResetEditModel();
  m.global.hardwareByte = 0x61;
  m.global.bandFlag = 0x60;
  m.store.modelWord = std::uint32_t(productionType) << 8;
  g_bModified = 0;
}

class Global1Test : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    DialogTemplate t;
    t.id = kHostId;
    t.caption = "Host";
    t.style |= WS_VISIBLE;
    t.cx = 390;
    t.cy = 320;
    RegisterDialogTemplate(t);
    ResetRecords(11);
    TheModel().SetHost(&modelHost);
    SetMainDlgHooks(&hooks);
    ASSERT_TRUE(host.Create(kHostId));
    ASSERT_TRUE(Activate(host));
  }
  void TearDown() override {
    if (page.GetSafeHwnd()) page.DestroyWindow();
    host.DestroyWindow();
    SetMainDlgHooks(nullptr);
    TheModel().SetHost(nullptr);
    ResetRecords(11);
    WndTest::TearDown();
  }
  void CreatePage() {
    ASSERT_TRUE(page.Create(IDD_GLOBAL1, &host));
    page.ShowWindow(SW_SHOW);
  }
  static int FocusedId() {
    CWnd* f = CWnd::GetFocus();
    return f ? f->GetDlgCtrlID() : 0;
  }
  void FocusOn(int id) {
    page.GotoDlgCtrl(page.GetDlgItem(id));
    ASSERT_TRUE(PumpUntil([&] { return FocusedId() == id; })) << id;
  }
  int Sel(int id) { return static_cast<int>(page.SendDlgItemMessage(id, CB_GETCURSEL)); }
  std::string Shown(int id) {
    std::string text;
    const WPARAM sel = static_cast<WPARAM>(page.SendDlgItemMessage(id, CB_GETCURSEL));
    page.SendDlgItemMessage(id, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(&text));
    return text;
  }
  // The selection as the list's own notification reports it (for lists the
  // person cannot reach: disabled or hidden).
  void Select(int id, int index) {
    CWnd* list = page.GetDlgItem(id);
    list->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
    page.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list->GetSafeHwnd()));
  }
  bool Enabled(int id) { return page.GetDlgItem(id)->IsWindowEnabled() != FALSE; }

  CHostDlg host;
  CGlobal1Page page;
  CFakeHooks hooks;
  CRecordingHost modelHost;
};

}  // namespace global1_test
