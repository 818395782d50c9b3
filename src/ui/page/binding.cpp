#include "ui/page/binding.h"

#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "model/edit_model.h"
#include "ui/cells/cells.h"
#include "ui/choice/choice_list_adapter.h"
#include "ui/messages.h"
#include "ui/wnd/controls.h"
#include "ui/wnd/prompt.h"
#include "ui/wnd/wnd_internal.h"

namespace {

constexpr std::uint32_t kNone = 255;  // no zone, no group

CEditModel& M() { return TheModel(); }

std::string GroupName(std::uint32_t group) {
  char text[16];
  std::snprintf(text, sizeof text, "Grp %2u", static_cast<unsigned>(group + 1));
  return text;
}

// Two bindings' fields overlap when they hold some of the same bits of one entity.
bool SameBits(const Binding& x, const Binding& y, int tableIndex) {
  const Field& a = x.field;
  const Field& b = y.field;
  if (EntityOf(x, tableIndex) != EntityOf(y, tableIndex)) return false;
  if (a.IsBits() && b.IsBits()) return a.bits.Overlaps(b.bits);
  return !a.IsBits() && !b.IsBits() && a.get != nullptr && a.get == b.get;
}

}  // namespace

std::unordered_map<int, HWND> ControlsById(const CWnd& owner) {
  std::unordered_map<int, HWND> controls;
  HWND window = owner.GetSafeHwnd();
  if (!window) return controls;
  for (QObject* o : window->children()) {
    if (!o->isWidgetType()) continue;
    auto* w = static_cast<QWidget*>(o);
    if (wnd_detail::IsDead(w)) continue;
    // The first control of an id, as GetDlgItem finds it.
    if (const int id = wnd_detail::WidgetId(w)) controls.emplace(id, w);
  }
  return controls;
}

const Binding* FindBinding(std::span<const Binding> bindings, int id) {
  for (const Binding& b : bindings) {
    if (b.id == id) return &b;
  }
  return nullptr;
}

namespace {

std::string ZoneGroupText(std::span<const Binding> bindings, const Binding& b, bool print, int index) {
  const std::uint32_t code = b.field.Get(M(), EntityOf(b, index));
  if (b.kind == BindKind::ZoneList) return M().store.FormatZoneName(static_cast<int>(code));
  const Binding* zone = FindBinding(bindings, b.partner);
  const std::uint32_t zoneCode = zone ? zone->field.Get(M(), EntityOf(*zone, index)) : kNone;
  if (zoneCode == kNone || code == kNone) return "None";
  if (code >= static_cast<std::uint32_t>(kGroupCount)) return "None";
  const bool inUse = M().store.groups[code].InUse();
  // The list shows only groups in use; a sheet may print the stored group anyway.
  if (!inUse && (!print || (b.flags & kBindPrintInUseOnly))) return "None";
  return GroupName(code);
}

std::string CheckText(const Binding& b, bool print, int index) {
  const std::uint32_t code = b.field.Get(M(), EntityOf(b, index));
  if (b.list) return std::string(print ? b.list->PrintText(code) : b.list->PageText(code));
  return code ? "Enable" : "Disable";
}

std::string OfferedText(const Binding& b, bool print) {
  if (print && b.offered->print) return b.offered->print(M(), b.element);
  const OfferedList list = b.offered->offer(M(), b.element);
  return list.selected >= 0 && list.selected < list.size() ? list.entries[std::size_t(list.selected)].text
                                                           : std::string();
}

std::string TextOf(std::span<const Binding> bindings, const Binding& b, bool print, int index) {
  const int entity = EntityOf(b, index);
  switch (b.kind) {
    case BindKind::Offered:
      return OfferedText(b, print);
    case BindKind::Combo: {
      const std::uint32_t code = b.field.Get(M(), entity);
      return std::string(print ? b.list->PrintText(code) : b.list->PageText(code));
    }
    case BindKind::Number: {
      if (b.typed) return b.typed->get(M(), entity);
      const std::uint32_t code = b.field.Get(M(), entity);
      return b.number && b.number->text ? b.number->text(code) : std::to_string(code);
    }
    case BindKind::Text:
    case BindKind::Dial:
    case BindKind::Label:
      return b.text.get ? b.text.get(M(), entity) : std::string();
    case BindKind::Chooser:
      return b.chooser->text(b.field.Get(M(), entity));
    case BindKind::Check:
      return CheckText(b, print, index);
    case BindKind::ZoneList:
    case BindKind::GroupList:
      return ZoneGroupText(bindings, b, print, index);
  }
  return {};
}

std::string_view TrimmedRight(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace

std::string PageText(std::span<const Binding> bindings, const Binding& b, int index) {
  return TextOf(bindings, b, false, index);
}
std::string PrintText(std::span<const Binding> bindings, const Binding& b, int index) {
  return TextOf(bindings, b, true, index);
}
std::string PrintText(std::span<const Binding> bindings, int id, int index) {
  const Binding* b = FindBinding(bindings, id);
  return b ? PrintText(bindings, *b, index) : std::string();
}

// ---- CBindingSet ----------------------------------------------------------------------------

CBindingSet::CBindingSet(std::span<const Binding> bindings, std::span<const EnableRule> rules)
    : m_bindings(bindings), m_rules(rules), m_maps(bindings.size()), m_shown(bindings.size()) {
  for (ListIndexMap& map : m_maps) map.fill(kNone);
}

CBindingSet::~CBindingSet() {
  for (auto& control : m_controls) {
    if (control && control->GetSafeHwnd()) control->UnsubclassWindow();
  }
}

void CBindingSet::Attach(CWnd& owner) {
  m_owner = &owner;
  for (auto& control : m_controls) {
    if (control && control->GetSafeHwnd()) control->UnsubclassWindow();
  }
  m_controls.clear();
  m_controls.resize(m_bindings.size());
  for (auto& shown : m_shown) shown.clear();
  HWND notify = owner.GetSafeHwnd();
  const std::unordered_map<int, HWND> windows = ControlsById(owner);
  auto windowOf = [&windows](int id) -> HWND {
    const auto it = windows.find(id);
    return it == windows.end() ? nullptr : it->second;
  };
  m_ruleWindows.clear();
  for (const EnableRule& r : m_rules) m_ruleWindows.push_back(windowOf(r.id));
  for (std::size_t i = 0; i < m_bindings.size(); ++i) {
    const Binding& b = m_bindings[i];
    std::unique_ptr<CWnd> control;
    switch (b.kind) {
      case BindKind::Combo:
      case BindKind::ZoneList:
      case BindKind::GroupList:
      case BindKind::Offered:
        control = std::make_unique<CComboBox>();
        break;
      case BindKind::Number: {
        auto edit = std::make_unique<CNumEdit>();
        edit->Setup(notify, b.maxLength, b.decimals, TRUE, FALSE, FALSE, FALSE, 0,
                    (b.flags & kBindEnterNext) ? TRUE : FALSE);
        for (char c : {' ', '+', '-'}) edit->AddRefusedChar(c);
        control = std::move(edit);
        break;
      }
      case BindKind::Text: {
        auto edit = std::make_unique<CSerialEdit>();
        edit->SetEditParams(notify, b.maxLength);
        if (b.flags & kBindBlank) edit->AddAllowedChar(' ');
        control = std::move(edit);
        break;
      }
      case BindKind::Dial: {
        auto edit = std::make_unique<CHexEdit>();
        edit->SetEditParams(notify, b.maxLength);
        if (!(b.flags & kBindNoDialSigns)) {
          edit->AddAllowedChar('*');
          edit->AddAllowedChar('#');
        }
        for (char c : {'e', 'f', 'E', 'F'}) edit->AddRefusedChar(c);
        control = std::move(edit);
        break;
      }
      case BindKind::Check:
        control = std::make_unique<CButton>();
        break;
      case BindKind::Chooser:
        control = std::make_unique<CColorLabel>();
        break;
      case BindKind::Label:
        control = std::make_unique<CStatic>();
        break;
    }
    // A control the template does not have is passed over.
    HWND window = windowOf(b.id);
    if (control && window && control->SubclassWindow(window)) m_controls[i] = std::move(control);
  }
}

CWnd* CBindingSet::Control(const Binding& b) const {
  const std::size_t i = IndexOf(b);
  return i < m_controls.size() ? m_controls[i].get() : nullptr;
}

void CBindingSet::Refresh() {
  for (const Binding& b : m_bindings) RefreshBinding(b);
  ApplyEnableRules();
}

void CBindingSet::RefreshBinding(const Binding& b) {
  CWnd* control = Control(b);
  if (!control) return;
  switch (b.kind) {
    case BindKind::Combo: {
      auto* combo = static_cast<CComboBox*>(control);
      std::vector<std::string> texts;
      for (const Choice& c : b.list->choices) texts.emplace_back(c.text);
      combo->ResetContent();
      combo->AddStrings(texts);
      combo->SetCurSel(b.list->PositionOf(b.field.Get(M(), Entity(b))));
      break;
    }
    case BindKind::Number:
    case BindKind::Text:
    case BindKind::Dial:
    case BindKind::Chooser:
    case BindKind::Label:
      // A cell that shows its text already is left alone (its selection too).
      if (const std::string text = PageText(m_bindings, b, m_index); control->GetWindowText() != text)
        control->SetWindowText(text);
      break;
    case BindKind::Check:
      static_cast<CButton*>(control)->SetCheck(b.field.Get(M(), Entity(b)) ? 1 : 0);
      break;
    case BindKind::ZoneList: {
      auto* combo = static_cast<CComboBox*>(control);
      combo->ResetContent();
      CChoiceListAdapter adapter(*combo);
      const int zone = static_cast<int>(b.field.Get(M(), Entity(b)));
      if (b.flags & kBindWithPassPort) M().store.FillZoneCombo(adapter, m_maps[IndexOf(b)], zone);
      else M().store.FillNonPassPortZoneCombo(adapter, m_maps[IndexOf(b)], zone);
      break;
    }
    case BindKind::Offered: {
      auto* combo = static_cast<CComboBox*>(control);
      const OfferedList list = b.offered->offer(M(), b.element);
      std::vector<std::string>& shown = m_shown[IndexOf(b)];
      const bool same = std::equal(shown.begin(), shown.end(), list.entries.begin(), list.entries.end(),
                                   [](const std::string& text, const OfferedEntry& e) { return text == e.text; });
      if (!same || combo->GetCount() != list.size()) {
        shown.clear();
        for (const OfferedEntry& e : list.entries) shown.push_back(e.text);
        combo->ResetContent();
        combo->AddStrings(shown);
      }
      if (combo->GetCurSel() != list.selected) combo->SetCurSel(list.selected);
      break;
    }
    case BindKind::GroupList: {
      const Binding* zone = FindBinding(m_bindings, b.partner);
      CChoiceListAdapter adapter(*static_cast<CComboBox*>(control));
      M().store.FillGroupCombo(adapter, m_maps[IndexOf(b)], static_cast<int>(b.field.Get(M(), Entity(b))),
                               zone ? static_cast<int>(zone->field.Get(M(), Entity(*zone))) : static_cast<int>(kNone));
      break;
    }
  }
}

void CBindingSet::ApplyEnableRules() {
  if (!m_owner || !m_owner->GetSafeHwnd()) return;
  for (std::size_t i = 0; i < m_rules.size() && i < m_ruleWindows.size(); ++i) {
    const EnableRule& r = m_rules[i];
    const bool on = r.enabledAt ? r.enabledAt(m_index) : (r.enabled && r.enabled());
    if (CWnd* w = CWnd::FromHandlePermanent(m_ruleWindows[i])) w->EnableWindow(on ? TRUE : FALSE);
  }
}

void CBindingSet::RefreshGroups(const Binding& zoneList) {
  if (const Binding* groups = FindBinding(m_bindings, zoneList.partner)) RefreshBinding(*groups);
}

void CBindingSet::RefreshSharers(const Binding& b) {
  for (const Binding& other : m_bindings) {
    if (&other != &b && other.kind == b.kind && SameBits(other, b, m_index)) RefreshBinding(other);
  }
}

bool CBindingSet::Commit(const Binding& b) {
  CWnd* control = Control(b);
  if (!control) return false;
  CEditModel& m = M();
  switch (b.kind) {
    case BindKind::Combo: {
      const int sel = static_cast<CComboBox*>(control)->GetCurSel();
      // No entry chosen, or a field the table only shows: nothing to store.
      if (sel < 0 || static_cast<std::size_t>(sel) >= b.list->size() || !b.field.IsSet()) return false;
      if (!b.field.IsBits() && !b.field.set) return false;
      b.field.Set(m, Entity(b), b.list->CodeAt(sel));
      break;
    }
    case BindKind::Number: {
      // Passing through a cell without changing its text stores nothing.
      const std::string typed = control->GetWindowText();
      if (typed == PageText(m_bindings, b, m_index)) return false;
      if (b.typed) {
        const TypedEntry entry = b.typed->enter(m, Entity(b), typed);
        if (entry.beep) MessageBeep(0);
        const std::string stored = PageText(m_bindings, b, m_index);
        if (stored != typed) {
          control->SetWindowText(stored);
          // Typed at every key: selected, so that the next key replaces it.
          if (b.flags & kBindEveryKey) control->SendMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1));
        }
        if (!entry.changed) return false;
        break;
      }
      const std::optional<std::uint32_t> code = b.number->parse(typed);
      if (code) b.field.Set(m, Entity(b), *code);
      control->SetWindowText(PageText(m_bindings, b, m_index));
      if (!code) return false;
      break;
    }
    case BindKind::Text:
    case BindKind::Dial: {
      if (!b.text.set) return false;
      const std::string typed = control->GetWindowText();
      b.text.set(m, Entity(b), typed);
      // The cell shows what was stored: a text the field stores otherwise is
      // put back, selected so that the next key replaces it. Blanks that only
      // pad the stored text are no difference.
      const std::string stored = PageText(m_bindings, b, m_index);
      if (TrimmedRight(stored) != TrimmedRight(typed)) {
        control->SetWindowText(stored);
        control->SendMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1));
      }
      break;
    }
    case BindKind::Check:
      b.field.Set(m, Entity(b), static_cast<CButton*>(control)->GetCheck() ? 1 : 0);
      break;
    case BindKind::ZoneList:
    case BindKind::GroupList: {
      const int sel = static_cast<CComboBox*>(control)->GetCurSel();
      if (sel < 0 || static_cast<std::size_t>(sel) >= kListIndexMapSize) return false;
      const std::uint32_t value = m_maps[IndexOf(b)][static_cast<std::size_t>(sel)];
      if (b.kind == BindKind::ZoneList) {
        // Another zone: its group is chosen anew.
        const Binding* groups = FindBinding(m_bindings, b.partner);
        if (groups && value != b.field.Get(m, Entity(b))) groups->field.Set(m, Entity(*groups), kNone);
        b.field.Set(m, Entity(b), value);
        RefreshGroups(b);
      } else {
        b.field.Set(m, Entity(b), value);
      }
      break;
    }
    case BindKind::Offered:
      if (!b.offered->choose(m, b.element, static_cast<CComboBox*>(control)->GetCurSel())) return false;
      break;
    case BindKind::Chooser:  // stored by Choose
    case BindKind::Label:
      return false;
  }
  Stored(b);
  return true;
}

bool CBindingSet::Choose(const Binding& b, const OfferedList& offered, int position) {
  const std::optional<std::uint32_t> code = offered.CodeAt(position);
  if (b.kind != BindKind::Chooser || !code || *code == b.field.Get(M(), Entity(b))) return false;
  b.field.Set(M(), Entity(b), *code);
  RefreshBinding(b);
  Stored(b);
  return true;
}

void CBindingSet::Stored(const Binding& b) {
  g_bModified = 1;
  if (b.kind == BindKind::Offered) {
    for (const Binding& other : m_bindings) {
      if (other.kind == BindKind::Offered) RefreshBinding(other);
    }
  }
  RefreshSharers(b);
  if (m_onCommit) m_onCommit(b);
}

bool CBindingSet::HandleCommand(int id, UINT code) {
  const Binding* b = FindBinding(m_bindings, id);
  if (!b) return false;
  switch (code) {
    case CBN_SELCHANGE:
      if (b->kind != BindKind::Combo && b->kind != BindKind::ZoneList && b->kind != BindKind::GroupList &&
          b->kind != BindKind::Offered)
        return false;
      Commit(*b);
      return true;
    case BN_CLICKED:
      if (b->kind != BindKind::Check) return false;
      Commit(*b);
      return true;
    case EN_KILLFOCUS:
      if (b->kind != BindKind::Number) return false;
      Commit(*b);
      return true;
    case EN_SETFOCUS:
      if (b->kind != BindKind::Number && b->kind != BindKind::Text && b->kind != BindKind::Dial) return false;
      // Posted, so that the click that gave the focus does not undo the selection.
      if (CWnd* control = Control(*b)) control->PostMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1));
      return true;
    default:
      return false;
  }
}

bool CBindingSet::HandleCellMessage(UINT message, int id) {
  const Binding* b = FindBinding(m_bindings, id);
  if (!b) return false;
  if (message == WM_SERIALEDIT_CHANGE && b->kind == BindKind::Text) return Commit(*b), true;
  if (message == WM_HEXEDIT_CHANGE && b->kind == BindKind::Dial) return Commit(*b), true;
  // A number is stored when its cell loses the focus, unless it is stored at every key.
  if (message == WM_NUMEDIT_CHANGE && b->kind == BindKind::Number) {
    if (b->flags & kBindEveryKey) Commit(*b);
    return true;
  }
  return false;
}
