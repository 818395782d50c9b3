#include "ui/print/sheet_registry.h"

#include <map>

namespace {

std::map<std::pair<int, int>, SheetRoutine>& Routines() {
  static std::map<std::pair<int, int>, SheetRoutine> routines;
  return routines;
}

}  // namespace

void RegisterSheetRoutine(int sheet, SheetRoutine routine, int part) {
  if (routine) {
    Routines()[{sheet, part}] = std::move(routine);
  } else {
    Routines().erase({sheet, part});
  }
}

bool IsSheetRegistered(int sheet, int part) { return Routines().count({sheet, part}) != 0; }

void ClearSheetRoutines() { Routines().clear(); }

std::vector<std::pair<int, SheetRoutine>> SheetParts(int sheet) {
  std::vector<std::pair<int, SheetRoutine>> parts;
  for (const auto& [key, routine] : Routines()) {
    if (key.first == sheet) parts.emplace_back(key.second, routine);
  }
  return parts;
}
