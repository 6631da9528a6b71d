// Fixed texts of the help window, and the project's own contact line and web
// pages (the panel's contact label shows the same line).
#pragma once

namespace fdt::texts {

inline constexpr char kHelpTitle[] = "帮助";

// Spelled once, for the label and inside the usage text alike; short enough
// for the panel's 160-pixel contact label in the default GUI font.
#define FDT_CONTACT_LINE "feidangtong.example.org"
inline constexpr char kContactLine[] = FDT_CONTACT_LINE;
inline constexpr char kHomePage[] = "https://feidangtong.example.org/";
inline constexpr char kBlogPage[] = "https://feidangtong.example.org/changelog";

// The usage text: lines joined by CR LF, none after the last. The contact
// line is indented by eleven spaces and followed by three.
inline constexpr char kHelpText[] =
    "                 飞档通V4.0\r\n"
    "功能，使用方法：\r\n"
    "\r\n"
    "1.注意：软件界面隐藏在屏幕左侧，鼠标移动到屏幕左侧，软件界面弹出！\r\n"
    "\r\n"
    "2.文件夹，目录管理：可以管理100个文件夹，第一次使用请先点击上方“配置”按钮，设置相应的文件夹，"
    "然后点击“完成”即可完成配置！左键单击相应目录，即可打开目录，可以快速切换到不同的文件夹！\r\n"
    "\r\n"
    "3.文件（夹）快速“复制”或“移动”功能！“拖放文件或文件夹”到“指定设置目录”，"
    "即可完成“复制”或“移动”文件或文件夹到指定目录！\r\n"
    "\r\n"
    "           " FDT_CONTACT_LINE "   ";
#undef FDT_CONTACT_LINE

}  // namespace fdt::texts
