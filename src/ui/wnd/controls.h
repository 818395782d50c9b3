// The standard controls: static text, edit, button (push, check, radio, group
// box), combo box and list box.
//
// As on the original platform, a control's behaviour belongs to its window, not
// to the object bound to it: every control window has a window class whose
// procedure runs as the default processing of its messages (EM_SETSEL,
// CB_SETCURSEL, focus, characters, ...) and whose window raises the
// notifications to its parent. So a class derived from CWnd (or from one of
// the classes below) that is bound to a control keeps the control's
// behaviour and only adds its own message map in front of it.
//
// Notifications are raised for what the person does (typing, clicking,
// choosing) and never for changes the program makes.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <span>
#include <string>
#include <utility>

#include "ui/wnd/wnd.h"

struct DlgItemTemplate;

class CStatic : public CWnd {};

class CEdit : public CWnd {
 public:
  // The selection; start == end is the caret position.
  void GetSel(int& nStartChar, int& nEndChar) const;
  DWORD GetSel() const;  // start in the low word, end in the high word
  // Selects from start to end, the caret at end; end -1 means the end of the
  // text; start -1 removes the selection.
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void ReplaceSel(const std::string& text, BOOL bCanUndo = FALSE);
  // The most characters the person can type (0: no practical limit). Text the
  // program sets is not cut.
  void LimitText(int nChars = 0);
  void SetLimitText(UINT nMax) { LimitText(static_cast<int>(nMax)); }
  UINT GetLimitText() const;
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};

class CButton : public CWnd {
 public:
  int GetCheck() const;
  // Sets this button only; the other radio buttons of its group keep theirs.
  void SetCheck(int nCheck);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
};

class CComboBox : public CWnd {
 public:
  // Appends (in sorted order with CBS_SORT); returns the index.
  int AddString(const std::string& text);
  // Appends every text, as AddString would each, in one step (no message per text).
  void AddStrings(std::span<const std::string> texts);
  // Inserts at the index (-1: at the end); returns the index.
  int InsertString(int nIndex, const std::string& text);
  // Returns the number of items left, or CB_ERR.
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  // CB_ERR when nothing is selected (also after the person typed into the edit field).
  int GetCurSel() const;
  // -1 clears the selection and returns CB_ERR, as does an index out of range.
  int SetCurSel(int nSelect);
  int GetLBText(int nIndex, std::string& text) const;
  std::string GetLBText(int nIndex) const;
  int GetLBTextLen(int nIndex) const;
  // Searches after the index (-1: from the start) and wraps round; case is ignored.
  int FindString(int nStartAfter, const std::string& prefix) const;
  int FindStringExact(int nIndexStart, const std::string& text) const;
  int SetItemData(int nIndex, DWORD_PTR data);
  DWORD_PTR GetItemData(int nIndex) const;
  void ShowDropDown(BOOL bShowIt = TRUE);
  BOOL GetDroppedState() const;
};

class CListBox : public CWnd {
 public:
  int AddString(const std::string& text);
  int InsertString(int nIndex, const std::string& text);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int GetText(int nIndex, std::string& text) const;
  std::string GetText(int nIndex) const;
  int GetTextLen(int nIndex) const;
  int FindString(int nStartAfter, const std::string& prefix) const;
  int FindStringExact(int nStartAfter, const std::string& text) const;
  int SetItemData(int nIndex, DWORD_PTR data);
  DWORD_PTR GetItemData(int nIndex) const;
  int GetTopIndex() const;
  int SetTopIndex(int nIndex);
};

// A window class: the default processing of one kind of control. It sets
// *handled when it dealt with the message; otherwise the generic processing
// runs (the Qt event goes to the widget).
using WindowClassProc = LRESULT (*)(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled);
void RegisterWindowClass(const std::string& className, WindowClassProc proc);
// Gives a widget a window class (done by the control factories).
void SetWindowClass(QWidget* widget, const std::string& className);
WindowClassProc GetWindowClassProc(const QWidget* widget);

// WM_COMMAND with the control's id and the code, sent to the control's parent.
void SendControlNotification(QWidget* control, UINT code);

namespace wnd_detail {
// The widget and object of a standard control of the template.
std::pair<QWidget*, std::unique_ptr<CWnd>> MakeStandardControl(QWidget* parent, const DlgItemTemplate& item);
// Programmatic changes of a control made inside this scope raise nothing.
class QuietScope {
 public:
  explicit QuietScope(QWidget* w);
  ~QuietScope();
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  QPointer<QWidget> widget_;
};
bool IsQuiet(const QWidget* w);
}  // namespace wnd_detail
