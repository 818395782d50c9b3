// CLtrAdvancedFeaturesPage: the LTR timing and ID-block settings of every zone,
// five at a time beside a Default column: channel hang and fade times, the
// receive and transmit-inhibit ID blocks with their resume times and, in the
// M mode, the data rise time and the prefix code. The ID, resume and rise-time
// bytes mean something else in Conventional and PassPort zones, so their cells
// take input, and their Default reaches, in LTR zones only (trunk_ltr.h).
#pragma once

#include "model/trunk_ltr.h"
#include "pages/column_pages/zone_columns_page.h"
#include "res/page_ltr_advanced.h"

class CLtrAdvancedFeaturesPage : public grid::CZoneColumnsPage {
 public:
  enum { IDD = IDD_LTR_ADVANCED };

  explicit CLtrAdvancedFeaturesPage(CWnd* pParent = nullptr);

 protected:
  void OnInitPage() override;
  DECLARE_MESSAGE_MAP()
};
