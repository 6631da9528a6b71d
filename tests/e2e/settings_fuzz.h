// Settings files of the kinds that real machines hold: damaged, re-encoded by
// an editor, hand-edited, cut off, or holding odd values. Each file follows
// from a seed and a case number alone, so a failing case can be made again.
#pragma once

#include <cstdint>
#include <string>

namespace fdt::test {

struct SettingsFuzzCase {
  std::string kind;   // the sort of file, for failure messages
  std::string bytes;  // the whole file
};

// The same seed and index always give the same file; the kind is chosen by
// the index, so any run of consecutive indices cycles through every kind.
SettingsFuzzCase settingsFuzzCase(std::uint64_t seed, int index);
int settingsFuzzKindCount();

}  // namespace fdt::test
