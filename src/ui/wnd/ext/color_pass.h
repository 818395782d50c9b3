// Painting in the window layer: the colour pass, WM_PAINT and RedrawWindow.
//
// Before a control paints, it asks its parent for its colours, as on the
// original platform: the parent gets WM_CTLCOLOREDIT / ...STATIC / ...BTN /
// ...LISTBOX / ...SCROLLBAR with a CDC (wParam) and the control (lParam) and
// returns a background brush; a dialog asks itself with WM_CTLCOLORDLG. The
// parent's handler (ON_WM_CTLCOLOR) usually first calls the base
// CWnd::OnCtlColor, which hands the request back to the control itself
// (ON_WM_CTLCOLOR_REFLECT: HBRUSH CtlColor(CDC*, UINT)) and otherwise gives the
// system colours. Whatever text colour, font and brush come back are applied
// to the control's palette before it paints. A control whose request comes
// back with nothing but the system defaults keeps the palette it had before the
// pass ever coloured it, so controls that colour themselves by other means are
// left alone.
//
// A handler may enable or disable the control it is asked about: that repaints
// the control once more, and the pass then finds nothing to change, so there is
// no repaint loop. A window asking to be redrawn while it (or a window inside
// it) is being painted is not invalidated again.
//
// A window whose message map has ON_WM_PAINT paints itself when its handler
// makes a CPaintDC; without one (or when the handler only calls Default) the
// widget paints as usual.
#pragma once

#include <memory>

#include "ui/wnd/ext/gdi.h"
#include "ui/wnd/msg_map.h"
#include "ui/wnd/wnd.h"

class QWidget;

// The context of one paint of a window; its painter draws on the window.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  // The area being painted, in client coordinates.
  CRect m_rcPaint;

 private:
  std::unique_ptr<QPainter> m_ownPainter;
};

namespace wnd_detail {

// The colour pass of one control, as done before it paints: returns the brush
// the request came back with (null when the control has no colour request).
HBRUSH RunColorPass(QWidget* control);
// The base processing of a colour request: hands it to the control's own
// reflected handler (once per request) and otherwise gives the system colours.
HBRUSH DefaultCtlColor(CWnd* pReceiver, CDC* pDC, CWnd* pWnd, UINT nCtlColor);
// Installs the paint filter; done by AfxInitWindowLayer.
void InitPaintFilter();
// True while the widget, or a widget inside it, is being painted.
bool IsBeingPainted(const QWidget* w);

template <class T, auto F, UINT kType>
LRESULT CtlColorThunk(CWnd* w, WPARAM a, LPARAM b) {
  return reinterpret_cast<LRESULT>(
      (static_cast<T*>(w)->*F)(reinterpret_cast<CDC*>(a), CWnd::FromHandle(reinterpret_cast<HWND>(b)), kType));
}
template <class T, auto F>
LRESULT CtlColorReflectThunk(CWnd* w, WPARAM a, LPARAM b) {
  return reinterpret_cast<LRESULT>((static_cast<T*>(w)->*F)(reinterpret_cast<CDC*>(b), static_cast<UINT>(a)));
}
template <class T, auto F>
LRESULT HelpInfoThunk(CWnd* w, WPARAM, LPARAM b) {
  return static_cast<LRESULT>((static_cast<T*>(w)->*F)(reinterpret_cast<HELPINFO*>(b)));
}
template <class T, auto F>
LRESULT InitMenuPopupThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(reinterpret_cast<CMenu*>(a), static_cast<UINT>(LOWORD(static_cast<std::uintptr_t>(b))),
                           static_cast<BOOL>(HIWORD(static_cast<std::uintptr_t>(b))));
  return 0;
}

}  // namespace wnd_detail

// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor), for every kind of request.
#define ON_WM_CTLCOLOR()                                                                                   \
  {WM_CTLCOLOREDIT, 0, 0, 0, &::wnd_detail::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor, CTLCOLOR_EDIT>}, \
  {WM_CTLCOLORLISTBOX, 0, 0, 0,                                                                             \
   &::wnd_detail::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor, CTLCOLOR_LISTBOX>},                      \
  {WM_CTLCOLORBTN, 0, 0, 0, &::wnd_detail::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor, CTLCOLOR_BTN>},   \
  {WM_CTLCOLORDLG, 0, 0, 0, &::wnd_detail::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor, CTLCOLOR_DLG>},   \
  {WM_CTLCOLORSCROLLBAR, 0, 0, 0,                                                                           \
   &::wnd_detail::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor, CTLCOLOR_SCROLLBAR>},                    \
  {WM_CTLCOLORSTATIC, 0, 0, 0,                                                                              \
   &::wnd_detail::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor, CTLCOLOR_STATIC>},
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): the control's own answer to its
// request; null leaves the answer to the parent's default.
#define ON_WM_CTLCOLOR_REFLECT() \
  {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, &::wnd_detail::CtlColorReflectThunk<ThisClass, &ThisClass::CtlColor>},
// void OnPaint()
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &::wnd_detail::VoidThunk<ThisClass, &ThisClass::OnPaint>},
// BOOL OnHelpInfo(HELPINFO*)
#define ON_WM_HELPINFO() {WM_HELP, 0, 0, 0, &::wnd_detail::HelpInfoThunk<ThisClass, &ThisClass::OnHelpInfo>},
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP() \
  {WM_INITMENUPOPUP, 0, 0, 0, &::wnd_detail::InitMenuPopupThunk<ThisClass, &ThisClass::OnInitMenuPopup>},
