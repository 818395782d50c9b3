#include "res/page_dtmf.h"

#include <string>
#include <vector>

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr int kPitch = 13;

// A caption and its list on one row.
void ListRow(std::vector<DlgItemTemplate>& items, const char* caption, int listId, int x, int y, int labelWidth,
             int listWidth, DWORD remove = 0) {
  items.push_back(dlg::LText(caption, IDC_STATIC, x, y + 2, labelWidth, 8, 0, remove));
  items.push_back(dlg::ComboBox(listId, x + labelWidth + 2, y, listWidth, 100, kList, remove));
}

// A caption and its edit on one row.
void EditRow(std::vector<DlgItemTemplate>& items, const char* caption, int editId, int x, int y, int labelWidth,
             int editWidth, DWORD remove = 0) {
  items.push_back(dlg::LText(caption, IDC_STATIC, x, y + 2, labelWidth, 8, 0, remove));
  items.push_back(dlg::EditText(editId, x + labelWidth + 2, y, editWidth, 12, kEdit, remove));
}

}  // namespace

const DialogTemplate& DtmfPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_DTMF);
    auto& items = d.items;

    // Left column: the global options and the dial memories.
    items.push_back(Bold(GroupBox("Global seting", IDC_DT_GRP_GLOBAL, 4, 2, 180, 94)));
    int y = 14;
    ListRow(items, "DTMF Monitor", IDC_DT_MONITOR, 12, y, 96, 68);
    ListRow(items, "DTMF pause character ", IDC_DT_PAUSE_CHAR, 12, y += kPitch, 96, 68);
    EditRow(items, "DTMF pause character code", IDC_DT_PAUSE_CODE, 12, y += kPitch, 96, 20);
    ListRow(items, "Pause Time", IDC_DT_PAUSE_TIME, 12, y += kPitch, 96, 68);
    ListRow(items, "DTMF Speed", IDC_DT_SPEED, 12, y += kPitch, 96, 68);
    ListRow(items, "DTMF KeyPad", IDC_DT_KEYPAD, 12, y += kPitch, 96, 68);

    items.push_back(Bold(GroupBox("Individual Dial Memory setting", IDC_DT_GRP_DIAL, 4, 100, 180, 160)));
    items.push_back(LText("Dial Tagging", IDC_STATIC, 58, 112, 46, 8));
    items.push_back(LText("Dial #", IDC_STATIC, 106, 112, 40, 8));
    y = 124;
    for (int row = 0; row < kDtmfRows; ++row, y += kPitch) {
      items.push_back(LText("Location #" + std::to_string(row), IDC_STATIC, 12, y + 2, 44, 8));
      items.push_back(EditText(IDC_DT_DIAL_TAG[row], 58, y, 44, 12, kEdit | ES_UPPERCASE));
      items.push_back(EditText(IDC_DT_DIAL[row], 106, y, 72, 12, kEdit));
    }

    // Right column: the paging parameters, the paging codes and the ANI settings.
    items.push_back(Bold(GroupBox("Paging Parameter setting Menu", IDC_DT_GRP_PAGING, 188, 2, 180, 30)));
    items.push_back(LText("Global setting", IDC_STATIC, 196, 16, 56, 8));
    ListRow(items, "Calling times", IDC_DT_CALLING_TIMES, 254, 14, 50, 56);

    items.push_back(Bold(GroupBox("Individual Paging code setting", IDC_DT_GRP_PAGING_CODE, 188, 36, 180, 160)));
    items.push_back(CText("Location", IDC_STATIC, 196, 48, 36, 8));
    items.push_back(LText("Code", IDC_STATIC, 236, 48, 40, 8));
    items.push_back(LText("Decoding", IDC_STATIC, 282, 48, 50, 8));
    y = 60;
    for (int row = 0; row < kDtmfRows; ++row, y += kPitch) {
      items.push_back(CText(std::to_string((row + 1) % 10), IDC_STATIC, 196, y + 2, 36, 8));
      items.push_back(EditText(IDC_DT_PAGING_CODE[row], 236, y, 40, 12, kEdit));
      items.push_back(ComboBox(IDC_DT_DECODING[row], 282, y, 60, 100, kList));
    }

    items.push_back(Bold(GroupBox("ANI Setting", IDC_DT_GRP_ANI, 188, 200, 180, 70)));
    y = 212;
    ListRow(items, "ANI Transmission", IDC_DT_ANI_TRANSMISSION, 196, y, 80, 84);
    EditRow(items, "ANI Code", IDC_DT_ANI_CODE, 196, y += kPitch, 80, 84);
    ListRow(items, "ANI  Speed", IDC_DT_ANI_SPEED, 196, y += kPitch, 80, 84);
    ListRow(items, "1st digit Delay", IDC_DT_FIRST_DIGIT_DELAY, 196, y += kPitch, 80, 84);

    // Carried by the template but never shown.
    EditRow(items, "ANI Code (PTT off)", IDC_DT_ANI_CODE_PTT_OFF, 196, 280, 80, 84, WS_VISIBLE);
    ListRow(items, "Answer Back", IDC_DT_ANSWER_BACK, 196, 280, 80, 84, WS_VISIBLE);
    ListRow(items, "Auto Reset", IDC_DT_AUTO_RESET, 196, 280, 80, 84, WS_VISIBLE);
    return d;
  }();
  return t;
}

void RegisterDtmfPageTemplate() { RegisterTemplatesOnce<&DtmfPageTemplate>(); }
