#include "res/page_conv_groups.h"

#include "res/template_common.h"

using namespace group_ids;
using namespace group_res;
using grid_res::Kind;
using grid_res::PopupList;

namespace {

void AddRows(std::vector<DlgItemTemplate>& items, std::initializer_list<GroupRow> rows, int& y) {
  for (const GroupRow& row : rows) {
    AddGroupRow(items, row, y);
    y += kPitch;
  }
}

void AddLists(std::vector<DlgItemTemplate>& items, std::initializer_list<int> ids) {
  for (int id : ids) items.push_back(PopupList(id));
}

}  // namespace

const DialogTemplate& ConvGroupBasicPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace conv_basic_ids;
    DialogTemplate d = GroupPageTemplate(IDD_CONV_GROUP_BASIC);
    auto& items = d.items;
    int y = kFirstRowY;
    AddRows(items,
            {{nullptr, Kind::List, 0, kEnable},
             {"Tag", Kind::Edit, 0, kTag},
             {"Rx Frequency", Kind::Edit, 0, kRxFreq},
             {"Tx Frequency", Kind::Edit, 0, kTxFreq},
             {"Ch. Space", Kind::List, 0, kChannelSpace},
             {"Sub Audible Signaling (Rx)", Kind::List, 0, kRxType},
             {"Decode CTCSS/DCS setting", Kind::List, 0, kDecode},
             {"Sub Audible Signaling (Tx)", Kind::List, 0, kTxType},
             {"Encode CTCSS/DCS setting", Kind::List, 0, kEncode},
             {"Monitor", Kind::List, kMonitorDefault, kMonitor},
             {"TX Inhibit", Kind::List, kTxInhibitDefault, kTxInhibit},
             {"Time Out Timer", Kind::List, kTimeOutTimerDefault, kTimeOutTimer},
             {"Busy Lock Out setting", Kind::List, kBusyLockOutDefault, kBusyLockOut},
             {"Compander", Kind::List, kCompanderDefault, kCompander}},
            y);
    items.push_back(dlg::Bold(dlg::LText("(Available on Narrow Channel)", IDC_STATIC, kLabelX, y - 2, 130, 9)));
    y += 9;
    AddRows(items, {{"Scan Memory", Kind::List, kScanMemoryDefault, kScanMemory}}, y);
    items.push_back(WideButton("Advanced Features", kAdvancedFeatures, y + 3));
    OrderGroupCells(items);
    AddArrowsAndClose(items);
    AddLists(items, {kEnableList, kChannelSpaceList, kRxTypeList, kTxTypeList, kCtcssList, kDcsList, kMonitorList,
                     kTxInhibitList, kTimeOutTimerList, kBusyLockOutList, kCompanderList, kScanMemoryList});
    return d;
  }();
  return t;
}

const DialogTemplate& ConvGroupAdvancedPageTemplate() {
  static const DialogTemplate t = [] {
    using namespace conv_advanced_ids;
    DialogTemplate d = GroupPageTemplate(IDD_CONV_GROUP_ADVANCED);
    auto& items = d.items;
    int y = kFirstRowY;
    AddRows(items,
            {{"Tag", Kind::Edit, 0, kTag},
             {"Rx Frequency", Kind::Static, 0, kRxFreq},
             {"Tx Frequency", Kind::Static, 0, kTxFreq},
             {"Ch. Space", Kind::Static, 0, kChannelSpace}},
            y);
    items.push_back(dlg::Bold(dlg::LText("Advanced Features", kHeading, kLabelX, y + 3, 120, 10)));
    y += kPitch + 3;
    AddRows(items,
            {{"Call Alert [Horn]", Kind::List, 0, kCallAlert},
             {"ANI Monitor", Kind::List, kAniMonitorDefault, kAniMonitor},
             {"ANI", Kind::List, kAniDefault, kAni},
             {"Talk Around (by User)", Kind::List, kTalkAroundUserDefault, kTalkAroundUser},
             {"Talk Around (Fixed)", Kind::List, kTalkAroundFixedDefault, kTalkAroundFixed},
             {"2nd Tx Power", Kind::List, kSecondTxPowerDefault, kSecondTxPower},
             {"TPAC", Kind::List, kTpacDefault, kTpac},
             {"Flat AF", Kind::List, kFlatAfDefault, kFlatAf},
             {"Signaling Function", Kind::List, kSignalingFunctionDefault, kSignalingFunction}},
            y);
    // The Signaling No. row's Default cell is not shown: its label spans the column.
    AddRows(items, {{"Signaling No.", Kind::List, 0, kSignalingNo}}, y);
    static constexpr int kNoCells[6] = {};
    AddGroupRow(items, {nullptr, Kind::List, kSignalingNoDefault, kNoCells, true}, y - kPitch);
    AddRows(items, {{"Encryption", Kind::List, kEncryptionDefault, kEncryption}}, y);
    items.push_back(WideButton("Basic Features", kBasicFeatures, y + 2));
    y += kPitch + 4;
    // Rows kept in the image but not shown.
    AddRows(items,
            {{"EXT MIC", Kind::List, kExtMicDefault, kExtMic, true},
             {"Call Verify", Kind::Static, 0, kCallVerify, true},
             {"Data Group", Kind::List, 0, kDataGroup, true}},
            y);
    OrderGroupCells(items);
    AddArrowsAndClose(items);
    AddLists(items, {kCallAlertList, kAniMonitorList, kAniList, kTalkAroundUserList, kTalkAroundFixedList,
                     kSecondTxPowerList, kTpacList, kFlatAfList, kSignalingFunctionList, kSignalingNoList,
                     kEncryptionList, kExtMicList, kDataGroupList});
    return d;
  }();
  return t;
}

void RegisterConvGroupPageTemplates() {
  res_detail::RegisterTemplatesOnce<&ConvGroupBasicPageTemplate, &ConvGroupAdvancedPageTemplate>();
}
