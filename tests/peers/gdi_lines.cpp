// gdi_lines: every line probe drawn by GDI through the saver's own GDI surface into a 32-bit DIB
// section, one line of painted pixels each on standard output.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "saver/surface/win32/gdi_surface.h"
#include "tests/saver/surface/line_probes.h"

int main() {
  using namespace verdant::testing;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kProbeSquare;
  info.bmiHeader.biHeight = -kProbeSquare;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dc || !bitmap) return 1;
  HGDIOBJ previous = ::SelectObject(dc, bitmap);
  auto* pixels = static_cast<const std::uint32_t*>(bits);
  verdant::GdiSurface surface(dc);
  for (const LineProbe& probe : LineProbes()) {
    std::memset(bits, 0, kProbeSquare * kProbeSquare * 4);
    DrawProbe(surface, probe);
    ::GdiFlush();
    std::vector<std::pair<int, int>> painted;
    for (int y = 0; y < kProbeSquare; ++y) {
      for (int x = 0; x < kProbeSquare; ++x) {
        if (pixels[y * kProbeSquare + x] & 0xFFFFFF) painted.push_back({x, y});
      }
    }
    std::puts(ProbeLine(probe, painted).c_str());
  }
  ::SelectObject(dc, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return 0;
}
