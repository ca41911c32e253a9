#pragma once
// A 32-bit top-down DIB section selected into a memory context: what GDI paints there can be
// read back pixel by pixel (0x00RRGGBB), as the software surface stores its frame.
#include <windows.h>

#include <cstdint>
#include <cstring>

namespace verdant::testing {

class DibCanvas {
 public:
  DibCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (dc_ && bitmap_) previous_ = ::SelectObject(dc_, bitmap_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  ~DibCanvas() {
    if (previous_) ::SelectObject(dc_, previous_);
    if (bitmap_) ::DeleteObject(bitmap_);
    if (dc_) ::DeleteDC(dc_);
  }

  bool Ready() const { return previous_ != nullptr; }
  HDC Dc() const { return dc_; }
  void Clear() { std::memset(bits_, 0, std::size_t(width_) * height_ * 4); }
  // The pixels once GDI has finished drawing.
  const std::uint32_t* Pixels() const {
    ::GdiFlush();
    return static_cast<const std::uint32_t*>(bits_);
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace verdant::testing
