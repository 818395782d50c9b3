// The groups of one LTR zone on the group grid (group_grid.h), in two views:
// the basic view (enable, Tag, TX ID, RX ID, TX Inhibit, Time Out Timer,
// Compander, Scan Memory) and the advanced view (Tag and IDs again, Call
// Alert, ANI, Talk Around, 2nd Tx Power, Flat AF, Signaling Function,
// Encryption). The zone overview's "Groups" of an LTR zone opens the basic
// view; "Advanced Features" and "Basic Features" switch between the two for
// the same zone. Neither view binds channels.
//
// The IDs are checked and stored at each keystroke (1..250, or none for an
// empty text; anything else brings the ID message and the stored value back);
// leaving a TX ID edit copies the TX ID of the edit's own group to its RX ID.
// The rules (IDs, signalling, which cells take input) are the model's
// (group_model.h); the rows are the tables in ltr_group_pages.cpp.
#pragma once

#include "pages/groups/group_grid.h"
#include "res/page_ltr_group.h"

class CLtrGroupBasicPage : public group_grid::CGroupGridPage {
 public:
  enum { IDD = IDD_LTR_GROUP_BASIC };
  CLtrGroupBasicPage();

 protected:
  void OnAdvancedFeatures();
  DECLARE_MESSAGE_MAP()
};

class CLtrGroupAdvancedPage : public group_grid::CGroupGridPage {
 public:
  enum { IDD = IDD_LTR_GROUP_ADVANCED };
  CLtrGroupAdvancedPage();

 protected:
  // The Default Encryption cell on a production-type-11 radio: open or greyed
  // as the Default Signaling Function and the option board allow.
  void OnBasicFeatures();
  DECLARE_MESSAGE_MAP()
};
