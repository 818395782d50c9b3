// Sheet 1, "Zone": a page for every zone in use with the zone's settings in
// labelled boxes, its interconnect settings, and then the group table of a
// conventional zone (every format but PassPort) or the PassPort features and
// talk groups. Positions are lines and character widths: line n at
// gap + n x pitch, column c at x + c x charW. The tables go on to further pages
// (at line 2, without their header) when they reach the page's foot.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "model/home_channel.h"
#include "model/global_fields.h"
#include "model/zone_fields.h"
#include "pages/trunk/zone_overview_page.h"
#include "ui/print/printer_dc.h"

namespace {

CEditModel& M() { return TheModel(); }
// The caption mode as the global settings hold it now.
bool LtrNow() { return gf::kLtrCaptions.Get(TheModel()) != 0; }

std::string Fmt(const char* format, long value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string FmtF(const char* format, double value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Text(const ChoiceList& list, std::uint32_t code) { return std::string(list.PrintText(code)); }
std::string OnOff(bool set) { return set ? "Enable" : "Disable"; }
std::string Switch(bool set) { return set ? "V" : ""; }
std::string Encryption(std::uint8_t byte0) {
  static const char* const kTexts[] = {"", "K", "P", "A"};
  return kTexts[(byte0 >> 3) & 3];
}

// The sheet's drawing: lines and columns from the geometry of the print job.
class CZoneSheetWriter {
 public:
  CZoneSheetWriter(CPrinterDC& dc, int charW, int x, int pitch, int gap)
      : m_dc(dc), m_cw(charW), m_x(x), m_pitch(pitch), m_gap(gap) {}

  int Line(int n) const { return m_gap + n * m_pitch; }
  int Col(int c) const { return m_x + c * m_cw; }
  int CharW() const { return m_cw; }
  int Pitch() const { return m_pitch; }
  int Gap() const { return m_gap; }
  CPrinterDC& Dc() { return m_dc; }

  void Print(int x, int y, const std::string& text) {
    int at = y;
    PrintLine(&m_dc, x, &at, m_pitch, text, 0);
  }
  void Box(int left, int top, int right, int bottom) { m_dc.Rectangle(left, top, right, bottom); }

  // A row of label-and-value cells: each label box from the label line to the
  // value line, each value box one line high below it.
  struct Cell {
    const char* label;
    int width;  // character widths
    std::string value;
    bool centred = false;  // the dials start at the box's middle
  };
  void CellRow(int labelLine, const std::vector<Cell>& cells) {
    int left = Col(0);
    for (const Cell& c : cells) {
      const int right = left + c.width * m_cw;
      Box(left, Line(labelLine), right, Line(labelLine + 1));
      Print(left, Line(labelLine), c.label);
      Box(left, Line(labelLine + 1), right, Line(labelLine + 2));
      const int vx = c.centred ? left + (c.width * m_cw) / 2 - m_cw / 2 : left;
      Print(vx, Line(labelLine + 1), c.value);
      left = right;
    }
  }

  // After a table line: a new page (the table goes on at line 2) when the foot is near.
  void NextLine(int* y, bool more) {
    if (more && *y + 2 * m_pitch > m_dc.GetDeviceCaps(gdi::VERTRES)) {
      m_dc.EndPage();
      *y = m_gap + 2 * m_pitch;
      m_dc.StartPage();
    }
  }

 private:
  CPrinterDC& m_dc;
  int m_cw, m_x, m_pitch, m_gap;
};

// The Connect Dial of a conventional zone: the eight bytes from the home
// repeater byte on, as a dial string of up to 15 digits, padded with blanks.
std::string ConnectDial(int z) {
  const CChannelStore& s = M().store;
  const std::uint8_t bytes[8] = {s.zoneHomeRepeater[z],     s.zoneInterconnectLtrId[z], s.zoneRxIdStart[z],
                                 s.zoneRxIdStop[z],         s.zoneTxInhibitIdStart[z],  s.zoneTxInhibitIdStop[z],
                                 s.zonePassPortFlags[z],    s.zoneScanWords[z]};
  const int length = DialLength(bytes);
  std::string text;
  for (int i = 1; i <= 15; ++i) text += i <= length ? DialCharOfCode(DialDigit(bytes, i)) : ' ';
  return text;
}

std::string RevertGroupText(int z) {
  const int value = M().store.zoneRevertGroup[z];
  if (value == 255) return "None";
  return Fmt("Grp %2ld", long(M().store.CountGroupsBeforeZone(z) + value + 1));
}

void PrintZonePage(CZoneSheetWriter& w, int z) {
  CEditModel& m = M();
  const CChannelStore& s = m.store;
  const bool passPort = zf::kFormat.Get(m, z) == zf::kPassPort;
  CPrinterDC& dc = w.Dc();
  dc.StartPage();
  w.Print(w.Col(0), w.Line(2), Fmt("ZONE No. %.3ld", long(z + 1)));

  using Cell = CZoneSheetWriter::Cell;
  std::vector<Cell> first = {{"Number of Groups", 23, Fmt("%ld", long(s.groupCount[z]))},
                             {"Zone format", 23, Text(zf::kFormatList, zf::kFormat.Get(m, z))},
                             {"Alias", 23, s.systemNames[z]}};
  if (passPort) first.push_back({"Talk Permit Tone", 23, Text(zf::kDisableEnableList, zf::kTalkPermitTone.Get(m, z))});
  first.push_back({"TX Timeout Timer", 23, Text(zf::kTimerList, zf::kTxTimeout.Get(m, z))});
  first.push_back({"TX Power", 23, Text(zf::kTxPowerList, zf::kTxPower.Get(m, z))});
  if (!passPort) first.push_back({"Revert Group", 23, RevertGroupText(z)});
  w.CellRow(3, first);

  int interconnectLine = 7;
  if (passPort) {
    w.CellRow(6, {{"Fixed DCC", 23, Text(zf::kDisableEnableList, zf::kFixedDcc.Get(m, z))},
                  {"Digital color code", 23, Text(zf::kDccList, zf::kDcc.Get(m, z))},
                  {"Home System ID", 23, Fmt("%ld", long(s.zoneHomeSystemId[z]))},
                  {"Affiliated System ID", 23, Fmt("%ld", long(s.zoneAffiliatedSystemId[z]))}});
    w.CellRow(9, {{"Mobile Identity Number", 46, Fmt("%ld", long(s.zoneMobileId[z]))},
                  {"Home Channel Frequency", 46, FmtF("%10.5f", HomeChannelFrequency(m, z))},
                  {"Wide band /Narrow band", 46, Text(zf::kBandwidthList, zf::kNarrow.Get(m, z))}});
    interconnectLine = 12;
  }

  w.Print(w.Col(40), w.Line(interconnectLine), "Interconnect Setting");
  std::vector<Cell> interconnect = {
      {"TX Timeout Timer", 23, Text(zf::kTimerList, zf::kInterconnectTxTimeout.Get(m, z))},
      {"Phone Interconnect", 23, OnOff(zf::kPhoneInterconnect.Get(m, z))}};
  if (!passPort) interconnect.push_back({"Connect Dial", 23, ConnectDial(z), true});
  interconnect.push_back(
      {"Disconnect Dial", 23, std::string(1, DialCharOfCode(int(zf::kDisconnectDial.Get(m, z)))), true});
  if (!passPort) interconnect.push_back({"Interconnect Only Rx", 23, OnOff(zf::kInterconnectOnlyRx.Get(m, z))});
  interconnect.push_back({"Auto Interconnect", 23, OnOff(zf::kAutoInterconnect.Get(m, z))});
  w.CellRow(interconnectLine + 1, interconnect);

  int y = w.Line(interconnectLine + 4);
  if (passPort) PrintPassPortZone(dc, w.CharW(), w.Col(0), w.Pitch(), &y, z, w.Gap());
  else PrintZoneGroups(dc, w.CharW(), w.Col(0), w.Pitch(), &y, z, w.Gap());
  dc.EndPage();
}

// ---- the group table --------------------------------------------------------------------

enum class Title { Horizontal, Vertical, Block, TalkAround };
struct GroupColumn {
  int width;
  const char* title;
  Title kind;
  const char* second = nullptr;  // "Type"/"Code" under a block; "Talk Around" beside "(by user)"
  int indent = 0;                // the value's distance from the box's left edge, in character widths
};

// The option module: option board bits 0-2 = 4 and bits 5-7 = 3 (code 4).
bool OptionModuleFitted() { return M().global.optionBoardCode() == 4; }

std::string PagingText(const CGroupRecord& g) {
  const int p = g.byte1 & 0x0F;
  const std::string digit(1, p <= 8 ? char('1' + p) : '0');
  if (IsProductionType11(M().store.ProductionType())) {
    const int f = 2 * ((g.byte1 >> 6) & 1) + ((g.byte1 >> 4) & 1);
    if (f == 0) return "";
    if (f == 1) return digit;
    if (f == 3) return "S";
    return OptionModuleFitted() && (g.byte0 & 0x18) == 0 ? "O" : "S";
  }
  const int f = 2 * ((g.byte3 >> 7) & 1) + ((g.byte1 >> 4) & 1);
  return f == 0 ? "" : f == 1 ? digit : "S";
}

std::string ToneType(int type) {
  switch (type) {
    case 0: return "NONE";
    case 1: return "CTCSS";
    case 2: return "DCS";
    default: return "DCS Invert";
  }
}

std::string ToneCode(int type, std::uint8_t code) {
  if (type == 0) return "";
  return type == 1 ? g_ctcssTexts[code] : g_dcsTexts[code];
}

std::vector<std::string> GroupValues(const CGroupRecord& g, int index, bool tpac) {
  std::vector<std::string> v = {Fmt("%3ld", long(index + 1))};
  const int n = g.channelWord & kChannelRefMask;
  const CChannelData* channel = M().store.Channel(n);  // 1023 and 250..1022 name no channel
  if (!channel) return v;
  const int rxType = (g.byte2 >> 3) & 7, txType = g.byte2 & 7;
  const int power = g.byte0 & 7;
  const int busy = (g.channelWord >> 12) & 3;
  v.insert(v.end(), {std::string(g.name, std::min<std::size_t>(8, std::char_traits<char>::length(g.name))),
                     FmtF("%9.5f", channel->txFreq * 0.00001), FmtF("%9.5f", channel->rxFreq * 0.00001),
                     (channel->modeByte & 0xC0) ? "W" : "N", ToneType(rxType), ToneCode(rxType, g.byte5),
                     ToneType(txType), ToneCode(txType, g.byte4), Switch(g.byte0 & 0x80), Switch(g.byte0 & 0x20),
                     Switch(g.channelWord & 0x4000), busy == 0 ? "" : busy == 1 ? "B" : "I", Switch(g.byte0 & 0x40),
                     Switch(g.flags & kGroupScanUser), Switch(g.byte3 & 0x08), Switch(g.byte1 & 0x80),
                     Switch(g.byte1 & 0x20), Encryption(g.byte0), Switch(g.byte3 & 0x20), Switch(g.byte3 & 0x10),
                     power == 7 ? "" : power == 0 ? "H" : power == 4 ? "LH" : "LM", (g.byte2 & 0x40) ? "F" : "N",
                     PagingText(g)});
  if (tpac) v.push_back(Switch(g.channelWord & 0x8000));
  return v;
}

const GroupColumn kGroupColumns[] = {
    {4, "Groups", Title::Vertical},
    {13, "Alias", Title::Horizontal},
    {13, "TX Freq.", Title::Horizontal},
    {13, "RX Freq.", Title::Horizontal},
    {4, "N/W", Title::Vertical, nullptr, 1},
    {13, "Subaudible signal(RX)", Title::Block, "Type"},
    {9, nullptr, Title::Block, "Code"},
    {13, "Subaudible signal(TX)", Title::Block, "Type"},
    {9, nullptr, Title::Block, "Code"},
    {4, "Monitor", Title::Vertical, nullptr, 1},
    {4, "TX Inhibit", Title::Vertical, nullptr, 1},
    {4, "Timeout Timer", Title::Vertical, nullptr, 1},
    {4, "Busy Lockout", Title::Vertical, nullptr, 1},
    {4, "Compander", Title::Vertical, nullptr, 1},
    {4, "Scan Memory", Title::Vertical, nullptr, 1},
    {4, "Call Alert", Title::Vertical, nullptr, 1},
    {4, "ANI", Title::Vertical, nullptr, 1},
    {4, "ANI Monitor", Title::Vertical, nullptr, 1},
    {4, "Encryption", Title::Vertical, nullptr, 1},
    {8, "(by user)", Title::TalkAround, "Talk Around", 3},
    {8, "(Fixed)", Title::TalkAround, "Talk Around", 3},
    {4, "2nd TX Power", Title::Vertical, nullptr, 1},
    {4, "Flat AF", Title::Vertical, nullptr, 1},
    {4, "Paging", Title::Vertical, nullptr, 1},
    {4, "TPAC", Title::Vertical, nullptr, 1},
};

gdi::FontSpec VerticalFont() { return {80, "MS Sans Serif", gdi::FW_NORMAL, -900}; }

void GroupHeader(CZoneSheetWriter& w, int top, std::size_t columnCount) {
  const int cw = w.CharW(), p = w.Pitch();
  auto line = [&](int n) { return top + n * p; };
  // The boxes first: a box drawn later would cover a title inside it.
  int left = w.Col(0);
  for (std::size_t i = 0; i < columnCount; ++i) {
    const GroupColumn& c = kGroupColumns[i];
    const int right = left + c.width * cw;
    if (c.kind == Title::Block) {
      if (c.title) w.Box(left, line(0), left + 22 * cw, line(6));
      w.Box(left, line(4), right, line(6));
    } else {
      w.Box(left, line(0), right, line(6));
    }
    left = right;
  }
  left = w.Col(0);
  gdi::FontSpec previous;
  bool vertical = false;
  for (std::size_t i = 0; i < columnCount; ++i) {
    const GroupColumn& c = kGroupColumns[i];
    const int right = left + c.width * cw;
    const bool wantVertical = c.kind == Title::Vertical || c.kind == Title::TalkAround;
    if (wantVertical && !vertical) previous = w.Dc().SelectFont(VerticalFont());
    if (!wantVertical && vertical) w.Dc().SelectFont(previous);
    vertical = wantVertical;
    switch (c.kind) {
      case Title::Horizontal: w.Print(left, line(5), c.title); break;
      case Title::Block:
        if (c.title) w.Print(left, line(1), c.title);
        w.Print(left, line(5), c.second);
        break;
      case Title::Vertical: w.Print(right - cw, line(0), c.title); break;
      case Title::TalkAround:
        w.Print(left + 3 * cw, line(0), c.title);
        w.Print(right - cw, line(0), c.second);
        break;
    }
    left = right;
  }
  if (vertical) w.Dc().SelectFont(previous);
}

// ---- the PassPort part -----------------------------------------------------------------------

struct Item {
  const char* label;
  std::string value;
};

void Section(CZoneSheetWriter& w, int blockX, int top, int lines, const char* title, const std::vector<Item>& items) {
  const int cw = w.CharW(), p = w.Pitch();
  w.Box(blockX, top, blockX + 60 * cw, top + lines * p + 5);
  w.Print(blockX, top, title);
  int y = top;
  for (const Item& item : items) {
    y += p;
    w.Print(blockX + 8 * cw, y, item.label);
    w.Box(blockX + 38 * cw, y, blockX + 56 * cw, y + p - 20);
    w.Print(blockX + 38 * cw, y, item.value);
  }
}

std::string Flag(const BitField& f, int z) { return OnOff(f.Get(M(), z) != 0); }
std::string Inverted(const BitField& f, int z) { return OnOff(f.Get(M(), z) == 0); }
std::string Seconds(long seconds) { return Fmt("%4ld sec", seconds); }

}  // namespace

void PrintZoneSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  CZoneSheetWriter w(dc, charW, x, pitch, gap);
  const gdi::PenSpec previous = dc.SelectPen({gdi::PS_SOLID, 4, 0});
  // Texts at a box's corner leave its border whole.
  const int bkMode = dc.SetBkMode(gdi::TRANSPARENT);
  for (int z = 0; z < kZoneCount; ++z) {
    if (TheModel().store.IsZoneInUse(z)) PrintZonePage(w, z);
  }
  dc.SetBkMode(bkMode);
  dc.SelectPen(previous);
}

void PrintZoneGroups(CPrinterDC& dc, int charW, int x, int pitch, int* y, int zone, int gap) {
  CZoneSheetWriter w(dc, charW, x, pitch, gap);
  PrintLine(&dc, w.Col(40), y, pitch, "Group Setting", 1);
  const int top = *y;
  // Without the PassPort captions the table has no TPAC column.
  const bool tpac = !LtrNow();
  const std::size_t columns = std::size(kGroupColumns) - (tpac ? 0 : 1);
  GroupHeader(w, top, columns);
  *y = top + 6 * pitch;
  const CChannelStore& s = M().store;
  const int first = s.CountGroupsBeforeZone(zone);
  const int count = s.GetGroupCount(zone);
  for (int g = first; g < first + count; ++g) {
    const CGroupRecord* group = s.Group(g);
    if (!group) break;
    const std::vector<std::string> values = GroupValues(*group, g, tpac);
    int left = w.Col(0);
    for (std::size_t i = 0; i < columns; ++i) {
      const GroupColumn& c = kGroupColumns[i];
      const int right = left + c.width * charW;
      w.Box(left, *y, right, *y + pitch);
      if (i < values.size()) w.Print(left + c.indent * charW, *y, values[i]);
      left = right;
    }
    *y += pitch;
    w.NextLine(y, g + 1 < first + count && g + 1 < kGroupCount);
  }
}

void PrintPassPortZone(CPrinterDC& dc, int charW, int x, int pitch, int* y, int z, int gap) {
  CZoneSheetWriter w(dc, charW, x, pitch, gap);
  CEditModel& m = M();
  const CChannelStore& s = m.store;
  w.Print(w.Col(40), *y, "Features");
  const int upper = *y + pitch;
  const int lower = upper + 10 * pitch;
  const int left = w.Col(0), right = w.Col(60);
  Section(w, left, upper, 10, " System Features",
          {{"Disable Roam", Flag(zf::kDisableRoam, z)},
           {"Enable ATB Ring back", Flag(zf::kAtbRingBack, z)},
           {"Enable PP Group scan", Flag(zf::kPpGroupScan, z)},
           {"Interconnect companding", Flag(zf::kInterconnectCompanding, z)},
           {"Disable priority of Primary ID", Flag(zf::kDisablePrimaryPriority, z)},
           {"Home lookback", Inverted(zf::kHomeLookbackOff, z)},
           {"Home lookback time", Text(zf::kMinuteList, s.zoneLookbackTime[z])},
           {"RSSI for home lookback", Inverted(zf::kLookbackRssiOff, z)},
           {"", Text(zf::kLevelListA, s.zoneLookbackRssi[z])}});
  Section(w, right, upper, 10, "  RSSI Features",
          {{"RSSI Threshold", Inverted(zf::kRssiThresholdOff, z)},
           {"RSSI disable During receive", Inverted(zf::kRssiDuringReceiveOff, z)},
           {"RSSI disable in threshold area", Inverted(zf::kRssiThresholdAreaOff, z)},
           {"RSSI auto enable in threshold", Inverted(zf::kRssiAutoEnableOff, z)},
           {"Duration time", Text(zf::kMinuteList, s.zoneRssiDuration[z])},
           {"RSSI for registered on", Text(zf::kLevelListA, s.zoneRegisteredRssi[z])},
           {"RSSI for decoding OSM", Text(zf::kLevelListB, s.zoneOsmRssi[z])}});
  Section(w, left, lower, 5, "  Roaming Timers",
          {{"Roam Start delay", Seconds(s.zoneInterconnectLtrId[z])},
           {"Roam site Search speed", Seconds(s.zoneRxIdStart[z])},
           {"Roam resume time", Seconds(30L * s.zoneRxIdStop[z])},
           {"Roam power up delay", Seconds(s.zoneTxInhibitIdStart[z])}});
  Section(w, right, lower, 5, "   Option",
          {{"Inverted RX data", Flag(zf::kRxDataInverted, z)},
           {"Inverted TX data", Inverted(zf::kTxDataNormal, z)},
           {"Enable UHF Band 5b", Flag(zf::kBand5b, z)},
           {"Enable prefer last registered channel", Inverted(zf::kPreferLastChannelOff, z)}});

  *y = upper + 17 * pitch;
  PrintLine(&dc, w.Col(40), y, pitch, "Group Setting", 1);
  const int top = *y;
  static const char* const kTitles[9][3] = {
      {nullptr, nullptr, "Group"}, {nullptr, nullptr, "Enable/Disable"}, {"Talk", "Group", "ID"},
      {nullptr, nullptr, "Alias"}, {nullptr, nullptr, "Scan"},           {nullptr, nullptr, "Compander"},
      {nullptr, "Disable", "TX"},  {nullptr, nullptr, "Encryption"},     {nullptr, nullptr, "TOT"}};
  for (int c = 0; c < 9; ++c) w.Box(w.Col(18 * c), top, w.Col(18 * (c + 1)), top + 3 * pitch);
  for (int c = 0; c < 9; ++c) {
    for (int l = 0; l < 3; ++l) {
      if (kTitles[c][l]) w.Print(w.Col(18 * c), top + l * pitch, kTitles[c][l]);
    }
  }
  *y = top + 3 * pitch;
  const int first = s.CountGroupsBeforeZone(z);
  const int count = s.GetGroupCount(z);
  for (int g = first; g < first + count; ++g) {
    const CGroupRecord* group = s.Group(g);
    if (!group) break;
    const std::string values[9] = {
        Fmt("GRP. %3ld", long(g + 1)),
        g == first ? "PRIMARY" : OnOff(group->flags & kGroupInUse),
        Fmt("%ld", long(group->idWord)),
        std::string(group->name, std::min<std::size_t>(8, std::char_traits<char>::length(group->name))),
        Switch(group->flags & kGroupScanUser),
        Switch(group->byte0 & 0x40),
        Switch(group->byte0 & 0x20),
        Encryption(group->byte0),
        Switch(group->channelWord & 0x4000)};
    for (int c = 0; c < 9; ++c) {
      w.Box(w.Col(18 * c), *y, w.Col(18 * (c + 1)), *y + pitch);
      w.Print(w.Col(18 * c), *y, values[c]);
    }
    *y += pitch;
    w.NextLine(y, g + 1 < first + count && g + 1 < kGroupCount);
  }
}
