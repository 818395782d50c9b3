// The page framework in one include: CScrollPage and the page pattern, the
// combo-box fields of the settings pages, the anchored tab control.
#pragma once

#include "ui/page/anchor_tab_ctrl.h"
#include "ui/page/choice_field.h"
#include "ui/page/page_pattern.h"
#include "ui/page/scroll_page.h"
