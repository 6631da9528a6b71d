// The panel's controls: kind, parent, place, size, initial text and tab stop.
// Positions are client coordinates of the parent (a group box for the radios
// inside it). Control ids never use 1 or 2, which dialog navigation sends for
// Enter and Esc.
#pragma once

namespace fdt::layout {

enum class Kind { Radio, PushButton, GroupBox, SlotBox, Label };

struct Control {
  int id;
  Kind kind;
  int parentId;  // 0: the panel itself
  int x, y, width, height;
  const char* text;
  bool tabStop;
};

inline constexpr int kPanelWidth = 180;
inline constexpr int kPanelHeight = 500;

// Ids follow the control names: 单选框N is kRadioBase + N, 编辑框N kSlotBoxBase + N, 按钮N kButtonBase + N.
inline constexpr int kRadioBase = 1000;
inline constexpr int kSlotBoxBase = 2000;
inline constexpr int kButtonBase = 3000;
inline constexpr int kSchemeGroup = 4001;  // 分组框1
inline constexpr int kDockGroup = 4002;    // 分组框2
inline constexpr int kStatusLabel = 5001;  // 标签1
inline constexpr int kContactLabel = 5002; // 标签2

inline constexpr int radioId(int n) { return kRadioBase + n; }
inline constexpr int slotBoxId(int slot) { return kSlotBoxBase + slot; }
inline constexpr int buttonId(int n) { return kButtonBase + n; }

inline constexpr int kConfigButton = buttonId(11);
inline constexpr int kHelpButton = buttonId(12);
inline constexpr int kExitButton = buttonId(13);

inline constexpr char kBrowseCaption[] = ">>>";

// In creation order; a group box comes before the radios inside it.
inline constexpr Control kControls[] = {
    {radioId(11), Kind::Radio, 0, 8, 8, 48, 16, "移动", true},
    {radioId(12), Kind::Radio, 0, 64, 8, 48, 16, "复制", true},
    {kConfigButton, Kind::PushButton, 0, 128, 0, 40, 24, "配置", true},
    {kSchemeGroup, Kind::GroupBox, 0, 0, 24, 176, 56, "方案", false},
    {radioId(1), Kind::Radio, kSchemeGroup, 8, 16, 24, 16, "1", true},
    {radioId(2), Kind::Radio, kSchemeGroup, 40, 16, 24, 16, "2", true},
    {radioId(3), Kind::Radio, kSchemeGroup, 72, 16, 24, 16, "3", true},
    {radioId(4), Kind::Radio, kSchemeGroup, 104, 16, 24, 16, "4", true},
    {radioId(5), Kind::Radio, kSchemeGroup, 136, 16, 24, 16, "5", true},
    {radioId(6), Kind::Radio, kSchemeGroup, 8, 32, 24, 16, "6", true},
    {radioId(7), Kind::Radio, kSchemeGroup, 40, 32, 24, 16, "7", true},
    {radioId(8), Kind::Radio, kSchemeGroup, 72, 32, 24, 16, "8", true},
    {radioId(9), Kind::Radio, kSchemeGroup, 104, 32, 24, 16, "9", true},
    {radioId(10), Kind::Radio, kSchemeGroup, 136, 32, 32, 16, "10", true},
    {slotBoxId(1), Kind::SlotBox, 0, 0, 80, 176, 24, "", false},
    {buttonId(1), Kind::PushButton, 0, 176, 80, 32, 24, kBrowseCaption, false},
    {slotBoxId(2), Kind::SlotBox, 0, 0, 106, 176, 24, "", false},
    {buttonId(2), Kind::PushButton, 0, 176, 106, 32, 24, kBrowseCaption, false},
    {slotBoxId(3), Kind::SlotBox, 0, 0, 132, 176, 24, "", false},
    {buttonId(3), Kind::PushButton, 0, 176, 132, 32, 24, kBrowseCaption, false},
    {slotBoxId(4), Kind::SlotBox, 0, 0, 158, 176, 24, "", false},
    {buttonId(4), Kind::PushButton, 0, 176, 158, 32, 24, kBrowseCaption, false},
    {slotBoxId(5), Kind::SlotBox, 0, 0, 184, 176, 24, "", false},
    {buttonId(5), Kind::PushButton, 0, 176, 184, 32, 24, kBrowseCaption, false},
    {slotBoxId(6), Kind::SlotBox, 0, 0, 210, 176, 24, "", false},
    {buttonId(6), Kind::PushButton, 0, 176, 210, 32, 24, kBrowseCaption, false},
    {slotBoxId(7), Kind::SlotBox, 0, 0, 236, 176, 24, "", false},
    {buttonId(7), Kind::PushButton, 0, 176, 236, 32, 24, kBrowseCaption, false},
    {slotBoxId(8), Kind::SlotBox, 0, 0, 262, 176, 24, "", false},
    {buttonId(8), Kind::PushButton, 0, 176, 262, 32, 24, kBrowseCaption, false},
    {slotBoxId(9), Kind::SlotBox, 0, 0, 288, 176, 24, "", false},
    {buttonId(9), Kind::PushButton, 0, 176, 288, 32, 24, kBrowseCaption, false},
    // The last two rows touch: 312, not 314.
    {slotBoxId(10), Kind::SlotBox, 0, 0, 312, 176, 24, "", false},
    {buttonId(10), Kind::PushButton, 0, 176, 312, 32, 24, kBrowseCaption, false},
    {kHelpButton, Kind::PushButton, 0, 16, 344, 56, 24, "帮助", true},
    {kExitButton, Kind::PushButton, 0, 96, 344, 56, 24, "退出", true},
    {kDockGroup, Kind::GroupBox, 0, 0, 368, 176, 40, "", false},
    {radioId(15), Kind::Radio, kDockGroup, 8, 16, 72, 16, "自动隐藏", true},
    {radioId(16), Kind::Radio, kDockGroup, 112, 16, 48, 16, "显示", true},
    {kContactLabel, Kind::Label, 0, 8, 416, 160, 16, nullptr, false},  // text: the contact line
    {kStatusLabel, Kind::Label, 0, 8, 440, 160, 24, "", false},
};

}  // namespace fdt::layout
