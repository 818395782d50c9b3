// The layout check of the printing tests: what a sheet drew (the printer
// context's drawing log) against the paper and against itself.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "ui/print/printer_dc.h"

namespace print_test {

// Whether two boxes share more than a hair of both width and height.
inline bool Overlap(const gdi::RECT& a, const gdi::RECT& b, int hair) {
  return std::min(a.right, b.right) - std::max(a.left, b.left) > hair &&
         std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > hair;
}

// What a sheet drew wrong on a paper W x H device units: anything outside,
// two texts over each other, a text across the left or right rule of a box.
inline std::vector<std::string> LayoutFaults(const std::vector<DrawnItem>& drawn, int W, int H, int hair) {
  std::vector<std::string> faults;
  auto where = [](const DrawnItem& d) { return "\"" + d.text + "\" on page " + std::to_string(d.page); };
  for (const DrawnItem& d : drawn) {
    if (d.box.left < 0 || d.box.top < 0 || d.box.right > W || d.box.bottom > H) {
      faults.push_back((d.rule ? "a rule on page " + std::to_string(d.page) : where(d)) + " off the paper (" +
                       std::to_string(d.box.left) + "," + std::to_string(d.box.top) + "," +
                       std::to_string(d.box.right) + "," + std::to_string(d.box.bottom) + ")");
    }
  }
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const DrawnItem& t = drawn[i];
    if (t.rule || t.text.find_first_not_of(' ') == std::string::npos) continue;
    for (std::size_t j = i + 1; j < drawn.size(); ++j) {
      const DrawnItem& u = drawn[j];
      if (u.rule || u.page != t.page || u.text.find_first_not_of(' ') == std::string::npos) continue;
      if (Overlap(t.box, u.box, hair)) faults.push_back(where(t) + " runs into \"" + u.text + "\"");
    }
    for (const DrawnItem& r : drawn) {
      if (!r.rule || r.page != t.page) continue;
      const gdi::RECT rows{t.box.left, t.box.top + hair, t.box.right, t.box.bottom - hair};
      for (int edge : {r.box.left, r.box.right}) {
        if (Overlap(rows, {edge - 2, r.box.top, edge + 2, r.box.bottom}, 0)) {
          faults.push_back(where(t) + " on a rule");
          break;
        }
      }
    }
  }
  return faults;
}

}  // namespace print_test
