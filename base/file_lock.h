#pragma once
// An exclusive lock between processes over a file that is replaced by rename, and so cannot be
// locked itself: the lock is taken on a lock file beside it, which is removed when released so
// that nothing is left beside the file. POSIX only (flock).
#include <filesystem>

namespace base {

class FileLock {
 public:
  // Waits for the lock on `lock_path`, creating the file. Not Held when the file cannot be
  // created or opened there (a folder that may not be written, a folder of that name).
  explicit FileLock(const std::filesystem::path& lock_path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return fd_ >= 0; }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
};

}  // namespace base
