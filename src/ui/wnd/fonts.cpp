#include "ui/wnd/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <cctype>

namespace {

struct FaceSubstitute {
  const char* face;       // as the templates name it
  const char* installed;  // the face drawn instead
  int smallestPoints;     // the smallest size of the original face on screen
};

constexpr FaceSubstitute kSubstitutes[] = {
    {"ms sans serif", "Carlito", 8},
};

std::string Lower(const std::string& s) {
  std::string out;
  for (char c : s) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

const FaceSubstitute* SubstituteOf(const std::string& face) {
  const std::string lower = Lower(face);
  for (const auto& s : kSubstitutes) {
    if (lower == s.face) return &s;
  }
  return nullptr;
}

bool IsInstalled(const QString& family) {
  return !family.isEmpty() && QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

bool IsFixedPitchFace(const std::string& face) {
  const std::string f = Lower(face);
  return f.find("courier") != std::string::npos || f == "fixedsys" || f == "terminal" ||
         f == "lucida console" || f == "consolas" || f.find("mono") != std::string::npos;
}

}  // namespace

QString InstalledFamilyOf(const std::string& face) {
  const QString family = QString::fromStdString(face);
  if (IsInstalled(family)) return family;
  if (const FaceSubstitute* s = SubstituteOf(face); s && IsInstalled(QString::fromLatin1(s->installed))) {
    return QString::fromLatin1(s->installed);
  }
  return {};
}

QFont FontOfFace(const std::string& face) {
  QFont f;
  if (const QString family = InstalledFamilyOf(face); !family.isEmpty()) {
    f = QFont(family);
    f.setStyleHint(IsFixedPitchFace(face) ? QFont::Monospace : QFont::SansSerif);
  } else if (IsFixedPitchFace(face)) {
    f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
  } else {
    f = QFont(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
  }
  // Text is set letter by letter, as the original platform draws it: no
  // ligatures (they would turn "ti" in a printed sheet into one glyph that no
  // longer reads as text) and no kerning.
  f.setStyleStrategy(QFont::PreferNoShaping);
  return f;
}

int ScreenPointSize(const std::string& face, int points) {
  const FaceSubstitute* s = SubstituteOf(face);
  return std::max(s ? s->smallestPoints : 1, points);
}

QString DrawableText(const QString& text) {
  constexpr char16_t kIdeographicSpace = 0x3000;
  if (!text.contains(QChar(kIdeographicSpace))) return text;
  QString drawn = text;
  drawn.replace(QChar(kIdeographicSpace), QLatin1Char(' '));
  return drawn;
}
