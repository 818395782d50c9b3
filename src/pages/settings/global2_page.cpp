#include "pages/settings/global2_page.h"

#include "model/conversions.h"
#include "model/global_fields.h"

namespace {

constexpr Choice kDisableEnable[] = {{"Disable", 0}, {"Enable", 1}};
constexpr ChoiceList kOffFirst{kDisableEnable, 0};
constexpr ChoiceList kOnFirst{kDisableEnable, 1};
constexpr Choice kOffOn[] = {{"Off", 0}, {"On", 1}};
constexpr ChoiceList kOffOnList{kOffOn, 0};
constexpr Choice kTxTime[] = {{"  5sec", 0},  {" 10sec", 1},  {" 15sec", 2},  {" 20sec", 3},
                              {" 25sec", 4},  {" 30sec", 5},  {" 35sec", 6},  {" 40sec", 7},
                              {" 45sec", 8},  {" 50sec", 9},  {" 55sec", 10}, {" 60sec", 11},
                              {" 65sec", 12}, {" 70sec", 13}, {" 75sec", 14}, {" 80sec", 15}};
constexpr ChoiceList kTxTimeList{kTxTime, 4};
constexpr Choice kRxTime[] = {{" 10sec", 0},  {" 20sec", 1},  {" 30sec", 2},  {" 40sec", 3},
                              {" 50sec", 4},  {" 60sec", 5},  {" 70sec", 6},  {" 80sec", 7},
                              {" 90sec", 8},  {"100sec", 9},  {"110sec", 10}, {"120sec", 11},
                              {"130sec", 12}, {"140sec", 13}, {"150sec", 14}, {"160sec", 15}};
constexpr ChoiceList kRxTimeList{kRxTime, 4};
constexpr Choice kEmergencyTime[] = {{" 10Min", 0},  {" 20Min", 1},  {" 30Min", 2},  {" 40Min", 3},
                                     {" 50Min", 4},  {" 60Min", 5},  {" 70Min", 6},  {" 80Min", 7},
                                     {" 90Min", 8},  {"100Min", 9},  {"110Min", 10}, {"120Min", 11},
                                     {"130Min", 12}, {"140Min", 13}, {"150Min", 14}, {"160Min", 15}};
constexpr ChoiceList kEmergencyTimeList{kEmergencyTime, 3};
constexpr Choice kLedBlink[] = {{"Off", 0}, {"Mode 1", 4}, {"Mode 2", 5}, {"Mode 3", 6}, {"User", 7}};
constexpr ChoiceList kLedBlinkList{kLedBlink, 0};
constexpr Choice kLedColor[] = {{"Green", 2}, {"Red", 1}, {"Yellow", 3}};
constexpr ChoiceList kLedColorList{kLedColor, 1, "Green"};
constexpr Choice kEmergencyKeyHold[] = {{"0.5s", 0}, {"1.0s", 1}, {"2.0s", 2}, {"3.0s", 3}};
constexpr ChoiceList kEmergencyKeyHoldList{kEmergencyKeyHold, 1};
constexpr Choice kPowerOn[] = {{"Back Up Zone/Grp", 0}, {"Zone 1", 1}};
constexpr ChoiceList kPowerOnList{kPowerOn, 0, "Zone 1"};
constexpr Choice kTotPenalty[] = {{"0sec", 0}, {"6sec", 1}, {"20sec", 2}, {"60sec", 3}};
constexpr ChoiceList kTotPenaltyList{kTotPenalty, 0};
constexpr Choice kTotRelease[] = {{"0sec", 0}, {"2sec", 1}, {"3sec", 2}, {"5sec", 3}};
constexpr ChoiceList kTotReleaseList{kTotRelease, 1};
constexpr Choice kSignalling[] = {{"without Noise SQL", 0}, {"with Noise SQL", 1}};
constexpr ChoiceList kSignallingList{kSignalling, 0};
constexpr Choice kTpacTxTime[] = {{"25sec", 0}, {"55sec", 1}};
constexpr ChoiceList kTpacTxTimeList{kTpacTxTime, 0};
constexpr Choice kTpacMode[] = {{"TRX", 0}, {"RX", 1}, {"TX", 2}};
constexpr ChoiceList kTpacModeList{kTpacMode, 0, "TX"};
constexpr Choice kKeyHold[] = {{"50ms", 0}, {"150ms", 1}, {"300ms", 2}, {"650ms", 3}};
constexpr ChoiceList kKeyHoldList{kKeyHold, 0};
constexpr Choice kSqlOffset[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3},   {"4", 4},   {"5", 5},  {"6", 6},
                                 {"7", 7}, {"8", 8}, {"9", 9}, {"10", 10}, {"11", 11}, {"12", 12}};
constexpr ChoiceList kSqlOffsetList{kSqlOffset, 9, "12"};
constexpr Choice kDataMode[] = {{"Disable", 1}, {"Enable", 2}};
constexpr ChoiceList kDataModeList{kDataMode, 0, "Enable"};

// The hidden microphone list shows and takes bit 5 of byte 205, the one bit of
// that byte no other list owns. The Test Mode list is shown empty and stores nothing.
const Binding kBindings[] = {
    ZoneList(IDC_G2_EMRG_ZONE, IDC_G2_EMRG_GROUP, gf::kEmergencyZone),
    GroupList(IDC_G2_EMRG_GROUP, IDC_G2_EMRG_ZONE, gf::kEmergencyGroup),
    Combo(IDC_G2_LOCK_OUT, gf::kEmergencyLockOut, kOffFirst),
    Dial(IDC_G2_CODE, gf::kEmergencyCode),
    Combo(IDC_G2_TX_TIME, gf::kEmergencyTxTime, kTxTimeList),
    Combo(IDC_G2_RX_TIME, gf::kEmergencyRxTime, kRxTimeList),
    Combo(IDC_G2_AF_MUTE, gf::kEmergencyAfMute, kOffFirst),
    Combo(IDC_G2_DISPLAY, gf::kEmergencyDisplay, kOffFirst),
    Combo(IDC_G2_LCD, gf::kEmergencyLcd, kOffFirst),
    Combo(IDC_G2_LED, gf::kEmergencyLed, kOffFirst),
    Combo(IDC_G2_LED_BLINK, gf::kEmergencyLedBlink, kLedBlinkList),
    Combo(IDC_G2_LED_COLOR, gf::kEmergencyLedColor, kLedColorList),
    Combo(IDC_G2_KEY_INHIBIT, gf::kKeyInhibit, kOffFirst),
    Combo(IDC_G2_RECEIVER_FLASH, gf::kReceiverFlash, kOffFirst),
    Combo(IDC_G2_SILENT_MODE, gf::kSilentMode, kOffOnList),
    Combo(IDC_G2_EMERGENCY_TIME, gf::kEmergencyTime, kEmergencyTimeList),
    Combo(IDC_G2_EMRG_KEY_HOLD, gf::kEmergencyKeyHold, kEmergencyKeyHoldList),
    Combo(IDC_G2_MICROPHONE, gf::kMicrophone, kOffFirst),
    Combo(IDC_G2_POWER_ON, gf::kPowerOnStatus, kPowerOnList),
    Combo(IDC_G2_TOT_PENALTY, gf::kTotPenalty, kTotPenaltyList),
    Combo(IDC_G2_TOT_RELEASE, gf::kTotRelease, kTotReleaseList),
    Combo(IDC_G2_SIGNAL_DECODE, gf::kSignalDecode, kSignallingList),
    Combo(IDC_G2_SQL_TAIL, gf::kSqlTail, kOnFirst),
    Combo(IDC_G2_TPAC_BEEP, gf::kTpacBeep, kOnFirst),
    Combo(IDC_G2_TPAC_TX_TIME, gf::kTpacTxTime, kTpacTxTimeList),
    Combo(IDC_G2_TPAC_MODE, gf::kTpacMode, kTpacModeList),
    Combo(IDC_G2_KEY_HOLD, gf::kKeyHold, kKeyHoldList),
    Combo(IDC_G2_SQL_OFFSET, gf::kSqlOffset, kSqlOffsetList),
    Combo(IDC_G2_CLONE, gf::kClone, kOffFirst),
    Combo(IDC_G2_PTT_INTERLOCK, gf::kPttInterlock, kOnFirst),
    Combo(IDC_G2_DATA_MODE, gf::kDataMode, kDataModeList),
    ZoneList(IDC_G2_HOME_ZONE, IDC_G2_HOME_GROUP, gf::kHomeZone, kBindWithPassPort),
    GroupList(IDC_G2_HOME_GROUP, IDC_G2_HOME_ZONE, gf::kHomeGroup),
    ZoneList(IDC_G2_SC1_ZONE, IDC_G2_SC1_GROUP, gf::kShortCutZone[0], kBindWithPassPort),
    GroupList(IDC_G2_SC1_GROUP, IDC_G2_SC1_ZONE, gf::kShortCutGroup[0], kBindPrintInUseOnly),
    ZoneList(IDC_G2_SC2_ZONE, IDC_G2_SC2_GROUP, gf::kShortCutZone[1], kBindWithPassPort),
    GroupList(IDC_G2_SC2_GROUP, IDC_G2_SC2_ZONE, gf::kShortCutGroup[1], kBindPrintInUseOnly),
    ZoneList(IDC_G2_SC3_ZONE, IDC_G2_SC3_GROUP, gf::kShortCutZone[2], kBindWithPassPort),
    GroupList(IDC_G2_SC3_GROUP, IDC_G2_SC3_ZONE, gf::kShortCutGroup[2], kBindPrintInUseOnly),
    ZoneList(IDC_G2_SC4_ZONE, IDC_G2_SC4_GROUP, gf::kShortCutZone[3], kBindWithPassPort),
    GroupList(IDC_G2_SC4_GROUP, IDC_G2_SC4_ZONE, gf::kShortCutGroup[3], kBindPrintInUseOnly),
    ZoneList(IDC_G2_DATA_ZONE, IDC_G2_DATA_GROUP, gf::kDataZone, kBindWithPassPort),
    GroupList(IDC_G2_DATA_GROUP, IDC_G2_DATA_ZONE, gf::kDataGroup),
};

bool IsType11() { return IsProductionType11(TheModel().store.ProductionType()); }

// The data settings belong to production type 11 radios.
const EnableRule kRules[] = {
    {IDC_G2_DATA_MODE, IsType11}, {IDC_G2_DATA_ZONE, IsType11}, {IDC_G2_DATA_GROUP, IsType11}};

}  // namespace

std::span<const Binding> Global2Bindings() { return kBindings; }

CGlobal2Page::CGlobal2Page(CWnd* pParent) : CFieldPage(IDD_GLOBAL2, kBindings, kRules, pParent) {
  RegisterGlobal2PageTemplate();
}
