#include "saver/resources/saver_bitmaps.h"

#include <cmath>
#include <numbers>

namespace verdant {
namespace {

enum Color : std::uint8_t {
  kBlack,
  kWhite,
  kPaleSky,
  kSky,
  kSun,
  kLightGreen,
  kGreen,
  kDarkGreen,
  kDeepGreen,
  kBrown,
  kGold,
  kPink,
  kRed,
  kGrey,
  kCyan,
  kBlue
};

constexpr std::array<Rgb, 16> kCrestPalette = {{{0, 0, 0},
                                                {255, 255, 255},
                                                {214, 238, 255},
                                                {160, 212, 250},
                                                {255, 226, 96},
                                                {160, 214, 112},
                                                {74, 164, 64},
                                                {24, 104, 44},
                                                {10, 62, 30},
                                                {112, 72, 32},
                                                {222, 172, 44},
                                                {242, 150, 192},
                                                {204, 40, 64},
                                                {128, 128, 128},
                                                {0, 255, 255},
                                                {0, 0, 255}}};

void Disc(Bitmap16& b, double cx, double cy, double r, std::uint8_t color) {
  for (int y = static_cast<int>(cy - r); y <= static_cast<int>(cy + r) + 1; ++y) {
    for (int x = static_cast<int>(cx - r); x <= static_cast<int>(cx + r) + 1; ++x) {
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) b.Set(x, y, color);
    }
  }
}

// A line of round dots, thick enough for a stem at this size.
void Stroke(Bitmap16& b, double x0, double y0, double x1, double y1, double r, std::uint8_t color) {
  int steps = static_cast<int>(std::hypot(x1 - x0, y1 - y0) * 2) + 1;
  for (int i = 0; i <= steps; ++i) {
    double t = static_cast<double>(i) / steps;
    Disc(b, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, r, color);
  }
}

// Everything below the curve y = base + amplitude * sin(x * frequency + phase).
void Hill(Bitmap16& b, double base, double amplitude, double frequency, double phase,
          std::uint8_t color) {
  for (int x = 0; x < b.width; ++x) {
    int top = static_cast<int>(base + amplitude * std::sin(x * frequency + phase));
    for (int y = top; y < b.height; ++y) b.Set(x, y, color);
  }
}

// A frond rising along a bent stem, its leaflets shrinking towards the tip.
void Fern(Bitmap16& b, double x, double y, double length, double lean) {
  constexpr int kSegments = 14;
  double angle = -std::numbers::pi / 2 + lean;
  double step = length / kSegments;
  for (int i = 0; i < kSegments; ++i) {
    double nx = x + step * std::cos(angle);
    double ny = y + step * std::sin(angle);
    Stroke(b, x, y, nx, ny, 1.4, kDeepGreen);
    double leaf = step * 2.6 * (1.0 - static_cast<double>(i) / kSegments);
    for (double side : {-1.0, 1.0}) {
      double a = angle + side * 1.1;
      Stroke(b, nx, ny, nx + leaf * std::cos(a), ny + leaf * std::sin(a), 1.1, kDarkGreen);
    }
    x = nx;
    y = ny;
    angle += 0.045;
  }
}

void Flower(Bitmap16& b, double x, double y) {
  for (int k = 0; k < 5; ++k) {
    double a = k * 2 * std::numbers::pi / 5;
    Disc(b, x + 3 * std::cos(a), y + 3 * std::sin(a), 2, kPink);
  }
  Disc(b, x, y, 1.5, kSun);
}

void Frame(Bitmap16& b) {
  for (int i = 0; i < 3; ++i) {
    for (int x = i; x < b.width - i; ++x) {
      b.Set(x, i, kDeepGreen);
      b.Set(x, b.height - 1 - i, kDeepGreen);
    }
    for (int y = i; y < b.height - i; ++y) {
      b.Set(i, y, kDeepGreen);
      b.Set(b.width - 1 - i, y, kDeepGreen);
    }
  }
}

}  // namespace

Bitmap16 MakeBackgroundTile() {
  Bitmap16 tile(8, 8, 0);
  tile.palette = kCrestPalette;
  tile.palette[0] = {0, 255, 255};
  tile.palette[1] = {0, 0, 255};
  for (int y = 1; y < 8; y += 2) {
    for (int x = 1; x < 8; x += 2) tile.Set(x, y, 1);
  }
  return tile;
}

Bitmap16 MakeCrestMark() {
  Bitmap16 crest(200, 150, kPaleSky);
  crest.palette = kCrestPalette;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < crest.width; ++x) crest.Set(x, y, (x + y) % 2 ? kSky : kPaleSky);
  }
  Disc(crest, 168, 104, 14, kSun);
  Hill(crest, 118, 6, 0.045, 0.5, kLightGreen);
  Hill(crest, 130, 5, 0.06, 2.0, kGreen);
  Stroke(crest, 150, 146, 150, 122, 2, kBrown);
  Disc(crest, 150, 116, 12, kDarkGreen);
  Flower(crest, 144, 112);
  Flower(crest, 156, 119);
  Fern(crest, 46, 148, 84, 0.2);
  Fern(crest, 70, 148, 56, 0.6);
  Fern(crest, 28, 148, 50, -0.45);
  Frame(crest);
  return crest;
}

}  // namespace verdant
