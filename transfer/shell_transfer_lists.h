// Path lists in the form the shell's file operation takes: every entry ends
// with a NUL byte and the list with one more.
#pragma once

#include <string>
#include <vector>

namespace fdt {

// The non-empty sources in their order. Empty when no source is left: the
// shell must then not be called at all.
std::string sourceList(const std::vector<std::string>& sources);

// One entry, or just the two NUL bytes for an empty destination.
std::string destinationList(const std::string& destination);

}  // namespace fdt
