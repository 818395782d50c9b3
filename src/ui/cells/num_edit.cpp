#include "ui/cells/num_edit.h"

#include "ui/cells/char_class.h"
#include "ui/messages.h"
#include "ui/wnd/prompt.h"

BEGIN_MESSAGE_MAP(CNumEdit, CNotifyingEdit)
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CNumEdit::Setup(HWND hNotify, int nIntDigits, int nDecimals, BOOL bInsertMode, BOOL bEnterSendsChange,
                     BOOL bSignAllowed, BOOL bBlankAllowed, int nMaxValue, BOOL bEnterSendsNext, int) {
  SetNotifyWindow(hNotify);
  m_nIntDigits = nIntDigits;
  m_nDecimals = nDecimals;
  m_bInsertMode = bInsertMode != FALSE;
  m_bEnterSendsChange = bEnterSendsChange != FALSE;
  m_bSignAllowed = bSignAllowed != FALSE;
  m_bBlankAllowed = bBlankAllowed != FALSE;
  m_nMaxValue = nMaxValue;
  m_bEnterSendsNext = bEnterSendsNext != FALSE;
}

int CNumEdit::LengthLimit() const { return m_nIntDigits + (m_nDecimals != 0 ? m_nDecimals + 1 : 0); }

bool CNumEdit::Insert(QString& text, int pos, QChar c) const {
  if (text.size() >= LengthLimit()) return false;
  if (c == QLatin1Char('.') && (m_bHasPoint || m_nDecimals == 0)) return false;
  QString result = text;
  result.insert(pos, c);
  if (m_nMaxValue != 0 && CellAtoi(result) > m_nMaxValue) return false;
  text = result;
  return true;
}

bool CNumEdit::Overwrite(QString& text, int pos, QChar c) const {
  const bool sign = c == QLatin1Char('+') || c == QLatin1Char('-');
  if (pos >= LengthLimit()) return false;
  if (m_nDecimals == 0 && c == QLatin1Char('.')) return false;
  if (!m_bSignAllowed && sign) return false;
  if (!m_bBlankAllowed && c == QLatin1Char(' ')) return false;
  if (c == QLatin1Char('.') && m_bHasPoint && !(pos < text.size() && text[pos] == QLatin1Char('.'))) return false;
  if (m_bSignAllowed && sign && pos != 0) return false;
  QString result = text;
  // After the last character there is nothing to replace: the character is added.
  if (pos < result.size()) result[pos] = c;
  else result.append(c);
  if (m_nMaxValue != 0 && CellAtoi(result) > m_nMaxValue) return false;
  text = result;
  return true;
}

void CNumEdit::OnChar(UINT nChar, UINT, UINT) {
  using namespace cell_chars;
  if (nChar == VK_BACK) return;  // done on the key-down
  Typing t = BeginTyping();
  const int value = CellAtoi(t.text);
  m_bHasPoint = t.text.contains(QLatin1Char('.'));

  const bool special = nChar == '.' || nChar == '+' || nChar == '-' || nChar == ' ';
  if ((IsCharAlpha(nChar) || !IsCharAlphaNumeric(nChar)) && !special) {
    MessageBeep(0);
    return;
  }
  if (m_refused.Contains(nChar)) return;

  const QChar c(static_cast<char16_t>(nChar));
  QString text = t.text;
  const bool taken = m_bInsertMode ? Insert(text, t.start, c) : Overwrite(text, t.start, c);
  if (!taken) {
    // A refused character leaves the text as it was.
    MessageBeep(0);
    text = t.before;
  }
  EndTyping(text, t.start, t.end);
  if (!m_bEnterSendsChange) Notify(WM_NUMEDIT_CHANGE, value);
}

void CNumEdit::OnKeyDown(UINT nChar, UINT, UINT) {
  if (m_bInsertMode && (nChar == VK_DELETE || nChar == VK_BACK)) {
    // For Backspace the character has gone already (PreTranslateMessage).
    const int value = CellAtoi(Text());
    Default();
    Notify(WM_NUMEDIT_CHANGE, value);
    return;
  }
  Default();
}

BOOL CNumEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return CNotifyingEdit::PreTranslateMessage(pMsg);
  switch (pMsg->wParam) {
    case VK_BACK: {
      if (!m_bInsertMode) return TRUE;
      int start = 0;
      int end = 0;
      GetSel(start, end);
      QString text = Text();
      // Only a character before the selection is deleted: at the start of the
      // text there is none, and nothing changes.
      if (!text.isEmpty() && start > 0 && start <= text.size()) {
        text.remove(start - 1, 1);
        SetText(text);
        SetSel(start - 1, end - 1);
        SendMessage(EM_SCROLLCARET);
      }
      return FALSE;
    }
    case VK_RETURN:
      if (m_bEnterSendsChange) {
        Notify(WM_NUMEDIT_CHANGE, 0);
        return TRUE;
      }
      if (m_bEnterSendsNext) {
        Notify(WM_NUMEDIT_ENTER, 0);
        return TRUE;
      }
      pMsg->wParam = VK_TAB;  // the dialog moves the focus on
      return FALSE;
    case VK_ESCAPE:
      return TRUE;
    case VK_DELETE:
      return m_bInsertMode ? FALSE : TRUE;
    default:
      return CNotifyingEdit::PreTranslateMessage(pMsg);
  }
}
