// Sheet 1, "Zone": a page for every zone in use with the zone's settings in
// labelled cells, its interconnect settings, and then the group table of a
// conventional zone (every format but PassPort) or the PassPort features and
// talk groups. Positions are lines and character widths: line n at
// gap + n x pitch, column c at x + c x charW; the tables, wider than the rest,
// take a smaller font where they would not fit the paper. Every value is the
// print text of a field of the model.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "model/edit_model.h"
#include "model/global_fields.h"
#include "model/group_fields.h"
#include "model/group_model.h"
#include "model/home_channel.h"
#include "model/trunk_fields.h"
#include "model/trunk_ltr.h"
#include "model/trunk_repeaters.h"
#include "model/zone_fields.h"
#include "pages/trunk/zone_overview_page.h"
#include "ui/print/sheet_writer.h"

namespace {

CEditModel& M() { return TheModel(); }

std::string Number(const char* format, long value) {
  char text[48];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Printed(const ChoiceList& list, const Field& field, int index) {
  return std::string(list.PrintText(field.Get(M(), index)));
}

// ---- the group table of a conventional zone ---------------------------------------------------

std::string GroupNumber(CEditModel&, int g) { return Number("%3ld", g + 1L); }

// A column of one switch or mark, its title running down the box, its value
// a character width in.
constexpr SheetField Mark(std::string_view heading, Field field, const ChoiceList& marks = grp::kSwitchMarkList) {
  return FieldColumn(heading, 4, field, &marks).Down(1);
}
constexpr SheetField TalkAround(std::string_view heading, Field field) {
  return FieldColumn(heading, 8, field, &grp::kSwitchMarkList).DownPair("Talk Around", 3);
}

const SheetField kGroupColumns[] = {
    TextColumn("Groups", 4, {&GroupNumber, nullptr}).Down(0),
    TextColumn("Alias", 13, grp::kTag),
    TextColumn("TX Freq.", 13, grp::kNamedChannelTx),
    TextColumn("RX Freq.", 13, grp::kNamedChannelRx),
    Mark("N/W", grp::kNamedChannelSpacing, grp::kSpacingMarkList),
    FieldColumn("Type", 13, grp::kRxToneType, &grp::kToneTypePrintList),
    TextColumn("Code", 9, grp::kRxCodePrint),
    FieldColumn("Type", 13, grp::kTxToneType, &grp::kToneTypePrintList),
    TextColumn("Code", 9, grp::kTxCodePrint),
    Mark("Monitor", grp::kMonitor),
    Mark("TX Inhibit", grp::kTxInhibit),
    Mark("Timeout Timer", grp::kTimeOutTimer),
    Mark("Busy Lockout", grp::kBusyLockOut, grp::kBusyLockOutMarkList),
    Mark("Compander", grp::kCompander),
    Mark("Scan Memory", grp::kScanUser),
    Mark("Call Alert", grp::kCallAlert),
    Mark("ANI", grp::kAni),
    Mark("ANI Monitor", grp::kAniMonitor),
    Mark("Encryption", grp::kEncryption, grp::kEncryptionMarkList),
    TalkAround("(by user)", grp::kTalkAroundUser),
    TalkAround("(Fixed)", grp::kTalkAroundFixed),
    Mark("2nd TX Power", grp::kSecondTxPower, grp::kSecondTxPowerMarkList),
    Mark("Flat AF", grp::kFlatAf, grp::kFlatAfMarkList),
    TextColumn("Paging", 4, grp::kPagingPrint).Down(1),
    Mark("TPAC", grp::kTpac),
};
constexpr SheetSpan kSubAudible[] = {{5, 2, "Subaudible signal(RX)", 1, 4}, {7, 2, "Subaudible signal(TX)", 1, 4}};

// A group whose word names no channel record prints its number only.
bool NamesNoChannel(CEditModel& model, int g) { return GroupChannel(model.store, g) < 0; }

// ---- the PassPort talk groups --------------------------------------------------------------

std::string TalkGroupNumber(CEditModel&, int g) { return Number("GRP. %3ld", g + 1L); }
// The zone's first talk group is its primary one, whatever its enable bit.
std::string TalkGroupState(CEditModel& model, int g) {
  if (g == model.store.CountGroupsBeforeZone(model.store.ZoneOfGroup(g))) return "PRIMARY";
  return Printed(zf::kDisableEnableList, grp::kInUse, g);
}

const SheetField kTalkGroupColumns[] = {
    TextColumn("Group", 18, {&TalkGroupNumber, nullptr}),
    TextColumn("Enable/Disable", 18, {&TalkGroupState, nullptr}),
    FieldColumn("Talk\nGroup\nID", 18, grp::kTalkGroupId, nullptr),
    TextColumn("Alias", 18, grp::kTag),
    FieldColumn("Scan", 18, grp::kScanUser, &grp::kSwitchMarkList),
    FieldColumn("Compander", 18, grp::kCompander, &grp::kSwitchMarkList),
    FieldColumn("Disable\nTX", 18, grp::kTxInhibit, &grp::kSwitchMarkList),
    FieldColumn("Encryption", 18, grp::kEncryption, &grp::kEncryptionMarkList),
    FieldColumn("TOT", 18, grp::kTimeOutTimer, &grp::kSwitchMarkList),
};

// The groups of zone z that have records.
SheetFieldTable GroupsOf(int z, std::span<const SheetField> columns) {
  const CChannelStore& s = M().store;
  const int first = s.CountGroupsBeforeZone(z);
  SheetFieldTable table;
  table.columns = columns;
  table.first = first;
  table.count = std::clamp(s.GetGroupCount(z), 0, kGroupCount - first);
  return table;
}

// ---- the PassPort features --------------------------------------------------------------------

// A feature's value: its list's print text, or its byte in seconds.
struct Feature {
  Field field;
  const ChoiceList* list = nullptr;
  long secondsPerUnit = 0;
};
enum FeatureId {
  kNone,
  kDisableRoam, kAtbRingBack, kPpGroupScan, kCompanding, kPrimaryPriority, kHomeLookback, kLookbackTime,
  kLookbackRssiOn, kLookbackRssi, kRoamStart, kRoamSearch, kRoamResume, kRoamPowerUp, kRssiThreshold,
  kRssiDuringReceive, kRssiThresholdArea, kRssiAutoEnable, kRssiDuration, kRegisteredRssi, kOsmRssi,
  kRxDataInverted, kTxDataInverted, kBand5b, kPreferLast, kFeatureCount
};
// A flag prints "Enable" for 1; a switch stored active low ("...Off") "Enable" for 0.
const Feature kFeatures[kFeatureCount] = {
    {},
    {zf::kDisableRoam, &zf::kDisableEnableList},
    {zf::kAtbRingBack, &zf::kDisableEnableList},
    {zf::kPpGroupScan, &zf::kDisableEnableList},
    {zf::kInterconnectCompanding, &zf::kDisableEnableList},
    {zf::kDisablePrimaryPriority, &zf::kDisableEnableList},
    {zf::kHomeLookbackOff, &zf::kOnOffList},
    {tf::kLookbackTime, &zf::kMinuteList},
    {zf::kLookbackRssiOff, &zf::kOnOffList},
    {tf::kLookbackRssi, &zf::kLevelListA},
    {tf::kRoamStartDelay, nullptr, 1},
    {tf::kRoamSearchSpeed, nullptr, 1},
    {tf::kRegResumeTime, nullptr, 30},
    {tf::kRoamPowerUpDelay, nullptr, 1},
    {zf::kRssiThresholdOff, &zf::kOnOffList},
    {zf::kRssiDuringReceiveOff, &zf::kOnOffList},
    {zf::kRssiThresholdAreaOff, &zf::kOnOffList},
    {zf::kRssiAutoEnableOff, &zf::kOnOffList},
    {tf::kRssiDuration, &zf::kMinuteList},
    {tf::kRegisteredRssi, &zf::kLevelListA},
    {tf::kOsmRssi, &zf::kLevelListB},
    {zf::kRxDataInverted, &zf::kDisableEnableList},
    {zf::kTxDataNormal, &zf::kOnOffList},
    {zf::kBand5b, &zf::kDisableEnableList},
    {zf::kPreferLastChannelOff, &zf::kOnOffList},
};

constexpr SheetRow Item(std::string_view label, FeatureId id) { return Line(label, {id, 38, 56}); }

// Two columns of sections, 60 character widths apart; the lower sections
// start ten lines below the upper ones.
const SheetRow kLeftSections[] = {
    Block(60),
    Title(" System Features"),
    Item("Disable Roam", kDisableRoam),
    Item("Enable ATB Ring back", kAtbRingBack),
    Item("Enable PP Group scan", kPpGroupScan),
    Item("Interconnect companding", kCompanding),
    Item("Disable priority of Primary ID", kPrimaryPriority),
    Item("Home lookback", kHomeLookback),
    Item("Home lookback time", kLookbackTime),
    Item("RSSI for home lookback", kLookbackRssiOn),
    Item({}, kLookbackRssi),
    Block(60).Joined(),
    Title("  Roaming Timers"),
    Item("Roam Start delay", kRoamStart),
    Item("Roam site Search speed", kRoamSearch),
    Item("Roam resume time", kRoamResume),
    Item("Roam power up delay", kRoamPowerUp),
};
const SheetRow kRightSections[] = {
    Block(60),
    Title("  RSSI Features"),
    Item("RSSI Threshold", kRssiThreshold),
    Item("RSSI disable During receive", kRssiDuringReceive),
    Item("RSSI disable in threshold area", kRssiThresholdArea),
    Item("RSSI auto enable in threshold", kRssiAutoEnable),
    Item("Duration time", kRssiDuration),
    Item("RSSI for registered on", kRegisteredRssi),
    Item("RSSI for decoding OSM", kOsmRssi),
    Line({}),
    Line({}),
    Block(60).Joined(),
    Title("   Option"),
    Item("Inverted RX data", kRxDataInverted),
    Item("Inverted TX data", kTxDataInverted),
    Item("Enable UHF Band 5b", kBand5b),
    Item("Enable prefer last registered channel", kPreferLast),
};

std::string FeatureText(int z, int id) {
  const Feature& f = kFeatures[id];
  if (!f.list) return Number("%4ld sec", f.secondsPerUnit * long(f.field.Get(M(), z)));
  return Printed(*f.list, f.field, z);
}

// ---- a zone's page --------------------------------------------------------------------------

void TextAt(CPrinterDC& dc, int x, int y, const std::string& text) {
  int at = y;
  PrintLine(&dc, x, &at, 0, text, 0);
}

void PrintZonePage(CPrinterDC& dc, const SheetGeometry& sheet, int z) {
  CEditModel& m = M();
  const bool passPort = zf::kFormat.Get(m, z) == zf::kPassPort;
  dc.StartPage();
  const SheetGeometry& g = sheet;
  auto line = [&](int n) { return g.gap + n * g.pitch; };
  auto column = [&](int c) { return g.x + c * g.charW; };
  auto cells = [&](int labelLine, const std::vector<SheetLabelCell>& row) {
    PrintSheetCellRow(dc, g.charW, g.x, line(labelLine), g.pitch, row);
  };
  TextAt(dc, column(0), line(2), Number("ZONE No. %.3ld", z + 1L));

  std::vector<SheetLabelCell> first = {
      {"Number of Groups", 23, Number("%ld", long(zf::kGroupCount.Get(m, z)))},
      {"Zone format", 23, Printed(zf::kFormatList, zf::kFormat, z)},
      {"Alias", 23, zf::AliasText(m, z)}};
  if (passPort) first.push_back({"Talk Permit Tone", 23, Printed(zf::kDisableEnableList, zf::kTalkPermitTone, z)});
  first.push_back({"TX Timeout Timer", 23, Printed(zf::kTimerList, zf::kTxTimeout, z)});
  first.push_back({"TX Power", 23, Printed(zf::kTxPowerList, zf::kTxPower, z)});
  if (!passPort) first.push_back({"Revert Group", 23, RevertGroupText(m, z, zf::kRevertGroup.Get(m, z))});
  cells(3, first);

  int interconnectLine = 7;
  if (passPort) {
    // With the LTR captions, as the overview shows the zone: the LTR settings
    // in place of the PassPort identity, which an LTR radio does not keep.
    const bool ltrCaptions = gf::kLtrCaptions.Get(m) != 0;
    std::vector<SheetLabelCell> second = {{"Fixed DCC", 23, Printed(zf::kDisableEnableList, zf::kFixedDcc, z)},
                                          {"Digital color code", 23, Printed(zf::kDccList, zf::kDcc, z)}};
    if (ltrCaptions) {
      second.push_back({"Home Channel Number", 23, HomeRepeaterText(m, z)});
      second.push_back({"Multiple Group Decode", 23, Printed(zf::kDisableEnableList, zf::kMultipleGroupDecode, z)});
    } else {
      second.push_back({"Home System ID", 23, Number("%ld", long(zf::kHomeSystemId.Get(m, z)))});
      second.push_back({"Affiliated System ID", 23, Number("%ld", long(zf::kAffiliatedSystemId.Get(m, z)))});
    }
    cells(6, second);
    interconnectLine = 9;
    if (!ltrCaptions) {
      char frequency[48];
      std::snprintf(frequency, sizeof frequency, "%10.5f", HomeChannelFrequency(m, z));
      cells(9, {{"Mobile Identity Number", 46, Number("%ld", long(zf::kMobileId.Get(m, z)))},
                {"Home Channel Frequency", 46, frequency},
                {"Wide band /Narrow band", 46, Printed(zf::kBandwidthList, zf::kNarrow, z)}});
      interconnectLine = 12;
    }
  }

  TextAt(dc, column(40), line(interconnectLine), "Interconnect Setting");
  std::vector<SheetLabelCell> interconnect = {
      {"TX Timeout Timer", 23, Printed(zf::kTimerList, zf::kInterconnectTxTimeout, z)},
      {"Phone Interconnect", 23, Printed(zf::kDisableEnableList, zf::kPhoneInterconnect, z)}};
  if (!passPort) {
    std::string dial = tf::ConnectDialText(m, z);
    dial.resize(15, ' ');
    interconnect.push_back({"Connect Dial", 23, dial, true});
  }
  interconnect.push_back({"Disconnect Dial", 23, tf::DisconnectDialText(m, z), true});
  if (!passPort) {
    interconnect.push_back({"Interconnect Only Rx", 23, Printed(zf::kDisableEnableList, zf::kInterconnectOnlyRx, z)});
  }
  interconnect.push_back({"Auto Interconnect", 23, Printed(zf::kDisableEnableList, zf::kAutoInterconnect, z)});
  cells(interconnectLine + 1, interconnect);

  int y = line(interconnectLine + 4);
  if (passPort) {
    TextAt(dc, column(40), y, "Features");
    const int upper = y + g.pitch;
    const auto textOf = [z](int id) { return FeatureText(z, id); };
    PrintSheetRowsAt(dc, g.charW, column(0), g.pitch, upper, kLeftSections, textOf);
    PrintSheetRowsAt(dc, g.charW, column(60), g.pitch, upper, kRightSections, textOf);
    y = upper + 17 * g.pitch;
  }
  PrintLine(&dc, column(40), &y, g.pitch, "Group Setting", 1);
  if (passPort) {
    SheetFieldTable table = GroupsOf(z, kTalkGroupColumns);
    table.headerLines = 3;
    PrintSheetFieldTable(dc, g, &y, table);
  } else {
    // Without the PassPort captions the table has no TPAC column.
    const bool tpac = gf::kLtrCaptions.Get(m) == 0;
    SheetFieldTable table = GroupsOf(z, std::span(kGroupColumns).first(std::size(kGroupColumns) - (tpac ? 0 : 1)));
    table.spans = kSubAudible;
    table.headerLines = 6;
    table.blank = &NamesNoChannel;
    PrintSheetFieldTable(dc, g, &y, table);
  }
  dc.EndPage();
}

}  // namespace

void PrintZoneSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap) {
  for (int z = 0; z < kZoneCount; ++z) {
    if (zf::kInUse.Get(M(), z)) PrintZonePage(dc, {charW, x, pitch, gap}, z);
  }
}
