// The controls, painting, menus and transfer filter of the window layer. (The
// HELPINFO of WM_HELP is in ui/wnd/ext/help.h, included where it is read.)
#pragma once

#include "ui/wnd/ext/color_pass.h"
#include "ui/wnd/ext/common_controls.h"
#include "ui/wnd/ext/gdi.h"
#include "ui/wnd/ext/menu.h"
#include "ui/wnd/ext/multiline_edit.h"
#include "ui/wnd/ext/progress.h"
#include "ui/wnd/ext/scrollbar.h"
#include "ui/wnd/ext/tab_ctrl.h"
#include "ui/wnd/ext/trackbar.h"
#include "ui/wnd/ext/transfer_filter.h"
#include "ui/wnd/ext/updown.h"
