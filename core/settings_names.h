// Fixed names of the settings file sys.ini.
#pragma once

namespace fdt::settings {

inline constexpr char kFileName[] = "\\sys.ini";  // appended to the run directory
inline constexpr char kSlotSection[] = "我的文件夹";
inline constexpr char kChoiceSection[] = "方案";
inline constexpr char kSchemeKey[] = "project";
inline constexpr char kDefaultSlotPath[] = "C:\\";

}  // namespace fdt::settings
