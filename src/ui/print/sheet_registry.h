// The parameter sheets a print command prints, and the routines that draw
// them: each page registers its sheet's routine under the sheet's number, and
// the main dialog's print job calls the routines of a sheet in part order.
#pragma once

#include <functional>
#include <utility>
#include <vector>

class CPrinterDC;

// Sheet numbers.
inline constexpr int kSheetGlobal = 0;
inline constexpr int kSheetZone = 1;
inline constexpr int kSheetChannelTable = 4;
inline constexpr int kSheetDtmf = 5;
inline constexpr int kSheetFiveToneCommon = 6;
inline constexpr int kSheetFiveToneList = 7;
inline constexpr int kSheetSeedChannel = 8;
inline constexpr int kSheetSelCall = 9;

// The parts of the Global sheet, drawn in this order: Global 1 at the margin,
// Global 2 beside it on the same page (kGlobal2Column character widths further
// right), then Mobile Special on a page of its own.
inline constexpr int kPartGlobal1 = 0;
inline constexpr int kPartGlobal2 = 1;
inline constexpr int kPartMobileSpecial = 2;
inline constexpr int kGlobal2Column = 55;

// A sheet routine draws its part of a sheet with the printer context and the
// line geometry, in this order: (dc, charW, x, pitch, gap).
using SheetRoutine = std::function<void(CPrinterDC& dc, int charW, int x, int pitch, int gap)>;

// Registers (or replaces) the routine of a sheet; the Global sheet takes one
// routine per part, every other sheet one routine (part 0). An empty routine
// removes the registration. What the routines run on must outlive their
// registration.
void RegisterSheetRoutine(int sheet, SheetRoutine routine, int part = 0);
bool IsSheetRegistered(int sheet, int part = 0);
void ClearSheetRoutines();
// The registered parts of a sheet, in part order.
std::vector<std::pair<int, SheetRoutine>> SheetParts(int sheet);
