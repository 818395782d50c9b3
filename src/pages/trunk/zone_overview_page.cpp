#include "pages/trunk/zone_overview_page.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/edit_model.h"
#include "model/home_channel.h"
#include "model/global_fields.h"
#include "model/trunk_ltr.h"
#include "model/zone_fields.h"
#include "model/zone_defaults.h"
#include "model/zone_model.h"
#include "pages/trunk/zone_rows.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/prompt.h"

using namespace zone_ids;
using grid::Row;

namespace {

CEditModel& M() { return TheModel(); }
// The caption mode as the global settings hold it now.
bool LtrNow() { return gf::kLtrCaptions.Get(TheModel()) != 0; }
CZoneOverviewPage& Page(grid::CGridPage& page) { return static_cast<CZoneOverviewPage&>(page); }

// Rows that only a PassPort zone uses (greyed for other zones in use).
constexpr std::uint32_t kPassPortOnly = 1;

void ShowMessages(const std::vector<std::string>& messages) {
  for (const std::string& m : messages) AfxMessageBox(m);
}

std::string Format(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Number(long value) { return std::to_string(value); }

// ---- zone on/off: "Enable" is code 0 --------------------------------------------------

std::uint32_t OnOffCode(CEditModel& m, int z) { return m.store.IsZoneInUse(z) ? 0 : 1; }
constexpr Field kOnOffField{&OnOffCode, nullptr};

// The count the zone is left with shows in its count edit at the refresh.
void WriteOnOff(grid::CGridPage&, const Row&, int z, std::uint32_t code) {
  const GroupCountResult r = SetZoneInUse(M(), z, code == 0);
  ShowMessages(r.messages);
  if (r.changed) g_bModified = 1;
}

grid::State AlwaysActive(grid::CGridPage&, const Row&, int, int) { return grid::State::Active; }
grid::State AlwaysInactive(grid::CGridPage&, const Row&, int, int) { return grid::State::Inactive; }

// ---- number of groups ----------------------------------------------------------------------

void CommitGroupCountEdit(grid::CGridPage& page, const Row&, int z, CWnd& edit) {
  const GroupCountResult r = CommitGroupCount(M(), z, ParseDecimal(edit.GetWindowText()));
  edit.SetWindowText(Number(r.count));
  ShowMessages(r.messages);
  if (r.changed) g_bModified = 1;
  page.Refresh();
}

// ---- zone format -----------------------------------------------------------------------------

void AfterFormat(grid::CGridPage&, const Row&, int z, std::uint32_t before, std::uint32_t code) {
  if (before == code) return;
  M().store.SetSystemDefaults(z, int(code));
  M().store.ResetSystemGroups(z);
}

// ---- revert group ------------------------------------------------------------------------------

// ---- identity and home channel ----------------------------------------------------------------

template <const IdRange& Range>
void CommitId(grid::CGridPage& page, const Row&, int z, CWnd& edit) {
  const IdEntryResult r = EnterZoneId(M(), Range, z, edit.GetWindowText());
  if (!r.stored) AfxMessageBox(r.message);
  edit.SetWindowText(Number(long(r.value)));
  page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

std::string HomeFreqText(grid::CGridPage& page, const Row&, int z) {
  // A word that does not fit the zone's Band 5b flag is stored again from its
  // frequency, quietly, while the row is one the person can see and use.
  if (!Page(page).LtrCaptions() && M().store.IsZoneInUse(z) && M().store.IsZonePassPort(z) &&
      NormaliseHomeChannel(M(), z)) {
    g_bModified = 1;
  }
  return Format("%10.5f", HomeChannelFrequency(M(), z));
}

std::string BackupFreqText(grid::CGridPage&, const Row&, int z) {
  return Format("%10.5f", BackupHomeChannelFrequency(M(), z));
}

double ParseMHz(const std::string& text) {
  char* end = nullptr;
  const double f = std::strtod(text.c_str(), &end);
  return end == text.c_str() ? 0.0 : f;
}

void CommitHomeFreq(grid::CGridPage& page, const Row&, int z, CWnd& edit) {
  const std::string text = edit.GetWindowText();
  if (!IsBlankFrequencyText(text)) {
    const HomeFrequencyEntry e = EnterHomeFrequency(M(), z, ParseMHz(text));
    if (e.refused) AfxMessageBox(e.message);
    if (e.changed) g_bModified = 1;
  }
  page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  edit.SetWindowText(Format("%10.5f", HomeChannelFrequency(M(), z)));
}

void CommitBackupFreq(grid::CGridPage& page, const Row&, int z, CWnd& edit) {
  const std::string text = edit.GetWindowText();
  if (IsBlankFrequencyText(text)) return;
  const HomeFrequencyEntry e = EnterBackupHomeFrequency(M(), z, ParseMHz(text));
  if (e.changed) g_bModified = 1;
  edit.SetWindowText(Format("%10.5f", e.shown));
  page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

using grid::Cell;
using grid::Scope;
using grid::Trigger;

const Row kRows[] = {
    {.ids = grid::Ids(kOnOff), .listId = kPopupList, .choices = zf::kOnOffList, .field = kOnOffField,
     .setsModified = false, .state = &AlwaysActive, .write = &WriteOnOff},
    {.kind = Cell::Number, .ids = grid::Ids(kGroupCounts), .field = zf::kGroupCount, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 3, .keystrokeModifies = true}, .commitEdit = &CommitGroupCountEdit},
    {.ids = grid::Ids(kFormat), .listId = kPopupList, .choices = zf::kFormatList, .field = zf::kFormat,
     .after = &AfterFormat},
    {.kind = Cell::Text, .ids = grid::Ids(kAlias), .text = zf::kAlias, .trigger = Trigger::Keystroke,
     .edit = {.maxLength = 8, .extraChar = ' '}},
    {.ids = grid::Ids(kTalkPermit), .defaultId = kTalkPermitDefault, .listId = kPopupList,
     .choices = zf::kDisableEnableList, .field = overview::kTalkPermit.zones,
     .defaultField = overview::kTalkPermit.value, .scope = Scope::Entities, .tags = kPassPortOnly},
    {.ids = grid::Ids(kTimeout), .defaultId = kTimeoutDefault, .listId = kPopupList, .choices = zf::kTimerList,
     .field = overview::kTxTimeout.zones, .defaultField = overview::kTxTimeout.value, .scope = Scope::Entities,
     .heightFactor = 4},
    {.ids = grid::Ids(kPower), .defaultId = kPowerDefault, .listId = kPopupList, .choices = zf::kTxPowerList,
     .field = overview::kTxPower.zones, .defaultField = overview::kTxPower.value, .scope = Scope::Entities},
    {.ids = grid::Ids(kRevert), .defaultId = kRevertDefault, .listId = kPopupList, .field = overview::kRevertGroup.zones,
     .defaultField = overview::kRevertGroup.value, .scope = Scope::Entities, .heightFactor = 4,
     .show = &zone_rows::RevertShow, .fill = &zone_rows::RevertEntries},
    {.ids = grid::Ids(kFixedDcc), .listId = kPopupList, .choices = zf::kDisableEnableList, .field = zf::kFixedDcc,
     .tags = kPassPortOnly},
    {.ids = grid::Ids(kDcc), .listId = kPopupList, .choices = zf::kDccList, .field = overview::kDcc.zones,
     .defaultField = overview::kDcc.value, .scope = Scope::Entities, .heightFactor = 3, .tags = kPassPortOnly},
    {.kind = Cell::Number, .ids = grid::Ids(kHomeSystemId), .field = zf::kHomeSystemId, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 5, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .commitEdit = &CommitId<kHomeSystemIdRange>},
    zone_rows::WithDefault<overview::kHomeRepeater>(zone_rows::kHomeRepeaterRow, kHomeRepeaterDefault),
    {.kind = Cell::Number, .ids = grid::Ids(kAffiliatedId), .field = zf::kAffiliatedSystemId,
     .trigger = Trigger::KillFocus, .edit = {.intDigits = 3, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .commitEdit = &CommitId<kAffiliatedSystemIdRange>},
    zone_rows::WithDefault<overview::kLtrTalkPermit>(zone_rows::kTalkPermitRow, kLtrTalkPermitDefault),
    {.kind = Cell::Number, .ids = grid::Ids(kMobileId), .field = zf::kMobileId, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 5, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .commitEdit = &CommitId<kMobileIdRange>},
    zone_rows::WithDefault<overview::kGroupDecode>(zone_rows::kGroupDecodeRow, kGroupDecodeDefault),
    {.kind = Cell::Number, .ids = grid::Ids(kHomeFreq), .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 4, .decimals = 5, .enterNext = true, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .show = &HomeFreqText, .commitEdit = &CommitHomeFreq},
    {.kind = Cell::Number, .ids = grid::Ids(kBackupFreq), .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 4, .decimals = 5, .enterNext = true, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .show = &BackupFreqText, .state = &AlwaysInactive, .commitEdit = &CommitBackupFreq},
    {.ids = grid::Ids(kBandwidth), .listId = kPopupList, .choices = zf::kBandwidthList, .field = zf::kNarrow,
     .tags = kPassPortOnly},
};

constexpr grid::Axis kAxis{.columns = 5, .block = 5, .entities = kZoneCount, .step = 1, .hasDefault = true,
                           .prevId = kPrev, .nextId = kNext, .defaultCaptionId = kDefaultCaption,
                           .captionIds = grid::Ids(kCaptions)};

// The labels of the two caption modes.
struct Caption {
  int id;
  const char* passPort;
  const char* ltr;
};
constexpr Caption kCaptionsByMode[] = {
    {kLabelFormat, "Zone Format", "System Type"},
    {kLabelAlias, "Alias", "Tagging Information"},
    {kLabelPower, "TX Power", "Primary TX Power"},
    {kHeading, "PassPort Information", "LTR Information"},
    {kLabelDcc, "Digital Color Code", "AREA Code"},
    {kLabelHomeSystemId, "Home System ID", "Home Channel Number"},
    {kLabelAffiliated, "Affiliated System ID ", "Talk Permit Tone"},
    {kLabelMobileId, "Mobile Identity Number", "Multiple Group Decode"},
};
constexpr int kBoldLabels[] = {kLabelGroupCount, kLabelFormat,     kLabelAlias,       kLabelTalkPermit,
                               kLabelTimeout,    kLabelPower,      kLabelRevert,      kLabelAffiliated,
                               kLabelDcc,        kHeading,         kLabelMobileId,    kLabelHomeSystemId,
                               kLabelFixedDcc,   kLabelHomeFreq,   kLabelBackupFreq,  kLabelBandwidth};

}  // namespace

BEGIN_MESSAGE_MAP(CZoneOverviewPage, grid::CZoneColumnsPage)
  ON_BN_CLICKED(kInterconnect, OnInterconnect)
  ON_BN_CLICKED(kLtrAdvanced, OnLtrAdvanced)
  ON_CONTROL_RANGE(BN_CLICKED, 1185, 1195, OnColumnButton)
END_MESSAGE_MAP()

CZoneOverviewPage::CZoneOverviewPage(CWnd* pParent) : CZoneColumnsPage(IDD_ZONE_OVERVIEW, kAxis, kRows, pParent) {
  RegisterZoneOverviewPageTemplate();
  ResetZoneDefaults(TheModel(), overview::kValues);
}

std::string CZoneOverviewPage::ColumnCaption(int column) const {
  if (!LtrNow()) return CZoneColumnsPage::ColumnCaption(column);
  char text[24];
  std::snprintf(text, sizeof text, "SYS. %2d", EntityOf(column) + 1);
  return text;
}

grid::State CZoneOverviewPage::CellState(const Row& row, int, int zone) {
  const CChannelStore& s = TheModel().store;
  if (!s.IsZoneInUse(zone)) return grid::State::Inactive;
  if ((row.tags & kPassPortOnly) && !s.IsZonePassPort(zone)) return grid::State::Inactive;
  return grid::State::Active;
}

void CZoneOverviewPage::OnInitPage() {
  m_ltrCaptions = LtrNow();
  for (const Caption& c : kCaptionsByMode) SetItemText(c.id, m_ltrCaptions ? c.ltr : c.passPort);
  m_boldFont = GetFont();
  m_boldFont.setWeight(QFont::Bold);
  for (int id : kBoldLabels) {
    if (CWnd* label = Item(id)) label->SetFont(m_boldFont);
  }
  // The rows of the other caption mode.
  auto show = [this](int id, bool visible) {
    if (CWnd* w = Item(id)) w->ShowWindow(visible ? SW_SHOW : SW_HIDE);
  };
  for (int id : {kLabelRevert, kRevertDefault, kLtrAdvanced}) show(id, m_ltrCaptions);
  for (int id : kRevert) show(id, m_ltrCaptions);
  for (int id : {kLabelHomeFreq, kLabelBackupFreq, kLabelBandwidth}) show(id, !m_ltrCaptions);
  for (const int* row : {kHomeFreq, kBackupFreq, kBandwidth, kHomeSystemId, kAffiliatedId, kMobileId}) {
    for (int k = 0; k < 5; ++k) show(row[k], !m_ltrCaptions);
  }
  // The LTR settings the identity rows' labels name, in the identity edits' places.
  for (int id : {kHomeRepeaterDefault, kGroupDecodeDefault}) show(id, m_ltrCaptions);
  for (const int* row : {kHomeRepeater, kLtrTalkPermit, kGroupDecode}) {
    for (int k = 0; k < 5; ++k) show(row[k], m_ltrCaptions);
  }
  LayOutRows();
}

void CZoneOverviewPage::LayOutRows() {
  // The controls in bands by their top; a hidden band gives its height back.
  struct Band {
    int top;
    std::vector<CWnd*> controls;
    bool visible = false;
  };
  std::vector<Band> bands;
  for (const DlgItemTemplate& item : ZoneOverviewPageTemplate().items) {
    CWnd* w = Item(item.id);
    if (!w || item.kind == CtlKind::ListBox) continue;  // the popup lists are placed when they open
    CRect rc;
    w->GetWindowRect(&rc);
    ScreenToClient(&rc);
    auto band = std::find_if(bands.begin(), bands.end(), [&](const Band& b) { return std::abs(b.top - rc.top) <= 3; });
    if (band == bands.end()) {
      bands.push_back({rc.top, {}});
      band = bands.end() - 1;
    }
    band->controls.push_back(w);
    band->visible = band->visible || (w->GetStyle() & WS_VISIBLE);
  }
  std::sort(bands.begin(), bands.end(), [](const Band& a, const Band& b) { return a.top < b.top; });
  int shift = 0;
  for (std::size_t i = 0; i < bands.size(); ++i) {
    if (!bands[i].visible) {
      if (i + 1 < bands.size()) shift += bands[i + 1].top - bands[i].top;
      continue;
    }
    if (shift == 0) continue;
    for (CWnd* w : bands[i].controls) {
      CRect rc;
      w->GetWindowRect(&rc);
      ScreenToClient(&rc);
      w->MoveWindow(rc.left, rc.top - shift, rc.Width(), rc.Height(), FALSE);
    }
  }
}

void CZoneOverviewPage::OnRefreshed() { UpdateColumnButtons(); }

void CZoneOverviewPage::SetButton(int id, const char* caption, bool enabled) {
  CWnd* button = Item(id);
  if (!button) return;
  if (button->GetWindowText() != caption) button->SetWindowText(caption);
  if ((button->IsWindowEnabled() != FALSE) != enabled) button->EnableWindow(enabled ? TRUE : FALSE);
}

void CZoneOverviewPage::UpdateColumnButtons() {
  const CChannelStore& s = TheModel().store;
  const bool ltr = LtrNow();
  for (int k = 0; k < 5; ++k) {
    const int z = First() + k;
    const bool inUse = s.IsZoneInUse(z);
    // The repeater grid serves LTR-format zones as well.
    const bool featured = s.IsZonePassPort(z) || (ltr && s.IsZoneLtr(z));
    SetButton(kFeatures[k], ltr ? "Repeaters" : "Features", inUse && featured);
    SetButton(kGroups[k], !ltr && s.IsZonePassPort(z) ? "Group\r\nIDs" : "Groups", inUse);
  }
}

bool CZoneOverviewPage::PassPortCaptions() const { return !LtrNow(); }

// A page class registered before (a test's stand-in) is kept.
void RegisterZoneOverviewPage() {
  if (!IsPageRegistered(IDD_ZONE_OVERVIEW)) {
    RegisterPage(IDD_ZONE_OVERVIEW, [] { return std::unique_ptr<CDialog>(new CZoneOverviewPage); });
  }
}
