#include "res/page_ltr_columns.h"

namespace ltr_res {

namespace {

void AddLabel(std::vector<DlgItemTemplate>& items, const char* label, int labelId, int y) {
  if (label) {
    items.push_back(dlg::Bold(
        dlg::LText(label, labelId, kLabelX, y + 1, kDefaultX - kLabelX - 3, kCellHeight - 1, SS_LEFTNOWORDWRAP | SS_CENTERIMAGE)));
  }
}

}  // namespace

void AddCaptions(std::vector<DlgItemTemplate>& items, int defaultCaptionId, const int (&captions)[5], int y) {
  items.push_back(grid_res::Caption("Default", defaultCaptionId, kDefaultX, y, kDefaultWidth, kCellHeight));
  for (int k = 0; k < 5; ++k) items.push_back(grid_res::Caption("", captions[k], ZoneX(k), y, kZoneWidth, kCellHeight));
}

void AddRows(std::vector<DlgItemTemplate>& items, std::span<const CellRow> rows, int& y) {
  const grid_res::Columns defaults{kDefaultX, {}, kDefaultWidth, kCellHeight};
  grid_res::Columns zones{-1, {}, kZoneWidth, kCellHeight};
  for (int k = 0; k < 5; ++k) zones.x.push_back(ZoneX(k));
  for (const CellRow& r : rows) {
    AddLabel(items, r.label, r.labelId, y);
    // The Default cell, then the zone cells.
    grid_res::AddRow(items, defaults, y, r.kind, r.defaultId, {});
    grid_res::AddRow(items, zones, y, r.kind, 0, r.ids);
    y += kPitch;
  }
}

void AddEditPairRow(std::vector<DlgItemTemplate>& items, const char* label, int labelId, const int (&defaultIds)[2],
                    const int (&first)[5], const int (&second)[5], int& y) {
  AddLabel(items, label, labelId, y);
  const int defaultHalf = kDefaultWidth / 2;
  const int zoneHalf = kZoneWidth / 2;
  items.push_back(grid_res::EditCell(defaultIds[0], kDefaultX, y, defaultHalf, kCellHeight));
  items.push_back(grid_res::EditCell(defaultIds[1], kDefaultX + defaultHalf, y, kDefaultWidth - defaultHalf, kCellHeight));
  for (int k = 0; k < 5; ++k) {
    items.push_back(grid_res::EditCell(first[k], ZoneX(k), y, zoneHalf, kCellHeight));
    items.push_back(grid_res::EditCell(second[k], ZoneX(k) + zoneHalf, y, kZoneWidth - zoneHalf, kCellHeight));
  }
  y += kPitch;
}

void OrderZoneCells(std::vector<DlgItemTemplate>& items) {
  std::vector<grid_res::Area> columns{{kDefaultX, 0, kDefaultWidth}};
  for (int k = 0; k < 5; ++k) columns.push_back({ZoneX(k), 0, kZoneWidth});
  grid_res::OrderByColumns(items, columns);
}

void AddArrowsAndPopup(std::vector<DlgItemTemplate>& items, int prevId, int nextId, int popupListId) {
  items.push_back(dlg::PushButton("<", prevId, ZoneX(0), 2, 20, 12));
  items.push_back(dlg::PushButton(">", nextId, ZoneX(4) + kZoneWidth - 20, 2, 20, 12));
  items.push_back(grid_res::PopupList(popupListId));
}

}  // namespace ltr_res
