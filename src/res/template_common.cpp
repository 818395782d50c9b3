#include "res/template_common.h"

#include <utility>

namespace res_detail {

DlgFont DialogFont() { return DlgFont{8, "MS Sans Serif", 400}; }

DialogTemplate ModalTemplate(UINT id, const char* caption, int cx, int cy, std::vector<DlgItemTemplate> items) {
  DialogTemplate t;
  t.id = id;
  t.caption = caption;
  t.cx = cx;
  t.cy = cy;
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  t.font = DialogFont();
  t.items = std::move(items);
  return t;
}

DialogTemplate PageTemplate(UINT id) {
  DialogTemplate d;
  d.id = id;
  d.x = 4;
  d.y = 16;
  d.cx = 372;
  d.cy = 302;
  d.style = WS_CHILD | DS_SETFONT | DS_CONTROL;
  d.font = DialogFont();
  return d;
}

}  // namespace res_detail
