#include "ui/choice/choice_lists.h"

#include <QWidget>

#include "model/conversions.h"

void FillCombo(CWnd* combo, std::span<const std::string_view> texts, int selection) {
  if (!combo) return;
  int position = 0;
  for (const std::string_view text : texts) {
    const std::string item(text);
    combo->SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(position++), reinterpret_cast<LPARAM>(item.c_str()));
  }
  combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(selection));
}

void FillList(CWnd* list, std::span<const std::string_view> texts, int selection, bool append) {
  if (!list) return;
  int position = 0;
  for (const std::string_view text : texts) {
    const std::string item(text);
    if (append) list->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    else list->SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(position++), reinterpret_cast<LPARAM>(item.c_str()));
  }
  list->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(selection));
}

void SelectComboPosition(CWnd* combo, int position) {
  if (!combo || position < 0) return;
  // Selecting beyond the entries would clear the selection and leave a page
  // nothing to commit: keep the one there is.
  if (position >= combo->SendMessage(CB_GETCOUNT)) return;
  combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(position));
}

void SelectComboByValue1(CWnd* combo, const ValueTable<1>& table, std::uint32_t code, std::uint32_t modelCode) {
  if (table.values[0] == code && IsProductionType11(modelCode)) SelectComboPosition(combo, 0);
}

std::string ListTextAt(CWnd* list, int position) {
  std::string text;
  if (!list || position < 0 || position >= list->SendMessage(LB_GETCOUNT)) return text;
  list->SendMessage(LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&text));
  return text;
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
