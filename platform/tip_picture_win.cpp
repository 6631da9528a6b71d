#include "platform/tip_picture_win.h"

#include <algorithm>
#include <cstring>

namespace fdt {
namespace {

constexpr int kTipFontPoints = 9;
constexpr int kPointsPerInch = 72;
constexpr char kTipFace[] = "宋体";
constexpr char kTipFallbackFace[] = "Verdana";
constexpr UINT kTextFormat = DT_NOPREFIX | DT_EXPANDTABS;
constexpr std::uint32_t kOpaque = 0xFF000000u;
// Black at the shadow's darkness; premultiplied, so the colour stays 0.
constexpr std::uint32_t kShadowPixel = static_cast<std::uint32_t>(255 * kTipShadowDarkness / 100)
                                       << 24;

HFONT createFont(const char* face, int height) {
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

// The font mapper always finds some font; only the face it chose tells
// whether the one asked for is there.
bool gotFace(HDC dc, HFONT font, const char* face) {
  HGDIOBJ old = SelectObject(dc, font);
  char actual[LF_FACESIZE] = {};
  GetTextFaceA(dc, LF_FACESIZE, actual);
  SelectObject(dc, old);
  return std::strcmp(actual, face) == 0;
}

}  // namespace

HFONT createTipFont() {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(kTipFontPoints, GetDeviceCaps(screen, LOGPIXELSY), kPointsPerInch);
  HFONT font = createFont(kTipFace, height);
  if (font != nullptr && !gotFace(screen, font, kTipFace)) {
    DeleteObject(font);
    font = createFont(kTipFallbackFace, height);
  }
  ReleaseDC(nullptr, screen);
  return font;
}

TipPicture::TipPicture(const std::string& text, HFONT font) {
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ == nullptr) return;
  HGDIOBJ oldFont = SelectObject(dc_, font);
  RECT textRect{0, 0, 0, 0};
  DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &textRect, kTextFormat | DT_CALCRECT);
  const int inset = kTipBorder + kTipMargin;
  body_ = {textRect.right + 2 * inset, textRect.bottom + 2 * inset};
  size_ = {body_.cx + kTipShadowRight, body_.cy + kTipShadowDown};

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size_.cx;
  info.bmiHeader.biHeight = -size_.cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap_ == nullptr) {
    SelectObject(dc_, oldFont);
    return;
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  oldBitmap_ = SelectObject(dc_, bitmap_);

  std::fill(bits_, bits_ + size_.cx * size_.cy, 0u);
  for (int y = kTipShadowDown; y < size_.cy; ++y)
    std::fill(bits_ + y * size_.cx + kTipShadowRight, bits_ + (y + 1) * size_.cx, kShadowPixel);

  RECT bodyRect{0, 0, body_.cx, body_.cy};
  HBRUSH background = CreateSolidBrush(kTipBackground);
  HBRUSH ink = CreateSolidBrush(kTipInk);
  FillRect(dc_, &bodyRect, background);
  FrameRect(dc_, &bodyRect, ink);
  DeleteObject(background);
  DeleteObject(ink);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, kTipInk);
  RECT inner{inset, inset, body_.cx - inset, body_.cy - inset};
  DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &inner, kTextFormat);
  GdiFlush();
  // GDI does not keep the alpha byte of the pixels it draws.
  for (int y = 0; y < body_.cy; ++y)
    for (int x = 0; x < body_.cx; ++x) bits_[y * size_.cx + x] |= kOpaque;
  SelectObject(dc_, oldFont);
}

TipPicture::~TipPicture() {
  if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

}  // namespace fdt
