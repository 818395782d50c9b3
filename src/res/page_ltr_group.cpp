#include "res/page_ltr_group.h"

#include <algorithm>
#include <span>
#include <vector>

#include "res/template_common.h"
#include "ui/wnd/dlg_template.h"

using namespace ltr_group_ids;
using grid_res::Kind;
using group_res::GroupRow;

namespace {

// The ID edits show their numbers at the right.
void AlignIdsRight(std::vector<DlgItemTemplate>& items) {
  for (DlgItemTemplate& item : items) {
    const bool id = std::find(std::begin(kTxId), std::end(kTxId), item.id) != std::end(kTxId) ||
                    std::find(std::begin(kRxId), std::end(kRxId), item.id) != std::end(kRxId);
    if (id) item.style |= ES_RIGHT;
  }
}

// Rows from y on, one pitch apart; y is left below the last.
void AddRows(std::vector<DlgItemTemplate>& items, std::span<const GroupRow> rows, int& y) {
  for (const GroupRow& row : rows) {
    group_res::AddGroupRow(items, row, y);
    y += group_res::kPitch;
  }
}

// The rows both views begin with: the Tag and the IDs of each group.
const GroupRow kIdRows[] = {
    {"Tag", Kind::Edit, 0, kTag},
    {"TX ID", Kind::Edit, 0, kTxId},
    {"RX ID", Kind::Edit, 0, kRxId},
};

const GroupRow kBasicRows[] = {
    {"TX Inhibit", Kind::List, kTxInhibitDefault, kTxInhibit},
    {"Time Out Timer", Kind::List, kTimeOutTimerDefault, kTimeOutTimer},
    {"Compander", Kind::List, kCompanderDefault, kCompander},
    {"Scan Memory", Kind::List, kScanMemoryDefault, kScanMemory},
};

const GroupRow kAdvancedRows[] = {
    {"Call Alert [Horn]", Kind::List, kCallAlertDefault, kCallAlert},
    {"ANI", Kind::List, kAniDefault, kAni},
    {"Talk Around (by User)", Kind::List, kTalkAroundUserDefault, kTalkAroundUser},
    {"Talk Around (Fixed)", Kind::List, kTalkAroundFixedDefault, kTalkAroundFixed},
    {"2nd Tx Power", Kind::List, kSecondTxPowerDefault, kSecondTxPower},
    {"Flat AF", Kind::List, kFlatAfDefault, kFlatAf},
    {"Signaling Function", Kind::List, kSignalingFunctionDefault, kSignalingFunction},
    {"Encryption", Kind::List, kEncryptionDefault, kEncryption},
};

constexpr int kBasicLists[] = {kEnableList, kTxInhibitList, kTimeOutTimerList, kCompanderList, kScanMemoryList};
constexpr int kAdvancedLists[] = {kCallAlertList,   kAniList,    kTalkAroundUserList,    kTalkAroundFixedList,
                                  kSecondTxPowerList, kFlatAfList, kSignalingFunctionList, kEncryptionList};

}  // namespace

const DialogTemplate& LtrGroupBasicTemplate() {
  static const DialogTemplate t = [] {
    DialogTemplate d = group_res::GroupPageTemplate(IDD_LTR_GROUP_BASIC);
    auto& items = d.items;
    int y = group_res::kFirstRowY;
    group_res::AddGroupRow(items, {nullptr, Kind::List, 0, kEnable}, y);
    y += group_res::kPitch;
    AddRows(items, kIdRows, y);
    AddRows(items, kBasicRows, y);
    items.push_back(group_res::WideButton("Advanced Features", kAdvancedFeatures, y + 6));
    group_res::OrderGroupCells(items);
    group_res::AddArrowsAndClose(items);
    for (int id : kBasicLists) items.push_back(grid_res::PopupList(id));
    AlignIdsRight(items);
    return d;
  }();
  return t;
}

const DialogTemplate& LtrGroupAdvancedTemplate() {
  static const DialogTemplate t = [] {
    DialogTemplate d = group_res::GroupPageTemplate(IDD_LTR_GROUP_ADVANCED);
    auto& items = d.items;
    int y = group_res::kFirstRowY;
    AddRows(items, kIdRows, y);
    items.push_back(dlg::Bold(dlg::LText("Advanced Features", IDC_STATIC, group_res::kLabelX, y + 3, 120, 9)));
    y += group_res::kPitch + 3;
    AddRows(items, kAdvancedRows, y);
    items.push_back(group_res::WideButton("Basic Features", kLtrBasicFeatures, y + 6));
    group_res::OrderGroupCells(items);
    group_res::AddArrowsAndClose(items);
    for (int id : kAdvancedLists) items.push_back(grid_res::PopupList(id));
    AlignIdsRight(items);
    return d;
  }();
  return t;
}

void RegisterLtrGroupTemplates() {
  res_detail::RegisterTemplatesOnce<&LtrGroupBasicTemplate, &LtrGroupAdvancedTemplate>();
}
