// CDialog: a window built from a dialog template, run modally (DoModal, ended
// by EndDialog) or modelessly (Create, ended by DestroyWindow), with the
// dialog keyboard: Tab and Shift+Tab move through the tab stops, Enter presses
// the focused push button or else the default button (IDOK when there is
// none), Esc gives IDCANCEL. A PreTranslateMessage further down the chain
// (a control, a page) that takes a key first keeps it from the dialog.
#pragma once

#include <string>

#include "ui/wnd/wnd.h"

class QEventLoop;
struct DialogTemplate;

// Moves values between a dialog's controls and its members.
class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  BOOL m_bSaveAndValidate;  // TRUE: controls -> members
  CWnd* m_pDlgWnd;
  // A value could not be exchanged; UpdateData then returns FALSE.
  void Fail() { m_bFailed = true; }
  bool Failed() const { return m_bFailed; }

 private:
  bool m_bFailed = false;
};

// Binds the control object to the template's control (once per window).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

class CDialog : public CWnd {
 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(const DialogTemplate* pTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Builds the window, runs OnInitDialog, shows it and handles messages until
  // EndDialog; returns the EndDialog result, or -1 when the template is missing.
  virtual INT_PTR DoModal();
  // A modeless dialog: a child of the parent when the template has WS_CHILD,
  // else a top-level window owned by it. Shown at once when the template has
  // WS_VISIBLE.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd = nullptr);
  // Ends a modal dialog once the handler that calls it has returned; the
  // window stays until then. A modeless dialog is hidden.
  void EndDialog(int nResult);
  BOOL IsModal() const { return m_bModal; }

  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  void NextDlgCtrl();
  void PrevDlgCtrl();
  // Focus to the control; an edit gets all its text selected.
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  DWORD GetDefID();
  // The next (or previous) visible, enabled control with WS_TABSTOP after the
  // given one, in template order, wrapping round.
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  // Dialog units of this dialog's font to pixels.
  void MapDialogRect(CRect* pRect) const;
  UINT GetTemplateID() const { return m_nIDTemplate; }
  CSize GetBaseUnits() const { return m_baseUnits; }

  // The dialog keyboard for a key or mouse message of a window inside the
  // dialog: navigation keys are acted on, everything else is translated and
  // dispatched here. TRUE for every message of a window inside the dialog.
  BOOL IsDialogMessage(MSG* pMsg);
  BOOL PreTranslateMessage(MSG* pMsg) override;

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  CWnd* m_pParentWnd = nullptr;
  UINT m_nIDTemplate = 0;
  const DialogTemplate* m_lpTemplate = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  bool BuildWindow(CWnd* pParentWnd, bool modal);
  void SetInitialFocus();
  void PressEnter(CWnd* pControl, UINT dlgCode);

  bool m_bModal = false;
  bool m_bEndRequested = false;
  int m_nModalResult = -1;
  QEventLoop* m_pModalLoop = nullptr;
  CSize m_baseUnits;
  UINT m_nDefID = IDOK;
};
