#include "pages/groups/channel_table_page.h"

#include <cstdio>
#include <string>

#include "model/channel_fields.h"
#include "model/channel_model.h"
#include "model/edit_model.h"
#include "ui/messages.h"
#include "ui/wnd/prompt.h"

using namespace channel_ids;
using grid::Row;

namespace {

CEditModel& M() { return TheModel(); }
CChannelTablePage& Page(grid::CGridPage& page) { return static_cast<CChannelTablePage&>(page); }

grid::State AlwaysActive(grid::CGridPage&, const Row&, int, int) { return grid::State::Active; }

// "Enable" (code 0) and "Disable": the channel in use, or cleared with its references.
void WriteEnable(grid::CGridPage& page, const Row&, int c, std::uint32_t code) {
  bool newlyEnabled = false;
  if (code == 0) {
    const ChannelEnable e = EnableChannel(M(), c);
    if (e.changed) g_bModified = 1;
    newlyEnabled = e.newlyEnabled;
  } else {
    if (ClearChannel(M(), c)) g_bModified = 1;
    Page(page).ReportCleared(c);
  }
  Page(page).AfterEnableCommit(c - page.First() + 1, newlyEnabled);
}

std::string RxText(grid::CGridPage&, const Row&, int c) { return ChannelTableTexts(M(), c).rx; }
std::string TxText(grid::CGridPage&, const Row&, int c) { return ChannelTableTexts(M(), c).tx; }

// Leaving an Rx edit: the frequency stored with its transmit side, or ten
// blanks clearing the channel.
void CommitRx(grid::CGridPage& page, const Row&, int c, CWnd& edit) {
  const FrequencyEntry e = EnterRxFrequency(M(), c, edit.GetWindowText(), BlankRx::Clear);
  if (e.changed) g_bModified = 1;
  if (e.outcome == FrequencyEntry::Outcome::Cleared) Page(page).ReportCleared(c);
  page.Refresh();
}

void CommitTx(grid::CGridPage&, const Row&, int c, CWnd& edit) {
  const FrequencyEntry e = EnterTxFrequency(M(), c, edit.GetWindowText());
  if (e.changed) g_bModified = 1;
  if (!e.txText.empty()) edit.SetWindowText(e.txText);
}

constexpr grid::EditSpec kFrequencyEdit{.intDigits = 4, .decimals = 5, .enterNext = true, .keystrokeModifies = true};

const Row kRows[] = {
    {.ids = grid::Ids(kEnable), .listId = kEnableList, .choices = cf::kEnableList, .field = cf::kEnable,
     .movesFocus = false, .setsModified = false, .state = &AlwaysActive, .write = &WriteEnable},
    {.kind = grid::Cell::Number, .ids = grid::Ids(kRx), .trigger = grid::Trigger::KillFocus, .edit = kFrequencyEdit,
     .show = &RxText, .commitEdit = &CommitRx},
    {.kind = grid::Cell::Number, .ids = grid::Ids(kTx), .trigger = grid::Trigger::KillFocus, .edit = kFrequencyEdit,
     .show = &TxText, .commitEdit = &CommitTx},
    {.ids = grid::Ids(kSpace), .listId = kSpaceList, .choices = cf::kSpacingList, .field = cf::kSpacing},
};
const Row& kRxRow = kRows[1];

constexpr grid::Axis kAxis{.columns = kColumns, .block = 7, .entities = kChannelCount,
                           .step = kChannelTableStep, .clampStep = true, .hasDefault = false, .prevId = kPrev,
                           .nextId = kNext, .captionIds = grid::Ids(kCaptions)};

}  // namespace

BEGIN_MESSAGE_MAP(CChannelTablePage, grid::CGridPage)
  ON_EN_SETFOCUS(kSplit, OnSplitSetFocus)
  ON_EN_KILLFOCUS(kSplit, OnSplitKillFocus)
  ON_MESSAGE(WM_NUMEDIT_CHANGE, OnNumberChange)
  ON_BN_CLICKED(kClose, OnClose)
END_MESSAGE_MAP()

CChannelTablePage::CChannelTablePage() : CGridPage(IDD_CHANNEL_TABLE, kAxis, kRows) {
  RegisterChannelTablePageTemplate();
}

int CChannelTablePage::FirstMax() const { return kChannelTableFirstMax; }

std::string CChannelTablePage::ColumnCaption(int column) const {
  char text[16];
  std::snprintf(text, sizeof text, "Ch #%d", EntityOf(column) + 1);
  return text;
}

grid::State CChannelTablePage::CellState(const Row&, int, int c) {
  return cf::kInUse.Get(M(), c) ? grid::State::Active : grid::State::Inactive;
}

BOOL CChannelTablePage::OnInitDialog() {
  m_openedAt = First();
  m_blankRxColumn = 0;
  return CGridPage::OnInitDialog();
}

void CChannelTablePage::OnInitPage() {
  if (!m_split.GetSafeHwnd()) {
    if (CWnd* edit = Item(kSplit)) m_split.SubclassWindow(edit->GetSafeHwnd());
  }
  if (m_split.GetSafeHwnd()) m_split.Setup(GetSafeHwnd(), 3, 1, TRUE, FALSE, TRUE, FALSE, 0, FALSE);
}

void CChannelTablePage::OnRefreshed() {
  SetItemText(kSplit, SplitText(M()));
  const int column = m_blankRxColumn;
  m_blankRxColumn = 0;
  if (CWnd* rx = column ? CellWnd(kRxRow, column) : nullptr) {
    rx->SetWindowText(kBlankFrequencyText);
    GotoDlgCtrl(rx);
  }
}

void CChannelTablePage::AfterEnableCommit(int column, bool newlyEnabled) {
  if (auto* cell = static_cast<CColorLabel*>(CellWnd(kRows[0], column))) {
    cell->SetFocus();
    cell->SetTextColor(0);
  }
  m_blankRxColumn = newlyEnabled ? column : 0;
}

void CChannelTablePage::ReportCleared(int c) { SendToMain(WM_CHANNEL_CLEARED, WPARAM(c), 0); }

void CChannelTablePage::OnSplitSetFocus() { m_split.PostMessage(EM_SETSEL, 0, -1); }

void CChannelTablePage::OnSplitKillFocus() {
  const SplitEntry e = LeaveSplit(M(), m_split.GetWindowText());
  if (e.changed) g_bModified = 1;
  m_split.SetWindowText(e.text);
}

// Every keystroke marks the data; in the Default Split it is stored at once
// when it lies within -99.9..99.9, else refused with a beep.
LRESULT CChannelTablePage::OnNumberChange(WPARAM wParam, LPARAM lParam) {
  if (static_cast<int>(wParam) != kSplit) return OnNumEditChange(wParam, lParam);
  const SplitEntry e = SplitKeystroke(M(), m_split.GetWindowText());
  if (e.refused) {
    MessageBeep(0);
    m_split.SetWindowText(e.text);
  }
  g_bModified = 1;
  RedrawPage();
  return 0;
}

void CChannelTablePage::OnClose() {
  MessageBeep(0);
  SendToMain(WM_SHOWPAGE_ZONE, 0, 0);
}
