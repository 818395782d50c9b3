// The memory editor: a modeless dialog that shows the memory image one
// 128-byte block at a time as a hexadecimal dump, takes single hexadecimal
// digits typed into the dump, steps through the blocks, reads the radio into
// the image, sends the image, and loads or saves a data file. What the dump
// shows and what a digit changes is CRomEditorModel's; this is its window.
//
// The editor is made with new and deletes itself when its window is
// destroyed (CLOSE); the owner hears of it through Services::onDestroyed and
// forgets its pointer. Deleting it while its window is up also works (the
// window goes with it, without onDestroyed).
#pragma once

#include <functional>

#include "link/dialogs/clone_dlg.h"
#include "link/rom_editor_model.h"
#include "res/dialogs_rom_edit.h"
#include "ui/cells/buttons.h"
#include "ui/wnd/wnd_layer.h"

// The dump edit: only hexadecimal digits typed at the caret, each changing the
// nibble under it; every other character beeps.
class CRomHexEdit : public CEdit {
 public:
  CRomHexEdit();
  void SetEditor(CRomEditorModel* pEditor) { m_pEditor = pEditor; }

 protected:
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  CRomEditorModel* m_pEditor = nullptr;
  std::string m_strText;  // the text last set
};

class CRomEditDlg : public CDialog {
 public:
  enum { IDD = IDD_ROM_EDIT };

  // What the editor needs from the program around it.
  struct Services {
    // The memory map and modes of a transfer (configuration and command
    // line); the editor marks the transfer as its own. None: the editor's
    // memory map with the defaults for the rest.
    std::function<TransferSettings()> transferSettings;
    // Prepares the clone dialog before it runs (port, pacing, the radio
    // password prompt). Optional.
    std::function<void(CCloneDlg&)> prepareClone;
    // CProgramConfig::SetRomModified.
    std::function<void(bool)> setRomModified;
    // Asked before a file load or a read replaces the image; false stops the
    // command. None: nothing is asked.
    std::function<bool()> querySaveChanges;
    // The window is gone and the object is being deleted.
    std::function<void()> onDestroyed;
  };

  // Creates the window (hidden; the owner shows it) over the model's image
  // with the memory map of the configuration.
  CRomEditDlg(CWnd* pParent, CEditModel& model, const RomEditorMap& map, Services services = {});
  ~CRomEditDlg() override;

  const CRomEditorModel& Editor() const { return m_editor; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void PostNcDestroy() override;

  void OnChangeDump();
  void OnUp();
  void OnDown();
  void OnTop();
  void OnBottom();
  void OnReadFromRadio();
  void OnSendToRadio();
  void OnFileLoad();
  void OnFileSave();
  LRESULT OnBlockChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // Shows the editor's current block: the number field and the dump.
  void ShowBlock();
  void AlignColumnHeader(const QFont& font);
  // Runs the clone dialog in the mode through the prompt service; true when
  // the transfer completed.
  bool RunClone(int nMode);

  Services m_services;
  CEditModel& m_model;
  RomEditorMap m_map;
  CRomEditorModel m_editor;
  CEdit m_editBlock;
  CRomHexEdit m_editDump;
  CRepeatButton m_btnUp;
  CRepeatButton m_btnDown;
  bool m_bInDestructor = false;
};
