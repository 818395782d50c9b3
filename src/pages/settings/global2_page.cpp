#include "pages/settings/global2_page.h"

#include "model/conversions.h"
#include "model/global_fields.h"
#include "model/global_lists.h"

namespace {

// The hidden microphone list shows and takes bit 5 of byte 205, the one bit of
// that byte no other list owns. The Test Mode list is shown empty and stores nothing.
const Binding kBindings[] = {
    ZoneList(IDC_G2_EMRG_ZONE, IDC_G2_EMRG_GROUP, gf::kEmergencyZone),
    GroupList(IDC_G2_EMRG_GROUP, IDC_G2_EMRG_ZONE, gf::kEmergencyGroup),
    Combo(IDC_G2_LOCK_OUT, gf::kEmergencyLockOut, kDisable0Enable1List),
    Dial(IDC_G2_CODE, gf::kEmergencyCode),
    Combo(IDC_G2_TX_TIME, gf::kEmergencyTxTime, gf::kTxTimeList),
    Combo(IDC_G2_RX_TIME, gf::kEmergencyRxTime, gf::kRxTimeList),
    Combo(IDC_G2_AF_MUTE, gf::kEmergencyAfMute, kDisable0Enable1List),
    Combo(IDC_G2_DISPLAY, gf::kEmergencyDisplay, kDisable0Enable1List),
    Combo(IDC_G2_LCD, gf::kEmergencyLcd, kDisable0Enable1List),
    Combo(IDC_G2_LED, gf::kEmergencyLed, kDisable0Enable1List),
    Combo(IDC_G2_LED_BLINK, gf::kEmergencyLedBlink, gf::kLedBlinkList),
    Combo(IDC_G2_LED_COLOR, gf::kEmergencyLedColor, gf::kLedColorList),
    Combo(IDC_G2_KEY_INHIBIT, gf::kKeyInhibit, kDisable0Enable1List),
    Combo(IDC_G2_RECEIVER_FLASH, gf::kReceiverFlash, kDisable0Enable1List),
    Combo(IDC_G2_SILENT_MODE, gf::kSilentMode, gf::kOffOnList),
    Combo(IDC_G2_EMERGENCY_TIME, gf::kEmergencyTime, gf::kEmergencyTimeList),
    Combo(IDC_G2_EMRG_KEY_HOLD, gf::kEmergencyKeyHold, gf::kEmergencyKeyHoldList),
    Combo(IDC_G2_MICROPHONE, gf::kMicrophone, kDisable0Enable1List),
    Combo(IDC_G2_POWER_ON, gf::kPowerOnStatus, gf::kPowerOnList),
    Combo(IDC_G2_TOT_PENALTY, gf::kTotPenalty, gf::kTotPenaltyList),
    Combo(IDC_G2_TOT_RELEASE, gf::kTotRelease, gf::kTotReleaseList),
    Combo(IDC_G2_SIGNAL_DECODE, gf::kSignalDecode, gf::kSignallingList),
    Combo(IDC_G2_SQL_TAIL, gf::kSqlTail, kDisable0Enable1OnList),
    Combo(IDC_G2_TPAC_BEEP, gf::kTpacBeep, kDisable0Enable1OnList),
    Combo(IDC_G2_TPAC_TX_TIME, gf::kTpacTxTime, gf::kTpacTxTimeList),
    Combo(IDC_G2_TPAC_MODE, gf::kTpacMode, gf::kTpacModeList),
    Combo(IDC_G2_KEY_HOLD, gf::kKeyHold, gf::kKeyHoldList),
    Combo(IDC_G2_SQL_OFFSET, gf::kSqlOffset, gf::kSqlOffsetList),
    Combo(IDC_G2_CLONE, gf::kClone, kDisable0Enable1List),
    Combo(IDC_G2_PTT_INTERLOCK, gf::kPttInterlock, kDisable0Enable1OnList),
    Combo(IDC_G2_DATA_MODE, gf::kDataMode, gf::kDataModeList),
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
bool Never() { return false; }

// The data settings belong to production type 11 radios; their group list only
// shows the record's group, on every radio.
const EnableRule kRules[] = {
    {IDC_G2_DATA_MODE, IsType11}, {IDC_G2_DATA_ZONE, IsType11}, {IDC_G2_DATA_GROUP, Never}};

}  // namespace

std::span<const Binding> Global2Bindings() { return kBindings; }

CGlobal2Page::CGlobal2Page(CWnd* pParent) : CFieldPage(IDD_GLOBAL2, kBindings, kRules, pParent) {
  RegisterGlobal2PageTemplate();
}
