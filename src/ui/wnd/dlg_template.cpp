#include "ui/wnd/dlg_template.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>

#include "ui/wnd/controls.h"
#include "ui/wnd/fonts.h"
#include "ui/wnd/wnd.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

std::map<UINT, DialogTemplate>& Templates() {
  static std::map<UINT, DialogTemplate> templates;
  return templates;
}

std::map<std::pair<CtlKind, std::string>, ControlFactory>& Factories() {
  static std::map<std::pair<CtlKind, std::string>, ControlFactory> factories;
  return factories;
}

std::pair<QWidget*, std::unique_ptr<CWnd>> MakeControl(QWidget* parent, const DlgItemTemplate& item) {
  const std::string name = item.kind == CtlKind::Custom ? item.className : std::string();
  auto it = Factories().find({item.kind, name});
  if (it != Factories().end()) return it->second(parent, item);
  return MakeStandardControl(parent, item);
}

// A top-level dialog opens centred over its owner (or the screen), unless the
// template gives a position without DS_CENTER: then that position is taken
// from the owner's client area.
void PlaceTopLevel(QWidget* surface, const DialogTemplate& t, CSize units) {
  QWidget* owner = surface->parentWidget();
  if (!(t.style & DS_CENTER) && (t.x || t.y) && owner) {
    const QPoint origin = owner->mapToGlobal(ClientOrigin(owner));
    surface->move(origin.x() + MulDiv(t.x, units.cx, 4), origin.y() + MulDiv(t.y, units.cy, 8));
    return;
  }
  QRect area;
  if (owner) area = owner->window()->frameGeometry();
  else if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  if (area.isEmpty()) return;
  surface->move(area.center().x() - surface->width() / 2, area.center().y() - surface->height() / 2);
}

CtlKind KindOfClass(const std::string& className) {
  std::string lower;
  for (char c : className) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "static") return CtlKind::Static;
  if (lower == "edit") return CtlKind::Edit;
  if (lower == "button") return CtlKind::Button;
  if (lower == "combobox") return CtlKind::ComboBox;
  if (lower == "listbox") return CtlKind::ListBox;
  if (lower == "scrollbar") return CtlKind::ScrollBar;
  return CtlKind::Custom;
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) { Templates()[dialogTemplate.id] = dialogTemplate; }

std::vector<UINT> RegisteredDialogTemplateIds() {
  std::vector<UINT> ids;
  for (const auto& entry : Templates()) ids.push_back(entry.first);
  return ids;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  auto it = Templates().find(id);
  return it == Templates().end() ? nullptr : &it->second;
}

QFont DialogFont(const DlgFont& f) {
  QFont font = FontOfFace(f.face);
  font.setPointSize(ScreenPointSize(f.face, std::max(1, f.pointSize)));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight, 100, 900)));
  return font;
}

CSize DialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {std::max(1, (width / 26 + 1) / 2), std::max(1, metrics.height())};
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(denominator)) / 2) /
                              std::llabs(static_cast<long long>(denominator));
  const bool negative = (product < 0) != (denominator < 0);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

CRect DialogUnitsToPixels(const CRect& r, CSize u) {
  return {MulDiv(r.left, u.cx, 4), MulDiv(r.top, u.cy, 8), MulDiv(r.right, u.cx, 4), MulDiv(r.bottom, u.cy, 8)};
}

void RegisterControlFactory(CtlKind kind, const std::string& className, ControlFactory factory) {
  Factories()[{kind, kind == CtlKind::Custom ? className : std::string()}] = std::move(factory);
}

BuiltDialog BuildDialogWindow(CWnd* dialog, const DialogTemplate& t, std::vector<std::unique_ptr<CWnd>>& objects) {
  BuiltDialog built;
  QWidget* surface = dialog->GetSafeHwnd();
  if (!surface) return built;
  const QFont font = DialogFont(t.font);
  surface->setFont(font);
  const CSize u = DialogBaseUnits(font);
  built.baseUnits = u;
  SetWidgetStyle(surface, t.style);
  if (surface->isWindow()) surface->setWindowTitle(ToQString(t.caption));
  surface->resize(MulDiv(t.cx, u.cx, 4), MulDiv(t.cy, u.cy, 8));
  if (surface->isWindow()) PlaceTopLevel(surface, t, u);
  else surface->move(QPoint(MulDiv(t.x, u.cx, 4), MulDiv(t.y, u.cy, 8)) + ClientOrigin(surface->parentWidget()));

  QButtonGroup* radios = nullptr;  // the auto radio buttons of the current group
  for (const DlgItemTemplate& item : t.items) {
    if (item.style & WS_GROUP) radios = nullptr;
    auto [widget, object] = MakeControl(surface, item);
    if (!widget) widget = new QWidget(surface);
    SetWidgetId(widget, item.id);
    SetWidgetStyle(widget, item.style);
    widget->setGeometry(MulDiv(item.x, u.cx, 4), MulDiv(item.y, u.cy, 8), MulDiv(item.cx, u.cx, 4),
                        MulDiv(item.cy, u.cy, 8));
    // A combo box's template height includes its drop-down list.
    if (qobject_cast<QComboBox*>(widget)) widget->resize(widget->width(), widget->sizeHint().height());
    widget->setEnabled(!(item.style & WS_DISABLED));
    widget->setVisible((item.style & WS_VISIBLE) != 0);
    if (!item.text.empty()) SetWidgetText(widget, item.text);
    if (item.bold) {
      QFont bold = font;
      bold.setWeight(QFont::Bold);
      widget->setFont(bold);
    }
    const DWORD type = item.style & BS_TYPEMASK;
    if (item.kind == CtlKind::Button && type == BS_AUTORADIOBUTTON) {
      if (!radios) {
        radios = new QButtonGroup(surface);
        radios->setExclusive(true);
      }
      if (auto* b = qobject_cast<QAbstractButton*>(widget)) radios->addButton(b);
    }
    if (item.kind == CtlKind::Button && type == BS_DEFPUSHBUTTON && !built.defaultButtonId) {
      built.defaultButtonId = static_cast<UINT>(item.id);
    }
    if (!object) object = std::make_unique<CWnd>();
    object->Attach(widget);
    objects.push_back(std::move(object));
  }
  return built;
}

namespace dlg {

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
DlgItemTemplate Item(CtlKind kind, std::string text, int id, int x, int y, int cx, int cy, DWORD style, DWORD add,
                     DWORD remove) {
  return {kind, id, std::move(text), x, y, cx, cy, (style | add) & ~remove, {}, false};
}
}  // namespace

DlgItemTemplate LText(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Static, std::move(text), id, x, y, cx, cy, kChild | WS_GROUP | SS_LEFT, add, remove);
}
DlgItemTemplate RText(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Static, std::move(text), id, x, y, cx, cy, kChild | WS_GROUP | SS_RIGHT, add, remove);
}
DlgItemTemplate CText(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Static, std::move(text), id, x, y, cx, cy, kChild | WS_GROUP | SS_CENTER, add, remove);
}
DlgItemTemplate EditText(int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Edit, {}, id, x, y, cx, cy, kChild | WS_BORDER | WS_TABSTOP | ES_LEFT, add, remove);
}
DlgItemTemplate PushButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Button, std::move(text), id, x, y, cx, cy, kChild | WS_TABSTOP | BS_PUSHBUTTON, add, remove);
}
DlgItemTemplate DefPushButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Button, std::move(text), id, x, y, cx, cy, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, add,
              remove);
}
DlgItemTemplate CheckBox(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Button, std::move(text), id, x, y, cx, cy, kChild | WS_TABSTOP | BS_CHECKBOX, add, remove);
}
DlgItemTemplate AutoCheckBox(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Button, std::move(text), id, x, y, cx, cy, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, add,
              remove);
}
DlgItemTemplate RadioButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Button, std::move(text), id, x, y, cx, cy, kChild | BS_RADIOBUTTON, add, remove);
}
DlgItemTemplate AutoRadioButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Button, std::move(text), id, x, y, cx, cy, kChild | BS_AUTORADIOBUTTON, add, remove);
}
DlgItemTemplate GroupBox(std::string text, int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::Button, std::move(text), id, x, y, cx, cy, kChild | BS_GROUPBOX, add, remove);
}
DlgItemTemplate ComboBox(int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  // The list type comes from `add`; a drop-down list when it names none.
  const DWORD type = (add & 0x3) ? 0 : CBS_DROPDOWNLIST;
  return Item(CtlKind::ComboBox, {}, id, x, y, cx, cy, kChild | WS_TABSTOP | type, add, remove);
}
DlgItemTemplate ListBox(int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::ListBox, {}, id, x, y, cx, cy, kChild | WS_BORDER | LBS_NOTIFY, add, remove);
}
DlgItemTemplate ScrollBar(int id, int x, int y, int cx, int cy, DWORD add, DWORD remove) {
  return Item(CtlKind::ScrollBar, {}, id, x, y, cx, cy, kChild | SBS_HORZ, add, remove);
}
DlgItemTemplate Control(std::string text, int id, std::string className, DWORD style, int x, int y, int cx, int cy) {
  const CtlKind kind = KindOfClass(className);
  DlgItemTemplate item{kind, id, std::move(text), x, y, cx, cy, style | WS_CHILD, {}};
  if (kind == CtlKind::Custom) item.className = std::move(className);
  return item;
}

DlgItemTemplate Bold(DlgItemTemplate item) {
  item.bold = true;
  return item;
}

}  // namespace dlg
