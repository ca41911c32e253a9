// make_icons <folder>: the icon at every size as <folder>/<N>x<N>/apps/verdant.png, the layout
// of the desktop's icon theme folders. Run at build time.
#include <cstdio>
#include <filesystem>
#include <string>

#include "saver/render/icon_image.h"
#include "saver/render/png_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_icons <folder>\n", stderr);
    return 2;
  }
  const std::vector<std::uint32_t> plant = verdant::DrawIconPlant();
  for (int size : verdant::kIconSizes) {
    const std::string side = std::to_string(size);
    const std::filesystem::path folder =
        std::filesystem::path(argv[1]) / (side + "x" + side) / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = (folder / "verdant.png").string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const auto icon = verdant::ShrinkToIcon(plant, verdant::kIconDrawSize, size);
    const bool written = file && verdant::WritePngWithAlpha(file, size, size, icon.data());
    if ((file && std::fclose(file) != 0) || !written) {
      std::fprintf(stderr, "make_icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
