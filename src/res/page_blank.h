// The template of the blank page (dialog 158): a page with no controls.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_BLANK_PAGE = 158;

const DialogTemplate& BlankPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterBlankPageTemplate();
