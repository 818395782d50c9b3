#include "shell/command_line.h"

#include <cstdint>

namespace {

const std::string kErrorTexts[] = {
    "",
    "",
    "",
    "                 ***   Bad COM port   ***",
    "                  ***   Bad Option   ***",
    "       ***  More than one data file specified  ***",
};

// The leading decimal digits of a text; no digits reads 0. Values too large
// for any port read as -1 so that they are refused.
int LeadingNumber(const std::string& text) {
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > 9999) return -1;
  }
  return value;
}

// A word beginning with "-" is an option; so is one beginning with "/", unless
// it holds another "/" and so is an absolute path.
bool IsOption(const std::string& word) {
  if (word.empty()) return false;
  if (word[0] == '-') return true;
  return word[0] == '/' && word.find('/', 1) == std::string::npos;
}

// ".X417" is appended when the file's own name (not its folder) has no dot.
std::string WithDataFileExtension(const std::string& word) {
  const auto slash = word.find_last_of('/');
  const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (word.find('.', nameStart) == std::string::npos) return word + ".X417";
  return word;
}

// The access codes are kept only as salted hashes of their upper-case text.
struct StoredCode {
  std::size_t length;
  std::uint64_t hash;
};
constexpr StoredCode kCodeM = {6, 0x5233e3222885b6d5ULL};
constexpr StoredCode kCodeS = {6, 0x1fad6b220c50707cULL};

std::uint64_t HashCode(const std::string& text) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (const char* p = "tq5100/access"; *p; ++p) {
    h ^= static_cast<unsigned char>(*p);
    h *= 0x100000001b3ULL;
  }
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  return h;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& words) {
  CommandLine result;
  for (const auto& word : words) {
    if (word.empty()) continue;
    if (IsOption(word)) {
      char letter = word.size() > 1 ? word[1] : '\0';
      if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
      const std::string rest = word.size() > 2 ? word.substr(2) : std::string();
      switch (letter) {
        case '?':
        case 'h':
          result.usageError = kUsageOnly;
          return result;
        case 'c': {
          const int n = LeadingNumber(rest);
          if (n < 1 || n > 4) {
            result.usageError = kUsageBadComPort;
            return result;
          }
          result.comIndex = n - 1;
          break;
        }
        case 'l': {
          const int n = LeadingNumber(rest);
          if (n < 1 || n > 2) {
            result.usageError = kUsageBadComPort;
            return result;
          }
          result.lptIndex = n - 1;
          break;
        }
        case 'm':
          result.modeRequests.push_back(AccessMode::M);
          break;
        case 's':
          result.modeRequests.push_back(AccessMode::S);
          break;
        default:
          result.usageError = kUsageBadOption;
          return result;
      }
    } else {
      if (result.dataFile) {
        result.usageError = kUsageMoreThanOneFile;
        return result;
      }
      result.dataFile = WithDataFileExtension(word);
    }
  }
  return result;
}

const std::string& UsageText() {
  static const std::string text =
      "        KM562 [<datafl>] [-h/?] [-m] [-c<n>] [-l<n>]\n"
      "\n"
      "        <datafl> : Specifies data file to load\n"
      "        -? or -h: Gets this message\n"
      "        -m : Specify manufacturer privilege\n"
      "        -c : Specify COM port to use\n"
      "        -l : Specify LPT port to use\n"
      "\n"
      "        Press any key";
  return text;
}

std::string FormatUsageMessage(int usageError) {
  if (usageError < 1 || usageError > 5 || kErrorTexts[usageError].empty()) return UsageText();
  return kErrorTexts[usageError] + "\n\n" + UsageText();
}

bool CheckAccessCode(AccessMode mode, const std::string& typed) {
  const StoredCode& code = mode == AccessMode::M ? kCodeM : kCodeS;
  return typed.size() == code.length && HashCode(typed) == code.hash;
}
