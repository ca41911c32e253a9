#include "base/file_replacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#ifndef O_BINARY
#define O_BINARY 0
#endif

namespace base {
namespace fs = std::filesystem;
namespace {

// The file a chain of symbolic links ends at, which need not exist yet.
fs::path FollowLinks(fs::path path) {
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
    const fs::path link = fs::read_symlink(path, error);
    if (error) break;
    path = path.parent_path() / link;  // an absolute link replaces the whole path
  }
  return path;
}

// Creates a file of a name nobody else holds beside `target`, so no other file is overwritten.
fs::path MakeFreshFile(const fs::path& target) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path fresh = target;
    fresh += '.';
    fresh += std::to_string(getpid());
    fresh += '-';
    fresh += std::to_string(attempt);
    fresh += ".tmp";
    const int fd = open(fresh.string().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
    if (fd >= 0) {
      close(fd);
      return fresh;
    }
    if (errno != EEXIST) break;
  }
  return {};
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& target) : target_(FollowLinks(target)) {
  std::error_code error;
  const fs::file_status status = fs::status(target_, error);
  target_exists_ = fs::exists(status);
  // Renaming over a file the user may not write would get round its protection.
  if (target_exists_ &&
      (!fs::is_regular_file(status) || access(target_.string().c_str(), W_OK) != 0)) {
    return;
  }
  fresh_ = MakeFreshFile(target_);
}

FileReplacement::~FileReplacement() {
  std::error_code error;
  if (Ready()) fs::remove(fresh_, error);
}

bool FileReplacement::Commit() {
  if (!Ready()) return false;
  std::error_code error;
  if (target_exists_) {
    const fs::perms mode = fs::status(target_, error).permissions();
    if (!error) fs::permissions(fresh_, mode, error);
  }
  if (!error) fs::rename(fresh_, target_, error);
  if (error) return false;
  fresh_.clear();
  return true;
}

bool ReplaceFileContents(const fs::path& target, std::string_view text) {
  FileReplacement replacement(target);
  if (!replacement.Ready()) return false;
  {
    std::ofstream out(replacement.Path(), std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) return false;
  }
  return replacement.Commit();
}

}  // namespace base
