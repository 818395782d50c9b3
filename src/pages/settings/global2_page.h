// The Global 2 page (tab 1, dialog 140): the second half of the radio-wide
// settings. The emergency function (zone and group, lock-out, the emergency
// code, times, display and LED behaviour), the power-on status, the
// transmission guard times, the TPAC options, the advanced settings and the
// special zones and groups (home, four short cuts, data).
//
// Every choice is written into CGlobalSettings at once and sets g_bModified;
// the page keeps nothing of its own but its controls and the position-to-zone
// and position-to-group maps of its fourteen zone and group lists. It shows
// what the record holds at each creation and each WM_SHOWWINDOW.
#pragma once

#include <QFont>

#include <memory>
#include <string>

#include "model/channel_store.h"
#include "res/page_global2.h"
#include "ui/cells/cells.h"
#include "ui/layout/anchor_layout.h"
#include "ui/page/page.h"

class CPrinterDC;

class CGlobal2Page : public CScrollPage {
 public:
  enum { IDD = IDD_GLOBAL2 };

  explicit CGlobal2Page(CWnd* pParent = nullptr);
  ~CGlobal2Page() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Shows the record in every control.
  void UpdateControls();

  // The emergency code as fifteen characters: its digits ('*' and '#' for 14
  // and 15), then blanks.
  static std::string FormatEmergencyCode();
  // Stores a typed code: the first blank (or the end of a shorter text) ends
  // it; fifteen characters without a blank are a code of fifteen. Characters
  // after the fifteenth are not read. Sets g_bModified.
  static void StoreEmergencyCode(const std::string& text);

  // The Global 2 half of the Global sheet, at x (the Global 1 half's left edge
  // + 55 character widths), on the page the Global 1 half began; ends that
  // page. Reads the record only, so the page window need not exist.
  void PrintSheet(CPrinterDC* pDC, int charW, int x, int pitch, int gap) const;

  // The zone and group pairs, in the order of the page's rows.
  enum Pair { kEmergency, kHome, kShortCut1, kShortCut2, kShortCut3, kShortCut4, kData, kPairCount };

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnListChange(UINT nID);
  void OnZoneChange(UINT nID);
  void OnGroupChange(UINT nID);
  void OnCodeSetFocus();
  LRESULT OnCodeCommit(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  void RefreshPair(int pair);
  void RefillGroups(int pair);

  CComboBox m_lists[29];
  CComboBox m_zoneLists[kPairCount];
  CComboBox m_groupLists[kPairCount];
  CHexEdit m_code;
  QFont m_boldFont;
  CAnchorLayout m_layout;  // made and destroyed with the page, never filled
};

// The Global 2 half of the Global sheet without a page object (see
// CGlobal2Page::PrintSheet).
// Nothing is drawn without a context.
void PrintGlobal2Sheet(CPrinterDC* pDC, int charW, int x, int pitch, int gap);

// Registers the page class under its dialog id with the main dialog's page
// registry: RegisterGlobal2Page(RegisterPage).
template <class Registrar>
void RegisterGlobal2Page(Registrar&& registerPage) {
  registerPage(static_cast<UINT>(IDD_GLOBAL2), [] { return std::unique_ptr<CDialog>(new CGlobal2Page); });
}
