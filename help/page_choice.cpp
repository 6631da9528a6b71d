#include "help/page_choice.h"

#include <cmath>

#include "help/help_texts.h"

namespace fdt {

const char* helpPageForMinute(int minute) {
  const double remainder = std::fabs(std::fmod(static_cast<double>(minute), 2.0));
  return remainder > 0.0000001 ? texts::kBlogPage : texts::kHomePage;
}

}  // namespace fdt
