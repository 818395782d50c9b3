#include "pages/settings/global1_page.h"

#include <optional>

#include "model/conversions.h"
#include "model/global_fields.h"
#include "model/global_lists.h"
#include "ui/messages.h"
#include "ui/page/page_registry.h"

namespace {

// "%d" of the stored byte times 10, then "msec"; typed: 0 to 2550 ms, rounded to 10 ms.
constexpr NumberFormat kLedTime{
    [](std::uint32_t code) { return std::to_string(code * 10) + "msec"; },
    [](const std::string& text) -> std::optional<std::uint32_t> {
      long v = 0;  // the text's leading digits, saturated far above any valid time
      for (char c : text) {
        if (c < '0' || c > '9' || v > 1000000) break;
        v = v * 10 + (c - '0');
      }
      if (v > 2550) return std::nullopt;
      return static_cast<std::uint32_t>((v + 5) / 10);
    }};

const Binding kBindings[] = {
    Combo(IDC_G1_MODEL, gf::kNamedModel, gf::kModelList),
    Combo(IDC_G1_LCD_ANGLE, gf::kLcdAngle, gf::kLcdAngleList),
    Combo(IDC_G1_CONFIGURE, gf::kConfigure, gf::kConfigureList),
    Combo(IDC_G1_BACK_LIGHT, gf::kBackLight, gf::kBackLightList),
    Combo(IDC_G1_DIMMER, gf::kDimmer, gf::kDimmerList),
    Combo(IDC_G1_CONTRAST, gf::kContrast, gf::kContrastList),
    Number(IDC_G1_LED_ON, gf::kLedOnTime, kLedTime, 4),
    Number(IDC_G1_LED_OFF, gf::kLedOffTime, kLedTime, 4),
    Combo(IDC_G1_RX_SAVE, gf::kRxSave, gf::kRxSaveList),
    Combo(IDC_G1_MIC_SENS, gf::kMicSens, gf::kMicSensList),
    Combo(IDC_G1_BEEP_LEVEL, gf::kBeepLevel, gf::kBeepLevelList),
    Combo(IDC_G1_SCAN_BEEP_AUDIBLE, gf::kScanBeep, kDisable0Enable1OnList),
    Combo(IDC_G1_LOW_BATTERY_ALERT, gf::kLowBatteryAlert, kDisable0Enable1OnList),
    Combo(IDC_G1_POWER_ON_TONE, gf::kPowerOnTone, kDisable0Enable1List),
    Combo(IDC_G1_CONTROLS_TONES, gf::kControlsTones, kDisable0Enable1List),
    Combo(IDC_G1_FUNCTIONAL_TONES, gf::kFunctionalTones, kDisable0Enable1List),
    Combo(IDC_G1_APO_TIME, gf::kApoTime, gf::kApoList),
    Combo(IDC_G1_TPAC_BEEP, gf::kTpacBeep, kDisable0Enable1OnList),
    Combo(IDC_G1_LOW_BATTERY, gf::kLowBatteryAlert, kDisable0Enable1List),
    Combo(IDC_G1_HIGH_BATTERY, gf::kHighBattery, kDisable0Enable1List),
    Combo(IDC_G1_LOCK_RESTRICTION, gf::kLockRestriction, gf::kLockList),
    Combo(IDC_G1_OFF_HOOK_SCAN, gf::kOffHookScan, kDisable0Enable1List),
    Combo(IDC_G1_OFF_HOOK_MONITOR, gf::kOffHookMonitor, kDisable0Enable1List),
    Combo(IDC_G1_OFF_HOOK_HORN, gf::kOffHookHorn, kEnable0Disable1List),
    Combo(IDC_G1_SYSTEM_SCAN, gf::kSystemScan, gf::kNoYesList),
    Combo(IDC_G1_ROTARY_SWITCH, gf::kRotarySwitch, gf::kRotaryList),
    Combo(IDC_G1_ZONE_SCAN, gf::kZoneScan, kDisable0Enable1List),
    Combo(IDC_G1_DUAL_WATCH_A, gf::kDualWatchA, gf::kDualWatchList),
    Combo(IDC_G1_DUAL_WATCH_B, gf::kDualWatchB, gf::kDualWatchList),
    Combo(IDC_G1_SCAN_RESUME_RX, gf::kScanResumeRx, gf::kResumeRxList),
    Combo(IDC_G1_SCAN_RESUME_TX, gf::kScanResumeTx, gf::kResumeTxList),
    Combo(IDC_G1_HOME_GRP_SCAN, gf::kHomeGroupScan, kDisable0Enable1List),
    Combo(IDC_G1_SCAN_EDIT, gf::kScanEdit, kDisable0Enable1OnList),
    Combo(IDC_G1_SCAN_BEEP_SCAN, gf::kScanBeep, kDisable0Enable1OnList),
    Combo(IDC_G1_REVERT_GROUP, gf::kRevertGroup, gf::kRevertList),
    Combo(IDC_G1_TALK_BACK, gf::kTalkBack, kDisable0Enable1OnList),
    Combo(IDC_G1_SCAN_DISPLAY, gf::kScanDisplay, gf::kScanDisplayList),
    Combo(IDC_G1_OPTION_BOARD, gf::kOptionBoard, gf::kOptionBoardList),
    Text(IDC_G1_PASSWORD, gf::kPassword, 8),
};

bool IsType11() { return IsProductionType11(TheModel().store.ProductionType()); }
bool IsNotType11() { return !IsType11(); }
bool Never() { return false; }
bool ModeM() { return MainDlgHooks().IsModeM(); }

// The lists of production type 11 radios and those of the others.
const EnableRule kRules[] = {
    {IDC_G1_LCD_ANGLE, Never},           {IDC_G1_CONFIGURE, IsType11},        {IDC_G1_BACK_LIGHT, IsType11},
    {IDC_G1_MIC_SENS, IsType11},         {IDC_G1_BEEP_LEVEL, IsType11},       {IDC_G1_OFF_HOOK_SCAN, IsType11},
    {IDC_G1_OFF_HOOK_MONITOR, IsType11}, {IDC_G1_OFF_HOOK_HORN, IsType11},    {IDC_G1_ROTARY_SWITCH, IsNotType11},
    {IDC_G1_RX_SAVE, IsNotType11},       {IDC_G1_LOW_BATTERY_ALERT, IsNotType11}, {IDC_G1_OPTION_BOARD, ModeM},
};

}  // namespace

std::span<const Binding> Global1Bindings() { return kBindings; }

BEGIN_MESSAGE_MAP(CGlobal1Page, CFieldPage)
  ON_CBN_SELCHANGE(IDC_G1_MODEL, OnSelchangeModel)
END_MESSAGE_MAP()

CGlobal1Page::CGlobal1Page(CWnd* pParent) : CFieldPage(IDD_GLOBAL1, kBindings, kRules, pParent) {
  RegisterGlobal1PageTemplate();
}

void CGlobal1Page::OnRefresh() {
  CWnd* main = GetParentOwner();
  if (main && main != this) {
    main->SendMessage(WM_MODEL_CHANGED, 0, SendDlgItemMessage(IDC_G1_MODEL, CB_GETCURSEL));
  }
}

void CGlobal1Page::OnSelchangeModel() {
  const Binding& model = *FindBinding(Bindings(), IDC_G1_MODEL);
  const LRESULT index = SendDlgItemMessage(IDC_G1_MODEL, CB_GETCURSEL);
  // A cancelled save prompt, or nothing selected: the list shows the record again.
  if (!MainDlgHooks().QuerySaveChanges() || index != 0) {
    BindingSet().RefreshBinding(model);
    return;
  }
  CWnd* main = GetParentOwner();
  if (main && main != this) main->SendMessage(WM_MODEL_CHANGED, 0, index);
  TheModel().ChangeModel(kUhfHardware, MainDlgHooks().StartFolder());
  // New data, also when the default file could not be loaded and no load said so.
  MainDlgHooks().DataReplaced();
  UpdateControls();
}
