#include "ui/page/page_pattern.h"

HACCEL LoadPageAccelerator() {
  if (HACCEL table = LoadAccelerators(IDR_ACCELERATOR)) return table;
  RegisterAcceleratorTable(IDR_ACCELERATOR, {ACCEL{FVIRTKEY | FSHIFT, static_cast<WORD>(VK_F9),
                                                   static_cast<WORD>(ID_ROM_EDITOR)}});
  return LoadAccelerators(IDR_ACCELERATOR);
}

PageKey FilterPageKey(CWnd* page, HACCEL hAccel, MSG* pMsg) {
  if (!page || !pMsg) return PageKey::Dialog;
  // What the accelerator did, or did not do, changes nothing below.
  TranslateAccelerator(page->GetSafeHwnd(), hAccel, pMsg);
  if (pMsg->message == WM_KEYDOWN) {
    const auto vk = static_cast<UINT>(pMsg->wParam);
    if (vk == VK_RETURN || vk == VK_ESCAPE) return PageKey::Swallow;
    if (vk >= VK_F1 && vk <= VK_F7) return PageKey::PassUp;
  }
  return PageKey::Dialog;
}

BOOL PagePreTranslateMessage(CDialog* page, HACCEL hAccel, MSG* pMsg) {
  switch (FilterPageKey(page, hAccel, pMsg)) {
    case PageKey::Swallow:
      return TRUE;
    case PageKey::PassUp:
      return FALSE;
    case PageKey::Dialog:
      break;
  }
  return page ? page->CDialog::PreTranslateMessage(pMsg) : FALSE;
}

void ForwardCommandToMainDialog(CWnd* page, UINT nID) {
  if (!page || !page->GetSafeHwnd()) return;
  CWnd* main = page->GetParentOwner();
  if (!main || main == page) return;
  main->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

LRESULT PageNextField(CWnd* page) {
  if (page) page->SendMessage(WM_NEXTDLGCTL, 0, 0);
  return 0;
}

LRESULT PagePrevField(CWnd* page) {
  if (page) page->SendMessage(WM_NEXTDLGCTL, 1, 0);
  return 0;
}
