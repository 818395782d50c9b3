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
#include "model/zone_model.h"
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

// The page's Default bytes, laid out as the zone arrays they stand for.
constexpr int kDefPower = 0;     // zoneTxPower: bits 0-2 TX Power, bit 4 Talk Permit Tone
constexpr int kDefTimeout = 1;   // zoneTxTimeout: bits 4-7
constexpr int kDefRevert = 4;    // zoneRevertGroup
constexpr int kDefFormat = 5;    // zoneFormat: bits 0-1 DCC, bit 7 Talk Permit Tone (LTR row)

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

std::string RevertText(grid::CGridPage& page, const Row&, int z) {
  const int value = z == grid::kDefaultEntity ? page.Defaults()[kDefRevert] : M().store.zoneRevertGroup[z];
  if (value == 255) return "None";
  const int first = z == grid::kDefaultEntity ? 0 : M().store.CountGroupsBeforeZone(z);
  char text[16];
  std::snprintf(text, sizeof text, "Grp %2d", first + value + 1);
  return text;
}

// The zone's groups in use; the Default column offers "None" only, the one
// value that means the same in every zone.
void RevertEntries(grid::CGridPage&, const Row&, int z, std::vector<grid::Entry>& entries) {
  grid::EntriesOf(entries, [z](IChoiceList& list, ListIndexMap& map) {
    M().store.FillGroupList(list, map, 255, z == grid::kDefaultEntity ? -1 : z);
  });
}

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

constexpr grid::ColumnIds Ids(const int (&ids)[5]) { return {ids[0], ids[1], ids[2], ids[3], ids[4]}; }

using grid::Cell;
using grid::Scope;
using grid::Trigger;

const Row kRows[] = {
    {.ids = Ids(kOnOff), .listId = kPopupList, .choices = zf::kOnOffList, .field = kOnOffField,
     .setsModified = false, .state = &AlwaysActive, .write = &WriteOnOff},
    {.kind = Cell::Number, .ids = Ids(kGroupCounts), .field = zf::kGroupCount, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 3, .keystrokeModifies = true}, .commitEdit = &CommitGroupCountEdit},
    {.ids = Ids(kFormat), .listId = kPopupList, .choices = zf::kFormatList, .field = zf::kFormat,
     .after = &AfterFormat},
    {.kind = Cell::Text, .ids = Ids(kAlias), .text = zf::kAlias, .trigger = Trigger::Keystroke,
     .edit = {.maxLength = 8, .extraChar = ' '}},
    {.ids = Ids(kTalkPermit), .defaultId = kTalkPermitDefault, .listId = kPopupList,
     .choices = zf::kDisableEnableList, .field = zf::kTalkPermitTone, .pageDefault = {kDefPower, 0x10},
     .scope = Scope::Entities, .tags = kPassPortOnly},
    {.ids = Ids(kTimeout), .defaultId = kTimeoutDefault, .listId = kPopupList, .choices = zf::kTimerList,
     .field = zf::kTxTimeout, .pageDefault = {kDefTimeout, 0xF0}, .scope = Scope::Entities, .heightFactor = 4},
    {.ids = Ids(kPower), .defaultId = kPowerDefault, .listId = kPopupList, .choices = zf::kTxPowerList,
     .field = zf::kTxPower, .pageDefault = {kDefPower, 0x07}, .scope = Scope::Entities},
    {.ids = Ids(kRevert), .defaultId = kRevertDefault, .listId = kPopupList, .field = zf::kRevertGroup,
     .pageDefault = {kDefRevert, 0xFF}, .scope = Scope::Entities, .heightFactor = 4, .show = &RevertText,
     .fill = &RevertEntries},
    {.ids = Ids(kFixedDcc), .listId = kPopupList, .choices = zf::kDisableEnableList, .field = zf::kFixedDcc,
     .tags = kPassPortOnly},
    {.ids = Ids(kDcc), .listId = kPopupList, .choices = zf::kDccList, .field = zf::kDcc,
     .pageDefault = {kDefFormat, 0x03}, .scope = Scope::Entities, .heightFactor = 3, .tags = kPassPortOnly},
    {.kind = Cell::Number, .ids = Ids(kHomeSystemId), .field = zf::kHomeSystemId, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 5, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .commitEdit = &CommitId<kHomeSystemIdRange>},
    {.defaultId = kLtrTalkPermitDefault, .listId = kPopupList, .choices = zf::kDisableEnableOnList,
     .field = zf::kTalkPermitTone, .pageDefault = {kDefFormat, 0x80}, .scope = Scope::Entities},
    {.kind = Cell::Number, .ids = Ids(kAffiliatedId), .field = zf::kAffiliatedSystemId,
     .trigger = Trigger::KillFocus, .edit = {.intDigits = 3, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .commitEdit = &CommitId<kAffiliatedSystemIdRange>},
    {.kind = Cell::Number, .ids = Ids(kMobileId), .field = zf::kMobileId, .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 5, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .commitEdit = &CommitId<kMobileIdRange>},
    {.kind = Cell::Number, .ids = Ids(kHomeFreq), .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 4, .decimals = 5, .enterNext = true, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .show = &HomeFreqText, .commitEdit = &CommitHomeFreq},
    {.kind = Cell::Number, .ids = Ids(kBackupFreq), .trigger = Trigger::KillFocus,
     .edit = {.intDigits = 4, .decimals = 5, .enterNext = true, .keystrokeModifies = true}, .tags = kPassPortOnly,
     .show = &BackupFreqText, .state = &AlwaysInactive, .commitEdit = &CommitBackupFreq},
    {.ids = Ids(kBandwidth), .listId = kPopupList, .choices = zf::kBandwidthList, .field = zf::kNarrow,
     .tags = kPassPortOnly},
};

constexpr grid::Axis kAxis{.columns = 5, .block = 5, .entities = kZoneCount, .step = 1, .hasDefault = true,
                           .prevId = kPrev, .nextId = kNext, .defaultCaptionId = kDefaultCaption,
                           .captionIds = {kCaptions[0], kCaptions[1], kCaptions[2], kCaptions[3], kCaptions[4]}};

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
  // Each Default cell starts at its list's default entry; the revert group at none.
  auto& d = Defaults();
  d[kDefTimeout] = 0x60;  // "3.0min"
  d[3] = 5;               // Scan words "10"
  d[kDefRevert] = 255;
  d[kDefFormat] = 0x80;   // Talk Permit Tone (LTR row) "Enable"
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
  for (const int* row : {kHomeFreq, kBackupFreq, kBandwidth}) {
    for (int k = 0; k < 5; ++k) show(row[k], !m_ltrCaptions);
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
