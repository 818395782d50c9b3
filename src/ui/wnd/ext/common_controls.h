// The controls of the window layer beyond the standard ones: multi-line edit,
// scroll bar and size grip, progress bar, trackbar, up-down control and tab
// control. The template builder makes them from their class names (the
// resource-script names, below) and styles; each control class can also make
// its window at run time with Create. Their behaviour belongs to the window,
// as with the standard controls: every message they take is handled by their
// window class, and they notify their parent only of what the person does.
#pragma once

#include <memory>
#include <utility>

#include "ui/wnd/dlg_template.h"
#include "ui/wnd/wnd.h"

class QWidget;

inline constexpr const char* PROGRESS_CLASS = "msctls_progress32";
inline constexpr const char* TRACKBAR_CLASS = "msctls_trackbar32";
inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";
inline constexpr const char* WC_TABCONTROL = "SysTabControl32";

// Scroll codes of WM_HSCROLL and WM_VSCROLL (the trackbar's TB_ codes are the same numbers).
inline constexpr UINT SB_LINEUP = 0;
inline constexpr UINT SB_LINELEFT = 0;
inline constexpr UINT SB_LINEDOWN = 1;
inline constexpr UINT SB_LINERIGHT = 1;
inline constexpr UINT SB_PAGEUP = 2;
inline constexpr UINT SB_PAGELEFT = 2;
inline constexpr UINT SB_PAGEDOWN = 3;
inline constexpr UINT SB_PAGERIGHT = 3;
inline constexpr UINT SB_THUMBPOSITION = 4;
inline constexpr UINT SB_THUMBTRACK = 5;
inline constexpr UINT SB_TOP = 6;
inline constexpr UINT SB_LEFT = 6;
inline constexpr UINT SB_BOTTOM = 7;
inline constexpr UINT SB_RIGHT = 7;
inline constexpr UINT SB_ENDSCROLL = 8;

namespace wnd_detail {

using MadeControl = std::pair<QWidget*, std::unique_ptr<CWnd>>;
MadeControl MakeMultiLineEdit(QWidget* parent, const DlgItemTemplate& item);
MadeControl MakeScrollBar(QWidget* parent, const DlgItemTemplate& item);
MadeControl MakeProgress(QWidget* parent, const DlgItemTemplate& item);
MadeControl MakeTrackbar(QWidget* parent, const DlgItemTemplate& item);
MadeControl MakeUpDown(QWidget* parent, const DlgItemTemplate& item);
MadeControl MakeTabControl(QWidget* parent, const DlgItemTemplate& item);
// The common controls by class name; {nullptr, nullptr} for another name.
MadeControl MakeCommonControl(QWidget* parent, const DlgItemTemplate& item);

// Makes the window of a control at run time, in the parent's client
// coordinates, and binds the object to it.
BOOL CreateControlWindow(CWnd& object, CtlKind kind, const char* className, DWORD style, const CRect& rect,
                         CWnd* pParentWnd, UINT nID);

// A scroll notification (WM_HSCROLL or WM_VSCROLL) of a control to its parent.
void SendScrollNotification(QWidget* control, bool vertical, UINT code, int pos);
// A WM_NOTIFY of a control to its parent, the header filled in; the parent's answer.
LRESULT SendNotify(QWidget* control, UINT code, NMHDR* header);

}  // namespace wnd_detail
