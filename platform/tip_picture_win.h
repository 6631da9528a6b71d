// The tip window's picture, for a layered window: the body (background,
// border, margins and text) with its drop shadow, in premultiplied 32-bit
// pixels. The text is plain text: '&' is drawn, never taken as a mnemonic.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace fdt {

inline constexpr COLORREF kTipBackground = RGB(255, 255, 225);
inline constexpr COLORREF kTipInk = RGB(0, 0, 0);  // border and text
inline constexpr int kTipBorder = 1;
inline constexpr int kTipMargin = 5;
inline constexpr int kTipShadowRight = 5;
inline constexpr int kTipShadowDown = 3;
inline constexpr int kTipShadowDarkness = 60;  // of 100

// 9-point 宋体, or Verdana where 宋体 is not installed. The caller deletes it.
HFONT createTipFont();

class TipPicture {
 public:
  TipPicture(const std::string& text, HFONT font);
  ~TipPicture();
  TipPicture(const TipPicture&) = delete;
  TipPicture& operator=(const TipPicture&) = delete;

  bool valid() const { return bits_ != nullptr; }
  // A memory DC holding the picture, for UpdateLayeredWindow.
  HDC dc() const { return dc_; }
  SIZE bodySize() const { return body_; }
  // The body and its shadow.
  SIZE size() const { return size_; }
  // Premultiplied: alpha in the top byte, then red, green, blue.
  std::uint32_t pixel(int x, int y) const { return bits_[y * size_.cx + x]; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  SIZE body_{};
  SIZE size_{};
};

}  // namespace fdt
