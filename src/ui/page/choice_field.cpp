#include "ui/page/choice_field.h"

#include "model/edit_model.h"
#include "model/image.h"
#include "ui/choice/choice_lists.h"

void StoreFieldCode(std::uint8_t& byte, std::uint8_t mask, std::uint32_t code) {
  if (mask == 0) return;
  byte = WithBits(byte, mask, static_cast<unsigned>(code));
  g_bModified = 1;
}

void RefreshCombo(CWnd* combo, std::span<const std::string_view> texts, ValueTableRef table, std::uint32_t code) {
  if (!combo) return;
  combo->SendMessage(CB_RESETCONTENT);
  FillCombo(combo, texts, table.DefaultIndex());
  SelectComboPosition(combo, table.Find(code));
}

std::optional<std::uint32_t> ChosenCode(CWnd* combo, ValueTableRef table) {
  if (!combo) return std::nullopt;
  return table.ValueAt(static_cast<int>(combo->SendMessage(CB_GETCURSEL)));
}

void RefreshComboFields(CWnd* page, std::span<const ComboField> fields) {
  if (!page) return;
  for (const ComboField& f : fields) {
    if (CWnd* combo = page->GetDlgItem(f.id)) RefreshCombo(combo, f.texts, f.table, FieldCode(f.byte(), f.mask));
  }
}

BOOL CommitComboField(CWnd* page, std::span<const ComboField> fields, int id) {
  if (!page) return FALSE;
  for (const ComboField& f : fields) {
    if (f.id != id) continue;
    const std::optional<std::uint32_t> code = ChosenCode(page->GetDlgItem(id), f.table);
    if (!code) return FALSE;
    StoreFieldCode(f.byte(), f.mask, *code);
    return TRUE;
  }
  return FALSE;
}
