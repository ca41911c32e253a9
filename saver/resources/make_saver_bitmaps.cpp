// Writes the dialog's two bitmaps into the folder given as the only argument.
#include <cstdio>
#include <fstream>
#include <string>

#include "saver/resources/saver_bitmaps.h"

namespace {

bool Write(const std::string& path, const verdant::Bitmap16& bitmap) {
  auto bytes = verdant::EncodeBmp(bitmap);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_saver_bitmaps <folder>\n");
    return 1;
  }
  std::string folder = argv[1];
  bool ok = Write(folder + "/ssbkg.bmp", verdant::MakeBackgroundTile()) &&
            Write(folder + "/crestmark.bmp", verdant::MakeCrestMark());
  if (!ok) std::fprintf(stderr, "make_saver_bitmaps: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
