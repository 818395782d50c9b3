// What the golden scripts share: the data file the records save to (which must
// load again to the same image), and its check against a record.
//
// A record, tests/pages/golden/<script>/<case>.txt, holds the hash of the whole
// file saved after the script and, a line each, every byte the script changed
// from the file saved before it: the offset in the file, the value before and
// the value after (hex). A byte changed that the record does not hold, one it
// holds that was left, or another value is printed with its offset; a
// difference in the bytes the script left alone (the radio before the script)
// shows in the hash. GOLDEN_RECORD=1 in the environment writes the records from
// the build at hand instead of checking them:
//   GOLDEN_RECORD=1 ./tests/pages/pages_tests --gtest_filter='*Golden*'
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "test_grid_support.h"
#include "ui/test_print_support.h"

namespace grid_test {

using FileBytes = std::vector<std::uint8_t>;

inline std::uint64_t Fnv1a(const FileBytes& bytes) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (std::uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ull;
  return h;
}

struct ByteChange {
  std::size_t offset;
  unsigned before, after;
  bool operator==(const ByteChange&) const = default;
};

struct GoldenRecord {
  std::uint64_t hash = 0;
  std::vector<ByteChange> changes;  // by offset
};

inline std::vector<ByteChange> Changes(const FileBytes& before, const FileBytes& after) {
  std::vector<ByteChange> changes;
  for (std::size_t i = 0; i < after.size(); ++i) {
    const unsigned was = i < before.size() ? before[i] : 0;
    if (was != after[i]) changes.push_back({i, was, after[i]});
  }
  return changes;
}

// "conventional UHF, type 0" is recorded in conventional-uhf-type-0.txt.
inline std::filesystem::path RecordPath(const std::string& script, const std::string& name) {
  std::string file;
  for (char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    } else if (!file.empty() && file.back() != '-') {
      file += '-';
    }
  }
  return std::filesystem::path(TQ_GOLDEN_DIR) / script / (file + ".txt");
}

inline std::optional<GoldenRecord> ReadRecord(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  GoldenRecord record;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first == "hash") {
      words >> std::hex >> record.hash;
    } else {
      ByteChange change{std::stoul(first, nullptr, 16), 0, 0};
      words >> std::hex >> change.before >> change.after;
      record.changes.push_back(change);
    }
  }
  return record;
}

inline void WriteRecord(const std::filesystem::path& path, const std::string& name, const GoldenRecord& record) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path);
  char line[64];
  out << "# " << name << ": the saved file's hash, then each byte the script changed (offset, before, after)\n";
  std::snprintf(line, sizeof line, "hash %016llx\n", static_cast<unsigned long long>(record.hash));
  out << line;
  for (const ByteChange& c : record.changes) {
    std::snprintf(line, sizeof line, "%04zx %02x %02x\n", c.offset, c.before, c.after);
    out << line;
  }
}

// The offsets where the record and the run differ, the first `limit` of them
// printed as "offset: recorded ..., found ...", and how many there are.
inline std::string DescribeDifferences(const std::vector<ByteChange>& recorded, const FileBytes& before,
                                       const FileBytes& after, std::size_t limit = 40) {
  const std::vector<ByteChange> found = Changes(before, after);
  std::string lines;
  std::size_t count = 0;
  const auto print = [&](std::size_t offset, const ByteChange* r, const ByteChange* f) {
    if (++count > limit) return;
    char text[96];
    char left[24] = "unchanged", right[24];
    if (r) std::snprintf(left, sizeof left, "%02x -> %02x", r->before, r->after);
    if (f) {
      std::snprintf(right, sizeof right, "%02x -> %02x", f->before, f->after);
    } else {
      std::snprintf(right, sizeof right, "unchanged %02x", unsigned(after[offset]));
    }
    std::snprintf(text, sizeof text, "  0x%04zx: recorded %s, found %s\n", offset, left, right);
    lines += text;
  };
  std::size_t i = 0, j = 0;
  while (i < recorded.size() || j < found.size()) {
    if (j == found.size() || (i < recorded.size() && recorded[i].offset < found[j].offset)) {
      print(recorded[i].offset, &recorded[i], nullptr);
      ++i;
    } else if (i == recorded.size() || found[j].offset < recorded[i].offset) {
      print(found[j].offset, nullptr, &found[j]);
      ++j;
    } else {
      if (!(recorded[i] == found[j])) print(found[j].offset, &recorded[i], &found[j]);
      ++i, ++j;
    }
  }
  if (count > limit) lines += "  ... " + std::to_string(count - limit) + " more\n";
  return "saved bytes that differ from the record: " + std::to_string(count) + " (file offset: before -> after)\n" +
         lines;
}

// Drives the controls `ids` (in that order) the way a person reaches them all.
// `drive` returns whether the control took a new value. A control that is not
// reachable (disabled or hidden) or took no new value (a list that offers
// nothing else yet) waits, and the passes over the waiting controls go on
// while one of them takes a new value, so that a control another one enables
// or fills is driven too. The controls in `last` (a group switched off,
// another format) are driven after all the others. The drive stops at a
// control not in `last` that made waiting controls unreachable, and returns
// it (else 0): the script starts again with it in `last`.
template <class Reachable, class Drive>
int DriveInOrder(const std::vector<int>& ids, const std::set<int>& last, Reachable&& reachable, Drive&& drive) {
  std::vector<int> pending, closers;
  for (int id : ids) (last.count(id) ? closers : pending).push_back(id);
  for (bool progress = true; progress;) {
    progress = false;
    std::vector<int> waiting;
    for (std::size_t i = 0; i < pending.size(); ++i) {
      const int id = pending[i];
      if (!reachable(id)) {
        waiting.push_back(id);
        continue;
      }
      std::vector<int> open;
      for (const std::vector<int>* others : {&pending, &closers}) {
        for (std::size_t j = others == &pending ? i + 1 : 0; j < others->size(); ++j) {
          if (reachable((*others)[j])) open.push_back((*others)[j]);
        }
      }
      for (int other : waiting) {
        if (reachable(other)) open.push_back(other);
      }
      if (drive(id)) progress = true;
      else waiting.push_back(id);
      if (std::any_of(open.begin(), open.end(), [&](int other) { return !reachable(other); })) return id;
    }
    pending = std::move(waiting);
  }
  for (int id : closers) {
    if (reachable(id)) drive(id);
  }
  return 0;
}

// The radios both golden scripts run on: each kind on each band.
inline constexpr RadioSetup kGoldenRadios[] = {
    {"conventional UHF", kSystemConventional, page_test::Band::Uhf},
    {"conventional VHF", kSystemConventional, page_test::Band::Vhf},
    {"LTR UHF", kSystemLtr, page_test::Band::Uhf},
    {"LTR VHF", kSystemLtr, page_test::Band::Vhf},
    {"PassPort UHF", kSystemPassPort, page_test::Band::Uhf},
    {"PassPort VHF", kSystemPassPort, page_test::Band::Vhf},
};

class GoldenTest : public GridTest {
 protected:
  // Saves the records and returns the file's bytes.
  FileBytes Saved(const print_test::TempDir& dir) {
    const std::string file = dir.File("golden.X417");
    EXPECT_TRUE(TheModel().SaveDataFile(file));
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The file the radio that `prepare` makes saves before the script. The radio
  // is then made again: a pack leaves marks on the records (the last block of
  // a group in use stays when no group is), which the script must not meet.
  template <class Prepare>
  FileBytes SavedBefore(Prepare&& prepare) {
    prepare();
    print_test::TempDir dir;
    const FileBytes bytes = Saved(dir);
    prepare();
    return bytes;
  }
  // The file saved after the script, which loads again to the same image.
  FileBytes SavedAfter() {
    print_test::TempDir dir;
    const FileBytes bytes = Saved(dir);
    const auto saved = TheModel().image;
    EXPECT_EQ(TheModel().LoadDataFile(dir.File("golden.X417"), dir.path.string()), 1);
    EXPECT_TRUE(std::equal(saved.begin(), saved.end(), Packed().begin()));
    return bytes;
  }

  // Checks the run against the record of the script's case, or records it.
  static void ExpectRecorded(const std::string& script, const std::string& name, const FileBytes& before,
                             const FileBytes& after) {
    const std::filesystem::path path = RecordPath(script, name);
    const GoldenRecord found{Fnv1a(after), Changes(before, after)};
    if (const char* record = std::getenv("GOLDEN_RECORD"); record && *record && *record != '0') {
      WriteRecord(path, name, found);
      std::printf("recorded %s\n", path.c_str());
      return;
    }
    const std::optional<GoldenRecord> recorded = ReadRecord(path);
    ASSERT_TRUE(recorded) << name << ": no record " << path.string() << " (GOLDEN_RECORD=1 writes it)";
    if (recorded->changes != found.changes) {
      ADD_FAILURE() << name << ": " << DescribeDifferences(recorded->changes, before, after) << "(" << path.string() << ")";
    } else {
      EXPECT_EQ(found.hash, recorded->hash) << name << ": the script changed the recorded bytes, but the bytes it "
                                            << "left differ from the record's (the file saved before the script)";
    }
  }
};

}  // namespace grid_test
