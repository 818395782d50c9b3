#include "pages/settings/global1_page.h"

#include <cstdio>
#include <optional>
#include <span>

#include "model/conversions.h"
#include "model/edit_model.h"
#include "pages/settings/global1_tables.h"
#include "ui/page/page_registry.h"
#include "ui/choice/choice_lists.h"
#include "ui/messages.h"

using namespace global1;

namespace {

CGlobalSettings& G() { return TheModel().global; }

// How a list's field is held in the record.
enum class Hold { Bits, BackLightFlag, OptionBoard };

struct ListField {
  int id;
  std::span<const std::string_view> texts;
  ValueTableRef table;
  std::uint8_t& (*byte)();  // Bits only
  std::uint8_t mask;
  Hold hold = Hold::Bits;
};

template <auto Member>
std::uint8_t& Byte() {
  return G().*Member;
}

// In the order the page refreshes them.
const ListField kFields[] = {
    {IDC_G1_LCD_ANGLE, kLcdAngleTexts, kLcdAngleTable, &Byte<&CGlobalSettings::byte42>, 0x01},
    {IDC_G1_CONFIGURE, kConfigureTexts, kConfigureTable, &Byte<&CGlobalSettings::byte182>, 0x0E},
    {IDC_G1_BACK_LIGHT, kBackLightTexts, kBackLightTable, nullptr, 0, Hold::BackLightFlag},
    {IDC_G1_DIMMER, kDimmerTexts, kDimmerTable, &Byte<&CGlobalSettings::byte244>, 0x03},
    {IDC_G1_CONTRAST, kContrastTexts, kContrastTable, &Byte<&CGlobalSettings::byte43>, 0xF0},
    {IDC_G1_RX_SAVE, kRxSaveTexts, kRxSaveTable, &Byte<&CGlobalSettings::byte186>, 0x07},
    {IDC_G1_MIC_SENS, kMicSensTexts, kMicSensTable, &Byte<&CGlobalSettings::byte222>, 0xFF},
    {IDC_G1_BEEP_LEVEL, kBeepLevelTexts, kBeepLevelTable, &Byte<&CGlobalSettings::byte223>, 0xFF},
    {IDC_G1_SCAN_BEEP_AUDIBLE, kOnOffTexts, kOnOffDefault1, &Byte<&CGlobalSettings::byte209>, 0x04},
    {IDC_G1_LOW_BATTERY_ALERT, kOnOffTexts, kOnOffDefault1, &Byte<&CGlobalSettings::byte204>, 0x02},
    {IDC_G1_POWER_ON_TONE, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte185>, 0x10},
    {IDC_G1_CONTROLS_TONES, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte185>, 0x08},
    {IDC_G1_FUNCTIONAL_TONES, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte185>, 0x04},
    {IDC_G1_APO_TIME, kApoTexts, kApoTable, &Byte<&CGlobalSettings::byte186>, 0xC0},
    {IDC_G1_TPAC_BEEP, kOnOffTexts, kOnOffDefault1, &Byte<&CGlobalSettings::byte202>, 0x08},
    {IDC_G1_LOW_BATTERY, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte204>, 0x02},
    {IDC_G1_HIGH_BATTERY, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte204>, 0x01},
    {IDC_G1_LOCK_RESTRICTION, kLockTexts, kLockTable, &Byte<&CGlobalSettings::byte208>, 0x07},
    {IDC_G1_OFF_HOOK_SCAN, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte185>, 0x80},
    {IDC_G1_OFF_HOOK_MONITOR, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte185>, 0x40},
    {IDC_G1_OFF_HOOK_HORN, kHornTexts, kHornTable, &Byte<&CGlobalSettings::byte185>, 0x20},
    {IDC_G1_SYSTEM_SCAN, kNoYesTexts, kNoYesTable, &Byte<&CGlobalSettings::byte30>, 0x20},
    {IDC_G1_ROTARY_SWITCH, kRotaryTexts, kRotaryTable, &Byte<&CGlobalSettings::byte182>, 0x80},
    {IDC_G1_ZONE_SCAN, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte246>, 0x20},
    {IDC_G1_DUAL_WATCH_A, kDualWatchTexts, kDualWatchTable, &Byte<&CGlobalSettings::byte184>, 0xFF},
    {IDC_G1_DUAL_WATCH_B, kDualWatchTexts, kDualWatchTable, &Byte<&CGlobalSettings::byte187>, 0xFF},
    {IDC_G1_SCAN_RESUME_RX, kResumeRxTexts, kResumeTable, &Byte<&CGlobalSettings::byte183>, 0x0F},
    {IDC_G1_SCAN_RESUME_TX, kResumeTxTexts, kResumeTable, &Byte<&CGlobalSettings::byte183>, 0xF0},
    {IDC_G1_HOME_GRP_SCAN, kOnOffTexts, kOnOffDefault0, &Byte<&CGlobalSettings::byte182>, 0x20},
    {IDC_G1_SCAN_EDIT, kOnOffTexts, kOnOffDefault1, &Byte<&CGlobalSettings::byte209>, 0x08},
    {IDC_G1_SCAN_BEEP_SCAN, kOnOffTexts, kOnOffDefault1, &Byte<&CGlobalSettings::byte209>, 0x04},
    {IDC_G1_REVERT_GROUP, kRevertTexts, kRevertTable, &Byte<&CGlobalSettings::byte208>, 0x18},
    {IDC_G1_TALK_BACK, kOnOffTexts, kOnOffDefault1, &Byte<&CGlobalSettings::byte182>, 0x10},
    {IDC_G1_SCAN_DISPLAY, kScanDisplayTexts, kScanDisplayTable, &Byte<&CGlobalSettings::byte704>, 0x80},
    {IDC_G1_OPTION_BOARD, kOptionBoardTexts, kOptionBoardTable, nullptr, 0, Hold::OptionBoard},
};
static_assert(std::size(kFields) == CGlobal1Page::kListCount);

std::uint32_t StoredCode(const ListField& f) {
  switch (f.hold) {
    case Hold::BackLightFlag: return G().backLightFlag;
    case Hold::OptionBoard: return G().optionBoardCode();
    case Hold::Bits: break;
  }
  return FieldCode(f.byte(), f.mask);
}

void StoreCode(const ListField& f, std::uint32_t code) {
  switch (f.hold) {
    case Hold::BackLightFlag:
      G().backLightFlag = code & 0xFF;
      g_bModified = 1;
      return;
    case Hold::OptionBoard:
      G().SetOptionBoardCode(static_cast<std::uint8_t>(code));
      g_bModified = 1;
      return;
    case Hold::Bits:
      StoreFieldCode(f.byte(), f.mask, code & 0xFF);
      return;
  }
}

// The lists enabled for production type 11 and those enabled for the others.
constexpr int kType11Lists[] = {IDC_G1_CONFIGURE,      IDC_G1_BACK_LIGHT,       IDC_G1_MIC_SENS,
                                IDC_G1_BEEP_LEVEL,     IDC_G1_OFF_HOOK_SCAN,    IDC_G1_OFF_HOOK_MONITOR,
                                IDC_G1_OFF_HOOK_HORN};
constexpr int kOtherLists[] = {IDC_G1_ROTARY_SWITCH, IDC_G1_RX_SAVE, IDC_G1_LOW_BATTERY_ALERT};

// "%d" of the byte times 10, then "msec".
std::string LedText(std::uint8_t stored) { return std::to_string(stored * 10) + "msec"; }

// The value of the text's leading digits (0 without any), saturated far above
// any valid time.
long LeadingNumber(const std::string& text) {
  long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    v = v * 10 + (c - '0');
    if (v > 1000000) return v;
  }
  return v;
}

bool IsType11() { return IsProductionType11(TheModel().store.ProductionType()); }

}  // namespace

BEGIN_MESSAGE_MAP(CGlobal1Page, CScrollPage)
  ON_CBN_SELCHANGE(IDC_G1_MODEL, OnSelchangeModel)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_G1_LCD_ANGLE, IDC_G1_SCAN_DISPLAY, OnSelchangeList)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_G1_ROTARY_SWITCH, IDC_G1_OPTION_BOARD, OnSelchangeList)
  ON_CONTROL_RANGE(EN_SETFOCUS, IDC_G1_PASSWORD, IDC_G1_PASSWORD, OnSelectAll)
  ON_CONTROL_RANGE(EN_SETFOCUS, IDC_G1_LED_ON, IDC_G1_LED_OFF, OnSelectAll)
  ON_EN_KILLFOCUS(IDC_G1_LED_ON, OnKillfocusLedOnTime)
  ON_EN_KILLFOCUS(IDC_G1_LED_OFF, OnKillfocusLedOffTime)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnPasswordCommit)
  ON_MESSAGE(WM_NUMEDIT_CHANGE, IgnoreNumEditChange)
  ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CGlobal1Page::CGlobal1Page(CWnd* pParent) : CScrollPage(IDD_GLOBAL1, pParent) { RegisterGlobal1PageTemplate(); }

void CGlobal1Page::DoDataExchange(CDataExchange* pDX) {
  CScrollPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_G1_MODEL, m_model);
  for (std::size_t i = 0; i < kListCount; ++i) DDX_Control(pDX, kFields[i].id, m_lists[i]);
  DDX_Control(pDX, IDC_G1_PASSWORD, m_password);
}

BOOL CGlobal1Page::OnInitDialog() {
  CScrollPage::OnInitDialog();
  m_hAccel = LoadPageAccelerator();

  for (const Global1Caption& c : kGlobal1Captions) SetDlgItemText(c.controlId, Global1String(c.stringId));
  m_boldFont = GetFont();
  m_boldFont.setWeight(QFont::Bold);
  for (int id : {IDC_G1_GRP_MODEL, IDC_G1_GRP_DISPLAY, IDC_G1_GRP_AUDIBLE, IDC_G1_GRP_MIC_HOOK, IDC_G1_GRP_SCAN,
                 IDC_G1_GRP_PASSWORD, IDC_G1_GRP_HANDHELD, IDC_G1_GRP_POWER_SAVING, IDC_G1_GRP_OPTION_BOARD}) {
    if (CWnd* caption = GetDlgItem(id)) caption->SetFont(m_boldFont);
  }

  m_model.SetEditParams(GetSafeHwnd(), 0);
  m_password.SetEditParams(GetSafeHwnd(), 8);
  for (CNumEdit* led : {&m_ledOn, &m_ledOff}) {
    if (!led->GetSafeHwnd()) led->SubclassDlgItem(led == &m_ledOn ? IDC_G1_LED_ON : IDC_G1_LED_OFF, this);
    led->Setup(GetSafeHwnd(), 4, 0, TRUE, FALSE, FALSE, FALSE, 0, FALSE);
    led->AddRefusedChar(' ');
    led->AddRefusedChar('+');
    led->AddRefusedChar('-');
  }
  if (CWnd* board = GetDlgItem(IDC_G1_OPTION_BOARD)) board->EnableWindow(MainDlgHooks().IsModeM() ? TRUE : FALSE);

  UpdateControls();
  return TRUE;
}

BOOL CGlobal1Page::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

CWnd* CGlobal1Page::MainWindow() const {
  if (!GetSafeHwnd()) return nullptr;
  CWnd* main = GetParentOwner();
  return main == this ? nullptr : main;
}

void CGlobal1Page::SelectModelFromRecord() {
  const CGlobalSettings& g = G();
  const ValueTable<1>& table = (g.hardwareByte & 0x38) == 0x38 ? kModelTableAlt : kModelTable;
  SelectComboByValue1(&m_model, table, g.hardwareByte, TheModel().store.ProductionType());
}

void CGlobal1Page::UpdateControls() {
  if (!GetSafeHwnd()) return;
  CGlobalSettings& g = G();

  m_model.ResetContent();
  FillCombo1(&m_model, kGlobal1ModelName, 0);
  SelectModelFromRecord();
  if (CWnd* main = MainWindow()) main->SendMessage(WM_MODEL_CHANGED, 0, m_model.GetCurSel());

  for (std::size_t i = 0; i < kListCount; ++i) {
    const ListField& f = kFields[i];
    RefreshCombo(&m_lists[i], f.texts, f.table, StoredCode(f));
    if (f.id == IDC_G1_CONTRAST) {
      SetDlgItemText(IDC_G1_LED_ON, LedText(g.byte755));
      SetDlgItemText(IDC_G1_LED_OFF, LedText(g.byte756));
    }
  }

  // The password, up to its first zero byte.
  std::string password;
  for (char c : g.password) {
    if (c == '\0') break;
    password += c;
  }
  m_password.SetWindowText(password);

  const bool type11 = IsType11();
  if (CWnd* angle = GetDlgItem(IDC_G1_LCD_ANGLE)) angle->EnableWindow(FALSE);
  for (int id : kType11Lists) {
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(type11 ? TRUE : FALSE);
  }
  for (int id : kOtherLists) {
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(type11 ? FALSE : TRUE);
  }
}

void CGlobal1Page::OnSelchangeList(UINT nID) {
  for (std::size_t i = 0; i < kListCount; ++i) {
    const ListField& f = kFields[i];
    if (f.id != static_cast<int>(nID)) continue;
    const std::optional<std::uint32_t> code = ChosenCode(&m_lists[i], f.table);
    if (!code) return;
    StoreCode(f, *code);
    // The two "Scan Beep" lists show one field.
    const int mirror = f.id == IDC_G1_SCAN_BEEP_AUDIBLE ? IDC_G1_SCAN_BEEP_SCAN
                       : f.id == IDC_G1_SCAN_BEEP_SCAN  ? IDC_G1_SCAN_BEEP_AUDIBLE
                                                        : 0;
    if (mirror) SendDlgItemMessage(mirror, CB_SETCURSEL, m_lists[i].GetCurSel(), 0);
    return;
  }
}

void CGlobal1Page::OnSelectAll(UINT nID) { SendDlgItemMessage(static_cast<int>(nID), EM_SETSEL, 0, -1); }

void CGlobal1Page::CommitLedTime(CNumEdit& edit, std::uint8_t& stored) {
  const long v = LeadingNumber(edit.GetWindowText());
  if (v >= 0 && v <= 2550) {
    stored = static_cast<std::uint8_t>((v + 5) / 10);
    g_bModified = 1;
  }
  edit.SetWindowText(LedText(stored));
}

void CGlobal1Page::OnKillfocusLedOnTime() { CommitLedTime(m_ledOn, G().byte755); }
void CGlobal1Page::OnKillfocusLedOffTime() { CommitLedTime(m_ledOff, G().byte756); }

LRESULT CGlobal1Page::OnPasswordCommit(WPARAM wParam, LPARAM) {
  if (static_cast<int>(wParam) != IDC_G1_PASSWORD) return 0;
  const std::string text = m_password.GetWindowText();
  auto& password = G().password;
  for (std::size_t i = 0; i < password.size(); ++i) {
    if (text.empty()) password[i] = '\0';
    else password[i] = i < text.size() ? text[i] : ' ';
  }
  g_bModified = 1;
  return 0;
}

LRESULT CGlobal1Page::IgnoreNumEditChange(WPARAM, LPARAM) { return 0; }

void CGlobal1Page::OnShowWindow(BOOL bShow, UINT nStatus) {
  CScrollPage::OnShowWindow(bShow, nStatus);
  UpdateControls();
}

void CGlobal1Page::OnSelchangeModel() {
  if (!MainDlgHooks().QuerySaveChanges()) {
    SelectModelFromRecord();
    return;
  }
  const std::string startFolder = MainDlgHooks().StartFolder();
  const int index = m_model.GetCurSel();
  // With nothing selected there is no model to change to.
  const std::optional<std::uint32_t> chosen = kModelTable.ValueAt(index);
  if (!chosen) {
    SelectModelFromRecord();
    return;
  }
  const std::uint32_t code = *chosen;

  CEditModel& model = TheModel();
  CGlobalSettings& g = model.global;
  g.hardwareByte = code;
  g.bandFlag = code & 0xE0;
  const std::uint32_t band = g.bandFlag;
  model.store.modelWord |= 0x0B00;
  const std::uint8_t systemType = g.systemType;
  model.freqRange.SetBandDefaults();
  if (CWnd* main = MainWindow()) main->SendMessage(WM_MODEL_CHANGED, 0, index);

  const bool uhf = band == kUhfBandFlag;
  const int loaded = model.LoadDataFile(uhf ? "Data/DEFAULTUP.X417" : "Data/DEFAULTVP.X417", startFolder);
  if (!loaded) model.ResetEditModel();

  std::int32_t first;
  if (uhf) first = code == 0x61 ? 45000000 : 48000000;
  else first = (code == 0x01 || IsProductionType11(model.store.ProductionType())) ? 13400000 : 14600000;
  model.store.SetChannelFreq1(0, first);
  model.store.SetChannelFreq2(0, first);

  if (!loaded) (void)model.PackImageDefaults(model.image.data());

  g.bandFlag = band;
  g.systemType = systemType;
  g.hardwareByte = code;
  UpdateControls();
}

void CGlobal1Page::PrintSheet(CPrinterDC* pDC, int cw, int x, int pitch, int gap) {
  PrintGlobal1Sheet(pDC, cw, x, pitch, gap);
}
