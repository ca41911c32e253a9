#pragma once
// The final frame as a PNG file (8-bit RGB). Built with libpng where it is at hand; the
// Windows build goes without.
#include <cstdint>
#include <cstdio>

namespace verdant {

bool PngOutputAvailable();

// Writes XRGB pixels (0x00RRGGBB, `stride` pixels from row to row); false on failure.
bool WritePng(std::FILE* file, int width, int height, const std::uint32_t* pixels, int stride);

// Writes ARGB pixels (0xAARRGGBB, not premultiplied, row after row) as 8-bit RGBA; false on
// failure.
bool WritePngWithAlpha(std::FILE* file, int width, int height, const std::uint32_t* pixels);

}  // namespace verdant
