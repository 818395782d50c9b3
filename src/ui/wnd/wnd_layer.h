// The whole window layer in one include.
#pragma once

#include "ui/wnd/controls.h"
#include "ui/wnd/dialog.h"
#include "ui/wnd/dlg_template.h"
#include "ui/wnd/ext/ext_layer.h"
#include "ui/wnd/message_loop.h"
#include "ui/wnd/msg_map.h"
#include "ui/wnd/prompt.h"
#include "ui/wnd/win_types.h"
#include "ui/wnd/wnd.h"
