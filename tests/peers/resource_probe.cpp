// resource_probe <program>: what Windows reads of a program's resources, one line each:
// string 1, the manifest's size and its settings, the version strings, the icon at 32 and 256
// pixels. Loads the program as data, so nothing of it runs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Manifest(HMODULE module) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const char* text = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
  return text ? std::string(text, ::SizeofResource(module, found)) : std::string();
}

std::string VersionString(const std::vector<char>& info, const char* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!::VerQueryValueA(info.data(), path.c_str(), &value, &length) || length == 0) return "-";
  return static_cast<const char*>(value);
}

// The size of the picture LoadImageA picks for `side`, or 0x0 when there is none.
std::string IconSize(HMODULE module, int side) {
  HICON icon = static_cast<HICON>(
      ::LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
  ICONINFO parts{};
  BITMAP bitmap{};
  if (icon && ::GetIconInfo(icon, &parts)) {
    ::GetObjectA(parts.hbmColor ? parts.hbmColor : parts.hbmMask, sizeof bitmap, &bitmap);
    if (parts.hbmColor) ::DeleteObject(parts.hbmColor);
    ::DeleteObject(parts.hbmMask);
  }
  if (icon) ::DestroyIcon(icon);
  return std::to_string(bitmap.bmWidth) + "x" + std::to_string(bitmap.bmHeight);
}

bool Has(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: resource_probe <program>\n", stderr);
    return 2;
  }
  HMODULE module = ::LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) {
    std::printf("cannot load %s: %lu\n", argv[1], ::GetLastError());
    return 1;
  }
  char name[64] = "";
  ::LoadStringA(module, 1, name, sizeof name);
  std::printf("string 1: %s\n", name);
  const std::string manifest = Manifest(module);
  std::printf("manifest: %s, asInvoker %d, Windows 10 %d, dpiAware %d, PerMonitorV2 %d\n",
              manifest.empty() ? "none" : "present", Has(manifest, "level=\"asInvoker\""),
              Has(manifest, "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"),
              Has(manifest, ">true</dpiAware>"), Has(manifest, ">PerMonitorV2"));
  DWORD handle = 0;
  std::vector<char> info(::GetFileVersionInfoSizeA(argv[1], &handle));
  if (info.empty() || !::GetFileVersionInfoA(argv[1], 0, DWORD(info.size()), info.data())) {
    std::puts("version: none");
  } else {
    std::printf("version: %s; %s; %s; %s\n", VersionString(info, "FileVersion").c_str(),
                VersionString(info, "ProductName").c_str(),
                VersionString(info, "FileDescription").c_str(),
                VersionString(info, "OriginalFilename").c_str());
  }
  std::printf("icon: %s, %s\n", IconSize(module, 32).c_str(), IconSize(module, 256).c_str());
  ::FreeLibrary(module);
  return 0;
}
