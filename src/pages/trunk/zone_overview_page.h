// CZoneOverviewPage: the page the Zone tab shows first, the 32 zones five at a
// time with a Default column: on/off, number of groups, format, alias, the
// common trunking settings and the PassPort system identity (with the LTR
// captions, the LTR settings in its place), and the buttons that lead to a
// zone's sub-pages. It is a grid page (pages/column_pages) whose rows
// are the table in zone_overview_page.cpp; the group pool, the on/off rules,
// the ID ranges and the home channel words are model operations (zone_model.h,
// home_channel.h). The caption mode (LTR or PassPort) follows the global
// settings when the window is made. A zone-columns page (zone_columns_page.h):
// the first zone, the arrows, the active zone and the "Interconnect" and "LTR
// Advanced" buttons are those of every zone page.
#pragma once

#include <QFont>

#include <memory>

#include "pages/column_pages/zone_columns_page.h"
#include "res/page_zone_overview.h"

class CPrinterDC;

class CZoneOverviewPage : public grid::CZoneColumnsPage {
 public:
  enum { IDD = IDD_ZONE_OVERVIEW };

  explicit CZoneOverviewPage(CWnd* pParent = nullptr);

  // The caption mode the window was made in.
  bool LtrCaptions() const { return m_ltrCaptions; }

 protected:
  grid::State CellState(const grid::Row& row, int column, int zone) override;
  // "SYS. %2d" with the LTR captions.
  std::string ColumnCaption(int column) const override;
  void OnInitPage() override;
  void OnRefreshed() override;
  bool PassPortCaptions() const override;
  DECLARE_MESSAGE_MAP()

 private:
  // Hides the rows of the other caption mode and closes the gaps they leave.
  void LayOutRows();
  void UpdateColumnButtons();
  void SetButton(int id, const char* caption, bool enabled);

  bool m_ltrCaptions = false;
  QFont m_boldFont;
};

// Sheet 1, "Zone": a page per zone in use, with the zone's group table or its
// PassPort features and talk groups.
void PrintZoneSheet(CPrinterDC& dc, int charW, int x, int pitch, int gap);

// Registers the page class under its dialog id.
void RegisterZoneOverviewPage();
