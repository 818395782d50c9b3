#include "model/tag_text.h"

char TagChar(char c) {
  if (c >= 'a' && c <= 'z') return char(c - 'a' + 'A');
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
  return 0;
}

std::string TagText(const char* stored) {
  std::string text;
  for (int i = 0; i < kTagLength && stored[i] != '\0'; ++i) {
    const unsigned char c = static_cast<unsigned char>(stored[i]);
    text += (c >= 0x20 && c < 0x7F) ? char(c) : ' ';
  }
  return text;
}

bool SetTagText(char* stored, std::string_view text) {
  char next[kTagLength + 1];
  int length = 0;
  for (char c : text) {
    if (length == kTagLength) break;
    if (const char accepted = TagChar(c)) next[length++] = accepted;
  }
  while (length < kTagLength) next[length++] = ' ';
  next[kTagLength] = '\0';
  bool changed = false;
  for (int i = 0; i <= kTagLength; ++i) {
    changed = changed || stored[i] != next[i];
    stored[i] = next[i];
  }
  return changed;
}
