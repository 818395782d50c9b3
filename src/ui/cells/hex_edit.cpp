#include "ui/cells/hex_edit.h"

#include "ui/cells/char_class.h"
#include "ui/messages.h"
#include "ui/wnd/prompt.h"

void CCharListEdit::RemoveLastCharacter() {
  int start = 0;
  int end = 0;
  GetSel(start, end);
  QString text = Text();
  if (text.isEmpty()) return;
  text.chop(1);
  SetText(text);
  SetSel(start, end);
  SendMessage(EM_SCROLLCARET);
}

BOOL CCharListEdit::TranslateCellKey(MSG* pMsg, bool* handled) {
  *handled = true;
  switch (pMsg->wParam) {
    case VK_RETURN:
      pMsg->wParam = VK_TAB;  // the dialog moves the focus on
      return FALSE;
    case VK_ESCAPE:
    case VK_DELETE:
      return TRUE;
    default:
      *handled = false;
      return FALSE;
  }
}

// ---- CHexEdit ------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CHexEdit, CCharListEdit)
  ON_WM_CHAR()
END_MESSAGE_MAP()

void CHexEdit::OnChar(UINT nChar, UINT, UINT) {
  using namespace cell_chars;
  if (nChar == VK_BACK) return;  // done on the key-down
  Typing t = BeginTyping();
  QString text = t.text;
  bool taken = false;
  // The length rules of an accepted character: inserted, or a beep.
  auto insert = [&](UINT c) {
    if (t.start >= m_nMaxLength || text.size() + 1 > m_nMaxLength) {
      MessageBeep(0);
      return;
    }
    text.insert(t.start, QChar(static_cast<char16_t>(c)));
    taken = true;
  };
  if (IsHexDigit(nChar)) {
    if (!m_refused.Contains(nChar)) insert(ToUpper(nChar));
  } else {
    if (m_allowed.IsEmpty()) {
      MessageBeep(0);
      return;
    }
    if (!m_allowed.Contains(nChar)) return;
    insert(nChar);
  }
  // A character not taken leaves the text as it was.
  EndTyping(taken ? text : t.before, t.start, t.end);
  Notify(WM_HEXEDIT_CHANGE, 0);
}

BOOL CHexEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return CCharListEdit::PreTranslateMessage(pMsg);
  if (pMsg->wParam == VK_BACK) {
    RemoveLastCharacter();
    Notify(WM_HEXEDIT_CHANGE, 0);
    return FALSE;
  }
  bool handled = false;
  const BOOL result = TranslateCellKey(pMsg, &handled);
  return handled ? result : CCharListEdit::PreTranslateMessage(pMsg);
}

