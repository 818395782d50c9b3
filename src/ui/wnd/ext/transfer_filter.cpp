#include "ui/wnd/ext/transfer_filter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "ui/wnd/message_loop.h"

namespace {

// Swallows input while a check runs; remembers Esc and close requests.
class InputDropper : public QObject {
 public:
  explicit InputDropper(bool* abort) : abort_(abort) {}

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    switch (e->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) *abort_ = true;
        return true;
      case QEvent::Close:
        if (!e->spontaneous() || !o->isWidgetType() || !static_cast<QWidget*>(o)->isWindow()) return false;
        *abort_ = true;
        e->ignore();
        return true;
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TouchCancel:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::InputMethod:
      case QEvent::NonClientAreaMouseButtonPress:
      case QEvent::NonClientAreaMouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
      default:
        return false;
    }
  }

 private:
  bool* abort_;
};

}  // namespace

CTransferInputFilter::CTransferInputFilter(CWnd* pDialog) : m_dialog(pDialog ? pDialog->GetSafeHwnd() : nullptr) {}

CTransferInputFilter::~CTransferInputFilter() {
  Filter();
  if (m_abort && m_dialog) ::PostMessage(m_dialog, WM_CLOSE, 0, 0);
}

void CTransferInputFilter::Filter() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  // The layer's own filter goes in first, so this one sees events before it.
  AfxInitWindowLayer();
  wnd_detail::HoldPostedMessages(true);
  InputDropper dropper(&m_abort);
  app->installEventFilter(&dropper);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  app->removeEventFilter(&dropper);
  wnd_detail::HoldPostedMessages(false);
}

int CTransferInputFilter::CheckUserAbort() {
  Filter();
  if (!m_abort) return 0;
  m_abort = false;
  if (m_dialog) ::PostMessage(m_dialog, WM_CLOSE, 0, 0);
  return 1;
}
