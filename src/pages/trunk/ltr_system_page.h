// CLtrZonePage: the LTR view of the zones, five at a time beside a Default
// column: on/off, number of groups, format (shown only), alias, timers, power,
// revert group and zone scan, then the LTR rows (AREA Code, home repeater, Talk
// Permit Tone, Multiple Group Decode, Scan words), with buttons to the
// interconnect and LTR advanced pages and, per zone, its repeaters and groups.
// A zone-column grid page; the group counts follow the LTR rules of the model
// (trunk_ltr.h), the home repeater its slots (trunk_repeaters.h).
#pragma once

#include "pages/grid/zone_columns_page.h"
#include "res/page_ltr_system.h"

class CLtrZonePage : public grid::CZoneColumnsPage {
 public:
  enum { IDD = IDD_LTR_SYSTEM };

  explicit CLtrZonePage(CWnd* pParent = nullptr);

 protected:
  grid::State CellState(const grid::Row& row, int column, int zone) override;
  void OnRefreshed() override;
  DECLARE_MESSAGE_MAP()
};
