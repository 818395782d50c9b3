// The template of the Seed channel page (dialog 115): twenty frequency edits in
// two columns, "#1" to "#10" and "#11" to "#20".
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_SEED = 115;

inline constexpr int kSeedEditCount = 20;
// The edit of seed i (0..19).
inline constexpr int IDC_SEED_FREQ[kSeedEditCount] = {18320, 1834, 1836, 1838, 1840, 1842, 1844, 1846, 1848, 1850,
                                                       1853,  1855, 1857, 1859, 1861, 1863, 1865, 1867, 1869, 1871};
// The column heads "Frequency".
inline constexpr int IDC_SEED_HEAD_LEFT = 1830;
inline constexpr int IDC_SEED_HEAD_RIGHT = 1852;

const DialogTemplate& SeedPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterSeedPageTemplate();
