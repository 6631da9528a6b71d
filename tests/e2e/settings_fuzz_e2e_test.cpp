// Start-up from settings files of every kind a real machine produces. For
// each file the real program must show what the platform's own profile reads
// of that very file say, leave the file's bytes alone and keep running.
//
// FDT_FUZZ_CASES sets the number of files (40 by default; scripts/fuzz-settings
// runs 320) and FDT_FUZZ_SEED another seed. Every failure names the seed and
// the case number, which give the same file again.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "running_panel.h"
#include "settings_fuzz.h"

namespace fdt::test {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261211;
constexpr int kDefaultCases = 40;
// The cases are spread over this many tests, so that a full run keeps each
// test well inside its time limit while the list of tests stays the same.
constexpr int kChunks = 32;
constexpr DWORD kValueBuffer = 10240;
const int kRadios[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16};

std::uint64_t fuzzSeed() {
  const char* value = std::getenv("FDT_FUZZ_SEED");
  return value ? std::strtoull(value, nullptr, 0) : kDefaultSeed;
}

int fuzzCases() {
  const char* value = std::getenv("FDT_FUZZ_CASES");
  return value ? std::atoi(value) : kDefaultCases;
}

std::string profileRead(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& fallback) {
  std::vector<char> buffer(kValueBuffer, '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(), kValueBuffer,
                           file.c_str());
  return buffer.data();
}

struct Shown {
  std::map<int, bool> radios;         // 单选框N checked
  std::array<std::string, 10> slots;  // 编辑框1 to 编辑框10
};

// The start-up rules applied to the platform's reads of the file.
Shown expectedFor(const std::string& file) {
  Shown shown;
  for (int number : kRadios) shown.radios[number] = false;
  shown.radios[15] = profileRead(file, "方案", "show", "yes") == "no";
  shown.radios[16] = profileRead(file, "方案", "show", "yes") == "yes";
  shown.radios[11] = profileRead(file, "方案", "operate", "FileMove") == "FileMove";
  shown.radios[12] = profileRead(file, "方案", "operate", "FileMove") == "FileCopy";
  for (int scheme = 1; scheme <= 10; ++scheme) {
    const std::string number = std::to_string(scheme);
    if (profileRead(file, "方案", "project", number) != number) continue;
    shown.radios[scheme] = true;
    for (int slot = 1; slot <= 10; ++slot)  // a later scheme replaces the one before
      shown.slots[slot - 1] = profileRead(file, "我的文件夹", std::to_string((scheme - 1) * 10 + slot), "C:\\");
  }
  return shown;
}

std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char c : bytes) text += {digits[c >> 4], digits[c & 15], ' '};
  return text;
}

// Texts of up to 40000 bytes, many not printable: where they part, not all of both.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                       << " were expected; from byte " << at << ": " << hex(actual.substr(at, 16))
                                       << "instead of " << hex(expected.substr(at, 16));
}

void checkStartUp(const SettingsFuzzCase& file) {
  TempDir reference;
  const Shown want = expectedFor(reference.makeFile("sys.ini", file.bytes));
  RunningPanel app(file.bytes);
  for (int number : kRadios) EXPECT_EQ(app.checked(number), want.radios.at(number)) << "单选框" << number;
  for (int slot = 1; slot <= 10; ++slot)
    EXPECT_TRUE(sameBytes(windowText(app.slotBox(slot)), want.slots[slot - 1])) << "编辑框" << slot;
  EXPECT_EQ(app.status(), "目前状态：无操作");
  EXPECT_TRUE(sameBytes(app.iniBytes(), file.bytes)) << "sys.ini after start-up";
  EXPECT_EQ(app.waitForExit(0), STILL_ACTIVE) << "the program ended";
}

class SettingsFuzzE2ETest : public ::testing::TestWithParam<int> {};

TEST_P(SettingsFuzzE2ETest, StartUpShowsWhatTheProfileReadsAndLeavesTheFileAlone) {
  const std::uint64_t seed = fuzzSeed();
  const int cases = fuzzCases();
  if (GetParam() >= cases) GTEST_SKIP() << "FDT_FUZZ_CASES=" << cases << " leaves this share empty";
  for (int index = GetParam(); index < cases; index += kChunks) {
    const SettingsFuzzCase file = settingsFuzzCase(seed, index);
    SCOPED_TRACE("seed " + std::to_string(seed) + ", case " + std::to_string(index) + " (" + file.kind + ")");
    try {
      checkStartUp(file);
    } catch (const std::exception& error) {  // the panel did not show: later cases would meet its remains
      FAIL() << error.what();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Shares, SettingsFuzzE2ETest, ::testing::Range(0, kChunks));

// A line that names one of the two sections once its spaces and tabs are gone.
bool hasSpacedSectionLine(const std::string& bytes) {
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
    const std::string line = bytes.substr(start, end - start);
    std::string bare;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == ' ' || line[i] == '\t') continue;
      if (line.compare(i, 2, "　") == 0) {  // a full-width space: two bytes
        ++i;
        continue;
      }
      bare += line[i];
    }
    if (bare != line && (bare == "[方案]" || bare == "[我的文件夹]")) return true;
    start = end + 1;
  }
  return false;
}

// The files of a run hold every sort of damage asked of them, whatever the seed.
TEST(SettingsFuzzGeneratorTest, RunHoldsEveryKindOfFile) {
  const std::uint64_t seed = fuzzSeed();
  const int cases = fuzzCases();
  ASSERT_GE(cases, settingsFuzzKindCount());
  std::set<std::string> seen;
  auto note = [&](bool holds, const char* what) {
    if (holds) seen.insert(what);
  };
  for (int index = 0; index < cases; ++index) {
    const std::string bytes = settingsFuzzCase(seed, index).bytes;
    note(bytes.empty(), "empty");
    note(bytes.find('\0') != std::string::npos, "NUL byte");
    note(bytes.rfind("\xEF\xBB\xBF", 0) == 0, "UTF-8 byte-order mark");
    note(bytes.rfind("\xFF\xFE", 0) == 0, "UTF-16LE byte-order mark");
    note(bytes.rfind("\xFE\xFF", 0) == 0, "UTF-16BE byte-order mark");
    note(bytes.size() > 1 && bytes[0] == '[' && bytes[1] == '\0', "UTF-16 without mark");
    note(bytes.find('\r') != std::string::npos && bytes.find('\n') == std::string::npos, "CR-only line ends");
    note(bytes.find('\n') != std::string::npos && bytes.find('\r') == std::string::npos, "LF-only line ends");
    std::size_t longest = 0;
    for (std::size_t start = 0; start < bytes.size();) {
      const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
      longest = std::max(longest, end - start);
      start = end + 1;
    }
    note(longest > kValueBuffer, "line past the read buffer");
    const std::size_t first = bytes.find("[方案]");
    note(first != std::string::npos && bytes.find("[方案]", first + 1) != std::string::npos, "section twice");
    const std::string firstLine = bytes.substr(0, bytes.find_first_of("\r\n"));
    note(firstLine.find('=') != std::string::npos && firstLine.find('[') == std::string::npos &&
             first != std::string::npos,
         "key before any section");
    note(hasSpacedSectionLine(bytes), "section with odd spacing");
    note(bytes.find("PROJECT") != std::string::npos || bytes.find("SHOW") != std::string::npos ||
             bytes.find("OPERATE") != std::string::npos || bytes.find("Project") != std::string::npos,
         "key in other letter case");
  }
  EXPECT_EQ(seen, (std::set<std::string>{"empty", "NUL byte", "UTF-8 byte-order mark", "UTF-16LE byte-order mark",
                                         "UTF-16BE byte-order mark", "UTF-16 without mark", "CR-only line ends",
                                         "LF-only line ends", "line past the read buffer", "section twice",
                                         "key before any section", "section with odd spacing",
                                         "key in other letter case"}));
}

// Every row of the start-up tables comes up in a run, as the platform reads the files.
TEST(SettingsFuzzGeneratorTest, RunMeetsEveryRowOfTheStartUpRules) {
  const std::uint64_t seed = fuzzSeed();
  std::set<std::string> rows;
  const std::string absent = "\x01";  // the generator gives no scheme key this value
  TempDir dir;
  for (int index = 0; index < fuzzCases(); ++index) {
    const std::string file = dir.makeFile("case.ini", settingsFuzzCase(seed, index).bytes);
    const std::string show = profileRead(file, "方案", "show", absent);
    rows.insert(show == absent ? "show absent" : show == "yes" || show == "no" ? "show " + show : "show other");
    const std::string operate = profileRead(file, "方案", "operate", absent);
    rows.insert(operate == absent                                   ? "operate absent"
                : operate == "FileMove" || operate == "FileCopy" ? "operate " + operate
                                                                    : "operate other");
    const std::string project = profileRead(file, "方案", "project", absent);
    const bool scheme = project.size() <= 2 && std::atoi(project.c_str()) >= 1 && std::atoi(project.c_str()) <= 10 &&
                        std::to_string(std::atoi(project.c_str())) == project;
    rows.insert(project == absent ? "project absent" : scheme ? "project 1 to 10" : "project other");
  }
  EXPECT_EQ(rows, (std::set<std::string>{"show absent", "show yes", "show no", "show other", "operate absent",
                                         "operate FileMove", "operate FileCopy", "operate other", "project absent",
                                         "project 1 to 10", "project other"}));
}

}  // namespace
}  // namespace fdt::test
