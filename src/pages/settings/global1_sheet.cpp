// The Global 1 column of the printed "Global" sheet: every setting as the text
// the page shows for it, in framed groups, one text line per row.
#include <string>
#include <string_view>
#include <vector>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "pages/settings/global1_page.h"
#include "pages/settings/global1_tables.h"
#include "ui/page/choice_field.h"
#include "ui/print/printer_dc.h"

using namespace global1;

namespace {

CGlobalSettings& G() { return TheModel().global; }

template <std::size_t N>
std::string TextOf(const std::string_view (&texts)[N], const ValueTable<N>& table, std::uint32_t code,
                   std::string_view otherwise) {
  const int i = table.Find(code);
  return std::string(i >= 0 ? texts[static_cast<std::size_t>(i)] : otherwise);
}

// A two-entry list: the first text when the field holds the first code, else the second.
template <std::size_t N>
std::string TwoWay(const std::string_view (&texts)[N], const ValueTable<N>& table, std::uint8_t byte,
                   std::uint8_t mask) {
  static_assert(N == 2);
  return std::string(FieldCode(byte, mask) == table.values[0] ? texts[0] : texts[1]);
}

std::string Led(std::uint8_t stored) { return std::to_string(stored * 10) + "msec"; }

struct Item {
  int row;
  std::string label;
  int labelCw;  // label column in character widths from x; -1: no label
  int valueCw;  // value column; -1: no value on this row
  std::string value;
};

struct Group {
  int captionRow;
  std::string caption;
  std::vector<Item> items;
};

class CSheetWriter {
 public:
  CSheetWriter(CPrinterDC* dc, int cw, int x, int pitch, int gap) : m_dc(dc), m_cw(cw), m_x(x), m_p(pitch), m_g(gap) {}

  void Draw(const Group& group) {
    int last = group.captionRow;
    for (const Item& it : group.items) last = std::max(last, it.row);
    m_dc->Rectangle(m_x, Y(group.captionRow) - 20, m_x + 45 * m_cw, Y(last) + m_p + 5);
    Line(m_x, group.captionRow, group.caption);
    for (const Item& it : group.items) {
      if (it.labelCw >= 0) Line(m_x + it.labelCw * m_cw, it.row, it.label);
      if (it.valueCw < 0) continue;
      const int vx = m_x + it.valueCw * m_cw;
      m_dc->Rectangle(vx, Y(it.row), m_x + 44 * m_cw, Y(it.row) + m_p - 20);
      Line(vx, it.row, it.value);
    }
  }

 private:
  int Y(int row) const { return m_g + row * m_p; }
  void Line(int x, int row, const std::string& text) {
    int y = Y(row);
    PrintLine(m_dc, x, &y, m_p, text, 0);
  }

  CPrinterDC* m_dc;
  int m_cw, m_x, m_p, m_g;
};

// Rows of one label-and-value list starting at a row.
std::vector<Item> Rows(int first, int labelCw, int valueCw,
                       const std::vector<std::pair<std::string, std::string>>& labelled) {
  std::vector<Item> items;
  int row = first;
  for (const auto& [label, value] : labelled) items.push_back({row++, label, labelCw, valueCw, value});
  return items;
}

}  // namespace

void PrintGlobal1Sheet(CPrinterDC* pDC, int cw, int x, int pitch, int gap) {
  if (!pDC) return;
  const CGlobalSettings& g = G();
  const bool type11 = IsProductionType11(TheModel().store.ProductionType());

  const gdi::PenSpec oldPen = pDC->SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0});
  pDC->StartPage();
  CSheetWriter w(pDC, cw, x, pitch, gap);

  const std::string modelName =
      (g.hardwareByte == 0x61 || g.hardwareByte == 0xB9) && type11 ? kGlobal1ModelName : "";
  std::string password;
  for (char c : g.password) {
    if (c == '\0') break;
    password += c;
  }

  const std::pair<std::string, std::string> scanBeep{"Scan Beep", TwoWay(kOnOffTexts, kOnOffDefault1, g.byte209, 0x04)};
  const std::pair<std::string, std::string> powerOnTone{"Power on Tone",
                                                        TwoWay(kOnOffTexts, kOnOffDefault0, g.byte185, 0x10)};
  const std::pair<std::string, std::string> controlsTones{"Controls Tones",
                                                          TwoWay(kOnOffTexts, kOnOffDefault0, g.byte185, 0x08)};
  const std::pair<std::string, std::string> tpacBeep{"TPAC Beep", TwoWay(kOnOffTexts, kOnOffDefault1, g.byte202, 0x08)};
  const std::vector<std::pair<std::string, std::string>> scanFunction = {
      {"Zone Scan", TwoWay(kOnOffTexts, kOnOffDefault0, g.byte246, 0x20)},
      {"Dual Watch Time A", TextOf(kDualWatchTexts, kDualWatchTable, g.byte184, "0.7sec")},
      {"Dual Watch Time B", TextOf(kDualWatchTexts, kDualWatchTable, g.byte187, "0.7sec")},
      {"Scan Resume Time1(RX)", std::string(kResumeRxTexts[g.byte183 & 0x0F])},
      {"Scan Resume Time2(TX)", std::string(kResumeTxTexts[(g.byte183 >> 4) & 0x0F])},
      {"Home Grp Scan", TwoWay(kOnOffTexts, kOnOffDefault0, g.byte182, 0x20)},
      scanBeep,
      {"Revert Group", FieldCode(g.byte208, 0x18) == 3 ? "Last Busy" : "Start Group"},
      {"Talk Back", TwoWay(kOnOffTexts, kOnOffDefault1, g.byte182, 0x10)},
      {"Scan Display", TwoWay(kScanDisplayTexts, kScanDisplayTable, g.byte704, 0x80)},
  };

  w.Draw({2, "MODEL", {{2, "", -1, 10, modelName}}});
  if (type11) {
    const std::uint32_t configure = FieldCode(g.byte182, 0x0E);
    w.Draw({4,
            "Display",
            {{4, "LCD Angle", 8, 20, (g.byte42 & 0x01) ? "Invert" : "Normal"},
             {5, "Configure", 8, -1, ""},
             {6, "", -1, 10, TextOf(kConfigureTexts, kConfigureTable, configure, "")},
             {7, "Back Light", 8, 20, g.backLightFlag == 0 ? "Continuous" : "Key On, Called"},
             {8, "Back Light Dimmer", 8, 30, std::string(kDimmerTexts[g.byte244 & 0x03])},
             {9, "LCD contrast", 8, 26, std::string(kContrastTexts[(g.byte43 >> 4) & 0x0F])},
             {10, "User LED On time", 8, 28, Led(g.byte755)},
             {11, "User LED Off time", 8, 28, Led(g.byte756)}}});
    const std::string beepLevel = g.byte223 == 32 ? "Low" : g.byte223 == 64 ? "Middle" : "High";
    w.Draw({13, "Audible Sounds",
            Rows(14, 8, 26,
                 {{"Microphone Sens.", TextOf(kMicSensTexts, kMicSensTable, g.byte222, "-10db")},
                  {"Beep Level", beepLevel},
                  scanBeep,
                  powerOnTone,
                  controlsTones,
                  tpacBeep})});
    w.Draw({21, "Microphone Hook Function",
            Rows(22, 8, 26,
                 {{"Off Hook Scan", TwoWay(kOnOffTexts, kOnOffDefault0, g.byte185, 0x80)},
                  {"Off Hook Monitor", TwoWay(kOnOffTexts, kOnOffDefault0, g.byte185, 0x40)},
                  {"Off Hook Horn", TwoWay(kHornTexts, kHornTable, g.byte185, 0x20)}})});
    w.Draw({26, "Scan Function", Rows(27, 8, 32, scanFunction)});
    w.Draw({38, "Password", {{39, "", -1, 32, password}}});
  } else {
    w.Draw({4, "Audible Sounds", Rows(5, 8, 26, {scanBeep, powerOnTone, controlsTones, tpacBeep})});
    w.Draw({10, "Power saving",
            Rows(11, 8, 26,
                 {{"RX save mode", std::string(kRxSaveTexts[g.byte186 & 0x07])},
                  {"Low Battery Alert", TwoWay(kOnOffTexts, kOnOffDefault1, g.byte204, 0x02)}})});
    w.Draw({14, "Scan Function", Rows(15, 8, 32, scanFunction)});
    w.Draw({26, "Password", {{27, "", -1, 32, password}}});
    w.Draw({29, "Handheld", {{30, "Rotary Switch mode", 3, 26, TwoWay(kRotaryTexts, kRotaryTable, g.byte182, 0x80)}}});
  }

  pDC->SelectPen(oldPen);
}
