// What the templates of the LTR system, LTR advanced features and interconnect
// pages share: a label column, a Default column and five zone columns, and rows
// of one cell per column (or two half-width edits per column).
#pragma once

#include <span>
#include <vector>

#include "res/page_zone_grid.h"
#include "ui/wnd/dlg_template.h"

namespace ltr_res {

inline constexpr int kLabelX = 2;
inline constexpr int kDefaultX = 96;
inline constexpr int kDefaultWidth = 38;
inline constexpr int kZoneX = 136;  // column 1; the columns are kZonePitch apart
inline constexpr int kZonePitch = 46;
inline constexpr int kZoneWidth = 45;
inline constexpr int kCellHeight = 11;
inline constexpr int kPitch = 13;

constexpr int ZoneX(int k) { return kZoneX + kZonePitch * k; }

// One row: its bold label (none for a null label), the Default cell (0: none)
// and the five zone cells.
struct CellRow {
  const char* label;
  int labelId;
  grid_res::Kind kind;
  int defaultId;
  const int (&ids)[5];
};

// The captions "Default" and the five zone captions at y.
void AddCaptions(std::vector<DlgItemTemplate>& items, int defaultCaptionId, const int (&captions)[5], int y);
// The rows from y on, kPitch apart; y ends below the last.
void AddRows(std::vector<DlgItemTemplate>& items, std::span<const CellRow> rows, int& y);
// A row of two edits in each column (a start and a stop), the Default pair included.
void AddEditPairRow(std::vector<DlgItemTemplate>& items, const char* label, int labelId, const int (&defaultIds)[2],
                    const int (&first)[5], const int (&second)[5], int& y);
// The cells in the tab order of a zone page, one zone at a time
// (grid_res::OrderByColumns): the Default column, then zone columns 1 to 5,
// each top to bottom and a pair of edits start before stop.
void OrderZoneCells(std::vector<DlgItemTemplate>& items);
// The arrows over the first and last zone columns, which come after the cells
// in the tab order, and the popup list the rows drop down.
void AddArrowsAndPopup(std::vector<DlgItemTemplate>& items, int prevId, int nextId, int popupListId);

}  // namespace ltr_res
