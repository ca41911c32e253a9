#pragma once
// A file written in full or not at all. The new content goes to a fresh file beside the
// target, which takes the target's place only on Commit; a replacement that is not committed
// removes its fresh file, so a failed or interrupted write leaves the target as it was and
// nothing beside it.
#include <filesystem>
#include <string_view>

namespace base {

class FileReplacement {
 public:
  // Follows a symbolic link to the file it names. Not Ready when the target exists but is not
  // a regular file or may not be written, or when no fresh file can be made beside it.
  explicit FileReplacement(const std::filesystem::path& target);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  bool Ready() const { return !fresh_.empty(); }
  // The fresh file, created empty, to be opened, written and closed by the caller.
  const std::filesystem::path& Path() const { return fresh_; }
  // Gives the fresh file the target's permissions and renames it over the target; false (and
  // the fresh file removed) on failure.
  bool Commit();

 private:
  std::filesystem::path target_;
  std::filesystem::path fresh_;
  bool target_exists_ = false;
};

// The target replaced by `text`; false, with the target untouched, on any failure.
bool ReplaceFileContents(const std::filesystem::path& target, std::string_view text);

}  // namespace base
