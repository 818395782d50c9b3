// The column grid that the zone, group, repeater and channel pages stand on.
//
// A grid page shows an indexed thing (zones, groups, repeater slots, channels)
// as columns: column c (1..N) shows entity First() + c - 1; an optional Default
// column (column 0) holds a value for each row and writes it into every entity
// of the page's scope. Each row is one setting: a cell per column (and one in
// the Default column) and, for a list row, a hidden popup list that drops down
// over the cell being edited. A page is its template, an axis, a table of rows
// and a few virtuals and hooks:
//
//   const grid::Row kRows[] = {
//       {.ids = grid::Ids(kTimeout), .defaultId = 10910, .listId = 1307, .choices = zf::kTimerList,
//        .field = overview::kTxTimeout.zones, .defaultField = overview::kTxTimeout.value,
//        .scope = grid::Scope::Entities, .heightFactor = 4},
//       {.kind = grid::Cell::Number, .ids = {13121, 13132, 13142, 13152, 13162},
//        .trigger = grid::Trigger::KillFocus, .edit = {.intDigits = 3}, .commitEdit = &CommitCount},
//   };
//   constexpr grid::Axis kAxis{.columns = 5, .block = 5, .entities = 32, .prevId = 1079, .nextId = 1080,
//                              .defaultCaptionId = 1542, .captionIds = {1081, 1082, 1083, 1084, 1085}};
//   class CMyPage : public grid::CGridPage {
//    public:
//     CMyPage() : CGridPage(IDD_MY_PAGE, kAxis, kRows) {}
//     int FirstMax() const override { return 27; }
//   };
//
// Designated initialisers name the members of Row and Axis in their order;
// grid::Ids makes a row's cells from a page's array of control ids.
//
// A row's fields are the model's (model/field.h): `field` the value of entity
// i, `defaultField` the Default column's, a field of a Default record of the
// model: DefaultGroupRecord for the group pages (grp::def), the zone Default
// record for the zone pages (ZoneDefault's `value`, model/zone_defaults.h).
// Each starts at its list's default entry; a page whose Default values last as
// long as the page object sets its own when the object is made
// (ResetZoneDefaults), the group pages' last as long as the model's records.
// The template (src/res, with res/page_zone_grid.h) holds the cells, the
// captions, the arrows, the page's own buttons and the popup lists; cells a
// template leaves out are passed over, so a page builds only what it shows.
// Rows may share one popup list. What a page adds:
//
// - Virtuals: FirstMin/FirstMax (the arrows' limits, for the page as it is
//   when its window is made; BindArrows applies changed limits), HeldFirstMin
//   (the lower limit of an arrow held down, FirstMin unless the page says
//   otherwise), IsPastEnd (a
//   column past the entities shown: greyed, no input), ScopeBegin/ScopeEnd (the
//   entities a Default commit writes, the end read again after each one; all
//   of them by default), CellState (the state of a cell that the row's `state`
//   hook does not settle), ColumnCaption, OnInitPage (captions, fonts, rows to
//   hide or move, after the cells are bound and before the first refresh),
//   OnRefreshed (the page's own controls after each refresh), OnEditFocus,
//   FieldIndex (the index a row's field takes for an entity: the entity
//   itself, or a key when the entities are one zone's slots or rows).
// - Page state: First() (an int the arrows are bound to), ActiveColumn().
// - Its own buttons: BN_CLICKED entries in its message map (Enter on any push
//   button of the template clicks it); SendToMain for the page switches (the
//   zone pages' "Close", "Interconnect" and "LTR Advanced" are in
//   zone_columns_page.h).
// - Lookups: Item(id) finds a control of the window (use it rather than
//   GetDlgItem, which walks every child), RowOfCell, CellWnd, CellText, and
//   EntriesOf to build a `fill` hook's items with one of the store's fillers.
//
// What the engine does, the same way on every page:
//
// - Cells. A List cell is a CColorLabel (a click or Enter opens the row's
//   list); a Number cell a CNumEdit, a Text cell a CSerialEdit, a Hex cell a
//   CHexEdit (typed in place, their whole text selected when they get the
//   focus); a Check cell a check box (a click commits, without a beep, and
//   hides any open list); a Static cell only
//   shows its text. A cell shows the row's `show` hook, else the choice list's
//   text of the field's code (the default entry's for a code no entry has; a
//   default entry past the list shows an empty cell), the number, or the text.
// - Opening (a click on a List cell, or Enter on it): beep; every other list
//   hidden and every List cell black; the row's list filled (by its `fill` hook
//   at each opening, else from `choices` whenever the list holds another row's
//   items); the cell's text red; the list placed by the one formula below and
//   shown with the item of the cell's text selected; the list takes the focus,
//   and only then the column becomes the active column (so an edit that loses
//   the focus to the list cannot set it back). `list` picks the list by the
//   entity (0: none opens) for rows that choose between lists.
//   Placement, in page pixels, with L, R, T, W, H the cell's left, right, top,
//   width and height: top T - 10, width widthFactor x W + 5, height
//   heightFactor x H; left R - 5, or L - widthFactor x W - 5 when the column
//   is among the last `widthFactor` columns of its block (it opens to the left).
//   A list whose widest entry needs more, in the list's own font (with its
//   frame, and its scroll bar when it holds more entries than it shows), is
//   that wide instead (its right edge at L when it opens to the left), and
//   opens to the left where it would pass the page's right edge.
// - Committing (a double-click or Enter in the list; a selection change only on
//   rows with Trigger::SelChange; a programmatic selection never commits): beep;
//   the code of the selected item (from `choices`, or from the codes the fill
//   hook gave); in a column: the entity's field is written (`field.Set`, or the
//   row's `write` hook), then the `after` hook with the code before and after;
//   in the Default column: the row's `writeDefault` hook if it has one, else
//   the Default value and then every entity of the scope when the row's scope
//   is Scope::Entities; g_bModified when the row `setsModified`; when the row
//   the focus back to the cell, its text black, the list hidden, and when the
//   row `movesFocus` the focus on to the next tab stop, among the cells as the
//   commit left them; Refresh.
// - Edits. EN_SETFOCUS makes the edit's column the active column, selects its
//   text and hides every list. The commit (`commitEdit`, or the plain one:
//   Number cells store the number, Text cells the text, and set g_bModified)
//   runs on EN_KILLFOCUS (Trigger::KillFocus), only when the text is no longer
//   the one the page last wrote (passing through an edit stores nothing), or on
//   each change (Trigger::Keystroke: WM_NUMEDIT_CHANGE, WM_SERIALEDIT_CHANGE,
//   WM_HEXEDIT_CHANGE). It always acts on the edit's own column, taken from its
//   control id. `edit.keystrokeModifies` sets g_bModified on each change of a
//   Number cell whatever the trigger, and clears it again when the edit is left
//   with the cell's value as it was and the data were not marked before (a
//   refused or retyped value changes nothing); a row's `keystroke` hook runs on each
//   change before any commit (a check as the person types). A row's `leave`
//   hook runs when the edit loses the focus after its value changed while it
//   had it (the cell's text from the model differs from the one it showed on
//   taking the focus), for the entity it took the focus on: passing through,
//   or typing a value back as it was, runs nothing.
// - States, worked out again at every refresh and at every paint (WM_CTLCOLOR):
//   Active (enabled, white), Inactive (disabled, grey 0xC0C0C0: no click, no
//   focus, skipped by Tab), EnabledGrey (enabled, grey) and Default (the
//   Default column: 0xE6E6E6, enabled). The Default column is
//   always Default, a column past the end (IsPastEnd) or past the entities
//   Inactive; any other cell takes the row's `state` hook, else CellState. A
//   row's `defaultState` hook (entity kDefaultEntity) overrides the Default
//   cell's state, for a Default value that cannot always be chosen.
// - Refresh: the captions (a column past the entities keeps its texts; the
//   caption of a column past the end or the entities is greyed), every
//   cell's text and state, then OnRefreshed. It runs at set-up, on showing,
//   after every commit and every scroll; hooks may call it.
// - Scrolling: the arrows step First() by the axis step within FirstMin() ..
//   FirstMax(), beep, and refresh (also at a limit; a step that would pass a
//   limit stays where it is, or stops at the limit with Axis::clampStep); held
//   down, they repeat (WM_REPEAT_STEP) within HeldFirstMin() .. FirstMax() and
//   refresh and repaint each step.
// - Keys: Shift+F9 (accelerator table 138) first; Enter and Esc swallowed;
//   Enter on a List cell opens it unless the row says `enterOpens = false`
//   (such a cell opens on a click only);
//   F1 to F7 left to the main dialog; Tab and Shift+Tab on a cell move through
//   the tab stops (template order: the templates put the cells one entity at a
//   time, column by column, with grid_res::OrderByColumns, so that a value
//   typed after Tab stays in the entity); Enter in a number edit set up with
//   `enterNext` moves on as well. Messages the page does not handle stay with it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>

#include <QPointer>
#include <QWidget>
#include <vector>

#include "model/channel_store.h"
#include "model/field.h"
#include "ui/cells/cells.h"
#include "ui/page/page.h"
#include "ui/wnd/ext/color_pass.h"

namespace grid {

inline constexpr int kMaxColumns = 16;
using ColumnIds = std::array<int, kMaxColumns>;
// The cells of columns 1..N from a page's array of control ids; `first` false
// leaves out column 1's cell, `rest` false the others (a row whose first cell
// is of another kind).
template <std::size_t N>
constexpr ColumnIds Ids(const int (&ids)[N], bool first = true, bool rest = true) {
  static_assert(N <= kMaxColumns, "at most kMaxColumns columns");
  ColumnIds out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = (i == 0 ? first : rest) ? ids[i] : 0;
  return out;
}

// The entity of the Default column.
inline constexpr int kDefaultEntity = -1;

enum class Cell { List, Number, Text, Hex, Static, Check };
// When a row's value is written.
enum class Trigger { Choose, SelChange, Keystroke, KillFocus };
// What a Default-column commit writes beside the row's default value.
enum class Scope { None, Entities };
enum class State { Active, Inactive, EnabledGrey, Default };

inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kGrey = 0xC0C0C0;
inline constexpr COLORREF kDefaultGrey = 0xE6E6E6;

class CGridPage;
struct Row;

// One item of a list a `fill` hook builds: its text and the code it stands for.
struct Entry {
  std::string text;
  std::uint32_t code = 0;
};

// The items one of the store's list fillers gives (FillGroupList,
// FillChannelList), with the map's codes:
//   EntriesOf(entries, [&](IChoiceList& l, ListIndexMap& m) { store.FillChannelList(l, m, n); });
void EntriesOf(std::vector<Entry>& entries, const std::function<void(IChoiceList& list, ListIndexMap& map)>& fill);

// Hooks; `entity` is kDefaultEntity for the Default column.
using ShowFn = std::string (*)(CGridPage& page, const Row& row, int entity);
using StateFn = State (*)(CGridPage& page, const Row& row, int column, int entity);
using FillFn = void (*)(CGridPage& page, const Row& row, int entity, std::vector<Entry>& entries);
using ListFn = int (*)(CGridPage& page, const Row& row, int entity);
using WriteFn = void (*)(CGridPage& page, const Row& row, int entity, std::uint32_t code);
using AfterFn = void (*)(CGridPage& page, const Row& row, int entity, std::uint32_t before, std::uint32_t code);
using EditFn = void (*)(CGridPage& page, const Row& row, int entity, CWnd& edit);

// How an edit cell is set up.
struct EditSpec {
  int intDigits = 5;       // Number: integer digits
  int decimals = 0;        // Number: decimals (0: no point)
  int maxValue = 0;        // Number: 0 for none
  bool blankAllowed = false;  // Number: blanks typed (else blank, "+" and "-" are refused)
  bool enterNext = false;  // Number: Enter moves to the next field (WM_NUMEDIT_ENTER)
  bool keystrokeModifies = false;  // Number: every change sets g_bModified
  int maxLength = 8;       // Text, Hex: the most characters
  char extraChar = ' ';    // Text: one more accepted character (0: none)
  const char* moreChars = nullptr;     // Text, Hex: more accepted characters
  const char* refusedChars = nullptr;  // Text, Hex: characters dropped silently
};

struct Row {
  Cell kind = Cell::List;
  ColumnIds ids{};         // the cells of columns 1..N (0: none)
  int defaultId = 0;       // the Default column's cell (0: none)
  int listId = 0;          // List rows: the popup list
  ChoiceList choices{};    // the list's items and codes, and what a cell shows for a code
  Field field{};           // the entity's value
  Field defaultField{};    // the Default column's value: a field of a Default record of the model
  TextField text{};        // Text and Hex cells
  Trigger trigger = Trigger::Choose;
  Scope scope = Scope::None;
  int widthFactor = 1;     // the list's width in cell widths (plus 5 pixels)
  int heightFactor = 2;    // the list's height in cell heights
  bool movesFocus = true;  // a commit moves the focus on from the cell (else it stays there)
  bool enterOpens = true;  // Enter on the cell opens its list (else only a click does)
  bool setsModified = true;
  EditSpec edit{};
  std::uint32_t tags = 0;  // the page's own marks (read by its CellState)
  ShowFn show = nullptr;   // the cell's text, in place of the plain one
  StateFn state = nullptr; // the cell's state, in place of the page's CellState
  StateFn defaultState = nullptr;  // the Default cell's state, in place of State::Default
  FillFn fill = nullptr;   // the list's items, built at each opening
  ListFn list = nullptr;   // which list opens (0: none), for rows that share lists
  WriteFn write = nullptr;         // the write of one entity, in place of field.Set
  WriteFn writeDefault = nullptr;  // the whole Default-column commit
  AfterFn after = nullptr;         // after each entity's write
  EditFn commitEdit = nullptr;     // the commit of an edit cell
  EditFn keystroke = nullptr;      // each change of an edit cell, before any commit
  EditFn leave = nullptr;          // an edit cell loses the focus after its value changed there
};

struct Axis {
  int columns = 5;          // entity columns shown (1..16)
  int block = 5;            // columns per block of the layout (the list placement's blocks)
  int entities = 32;        // entities 0..entities-1 exist; a column beyond keeps its texts
  int step = 1;             // the arrows' step
  bool clampStep = false;   // a click's step that would pass a limit stops at it
  bool hasDefault = true;   // column 0
  int prevId = 0;           // the arrow buttons (0: none)
  int nextId = 0;
  int defaultCaptionId = 0; // the Default column's caption ("Default")
  ColumnIds captionIds{};   // the column captions
};

class CGridPage : public CScrollPage {
 public:
  CGridPage(UINT nIDTemplate, const Axis& axis, std::span<const Row> rows, CWnd* pParent = nullptr);
  ~CGridPage() override;

  // ---- position ------------------------------------------------------------------
  int First() const { return m_first; }
  // Clamped to FirstMin() .. FirstMax(); nothing is refreshed.
  void SetFirst(int first);
  int ActiveColumn() const { return m_active; }
  // The entity of a column: First() + column - 1; kDefaultEntity for column 0.
  int EntityOf(int column) const { return column <= 0 ? kDefaultEntity : m_first + column - 1; }
  const Axis& GetAxis() const { return m_axis; }
  std::span<const Row> Rows() const { return m_rows; }

  // ---- what pages and hooks call ---------------------------------------------------
  // Every cell's text and state, the captions, then OnRefreshed.
  void Refresh();
  // The open and commit routines (as a click and a double-click do).
  void OpenCell(const Row& row, int column);
  void CommitList(const Row& row);
  // Hides every popup list but the given one (0: all), then ResetCellColors.
  void HideListsExcept(int listId);
  void ResetCellColors();
  // Enables and disables every cell for its state now.
  void ApplyCellStates();
  // The row and column of a cell id; null when the id is no cell.
  const Row* RowOfCell(int id, int* column) const;
  int CellId(const Row& row, int column) const;
  CWnd* CellWnd(const Row& row, int column) const;
  State StateOf(const Row& row, int column);
  // A control of the page's window by its id, found once per window (a lookup
  // that does not walk the page's children); null without a window or control.
  CWnd* Item(int id) const;
  void SetItemText(int id, const std::string& text);
  // The row whose list is open, or null.
  const Row* OpenRow() const { return m_openRow; }
  // The text a cell shows for an entity (the row's show hook, else the plain text).
  std::string CellText(const Row& row, int entity);
  // Refresh, keeping the edit's selection and caret where they were (an edit
  // whose every keystroke commits and refreshes the page).
  void RefreshKeepingSelection(CWnd& edit);
  // The code of a row's Default cell, and its write.
  std::uint32_t DefaultCode(const Row& row);
  void SetDefaultCode(const Row& row, std::uint32_t code);

 protected:
  // ---- what a page supplies ----------------------------------------------------------
  virtual int FirstMin() const { return 0; }
  virtual int FirstMax() const { return 0; }
  // The lower limit of an arrow held down.
  virtual int HeldFirstMin() const { return FirstMin(); }
  // A column past the end of the entities the page shows (greyed, no input).
  virtual bool IsPastEnd(int column) const { return false; }
  // The entities a Scope::Entities Default commit writes: begin, and an end read
  // again after every entity.
  virtual int ScopeBegin() const { return 0; }
  virtual int ScopeEnd() const { return m_axis.entities; }
  // The state of a cell of a column that is not past the end, for rows without a state hook.
  virtual State CellState(const Row& row, int column, int entity) { return State::Active; }
  virtual std::string ColumnCaption(int column) const;
  // In the window's set-up, after the cells are bound and before the lists are
  // filled and the first refresh: captions, layout, the page's own controls.
  virtual void OnInitPage() {}
  // After every refresh: the page's own controls (buttons, headers).
  virtual void OnRefreshed() {}
  // An edit cell took the focus.
  virtual void OnEditFocus(const Row& row, int column) {}
  // The index a row's field (and text) takes for an entity.
  virtual int FieldIndex(int entity) const { return entity; }

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Binds the arrows to First() with the limits as they are now.
  void BindArrows();
  // Sends a message to the main dialog (the page's parent owner); 0 without one.
  LRESULT SendToMain(UINT message, WPARAM wParam, LPARAM lParam);
  void RedrawPage();

  // ---- message handlers ----------------------------------------------------------------
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnClicked(UINT nID);
  void OnCellDoubleClickOrSelChange(UINT nID);
  void OnListDoubleClick(UINT nID);
  void OnEditSetFocus(UINT nID);
  void OnEditKillFocus(UINT nID);
  LRESULT OnLabelEnter(WPARAM wParam, LPARAM lParam);
  LRESULT OnPageEditEnter(WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonEnter(WPARAM wParam, LPARAM lParam);
  LRESULT OnRepeatStep(WPARAM wParam, LPARAM lParam);
  LRESULT OnNumEditChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnTextChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnIgnore(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  struct CellPos {
    std::size_t row;
    int column;
    std::size_t index;  // into m_cells
  };
  void BindCells();
  void FillFixedLists();
  void FillList(int listId, const Row& row);
  void Step(int direction);
  void WriteEntity(const Row& row, int entity, std::uint32_t code);
  void CommitEdit(const Row& row, int column, CWnd& edit);
  // A change of an edit's text: the row's keystroke hook, then a Keystroke commit.
  void EditChanged(const Row& row, int column);
  // A column whose edits may be stored (the Default column, or one within the entities and not past the end).
  bool IsWritable(int column) const;
  CListBox* ListWnd(int listId);
  HBRUSH BrushOf(State s) const;
  void SetCellText(const CellPos& pos, CWnd* cell, const std::string& text);

  Axis m_axis;
  std::span<const Row> m_rows;
  int m_first = 0;
  int m_active = 0;
  const Row* m_openRow = nullptr;
  int m_openList = 0;
  std::vector<std::uint32_t> m_openCodes;  // the codes of a list a fill hook built
  // The edit cell of a row with a `leave` hook or marked by keystrokes that has
  // the focus: its entity, the text the cell showed and whether the data were
  // marked changed when it took the focus.
  struct EditVisit {
    int id = 0;
    int entity = kDefaultEntity;
    std::string text;
    bool modified = false;
  };
  EditVisit m_visit;

  void IndexItems();

  std::unordered_map<int, CellPos> m_cellIds;
  std::unordered_map<int, QPointer<QWidget>> m_items;  // the window's controls by id
  std::vector<std::unique_ptr<CWnd>> m_cells;    // one object per cell id, in row order
  std::vector<std::string> m_shown;               // the text the page last wrote into each cell
  std::vector<std::pair<int, std::unique_ptr<CPageEdit>>> m_lists;
  std::unordered_map<int, const Row*> m_filledBy;  // the row whose items a list holds
  CRepeatButton m_prev;
  CRepeatButton m_next;
  std::vector<std::unique_ptr<CNotifyButton>> m_buttons;  // the page's other push buttons
  CBrush m_white{kWhite};
  CBrush m_grey{kGrey};
  CBrush m_defaultGrey{kDefaultGrey};
};

}  // namespace grid
