// The common ground of the edit cells that rebuild their own text (CNumEdit,
// CHexEdit, CSerialEdit): the window their messages go to, a short list of
// characters, and the steps every typed character goes through. The selection
// and the text are read first; a selection covering the whole text empties it,
// so that the character replaces everything. Afterwards the cell sets the new
// text, selects from start + 1 to end + 1 and keeps the caret in view. The
// character itself is never passed on to the edit control.
#pragma once

#include <QPointer>
#include <QString>

#include <array>

#include "ui/wnd/controls.h"

// Up to ten characters; an eleventh is ignored. Lists are appended to and never cleared.
class CCellCharList {
 public:
  static constexpr int kCapacity = 10;
  void Add(char c);
  bool Contains(UINT c) const;
  int GetCount() const { return m_nCount; }
  bool IsEmpty() const { return m_nCount == 0; }

 private:
  int m_nCount = 0;
  std::array<char, kCapacity> m_chars{};
};

// What atoi makes of a text, without overflow: leading blanks, an optional
// sign, then digits; saturates at the int range.
int CellAtoi(const QString& text);

class CNotifyingEdit : public CEdit {
 public:
  // The window the cell's messages go to; null (or a window that has gone)
  // means the parent of the cell's window.
  void SetNotifyWindow(HWND hNotify) { m_hNotify = hNotify; }
  HWND GetNotifyWindow();

 protected:
  struct Typing {
    QString before;  // the text as the control shows it
    QString text;    // the text to build on: empty when it was wholly selected
    int start = 0;
    int end = 0;
  };
  Typing BeginTyping() const;
  // Sets the text, selects start + 1 to end + 1 and scrolls the caret into view.
  void EndTyping(const QString& text, int start, int end);
  QString Text() const;
  void SetText(const QString& text);
  // The message (control id, lParam) to the notify window.
  void Notify(UINT message, LPARAM lParam);

 private:
  QPointer<QWidget> m_hNotify;
};
