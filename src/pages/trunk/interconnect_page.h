// CInterconnectPage: the telephone interconnect settings of every zone, five
// at a time beside a Default column: TX timeout, phone interconnect, the
// Connect Dial (a Conventional zone) or the interconnect LTR ID (an LTR zone),
// the Disconnect Dial, Interconnect Only Rx (Conventional) and auto
// interconnect. A zone column shows the cells of its zone's format; the dial
// strings and IDs are the model's (trunk_fields.h, trunk_ltr.h).
#pragma once

#include "pages/trunk/ltr_advanced_defaults.h"
#include "res/page_interconnect.h"

class CInterconnectPage : public CZoneDefaultsPage {
 public:
  enum { IDD = IDD_INTERCONNECT };

  explicit CInterconnectPage(CWnd* pParent = nullptr);

 protected:
  void OnRefreshed() override;
  DECLARE_MESSAGE_MAP()
};
