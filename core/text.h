// Helpers for code-page-936 byte strings. A byte of 0x80 or more starts a
// two-byte character; both of its bytes are always stepped over together,
// so a trail byte is never taken for a space, a backslash or a letter.
#pragma once

#include <string>

namespace fdt {

enum class TrimSide { Start, End, Both };

// Removes runs of half-width (0x20) and full-width (A1 A1) spaces.
std::string trimSpaces(const std::string& text, TrimSide side);

// Lower-cases the single-byte capitals A-Z only.
std::string asciiLower(const std::string& text);

// The text before the last backslash, or the whole text when it has none.
std::string cutBeforeLastBackslash(const std::string& path);

// Drops the leading bytes of value 0x20 or less.
std::string skipLeadingControlAndSpace(const std::string& text);

}  // namespace fdt
