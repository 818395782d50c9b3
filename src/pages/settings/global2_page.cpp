#include "pages/settings/global2_page.h"

#include <array>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "res/page_global2.h"
#include "ui/choice/choice_list_adapter.h"
#include "ui/messages.h"

namespace {

// ---- the plain lists ----------------------------------------------------------------------------

constexpr std::string_view kDisableEnable[] = {"Disable", "Enable"};
constexpr ValueTable<2> kOffFirst{0, {0, 1}};
constexpr ValueTable<2> kOnFirst{1, {0, 1}};
constexpr std::string_view kTxTimes[] = {"  5sec", " 10sec", " 15sec", " 20sec", " 25sec", " 30sec",
                                         " 35sec", " 40sec", " 45sec", " 50sec", " 55sec", " 60sec",
                                         " 65sec", " 70sec", " 75sec", " 80sec"};
constexpr std::string_view kRxTimes[] = {" 10sec", " 20sec", " 30sec", " 40sec", " 50sec", " 60sec",
                                         " 70sec", " 80sec", " 90sec", "100sec", "110sec", "120sec",
                                         "130sec", "140sec", "150sec", "160sec"};
constexpr std::string_view kEmergencyTimes[] = {" 10Min", " 20Min", " 30Min", " 40Min", " 50Min", " 60Min",
                                                " 70Min", " 80Min", " 90Min", "100Min", "110Min", "120Min",
                                                "130Min", "140Min", "150Min", "160Min"};
constexpr ValueTable<16> kSixteenFrom4{4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
constexpr ValueTable<16> kSixteenFrom3{3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};
constexpr std::string_view kLedBlink[] = {"Off", "Mode 1", "Mode 2", "Mode 3", "User"};
constexpr ValueTable<5> kLedBlinkCodes{0, {0, 4, 5, 6, 7}};
constexpr std::string_view kLedColor[] = {"Green", "Red", "Yellow"};
constexpr ValueTable<3> kLedColorCodes{1, {2, 1, 3}};
constexpr std::string_view kOffOn[] = {"Off", "On"};
constexpr std::string_view kEmergencyKeyHold[] = {"0.5s", "1.0s", "2.0s", "3.0s"};
constexpr ValueTable<4> kFourFrom1{1, {0, 1, 2, 3}};
constexpr ValueTable<4> kFourFrom0{0, {0, 1, 2, 3}};
constexpr std::string_view kPowerOn[] = {"Back Up Zone/Grp", "Zone 1"};
constexpr std::string_view kTotPenalty[] = {"0sec", "6sec", "20sec", "60sec"};
constexpr std::string_view kTotRelease[] = {"0sec", "2sec", "3sec", "5sec"};
constexpr std::string_view kSignalling[] = {"without Noise SQL", "with Noise SQL"};
constexpr std::string_view kTpacTxTime[] = {"25sec", "55sec"};
constexpr std::string_view kTpacMode[] = {"TRX", "RX", "TX"};
constexpr ValueTable<3> kThreeFrom0{0, {0, 1, 2}};
constexpr std::string_view kKeyHold[] = {"50ms", "150ms", "300ms", "650ms"};
constexpr std::string_view kSqlOffset[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
constexpr ValueTable<13> kSqlOffsetCodes{9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}};
constexpr ValueTable<2> kDataModeCodes{0, {1, 2}};

CGlobalSettings& G() { return TheModel().global; }
std::uint8_t& B43() { return G().byte43; }
std::uint8_t& B200() { return G().byte200; }
std::uint8_t& B202() { return G().byte202; }
std::uint8_t& B204() { return G().byte204; }
std::uint8_t& B205() { return G().byte205; }
std::uint8_t& B206() { return G().byte206; }
std::uint8_t& B207() { return G().byte207; }
std::uint8_t& B208() { return G().byte208; }
std::uint8_t& B209() { return G().byte209; }
std::uint8_t& B213() { return G().byte213; }
std::uint8_t& B233() { return G().byte233; }
std::uint8_t& B705() { return G().byte705; }
std::uint8_t& B757() { return G().byte757; }

// In the order of the refresh; Lock Out first, as the emergency code follows it.
// The hidden microphone list shows and takes bit 5 of byte 205, the one bit
// of that byte no other list owns.
const ComboField kFields[] = {
    {IDC_G2_LOCK_OUT, kDisableEnable, kOffFirst, &B209, 0x20},
    {IDC_G2_TX_TIME, kTxTimes, kSixteenFrom4, &B206, 0x0F},
    {IDC_G2_RX_TIME, kRxTimes, kSixteenFrom4, &B206, 0xF0},
    {IDC_G2_AF_MUTE, kDisableEnable, kOffFirst, &B207, 0x40},
    {IDC_G2_DISPLAY, kDisableEnable, kOffFirst, &B705, 0x10},
    {IDC_G2_LCD, kDisableEnable, kOffFirst, &B207, 0x20},
    {IDC_G2_LED, kDisableEnable, kOffFirst, &B207, 0x10},
    {IDC_G2_LED_BLINK, kLedBlink, kLedBlinkCodes, &B757, 0x70},
    {IDC_G2_LED_COLOR, kLedColor, kLedColorCodes, &B757, 0x06},
    {IDC_G2_KEY_INHIBIT, kDisableEnable, kOffFirst, &B705, 0x20},
    {IDC_G2_RECEIVER_FLASH, kDisableEnable, kOffFirst, &B705, 0x08},
    {IDC_G2_SILENT_MODE, kOffOn, kOffFirst, &B757, 0x80},
    {IDC_G2_EMERGENCY_TIME, kEmergencyTimes, kSixteenFrom3, &B207, 0x0F},
    {IDC_G2_EMRG_KEY_HOLD, kEmergencyKeyHold, kFourFrom1, &B209, 0xC0},
    {IDC_G2_MICROPHONE, kDisableEnable, kOffFirst, &B205, 0x20},
    {IDC_G2_POWER_ON, kPowerOn, kOffFirst, &B208, 0xE0},
    {IDC_G2_TOT_PENALTY, kTotPenalty, kFourFrom0, &B200, 0x0C},
    {IDC_G2_TOT_RELEASE, kTotRelease, kFourFrom1, &B200, 0x03},
    {IDC_G2_SIGNAL_DECODE, kSignalling, kOffFirst, &B213, 0x01},
    {IDC_G2_SQL_TAIL, kDisableEnable, kOnFirst, &B205, 0x40},
    {IDC_G2_TPAC_BEEP, kDisableEnable, kOnFirst, &B202, 0x08},
    {IDC_G2_TPAC_TX_TIME, kTpacTxTime, kOffFirst, &B202, 0x04},
    {IDC_G2_TPAC_MODE, kTpacMode, kThreeFrom0, &B705, 0x03},
    {IDC_G2_KEY_HOLD, kKeyHold, kFourFrom0, &B205, 0x0C},
    {IDC_G2_SQL_OFFSET, kSqlOffset, kSqlOffsetCodes, &B43, 0x0F},
    {IDC_G2_CLONE, kDisableEnable, kOffFirst, &B205, 0x01},
    {IDC_G2_PTT_INTERLOCK, kDisableEnable, kOnFirst, &B204, 0x04},
    {IDC_G2_DATA_MODE, kDisableEnable, kDataModeCodes, &B233, 0x60},
};
constexpr std::size_t kFieldCount = std::size(kFields);
static_assert(kFieldCount + 1 == 29, "the plain lists and the empty Test Mode list");

// ---- the zone and group pairs -------------------------------------------------------------------

struct PairSpec {
  int zoneId;
  int groupId;
  std::uint8_t& (*zone)();
  std::uint8_t& (*group)();
  bool withPassPort;
};

const PairSpec kPairs[CGlobal2Page::kPairCount] = {
    {IDC_G2_EMRG_ZONE, IDC_G2_EMRG_GROUP, []() -> std::uint8_t& { return G().emergencySystem; },
     []() -> std::uint8_t& { return G().emergencyGroup; }, false},
    {IDC_G2_HOME_ZONE, IDC_G2_HOME_GROUP, []() -> std::uint8_t& { return G().homeSystem; },
     []() -> std::uint8_t& { return G().homeGroup; }, true},
    {IDC_G2_SC1_ZONE, IDC_G2_SC1_GROUP, []() -> std::uint8_t& { return G().shortCutZone[0]; },
     []() -> std::uint8_t& { return G().shortCutGroup[0]; }, true},
    {IDC_G2_SC2_ZONE, IDC_G2_SC2_GROUP, []() -> std::uint8_t& { return G().shortCutZone[1]; },
     []() -> std::uint8_t& { return G().shortCutGroup[1]; }, true},
    {IDC_G2_SC3_ZONE, IDC_G2_SC3_GROUP, []() -> std::uint8_t& { return G().shortCutZone[2]; },
     []() -> std::uint8_t& { return G().shortCutGroup[2]; }, true},
    {IDC_G2_SC4_ZONE, IDC_G2_SC4_GROUP, []() -> std::uint8_t& { return G().shortCutZone[3]; },
     []() -> std::uint8_t& { return G().shortCutGroup[3]; }, true},
    {IDC_G2_DATA_ZONE, IDC_G2_DATA_GROUP, []() -> std::uint8_t& { return G().dataZone; },
     []() -> std::uint8_t& { return G().dataGroup; }, true},
};

// Position -> zone and position -> group of each pair's lists. They outlive
// the page's window.
ListIndexMap g_zoneMaps[CGlobal2Page::kPairCount];
ListIndexMap g_groupMaps[CGlobal2Page::kPairCount];

int PairOfZoneList(UINT id) {
  for (int p = 0; p < CGlobal2Page::kPairCount; ++p) {
    if (kPairs[p].zoneId == static_cast<int>(id)) return p;
  }
  return -1;
}
int PairOfGroupList(UINT id) {
  for (int p = 0; p < CGlobal2Page::kPairCount; ++p) {
    if (kPairs[p].groupId == static_cast<int>(id)) return p;
  }
  return -1;
}

// ---- captions -----------------------------------------------------------------------------------

struct Caption {
  int id;
  const char* text;
};
const Caption kCaptions[] = {
    {IDC_G2_CAP_EMERGENCY, "Emergency"},
    {IDC_G2_CAP_ZONE_GROUP, "Zone/Group"},
    {IDC_G2_CAP_LOCK_OUT, "Lock Out"},
    {IDC_G2_CAP_CODE, "Code"},
    {IDC_G2_CAP_TX_TIME, "Tx Time"},
    {IDC_G2_CAP_RX_TIME, "Rx Time"},
    {IDC_G2_CAP_AF_MUTE, "EMRG. AF Mute"},
    {IDC_G2_CAP_LCD, "LCD"},
    {IDC_G2_CAP_LED, "LED"},
    {IDC_G2_CAP_EMERGENCY_TIME, "Emergency Time"},
    {IDC_G2_CAP_EMRG_KEY_HOLD, "Key Holding Time"},
    {IDC_G2_CAP_POWER_ON, "Power On Status"},
    {IDC_G2_CAP_TX_GUARD, "Transmission guard"},
    {IDC_G2_CAP_TOT_PENALTY, "T.O.T Penalty Time"},
    {IDC_G2_CAP_TOT_RELEASE, "T.O.T Release Time"},
    {IDC_G2_CAP_TPAC, "TPAC Option"},
    {IDC_G2_CAP_TPAC_BEEP, "TPAC Beep"},
    {IDC_G2_CAP_TPAC_TX_TIME, "TPAC Tx Time"},
    {IDC_G2_CAP_ADVANCED, "Radio Advanced Setting"},
    {IDC_G2_CAP_KEY_HOLD, "Key Holding Time"},
    {IDC_G2_CAP_SQL_OFFSET, "SQL. Level Offset"},
    {IDC_G2_CAP_TEST_MODE, "Test Mode"},
    {IDC_G2_CAP_CLONE, "Clone"},
    {IDC_G2_CAP_PTT_INTERLOCK, "PTT Interlock"},
    {IDC_G2_CAP_HOME, "Home"},
    {IDC_G2_CAP_ZONE, "Zone"},
    {IDC_G2_CAP_GROUP, "Group"},
    {IDC_G2_CAP_SC1, "Short cut #1"},
    {IDC_G2_CAP_SC2, "Short cut #2"},
    {IDC_G2_CAP_SC3, "Short cut #3"},
    {IDC_G2_CAP_SC4, "Short cut #4"},
    {IDC_G2_CAP_DATA, "Data"},
};
constexpr int kBoldCaptions[] = {IDC_G2_CAP_EMERGENCY, IDC_G2_CAP_POWER_ON, IDC_G2_CAP_TX_GUARD, IDC_G2_CAP_TPAC,
                                 IDC_G2_CAP_ADVANCED,  IDC_G2_CAP_HOME,     IDC_G2_CAP_SC1,      IDC_G2_CAP_SC2,
                                 IDC_G2_CAP_SC3,       IDC_G2_CAP_SC4,      IDC_G2_CAP_DATA,     IDC_G2_CAP_SPECIAL};

constexpr std::uint8_t kNone = 255;  // no zone, no group

bool IsType11() { return IsProductionType11(TheModel().store.ProductionType()); }

// The emergency code: the length in the high nibble of its first byte, digit
// place i in byte (i + 1) / 2, the low nibble for even places, the high one for odd.
constexpr int kCodePlaces = 15;
int CodeDigit(const std::array<std::uint8_t, 8>& code, int place) {
  const std::uint8_t byte = code[static_cast<std::size_t>((place + 1) / 2)];
  return (place % 2 == 0) ? (byte & 0x0F) : (byte >> 4);
}
void SetCodeDigit(std::array<std::uint8_t, 8>& code, int place, int value) {
  std::uint8_t& byte = code[static_cast<std::size_t>((place + 1) / 2)];
  const auto v = static_cast<std::uint8_t>(value & 0x0F);
  byte = (place % 2 == 0) ? static_cast<std::uint8_t>((byte & 0xF0) | v)
                          : static_cast<std::uint8_t>((byte & 0x0F) | (v << 4));
}

}  // namespace

// ---- the page -----------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CGlobal2Page, CScrollPage)
  ON_WM_SHOWWINDOW()
  ON_CONTROL_RANGE(CBN_SELCHANGE, 1000, 12999, OnListChange)
  ON_EN_SETFOCUS(IDC_G2_CODE, OnCodeSetFocus)
  ON_MESSAGE(WM_HEXEDIT_CHANGE, OnCodeCommit)
END_MESSAGE_MAP()

CGlobal2Page::CGlobal2Page(CWnd* pParent) : CScrollPage(IDD_GLOBAL2, pParent) {
  RegisterGlobal2PageTemplate();
  // The code takes the digits, A to D and '*' and '#'.
  m_code.AddAllowedChar('*');
  m_code.AddAllowedChar('#');
  for (char c : {'e', 'f', 'E', 'F'}) m_code.AddRefusedChar(c);
}

CGlobal2Page::~CGlobal2Page() = default;

void CGlobal2Page::DoDataExchange(CDataExchange* pDX) {
  CScrollPage::DoDataExchange(pDX);
  for (std::size_t i = 0; i < kFieldCount; ++i) DDX_Control(pDX, kFields[i].id, m_lists[i]);
  DDX_Control(pDX, IDC_G2_TEST_MODE, m_lists[kFieldCount]);
  for (int p = 0; p < kPairCount; ++p) {
    DDX_Control(pDX, kPairs[p].zoneId, m_zoneLists[p]);
    DDX_Control(pDX, kPairs[p].groupId, m_groupLists[p]);
  }
}

BOOL CGlobal2Page::OnInitDialog() {
  CScrollPage::OnInitDialog();
  m_code.SubclassDlgItem(IDC_G2_CODE, this);
  m_code.SetEditParams(GetSafeHwnd(), kCodePlaces);
  m_hAccel = LoadPageAccelerator();
  for (const Caption& c : kCaptions) SetDlgItemText(c.id, c.text);
  m_boldFont = GetFont();
  m_boldFont.setWeight(QFont::Bold);
  for (int id : kBoldCaptions) {
    if (CWnd* caption = GetDlgItem(id)) caption->SetFont(m_boldFont, TRUE);
  }
  UpdateControls();
  return TRUE;
}

BOOL CGlobal2Page::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

void CGlobal2Page::OnShowWindow(BOOL bShow, UINT nStatus) {
  CScrollPage::OnShowWindow(bShow, nStatus);
  UpdateControls();
}

void CGlobal2Page::UpdateControls() {
  if (!GetSafeHwnd()) return;
  const std::span<const ComboField> fields(kFields);
  RefreshPair(kEmergency);
  RefreshComboFields(this, fields.first(1));
  SetDlgItemText(IDC_G2_CODE, FormatEmergencyCode());
  RefreshComboFields(this, fields.subspan(1));
  for (int p = kHome; p < kPairCount; ++p) RefreshPair(p);
  if (IsType11()) {
    GetDlgItem(IDC_G2_DATA_MODE)->EnableWindow(TRUE);
    GetDlgItem(IDC_G2_DATA_ZONE)->EnableWindow(TRUE);
  } else {
    GetDlgItem(IDC_G2_DATA_MODE)->EnableWindow(FALSE);
    GetDlgItem(IDC_G2_DATA_ZONE)->EnableWindow(FALSE);
    GetDlgItem(IDC_G2_DATA_GROUP)->EnableWindow(FALSE);
  }
}

void CGlobal2Page::RefreshPair(int pair) {
  const PairSpec& spec = kPairs[pair];
  CComboBox& zoneList = m_zoneLists[pair];
  zoneList.SendMessage(CB_RESETCONTENT);
  CChoiceListAdapter adapter(zoneList);
  const CChannelStore& store = TheModel().store;
  if (spec.withPassPort) {
    store.FillZoneCombo(adapter, g_zoneMaps[pair], spec.zone());
  } else {
    store.FillNonPassPortZoneCombo(adapter, g_zoneMaps[pair], spec.zone());
  }
  RefillGroups(pair);
}

void CGlobal2Page::RefillGroups(int pair) {
  CChoiceListAdapter adapter(m_groupLists[pair]);
  TheModel().store.FillGroupCombo(adapter, g_groupMaps[pair], kPairs[pair].group(), kPairs[pair].zone());
}

void CGlobal2Page::OnListChange(UINT nID) {
  if (PairOfZoneList(nID) >= 0) {
    OnZoneChange(nID);
  } else if (PairOfGroupList(nID) >= 0) {
    OnGroupChange(nID);
  } else {
    CommitComboField(this, kFields, static_cast<int>(nID));  // Test Mode has no field: nothing happens
  }
}

void CGlobal2Page::OnZoneChange(UINT nID) {
  const int pair = PairOfZoneList(nID);
  if (pair < 0) return;
  const int sel = m_zoneLists[pair].GetCurSel();
  // No entry chosen: nothing to store.
  if (sel < 0 || static_cast<std::size_t>(sel) >= kListIndexMapSize) return;
  const auto zone = static_cast<std::uint8_t>(g_zoneMaps[pair][static_cast<std::size_t>(sel)]);
  const PairSpec& spec = kPairs[pair];
  if (zone != spec.zone()) spec.group() = kNone;
  spec.zone() = zone;
  RefillGroups(pair);
  g_bModified = 1;
}

void CGlobal2Page::OnGroupChange(UINT nID) {
  const int pair = PairOfGroupList(nID);
  if (pair < 0) return;
  const int sel = m_groupLists[pair].GetCurSel();
  if (sel < 0 || static_cast<std::size_t>(sel) >= kListIndexMapSize) return;
  kPairs[pair].group() = static_cast<std::uint8_t>(g_groupMaps[pair][static_cast<std::size_t>(sel)]);
  g_bModified = 1;
}

void CGlobal2Page::OnCodeSetFocus() { m_code.PostMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1)); }

LRESULT CGlobal2Page::OnCodeCommit(WPARAM wParam, LPARAM) {
  if (static_cast<int>(wParam) == IDC_G2_CODE) StoreEmergencyCode(GetDlgItemText(IDC_G2_CODE));
  return 0;
}

std::string CGlobal2Page::FormatEmergencyCode() {
  const auto& code = G().emergencyCode;
  const int length = code[0] >> 4;
  std::string text(kCodePlaces, ' ');
  for (int i = 0; i < length; ++i) {
    const int v = CodeDigit(code, i);
    if (v == 14) {
      text[static_cast<std::size_t>(i)] = '*';
    } else if (v == 15) {
      text[static_cast<std::size_t>(i)] = '#';
    } else {
      char digit[4];
      std::snprintf(digit, sizeof digit, "%X", v);
      text[static_cast<std::size_t>(i)] = digit[0];
    }
  }
  return text;
}

void CGlobal2Page::StoreEmergencyCode(const std::string& text) {
  std::array<std::uint8_t, 8> code{};
  int length = -1;
  for (int i = 0; i < kCodePlaces; ++i) {
    int v = 0;
    if (static_cast<std::size_t>(i) >= text.size() || text[static_cast<std::size_t>(i)] == ' ') {
      if (length < 0) length = i;
    } else {
      const char c = text[static_cast<std::size_t>(i)];
      v = c == '*' ? 14 : c == '#' ? 15 : HexCharToValue(c);
    }
    // Only the digit's own four bits: a stray character cannot spill into its neighbour.
    SetCodeDigit(code, i, v);
  }
  if (length < 0) length = kCodePlaces;
  code[0] = static_cast<std::uint8_t>((code[0] & 0x0F) | (length << 4));
  G().emergencyCode = code;
  g_bModified = 1;
}

void CGlobal2Page::PrintSheet(CPrinterDC* pDC, int charW, int x, int pitch, int gap) const {
  PrintGlobal2Sheet(pDC, charW, x, pitch, gap);
}
