#include "model/dtmf_ani.h"

#include "model/conversions.h"

namespace {

constexpr std::uint16_t kDecodingBit = 0x2000;
constexpr int kPagingDigits = 3;
constexpr int kNoPagingDigit = 15;

}  // namespace

std::string PagingCodeText(std::uint16_t code) {
  std::string text(kPagingDigits, ' ');
  if (!(code & kDecodingBit)) return text;
  for (int i = 0; i < kPagingDigits; ++i) {
    const int digit = (code >> (4 * (kPagingDigits - 1 - i))) & 0x0F;
    if (digit < 14) text[std::size_t(i)] = NibbleToHexChar(digit);
  }
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

bool SetPagingCodeText(std::uint16_t& code, std::string_view text) {
  std::uint16_t next = code & 0xF000;
  for (int i = 0; i < kPagingDigits; ++i) {
    int digit = kNoPagingDigit;
    if (std::size_t(i) < text.size()) {
      const int d = DialCodeOfChar(text[std::size_t(i)]);
      if (d >= 0 && d < 14) digit = d;
    }
    next = std::uint16_t(next | (digit << (4 * (kPagingDigits - 1 - i))));
  }
  const bool changed = next != code;
  code = next;
  return changed;
}

std::string PauseCharCodeText(std::uint8_t pauseByte) { return std::string(1, DialCharOfCode(pauseByte & 0x0F)); }

bool SetPauseCharCodeText(std::uint8_t& pauseByte, std::string_view text) {
  const int code = text.empty() ? 0 : DialCodeOfChar(text[0]);
  if (code < 0) return false;
  const std::uint8_t next = std::uint8_t((pauseByte & 0xF0) | code);
  const bool changed = next != pauseByte;
  pauseByte = next;
  return changed;
}

bool IsDtmfKeypadLocked(const CEditModel& model) {
  return IsProductionType11(model.store.ProductionType()) && (model.global.byte251 & 0x08) != 0;
}
