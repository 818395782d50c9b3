// CGlobal1Page: the first tab page, the radio-wide settings of CGlobalSettings
// (display, audible sounds, power saving, microphone hook, scan function,
// password, handheld rotary switch, option board) and the MODEL list. Every
// choice is written into the record at once and sets g_bModified; nothing is
// checked here (the record's checks run when the model is packed). Choosing a
// model begins the edit model anew from the band's default data file.
#pragma once

#include <QFont>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "res/page_global1.h"
#include "ui/cells/cells.h"
#include "ui/page/page.h"

class CPrinterDC;

// The name the MODEL list shows: the main dialog's model name 0.
inline constexpr const char* kGlobal1ModelName = "TQ-5100-RM3K-50(UHF)";

class CGlobal1Page : public CScrollPage {
 public:
  enum { IDD = IDD_GLOBAL1 };
  // The number of choice lists besides MODEL.
  static constexpr std::size_t kListCount = 35;

  explicit CGlobal1Page(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Refreshes every control from the record and applies the enable rules.
  void UpdateControls();
  // The Global 1 column of the "Global" sheet at x; begins the page, ends none.
  void PrintSheet(CPrinterDC* pDC, int cw, int x, int pitch, int gap);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnSelchangeModel();
  void OnSelchangeList(UINT nID);
  void OnSelectAll(UINT nID);
  void OnKillfocusLedOnTime();
  void OnKillfocusLedOffTime();
  LRESULT OnPasswordCommit(WPARAM wParam, LPARAM lParam);
  LRESULT IgnoreNumEditChange(WPARAM wParam, LPARAM lParam);
  void OnShowWindow(BOOL bShow, UINT nStatus);

  DECLARE_MESSAGE_MAP()

 private:
  // Selects the MODEL entry for the record's hardware byte and production type.
  void SelectModelFromRecord();
  // The LED time commit of one edit into its byte.
  void CommitLedTime(CNumEdit& edit, std::uint8_t& stored);
  // The main dialog (the page's parent owner), null when the page has none.
  CWnd* MainWindow() const;

  CRestrictEdit m_model;
  std::array<CComboBox, kListCount> m_lists;
  CSerialEdit m_password;
  CNumEdit m_ledOn;
  CNumEdit m_ledOff;
  QFont m_boldFont;
};

// The Global 1 column of the "Global" sheet, drawn from the records.
void PrintGlobal1Sheet(CPrinterDC* pDC, int cw, int x, int pitch, int gap);

// Registers the page class under its dialog id with the main dialog's page
// registry: RegisterGlobal1Page(RegisterPage).
template <class Registrar>
void RegisterGlobal1Page(Registrar&& registerPage) {
  registerPage(static_cast<UINT>(IDD_GLOBAL1), [] { return std::unique_ptr<CDialog>(new CGlobal1Page); });
}
