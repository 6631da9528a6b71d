// Which of the project's two pages a double click on the help text opens.
#pragma once

namespace fdt {

// The change-log page on an odd minute (0 to 59), the home page on an even one.
const char* helpPageForMinute(int minute);

}  // namespace fdt
