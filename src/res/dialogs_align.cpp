#include "res/dialogs_align.h"

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/progress.h"
#include "ui/wnd/ext/trackbar.h"
#include "ui/wnd/ext/updown.h"

using namespace res_detail;

namespace {

constexpr DWORD kHidden = WS_VISIBLE;  // taken out: shown by the dialog when needed

constexpr int kLine1 = IDC_ALIGN_LINE1, kProgress = IDC_ALIGN_PROGRESS, kLine2 = IDC_ALIGN_LINE2,
              kHeading = IDC_ALIGN_HEADING, kLine3 = IDC_ALIGN_LINE3;
constexpr int kStart = IDC_ALIGN_START, kOk = IDC_ALIGN_OK;

}  // namespace

const DialogTemplate& AlignStartDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = ModalTemplate(
      IDD_ALIGN_START, "PX417", 220, 120,
      {
          CText("", kHeading, 10, 8, 200, 10),
          CText("", kLine1, 10, 26, 200, 18),
          CText("", kLine2, 10, 46, 200, 10),
          CText("", kLine3, 10, 58, 200, 10),
          Control("", kProgress, PROGRESS_CLASS, WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 74, 200, 10),
          PushButton("Start", kStart, 20, 98, 50, 14, 0, kHidden),
          DefPushButton("OK", kOk, 85, 98, 50, 14, 0, kHidden),
          PushButton("Cancel", IDCANCEL, 150, 98, 50, 14, 0, kHidden),
      });
  return t;
}

const DialogTemplate& AlignWelcomeDialogTemplate() {
  using namespace dlg;
  // The welcome text is shown in a fixed-pitch font: its widest line, 82
  // characters, fits the text's width.
  static const DialogTemplate t = ModalTemplate(106, "PX417", 380, 110,
                                               {
                                                   LText("", kHeading, 10, 8, 360, 70),
                                                   DefPushButton("Start", kStart, 120, 88, 50, 14),
                                                   PushButton("Cancel", IDCANCEL, 210, 88, 50, 14),
                                               });
  return t;
}

const DialogTemplate& AlignDialogTemplate() {
  using namespace dlg;
  static const DialogTemplate t = [] {
    DialogTemplate d = ModalTemplate(IDD_ALIGN, "PX417", 444, 300, {});
    auto& v = d.items;
    v.push_back(CText("Alignment Software for TQ-5100 PassPort", IDC_STATIC, 10, 4, 424, 10));
    // Identity and channel.
    const char* labels[] = {" Serial No.", " CPU Ver.", " Radio Type", " IF"};
    const int values[] = {IDC_ALIGN_SERIAL, IDC_ALIGN_CPU, IDC_ALIGN_RADIO_TYPE, IDC_ALIGN_IF};
    for (int i = 0; i < 4; ++i) {
      v.push_back(LText(labels[i], IDC_STATIC, 10, 18 + 12 * i, 50, 10));
      v.push_back(LText("", values[i], 62, 18 + 12 * i, 60, 10, WS_BORDER));
    }
    v.push_back(LText(" Channel", IDC_STATIC, 130, 18, 40, 10));
    v.push_back(LText("1", IDC_ALIGN_CHANNEL, 172, 18, 24, 10, WS_BORDER));
    v.push_back(Control("", IDC_ALIGN_SPIN, UPDOWN_CLASS, WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, 198, 16, 10, 14));
    const char* chLabels[] = {" Ch Space", " RX", " TX"};
    const int chValues[] = {IDC_ALIGN_SPACING, IDC_ALIGN_RX, IDC_ALIGN_TX};
    for (int i = 0; i < 3; ++i) {
      v.push_back(LText(chLabels[i], IDC_STATIC, 130, 30 + 12 * i, 40, 10));
      v.push_back(LText("", chValues[i], 172, 30 + 12 * i, 60, 10, WS_BORDER));
    }
    v.push_back(EditText(IDC_ALIGN_TEXT, 10, 70, 230, 120, ES_MULTILINE | ES_READONLY | WS_VSCROLL));
    // The items.
    v.push_back(GroupBox("TX", IDC_ALIGN_TX_GROUP, 250, 14, 104, 160));
    const std::pair<const char*, int> tx[] = {
        {"TX VCV", IDC_ITEM_TX_VCV},           {"Power High", IDC_ITEM_POWER_HIGH},
        {"Power Low-High", IDC_ITEM_POWER_LOW_HIGH}, {"Power Low-Mid", IDC_ITEM_POWER_LOW_MID},
        {"Maximum deviation", IDC_ITEM_MAX_DEVIATION}, {"Modulation balance", IDC_ITEM_MOD_BALANCE},
        {"CTCSS deviation", IDC_ITEM_CTCSS},   {"DCS deviation", IDC_ITEM_DCS},
        {"LTR deviation", IDC_ITEM_LTR},       {"Reference frequency", IDC_ITEM_REFERENCE},
        {"Sequential tone deviation", IDC_ITEM_SEQ_TONE}};
    int y = 24;
    for (const auto& [text, id] : tx) {
      v.push_back(AutoRadioButton(text, id, 256, y, 96, 10, id == IDC_ITEM_TX_VCV ? WS_GROUP | WS_TABSTOP : 0));
      y += 13;
    }
    v.push_back(GroupBox("RX", IDC_ALIGN_RX_GROUP, 250, 178, 104, 90));
    const std::pair<const char*, int> rx[] = {{"RX VCV", IDC_ITEM_RX_VCV},
                                              {"Tight Noise SQL", IDC_ITEM_TIGHT_SQL},
                                              {"Threshold Noise SQL", IDC_ITEM_THRESHOLD_SQL},
                                              {"Tight Noise Squelch RSSI", IDC_ITEM_TIGHT_RSSI},
                                              {"S Full Scale RSSI", IDC_ITEM_FULL_RSSI},
                                              {"RX Tune", IDC_ITEM_RX_TUNE}};
    y = 188;
    for (const auto& [text, id] : rx) {
      v.push_back(AutoRadioButton(text, id, 256, y, 96, 10));
      y += 13;
    }
    // The adjust column and the live column. The headings take two lines:
    // "Receiver Noise Level" does not fit a column's width on one.
    v.push_back(CText("Parameter", IDC_ALIGN_LEFT_HEADING, 360, 14, 38, 18, 0, kHidden));
    v.push_back(Control("", IDC_ALIGN_SLIDER, TRACKBAR_CLASS,
                        WS_CHILD | WS_TABSTOP | TBS_VERT | TBS_AUTOTICKS | TBS_BOTH, 360, 34, 16, 142));
    v.push_back(Control("", IDC_ALIGN_LEFT_METER, PROGRESS_CLASS, WS_CHILD | PBS_VERTICAL | WS_BORDER, 380, 34, 14,
                        142));
    v.push_back(LText("Level", IDC_ALIGN_LEFT_LEVEL, 360, 180, 20, 8, 0, kHidden));
    v.push_back(LText("", IDC_ALIGN_LEFT_VALUE, 382, 180, 18, 8, 0, kHidden));
    v.push_back(LText("Max", IDC_ALIGN_LEFT_MAX_LABEL, 360, 190, 20, 8, 0, kHidden));
    v.push_back(LText("", IDC_ALIGN_LEFT_MAX, 382, 190, 18, 8, 0, kHidden));
    v.push_back(CText("RSS", IDC_ALIGN_RIGHT_HEADING, 402, 14, 38, 18, 0, kHidden));
    v.push_back(Control("", IDC_ALIGN_RIGHT_METER, PROGRESS_CLASS, WS_CHILD | PBS_VERTICAL | WS_BORDER, 414, 34, 14,
                        142));
    v.push_back(LText("Level", IDC_ALIGN_RIGHT_LEVEL, 402, 180, 20, 8, 0, kHidden));
    v.push_back(LText("", IDC_ALIGN_RIGHT_VALUE, 424, 180, 18, 8, 0, kHidden));
    v.push_back(LText("Max", IDC_ALIGN_RIGHT_MAX_LABEL, 402, 190, 20, 8, 0, kHidden));
    v.push_back(LText("", IDC_ALIGN_RIGHT_MAX, 424, 190, 18, 8, 0, kHidden));
    // Buttons.
    v.push_back(PushButton("Start", IDC_ALIGN_START_ITEM, 10, 200, 50, 14));
    v.push_back(DefPushButton("Ok", IDC_ALIGN_OK_ITEM, 70, 200, 50, 14, 0, kHidden));
    v.push_back(PushButton("Cancel", IDC_ALIGN_CANCEL_ITEM, 130, 200, 50, 14, 0, kHidden));
    v.push_back(PushButton("Exit", IDC_ALIGN_EXIT, 190, 276, 50, 14));
    return d;
  }();
  return t;
}

void RegisterAlignDialogTemplates() {
  RegisterTemplatesOnce<&AlignDialogTemplate, &AlignStartDialogTemplate, &AlignWelcomeDialogTemplate>();
}
