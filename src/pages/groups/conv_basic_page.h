// CConvGroupBasicPage: the basic view of a Conventional zone's groups on the
// group grid (group_grid.h): enable, Tag, the channel's frequencies and spacing,
// the sub-audible signalling and the basic settings, with a Default column for
// Monitor, TX Inhibit, Time Out Timer, Busy Lock Out, Compander and Scan Memory.
// Group g of the zone uses channel g: opening the page binds the zone's groups
// to their channels, and each refresh keeps a shown group's channel in use
// exactly while the group is enabled (group_model.h). The rows are the table in
// conv_basic_page.cpp.
#pragma once

#include "pages/groups/group_grid.h"
#include "res/page_conv_groups.h"

class CConvGroupBasicPage : public group_grid::CGroupGridPage {
 public:
  enum { IDD = IDD_CONV_GROUP_BASIC };
  CConvGroupBasicPage();

 protected:
  void OnInitPage() override;
  void OnRefreshed() override;
  void OnAdvancedFeatures();
  DECLARE_MESSAGE_MAP()
};
