// Dialog templates as data, and the one builder that turns a template into
// widgets. Positions and sizes are in dialog units: a horizontal unit is a
// quarter of the dialog font's average character width, a vertical unit an
// eighth of its height, so a dialog keeps its proportions with its font.
#pragma once

#include <QFont>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/wnd/win_types.h"

enum class CtlKind { Static, Edit, Button, ComboBox, ListBox, ScrollBar, Custom };

struct DlgItemTemplate {
  CtlKind kind = CtlKind::Static;
  int id = IDC_STATIC;
  std::string text;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  DWORD style = WS_CHILD | WS_VISIBLE;
  std::string className;  // for CtlKind::Custom: the name its factory was registered under
  bool bold = false;      // drawn in the bold weight of the dialog's font (group captions)
};

struct DlgFont {
  int pointSize = 8;
  std::string face = "MS Sans Serif";
  int weight = 400;  // 700 = bold
};

struct DialogTemplate {
  UINT id = 0;
  std::string caption;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  DlgFont font;
  std::vector<DlgItemTemplate> items;
};

// The program's templates, by dialog id. Registering an id again replaces it.
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);
// The ids of the templates registered so far, in ascending order.
std::vector<UINT> RegisteredDialogTemplateIds();

// The template's font: its face or the face that stands in for it (fonts.h),
// at the size the face is drawn at on screen.
QFont DialogFont(const DlgFont& font);
// The average character width and the height of a font, the dialog base units.
CSize DialogBaseUnits(const QFont& font);
// number * numerator / denominator, rounded to the nearest integer (halves
// away from zero); -1 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);
CRect DialogUnitsToPixels(const CRect& dialogUnits, CSize baseUnits);

// Makes the widget of one template control and, when it has one, the object
// that raises its notifications.
using ControlFactory =
    std::function<std::pair<QWidget*, std::unique_ptr<CWnd>>(QWidget* parent, const DlgItemTemplate& item)>;
// Adds or replaces the factory of a kind (for CtlKind::Custom, of a class name).
void RegisterControlFactory(CtlKind kind, const std::string& className, ControlFactory factory);

struct BuiltDialog {
  CSize baseUnits;
  UINT defaultButtonId = 0;  // the BS_DEFPUSHBUTTON control, 0 for none
};
// Fills the dialog's window (already bound to the object) from the template:
// font, caption, client size, position, and every control with its object.
BuiltDialog BuildDialogWindow(CWnd* dialog, const DialogTemplate& dialogTemplate,
                              std::vector<std::unique_ptr<CWnd>>& controlObjects);

// The resource-script statements, with their usual default styles. `add` is
// or-ed in, `remove` taken out (for "NOT WS_VISIBLE" and the like).
namespace dlg {
DlgItemTemplate LText(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate RText(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate CText(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate EditText(int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate PushButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate DefPushButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0,
                              DWORD remove = 0);
DlgItemTemplate CheckBox(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate AutoCheckBox(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0,
                             DWORD remove = 0);
DlgItemTemplate RadioButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0,
                            DWORD remove = 0);
DlgItemTemplate AutoRadioButton(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0,
                                DWORD remove = 0);
DlgItemTemplate GroupBox(std::string text, int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate ComboBox(int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate ListBox(int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate ScrollBar(int id, int x, int y, int cx, int cy, DWORD add = 0, DWORD remove = 0);
DlgItemTemplate Control(std::string text, int id, std::string className, DWORD style, int x, int y, int cx, int cy);
// The same control with its text in bold.
DlgItemTemplate Bold(DlgItemTemplate item);
}  // namespace dlg
