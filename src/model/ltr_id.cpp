#include "model/ltr_id.h"

#include "model/zone_model.h"

std::optional<std::uint8_t> ParseLtrId(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) return kNoLtrId;
  const long n = ParseDecimal(std::string(text));
  if (n < 1 || n > 250) return std::nullopt;
  return static_cast<std::uint8_t>(n);
}

std::string LtrIdText(std::uint32_t code) { return code == kNoLtrId ? std::string() : std::to_string(code); }
