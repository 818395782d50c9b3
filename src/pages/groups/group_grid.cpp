#include "pages/groups/group_grid.h"

#include <string>

#include "model/edit_model.h"
#include "model/group_model.h"
#include "model/zone_fields.h"
#include "pages/grid/zone_columns_page.h"
#include "ui/wnd/prompt.h"

namespace group_grid {

namespace {

constexpr grid::Axis kAxis{.columns = kGroupColumns,
                           .block = kGroupColumns,
                           .entities = kGroupCount,
                           .step = 1,
                           .hasDefault = true,
                           .prevId = group_ids::kPrev,
                           .nextId = group_ids::kNext,
                           .defaultCaptionId = group_ids::kDefaultCaption,
                           .captionIds = {group_ids::kCaptions[0], group_ids::kCaptions[1], group_ids::kCaptions[2],
                                          group_ids::kCaptions[3], group_ids::kCaptions[4], group_ids::kCaptions[5]}};

}  // namespace

BEGIN_MESSAGE_MAP(CGroupGridPage, grid::CGridPage)
  ON_BN_CLICKED(group_ids::kClose, OnClose)
END_MESSAGE_MAP()

CGroupGridPage::CGroupGridPage(UINT nIDTemplate, std::span<const grid::Row> rows, bool ltrPage)
    : CGridPage(nIDTemplate, kAxis, rows), m_ltrPage(ltrPage) {}

ZoneGroupRun CGroupGridPage::Groups() const { return ZoneGroups(TheModel().store, m_zone); }

int CGroupGridPage::GetCurrentIndex() const {
  return ActiveColumn() == 0 ? -1 : ColumnGroup(First(), ActiveColumn());
}

BOOL CGroupGridPage::OnInitDialog() {
  // Every window starts at the zone's first group.
  SetFirst(FirstMin());
  return CGridPage::OnInitDialog();
}

int CGroupGridPage::FirstMin() const { return FirstVisibleMin(TheModel().store, m_zone); }
int CGroupGridPage::FirstMax() const { return FirstVisibleMax(TheModel().store, m_zone); }
bool CGroupGridPage::IsPastEnd(int column) const { return IsPastZone(Groups(), column); }
std::string CGroupGridPage::ColumnCaption(int column) const { return GroupCaption(EntityOf(column)); }

void CGroupGridPage::OnRefreshed() {
  CEditModel& m = TheModel();
  SetItemText(group_ids::kZoneNumber, std::to_string(m_zone + 1));
  SetItemText(group_ids::kZoneAlias, zf::AliasText(m, m_zone));
  SetItemText(group_ids::kZoneFormat, GroupPageFormatText(m.store, m_zone, m_ltrPage));
}

void CGroupGridPage::OnClose() { grid::OnClosePage(*this); }

void CGroupGridPage::SwitchView(UINT message) {
  MessageBeep(0);
  SendToMain(message, static_cast<WPARAM>(m_zone), 0);
}

// ---- cell states and texts --------------------------------------------------------------------

grid::State InUseActive(grid::CGridPage&, const grid::Row&, int, int g) {
  return GroupEnabled(TheModel(), g) ? grid::State::Active : grid::State::Inactive;
}

grid::State InUseGrey(grid::CGridPage&, const grid::Row&, int, int g) {
  return GroupEnabled(TheModel(), g) ? grid::State::EnabledGrey : grid::State::Inactive;
}

grid::State AlwaysActive(grid::CGridPage&, const grid::Row&, int, int) { return grid::State::Active; }

grid::State DefaultEncryptionState(grid::CGridPage&, const grid::Row&, int, int) {
  return EncryptionEditable(TheModel(), kDefaultColumnGroup) ? grid::State::Active : grid::State::Inactive;
}

std::string ScanMemoryShow(grid::CGridPage& page, const grid::Row& row, int g) {
  const std::uint32_t code = g == grid::kDefaultEntity ? page.DefaultCode(row) : row.field.Get(TheModel(), g);
  return std::string(grp::ScanMemoryText(code));
}

}  // namespace group_grid
