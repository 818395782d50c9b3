// Message maps: every window class has one static table of entries that ties a
// message (or a command id, or a control notification) to a member function.
// SendMessage looks the message up in the receiver's table and then in the
// tables of its base classes; the first entry found handles it. A message that
// no table names goes to the window's default processing and is never passed
// on to another window.
//
//   class CMyPage : public CDialog {
//     ...
//     DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyPage, CDialog)
//     ON_MESSAGE(WM_NUMEDIT_CHANGE, OnNumEditChange)
//     ON_CBN_SELCHANGE(1030, OnSelChangeMode)
//     ON_WM_TIMER()
//   END_MESSAGE_MAP()
#pragma once

#include "ui/wnd/win_types.h"

// One entry. Command entries carry WM_COMMAND with a notification code and an
// id range; WM_NOTIFY entries likewise; reflected entries carry
// WM_REFLECT_BASE + the message they take back from the parent.
struct MsgMapEntry {
  UINT message;
  UINT code;
  UINT id;
  UINT lastId;
  LRESULT (*handler)(CWnd* wnd, WPARAM wParam, LPARAM lParam);
};

struct MsgMap {
  const MsgMap* (*baseMap)();  // null for the root of the hierarchy
  const MsgMapEntry* entries;  // ends with an entry whose handler is null
};

// Notifications that a parent hands back to the control that sent them.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;

namespace wnd_detail {

CWnd* WndFromHandle(HWND h);
CPoint PointFromLParam(LPARAM l);

template <class T, auto F>
LRESULT MessageThunk(CWnd* w, WPARAM a, LPARAM b) {
  return (static_cast<T*>(w)->*F)(a, b);
}
template <class T, auto F>
LRESULT CommandThunk(CWnd* w, WPARAM, LPARAM) {
  (static_cast<T*>(w)->*F)();
  return 0;
}
template <class T, auto F>
LRESULT CommandRangeThunk(CWnd* w, WPARAM a, LPARAM) {
  (static_cast<T*>(w)->*F)(static_cast<UINT>(LOWORD(a)));
  return 0;
}
template <class T, auto F>
LRESULT NotifyThunk(CWnd* w, WPARAM, LPARAM b) {
  LRESULT result = 0;
  (static_cast<T*>(w)->*F)(reinterpret_cast<NMHDR*>(b), &result);
  return result;
}
template <class T, auto F>
LRESULT NotifyRangeThunk(CWnd* w, WPARAM a, LPARAM b) {
  LRESULT result = 0;
  (static_cast<T*>(w)->*F)(static_cast<UINT>(a), reinterpret_cast<NMHDR*>(b), &result);
  return result;
}
// Standard window messages, with their parameters unpacked.
template <class T, auto F>
LRESULT VoidThunk(CWnd* w, WPARAM, LPARAM) {
  (static_cast<T*>(w)->*F)();
  return 0;
}
template <class T, auto F>
LRESULT TimerThunk(CWnd* w, WPARAM a, LPARAM) {
  (static_cast<T*>(w)->*F)(static_cast<UINT_PTR>(a));
  return 0;
}
template <class T, auto F>
LRESULT SizeThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(static_cast<UINT>(a), static_cast<int>(LOWORD(static_cast<std::uintptr_t>(b))),
                           static_cast<int>(HIWORD(static_cast<std::uintptr_t>(b))));
  return 0;
}
template <class T, auto F>
LRESULT ShowWindowThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(static_cast<BOOL>(a), static_cast<UINT>(b));
  return 0;
}
template <class T, auto F>
LRESULT FocusThunk(CWnd* w, WPARAM a, LPARAM) {
  (static_cast<T*>(w)->*F)(WndFromHandle(reinterpret_cast<HWND>(a)));
  return 0;
}
template <class T, auto F>
LRESULT KeyThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(static_cast<UINT>(a), static_cast<UINT>(LOWORD(static_cast<std::uintptr_t>(b))),
                           static_cast<UINT>(HIWORD(static_cast<std::uintptr_t>(b))));
  return 0;
}
template <class T, auto F>
LRESULT MouseThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(static_cast<UINT>(a), PointFromLParam(b));
  return 0;
}
template <class T, auto F>
LRESULT ScrollThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(static_cast<UINT>(LOWORD(a)), static_cast<UINT>(HIWORD(a)),
                           WndFromHandle(reinterpret_cast<HWND>(b)));
  return 0;
}
template <class T, auto F>
LRESULT DlgCodeThunk(CWnd* w, WPARAM, LPARAM) {
  return static_cast<LRESULT>((static_cast<T*>(w)->*F)());
}
template <class T, auto F>
LRESULT HitTestThunk(CWnd* w, WPARAM, LPARAM b) {
  return static_cast<LRESULT>((static_cast<T*>(w)->*F)(PointFromLParam(b)));
}
template <class T, auto F>
LRESULT SysCommandThunk(CWnd* w, WPARAM a, LPARAM b) {
  (static_cast<T*>(w)->*F)(static_cast<UINT>(a), b);
  return 0;
}

}  // namespace wnd_detail

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const MsgMap* GetThisMessageMap();     \
  const MsgMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
  const MsgMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const MsgMap* theClass::GetThisMessageMap() {                                 \
    using ThisClass = theClass;                                                 \
    using TheBaseClass = baseClass;                                             \
    static const MsgMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                   \
    {0, 0, 0, 0, nullptr}};                                                 \
    static const MsgMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                            \
  }

// Any message, handled as LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(msg, fn) {(msg), 0, 0, 0, &::wnd_detail::MessageThunk<ThisClass, &ThisClass::fn>},

// Commands (menus, accelerators, and BN_CLICKED of buttons), handled as void fn().
#define ON_COMMAND(id, fn) {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), \
                            &::wnd_detail::CommandThunk<ThisClass, &ThisClass::fn>},
// A range of command ids, handled as void fn(UINT id).
#define ON_COMMAND_RANGE(first, last, fn) {WM_COMMAND, 0, static_cast<UINT>(first), static_cast<UINT>(last), \
                                           &::wnd_detail::CommandRangeThunk<ThisClass, &ThisClass::fn>},
// A control notification carried by WM_COMMAND, handled as void fn().
#define ON_CONTROL(code, id, fn) {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
                                  &::wnd_detail::CommandThunk<ThisClass, &ThisClass::fn>},
#define ON_CONTROL_RANGE(code, first, last, fn)                                        \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last), \
   &::wnd_detail::CommandRangeThunk<ThisClass, &ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)

// WM_NOTIFY from a control, handled as void fn(NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, fn) {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
                                 &::wnd_detail::NotifyThunk<ThisClass, &ThisClass::fn>},
// A range of ids, handled as void fn(UINT id, NMHDR*, LRESULT*).
#define ON_NOTIFY_RANGE(code, first, last, fn)                                         \
  {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last), \
   &::wnd_detail::NotifyRangeThunk<ThisClass, &ThisClass::fn>},

// Notifications the control takes back from its parent before the parent's
// own map sees them: void fn() for WM_COMMAND, void fn(NMHDR*, LRESULT*) for WM_NOTIFY.
#define ON_CONTROL_REFLECT(code, fn) {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0xFFFFu, \
                                      &::wnd_detail::CommandThunk<ThisClass, &ThisClass::fn>},
#define ON_NOTIFY_REFLECT(code, fn) {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0xFFFFu, \
                                     &::wnd_detail::NotifyThunk<ThisClass, &ThisClass::fn>},

// Standard window messages, each bound to its handler of the usual name.
#define ON_WM_TIMER() {WM_TIMER, 0, 0, 0, &::wnd_detail::TimerThunk<ThisClass, &ThisClass::OnTimer>},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, &::wnd_detail::VoidThunk<ThisClass, &ThisClass::OnClose>},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, &::wnd_detail::VoidThunk<ThisClass, &ThisClass::OnDestroy>},
#define ON_WM_SIZE() {WM_SIZE, 0, 0, 0, &::wnd_detail::SizeThunk<ThisClass, &ThisClass::OnSize>},
#define ON_WM_SHOWWINDOW() {WM_SHOWWINDOW, 0, 0, 0, &::wnd_detail::ShowWindowThunk<ThisClass, &ThisClass::OnShowWindow>},
#define ON_WM_SETFOCUS() {WM_SETFOCUS, 0, 0, 0, &::wnd_detail::FocusThunk<ThisClass, &ThisClass::OnSetFocus>},
#define ON_WM_KILLFOCUS() {WM_KILLFOCUS, 0, 0, 0, &::wnd_detail::FocusThunk<ThisClass, &ThisClass::OnKillFocus>},
#define ON_WM_KEYDOWN() {WM_KEYDOWN, 0, 0, 0, &::wnd_detail::KeyThunk<ThisClass, &ThisClass::OnKeyDown>},
#define ON_WM_KEYUP() {WM_KEYUP, 0, 0, 0, &::wnd_detail::KeyThunk<ThisClass, &ThisClass::OnKeyUp>},
#define ON_WM_CHAR() {WM_CHAR, 0, 0, 0, &::wnd_detail::KeyThunk<ThisClass, &ThisClass::OnChar>},
#define ON_WM_LBUTTONDOWN() {WM_LBUTTONDOWN, 0, 0, 0, &::wnd_detail::MouseThunk<ThisClass, &ThisClass::OnLButtonDown>},
#define ON_WM_LBUTTONUP() {WM_LBUTTONUP, 0, 0, 0, &::wnd_detail::MouseThunk<ThisClass, &ThisClass::OnLButtonUp>},
#define ON_WM_LBUTTONDBLCLK() \
  {WM_LBUTTONDBLCLK, 0, 0, 0, &::wnd_detail::MouseThunk<ThisClass, &ThisClass::OnLButtonDblClk>},
#define ON_WM_HSCROLL() {WM_HSCROLL, 0, 0, 0, &::wnd_detail::ScrollThunk<ThisClass, &ThisClass::OnHScroll>},
#define ON_WM_VSCROLL() {WM_VSCROLL, 0, 0, 0, &::wnd_detail::ScrollThunk<ThisClass, &ThisClass::OnVScroll>},
#define ON_WM_GETDLGCODE() {WM_GETDLGCODE, 0, 0, 0, &::wnd_detail::DlgCodeThunk<ThisClass, &ThisClass::OnGetDlgCode>},
#define ON_WM_NCHITTEST() {WM_NCHITTEST, 0, 0, 0, &::wnd_detail::HitTestThunk<ThisClass, &ThisClass::OnNcHitTest>},
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, 0, &::wnd_detail::SysCommandThunk<ThisClass, &ThisClass::OnSysCommand>},
