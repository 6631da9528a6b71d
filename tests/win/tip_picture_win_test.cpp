// The tip's picture: body, border, margins, shadow and plain text.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "platform/tip_picture_win.h"

namespace fdt {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kBackground = 0xFFFFFFE1u;  // RGB 255, 255, 225, opaque
constexpr std::uint32_t kShadow = 0x99000000u;      // black at 60 of 100
constexpr std::uint32_t kClear = 0u;

class TipPictureTest : public ::testing::Test {
 protected:
  void TearDown() override { DeleteObject(font); }

  SIZE textExtent(const char* text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
  }

  HFONT font = createTipFont();
};

TEST_F(TipPictureTest, FontIsNinePointSongtiOrVerdana) {
  ASSERT_NE(font, nullptr);
  LOGFONTA info{};
  ASSERT_NE(GetObjectA(font, sizeof(info), &info), 0);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(info.lfHeight, -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72));
  ReleaseDC(nullptr, screen);
  const std::string face = info.lfFaceName;
  EXPECT_TRUE(face == "宋体" || face == "Verdana") << face;
}

TEST_F(TipPictureTest, BodyIsTextWithMarginsAndBorderShadowOutside) {
  TipPicture picture("C:\\", font);
  ASSERT_TRUE(picture.valid());
  const SIZE text = textExtent("C:\\");
  const SIZE body = picture.bodySize();
  EXPECT_EQ(body.cx, text.cx + 12);
  EXPECT_EQ(body.cy, text.cy + 12);
  EXPECT_EQ(picture.size().cx, body.cx + 5);
  EXPECT_EQ(picture.size().cy, body.cy + 3);

  struct Probe {
    const char* where;
    int x;
    int y;
    std::uint32_t expected;
  };
  const Probe probes[] = {
      {"top-left border", 0, 0, kBlack},
      {"bottom-right border", body.cx - 1, body.cy - 1, kBlack},
      {"left margin", 1, body.cy / 2, kBackground},
      {"top margin", body.cx / 2, 5, kBackground},
      {"right margin", body.cx - 2, body.cy / 2, kBackground},
      {"shadow right of body", body.cx + 4, body.cy / 2, kShadow},
      {"shadow below body", body.cx / 2, body.cy + 2, kShadow},
      {"above the shadow", body.cx + 2, 2, kClear},
      {"left of the shadow", 4, body.cy + 1, kClear},
  };
  for (const Probe& probe : probes)
    EXPECT_EQ(picture.pixel(probe.x, probe.y), probe.expected) << probe.where;
}

TEST_F(TipPictureTest, TextIsDrawnInBlackInsideTheMargins) {
  TipPicture picture("W", font);
  ASSERT_TRUE(picture.valid());
  const SIZE body = picture.bodySize();
  int inkInside = 0;
  for (int y = 6; y < body.cy - 6; ++y)
    for (int x = 6; x < body.cx - 6; ++x) inkInside += picture.pixel(x, y) == kBlack;
  EXPECT_GT(inkInside, 0);
}

TEST_F(TipPictureTest, AmpersandIsPlainText) {
  TipPicture picture("D:\\a&b", font);
  EXPECT_EQ(picture.bodySize().cx, textExtent("D:\\a&b").cx + 12);
}

}  // namespace
}  // namespace fdt
