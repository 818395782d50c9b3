// CConvGroupAdvancedPage: the advanced view of a Conventional zone's groups on
// the group grid (group_grid.h): the Tag, the channel's frequencies and spacing
// (read only), and the advanced features with their Default column: call alert,
// ANI, talk around, second transmit power, TPAC, flat audio, the signalling
// function and number, encryption. The signalling rules, the lists by model and
// option board, and which cells take input are model operations (group_model.h);
// the rows are the table in conv_advanced_page.cpp.
#pragma once

#include "pages/groups/group_grid.h"
#include "res/page_conv_groups.h"

class CConvGroupAdvancedPage : public group_grid::CGroupGridPage {
 public:
  enum { IDD = IDD_CONV_GROUP_ADVANCED };
  CConvGroupAdvancedPage();

 protected:
  void OnBasicFeatures();
  DECLARE_MESSAGE_MAP()
};
