// The Global 2 half of the Global sheet: framed blocks of labelled cells,
// drawn beside the Global 1 half on the page that half began.
#include <cstdio>
#include <string>
#include <vector>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "pages/settings/global2_page.h"
#include "ui/print/printer_dc.h"

namespace {

constexpr std::uint8_t kNone = 255;

std::string Format(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// The bits of a byte under a mask, shifted down.
int Bits(std::uint8_t byte, std::uint8_t mask) { return static_cast<int>(FieldCode(byte, mask)); }

std::string DisableEnable(int code, int disableCode = 0) { return code == disableCode ? "Disable" : "Enable"; }

std::string ZoneText(std::uint8_t zone) { return zone == kNone ? "None" : Format("Zone %2d", zone + 1); }
// A group cell: "None" when the pair's zone or group is none, or (for the
// short cuts) when the group is not in use.
std::string GroupText(std::uint8_t zone, std::uint8_t group, bool onlyInUse) {
  if (zone == kNone || group == kNone) return "None";
  if (onlyInUse && (group >= kGroupCount || !TheModel().store.groups[group].InUse())) return "None";
  return Format("Grp %2d", group + 1);
}

// One value cell of a row: its column range in character widths from x.
struct Cell {
  int from;
  int to;
  std::string text;
};

class CSheetWriter {
 public:
  CSheetWriter(CPrinterDC& dc, int charW, int x, int pitch, int gap)
      : m_dc(dc), m_w(charW), m_x(x), m_pitch(pitch), m_y(gap + 2 * pitch) {}

  // The frame of a block of n rows, from the block's first row; blocks after
  // the first are one empty row apart.
  void BeginBlock(int rows) {
    if (m_blocks++ > 0) m_y += m_pitch;
    m_dc.Rectangle(m_x, m_y - 20, m_x + 50 * m_w, m_y + rows * m_pitch + 5);
  }
  // A row: the block title at x (may be empty), the label at labelColumn
  // character widths from x (may be empty), then the value cells. The last
  // text drawn moves on to the next row.
  void Row(const std::string& title, int labelColumn, const std::string& label, const std::vector<Cell>& cells) {
    if (!title.empty()) Text(m_x, title, !label.empty() || !cells.empty() ? 0 : 1);
    if (!label.empty()) Text(m_x + labelColumn * m_w, label, cells.empty() ? 1 : 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const Cell& c = cells[i];
      const int left = m_x + c.from * m_w;
      m_dc.Rectangle(left, m_y, m_x + c.to * m_w, m_y + m_pitch - 20);
      Text(left, c.text, i + 1 == cells.size() ? 1 : 0);
    }
  }
  // A row of one item: its label and one value cell.
  void Item(const std::string& label, int from, int to, const std::string& value) {
    Row({}, 8, label, {{from, to, value}});
  }
  // A row that holds only the block's title.
  void Title(const std::string& title) { Row(title, 8, {}, {}); }
  // A zone and group block: "Zone" and "Group" rows under the block's title.
  void PairBlock(const std::string& title, std::uint8_t zone, std::uint8_t group, bool onlyInUse) {
    BeginBlock(2);
    Row(title, 18, "Zone", {{28, 44, ZoneText(zone)}});
    Row({}, 18, "Group", {{28, 44, GroupText(zone, group, onlyInUse)}});
  }

 private:
  void Text(int x, const std::string& text, int advance) { PrintLine(&m_dc, x, &m_y, m_pitch, text, advance); }

  CPrinterDC& m_dc;
  int m_w;
  int m_x;
  int m_pitch;
  int m_y;
  int m_blocks = 0;
};

}  // namespace

void PrintGlobal2Sheet(CPrinterDC* pDC, int charW, int x, int pitch, int gap) {
  if (!pDC) return;
  CPrinterDC& dc = *pDC;
  const CGlobalSettings& g = TheModel().global;
  const bool type11 = IsProductionType11(TheModel().store.ProductionType());
  const gdi::PenSpec oldPen = dc.SelectPen(gdi::PenSpec{gdi::PS_SOLID, 4, 0});
  CSheetWriter sheet(dc, charW, x, pitch, gap);

  sheet.BeginBlock(15);
  sheet.Row("Emergency", 8, "Zone/Group",
            {{26, 35, ZoneText(g.emergencySystem)}, {36, 45, GroupText(g.emergencySystem, g.emergencyGroup, false)}});
  sheet.Item("Lock Out", 26, 44, DisableEnable(Bits(g.byte209, 0x20)));
  sheet.Item("Code", 26, 44, CGlobal2Page::FormatEmergencyCode());
  sheet.Item("Tx Time", 26, 44, Format("%3dsec", (Bits(g.byte206, 0x0F) + 1) * 5));
  sheet.Item("Rx Time", 26, 44, Format("%3dsec", (Bits(g.byte206, 0xF0) + 1) * 10));
  sheet.Item("EMRG. AF Mute", 26, 44, DisableEnable(Bits(g.byte207, 0x40)));
  sheet.Item("Display", 26, 44, DisableEnable(Bits(g.byte705, 0x10)));
  sheet.Item("LCD", 26, 44, DisableEnable(Bits(g.byte207, 0x20)));
  sheet.Item("LED", 26, 44, DisableEnable(Bits(g.byte207, 0x10)));
  const int blink = Bits(g.byte757, 0x70);
  sheet.Item("LED Blink", 26, 44,
            blink == 4 ? "Mode 1" : blink == 5 ? "Mode 2" : blink == 6 ? "Mode 3" : blink == 7 ? "User" : "Off");
  const int color = Bits(g.byte757, 0x06);
  sheet.Item("LED Color", 26, 44, color == 1 ? "Red" : color == 3 ? "Yellow" : "Green");
  sheet.Item("Key Inhibit", 26, 44, DisableEnable(Bits(g.byte705, 0x20)));
  sheet.Item("Silent mode", 26, 44, Bits(g.byte757, 0x80) == 0 ? "Off" : "On");
  sheet.Item("Emergency Time", 26, 44, Format("%3dMin", (Bits(g.byte207, 0x0F) + 1) * 10));
  const int hold = Bits(g.byte209, 0xC0);
  sheet.Item("Key Holding Time", 26, 44, hold == 0 ? "0.5s" : hold == 1 ? "1.0s" : hold == 2 ? "2.0s" : "3.0s");

  sheet.BeginBlock(2);
  sheet.Title("Power On Status");
  sheet.Item("Receiver Status", 26, 45, Bits(g.byte208, 0xE0) == 0 ? "Back Up Zone/Grp" : "Zone 1");

  sheet.BeginBlock(3);
  sheet.Title("Transmission guard");
  const int penalty = Bits(g.byte200, 0x0C);
  sheet.Item("T.O.T Penalty Time", 28, 44,
            penalty == 0 ? "0sec" : penalty == 1 ? "6sec" : penalty == 2 ? "20sec" : "60sec");
  const int release = Bits(g.byte200, 0x03);
  sheet.Item("T.O.T Release Time", 28, 44,
            release == 0 ? "0sec" : release == 1 ? "2sec" : release == 2 ? "3sec" : "5sec");

  sheet.BeginBlock(4);
  sheet.Title("TPAC Option");
  sheet.Item("TPAC Beep", 26, 44, DisableEnable(Bits(g.byte202, 0x08)));
  sheet.Item("TPAC Tx Time", 26, 44, Bits(g.byte202, 0x04) == 0 ? "25sec" : "55sec");
  const int tpac = Bits(g.byte705, 0x03);
  sheet.Item("TPAC mode", 26, 44, tpac == 0 ? "TRX" : tpac == 1 ? "RX" : "TX");

  sheet.BeginBlock(type11 ? 5 : 4);
  sheet.Title("Radio Advanced Setting");
  const int offset = Bits(g.byte43, 0x0F);
  sheet.Item("SQL. Level Offset", 28, 44, offset <= 11 ? std::to_string(offset) : "12");
  if (type11) sheet.Item("Data Mode", 28, 44, DisableEnable(Bits(g.byte233, 0x60), 1));
  sheet.Item("Clone", 28, 44, DisableEnable(Bits(g.byte205, 0x01)));
  sheet.Item("PTT Interlock", 28, 44, DisableEnable(Bits(g.byte204, 0x04)));

  sheet.PairBlock("Home", g.homeSystem, g.homeGroup, false);
  const char* const shortCuts[] = {"Short cut #1", "Short cut #2", "Short cut #3", "Short cut #4"};
  for (std::size_t i = 0; i < 4; ++i) sheet.PairBlock(shortCuts[i], g.shortCutZone[i], g.shortCutGroup[i], true);
  if (type11) sheet.PairBlock("Data", g.dataZone, g.dataGroup, false);

  dc.EndPage();
  dc.SelectPen(oldPen);
}
