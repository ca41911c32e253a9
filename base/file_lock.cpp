#include "base/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace base {
namespace {

// Whether the open file is still the one the path names: a holder removes the file before it
// lets go, so a waiter may wake up holding a lock on a file nobody else will look at.
bool StillNamed(int fd, const std::filesystem::path& path) {
  struct stat held;
  struct stat named;
  return fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& lock_path) : path_(lock_path) {
  while (true) {
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return;
    int locked;
    do {
      locked = flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0 && StillNamed(fd, path_)) {
      fd_ = fd;
      return;
    }
    close(fd);
    if (locked != 0) return;
  }
}

FileLock::~FileLock() {
  if (!Held()) return;
  // Removed while still held, so that no newcomer can lock this file once it is let go.
  unlink(path_.c_str());
  close(fd_);
}

}  // namespace base
