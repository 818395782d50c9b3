// The two enable lists, named by what the stored code means. Every
// Disable/Enable choice of a page, a grid or a dialog is one of them; the lists
// over one of them differ only in the entry that a code no entry has shows
// (which is also where a grid's Default column starts).
#pragma once

#include "model/field.h"

inline constexpr Choice kDisable0Enable1[] = {{"Disable", 0}, {"Enable", 1}};
inline constexpr Choice kEnable0Disable1[] = {{"Enable", 0}, {"Disable", 1}};

inline constexpr ChoiceList kDisable0Enable1List{kDisable0Enable1, 0};    // otherwise "Disable"
inline constexpr ChoiceList kDisable0Enable1OnList{kDisable0Enable1, 1};  // otherwise "Enable"
inline constexpr ChoiceList kEnable0Disable1List{kEnable0Disable1, 0};    // otherwise "Enable"
inline constexpr ChoiceList kEnable0Disable1OffList{kEnable0Disable1, 1};  // otherwise "Disable"
