// CFiveToneDlg: the modal "5-Tone" dialog of the common and system settings
// (CFiveToneSystemData). It reloads the record from the image when it opens;
// its lists, delays and digit check boxes are one binding table, each stored
// as it is edited. The delays are commit edits: Enter, a double click or an
// accepted character starts an edit, Esc puts the text back, and an edit
// ended by Enter (the focus stays), a double click or the loss of the focus
// is stored. OK packs the record into the image. Cancel, Esc or closing the
// window reload the record from the image and give g_bModified back its value
// at opening (a delay still being typed is dropped), so nothing of an
// abandoned edit reaches a later save or send.
#pragma once

#include <array>
#include <cstddef>
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
  // Extended 1st tone, lead-in and lead-out delay: the last rows of the binding table.
  static constexpr std::size_t kDelayCount = 3;

  BOOL OnInitDialog() override;
  // Enter or a double click that ended a delay's edit stores it.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Enter anywhere but on OK toggles a focused check box and keeps the dialog open.
  void OnOK() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnBindingSelChange(UINT nID);
  void OnBindingClicked(UINT nID);
  void OnBindingKillFocus(UINT nID);
  void OnBindingSetFocus(UINT nID);
  LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // Stores delay i when its edit has ended, and shows it as stored.
  void CommitDelay(std::size_t i);

  CBindingSet m_set;  // the lists and check boxes
  std::array<CCommitEdit, kDelayCount> m_delays;
  std::uint32_t m_modifiedAtOpen = 0;
  bool m_bCancelled = false;
};

// The lists, delays and check boxes of the dialog, for its sheet.
std::span<const Binding> FiveToneSystemBindings();

// F1 in a 5-Tone dialog: the help file's contents, through the dialog's owner.
LRESULT ShowFiveToneHelp(CWnd* dialog);
