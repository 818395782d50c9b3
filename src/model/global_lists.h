// The choice lists of the Global 1 and Global 2 pages, beside their fields
// (model/global_fields.h): what a page shows is what the Global sheet prints.
// The Disable/Enable choices are the enable lists of model/enable_lists.h.
#pragma once

#include "model/enable_lists.h"
#include "model/field.h"

// The name the MODEL list shows: the main dialog's model name 0.
inline constexpr const char* kGlobal1ModelName = "TQ-5100-RM3K-50(UHF)";

namespace gf {

namespace choices {
// ---- Global 1
inline constexpr Choice kModel[] = {{kGlobal1ModelName, 1}};
inline constexpr Choice kLcdAngle[] = {{"Normal", 0}, {"Invert", 1}};
inline constexpr Choice kConfigure[] = {{"Disable", 0},
                                        {"Alternative with tag time (1 sec)", 2},
                                        {"Alternative with tag time (2 sec)", 4},
                                        {"Alternative with tag time (3 sec)", 6}};
inline constexpr Choice kBackLight[] = {{"Continuous", 0}, {"Key On, Called", 1}};
inline constexpr Choice kDimmer[] = {{"DM1", 0}, {"DM2", 1}, {"DM3", 2}, {"DM4", 3}};
inline constexpr Choice kContrast[] = {{"0", 0},   {"1", 1},   {"2", 2},   {"3", 3},  {"4", 4},   {"5", 5},
                                       {"6", 6},   {"7", 7},   {"8", 8},   {"9", 9},  {"10", 10}, {"11", 11},
                                       {"12", 12}, {"13", 13}, {"14", 14}, {"15", 15}};
inline constexpr Choice kRxSave[] = {{"ABS", 0}, {"1:1", 1}, {"1:2", 2}, {"1:3", 3},
                                     {"1:4", 4}, {"1:5", 5}, {"1:6", 6}, {"1:7", 7}};
inline constexpr Choice kMicSens[] = {{"+10db", 253}, {"+6db", 160}, {"+3db", 113}, {"Standard", 80},
                                      {"-3db", 57},   {"-6db", 40},  {"-10db", 25}};
inline constexpr Choice kBeepLevel[] = {{"Low", 32}, {"Middle", 64}, {"High", 160}};
inline constexpr Choice kApo[] = {{"Disable", 0}, {"0.5h", 1}, {"1h", 2}, {"8h", 3}};
inline constexpr Choice kLock[] = {{"Panel Keys", 1}, {"Panel Keys + PTT", 3}};
inline constexpr Choice kNoYes[] = {{"No", 0}, {"Yes", 1}};
inline constexpr Choice kRotary[] = {{"Group select", 0}, {"System select", 1}};
inline constexpr Choice kDualWatch[] = {{"0.7sec", 7},  {"1.0sec", 10}, {"1.5sec", 15}, {"2.0sec", 20}, {"2.5sec", 25},
                                        {"3.0sec", 30}, {"3.5sec", 35}, {"4.0sec", 40}, {"5.0sec", 50}};
inline constexpr Choice kResumeRx[] = {{"250ms", 0},  {"500ms", 1},  {"1sec", 2},   {"2sec", 3},
                                       {"3sec", 4},   {"4sec", 5},   {"5sec", 6},   {"6sec", 7},
                                       {"7sec", 8},   {"8sec", 9},   {"9sec", 10},  {"10sec", 11},
                                       {"11sec", 12}, {"12sec", 13}, {"13sec", 14}, {"14sec", 15}};
inline constexpr Choice kResumeTx[] = {{"2sec", 0},   {"3sec", 1},   {"4sec", 2},   {"5sec", 3},
                                       {"6sec", 4},   {"7sec", 5},   {"8sec", 6},   {"9sec", 7},
                                       {"10sec", 8},  {"15sec", 9},  {"20sec", 10}, {"25sec", 11},
                                       {"30sec", 12}, {"40sec", 13}, {"50sec", 14}, {"60sec", 15}};
inline constexpr Choice kRevert[] = {{"Start Group", 0}, {"Last Busy", 3}};
inline constexpr Choice kScanDisplay[] = {{"Revert Grp", 0}, {"- SCAN -", 1}};
inline constexpr Choice kOptionBoard[] = {{"OPM-410", 4}, {"OPB-83", 3}, {"None", 0}};
// ---- Global 2
inline constexpr Choice kOffOn[] = {{"Off", 0}, {"On", 1}};
inline constexpr Choice kTxTime[] = {{"  5sec", 0},  {" 10sec", 1},  {" 15sec", 2},  {" 20sec", 3},
                                     {" 25sec", 4},  {" 30sec", 5},  {" 35sec", 6},  {" 40sec", 7},
                                     {" 45sec", 8},  {" 50sec", 9},  {" 55sec", 10}, {" 60sec", 11},
                                     {" 65sec", 12}, {" 70sec", 13}, {" 75sec", 14}, {" 80sec", 15}};
inline constexpr Choice kRxTime[] = {{" 10sec", 0},  {" 20sec", 1},  {" 30sec", 2},  {" 40sec", 3},
                                     {" 50sec", 4},  {" 60sec", 5},  {" 70sec", 6},  {" 80sec", 7},
                                     {" 90sec", 8},  {"100sec", 9},  {"110sec", 10}, {"120sec", 11},
                                     {"130sec", 12}, {"140sec", 13}, {"150sec", 14}, {"160sec", 15}};
inline constexpr Choice kEmergencyTime[] = {{" 10Min", 0},  {" 20Min", 1},  {" 30Min", 2},  {" 40Min", 3},
                                            {" 50Min", 4},  {" 60Min", 5},  {" 70Min", 6},  {" 80Min", 7},
                                            {" 90Min", 8},  {"100Min", 9},  {"110Min", 10}, {"120Min", 11},
                                            {"130Min", 12}, {"140Min", 13}, {"150Min", 14}, {"160Min", 15}};
inline constexpr Choice kLedBlink[] = {{"Off", 0}, {"Mode 1", 4}, {"Mode 2", 5}, {"Mode 3", 6}, {"User", 7}};
inline constexpr Choice kLedColor[] = {{"Green", 2}, {"Red", 1}, {"Yellow", 3}};
inline constexpr Choice kEmergencyKeyHold[] = {{"0.5s", 0}, {"1.0s", 1}, {"2.0s", 2}, {"3.0s", 3}};
inline constexpr Choice kPowerOn[] = {{"Back Up Zone/Grp", 0}, {"Zone 1", 1}};
inline constexpr Choice kTotPenalty[] = {{"0sec", 0}, {"6sec", 1}, {"20sec", 2}, {"60sec", 3}};
inline constexpr Choice kTotRelease[] = {{"0sec", 0}, {"2sec", 1}, {"3sec", 2}, {"5sec", 3}};
inline constexpr Choice kSignalling[] = {{"without Noise SQL", 0}, {"with Noise SQL", 1}};
inline constexpr Choice kTpacTxTime[] = {{"25sec", 0}, {"55sec", 1}};
inline constexpr Choice kTpacMode[] = {{"TRX", 0}, {"RX", 1}, {"TX", 2}};
inline constexpr Choice kKeyHold[] = {{"50ms", 0}, {"150ms", 1}, {"300ms", 2}, {"650ms", 3}};
inline constexpr Choice kSqlOffset[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3},   {"4", 4},   {"5", 5},  {"6", 6},
                                        {"7", 7}, {"8", 8}, {"9", 9}, {"10", 10}, {"11", 11}, {"12", 12}};
inline constexpr Choice kDataMode[] = {{"Disable", 1}, {"Enable", 2}};
}  // namespace choices

// ---- Global 1
inline constexpr ChoiceList kModelList{choices::kModel, -1};
inline constexpr ChoiceList kLcdAngleList{choices::kLcdAngle, 1};
inline constexpr ChoiceList kConfigureList{choices::kConfigure, 0, ""};
inline constexpr ChoiceList kBackLightList{choices::kBackLight, 0, "Key On, Called"};
inline constexpr ChoiceList kDimmerList{choices::kDimmer, 0};
inline constexpr ChoiceList kContrastList{choices::kContrast, 0};
inline constexpr ChoiceList kRxSaveList{choices::kRxSave, 0};
inline constexpr ChoiceList kMicSensList{choices::kMicSens, 0, "-10db"};
inline constexpr ChoiceList kBeepLevelList{choices::kBeepLevel, 0, "High"};
inline constexpr ChoiceList kApoList{choices::kApo, 0};
inline constexpr ChoiceList kLockList{choices::kLock, 0};
inline constexpr ChoiceList kNoYesList{choices::kNoYes, 0};
inline constexpr ChoiceList kRotaryList{choices::kRotary, 0};
inline constexpr ChoiceList kDualWatchList{choices::kDualWatch, 0};
inline constexpr ChoiceList kResumeRxList{choices::kResumeRx, 3};
inline constexpr ChoiceList kResumeTxList{choices::kResumeTx, 3};
inline constexpr ChoiceList kRevertList{choices::kRevert, 0};
inline constexpr ChoiceList kScanDisplayList{choices::kScanDisplay, 1};
inline constexpr ChoiceList kOptionBoardList{choices::kOptionBoard, 0};

// ---- Global 2
inline constexpr ChoiceList kOffOnList{choices::kOffOn, 0};
inline constexpr ChoiceList kTxTimeList{choices::kTxTime, 4};
inline constexpr ChoiceList kRxTimeList{choices::kRxTime, 4};
inline constexpr ChoiceList kEmergencyTimeList{choices::kEmergencyTime, 3};
inline constexpr ChoiceList kLedBlinkList{choices::kLedBlink, 0};
inline constexpr ChoiceList kLedColorList{choices::kLedColor, 1, "Green"};
inline constexpr ChoiceList kEmergencyKeyHoldList{choices::kEmergencyKeyHold, 1};
inline constexpr ChoiceList kPowerOnList{choices::kPowerOn, 0, "Zone 1"};
inline constexpr ChoiceList kTotPenaltyList{choices::kTotPenalty, 0};
inline constexpr ChoiceList kTotReleaseList{choices::kTotRelease, 1};
inline constexpr ChoiceList kSignallingList{choices::kSignalling, 0};
inline constexpr ChoiceList kTpacTxTimeList{choices::kTpacTxTime, 0};
inline constexpr ChoiceList kTpacModeList{choices::kTpacMode, 0, "TX"};
inline constexpr ChoiceList kKeyHoldList{choices::kKeyHold, 0};
inline constexpr ChoiceList kSqlOffsetList{choices::kSqlOffset, 9, "12"};
inline constexpr ChoiceList kDataModeList{choices::kDataMode, 0, "Enable"};

}  // namespace gf
