#include "core/text.h"

#include <cstddef>
#include <vector>

namespace fdt {
namespace {

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Length of the character at i: 2 for a lead byte with a trail byte after it.
std::size_t charLength(const std::string& text, std::size_t i) {
  return isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

bool isSpaceAt(const std::string& text, std::size_t i, std::size_t length) {
  if (length == 1) return text[i] == ' ';
  return static_cast<unsigned char>(text[i]) == 0xA1 &&
         static_cast<unsigned char>(text[i + 1]) == 0xA1;
}

}  // namespace

std::string trimSpaces(const std::string& text, TrimSide side) {
  // Start of each character, walked from the front: trail bytes can only be
  // told apart from lead bytes in that direction.
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) starts.push_back(i);

  std::size_t first = 0;
  std::size_t last = starts.size();  // one past the last kept character
  auto lengthOf = [&](std::size_t k) {
    return (k + 1 < starts.size() ? starts[k + 1] : text.size()) - starts[k];
  };
  if (side != TrimSide::End) {
    while (first < last && isSpaceAt(text, starts[first], lengthOf(first))) ++first;
  }
  if (side != TrimSide::Start) {
    while (last > first && isSpaceAt(text, starts[last - 1], lengthOf(last - 1))) --last;
  }
  if (first == last) return std::string();
  std::size_t begin = starts[first];
  std::size_t end = last < starts.size() ? starts[last] : text.size();
  return text.substr(begin, end - begin);
}

std::string asciiLower(const std::string& text) {
  std::string out = text;
  for (std::size_t i = 0; i < out.size(); i += charLength(out, i)) {
    if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] + 0x20);
  }
  return out;
}

std::string cutBeforeLastBackslash(const std::string& path) {
  std::size_t cut = std::string::npos;
  for (std::size_t i = 0; i < path.size(); i += charLength(path, i)) {
    if (path[i] == '\\') cut = i;
  }
  return cut == std::string::npos ? path : path.substr(0, cut);
}

std::string skipLeadingControlAndSpace(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
  return text.substr(i);
}

}  // namespace fdt
