// Helpers of the printing tests: a Qt application for the offscreen platform,
// temporary PDF paths, and the PDF read back with the poppler tools (page
// count, words with their boxes, and a grey-scale rendering).
#pragma once

#include <QApplication>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace print_test {

inline void EnsureQtApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char arg0[] = "ui_tests";
  static char* argv[] = {arg0, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

inline std::string RunCommand(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe.get())) > 0) out.append(buf, n);
  return out;
}

// A fresh temporary folder, removed with the object.
struct TempDir {
  std::filesystem::path path;
  TempDir() {
    char name[] = "/tmp/printtestXXXXXX";
    if (mkdtemp(name)) path = name;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string File(const std::string& name) const { return (path / name).string(); }
};

inline int PdfPageCount(const std::string& pdf) {
  const std::string info = RunCommand("pdfinfo '" + pdf + "' 2>/dev/null");
  std::smatch m;
  if (std::regex_search(info, m, std::regex(R"(Pages:\s+(\d+))"))) return std::stoi(m[1]);
  return -1;
}

// One word of the text layer, its box in points from the page's top-left.
struct PdfWord {
  int page;
  double xMin, yMin, xMax, yMax;
  std::string text;
};

// The words in the order they were drawn (-raw), so that two texts that
// overlap stay two words and a test can tell that they run into each other.
inline std::vector<PdfWord> PdfWords(const std::string& pdf) {
  const std::string html = RunCommand("pdftotext -raw -bbox '" + pdf + "' - 2>/dev/null");
  std::vector<PdfWord> words;
  int page = 0;
  const std::regex token(
      R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), token); it != std::sregex_iterator(); ++it) {
    const auto& m = *it;
    if (m.str(0) == "<page ") {
      ++page;
      continue;
    }
    PdfWord w{page, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]};
    // Texts that follow each other on a line with less than a tenth of the
    // font's size between them read as one word, as the extractor's own
    // reading order has them; a text that starts inside another stays apart,
    // so that an overlap shows. (Where a text runs into another, the extractor
    // may also cut it at the overlap: its pieces join again here.)
    PdfWord* before = nullptr;
    for (PdfWord& u : words) {
      const double gap = w.xMin - u.xMax;
      const double shared = std::min(u.yMax, w.yMax) - std::max(u.yMin, w.yMin);
      const bool oneLine = shared >= 0.5 * std::min(u.yMax - u.yMin, w.yMax - w.yMin);
      if (u.page == w.page && oneLine && gap >= 0 && gap < 0.1 * (w.yMax - w.yMin)) before = &u;
    }
    if (before) {
      before->xMax = w.xMax;
      before->text += w.text;
      continue;
    }
    words.push_back(std::move(w));
  }
  return words;
}

inline const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text) {
  for (const auto& w : words) {
    if (w.text == text) return &w;
  }
  return nullptr;
}

// How many words read `text`, on page `page` (from 1) or, with 0, on every page.
inline int CountWords(const std::vector<PdfWord>& words, const std::string& text, int page = 0) {
  return static_cast<int>(
      std::count_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text && (!page || w.page == page); }));
}

// Page `page` (from 1) rendered in grey at `dpi` dots per inch.
struct GreyImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  int At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline GreyImage RenderPage(const std::string& pdf, int page, int dpi) {
  GreyImage image;
  const std::string pgm = RunCommand("pdftoppm -gray -r " + std::to_string(dpi) + " -f " + std::to_string(page) +
                                     " -l " + std::to_string(page) + " '" + pdf + "' 2>/dev/null");
  // Binary PGM: "P5\n<w> <h>\n<max>\n" followed by the pixels.
  std::size_t pos = 0;
  auto nextNumber = [&]() {
    while (pos < pgm.size() && !std::isdigit(static_cast<unsigned char>(pgm[pos]))) ++pos;
    int v = 0;
    while (pos < pgm.size() && std::isdigit(static_cast<unsigned char>(pgm[pos]))) v = v * 10 + (pgm[pos++] - '0');
    return v;
  };
  if (pgm.size() < 2 || pgm.compare(0, 2, "P5") != 0) return image;
  pos = 2;
  image.width = nextNumber();
  image.height = nextNumber();
  nextNumber();
  ++pos;
  if (pgm.size() - pos < static_cast<std::size_t>(image.width) * image.height) return {};
  image.pixels.assign(pgm.begin() + static_cast<std::ptrdiff_t>(pos), pgm.end());
  return image;
}

}  // namespace print_test
