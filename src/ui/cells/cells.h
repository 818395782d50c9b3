// Every cell control in one include.
#pragma once

#include "ui/cells/buttons.h"
#include "ui/cells/color_edit.h"
#include "ui/cells/color_label.h"
#include "ui/cells/filter_edit.h"
#include "ui/cells/hex_edit.h"
#include "ui/cells/list_cells.h"
#include "ui/cells/num_edit.h"
#include "ui/cells/serial_edit.h"
