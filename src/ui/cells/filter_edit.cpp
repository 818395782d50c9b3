#include "ui/cells/filter_edit.h"

#include "ui/cells/char_class.h"

bool CFilterEdit::Accepts(int mode, UINT c) {
  using namespace cell_chars;
  if (mode < 0 || mode > 7) return true;
  if (c == VK_BACK) return true;
  switch (mode) {
    case 0:
    case 5: return IsPrint(c) && !IsOneOf(c, "!,#%&.;~");
    case 1:
    case 4: return IsDigit(c) || c == '.' || c == ' ';
    case 2: return IsDigit(c) || IsOneOf(c, "ABCDEabcde");
    case 3: return IsDigit(c) || IsOneOf(c, "ABCDEFabcdef");
    case 6: return IsCharAlphaNumeric(c) || c == ' ';
    default: return IsDigit(c);
  }
}

BEGIN_MESSAGE_MAP(CFilterEdit, CEdit)
  ON_WM_CHAR()
END_MESSAGE_MAP()

void CFilterEdit::OnChar(UINT nChar, UINT, UINT) {
  if (Accepts(m_nFilterMode, nChar)) Default();
}
