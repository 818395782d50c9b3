#include "ui/wnd/dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/dialog_keys.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/wnd_internal.h"

using namespace wnd_detail;

// ---- data exchange ---------------------------------------------------------------

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.GetSafeHwnd()) return;
  if (!rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd)) pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
  CWnd* item = pDX->m_pDlgWnd->GetDlgItem(nIDC);
  if (!item) {
    pDX->Fail();
    return;
  }
  if (pDX->m_bSaveAndValidate) value = item->GetWindowText();
  else item->SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  CWnd* item = pDX->m_pDlgWnd->GetDlgItem(nIDC);
  if (!item) {
    pDX->Fail();
    return;
  }
  if (pDX->m_bSaveAndValidate) value = static_cast<int>(item->SendMessage(BM_GETCHECK));
  else item->SendMessage(BM_SETCHECK, static_cast<WPARAM>(value));
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  CWnd* item = pDX->m_pDlgWnd->GetDlgItem(nIDC);
  if (!item) {
    pDX->Fail();
    return;
  }
  if (pDX->m_bSaveAndValidate) index = static_cast<int>(item->SendMessage(CB_GETCURSEL));
  else item->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index));
}

// ---- CDialog -------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_pParentWnd(pParentWnd), m_nIDTemplate(nIDTemplate) {}

CDialog::CDialog(const DialogTemplate* pTemplate, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_nIDTemplate(pTemplate ? pTemplate->id : 0), m_lpTemplate(pTemplate) {}

CDialog::~CDialog() {
  if (m_pModalLoop) m_pModalLoop->exit();
}

bool CDialog::BuildWindow(CWnd* pParentWnd, bool modal) {
  const DialogTemplate* t = m_lpTemplate ? m_lpTemplate : FindDialogTemplate(m_nIDTemplate);
  if (!t) return false;
  QWidget* parentWidget = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
  const bool child = !modal && (t->style & WS_CHILD) && parentWidget;
  QWidget* w = nullptr;
  if (child) {
    w = new QWidget(parentWidget);
  } else {
    w = new QWidget(parentWidget ? parentWidget->window() : nullptr, Qt::Dialog);
    if (!(t->style & WS_THICKFRAME)) w->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    if (modal) w->setWindowModality(Qt::ApplicationModal);
  }
  w->hide();
  if (!Attach(w)) {
    delete w;
    return false;
  }
  SetOwnsWindow(true);
  DefaultControls().clear();
  const BuiltDialog built = BuildDialogWindow(this, *t, DefaultControls());
  m_baseUnits = built.baseUnits;
  m_nDefID = built.defaultButtonId ? built.defaultButtonId : static_cast<UINT>(IDOK);
  ReportSize(this);  // WM_SIZE comes before WM_INITDIALOG
  if (child && m_hWnd) {
    // The parent window hears of its new child, before the child initialises.
    if (CWnd* parent = CWnd::FromHandlePermanent(parentWidget)) {
      parent->SendMessage(WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<unsigned>(GetDlgCtrlID())),
                          reinterpret_cast<LPARAM>(m_hWnd));
    }
  }
  return true;
}

INT_PTR CDialog::DoModal() {
  if (m_hWnd) return -1;
  CWnd* owner = m_pParentWnd;
  if (!owner) owner = CWnd::FromHandlePermanent(QApplication::activeWindow());
  m_bModal = true;
  m_bEndRequested = false;
  m_nModalResult = -1;
  if (!BuildWindow(owner, true)) {
    m_bModal = false;
    return -1;
  }
  QPointer<QWidget> self(m_hWnd);
  const LRESULT focusDefault = SendMessage(WM_INITDIALOG, 0, 0);
  if (self && m_hWnd && !m_bEndRequested) {
    ShowWindow(SW_SHOW);
    if (focusDefault) SetInitialFocus();
    QEventLoop loop;
    m_pModalLoop = &loop;
    if (!m_bEndRequested) loop.exec(QEventLoop::DialogExec);
    m_pModalLoop = nullptr;
  }
  const INT_PTR result = m_nModalResult;
  m_bModal = false;
  if (m_hWnd) DestroyWindow();  // may end with PostNcDestroy deleting the object
  return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  if (m_hWnd) return FALSE;
  if (nIDTemplate) {
    m_nIDTemplate = nIDTemplate;
    m_lpTemplate = nullptr;
  }
  m_pParentWnd = pParentWnd;
  m_bModal = false;
  m_bEndRequested = false;
  if (!BuildWindow(pParentWnd, false)) return FALSE;
  QPointer<QWidget> self(m_hWnd);
  const LRESULT focusDefault = SendMessage(WM_INITDIALOG, 0, 0);
  if (!self || !m_hWnd) return FALSE;
  const DWORD style = WidgetStyle(m_hWnd);
  if (style & WS_VISIBLE) {
    ShowWindow(SW_SHOW);
    if (focusDefault && m_hWnd) SetInitialFocus();
  }
  return m_hWnd ? TRUE : FALSE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd) {
  if (!pTemplate) return FALSE;
  m_lpTemplate = pTemplate;
  m_nIDTemplate = pTemplate->id;
  return Create(0, pParentWnd);
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  if (m_bModal) {
    m_bEndRequested = true;
    if (m_pModalLoop) m_pModalLoop->exit();
  } else if (m_hWnd) {
    m_hWnd->hide();
  }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  if (!m_hWnd) return FALSE;
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return dx.Failed() ? FALSE : TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::NextDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 0, 0); }

void CDialog::PrevDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (!pWndCtrl || !pWndCtrl->GetSafeHwnd()) return;
  pWndCtrl->SetFocus();
  const auto code = static_cast<UINT>(pWndCtrl->SendMessage(WM_GETDLGCODE));
  if (code & DLGC_HASSETSEL) pWndCtrl->SendMessage(EM_SETSEL, 0, -1);
}

void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID, 0); }

DWORD CDialog::GetDefID() { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }

CWnd* CDialog::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
  if (!m_hWnd) return nullptr;
  std::vector<CWnd*> controls;
  for (QObject* o : m_hWnd->children()) {
    if (!o->isWidgetType()) continue;
    auto* w = static_cast<QWidget*>(o);
    if (w->isWindow() || IsDead(w)) continue;
    if (CWnd* p = CWnd::FromHandlePermanent(w)) controls.push_back(p);
  }
  if (controls.empty()) return pWndCtl;
  auto isStop = [](CWnd* p) {
    const DWORD style = p->GetStyle();
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
  };
  // The dialog's direct child that holds the given control.
  int start = -1;
  if (pWndCtl && pWndCtl->GetSafeHwnd()) {
    QWidget* w = pWndCtl->GetSafeHwnd();
    while (w && w->parentWidget() != m_hWnd) w = w->isWindow() ? nullptr : w->parentWidget();
    for (std::size_t i = 0; w && i < controls.size(); ++i) {
      if (controls[i]->GetSafeHwnd() == w) start = static_cast<int>(i);
    }
  }
  const int n = static_cast<int>(controls.size());
  if (start < 0) start = bPrevious ? 0 : n - 1;  // so that the first step lands on an end
  for (int k = 1; k <= n; ++k) {
    const int i = ((start + (bPrevious ? -k : k)) % n + n) % n;
    if (isStop(controls[static_cast<std::size_t>(i)])) return controls[static_cast<std::size_t>(i)];
  }
  return pWndCtl;
}

void CDialog::MapDialogRect(CRect* pRect) const {
  if (pRect) *pRect = DialogUnitsToPixels(*pRect, m_baseUnits);
}

void CDialog::SetInitialFocus() {
  if (CWnd* first = GetNextDlgTabItem(nullptr, FALSE)) GotoDlgCtrl(first);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  const bool key = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
  const bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
  if (!key && !mouse) return FALSE;
  return IsDialogMessage(pMsg);
}

void CDialog::PressEnter(CWnd* pControl, UINT dlgCode) {
  UINT id = IDOK;
  HWND control = nullptr;
  if (pControl && pControl->GetSafeHwnd() != m_hWnd && (dlgCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    id = static_cast<UINT>(pControl->GetDlgCtrlID());
    control = pControl->GetSafeHwnd();
  } else {
    const DWORD def = GetDefID();
    if (HIWORD(def) == DC_HASDEFID) id = LOWORD(def);
    if (CWnd* button = GetDlgItem(static_cast<int>(id))) {
      if (!button->IsWindowEnabled()) return;  // a disabled default button does nothing
      control = button->GetSafeHwnd();
    }
  }
  SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

BOOL CDialog::IsDialogMessage(MSG* pMsg) {
  if (!m_hWnd || !pMsg || !pMsg->hwnd) return FALSE;
  if (pMsg->hwnd != m_hWnd && !m_hWnd->isAncestorOf(pMsg->hwnd)) return FALSE;
  if (pMsg->message == WM_KEYDOWN) {
    CWnd* control = CWnd::FromHandlePermanent(pMsg->hwnd);
    const auto code = control ? static_cast<UINT>(control->SendMessage(WM_GETDLGCODE, pMsg->wParam,
                                                                       reinterpret_cast<LPARAM>(pMsg)))
                              : 0u;
    if (!(code & DLGC_WANTALLKEYS)) {
      switch (pMsg->wParam) {
        case VK_TAB:
          if (code & DLGC_WANTTAB) break;
          SendMessage(WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
          return TRUE;
        case VK_RETURN:
          PressEnter(control, code);
          return TRUE;
        case VK_ESCAPE: {
          CWnd* cancel = GetDlgItem(IDCANCEL);
          SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                      reinterpret_cast<LPARAM>(cancel ? cancel->GetSafeHwnd() : nullptr));
          return TRUE;
        }
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
          // Through the control's group (ext/dialog_keys.cpp).
          if (!(code & DLGC_WANTARROWS) && MoveInGroup(this, control, static_cast<UINT>(pMsg->wParam))) return TRUE;
          break;
        default:
          break;
      }
    }
  }
  if (pMsg->message == WM_SYSCHAR || pMsg->message == WM_CHAR) {
    // Mnemonics: with Alt, or alone where the focus takes no characters.
    CWnd* control = CWnd::FromHandlePermanent(pMsg->hwnd);
    const auto code = control ? static_cast<UINT>(control->SendMessage(WM_GETDLGCODE, pMsg->wParam,
                                                                       reinterpret_cast<LPARAM>(pMsg)))
                              : 0u;
    const bool takesChars = code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS);
    if ((pMsg->message == WM_SYSCHAR || !takesChars) && GoToMnemonic(this, control, static_cast<UINT>(pMsg->wParam))) {
      return TRUE;
    }
  }
  TranslateMessage(pMsg);
  DispatchMessage(pMsg);
  return TRUE;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case DM_GETDEFID:
      return m_nDefID ? static_cast<LRESULT>(MAKELPARAM(m_nDefID, DC_HASDEFID)) : 0;
    case DM_SETDEFID:
      m_nDefID = static_cast<UINT>(wParam);
      return TRUE;
    case WM_NEXTDLGCTL: {
      CWnd* target = nullptr;
      if (LOWORD(static_cast<std::uintptr_t>(lParam))) {
        target = CWnd::FromHandlePermanent(reinterpret_cast<HWND>(wParam));
      } else {
        CWnd* current = GetFocus();
        if (current && !IsChild(current)) current = nullptr;
        target = GetNextDlgTabItem(current, wParam != 0);
      }
      if (target) GotoDlgCtrl(target);
      return 0;
    }
    case WM_CLOSE: {
      // Closing the window is the same as Cancel, after the close request.
      PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return 0;
    }
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}
