// The one call through which the built pages and their sheets make themselves
// known to the main dialog: the page classes under their dialog ids, the sheet
// routines under their sheet numbers.
#pragma once

void RegisterPagesAndSheets();
