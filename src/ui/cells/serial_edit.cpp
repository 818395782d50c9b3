#include "ui/cells/serial_edit.h"

#include "ui/cells/char_class.h"
#include "ui/messages.h"
#include "ui/wnd/prompt.h"

BEGIN_MESSAGE_MAP(CSerialEdit, CCharListEdit)
  ON_WM_CHAR()
END_MESSAGE_MAP()

void CSerialEdit::OnChar(UINT nChar, UINT, UINT) {
  using namespace cell_chars;
  if (nChar == VK_BACK) {
    // The character went on the key-down.
    Notify(WM_SERIALEDIT_CHANGE, 0);
    return;
  }
  Typing t = BeginTyping();
  QString text = t.text;
  bool taken = false;
  if (text.size() < m_nMaxLength && !m_refused.Contains(nChar) &&
      (IsCharAlphaNumeric(nChar) || m_allowed.Contains(nChar))) {
    text.insert(t.start, QChar(static_cast<char16_t>(ToUpper(nChar))));
    taken = true;
  } else {
    MessageBeep(0);
  }
  // A refused character leaves the text as it was.
  EndTyping(taken ? text : t.before, t.start, t.end);
  Notify(WM_SERIALEDIT_CHANGE, 0);
}

BOOL CSerialEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return CCharListEdit::PreTranslateMessage(pMsg);
  if (pMsg->wParam == VK_BACK) {
    RemoveLastCharacter();  // the message follows with the character
    return FALSE;
  }
  bool handled = false;
  const BOOL result = TranslateCellKey(pMsg, &handled);
  return handled ? result : CCharListEdit::PreTranslateMessage(pMsg);
}
