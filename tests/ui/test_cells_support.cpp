// The message map of the test dialog that holds the cells.
#include "test_cells_support.h"

namespace cells_test {

BEGIN_MESSAGE_MAP(CCellHost, CDialog)
  ON_MESSAGE(WM_LABEL_TAB, OnNextField)
  ON_MESSAGE(WM_NUMEDIT_ENTER, OnNextField)
  ON_MESSAGE(WM_LABEL_BACKTAB, OnPrevField)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

}  // namespace cells_test
