// The program's command line: "[<datafl>] [-h/?] [-m] [-c<n>] [-l<n>]" and the
// unlisted "-s". Parsing is a pure function; the main dialog shows the usage box
// and ends the process, sets the ports and asks for the access codes.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The process exit code after a usage message.
constexpr int kUsageExitCode = 1;

// Usage error numbers: 0 shows the usage text alone.
enum UsageError : int {
  kUsageOnly = 0,
  kUsageBadComPort = 3,
  kUsageBadOption = 4,
  kUsageMoreThanOneFile = 5,
};

// The two privileged modes, each guarded by an access code.
enum class AccessMode { M, S };

struct CommandLine {
  // Set when the process must show FormatUsageMessage(*usageError) and end with
  // kUsageExitCode; the other fields then hold what was parsed before the error.
  std::optional<int> usageError;
  // The data file named on the command line (".X417" appended when its name had
  // no extension); empty means the default data file.
  std::optional<std::string> dataFile;
  // Port indices chosen for this run (COM n gives n - 1, LPT n gives n - 1).
  std::optional<int> comIndex;
  std::optional<int> lptIndex;
  // "-m" and "-s" in the order given: for each, ask for the access code; a
  // match turns the mode on, anything else turns it off.
  std::vector<AccessMode> modeRequests;
};

// Parses the words of a command line (without the program name), stopping at
// the first usage error.
CommandLine ParseCommandLine(const std::vector<std::string>& words);

// The text of the usage box for an error number: the error line, an empty
// line and the usage text, or the usage text alone for 0.
std::string FormatUsageMessage(int usageError);
// The usage text itself.
const std::string& UsageText();

// True when the typed text is the access code of the mode: equal length, the
// case of letters ignored.
bool CheckAccessCode(AccessMode mode, const std::string& typed);
