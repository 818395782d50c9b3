#include "ui/page/popup_list.h"

#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

BEGIN_MESSAGE_MAP(CPopupList, CListBox)
  ON_WM_KILLFOCUS()
  ON_CONTROL_REFLECT(LBN_DBLCLK, OnReflectDblClk)
  ON_CONTROL_REFLECT(LBN_SELCHANGE, OnReflectSelChange)
END_MESSAGE_MAP()

BOOL CPopupList::Attach(CWnd& page, int listId, ChooseFn onChoose, KeyPolicy keys) {
  m_page = &page;
  m_onChoose = std::move(onChoose);
  m_keys = keys;
  if (GetSafeHwnd()) UnsubclassWindow();
  if (!SubclassDlgItem(static_cast<UINT>(listId), &page)) return FALSE;
  ShowWindow(SW_HIDE);
  return TRUE;
}

void CPopupList::Open(int anchorId, const CRect& rect, OfferedList offered) {
  if (!GetSafeHwnd() || !m_page) return;
  m_anchor = anchorId;
  m_offered = std::move(offered);
  ResetContent();
  for (const OfferedEntry& e : m_offered.entries) AddString(e.text);
  SetCurSel(m_offered.selected);

  // As wide as its longest entry needs, and inside the page: moved left and
  // up where it would stand out of it.
  CRect r = rect;
  if (auto* list = qobject_cast<QListWidget*>(GetSafeHwnd())) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int need = list->sizeHintForColumn(0) + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    r.right = std::max(r.right, r.left + need);
  }
  CRect client;
  m_page->CWnd::GetClientRect(&client);
  r.OffsetRect(std::min(0, client.right - r.right), std::min(0, client.bottom - r.bottom));
  r.OffsetRect(std::max(0, client.left - r.left), std::max(0, client.top - r.top));
  MoveWindow(r, TRUE);
  ShowWindow(SW_SHOW);
  GetSafeHwnd()->raise();
  SetFocus();
}

bool CPopupList::IsOpen() const { return GetSafeHwnd() && IsWindowVisible(); }

void CPopupList::Close(bool refocus) {
  if (!IsOpen()) return;
  ShowWindow(SW_HIDE);
  if (m_onClose) m_onClose();
  if (!refocus || !m_page) return;
  CWnd* anchor = m_page->GetDlgItem(m_anchor);
  if (anchor && anchor->IsWindowVisible() && anchor->IsWindowEnabled()) anchor->SetFocus();
}

void CPopupList::Choose() {
  if (!IsOpen()) return;
  const int position = GetCurSel();
  // The callback gets its own copy: it may open the list again.
  const OfferedList offered = m_offered;
  const int anchor = m_anchor;
  Close();
  if (m_onChoose) m_onChoose(anchor, offered, position);
}

BOOL CPopupList::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) {
    switch (pMsg->wParam) {
      case VK_RETURN:
        Choose();
        return TRUE;
      case VK_ESCAPE:
      case VK_TAB:
        if (m_keys == KeyPolicy::kCloseOnEscAndTab) Close();
        return TRUE;
      default:
        break;
    }
  }
  return CListBox::PreTranslateMessage(pMsg);
}

void CPopupList::OnKillFocus(CWnd* pNewWnd) {
  Default();
  // The focus went to another control of the program: the list is done with.
  if (pNewWnd && pNewWnd != this) Close(false);
}

void ShowListEditor(CWnd* list, int x, int y, int width, int height, const std::string& cellText, int bRedraw) {
  if (!list || !list->GetSafeHwnd()) return;
  list->ShowWindow(SW_SHOW);
  list->MoveWindow(x, y, width, height, TRUE);
  // Over the cells it drops down on, whatever its place in the template.
  list->GetSafeHwnd()->raise();

  // Exact, case-sensitive comparison of the texts.
  int selection = 0;
  const auto count = static_cast<int>(list->SendMessage(LB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    std::string text;
    list->SendMessage(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text));
    if (text == cellText) {
      selection = i;
      break;
    }
  }
  list->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(selection));

  if (bRedraw == 1) {
    if (CWnd* owner = list->GetOwner()) owner->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  list->SetFocus();
}

CRect BelowControl(CWnd& page, int controlId, double widthFactor, double heightFactor) {
  CWnd* control = page.GetDlgItem(controlId);
  if (!control) return {};
  CRect r;
  control->GetWindowRect(&r);
  page.ScreenToClient(&r);
  const int width = static_cast<int>(r.Width() * widthFactor);
  const int height = static_cast<int>(r.Height() * heightFactor);
  return {r.left, r.bottom, r.left + width, r.bottom + height};
}
