// A page-like dialog holding one of each cell, bound to its template controls,
// that records the program's own messages and the control notifications
// (WM_COMMAND, kept with lParam 0) it receives, in order. Enter and Esc reach
// OnOK/OnCancel, which only count.
#pragma once

#include <algorithm>
#include <ostream>

#include "ui/cells/cells.h"
#include "ui/messages.h"
#include "ui_test_support.h"

namespace cells_test {

using namespace ui_test;

inline constexpr UINT kHostId = 9501;
inline constexpr int kNum = 1001, kNext = 1002, kHex = 1003, kSerial = 1004, kFilter = 1005, kCommit = 1006;
inline constexpr int kLabel1 = 1010, kLabel2 = 1011, kLabel3 = 1012;
inline constexpr int kNotify = 1020, kRepeat = 1021, kCombo = 1030, kRestrict = 1031, kList = 1040;

inline void RegisterHostTemplate() {
  DialogTemplate t;
  t.id = kHostId;
  t.caption = "Cells";
  t.style |= WS_VISIBLE;
  t.cx = 300;
  t.cy = 220;
  t.items = {dlg::EditText(kNum, 4, 4, 60, 12),
             dlg::EditText(kNext, 4, 20, 60, 12),
             dlg::EditText(kHex, 4, 36, 60, 12),
             dlg::EditText(kSerial, 4, 52, 60, 12),
             dlg::EditText(kFilter, 4, 68, 60, 12),
             dlg::EditText(kCommit, 4, 84, 60, 12, ES_READONLY),
             dlg::LText("None", kLabel1, 80, 4, 50, 10, SS_NOTIFY | WS_TABSTOP),
             dlg::LText("Enable", kLabel2, 80, 16, 50, 10, SS_NOTIFY | WS_TABSTOP),
             dlg::LText("Zone  1", kLabel3, 80, 28, 50, 10, SS_NOTIFY | WS_TABSTOP),
             dlg::PushButton("Notify", kNotify, 80, 44, 40, 14),
             dlg::PushButton(">", kRepeat, 80, 62, 20, 14),
             dlg::ComboBox(kCombo, 140, 4, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL),
             dlg::ComboBox(kRestrict, 140, 20, 80, 60, CBS_DROPDOWNLIST | WS_VSCROLL),
             dlg::ListBox(kList, 140, 40, 60, 40, WS_VSCROLL, WS_VISIBLE),
             dlg::DefPushButton("OK", IDOK, 180, 200, 50, 14),
             dlg::PushButton("Cancel", IDCANCEL, 240, 200, 50, 14)};
  RegisterDialogTemplate(t);
}

struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  friend bool operator==(const Message&, const Message&) = default;
};
inline std::ostream& operator<<(std::ostream& os, const Message& m) {
  return os << "{0x" << std::hex << m.message << std::dec << ", " << m.wParam << ", " << m.lParam << "}";
}
using Messages = std::vector<Message>;
inline Message Command(int id, UINT code) { return {WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), code), 0}; }

class CCellHost : public CDialog {
 public:
  CCellHost() : CDialog(kHostId) {}

  CNumEdit num;
  CHexEdit hex;
  CSerialEdit serial;
  CFilterEdit filter;
  CCommitEdit commit;
  CColorLabel label1, label2, label3;
  CNotifyButton notify;
  CRepeatButton repeat;
  CEnterComboBox combo;
  CRestrictEdit restrict;
  CPageEdit list;

  Messages messages;
  int oks = 0;
  int cancels = 0;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_REPEAT_STEP && message <= WM_SHOWPAGE_PASSPORT_TALKGROUP) {
      messages.push_back({message, wParam, lParam});
    }
    if (message == WM_COMMAND && lParam != 0) messages.push_back({message, wParam, 0});
    return CDialog::WindowProc(message, wParam, lParam);
  }
  // The grid pages' colour handler: the cell's own colours first, then the page's brush.
  CBrush pageBrush{RGB(200, 220, 255)};
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return pWnd && pWnd->GetDlgCtrlID() == kLabel3 ? static_cast<HBRUSH>(pageBrush) : brush;
  }
  void OnOK() override { ++oks; }
  void OnCancel() override { ++cancels; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    const std::pair<int, CWnd*> cells[] = {{kNum, &num},       {kHex, &hex},       {kSerial, &serial},
                                           {kFilter, &filter}, {kCommit, &commit}, {kLabel1, &label1},
                                           {kLabel2, &label2}, {kLabel3, &label3}, {kNotify, &notify},
                                           {kRepeat, &repeat}, {kCombo, &combo},   {kRestrict, &restrict},
                                           {kList, &list}};
    for (const auto& [id, cell] : cells) DDX_Control(pDX, id, *cell);
  }
  // The grid pages' handlers: the focus to the next or previous control.
  LRESULT OnNextField(WPARAM, LPARAM) {
    SendMessage(WM_NEXTDLGCTL, 0, 0);
    return 0;
  }
  LRESULT OnPrevField(WPARAM, LPARAM) {
    SendMessage(WM_NEXTDLGCTL, 1, 0);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

inline int FocusedId() {
  CWnd* f = CWnd::GetFocus();
  return f ? f->GetDlgCtrlID() : 0;
}

class CellTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    RegisterHostTemplate();
    ASSERT_TRUE(host.Create(kHostId));
    ASSERT_TRUE(Activate(host));
  }
  void TearDown() override {
    host.DestroyWindow();
    WndTest::TearDown();
  }
  // Focus to the control; what that raised is forgotten.
  void FocusOn(CWnd& control) {
    host.GotoDlgCtrl(&control);
    const int id = control.GetDlgCtrlID();
    ASSERT_TRUE(PumpUntil([&] { return FocusedId() == id; }));
    host.messages.clear();
  }
  // The messages of one kind received so far.
  Messages Sent(UINT message) const {
    Messages out;
    for (const Message& m : host.messages) {
      if (m.message == message) out.push_back(m);
    }
    return out;
  }
  // The notifications with the code received so far.
  int Count(int id, UINT code) const {
    return static_cast<int>(std::count(host.messages.begin(), host.messages.end(), Command(id, code)));
  }
  std::string Text(CWnd& control) const { return control.GetWindowText(); }
  std::pair<int, int> Sel(CEdit& edit) const {
    int start = 0, end = 0;
    edit.GetSel(start, end);
    return {start, end};
  }

  CCellHost host;
};

}  // namespace cells_test
