// The alignment window open on a radio memory, uploaded as the entry dialog
// does, with the steps a test takes on it: choose and start an item, move the
// slider and the channel spin, tick the poll, and read what the radio received.
#pragma once

#include <string>
#include <vector>

#include "link/dialogs/align_dlg.h"
#include "test_align_fixture.h"

namespace align_test {

class AlignWindowTest : public AlignUiTest {
 protected:
  using Bytes = std::vector<std::uint8_t>;

  void TearDown() override {
    if (dlg && dlg->GetSafeHwnd()) dlg->DestroyWindow();
    dlg.reset();
    AlignUiTest::TearDown();
  }

  // The radio in alignment mode with this memory, uploaded as the entry dialog does, and the window open.
  void Open(const Bytes& image) {
    if (dlg && dlg->GetSafeHwnd()) dlg->DestroyWindow();
    Radio(image, radiosim::Mode::kAlignment);
    std::copy_n(image.begin(), kAlignWordBytes, run->words.begin());
    std::fill(run->image.begin(), run->image.end(), 0xFF);
    int limit = image[252];
    for (int b = 0; b < kAlignImageBlocks; ++b) {
      if (!((b >= 2 && b <= 5) || (b >= 57 && b <= limit) || b >= 254)) continue;
      std::copy_n(image.begin() + b * kBlockSize, kBlockSize, run->Block(b));
      run->blockLoaded[std::size_t(b)] = 1;
    }
    run->channelBlockLimit = limit;
    run->steps = DecodeStepTable(run->Block(2));
    table1.fill(255);
    table2.fill(250);
    dlg = std::make_unique<CAlignDlg>(port, *run, table1, table2);
    ASSERT_TRUE(dlg->Create(IDD_ALIGN));
    dlg->ShowWindow(SW_SHOW);
  }

  std::string Text(int id) const { return dlg->GetDlgItemText(id); }
  bool Visible(int id) const { return dlg->GetDlgItem(id)->IsWindowVisible(); }
  void Press(int id) { dlg->SendMessage(WM_COMMAND, WPARAM(id)); }
  void Choose(int buttonId) {
    for (const auto& item : AlignItems()) dlg->CheckDlgButton(item.buttonId, BST_UNCHECKED);
    dlg->CheckDlgButton(buttonId, BST_CHECKED);
    Press(buttonId);
  }
  void Start(int buttonId) {
    Choose(buttonId);
    mark = align->Commands().size();
    Press(IDC_ALIGN_START_ITEM);
  }
  void Slide(int value) {
    const int pos = dlg->SliderMax() - value;
    dlg->m_slider.SetPos(pos);
    dlg->SendMessage(WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, pos),
                     reinterpret_cast<LPARAM>(dlg->m_slider.GetSafeHwnd()));
  }
  void Spin(int pos) {
    dlg->m_spin.SetPos32(pos);
    dlg->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos),
                     reinterpret_cast<LPARAM>(dlg->m_spin.GetSafeHwnd()));
  }
  void Tick() { dlg->SendMessage(WM_TIMER, CAlignDlg::kPollTimer); }
  void PressEscKey() {
    MSG msg{dlg->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    static_cast<CWnd*>(dlg.get())->PreTranslateMessage(&msg);
  }
  // The commands the radio received since the last Start (or Mark).
  std::string Since() {
    const auto all = align->Commands();
    std::string s;
    for (std::size_t i = mark; i < all.size(); ++i) s += all[i] >= 0xF0 ? 'F' : char(all[i]);
    return s;
  }
  void Mark() { mark = align->Commands().size(); }
  std::uint8_t B(int i) const { return memory[std::size_t(i)]; }
  std::uint16_t RadioWord(int i) const { return radio->Word(i); }
  std::uint8_t W(int i) const { return run->words[std::size_t(i)]; }
  Bytes LastOf(std::uint8_t command) const { return align->DataOf(command).back(); }
  // The radio's adjustment checksum word: the sum of words 3..16.
  std::uint16_t Checksum() const {
    unsigned sum = 0;
    for (int i = 3; i <= 16; ++i) sum += RadioWord(i);
    return std::uint16_t(sum);
  }

  AlignValueTable table1{}, table2{};
  std::unique_ptr<CAlignDlg> dlg;
  std::size_t mark = 0;
};

}  // namespace align_test
