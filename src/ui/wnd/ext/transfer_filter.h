// The input filter of a radio transfer. A transfer runs inside its dialog's
// timer tick and looks at the user only through CheckUserAbort between its
// steps. Each check lets waiting paints through, so the dialog's lines and
// progress bar keep showing, and drops what the person typed or clicked in the
// meantime, remembering only Esc. Clicks are dropped, not queued for after the
// transfer. Posted messages and other windows' timer ticks wait until the
// check is over. A request to close the window counts as Esc, so it is not
// lost. When the filter goes (the transfer has returned), input that arrived
// after the last check is dropped the same way.
#pragma once

#include <QPointer>

#include "ui/wnd/wnd.h"

class QWidget;

class CTransferInputFilter {
 public:
  // The dialog the transfer runs in; it gets WM_CLOSE after an Esc.
  explicit CTransferInputFilter(CWnd* pDialog);
  ~CTransferInputFilter();
  CTransferInputFilter(const CTransferInputFilter&) = delete;
  CTransferInputFilter& operator=(const CTransferInputFilter&) = delete;

  // 1 when Esc was pressed (or the window asked to close) since the last
  // check: WM_CLOSE is then posted to the dialog, to arrive after the
  // transfer has returned. Otherwise 0.
  int CheckUserAbort();

 private:
  void Filter();
  QPointer<QWidget> m_dialog;
  bool m_abort = false;
};
