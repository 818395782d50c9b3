#include "res/page_passport_talk_groups.h"

#include <string>

#include "res/page_zone_grid.h"
#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace res_detail;
using namespace talk_group_ids;

namespace {

constexpr int kCaptionY = 18;
constexpr int kFirstRowY = 32;
constexpr int kPitch = 14;
constexpr int kCellHeight = 12;

struct Column {
  const char* caption;
  int x;
  int width;
  const int (&ids)[kRows];
};
// The columns left to right, which is also each row's tab order.
const Column kColumns[] = {
    {"Enable/Disable", 18, 56, kEnable}, {"TalkGroup ID", 78, 50, kId},       {"Alias", 132, 46, kAlias},
    {"Scan", 182, 26, kScan},            {"Compander", 210, 40, kCompander}, {"Disable TX", 252, 40, kDisableTx},
    {"Encryption", 294, 42, kEncryption}, {"TOT", 338, 24, kTot},
};

DlgItemTemplate CellOf(const Column& c, int row, int y) {
  const int id = c.ids[row];
  if (&c.ids == &kEnable) {
    // Row 1, the primary group, can be neither enabled nor disabled: a plain text.
    return row == 0 ? grid_res::StaticCell(id, c.x, y, c.width, kCellHeight)
                    : grid_res::ListCell(id, c.x, y, c.width, kCellHeight);
  }
  // The primary group's ID is shown only.
  if (id == kId[0]) return grid_res::StaticCell(id, c.x, y, c.width, kCellHeight);
  if (&c.ids == &kId || &c.ids == &kAlias) return grid_res::EditCell(id, c.x, y, c.width, kCellHeight);
  return dlg::AutoCheckBox("", id, c.x + (c.width - 10) / 2, y + 1, 10, 10);
}

}  // namespace

const DialogTemplate& PassPortTalkGroupPageTemplate() {
  static const DialogTemplate t = [] {
    DialogTemplate d = PageTemplate(IDD_PASSPORT_TALK_GROUPS);
    auto& items = d.items;
    items.push_back(dlg::LText("Zone # ", IDC_STATIC, 2, 4, 26, 9));
    items.push_back(dlg::LText("", kZoneNumber, 28, 4, 14, 9));
    items.push_back(dlg::LText("", kZoneAlias, 44, 4, 60, 9));
    for (const Column& c : kColumns) items.push_back(grid_res::Caption(c.caption, IDC_STATIC, c.x, kCaptionY, c.width, 11));
    for (int r = 0; r < kRows; ++r) {
      const int y = kFirstRowY + r * kPitch;
      items.push_back(dlg::RText(std::to_string(r + 1), IDC_STATIC, 2, y + 2, 12, 9));
      for (const Column& c : kColumns) items.push_back(CellOf(c, r, y));
    }
    items.push_back(dlg::PushButton("Close", kClose, 312, kFirstRowY + kRows * kPitch + 6, 50, 14));
    items.push_back(grid_res::PopupList(kEnableList));
    return d;
  }();
  return t;
}

void RegisterPassPortTalkGroupPageTemplate() { RegisterTemplatesOnce<&PassPortTalkGroupPageTemplate>(); }
