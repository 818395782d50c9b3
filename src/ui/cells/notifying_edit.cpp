#include "ui/cells/notifying_edit.h"

#include <algorithm>
#include <climits>

#include "ui/wnd/message_loop.h"

void CCellCharList::Add(char c) {
  if (m_nCount >= kCapacity) return;
  m_chars[static_cast<std::size_t>(m_nCount++)] = c;
}

bool CCellCharList::Contains(UINT c) const {
  for (int i = 0; i < m_nCount; ++i) {
    if (static_cast<unsigned char>(m_chars[static_cast<std::size_t>(i)]) == c) return true;
  }
  return false;
}

int CellAtoi(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
    value = value * 10 + (text[i].unicode() - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

HWND CNotifyingEdit::GetNotifyWindow() {
  if (m_hNotify) return m_hNotify.data();
  // The parent of the window the cell has now: a page's cells outlive its windows.
  return m_hWnd ? m_hWnd->parentWidget() : nullptr;
}

CNotifyingEdit::Typing CNotifyingEdit::BeginTyping() const {
  Typing t;
  GetSel(t.start, t.end);
  t.before = Text();
  t.text = t.before;
  if (t.start == 0 && t.end == t.before.size()) t.text.clear();
  // A selection is never beyond the text; keep the insertion point inside it.
  t.start = std::clamp(t.start, 0, static_cast<int>(t.text.size()));
  return t;
}

void CNotifyingEdit::EndTyping(const QString& text, int start, int end) {
  SetText(text);
  SetSel(start + 1, end + 1);
  SendMessage(EM_SCROLLCARET);
}

QString CNotifyingEdit::Text() const { return QString::fromStdString(GetWindowText()); }

void CNotifyingEdit::SetText(const QString& text) { SetWindowText(text.toStdString()); }

void CNotifyingEdit::Notify(UINT message, LPARAM lParam) {
  const int id = GetDlgCtrlID();
  if (HWND target = GetNotifyWindow()) ::SendMessage(target, message, static_cast<WPARAM>(id), lParam);
}
