// Fixed texts of the slot actions: the shell item a panel double click opens
// and the browse dialog's default title.
#pragma once

namespace fdt::texts {

inline constexpr char kComputerView[] = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
inline constexpr char kPickerTitle[] = "请选择一个文件夹";

}  // namespace fdt::texts
