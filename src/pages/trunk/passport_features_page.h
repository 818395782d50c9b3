// CPassPortFeaturePage: the PassPort trunking features of one zone: the system
// feature switches, the four roaming timers, the RSSI features with their
// levels and times, and the option bits of the zone's data. A field page whose
// bindings stand for its zone; the switches that depend on others ("RSSI
// threshold", "Home lookback", "RSSI for home lookback") enable their
// dependants through the table's enable rules. Every edit is stored at once
// (timers when their cell is left, clamped) and sets g_bModified. Reached from
// the zone overview's "Features" button; "Close" goes back.
#pragma once

#include "res/page_passport_features.h"
#include "ui/page/field_page.h"
#include "ui/page/page_registry.h"

class CPassPortFeaturePage : public CFieldPage, public IZoneSubPage {
 public:
  enum { IDD = IDD_PASSPORT_FEATURES };
  explicit CPassPortFeaturePage(CWnd* pParent = nullptr);

  // IZoneSubPage: the zone shown (0..31), set before the window is made.
  void SetPageIndex(int index) override;
  int GetCurrentIndex() const override { return m_zone; }

  BOOL OnInitDialog() override;

 protected:
  void OnRefresh() override;
  // A switch enables or disables its dependants; a level shows its reference.
  void OnCommitted(const Binding& b) override;
  void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  void ShowLevelReferences();
  int m_zone = 0;
};

