#include "transfer/shell_transfer_lists.h"

namespace fdt {

std::string sourceList(const std::vector<std::string>& sources) {
  std::string list;
  for (const std::string& source : sources) {
    if (source.empty()) continue;
    list += source;
    list += '\0';
  }
  if (!list.empty()) list += '\0';
  return list;
}

std::string destinationList(const std::string& destination) {
  std::string list = destination;
  list += '\0';
  list += '\0';
  return list;
}

}  // namespace fdt
