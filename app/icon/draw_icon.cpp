// Draws the program's icon, an open yellow folder on a glossy blue disc, as a
// Windows .ico with 48, 32 and 16 pixel images in 32-bit colour with alpha.
// Built and run on the build machine; usage: draw_icon OUTPUT.ico
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Colour {
  double r, g, b, a;  // straight alpha, 0..1
};

Colour over(Colour top, Colour below) {
  const double a = top.a + below.a * (1 - top.a);
  if (a <= 0) return {0, 0, 0, 0};
  auto mix = [&](double t, double u) { return (t * top.a + u * below.a * (1 - top.a)) / a; };
  return {mix(top.r, below.r), mix(top.g, below.g), mix(top.b, below.b), a};
}

bool inRect(double x, double y, double l, double t, double r, double b) { return x >= l && x <= r && y >= t && y <= b; }

// Open flap of the folder: a quadrilateral leaning to the right.
bool inFlap(double x, double y) {
  const double top = 0.47, bottom = 0.74;
  if (y < top || y > bottom) return false;
  const double k = (y - top) / (bottom - top);
  const double left = 0.32 - 0.10 * k, right = 0.86 - 0.08 * k;
  return x >= left && x <= right;
}

// The picture at one point of the unit square (y downwards).
Colour sample(double x, double y) {
  Colour c{0, 0, 0, 0};
  const double dx = x - 0.5, dy = y - 0.5, d = std::sqrt(dx * dx + dy * dy);
  if (d <= 0.48) {
    const double t = y;  // darker towards the bottom
    c = {(90 - 80 * t) / 255, (165 - 110 * t) / 255, (255 - 80 * t) / 255, 1};
    if (d > 0.445) c = {0.0, 0.16, 0.47, 1};  // rim
    const double gx = (x - 0.5) / 0.34, gy = (y - 0.27) / 0.17;
    if (gx * gx + gy * gy <= 1) c = over({1, 1, 1, 0.55 * (1 - (y - 0.10) / 0.35)}, c);
  }
  if (inRect(x, y, 0.22, 0.27, 0.46, 0.36)) c = over({0.78, 0.55, 0.05, 1}, c);  // tab
  if (inRect(x, y, 0.22, 0.32, 0.78, 0.74)) c = over({0.85, 0.62, 0.08, 1}, c);  // back
  if (inFlap(x, y)) {
    const bool edge = !inFlap(x - 0.025, y) || !inFlap(x + 0.025, y) || !inFlap(x, y - 0.025) || !inFlap(x, y + 0.025);
    c = over(edge ? Colour{0.80, 0.55, 0.05, 1} : Colour{1.0, 0.85, 0.30, 1}, c);
  }
  return c;
}

std::vector<std::uint8_t> renderBgra(int size) {
  constexpr int kSub = 4;  // 4 x 4 samples a pixel smooth the edges
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size * 4);
  for (int row = 0; row < size; ++row) {
    for (int col = 0; col < size; ++col) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSub; ++sy)
        for (int sx = 0; sx < kSub; ++sx) {
          Colour c = sample((col + (sx + 0.5) / kSub) / size, (row + (sy + 0.5) / kSub) / size);
          r += c.r * c.a; g += c.g * c.a; b += c.b * c.a; a += c.a;
        }
      const int bottomUp = size - 1 - row;
      std::uint8_t* p = &pixels[(static_cast<std::size_t>(bottomUp) * size + col) * 4];
      auto byte = [](double v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
      p[0] = byte(a > 0 ? b / a : 0);
      p[1] = byte(a > 0 ? g / a : 0);
      p[2] = byte(a > 0 ? r / a : 0);
      p[3] = byte(a / (kSub * kSub));
    }
  }
  return pixels;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); }
void put32(std::vector<std::uint8_t>& out, unsigned v) { put16(out, v & 0xFFFF); put16(out, v >> 16); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_icon OUTPUT.ico\n");
    return 2;
  }
  const int sizes[] = {48, 32, 16};
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : sizes) {
    std::vector<std::uint8_t> image;
    const unsigned maskRow = ((size + 31) / 32) * 4;
    put32(image, 40); put32(image, size); put32(image, size * 2);  // colour and mask rows
    put16(image, 1); put16(image, 32); put32(image, 0);
    put32(image, size * size * 4 + maskRow * size);
    for (int i = 0; i < 4; ++i) put32(image, 0);
    std::vector<std::uint8_t> pixels = renderBgra(size);
    image.insert(image.end(), pixels.begin(), pixels.end());
    image.insert(image.end(), maskRow * size, 0);  // alpha decides; the mask stays clear
    images.push_back(image);
  }
  std::vector<std::uint8_t> file;
  put16(file, 0); put16(file, 1); put16(file, static_cast<unsigned>(images.size()));
  unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<std::uint8_t>(sizes[i])); file.push_back(static_cast<std::uint8_t>(sizes[i]));
    file.push_back(0); file.push_back(0);
    put16(file, 1); put16(file, 32);
    put32(file, static_cast<unsigned>(images[i].size())); put32(file, offset);
    offset += static_cast<unsigned>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  FILE* out = std::fopen(argv[1], "wb");
  if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
