// Bindings: a page's controls tied to the model's fields, written as a table.
//
// A binding names its control id, its kind, the field it shows (a Field, a
// TextField or a zone/group pair), its choice list or text format, and when an
// edit is stored. One set of routines exchanges every binding: the refresh
// shows each field in its control, the commit stores a control's edit into its
// field and sets g_bModified, and the enable rules (data too) enable or disable
// controls by the model's state. A table may stand for one entity (a zone, a
// record) or for a page of rows over many (Row: the entity counts from the
// table's index, so "20 rows, 5 blocks" is twenty rows and an index of 20 x
// block). The page text of a binding (what its control shows) and its print
// text (what a sheet prints) come from the same table, so screen and paper
// cannot disagree except where a choice list says so.
//
//   const Binding kBindings[] = {
//       Combo(IDC_POWER_ON_TONE, gf::kPowerOnTone, kOffFirst),
//       Number(IDC_LED_ON, gf::kLedOnTime, kLedFormat, 4),
//       Text(IDC_PASSWORD, gf::kPassword, 8),
//       Dial(IDC_CODE, gf::kEmergencyCode),
//       ZoneList(IDC_HOME_ZONE, IDC_HOME_GROUP, gf::kHomeZone, gf::kHomeGroup),
//       Chooser(IDC_ZONE_CELL, sc::kZone).Row(3),
//   };
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/channel_store.h"
#include "model/field.h"
#include "model/offered_list.h"
#include "ui/wnd/wnd.h"

enum class BindKind : std::uint8_t {
  Combo,      // a drop-down list of a ChoiceList, stored on a choice
  Number,     // a number cell with a text format or a typed field, stored on focus
              // loss (every key with kBindEveryKey) when its text changed
  Text,       // a letters-and-digits cell (upper case), stored on every key
  Dial,       // a dial-string cell (digits, A-D, '*', '#'), stored on every key
  Check,      // a check box, stored on a click
  ZoneList,   // a list of the zones in use; its group list follows it
  GroupList,  // a list of the groups in use of the partner zone list's zone
  Offered,    // a drop-down list whose entries the model works out at each refresh
  Chooser,    // a list cell whose list (the page's popup list) drops down over it
  Label,      // a static text showing a text field; stores nothing
};

// A number's text in its cell and on paper, and what a typed text stores.
struct NumberFormat {
  std::string (*text)(std::uint32_t code) = nullptr;
  // The code a typed text stores; nothing when the text is refused (the cell
  // then shows the stored code again).
  std::optional<std::uint32_t> (*parse)(const std::string& text) = nullptr;
};

// A list whose entries depend on the model's state (a function another port
// holds is not offered, say), for one element of a family (a port, a switch
// position): the list offered as the model works it out now, the choice of one
// of its positions (false: nothing stored), and what a sheet prints (null: the
// entry shown).
struct OfferedField {
  OfferedList (*offer)(CEditModel& model, int element) = nullptr;
  bool (*choose)(CEditModel& model, int element, int position) = nullptr;
  std::string (*print)(CEditModel& model, int element) = nullptr;
};

// Flags of a binding.
inline constexpr std::uint8_t kBindWithPassPort = 0x01;   // ZoneList: PassPort zones are listed too
inline constexpr std::uint8_t kBindPrintInUseOnly = 0x02;  // GroupList: a group not in use prints "None"
inline constexpr std::uint8_t kBindBlank = 0x04;           // Text: the blank is taken too
inline constexpr std::uint8_t kBindNoDialSigns = 0x08;     // Dial: digits and "A"-"D" only, no "*" or "#"
inline constexpr std::uint8_t kBindEnterNext = 0x10;       // Number: Enter moves the focus on (which stores it)
inline constexpr std::uint8_t kBindRow = 0x20;             // its index counts from the table's (a row of a page)
inline constexpr std::uint8_t kBindEveryKey = 0x40;        // Number: stored at every key

struct Binding {
  int id = 0;
  BindKind kind = BindKind::Combo;
  Field field{};                     // Combo, Number, Check, ZoneList, GroupList
  const ChoiceList* list = nullptr;  // Combo; Check: printed texts of 0 and 1 (else "Disable"/"Enable")
  TextField text{};                  // Text, Dial, Label
  const NumberFormat* number = nullptr;  // Number over a field
  const TypedField* typed = nullptr;     // Number over a typed field
  const ChooserField* chooser = nullptr;  // Chooser
  int maxLength = 0;                 // Text, Dial, Number: characters the cell takes (Number: integer digits)
  int decimals = 0;                  // Number: decimal places
  int partner = 0;                   // ZoneList: its group list; GroupList: its zone list
  std::uint8_t flags = 0;
  const OfferedField* offered = nullptr;  // Offered
  int element = 0;                        // Offered: the element its functions are given
  int index = -1;                    // its own entity (record, entry, row); -1: the table's

  // The same binding on entity `i` of its field, whatever the table's entity.
  constexpr Binding At(int i) const {
    Binding b = *this;
    b.index = i;
    return b;
  }
  // The same binding as row `r` of a page: its entity is the table's plus r.
  constexpr Binding Row(int r) const {
    Binding b = At(r);
    b.flags = static_cast<std::uint8_t>(b.flags | kBindRow);
    return b;
  }
  // The same binding with more flags.
  constexpr Binding With(std::uint8_t f) const {
    Binding b = *this;
    b.flags = static_cast<std::uint8_t>(b.flags | f);
    return b;
  }
};

constexpr Binding Combo(int id, Field field, const ChoiceList& list) {
  return {id, BindKind::Combo, field, &list};
}
constexpr Binding Number(int id, Field field, const NumberFormat& format, int maxDigits, int decimals = 0) {
  Binding b{id, BindKind::Number, field};
  b.number = &format;
  b.maxLength = maxDigits;
  b.decimals = decimals;
  return b;
}
// A number cell whose typed text the model stores itself.
constexpr Binding Number(int id, const TypedField& typed, int maxDigits, int decimals = 0) {
  Binding b{id, BindKind::Number};
  b.typed = &typed;
  b.maxLength = maxDigits;
  b.decimals = decimals;
  return b;
}
constexpr Binding Text(int id, TextField text, int maxLength) {
  Binding b{id, BindKind::Text};
  b.text = text;
  b.maxLength = maxLength;
  return b;
}
constexpr Binding Dial(int id, TextField text, int maxLength = 15) {
  Binding b{id, BindKind::Dial};
  b.text = text;
  b.maxLength = maxLength;
  return b;
}
constexpr Binding Check(int id, Field field, const ChoiceList* printed = nullptr) {
  return {id, BindKind::Check, field, printed};
}
// A zone list and the group list that follows it: two bindings.
constexpr Binding ZoneList(int zoneId, int groupId, Field zone, std::uint8_t flags = 0) {
  Binding b{zoneId, BindKind::ZoneList, zone};
  b.partner = groupId;
  b.flags = flags;
  return b;
}
constexpr Binding GroupList(int groupId, int zoneId, Field group, std::uint8_t flags = 0) {
  Binding b{groupId, BindKind::GroupList, group};
  b.partner = zoneId;
  b.flags = flags;
  return b;
}

// A list of the entries the model offers for an element. A choice refreshes
// every Offered list of the table, since what one holds decides what the
// others offer; a list whose entries did not change is not filled again.
constexpr Binding Offered(int id, const OfferedField& field, int element = 0) {
  Binding b{id, BindKind::Offered};
  b.offered = &field;
  b.element = element;
  return b;
}

// A list cell: a click or Enter drops the page's popup list over it with the
// entries the model offers; a double click or Enter in the list stores the
// entry's code.
constexpr Binding Chooser(int id, const ChooserField& chooser) {
  Binding b{id, BindKind::Chooser, chooser.field};
  b.chooser = &chooser;
  return b;
}
constexpr Binding Label(int id, TextField text) {
  Binding b{id, BindKind::Label};
  b.text = text;
  return b;
}

// A control enabled exactly when `enabled` says so, at every refresh; or, for
// a table that stands for an entity (CBindingSet::SetIndex), `enabledAt` of
// that entity: {id, nullptr, &RssiOn}.
struct EnableRule {
  int id = 0;
  bool (*enabled)() = nullptr;
  bool (*enabledAt)(int index) = nullptr;
};

// The entity a binding's field is read and written for: its own, else the
// table's (CBindingSet::SetIndex); a row's counts from the table's.
constexpr int EntityOf(const Binding& b, int tableIndex) {
  if (b.flags & kBindRow) return tableIndex + b.index;
  return b.index >= 0 ? b.index : tableIndex;
}

// The controls of a window by id, found in one pass over its children (what
// GetDlgItem finds, without a search for each id).
std::unordered_map<int, HWND> ControlsById(const CWnd& owner);

// The binding of a control id; null when the table has none.
const Binding* FindBinding(std::span<const Binding> bindings, int id);
// What the control of a binding shows for the model's current value of entity
// `index` (or of the binding's own), and what a sheet prints for it.
std::string PageText(std::span<const Binding> bindings, const Binding& b, int index = 0);
std::string PrintText(std::span<const Binding> bindings, const Binding& b, int index = 0);
// The same by control id; empty for an id the table does not have.
std::string PrintText(std::span<const Binding> bindings, int id, int index = 0);

// The routines of a binding table over the controls of one window (a page or a
// dialog): it makes the cell objects of the controls, refreshes, commits and
// applies the enable rules. The window forwards its notifications to Handle.
class CBindingSet {
 public:
  using CommitHook = std::function<void(const Binding&)>;

  CBindingSet(std::span<const Binding> bindings, std::span<const EnableRule> rules);
  ~CBindingSet();
  CBindingSet(const CBindingSet&) = delete;
  CBindingSet& operator=(const CBindingSet&) = delete;

  std::span<const Binding> Bindings() const { return m_bindings; }
  // The entity the table's fields are read and written for (a page of one
  // zone, say), where a binding names none of its own; 0 unless set.
  void SetIndex(int index) { m_index = index; }
  int Index() const { return m_index; }
  std::span<const EnableRule> Rules() const { return m_rules; }

  // Binds the cell objects to the window's controls (from OnInitDialog); the
  // notifications of the cells go to `owner`.
  void Attach(CWnd& owner);
  // Every control from its field, in table order, then the enable rules.
  void Refresh();
  void RefreshBinding(const Binding& b);
  void ApplyEnableRules();
  // Called after every stored commit, with the binding that stored.
  void SetCommitHook(CommitHook hook) { m_onCommit = std::move(hook); }

  // A notification of a control (WM_COMMAND code) or a cell message
  // (WM_NUMEDIT_CHANGE, WM_HEXEDIT_CHANGE, WM_SERIALEDIT_CHANGE): true when a
  // binding took it.
  bool HandleCommand(int id, UINT code);
  bool HandleCellMessage(UINT message, int id);

  // Stores the control's edit into the field: true when something was stored
  // (g_bModified is then set and the controls that show the same bits refreshed).
  bool Commit(const Binding& b);
  // Stores the entry chosen in a Chooser's list (as it was offered) when it
  // changes the field: true when it did, with g_bModified set.
  bool Choose(const Binding& b, const OfferedList& offered, int position);

  // The cell object of a binding's control; null when the template has none.
  CWnd* Control(const Binding& b) const;

 private:
  // After a store: g_bModified, the refreshes that follow, the hook.
  void Stored(const Binding& b);
  int Entity(const Binding& b) const { return EntityOf(b, m_index); }
  std::size_t IndexOf(const Binding& b) const { return static_cast<std::size_t>(&b - m_bindings.data()); }
  void RefreshGroups(const Binding& zoneList);
  void RefreshSharers(const Binding& b);

  std::span<const Binding> m_bindings;
  std::span<const EnableRule> m_rules;
  CWnd* m_owner = nullptr;
  int m_index = 0;
  std::vector<std::unique_ptr<CWnd>> m_controls;  // one per binding, null where none
  std::vector<ListIndexMap> m_maps;               // one per binding (the list kinds use theirs)
  std::vector<std::vector<std::string>> m_shown;  // one per binding: the entries an Offered list shows
  std::vector<HWND> m_ruleWindows;                // one per enable rule, null where none
  CommitHook m_onCommit;
};
