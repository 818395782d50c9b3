#include "pages/settings/global1_page.h"

#include <optional>

#include "model/conversions.h"
#include "model/global_fields.h"
#include "ui/messages.h"
#include "ui/page/page_registry.h"

namespace {

constexpr Choice kOnOff[] = {{"Disable", 0}, {"Enable", 1}};
constexpr ChoiceList kOffFirst{kOnOff, 0};
constexpr ChoiceList kOnFirst{kOnOff, 1};
constexpr Choice kModel[] = {{kGlobal1ModelName, 1}};
constexpr ChoiceList kModelList{kModel, -1};
constexpr Choice kLcdAngle[] = {{"Normal", 0}, {"Invert", 1}};
constexpr ChoiceList kLcdAngleList{kLcdAngle, 1};
constexpr Choice kConfigure[] = {{"Disable", 0},
                                 {"Alternative with tag time (1 sec)", 2},
                                 {"Alternative with tag time (2 sec)", 4},
                                 {"Alternative with tag time (3 sec)", 6}};
constexpr ChoiceList kConfigureList{kConfigure, 0, ""};
constexpr Choice kBackLight[] = {{"Continuous", 0}, {"Key On, Called", 1}};
constexpr ChoiceList kBackLightList{kBackLight, 0, "Key On, Called"};
constexpr Choice kDimmer[] = {{"DM1", 0}, {"DM2", 1}, {"DM3", 2}, {"DM4", 3}};
constexpr ChoiceList kDimmerList{kDimmer, 0};
constexpr Choice kContrast[] = {{"0", 0}, {"1", 1}, {"2", 2},   {"3", 3},   {"4", 4},   {"5", 5},   {"6", 6},   {"7", 7},
                                {"8", 8}, {"9", 9}, {"10", 10}, {"11", 11}, {"12", 12}, {"13", 13}, {"14", 14}, {"15", 15}};
constexpr ChoiceList kContrastList{kContrast, 0};
constexpr Choice kRxSave[] = {{"ABS", 0}, {"1:1", 1}, {"1:2", 2}, {"1:3", 3},
                              {"1:4", 4}, {"1:5", 5}, {"1:6", 6}, {"1:7", 7}};
constexpr ChoiceList kRxSaveList{kRxSave, 0};
constexpr Choice kMicSens[] = {{"+10db", 253}, {"+6db", 160}, {"+3db", 113}, {"Standard", 80},
                               {"-3db", 57},   {"-6db", 40},  {"-10db", 25}};
constexpr ChoiceList kMicSensList{kMicSens, 0, "-10db"};
constexpr Choice kBeepLevel[] = {{"Low", 32}, {"Middle", 64}, {"High", 160}};
constexpr ChoiceList kBeepLevelList{kBeepLevel, 0, "High"};
constexpr Choice kApo[] = {{"Disable", 0}, {"0.5h", 1}, {"1h", 2}, {"8h", 3}};
constexpr ChoiceList kApoList{kApo, 0};
constexpr Choice kLock[] = {{"Panel Keys", 1}, {"Panel Keys + PTT", 3}};
constexpr ChoiceList kLockList{kLock, 0};
constexpr Choice kHorn[] = {{"Enable", 0}, {"Disable", 1}};
constexpr ChoiceList kHornList{kHorn, 0};
constexpr Choice kNoYes[] = {{"No", 0}, {"Yes", 1}};
constexpr ChoiceList kNoYesList{kNoYes, 0};
constexpr Choice kRotary[] = {{"Group select", 0}, {"System select", 1}};
constexpr ChoiceList kRotaryList{kRotary, 0};
constexpr Choice kDualWatch[] = {{"0.7sec", 7},  {"1.0sec", 10}, {"1.5sec", 15}, {"2.0sec", 20}, {"2.5sec", 25},
                                 {"3.0sec", 30}, {"3.5sec", 35}, {"4.0sec", 40}, {"5.0sec", 50}};
constexpr ChoiceList kDualWatchList{kDualWatch, 0};
constexpr Choice kResumeRx[] = {{"250ms", 0},  {"500ms", 1},  {"1sec", 2},   {"2sec", 3},   {"3sec", 4},   {"4sec", 5},
                                {"5sec", 6},   {"6sec", 7},   {"7sec", 8},   {"8sec", 9},   {"9sec", 10},  {"10sec", 11},
                                {"11sec", 12}, {"12sec", 13}, {"13sec", 14}, {"14sec", 15}};
constexpr ChoiceList kResumeRxList{kResumeRx, 3};
constexpr Choice kResumeTx[] = {{"2sec", 0},   {"3sec", 1},   {"4sec", 2},   {"5sec", 3},   {"6sec", 4},   {"7sec", 5},
                                {"8sec", 6},   {"9sec", 7},   {"10sec", 8},  {"15sec", 9},  {"20sec", 10}, {"25sec", 11},
                                {"30sec", 12}, {"40sec", 13}, {"50sec", 14}, {"60sec", 15}};
constexpr ChoiceList kResumeTxList{kResumeTx, 3};
constexpr Choice kRevert[] = {{"Start Group", 0}, {"Last Busy", 3}};
constexpr ChoiceList kRevertList{kRevert, 0};
constexpr Choice kScanDisplay[] = {{"Revert Grp", 0}, {"- SCAN -", 1}};
constexpr ChoiceList kScanDisplayList{kScanDisplay, 1};
constexpr Choice kOptionBoard[] = {{"OPM-410", 4}, {"OPB-83", 3}, {"None", 0}};
constexpr ChoiceList kOptionBoardList{kOptionBoard, 0};

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
    Combo(IDC_G1_MODEL, gf::kNamedModel, kModelList),
    Combo(IDC_G1_LCD_ANGLE, gf::kLcdAngle, kLcdAngleList),
    Combo(IDC_G1_CONFIGURE, gf::kConfigure, kConfigureList),
    Combo(IDC_G1_BACK_LIGHT, gf::kBackLight, kBackLightList),
    Combo(IDC_G1_DIMMER, gf::kDimmer, kDimmerList),
    Combo(IDC_G1_CONTRAST, gf::kContrast, kContrastList),
    Number(IDC_G1_LED_ON, gf::kLedOnTime, kLedTime, 4),
    Number(IDC_G1_LED_OFF, gf::kLedOffTime, kLedTime, 4),
    Combo(IDC_G1_RX_SAVE, gf::kRxSave, kRxSaveList),
    Combo(IDC_G1_MIC_SENS, gf::kMicSens, kMicSensList),
    Combo(IDC_G1_BEEP_LEVEL, gf::kBeepLevel, kBeepLevelList),
    Combo(IDC_G1_SCAN_BEEP_AUDIBLE, gf::kScanBeep, kOnFirst),
    Combo(IDC_G1_LOW_BATTERY_ALERT, gf::kLowBatteryAlert, kOnFirst),
    Combo(IDC_G1_POWER_ON_TONE, gf::kPowerOnTone, kOffFirst),
    Combo(IDC_G1_CONTROLS_TONES, gf::kControlsTones, kOffFirst),
    Combo(IDC_G1_FUNCTIONAL_TONES, gf::kFunctionalTones, kOffFirst),
    Combo(IDC_G1_APO_TIME, gf::kApoTime, kApoList),
    Combo(IDC_G1_TPAC_BEEP, gf::kTpacBeep, kOnFirst),
    Combo(IDC_G1_LOW_BATTERY, gf::kLowBatteryAlert, kOffFirst),
    Combo(IDC_G1_HIGH_BATTERY, gf::kHighBattery, kOffFirst),
    Combo(IDC_G1_LOCK_RESTRICTION, gf::kLockRestriction, kLockList),
    Combo(IDC_G1_OFF_HOOK_SCAN, gf::kOffHookScan, kOffFirst),
    Combo(IDC_G1_OFF_HOOK_MONITOR, gf::kOffHookMonitor, kOffFirst),
    Combo(IDC_G1_OFF_HOOK_HORN, gf::kOffHookHorn, kHornList),
    Combo(IDC_G1_SYSTEM_SCAN, gf::kSystemScan, kNoYesList),
    Combo(IDC_G1_ROTARY_SWITCH, gf::kRotarySwitch, kRotaryList),
    Combo(IDC_G1_ZONE_SCAN, gf::kZoneScan, kOffFirst),
    Combo(IDC_G1_DUAL_WATCH_A, gf::kDualWatchA, kDualWatchList),
    Combo(IDC_G1_DUAL_WATCH_B, gf::kDualWatchB, kDualWatchList),
    Combo(IDC_G1_SCAN_RESUME_RX, gf::kScanResumeRx, kResumeRxList),
    Combo(IDC_G1_SCAN_RESUME_TX, gf::kScanResumeTx, kResumeTxList),
    Combo(IDC_G1_HOME_GRP_SCAN, gf::kHomeGroupScan, kOffFirst),
    Combo(IDC_G1_SCAN_EDIT, gf::kScanEdit, kOnFirst),
    Combo(IDC_G1_SCAN_BEEP_SCAN, gf::kScanBeep, kOnFirst),
    Combo(IDC_G1_REVERT_GROUP, gf::kRevertGroup, kRevertList),
    Combo(IDC_G1_TALK_BACK, gf::kTalkBack, kOnFirst),
    Combo(IDC_G1_SCAN_DISPLAY, gf::kScanDisplay, kScanDisplayList),
    Combo(IDC_G1_OPTION_BOARD, gf::kOptionBoard, kOptionBoardList),
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
  UpdateControls();
}
