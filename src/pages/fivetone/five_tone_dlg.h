// CFiveToneDlg: the modal "5-Tone" dialog of the common and system settings
// (CFiveToneSystemData). It reloads the record from the image when it opens;
// its lists and digit check boxes are a binding table, stored at once, and so
// are its delays; OK packs the record into the image. Cancel, Esc or closing
// the window reload the record from the image and give g_bModified back its
// value at opening, so nothing of an abandoned edit reaches a later save or send.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "res/dialogs_five_tone.h"
#include "ui/cells/color_edit.h"
#include "ui/page/binding.h"
#include "ui/wnd/dialog.h"

class CFiveToneDlg : public CDialog {
 public:
  enum { IDD = IDD_FIVE_TONE_SYSTEM };

  explicit CFiveToneDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Enter anywhere but on OK toggles a focused check box and keeps the dialog open.
  void OnOK() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnSelchangeList(UINT nID);
  void OnClickedCheck(UINT nID);
  void OnKillfocusDelay(UINT nID);
  LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void FillControls();
  // Stores a delay edit's value when its edit has ended, and shows it again.
  void CommitDelay(int index);

  CBindingSet m_set;
  std::array<CCommitEdit, 3> m_delays;
  std::uint32_t m_modifiedAtOpen = 0;
};

// The lists and check boxes of the dialog, for its sheet.
std::span<const Binding> FiveToneSystemBindings();

// F1 in a 5-Tone dialog: the help file's contents, through the dialog's owner.
LRESULT ShowFiveToneHelp(CWnd* dialog);
