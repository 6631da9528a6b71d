// Fixed texts of the dock panel: title, captions, status texts and the
// settings keys and values of the panel's choices.
#pragma once

namespace fdt::texts {

inline constexpr char kPanelTitle[] = "飞档通V4.0";
inline constexpr char kConfigureCaption[] = "配置";
inline constexpr char kFinishCaption[] = "完成";

inline constexpr char kStatusIdle[] = "目前状态：无操作";
inline constexpr char kStatusSchemePrefix[] = "目前状态：选择方案";  // + the scheme number
inline constexpr char kStatusChoseMove[] = "目前状态：选择操作移动";
inline constexpr char kStatusChoseCopy[] = "目前状态：选择操作复制";
inline constexpr char kStatusConfiguring[] = "目前状态：点击>>>设置文件夹";
inline constexpr char kStatusConfigured[] = "目前状态：设置成功";
inline constexpr char kStatusOpened[] = "目前状态：打开指定目录";
inline constexpr char kStatusMoved[] = "目前状态：移动成功";
inline constexpr char kStatusMoveFailed[] = "目前状态：移动失败";
inline constexpr char kStatusCopied[] = "目前状态：复制成功";
inline constexpr char kStatusCopyFailed[] = "目前状态：复制失败";

inline constexpr char kDockKey[] = "show";
inline constexpr char kDockShown[] = "yes";
inline constexpr char kDockAutoHide[] = "no";
inline constexpr char kTransferKey[] = "operate";
inline constexpr char kTransferMove[] = "FileMove";
inline constexpr char kTransferCopy[] = "FileCopy";

// What a double click on the panel opens, and the browse dialog's title.
inline constexpr char kComputerView[] = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
inline constexpr char kPickerTitle[] = "请选择一个文件夹";

inline constexpr int kConfigWidth = 213;
inline constexpr int kNormalWidth = 183;

}  // namespace fdt::texts
