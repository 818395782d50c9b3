#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

namespace {

// The words of a line cut at blanks, as the shell hands them to the program.
CommandLine Parse(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return ParseCommandLine(words);
}

const std::string kUsage =
    "        KM562 [<datafl>] [-h/?] [-m] [-c<n>] [-l<n>]\n\n"
    "        <datafl> : Specifies data file to load\n"
    "        -? or -h: Gets this message\n"
    "        -m : Specify manufacturer privilege\n"
    "        -c : Specify COM port to use\n"
    "        -l : Specify LPT port to use\n\n"
    "        Press any key";

// The codes as the tests know them, each character shifted by one.
std::string Unshift(std::string s) {
  for (auto& c : s) c = static_cast<char>(c - 1);
  return s;
}

}  // namespace

TEST(CommandLineTest, UsageMessagesAreExact) {
  EXPECT_EQ(kUsageExitCode, 1);
  EXPECT_EQ(FormatUsageMessage(kUsageOnly), kUsage);
  EXPECT_EQ(FormatUsageMessage(kUsageBadComPort), "                 ***   Bad COM port   ***\n\n" + kUsage);
  EXPECT_EQ(FormatUsageMessage(kUsageBadOption), "                  ***   Bad Option   ***\n\n" + kUsage);
  EXPECT_EQ(FormatUsageMessage(kUsageMoreThanOneFile),
            "       ***  More than one data file specified  ***\n\n" + kUsage);
}

TEST(CommandLineTest, ErrorTable) {
  struct Case {
    const char* line;
    int error;
  } cases[] = {
      {"-c5", 3},  {"-c0", 3},   {"-c", 3},     {"-cx", 3},    {"-c99999999999", 3}, {"-c-1", 3},
      {"-l3", 3},  {"-l0", 3},   {"-x", 4},     {"-", 4},      {"/q", 4},            {"/?", 0},
      {"-H", 0},   {"-h -x", 0}, {"-x -h", 4},  {"a b", 5},    {"a.X417 -c9", 3},    {"-c2 a b -x", 5},
  };
  for (const auto& c : cases) {
    const auto r = Parse(c.line);
    ASSERT_TRUE(r.usageError.has_value()) << c.line;
    EXPECT_EQ(*r.usageError, c.error) << c.line;
  }
}

TEST(CommandLineTest, PortsAndModes) {
  auto r = Parse("  -c4   -L2  /C1 -m -S -M ");
  EXPECT_FALSE(r.usageError);
  EXPECT_EQ(r.comIndex, 0);  // the last choice wins
  EXPECT_EQ(r.lptIndex, 1);
  EXPECT_EQ(r.modeRequests, (std::vector<AccessMode>{AccessMode::M, AccessMode::S, AccessMode::M}));
  EXPECT_FALSE(r.dataFile);

  r = Parse("-c04 -l1");
  EXPECT_EQ(r.comIndex, 3);
  EXPECT_EQ(r.lptIndex, 0);

  r = Parse("");
  EXPECT_FALSE(r.usageError);
  EXPECT_FALSE(r.comIndex);
  EXPECT_TRUE(r.modeRequests.empty());
}

TEST(CommandLineTest, DataFileNames) {
  EXPECT_EQ(Parse("radio").dataFile, "radio.X417");
  EXPECT_EQ(Parse("radio.dat").dataFile, "radio.dat");
  EXPECT_EQ(Parse("Data/DEFAULTVP.X417 -c2").dataFile, "Data/DEFAULTVP.X417");
  // Only the file's own name decides; a dot in a folder does not count.
  EXPECT_EQ(Parse("./radio").dataFile, "./radio.X417");
  EXPECT_EQ(Parse("/home/a.b/radio").dataFile, "/home/a.b/radio.X417");
  EXPECT_EQ(Parse("/tmp/x/r.X417").dataFile, "/tmp/x/r.X417");
  // Arguments arrive already split: a blank inside one stays in the name.
  const auto r = ParseCommandLine({"my radio.X417", "", "-m"});
  EXPECT_FALSE(r.usageError);
  EXPECT_EQ(r.dataFile, "my radio.X417");
  // A very long name is kept whole.
  const std::string longName(300, 'n');
  EXPECT_EQ(ParseCommandLine({longName}).dataFile, longName + ".X417");
}

TEST(CommandLineTest, AccessCodes) {
  const std::string m = Unshift("RY8N52");
  const std::string s = Unshift("RY8T:4");
  EXPECT_TRUE(CheckAccessCode(AccessMode::M, m));
  EXPECT_TRUE(CheckAccessCode(AccessMode::S, s));
  std::string lower = m;
  for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_TRUE(CheckAccessCode(AccessMode::M, lower));
  EXPECT_FALSE(CheckAccessCode(AccessMode::M, s));
  EXPECT_FALSE(CheckAccessCode(AccessMode::S, m));
  EXPECT_FALSE(CheckAccessCode(AccessMode::M, m + " "));
  EXPECT_FALSE(CheckAccessCode(AccessMode::M, m.substr(0, 5)));
  EXPECT_FALSE(CheckAccessCode(AccessMode::M, ""));
}
