// The template of the 5-Tone page (dialog 223): the tone-table grid, the
// in-place editor laid over its cells, and the buttons of the two 5-Tone
// dialogs. The ids are the ones CFiveToneTablePage binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_FIVE_TONE_PAGE = 223;
inline constexpr int IDC_FT_COMMON_SYSTEM = 1587;
inline constexpr int IDC_FT_ENCODE_DECODE = 1588;
inline constexpr int IDC_FT_TONE_GRID = 1589;
inline constexpr int IDC_FT_CELL_EDIT = 1617;  // hidden until a cell is edited

const DialogTemplate& FiveTonePageTemplate();
// Registers the template (and the grid control it uses); only the first call registers.
void RegisterFiveTonePageTemplate();
