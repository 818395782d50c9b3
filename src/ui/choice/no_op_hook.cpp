#include "ui/choice/no_op_hook.h"

void NoOpHook() {}

LRESULT NoOpHookHandler(CWnd*, WPARAM, LPARAM) {
  NoOpHook();
  return 0;
}
