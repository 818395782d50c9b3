#include "ui/wnd/ext/color_pass.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include <vector>

#include "ui/wnd/dialog.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

namespace {

constexpr const char* kSavedPalette = "tq_ccPalette";
constexpr const char* kSavedAutoFill = "tq_ccAutoFill";
constexpr const char* kSavedFont = "tq_ccFont";
constexpr UINT kNoRequest = 0xFFFFFFFFu;

// A colour request: what the handlers set, and what the defaults were.
class CColorRequestDC : public CDC {
 public:
  explicit CColorRequestDC(UINT type) {
    const bool window = type == CTLCOLOR_EDIT || type == CTLCOLOR_LISTBOX;
    SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
    defaultText = GetTextColor();
  }
  bool reflected = false;
  COLORREF defaultText = 0;
  HBRUSH defaultBrush = nullptr;
};

// One paint in progress.
struct PaintFrame {
  QPointer<QWidget> widget;
  bool paintedByProgram = false;
  QPainter* painter = nullptr;
};

std::vector<PaintFrame*>& PaintFrames() {
  static std::vector<PaintFrame*> frames;
  return frames;
}

PaintFrame* FrameOf(const QWidget* w) {
  auto& frames = PaintFrames();
  for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
    if ((*it)->widget == w) return *it;
  }
  return nullptr;
}

int DefaultBrushIndex(UINT type) {
  switch (type) {
    case CTLCOLOR_EDIT:
    case CTLCOLOR_LISTBOX: return COLOR_WINDOW;
    case CTLCOLOR_SCROLLBAR: return COLOR_SCROLLBAR;
    default: return COLOR_BTNFACE;
  }
}

bool IsReadOnlyEdit(const QWidget* w) {
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->isReadOnly();
  if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) return e->isReadOnly();
  return false;
}

// The kind of colour request a control makes, kNoRequest for none.
UINT RequestTypeOf(const QWidget* w) {
  if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)) {
    // Read-only and disabled edits ask as statics do.
    return (IsReadOnlyEdit(w) || !w->isEnabled()) ? CTLCOLOR_STATIC : CTLCOLOR_EDIT;
  }
  if (qobject_cast<const QComboBox*>(w)) return w->isEnabled() ? CTLCOLOR_EDIT : CTLCOLOR_STATIC;
  if (qobject_cast<const QListWidget*>(w)) return CTLCOLOR_LISTBOX;
  if (qobject_cast<const QPushButton*>(w)) return CTLCOLOR_BTN;
  if (qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w) ||
      qobject_cast<const QGroupBox*>(w) || qobject_cast<const QSlider*>(w)) {
    return CTLCOLOR_STATIC;
  }
  if (qobject_cast<const QScrollBar*>(w)) return CTLCOLOR_SCROLLBAR;
  return kNoRequest;
}

// The control a painted widget belongs to: itself, or the scroll area whose
// viewport it is.
QWidget* ControlOfPaintedWidget(QWidget* w) {
  if (CWnd::FromHandlePermanent(w)) return w;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget()); area && area->viewport() == w) {
    if (CWnd::FromHandlePermanent(area)) return area;
  }
  return nullptr;
}

void RestoreOriginalLook(QWidget* w) {
  const QVariant saved = w->property(kSavedPalette);
  if (!saved.isValid()) return;
  const QPalette original = saved.value<QPalette>();
  if (!(w->palette() == original)) w->setPalette(original);
  w->setAutoFillBackground(w->property(kSavedAutoFill).toBool());
  const QVariant font = w->property(kSavedFont);
  if (font.isValid() && !(w->font() == font.value<QFont>())) w->setFont(font.value<QFont>());
  w->setProperty(kSavedPalette, QVariant());
  w->setProperty(kSavedAutoFill, QVariant());
  w->setProperty(kSavedFont, QVariant());
}

void ApplyLook(QWidget* w, const CColorRequestDC& dc, HBRUSH brush) {
  if (!w->property(kSavedPalette).isValid()) {
    w->setProperty(kSavedPalette, w->palette());
    w->setProperty(kSavedAutoFill, w->autoFillBackground());
    w->setProperty(kSavedFont, w->font());
  }
  QPalette p = w->property(kSavedPalette).value<QPalette>();
  const QColor text = ToQColor(dc.GetTextColor());
  const QColor grey = ToQColor(GetSysColor(COLOR_GRAYTEXT));
  const QColor back = brush ? brush->color : ToQColor(dc.GetBkColor());
  const bool fieldLike = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                         qobject_cast<QListWidget*>(w) || qobject_cast<QComboBox*>(w);
  const QPalette::ColorRole textRole = fieldLike ? QPalette::Text : QPalette::WindowText;
  const QPalette::ColorRole backRole = fieldLike ? QPalette::Base : QPalette::Window;
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(g, textRole, g == QPalette::Disabled ? grey : text);
    p.setColor(g, backRole, back);
    if (qobject_cast<QComboBox*>(w)) {
      p.setColor(g, QPalette::ButtonText, g == QPalette::Disabled ? grey : text);
      p.setColor(g, QPalette::Button, back);
    }
  }
  if (!(w->palette() == p)) w->setPalette(p);
  if (!fieldLike && !w->autoFillBackground()) w->setAutoFillBackground(true);
  const CFont* font = dc.GetCurrentFont();
  if (font && font->GetSafeHandle() && !(w->font() == font->GetQFont())) w->setFont(font->GetQFont());
}

// Runs the pass and paints WM_PAINT handlers, before each widget paints.
class CPaintFilter : public QObject {
 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Paint || !o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    if (IsDead(w)) return false;
    PaintFrame frame;
    frame.widget = w;
    PaintFrames().push_back(&frame);
    struct Pop {
      ~Pop() { PaintFrames().pop_back(); }
    } pop;
    if (QWidget* control = ControlOfPaintedWidget(w)) RunColorPass(control);
    if (!frame.widget || IsDead(w)) return true;
    CWnd* object = CWnd::FromHandlePermanent(w);
    if (!object) return false;
    object->SendMessage(WM_PAINT);
    return frame.paintedByProgram;
  }
};

QPointer<CPaintFilter>& Filter() {
  static QPointer<CPaintFilter> filter;
  return filter;
}

}  // namespace

namespace wnd_detail {

void InitPaintFilter() {
  if (Filter() || !QCoreApplication::instance()) return;
  auto* filter = new CPaintFilter;
  filter->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
  Filter() = filter;
}

bool IsBeingPainted(const QWidget* w) {
  if (!w) return false;
  for (const PaintFrame* f : PaintFrames()) {
    if (f->widget && (f->widget == w || w->isAncestorOf(f->widget))) return true;
  }
  return false;
}

HBRUSH DefaultCtlColor(CWnd* pReceiver, CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  auto* request = dynamic_cast<CColorRequestDC*>(pDC);
  if (pWnd && pWnd != pReceiver && pDC && (!request || !request->reflected)) {
    if (request) request->reflected = true;
    const LRESULT r = pWnd->SendMessage(WM_REFLECT_BASE + WM_CTLCOLOR, nCtlColor, reinterpret_cast<LPARAM>(pDC));
    if (r) return reinterpret_cast<HBRUSH>(r);
  }
  HBRUSH brush = GetSysColorBrush(DefaultBrushIndex(nCtlColor));
  if (request) request->defaultBrush = brush;
  return brush;
}

HBRUSH RunColorPass(QWidget* control) {
  if (!control || IsDead(control)) return nullptr;
  CWnd* child = CWnd::FromHandlePermanent(control);
  if (!child) return nullptr;
  UINT type = RequestTypeOf(control);
  CWnd* receiver = nullptr;
  if (type == kNoRequest) {
    if (!dynamic_cast<CDialog*>(child)) return nullptr;
    type = CTLCOLOR_DLG;
    receiver = child;
  } else {
    if (control->isWindow()) return nullptr;
    receiver = NearestWindowObject(control->parentWidget());
  }
  QPointer<QWidget> guard(control);
  CColorRequestDC dc(type);
  HBRUSH brush = nullptr;
  if (receiver) {
    brush = reinterpret_cast<HBRUSH>(receiver->SendMessage(WM_CTLCOLORMSGBOX + type, reinterpret_cast<WPARAM>(&dc),
                                                           reinterpret_cast<LPARAM>(control)));
  }
  if (!guard || IsDead(control)) return brush;
  if (!brush) brush = DefaultCtlColor(receiver, &dc, child, type);
  if (!guard || IsDead(control)) return brush;
  const bool onlyDefaults = brush == dc.defaultBrush && dc.GetTextColor() == dc.defaultText && !dc.GetCurrentFont();
  // Push buttons and scroll bars draw in the style's colours whatever the answer.
  if (type == CTLCOLOR_BTN || type == CTLCOLOR_SCROLLBAR) return brush;
  // A read-only edit left to the defaults takes the dialog's face, as on the
  // original platform, so that it does not look like a field to type into.
  if (onlyDefaults && !(IsReadOnlyEdit(control) && control->isEnabled())) RestoreOriginalLook(control);
  else ApplyLook(control, dc, brush);
  return brush;
}

}  // namespace wnd_detail

// ---- CWnd members of painting -------------------------------------------------------

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) { return DefaultCtlColor(this, pDC, pWnd, nCtlColor); }

void CWnd::OnPaint() { Default(); }

BOOL CWnd::RedrawWindow(const CRect* lpRectUpdate, void*, UINT flags) {
  if (!m_hWnd || IsDead(m_hWnd)) return FALSE;
  if (IsBeingPainted(m_hWnd)) return TRUE;  // the paint under way shows the window as it is now
  if (flags & (RDW_INVALIDATE | RDW_ERASE | RDW_INTERNALPAINT)) {
    if (lpRectUpdate) m_hWnd->update(lpRectUpdate->left, lpRectUpdate->top, lpRectUpdate->Width(), lpRectUpdate->Height());
    else m_hWnd->update();
    if ((flags & RDW_ALLCHILDREN) && !(flags & RDW_NOCHILDREN)) {
      for (QWidget* child : m_hWnd->findChildren<QWidget*>()) {
        if (!child->isWindow()) child->update();
      }
    }
  }
  if ((flags & RDW_UPDATENOW) && PaintFrames().empty() && m_hWnd->isVisible()) m_hWnd->repaint();
  return TRUE;
}

// ---- CPaintDC ---------------------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd) {
  QWidget* w = pWnd ? pWnd->GetSafeHwnd() : nullptr;
  if (!w) return;
  m_rcPaint = CRect(0, 0, w->width(), w->height());
  PaintFrame* frame = FrameOf(w);
  if (!frame) return;  // painting happens only as a paint of the window
  frame->paintedByProgram = true;
  if (!frame->painter) {
    m_ownPainter = std::make_unique<QPainter>(w);
    frame->painter = m_ownPainter.get();
  }
  SetPainter(frame->painter);
}

CPaintDC::~CPaintDC() {
  if (!m_ownPainter) return;
  for (PaintFrame* f : PaintFrames()) {
    if (f->painter == m_ownPainter.get()) f->painter = nullptr;
  }
  m_ownPainter->end();
}
