#include "res/page_key_assign.h"

#include <QLabel>
#include <QPainter>
#include <QImage>
#include <QPixmap>

#include "res/template_common.h"
#include "ui/wnd/controls.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;

namespace {

constexpr DWORD kKeyButton = BS_MULTILINE | WS_TABSTOP;
constexpr DWORD kFunctionList = LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP;
constexpr const char* kPanelPictureClass = "KeyPanelPicture";
constexpr const char* kSidePictureClass = "KeySidePicture";

// ---- the pictures: bitmaps drawn once, scaled to the picture control -------------------------

void DrawKey(QPainter& p, const QRectF& r, const QString& text) {
  p.setPen(QPen(QColor(30, 30, 30), 2));
  p.setBrush(QColor(120, 124, 130));
  p.drawRoundedRect(r, 6, 6);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, text);
}

QImage PanelBitmap() {
  QImage pixmap(720, 230, QImage::Format_ARGB32_Premultiplied);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 3));
  p.setBrush(QColor(52, 54, 58));
  p.drawRoundedRect(QRectF(6, 10, 708, 210), 24, 24);
  // Volume knob, display, keys.
  p.setBrush(QColor(25, 25, 25));
  p.drawEllipse(QPointF(70, 115), 40, 40);
  p.setBrush(QColor(150, 190, 150));
  p.drawRect(QRectF(150, 40, 300, 80));
  QFont font = p.font();
  font.setPixelSize(26);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(30, 50, 30));
  p.drawText(QRectF(150, 40, 300, 80), Qt::AlignCenter, QStringLiteral("TQ-5100"));
  font.setPixelSize(18);
  p.setFont(font);
  const char* keys[] = {"P1", "P2", "P3", "P4"};
  for (int k = 0; k < 4; ++k) DrawKey(p, QRectF(150 + k * 78, 145, 66, 40), QString::fromLatin1(keys[k]));
  DrawKey(p, QRectF(500, 40, 90, 60), QStringLiteral("Up"));
  DrawKey(p, QRectF(500, 120, 90, 60), QStringLiteral("Down"));
  p.setBrush(QColor(25, 25, 25));
  p.setPen(QPen(Qt::black, 3));
  p.drawEllipse(QPointF(650, 115), 28, 28);  // microphone jack
  return pixmap;
}

QImage SideBitmap() {
  QImage pixmap(400, 464, QImage::Format_ARGB32_Premultiplied);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 3));
  p.setBrush(QColor(52, 54, 58));
  p.drawRoundedRect(QRectF(110, 60, 200, 390), 20, 20);
  p.setBrush(QColor(25, 25, 25));
  p.drawRect(QRectF(250, 6, 26, 60));  // antenna
  p.drawEllipse(QPointF(160, 40), 22, 22);  // knob
  p.setBrush(QColor(150, 190, 150));
  p.drawRect(QRectF(135, 90, 150, 70));
  QFont font = p.font();
  font.setPixelSize(18);
  font.setBold(true);
  p.setFont(font);
  DrawKey(p, QRectF(72, 130, 44, 64), QStringLiteral("S1"));
  DrawKey(p, QRectF(72, 204, 44, 64), QStringLiteral("S2"));
  const char* keys[] = {"A", "B", "C", "D"};
  for (int k = 0; k < 4; ++k) DrawKey(p, QRectF(140 + (k % 2) * 76, 200 + (k / 2) * 60, 64, 44), QString::fromLatin1(keys[k]));
  return pixmap;
}

// A picture control: a static showing the bitmap at the control's size. The
// bitmap is drawn once.
template <QImage (*Draw)()>
ControlFactory PictureFactory() {
  return [](QWidget* parent, const DlgItemTemplate& item) {
    static const QImage bitmap = Draw();
    DlgItemTemplate picture = item;
    picture.kind = CtlKind::Static;
    auto made = wnd_detail::MakeStandardControl(parent, picture);
    if (auto* label = qobject_cast<QLabel*>(made.first)) {
      label->setScaledContents(true);
      label->setPixmap(QPixmap::fromImage(bitmap));
    }
    return made;
  };
}

DlgItemTemplate Picture(const char* className, int x, int y, int cx, int cy) {
  return dlg::Control("", IDC_KEY_PICTURE, className, WS_VISIBLE, x, y, cx, cy);
}

}  // namespace

const DialogTemplate& KeyAssignPanelTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_KEY_ASSIGN_PANEL);
    auto& items = d.items;
    items.push_back(Picture(kPanelPictureClass, 0, 15, 360, 115));
    const char* heads[] = {"P1", "P2", "P3", "P4", "Up", "Down"};
    const int columns[] = {77, 121, 165, 209, 254, 298};
    for (int k = 0; k < 6; ++k) items.push_back(Bold(CText(heads[k], IDC_KEY_HEAD_FIRST + k, columns[k], 147, 41, 10)));
    items.push_back(Bold(LText("Press", IDC_KEY_PRESS_ROW, 7, 159, 64, 23, SS_CENTERIMAGE)));
    items.push_back(Bold(LText("Press and hold", IDC_KEY_HOLD_ROW, 7, 185, 64, 23, SS_CENTERIMAGE)));
    for (int slot = 0; slot < 12; ++slot) {
      items.push_back(PushButton("", kPanelKeyButtons[slot], columns[slot % 6], slot < 6 ? 159 : 185, 41, 23, kKeyButton));
    }
    items.push_back(ListBox(IDC_KEY_FUNCTION_LIST, 0, 0, 82, 69, kFunctionList, WS_VISIBLE));
    return d;
  }();
  return t;
}

const DialogTemplate& KeyAssignSideTemplate() {
  static const DialogTemplate t = [] {
    using namespace dlg;
    DialogTemplate d = PageTemplate(IDD_KEY_ASSIGN_SIDE);
    auto& items = d.items;
    const char* rows[] = {"Side 1 switch", "Side 2 switch", "A", "B", "C", "D"};
    const int rowIds[] = {1435, 1436, 1439, 1440, 1441, 1442};
    const int ys[] = {45, 76, 106, 137, 167, 198};
    items.push_back(LText("Press", IDC_KEY_SIDE_PRESS, 54, 29, 44, 10));
    items.push_back(LText("Press and hold", IDC_KEY_SIDE_HOLD, 98, 29, 60, 10));
    for (int k = 0; k < 6; ++k) items.push_back(LText(rows[k], rowIds[k], 2, ys[k], 47, 29, SS_CENTERIMAGE));
    for (int slot = 0; slot < 12; ++slot) {
      items.push_back(PushButton("", kSideKeyButtons[slot], slot < 6 ? 54 : 101, ys[slot % 6], 45, 29, kKeyButton));
    }
    items.push_back(Picture(kSidePictureClass, 163, 11, 200, 232));
    items.push_back(ListBox(IDC_KEY_FUNCTION_LIST, 0, 0, 90, 69, kFunctionList, WS_VISIBLE));
    return d;
  }();
  return t;
}

void RegisterKeyAssignTemplates() {
  static const bool registered = [] {
    RegisterControlFactory(CtlKind::Custom, kPanelPictureClass, PictureFactory<PanelBitmap>());
    RegisterControlFactory(CtlKind::Custom, kSidePictureClass, PictureFactory<SideBitmap>());
    RegisterDialogTemplate(KeyAssignPanelTemplate());
    RegisterDialogTemplate(KeyAssignSideTemplate());
    return true;
  }();
  (void)registered;
}
