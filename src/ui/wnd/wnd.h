// CWnd: a window object over a Qt widget. The object and its window have
// separate lives, as the program expects: a page object exists for the whole
// run while its window is created when the page is entered and destroyed when
// it is left. Messages are synchronous calls through the class's message map
// (msg_map.h); Qt's own events (keys, clicks, focus, close) reach the object
// as the window messages of the same meaning (message_loop.h).
#pragma once

#include <QFont>
#include <QMetaObject>

#include <memory>
#include <string>
#include <vector>

#include "ui/wnd/msg_map.h"
#include "ui/wnd/win_types.h"

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // ---- the window behind the object ----------------------------------------
  HWND GetSafeHwnd() const { return m_hWnd; }
  // The object of a window. A window that has none (a widget made elsewhere)
  // gets a plain object that lives as long as the widget.
  static CWnd* FromHandle(HWND hWnd);
  // The object of a window, or null when it has none.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // Binds this object to an existing window; from then on the window's
  // messages go through this object's message map. Fails when this object
  // already has a window.
  BOOL Attach(HWND hWnd);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  // Binds this object to the control with the id among the parent's children;
  // an object bound to it before (the dialog's default one) is set aside.
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();
  virtual void PreSubclassWindow();

  // ---- identity and relations -------------------------------------------------
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  // The parent of a child window; the owner of a top-level one.
  CWnd* GetParent() const;
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwner);
  // The first ancestor that is not a child window.
  CWnd* GetParentOwner() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetDlgItem(int nID) const;
  BOOL IsChild(const CWnd* pWnd) const;
  DWORD GetStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

  // ---- geometry: client coordinates start at the window's top-left inner corner
  void GetClientRect(CRect* pRect) const;
  void GetWindowRect(CRect* pRect) const;
  void ClientToScreen(CPoint* pPoint) const;
  void ClientToScreen(CRect* pRect) const;
  void ScreenToClient(CPoint* pPoint) const;
  void ScreenToClient(CRect* pRect) const;
  // Child windows: in the parent's client coordinates; top-level windows: the
  // outer frame in screen coordinates.
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

  // ---- state ------------------------------------------------------------------
  // Sends WM_SHOWWINDOW when the visibility changes; returns the previous visibility.
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  // Returns nonzero when the window was disabled before.
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  // Programmatic text changes raise no notification.
  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;
  void GetWindowText(std::string& text) const { text = GetWindowText(); }
  int GetWindowTextLength() const;
  void SetDlgItemText(int nID, const std::string& text);
  std::string GetDlgItemText(int nID) const;
  void SetDlgItemInt(int nID, int value, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* pTranslated = nullptr, BOOL bSigned = TRUE) const;
  void CheckDlgButton(int nID, UINT nCheck);
  UINT IsDlgButtonChecked(int nID) const;
  void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck);
  void SetFont(const QFont& font, BOOL bRedraw = TRUE);
  QFont GetFont() const;
  void Invalidate(BOOL bErase = TRUE);
  void UpdateWindow();
  // Invalidates (and with RDW_UPDATENOW paints at once) the window, its
  // children with RDW_ALLCHILDREN; every paint runs the colour pass. A window
  // being painted, or one of its parents, is not invalidated again from inside
  // that paint. (ext/color_pass.cpp)
  BOOL RedrawWindow(const CRect* lpRectUpdate = nullptr, void* prgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  // The menu bar of a top-level window (ext/menu.cpp). The menu object stays
  // the caller's; the bar sits above the client area, which keeps its size.
  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* pMenu);
  void DrawMenuBar();
  // Returns the window that had the focus before.
  CWnd* SetFocus();
  static CWnd* GetFocus();
  void BeginWaitCursor();
  void EndWaitCursor();
  // A message box owned by this window, through the prompt service.
  int MessageBox(const std::string& text, const char* caption = nullptr, UINT nType = MB_OK);

  // ---- messages -----------------------------------------------------------
  // Synchronous: the handler in this object's message map, else the default
  // processing. Returns 0 when the object has no window.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Queued: runs after the current handler has returned, in the order posted.
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Offered every key and mouse message for this window or one inside it,
  // from the focused control up to the top-level window; TRUE stops it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // The message entry point: the message map, then DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // ---- timers: WM_TIMER with the id; a tick never starts while the window's
  // handler of the same timer is still running.
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);

  // ---- lifetime -------------------------------------------------------------
  // Destroys the window (and its children); the object lives on. The window's
  // objects get WM_DESTROY, lose their window, and PostNcDestroy runs last.
  virtual BOOL DestroyWindow();

 protected:
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Looks a command or WM_COMMAND notification up in the message map.
  virtual BOOL OnCmdMsg(UINT nID, int nCode);
  // A notification this control sent, offered back to it by its parent first.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // What the window does with a message its map does not name.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The default processing of the message being handled now.
  LRESULT Default();
  virtual void PostNcDestroy();
  // Control objects connect the widget's signals here (called on attach); the
  // connections are undone on detach.
  virtual void ConnectWindow();
  void KeepConnection(const QMetaObject::Connection& c);
  // WM_COMMAND with this control's id and the code, to the parent.
  void NotifyParent(UINT code);
  // WM_NOTIFY with this control's id and the code, to the parent.
  LRESULT NotifyParentNm(UINT code, NMHDR* pHeader = nullptr);
  // Marks the window as created by this object; it goes with the object.
  void SetOwnsWindow(bool owns) { m_bOwnsWindow = owns; }
  // Objects made for a template's controls that the program did not bind.
  std::vector<std::unique_ptr<CWnd>>& DefaultControls() { return m_defaultControls; }

  // Standard handlers; each runs the default processing. A class names them
  // in its map (ON_WM_TIMER() and the like) and declares its own to override.
  void OnTimer(UINT_PTR nIDEvent);
  void OnClose();
  void OnDestroy();
  void OnSize(UINT nType, int cx, int cy);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnSetFocus(CWnd* pOldWnd);
  void OnKillFocus(CWnd* pNewWnd);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  UINT OnGetDlgCode();
  LRESULT OnNcHitTest(CPoint point);
  void OnSysCommand(UINT nID, LPARAM lParam);
  // The colour request of a child control (or CTLCOLOR_DLG of the window
  // itself): the control's reflected handler first, else the system colours;
  // returns the background brush (ext/color_pass.cpp).
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  // Help for a window: passed on to the parent (a top-level window: its owner).
  BOOL OnHelpInfo(HELPINFO* pHelpInfo);
  void OnPaint();
  void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

  static const MsgMap* GetThisMessageMap();
  virtual const MsgMap* GetMessageMap() const;

  HWND m_hWnd = nullptr;

 private:
  friend class CDialog;
  void OnWidgetDestroyed();
  void DisconnectAll();
  static void DestroyWidgetLater(HWND hWnd);

  CWnd* m_pOwner = nullptr;
  bool m_bOwnsWindow = false;
  bool m_bTemporary = false;
  std::vector<QMetaObject::Connection> m_connections;
  QMetaObject::Connection m_destroyedConnection;
  std::vector<std::unique_ptr<CWnd>> m_defaultControls;
};

// A scope that shows the wait cursor.
class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};
