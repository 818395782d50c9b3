// LTR IDs, as the LTR advanced page (zones) and the LTR group pages (groups)
// type them: 1..250, or none (255), with one message for anything else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char kLtrIdMessage[] = "The code you set up is wrong.\nYou can set up between 1 to 250.";
inline constexpr std::uint8_t kNoLtrId = 255;

// A typed ID: an empty (or blank) text is none (255); otherwise its decimal
// value must be 1..250; nothing for any other text.
std::optional<std::uint8_t> ParseLtrId(std::string_view text);
// Decimal; empty for none (255).
std::string LtrIdText(std::uint32_t code);

// What an ID edit did: stored (the page may set g_bModified), changed (the byte
// changed), the message when refused, and what the edit shows afterwards (the
// stored value's text when refused, else the text as typed).
struct LtrIdEntry {
  bool stored = false;
  bool changed = false;
  std::string message;
  std::string text;
};
