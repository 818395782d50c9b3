#include "pages/column_pages/grid_page.h"

#include <QListWidget>
#include <QScrollBar>

#include <algorithm>
#include <optional>
#include <utility>

#include "model/edit_model.h"
#include "model/zone_model.h"
#include "ui/page/popup_list.h"
#include "ui/messages.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/prompt.h"

namespace grid {

namespace {

bool IsEdit(Cell kind) { return kind == Cell::Number || kind == Cell::Text || kind == Cell::Hex; }

// The width a popup list of the given height needs to show its widest entry
// whole in its own font: the entry, the frame, and the vertical scroll bar
// when it holds more entries than it shows at once.
int WidthForEntries(CListBox& list, int height) {
  const auto* view = qobject_cast<const QListWidget*>(list.GetSafeHwnd());
  if (!view || view->count() == 0) return 0;
  const int frame = 2 * view->frameWidth();
  const bool scrolls = view->count() * view->sizeHintForRow(0) > height - frame;
  return view->sizeHintForColumn(0) + frame + (scrolls ? view->verticalScrollBar()->sizeHint().width() : 0);
}

std::unique_ptr<CWnd> MakeCell(Cell kind) {
  switch (kind) {
    case Cell::List: return std::make_unique<CColorLabel>();
    case Cell::Number: return std::make_unique<CNumEdit>();
    case Cell::Text: return std::make_unique<CSerialEdit>();
    case Cell::Hex: return std::make_unique<CHexEdit>();
    case Cell::Check: return std::make_unique<CButton>();
    case Cell::Static: break;
  }
  return std::make_unique<CStatic>();
}

// The filler's items as entries.
class CEntryList : public IChoiceList {
 public:
  explicit CEntryList(std::vector<Entry>& entries) : m_entries(entries) {}
  void ResetContent() override { m_entries.clear(); }
  int AddString(const std::string& text) override { return InsertString(-1, text); }
  int InsertString(int position, const std::string& text) override {
    if (position < 0 || position > int(m_entries.size())) position = int(m_entries.size());
    m_entries.insert(m_entries.begin() + position, Entry{text, 0});
    return position;
  }
  void SetCurSel(int) override {}
  int GetCount() const override { return int(m_entries.size()); }

 private:
  std::vector<Entry>& m_entries;
};

}  // namespace

void EntriesOf(std::vector<Entry>& entries, const std::function<void(IChoiceList& list, ListIndexMap& map)>& fill) {
  ListIndexMap map{};
  CEntryList list(entries);
  fill(list, map);
  for (std::size_t i = 0; i < entries.size() && i < map.size(); ++i) entries[i].code = map[i];
}

BEGIN_MESSAGE_MAP(CGridPage, CScrollPage)
  ON_WM_CTLCOLOR()
  ON_WM_SHOWWINDOW()
  // BN_CLICKED and STN_CLICKED are both 0; LBN_SELCHANGE and STN_DBLCLK both 1.
  ON_CONTROL_RANGE(BN_CLICKED, 1, 0xFFFF, OnClicked)
  ON_CONTROL_RANGE(LBN_SELCHANGE, 1, 0xFFFF, OnCellDoubleClickOrSelChange)
  ON_CONTROL_RANGE(LBN_DBLCLK, 1, 0xFFFF, OnListDoubleClick)
  ON_CONTROL_RANGE(EN_SETFOCUS, 1, 0xFFFF, OnEditSetFocus)
  ON_CONTROL_RANGE(EN_KILLFOCUS, 1, 0xFFFF, OnEditKillFocus)
  ON_MESSAGE(WM_LABEL_ENTER, OnLabelEnter)
  ON_MESSAGE(WM_PAGEEDIT_ENTER, OnPageEditEnter)
  ON_MESSAGE(WM_LABEL_TAB, OnNextField)
  ON_MESSAGE(WM_NUMEDIT_ENTER, OnNextField)
  ON_MESSAGE(WM_LABEL_BACKTAB, OnPrevField)
  ON_MESSAGE(WM_BUTTON_ENTER, OnButtonEnter)
  ON_MESSAGE(WM_REPEAT_STEP, OnRepeatStep)
  ON_MESSAGE(WM_NUMEDIT_CHANGE, OnNumEditChange)
  ON_MESSAGE(WM_SERIALEDIT_CHANGE, OnTextChange)
  ON_MESSAGE(WM_HEXEDIT_CHANGE, OnTextChange)
  ON_MESSAGE(WM_PAGEEDIT_TAB, OnIgnore)
  ON_MESSAGE(WM_BUTTON_KILLFOCUS, OnIgnore)
END_MESSAGE_MAP()

CGridPage::CGridPage(UINT nIDTemplate, const Axis& axis, std::span<const Row> rows, CWnd* pParent)
    : CScrollPage(nIDTemplate, pParent), m_axis(axis), m_rows(rows) {
  m_axis.columns = std::clamp(m_axis.columns, 1, kMaxColumns);
  m_axis.block = std::max(1, m_axis.block);
  for (std::size_t r = 0; r < m_rows.size(); ++r) {
    const Row& row = m_rows[r];
    for (int column = m_axis.hasDefault ? 0 : 1; column <= m_axis.columns; ++column) {
      const int id = CellId(row, column);
      if (id == 0 || m_cellIds.count(id)) continue;
      m_cellIds[id] = CellPos{r, column, m_cells.size()};
      m_cells.push_back(MakeCell(row.kind));
    }
    if (row.kind == Cell::List && row.listId != 0) {
      const bool known = std::any_of(m_lists.begin(), m_lists.end(), [&](const auto& l) { return l.first == row.listId; });
      if (!known) m_lists.emplace_back(row.listId, std::make_unique<CPageEdit>());
    }
  }
  m_shown.resize(m_cells.size());
}

CGridPage::~CGridPage() = default;

// ---- position ---------------------------------------------------------------------

void CGridPage::SetFirst(int first) { m_first = std::clamp(first, FirstMin(), std::max(FirstMin(), FirstMax())); }

// ---- lookups ------------------------------------------------------------------------

int CGridPage::CellId(const Row& row, int column) const {
  if (column == 0) return m_axis.hasDefault ? row.defaultId : 0;
  if (column < 0 || column > m_axis.columns) return 0;
  return row.ids[static_cast<std::size_t>(column - 1)];
}

const Row* CGridPage::RowOfCell(int id, int* column) const {
  const auto it = m_cellIds.find(id);
  if (it == m_cellIds.end()) return nullptr;
  if (column) *column = it->second.column;
  return &m_rows[it->second.row];
}

CWnd* CGridPage::CellWnd(const Row& row, int column) const {
  const auto it = m_cellIds.find(CellId(row, column));
  if (it == m_cellIds.end()) return nullptr;
  CWnd* cell = m_cells[it->second.index].get();
  return cell->GetSafeHwnd() ? cell : nullptr;
}

CListBox* CGridPage::ListWnd(int listId) {
  for (auto& [id, list] : m_lists) {
    if (id == listId) return list->GetSafeHwnd() ? list.get() : nullptr;
  }
  return nullptr;
}

State CGridPage::StateOf(const Row& row, int column) {
  if (column == 0) return row.defaultState ? row.defaultState(*this, row, 0, kDefaultEntity) : State::Default;
  const int entity = EntityOf(column);
  if (IsPastEnd(column) || entity < 0 || entity >= m_axis.entities) return State::Inactive;
  return row.state ? row.state(*this, row, column, entity) : CellState(row, column, entity);
}

HBRUSH CGridPage::BrushOf(State s) const {
  switch (s) {
    case State::Active: return m_white;
    case State::Default: return m_defaultGrey;
    case State::Inactive:
    case State::EnabledGrey: break;
  }
  return m_grey;
}

std::uint32_t CGridPage::DefaultCode(const Row& row) { return row.defaultField.Get(TheModel()); }

void CGridPage::SetDefaultCode(const Row& row, std::uint32_t code) { row.defaultField.Set(TheModel(), 0, code); }

std::string CGridPage::ColumnCaption(int column) const { return std::to_string(EntityOf(column) + 1); }

// ---- set-up -------------------------------------------------------------------------

void CGridPage::IndexItems() {
  m_items.clear();
  if (!GetSafeHwnd()) return;
  for (QObject* o : GetSafeHwnd()->children()) {
    if (!o->isWidgetType()) continue;
    auto* widget = static_cast<QWidget*>(o);
    if (CWnd* w = CWnd::FromHandlePermanent(widget)) m_items.emplace(w->GetDlgCtrlID(), widget);
  }
}

CWnd* CGridPage::Item(int id) const {
  if (!GetSafeHwnd()) return nullptr;
  const auto it = m_items.find(id);
  return it != m_items.end() && it->second ? CWnd::FromHandlePermanent(it->second.data()) : nullptr;
}

void CGridPage::SetItemText(int id, const std::string& text) {
  if (CWnd* w = Item(id); w && w->GetWindowText() != text) w->SetWindowText(text);
}

BOOL CGridPage::OnInitDialog() {
  CScrollPage::OnInitDialog();
  m_hAccel = LoadPageAccelerator();
  SetFirst(m_first);
  m_openRow = nullptr;
  m_openList = 0;
  m_visit = {};
  IndexItems();
  BindCells();
  BindArrows();
  OnInitPage();
  FillFixedLists();
  ResetCellColors();
  std::fill(m_shown.begin(), m_shown.end(), std::string());
  Refresh();
  return TRUE;
}

void CGridPage::BindCells() {
  for (const auto& [id, pos] : m_cellIds) {
    CWnd* cell = m_cells[pos.index].get();
    if (!cell->GetSafeHwnd()) {
      if (CWnd* item = Item(id)) cell->SubclassWindow(item->GetSafeHwnd());
    }
    if (!cell->GetSafeHwnd()) continue;
    const Row& row = m_rows[pos.row];
    const EditSpec& e = row.edit;
    if (row.kind == Cell::Number) {
      auto* edit = static_cast<CNumEdit*>(cell);
      edit->Setup(GetSafeHwnd(), e.intDigits, e.decimals, TRUE, FALSE, FALSE, e.blankAllowed ? TRUE : FALSE,
                  e.maxValue, e.enterNext ? TRUE : FALSE);
      if (!e.blankAllowed) {
        for (char c : {' ', '+', '-'}) edit->AddRefusedChar(c);
      }
    } else if (row.kind == Cell::Text || row.kind == Cell::Hex) {
      auto* edit = static_cast<CCharListEdit*>(cell);
      edit->SetEditParams(GetSafeHwnd(), e.maxLength);
      if (e.extraChar) edit->AddAllowedChar(e.extraChar);
      for (const char* c = e.moreChars; c && *c; ++c) edit->AddAllowedChar(*c);
      for (const char* c = e.refusedChars; c && *c; ++c) edit->AddRefusedChar(*c);
    }
  }
  for (auto& [id, list] : m_lists) {
    if (!list->GetSafeHwnd()) {
      if (CWnd* item = Item(id)) list->SubclassWindow(item->GetSafeHwnd());
    }
    if (list->GetSafeHwnd()) list->ShowWindow(SW_HIDE);
  }
  for (CRepeatButton* arrow : {&m_prev, &m_next}) {
    const int id = arrow == &m_prev ? m_axis.prevId : m_axis.nextId;
    if (!arrow->GetSafeHwnd()) {
      if (CWnd* item = id ? Item(id) : nullptr) arrow->SubclassWindow(item->GetSafeHwnd());
    }
  }
  // Every other push button reports Enter to the page.
  const DialogTemplate* t = m_lpTemplate ? m_lpTemplate : FindDialogTemplate(m_nIDTemplate);
  std::size_t next = 0;
  for (const DlgItemTemplate& item : t ? t->items : std::vector<DlgItemTemplate>{}) {
    const DWORD type = item.style & BS_TYPEMASK;
    if (item.kind != CtlKind::Button || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)) continue;
    CWnd* control = Item(item.id);
    if (item.id == m_axis.prevId || item.id == m_axis.nextId || m_cellIds.count(item.id) || !control) continue;
    if (next == m_buttons.size()) m_buttons.push_back(std::make_unique<CNotifyButton>());
    CNotifyButton& button = *m_buttons[next++];
    if (!button.GetSafeHwnd()) button.SubclassWindow(control->GetSafeHwnd());
  }
}

void CGridPage::BindArrows() {
  const int low = HeldFirstMin();
  if (m_prev.GetSafeHwnd()) m_prev.Setup(GetSafeHwnd(), &m_first, m_first, 1, m_axis.step, low, FirstMax());
  if (m_next.GetSafeHwnd()) m_next.Setup(GetSafeHwnd(), &m_first, m_first, 0, m_axis.step, low, FirstMax());
}

void CGridPage::FillFixedLists() {
  m_filledBy.clear();
  for (auto& [id, list] : m_lists) {
    const auto row = std::find_if(m_rows.begin(), m_rows.end(), [id = id](const Row& r) { return r.listId == id; });
    if (row != m_rows.end() && !row->fill) FillList(id, *row);
  }
}

void CGridPage::FillList(int listId, const Row& row) {
  CListBox* list = ListWnd(listId);
  if (!list) return;
  m_filledBy[listId] = &row;
  list->ResetContent();
  for (const Choice& c : row.choices.choices) list->AddString(std::string(c.text));
  list->SetCurSel(row.choices.defaultIndex < int(row.choices.size()) ? row.choices.defaultIndex : -1);
}

// ---- refresh --------------------------------------------------------------------------

std::string CGridPage::CellText(const Row& row, int entity) {
  if (row.show) return row.show(*this, row, entity);
  CEditModel& model = TheModel();
  const bool isDefault = entity == kDefaultEntity;
  const int index = isDefault ? entity : FieldIndex(entity);
  switch (row.kind) {
    case Cell::Number:
      return std::to_string(isDefault ? DefaultCode(row) : row.field.Get(model, index));
    case Cell::Text:
    case Cell::Hex:
      return row.text.get && !isDefault ? row.text.get(model, index) : std::string();
    case Cell::List:
    case Cell::Static:
    case Cell::Check:
      break;
  }
  const std::uint32_t code = isDefault ? DefaultCode(row) : row.field.Get(model, index);
  return std::string(row.choices.PageText(code));
}

void CGridPage::SetCellText(const CellPos& pos, CWnd* cell, const std::string& text) {
  std::string& shown = m_shown[pos.index];
  // An edit's text is the person's until it is written again; a label's is ours.
  if (IsEdit(m_rows[pos.row].kind)) {
    if (cell->GetWindowText() != text) cell->SetWindowText(text);
    shown = text;
    return;
  }
  if (shown == text && !text.empty()) return;
  shown = text;
  cell->SetWindowText(text);
}

void CGridPage::Refresh() {
  if (!GetSafeHwnd()) return;
  if (m_axis.defaultCaptionId && m_axis.hasDefault) SetItemText(m_axis.defaultCaptionId, "Default");
  for (int column = 1; column <= m_axis.columns; ++column) {
    const int id = m_axis.captionIds[static_cast<std::size_t>(column - 1)];
    const int entity = EntityOf(column);
    if (id && entity < m_axis.entities) SetItemText(id, ColumnCaption(column));
    // The caption of a column past the end is greyed with its cells.
    CWnd* caption = id ? Item(id) : nullptr;
    const bool enable = !IsPastEnd(column) && entity < m_axis.entities;
    if (caption && (caption->IsWindowEnabled() != FALSE) != enable) caption->EnableWindow(enable ? TRUE : FALSE);
  }
  CEditModel& model = TheModel();
  for (const auto& [id, pos] : m_cellIds) {
    CWnd* cell = m_cells[pos.index].get();
    if (!cell->GetSafeHwnd()) continue;
    const Row& row = m_rows[pos.row];
    const int entity = EntityOf(pos.column);
    if (pos.column > 0 && entity >= m_axis.entities) continue;  // keeps what it showed
    if (row.kind == Cell::Check) {
      const std::uint32_t code = entity == kDefaultEntity ? DefaultCode(row) : row.field.Get(model, FieldIndex(entity));
      static_cast<CButton*>(cell)->SetCheck(code ? BST_CHECKED : BST_UNCHECKED);
      continue;
    }
    SetCellText(pos, cell, CellText(row, entity));
  }
  ApplyCellStates();
  OnRefreshed();
}

void CGridPage::RefreshKeepingSelection(CWnd& edit) {
  auto* e = dynamic_cast<CEdit*>(&edit);
  int start = 0, end = 0;
  if (e) e->GetSel(start, end);
  Refresh();
  if (!e) return;
  const int length = static_cast<int>(e->GetWindowText().size());
  e->SetSel(std::min(start, length), std::min(end, length));
}

void CGridPage::ApplyCellStates() {
  for (const auto& [id, pos] : m_cellIds) {
    CWnd* cell = m_cells[pos.index].get();
    if (!cell->GetSafeHwnd()) continue;
    const State s = StateOf(m_rows[pos.row], pos.column);
    const BOOL enable = s == State::Inactive ? FALSE : TRUE;
    if ((cell->IsWindowEnabled() != FALSE) != (enable != FALSE)) cell->EnableWindow(enable);
  }
}

// ---- colours ------------------------------------------------------------------------

HBRUSH CGridPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH base = CScrollPage::OnCtlColor(pDC, pWnd, nCtlColor);
  if (!pWnd || (nCtlColor != CTLCOLOR_STATIC && nCtlColor != CTLCOLOR_EDIT)) return base;
  int column = 0;
  const Row* row = RowOfCell(pWnd->GetDlgCtrlID(), &column);
  if (!row) {
    const auto& ids = m_axis.captionIds;
    const auto caption = std::find(ids.begin(), ids.begin() + m_axis.columns, pWnd->GetDlgCtrlID());
    if (pWnd->GetDlgCtrlID() == 0 || caption == ids.begin() + m_axis.columns ||
        !IsPastEnd(int(caption - ids.begin()) + 1)) {
      return base;
    }
    pDC->SetBkMode(TRANSPARENT);
    return m_grey;
  }
  const State s = StateOf(*row, column);
  pDC->SetBkMode(TRANSPARENT);
  const BOOL enable = s == State::Inactive ? FALSE : TRUE;
  if ((pWnd->IsWindowEnabled() != FALSE) != (enable != FALSE)) pWnd->EnableWindow(enable);
  return BrushOf(s);
}

void CGridPage::ResetCellColors() {
  for (const auto& [id, pos] : m_cellIds) {
    if (m_rows[pos.row].kind != Cell::List) continue;
    auto* label = static_cast<CColorLabel*>(m_cells[pos.index].get());
    if (label->GetSafeHwnd() && label->GetTextColor() != 0) label->SetTextColor(0);
  }
}

void CGridPage::HideListsExcept(int listId) {
  for (auto& [id, list] : m_lists) {
    if (id != listId && list->GetSafeHwnd() && list->IsWindowVisible()) list->ShowWindow(SW_HIDE);
  }
  m_openRow = nullptr;
  m_openList = 0;
  ResetCellColors();
}

void CGridPage::OnShowWindow(BOOL bShow, UINT nStatus) {
  CScrollPage::OnShowWindow(bShow, nStatus);
  if (bShow) Refresh();
}

// ---- opening and committing -------------------------------------------------------------

void CGridPage::OpenCell(const Row& row, int column) {
  CWnd* cell = CellWnd(row, column);
  if (row.kind != Cell::List || !cell || !cell->IsWindowEnabled()) return;
  MessageBeep(0);
  const int entity = EntityOf(column);
  const int listId = row.list ? row.list(*this, row, entity) : row.listId;
  HideListsExcept(listId);
  const std::string text = cell->GetWindowText();
  static_cast<CColorLabel*>(cell)->SetTextColor(cell_colors::kRed);
  m_openRow = &row;
  m_openList = listId;
  CListBox* list = ListWnd(listId);
  if (!list) {
    m_active = column;
    return;
  }
  m_openCodes.clear();
  if (row.fill) {
    std::vector<Entry> entries;
    row.fill(*this, row, entity, entries);
    list->ResetContent();
    for (const Entry& e : entries) {
      list->AddString(e.text);
      m_openCodes.push_back(e.code);
    }
    m_filledBy[listId] = &row;
  } else if (m_filledBy[listId] != &row) {
    FillList(listId, row);
  }
  CRect rc, page;
  cell->GetWindowRect(&rc);
  GetWindowRect(&page);
  const int w = rc.Width(), h = rc.Height();
  // Wider where an entry needs it, so that none is cut off; so widened, it
  // opens to the left where it would pass the page's right edge.
  const int least = row.widthFactor * w + 5;
  const int width = std::max(least, WidthForEntries(*list, row.heightFactor * h));
  const bool toTheLeft = (column > 0 && (column - 1) % m_axis.block >= m_axis.block - row.widthFactor) ||
                         (width > least && rc.right - page.left - 5 + width > page.Width());
  const int left = toTheLeft ? rc.left - page.left - width : rc.right - page.left - 5;
  ShowListEditor(list, left, rc.top - page.top - 10, width, row.heightFactor * h, text, 1);
  // Only now: the edit that lost the focus to the list has had its say.
  m_active = column;
}

void CGridPage::WriteEntity(const Row& row, int entity, std::uint32_t code) {
  if (entity < 0 || entity >= m_axis.entities) return;
  CEditModel& model = TheModel();
  const int index = FieldIndex(entity);
  const std::uint32_t before = row.field.IsSet() ? row.field.Get(model, index) : 0;
  if (row.write) row.write(*this, row, entity, code);
  else row.field.Set(model, index, code);
  if (row.after) row.after(*this, row, entity, before, code);
}

void CGridPage::CommitList(const Row& row) {
  CListBox* list = ListWnd(m_openList);
  if (&row != m_openRow || !list) return;
  MessageBeep(0);
  const int index = list->GetCurSel();
  std::optional<std::uint32_t> code;
  if (row.fill) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_openCodes.size()) code = m_openCodes[std::size_t(index)];
  } else if (index >= 0 && static_cast<std::size_t>(index) < row.choices.size()) {
    code = row.choices.CodeAt(index);
  }
  const int column = m_active;
  if (code) {
    if (column == 0) {
      if (row.writeDefault) {
        row.writeDefault(*this, row, kDefaultEntity, *code);
      } else {
        SetDefaultCode(row, *code);
        if (row.scope == Scope::Entities) {
          for (int e = ScopeBegin(); e < ScopeEnd() && e < m_axis.entities; ++e) WriteEntity(row, e, *code);
        }
      }
    } else {
      WriteEntity(row, EntityOf(column), *code);
    }
    if (row.setsModified) g_bModified = 1;
  }
  m_openRow = nullptr;
  m_openList = 0;
  // The focus back on the cell before the list goes, so that hiding the list
  // moves it nowhere else.
  CWnd* cell = CellWnd(row, column);
  if (cell) {
    cell->SetFocus();
    static_cast<CColorLabel*>(cell)->SetTextColor(0);
  }
  list->ShowWindow(SW_HIDE);
  // The focus moves on among the cells as the commit leaves them (a row it
  // opened takes the focus).
  ApplyCellStates();
  if (row.movesFocus) SendMessage(WM_NEXTDLGCTL, 0, 0);
  Refresh();
}

// ---- edits ----------------------------------------------------------------------------------

bool CGridPage::IsWritable(int column) const {
  const int entity = EntityOf(column);
  return column <= 0 || (entity >= 0 && entity < m_axis.entities && !IsPastEnd(column));
}

void CGridPage::CommitEdit(const Row& row, int column, CWnd& edit) {
  const int entity = EntityOf(column);
  if (!IsWritable(column)) return;
  if (row.commitEdit) {
    row.commitEdit(*this, row, entity, edit);
    return;
  }
  CEditModel& model = TheModel();
  const std::string text = edit.GetWindowText();
  if (row.kind == Cell::Number) {
    const auto value = static_cast<std::uint32_t>(std::max(0L, ParseDecimal(text)));
    if (entity == kDefaultEntity) SetDefaultCode(row, value);
    else row.field.Set(model, FieldIndex(entity), value);
  } else if (row.text.set && entity != kDefaultEntity) {
    row.text.set(model, FieldIndex(entity), text);
  }
  if (row.setsModified) g_bModified = 1;
}

void CGridPage::OnEditSetFocus(UINT nID) {
  int column = 0;
  const Row* row = RowOfCell(static_cast<int>(nID), &column);
  if (!row || !IsEdit(row->kind)) return;
  m_active = column;
  if ((row->leave || row->edit.keystrokeModifies) && IsWritable(column)) {
    m_visit = {static_cast<int>(nID), EntityOf(column), CellText(*row, EntityOf(column)), g_bModified != 0};
  }
  if (CWnd* edit = CellWnd(*row, column)) edit->PostMessage(EM_SETSEL, 0, -1);
  HideListsExcept(0);
  OnEditFocus(*row, column);
}

void CGridPage::OnEditKillFocus(UINT nID) {
  int column = 0;
  const Row* row = RowOfCell(static_cast<int>(nID), &column);
  if (!row || !IsEdit(row->kind)) return;
  CWnd* edit = CellWnd(*row, column);
  if (!edit) return;
  // Passing through an edit without changing its text stores nothing.
  std::string& shown = m_shown[m_cellIds.at(static_cast<int>(nID)).index];
  if (row->trigger == Trigger::KillFocus && edit->GetWindowText() != shown) {
    CommitEdit(*row, column, *edit);
    shown = edit->GetWindowText();
  }
  if (m_visit.id != static_cast<int>(nID)) return;
  const EditVisit visit = std::exchange(m_visit, {});
  const bool changed = CellText(*row, visit.entity) != visit.text;
  // The keys typed marked the data changed; a visit that leaves the value as
  // it was (refused, or typed back) changed nothing.
  if (row->edit.keystrokeModifies && !changed && !visit.modified) g_bModified = 0;
  // Only a value changed in this visit goes on to the leave hook: leaving an
  // edit as it was entered must not write over what was typed elsewhere since.
  if (row->leave && changed) row->leave(*this, *row, visit.entity, *edit);
}

LRESULT CGridPage::OnNumEditChange(WPARAM wParam, LPARAM) {
  int column = 0;
  const Row* row = RowOfCell(static_cast<int>(wParam), &column);
  if (!row || row->kind != Cell::Number) return 0;
  if (row->edit.keystrokeModifies) g_bModified = 1;
  EditChanged(*row, column);
  return 0;
}

LRESULT CGridPage::OnTextChange(WPARAM wParam, LPARAM) {
  int column = 0;
  const Row* row = RowOfCell(static_cast<int>(wParam), &column);
  if (!row || (row->kind != Cell::Text && row->kind != Cell::Hex)) return 0;
  EditChanged(*row, column);
  return 0;
}

void CGridPage::EditChanged(const Row& row, int column) {
  CWnd* edit = CellWnd(row, column);
  const int entity = EntityOf(column);
  if (!edit || (column > 0 && (entity >= m_axis.entities || IsPastEnd(column)))) return;
  if (row.keystroke) row.keystroke(*this, row, entity, *edit);
  if (row.trigger == Trigger::Keystroke) CommitEdit(row, column, *edit);
}

// ---- notifications and keys -------------------------------------------------------------------

void CGridPage::OnClicked(UINT nID) {
  const int id = static_cast<int>(nID);
  if (id == ID_ROM_EDITOR) {
    OnRomEditor();
    return;
  }
  if (id != 0 && (id == m_axis.prevId || id == m_axis.nextId)) {
    Step(id == m_axis.prevId ? -1 : +1);
    return;
  }
  int column = 0;
  const Row* row = RowOfCell(id, &column);
  if (!row) return;
  if (row->kind == Cell::List) {
    OpenCell(*row, column);
  } else if (row->kind == Cell::Check) {
    CWnd* box = CellWnd(*row, column);
    if (!box) return;
    // The box shows its own change: no beep; an open list closes as when an edit is entered.
    HideListsExcept(0);
    const std::uint32_t code = static_cast<CButton*>(box)->GetCheck() == BST_CHECKED ? 1 : 0;
    if (column == 0) SetDefaultCode(*row, code);
    else WriteEntity(*row, EntityOf(column), code);
    if (row->setsModified) g_bModified = 1;
    Refresh();
  }
}

void CGridPage::OnCellDoubleClickOrSelChange(UINT nID) {
  // A double-click on a cell does nothing more than its first click.
  if (!m_openRow || static_cast<int>(nID) != m_openList || m_openRow->trigger != Trigger::SelChange) return;
  CommitList(*m_openRow);
}

void CGridPage::OnListDoubleClick(UINT nID) {
  if (m_openRow && static_cast<int>(nID) == m_openList) CommitList(*m_openRow);
}

LRESULT CGridPage::OnLabelEnter(WPARAM wParam, LPARAM) {
  int column = 0;
  const Row* row = RowOfCell(static_cast<int>(wParam), &column);
  if (row && row->enterOpens) OpenCell(*row, column);
  return 0;
}

LRESULT CGridPage::OnPageEditEnter(WPARAM wParam, LPARAM) {
  OnListDoubleClick(static_cast<UINT>(wParam));
  return 0;
}

LRESULT CGridPage::OnButtonEnter(WPARAM wParam, LPARAM) {
  const int id = static_cast<int>(wParam);
  CWnd* button = Item(id);
  if (!button || !dynamic_cast<CButton*>(button) || !button->IsWindowEnabled()) return 0;
  SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
              reinterpret_cast<LPARAM>(button->GetSafeHwnd()));
  return 0;
}

LRESULT CGridPage::OnRepeatStep(WPARAM wParam, LPARAM lParam) {
  const int id = static_cast<int>(wParam);
  if (id == 0 || (id != m_axis.prevId && id != m_axis.nextId)) return 0;
  SetFirst(static_cast<int>(lParam));
  Refresh();
  RedrawPage();
  return 0;
}

LRESULT CGridPage::OnIgnore(WPARAM, LPARAM) { return 0; }

void CGridPage::Step(int direction) {
  MessageBeep(0);
  const int next = m_first + direction * m_axis.step;
  if (next >= FirstMin() && next <= FirstMax()) m_first = next;
  else if (m_axis.clampStep) m_first = std::clamp(next, FirstMin(), std::max(FirstMin(), FirstMax()));
  ResetCellColors();
  Refresh();
}

BOOL CGridPage::PreTranslateMessage(MSG* pMsg) { return PagePreTranslateMessage(this, m_hAccel, pMsg); }

LRESULT CGridPage::SendToMain(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!GetSafeHwnd()) return 0;
  CWnd* main = GetParentOwner();
  if (!main || main == this) return 0;
  return main->SendMessage(message, wParam, lParam);
}

void CGridPage::RedrawPage() { RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

}  // namespace grid
