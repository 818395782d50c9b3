// The choice lists of the Global 1 page: the texts of each list and the code
// each entry stores. The page and its printed sheet share them.
#pragma once

#include <string_view>

#include "ui/choice/value_table.h"

namespace global1 {

inline constexpr std::string_view kOnOffTexts[] = {"Disable", "Enable"};
inline constexpr ValueTable<2> kOnOffDefault0{0, {0, 1}};
inline constexpr ValueTable<2> kOnOffDefault1{1, {0, 1}};

inline constexpr std::string_view kLcdAngleTexts[] = {"Normal", "Invert"};
inline constexpr ValueTable<2> kLcdAngleTable{1, {0, 1}};

inline constexpr std::string_view kConfigureTexts[] = {
    "Disable", "Alternative with tag time (1 sec)", "Alternative with tag time (2 sec)",
    "Alternative with tag time (3 sec)"};
inline constexpr ValueTable<4> kConfigureTable{0, {0, 2, 4, 6}};

inline constexpr std::string_view kBackLightTexts[] = {"Continuous", "Key On, Called"};
inline constexpr ValueTable<2> kBackLightTable{0, {0, 1}};

inline constexpr std::string_view kDimmerTexts[] = {"DM1", "DM2", "DM3", "DM4"};
inline constexpr ValueTable<4> kDimmerTable{0, {0, 1, 2, 3}};

inline constexpr std::string_view kContrastTexts[] = {"0", "1", "2",  "3",  "4",  "5",  "6",  "7",
                                                      "8", "9", "10", "11", "12", "13", "14", "15"};
inline constexpr ValueTable<16> kContrastTable{0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};

inline constexpr std::string_view kRxSaveTexts[] = {"ABS", "1:1", "1:2", "1:3", "1:4", "1:5", "1:6", "1:7"};
inline constexpr ValueTable<8> kRxSaveTable{0, {0, 1, 2, 3, 4, 5, 6, 7}};

inline constexpr std::string_view kMicSensTexts[] = {"+10db", "+6db", "+3db", "Standard", "-3db", "-6db", "-10db"};
inline constexpr ValueTable<7> kMicSensTable{0, {253, 160, 113, 80, 57, 40, 25}};

inline constexpr std::string_view kBeepLevelTexts[] = {"Low", "Middle", "High"};
inline constexpr ValueTable<3> kBeepLevelTable{0, {32, 64, 160}};

inline constexpr std::string_view kApoTexts[] = {"Disable", "0.5h", "1h", "8h"};
inline constexpr ValueTable<4> kApoTable{0, {0, 1, 2, 3}};

inline constexpr std::string_view kLockTexts[] = {"Panel Keys", "Panel Keys + PTT"};
inline constexpr ValueTable<2> kLockTable{0, {1, 3}};

inline constexpr std::string_view kHornTexts[] = {"Enable", "Disable"};
inline constexpr ValueTable<2> kHornTable{0, {0, 1}};

inline constexpr std::string_view kNoYesTexts[] = {"No", "Yes"};
inline constexpr ValueTable<2> kNoYesTable{0, {0, 1}};

inline constexpr std::string_view kRotaryTexts[] = {"Group select", "System select"};
inline constexpr ValueTable<2> kRotaryTable{0, {0, 1}};

inline constexpr std::string_view kDualWatchTexts[] = {"0.7sec", "1.0sec", "1.5sec", "2.0sec", "2.5sec",
                                                       "3.0sec", "3.5sec", "4.0sec", "5.0sec"};
inline constexpr ValueTable<9> kDualWatchTable{0, {7, 10, 15, 20, 25, 30, 35, 40, 50}};

inline constexpr std::string_view kResumeRxTexts[] = {"250ms", "500ms", "1sec",  "2sec",  "3sec",  "4sec",
                                                      "5sec",  "6sec",  "7sec",  "8sec",  "9sec",  "10sec",
                                                      "11sec", "12sec", "13sec", "14sec"};
inline constexpr std::string_view kResumeTxTexts[] = {"2sec",  "3sec",  "4sec",  "5sec",  "6sec",  "7sec",
                                                      "8sec",  "9sec",  "10sec", "15sec", "20sec", "25sec",
                                                      "30sec", "40sec", "50sec", "60sec"};
inline constexpr ValueTable<16> kResumeTable{3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}};

inline constexpr std::string_view kRevertTexts[] = {"Start Group", "Last Busy"};
inline constexpr ValueTable<2> kRevertTable{0, {0, 3}};

inline constexpr std::string_view kScanDisplayTexts[] = {"Revert Grp", "- SCAN -"};
inline constexpr ValueTable<2> kScanDisplayTable{1, {0, 1}};

inline constexpr std::string_view kOptionBoardTexts[] = {"OPM-410", "OPB-83", "None"};
inline constexpr ValueTable<3> kOptionBoardTable{0, {4, 3, 0}};

// The MODEL list: one entry, hardware code 0x61; shown for 0xB9 as well.
inline constexpr ValueTable<1> kModelTable{0, {0x61}};
inline constexpr ValueTable<1> kModelTableAlt{0, {0xB9}};

}  // namespace global1
