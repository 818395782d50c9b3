// The page framework in one include: CScrollPage and the page pattern, the
// binding tables and the field page, the page registry, the anchored tab control.
#pragma once

#include "ui/page/anchor_tab_ctrl.h"
#include "ui/page/binding.h"
#include "ui/page/field_page.h"
#include "ui/page/page_pattern.h"
#include "ui/page/page_registry.h"
#include "ui/page/popup_list.h"
#include "ui/page/scroll_page.h"
