#include "res/dialogs_five_tone.h"

#include <vector>

#include "res/template_common.h"
#include "ui/table_control/flex_grid.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr int kPitch = 15;

// A caption and its list (or edit) on one row of a column.
void Row(std::vector<DlgItemTemplate>& items, const char* caption, int listId, int x, int y, DWORD remove = 0) {
  items.push_back(dlg::LText(caption, listId == IDC_FT_BEEP_REPEAT ? IDC_FT_BEEP_REPEAT_CAPTION : IDC_STATIC, x,
                             y + 2, 94, 8, 0, remove));
  items.push_back(dlg::ComboBox(listId, x + 96, y, 72, 120, kList, remove));
}

void Delay(std::vector<DlgItemTemplate>& items, const char* caption, int editId, int x, int y) {
  items.push_back(dlg::LText(caption, IDC_STATIC, x, y + 2, 94, 8));
  items.push_back(dlg::EditText(editId, x + 96, y, 44, 12, ES_AUTOHSCROLL));
}

// A group box of five digit check boxes "1" to "5".
void Digits(std::vector<DlgItemTemplate>& items, const char* caption, const int (&ids)[5], int x, int y) {
  items.push_back(dlg::GroupBox(caption, IDC_STATIC, x, y, 168, 27));
  for (int k = 0; k < 5; ++k) {
    items.push_back(dlg::AutoCheckBox(std::to_string(k + 1), ids[k], x + 10 + 31 * k, y + 12, 24, 10));
  }
}

}  // namespace

const DialogTemplate& FiveToneSystemDialogTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    std::vector<DlgItemTemplate> items;
    // Left column.
    int y = 7;
    Row(items, "TAG Display", IDC_FT_TAG_DISPLAY, 7, y);
    Digits(items, "Diaplay digit", kFtDisplayDigitIds, 7, y += kPitch);
    Row(items, "ANI Display", IDC_FT_ANI_DISPLAY, 7, y += 34);
    Digits(items, "Compare digit", kFtCompareDigitIds, 7, y += kPitch);
    Row(items, "Group tone", IDC_FT_GROUP_TONE, 7, y += 34);
    Row(items, "Repeat tone", IDC_FT_REPEAT_TONE, 7, y += kPitch);
    Row(items, "Auto reset beep", IDC_FT_AUTO_RESET_BEEP, 7, y += kPitch);
    Row(items, "PTT Call", IDC_FT_PTT_CALL, 7, y += kPitch);
    Row(items, "Call 1 Encode code", IDC_FT_CALL1_ENCODE, 7, y += kPitch);
    Row(items, "Call 2 Encode code", IDC_FT_CALL2_ENCODE, 7, y += kPitch);
    Row(items, "Beep Repeat times", IDC_FT_BEEP_REPEAT, 7, y += kPitch, WS_VISIBLE);
    // Right column.
    y = 7;
    Delay(items, "Extended 1st tone", IDC_FT_EXTENDED_FIRST_TONE, 188, y);
    Delay(items, "Lead in delay", IDC_FT_LEAD_IN_DELAY, 188, y += kPitch);
    Delay(items, "Lead out delay", IDC_FT_LEAD_OUT_DELAY, 188, y += kPitch);
    Row(items, "Auto Reset", IDC_FT_AUTO_RESET, 188, y += kPitch);
    Row(items, "PTT SW AF Open", IDC_FT_PTT_SW_AF_OPEN, 188, y += kPitch);
    Row(items, "Monitor SW", IDC_FT_MONITOR_SW, 188, y += kPitch);
    Row(items, "Channel SW", IDC_FT_CHANNEL_SW, 188, y += kPitch);
    Row(items, "ANI Transmission", IDC_FT_ANI_TRANSMISSION, 188, y += kPitch);
    Row(items, "Call DEC/ENC Tone Table", IDC_FT_TONE_TABLE, 188, y += kPitch);
    Row(items, "Call Encode Tone No", IDC_FT_CALL_ENCODE_TONE, 188, y += kPitch);
    Digits(items, "Decode Code", kFtDecodeCodeIds, 188, y += kPitch);
    items.push_back(DefPushButton("OK", IDOK, 246, 204, 50, 14));
    items.push_back(PushButton("Cancel", IDCANCEL, 306, 204, 50, 14));
    return ModalTemplate(IDD_FIVE_TONE_SYSTEM, "5-Tone", 364, 226, std::move(items));
  }();
  return t;
}

const DialogTemplate& FiveToneListDialogTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    constexpr DWORD kGrid = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
    // Each grid holds all its rows and columns in the dialog's font: the
    // encode grid's eleven columns set the dialog's width.
    std::vector<DlgItemTemplate> items = {
        LText("Encode List", IDC_STATIC, 7, 6, 100, 8),
        Control("", IDC_FT_ENCODE_GRID, kFlexGridClass, kGrid, 7, 16, 344, 108),
        LText("Decode List", IDC_STATIC, 7, 130, 100, 8),
        Control("", IDC_FT_DECODE_GRID, kFlexGridClass, kGrid, 7, 140, 292, 77),
        Control("", IDC_FT_SPECIAL_GRID, kFlexGridClass, kGrid, 7, 223, 81, 35),
        DefPushButton("OK", IDOK, 241, 244, 50, 14),
        PushButton("Cancel", IDCANCEL, 301, 244, 50, 14),
        EditText(IDC_FT_LIST_EDIT, 0, 0, 40, 10, ES_AUTOHSCROLL, WS_VISIBLE | WS_TABSTOP),
    };
    return ModalTemplate(IDD_FIVE_TONE_LISTS, "5-Tone", 358, 264, std::move(items));
  }();
  return t;
}

namespace {

const FiveToneGridColumn kEncodeColumns[] = {
    {1000, {"", ""}},
    {800, {"Code", ""}},
    {2000, {"Tag", ""}},
    {700, {"Mute", "Mode"}},
    {600, {"Select", ""}},
    {700, {"1st", "Ext"}},
    {400, {"Input Digit", "1"}},
    {400, {"Input Digit", "2"}},
    {400, {"Input Digit", "3"}},
    {400, {"Input Digit", "4"}},
    {400, {"Input Digit", "5"}},
};
const FiveToneGridColumn kDecodeColumns[] = {
    {1000, {"", ""}},        {800, {"Code", ""}},     {2000, {"Tag", ""}}, {700, {"Beep", "Tone"}},
    {700, {"Beep", "Mode"}}, {700, {"LED", "Blink"}}, {700, {"PTT", ""}},
};
const FiveToneGridColumn kSpecialColumns[] = {{1000, {}}, {800, {}}};

}  // namespace

std::span<const FiveToneGridColumn> FiveToneGridColumns(int gridId) {
  if (gridId == IDC_FT_ENCODE_GRID) return kEncodeColumns;
  if (gridId == IDC_FT_DECODE_GRID) return kDecodeColumns;
  return kSpecialColumns;
}

void RegisterFiveToneDialogTemplates() {
  RegisterFlexGridControl();
  RegisterTemplatesOnce<&FiveToneSystemDialogTemplate, &FiveToneListDialogTemplate>();
}
