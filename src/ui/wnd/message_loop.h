// The message loop of the window layer, standing on Qt's event loop.
//
// One application event filter turns Qt input aimed at a widget with a window
// object into window messages: a key press becomes WM_KEYDOWN (WM_SYSKEYDOWN
// with Alt) and, when the key types a character, WM_CHAR after it; mouse
// buttons become WM_LBUTTONDOWN/UP/DBLCLK (and the right-button ones). Each
// such message is offered to PreTranslateMessage of the window it is for and
// then of each parent up to the top-level window, stopping at the first that
// returns TRUE; otherwise it is dispatched to the window's message map, whose
// default processing hands the original Qt event to the widget. Focus changes
// arrive as WM_SETFOCUS/WM_KILLFOCUS, a close request as WM_CLOSE, a size
// change as WM_SIZE.
//
// Posted messages (PostMessage) and timer ticks (SetTimer) travel through the
// same path, after the handler that is running has returned.
#pragma once

#include <vector>

#include "ui/wnd/win_types.h"

// Installs the event filter; done by the first window object that gets a
// window. Needs the QApplication.
void AfxInitWindowLayer();

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Queues the message for the window; it is dropped when the window is gone by
// then. Returns FALSE for a null window.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Offers the message to PreTranslateMessage from its window up to the
// top-level window; TRUE when one of them took it.
BOOL WalkPreTranslateTree(MSG* pMsg);
// Arranges the WM_CHAR that follows a WM_KEYDOWN (sent once the key-down has
// been processed). Returns TRUE when the key types a character.
BOOL TranslateMessage(const MSG* pMsg);
// Sends the message to its window's object.
LRESULT DispatchMessage(const MSG* pMsg);
// One message through the loop: PreTranslateMessage, else translate and dispatch.
void PumpMessage(MSG* pMsg);

// Whether a key is down: the high bit (a negative result) when it is. For
// Shift, Ctrl and Alt the state of the key event being routed counts.
SHORT GetKeyState(int nVirtKey);

// Accelerator tables are registered once by resource id and loaded by it.
struct AcceleratorTable {
  std::vector<ACCEL> entries;
};
using HACCEL = const AcceleratorTable*;
void RegisterAcceleratorTable(UINT nID, std::vector<ACCEL> entries);
// Null when no table has the id.
HACCEL LoadAccelerators(UINT nID);
// When a key-down matches an entry (key and exactly its Shift/Ctrl/Alt state),
// sends WM_COMMAND with the entry's command (notification code 1) to the window
// and returns nonzero.
int TranslateAccelerator(HWND hWnd, HACCEL hAccel, MSG* pMsg);

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse);
BOOL KillTimer(HWND hWnd, UINT_PTR nIDEvent);
// Removes every timer of the window (done when it is destroyed).
void KillAllTimers(HWND hWnd);

// Translations between Qt key codes and virtual keys (US keyboard layout).
UINT VirtualKeyFromQtKey(int qtKey, unsigned qtModifiers);
int QtKeyFromVirtualKey(UINT vk);

namespace wnd_detail {
// The default processing of key, mouse and focus messages: the Qt event the
// message came from goes to the widget, or one is made from the message.
void DeliverInputDefault(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
// Sends WM_SIZE when the widget's size differs from the one last reported.
void ReportSize(CWnd* wnd);
// While held (holds nest), posted messages wait and window timers do not tick;
// the waiting messages are delivered in their order once the last hold ends.
// The transfer-time input filter holds them while it lets paint through.
void HoldPostedMessages(bool hold);
}  // namespace wnd_detail
