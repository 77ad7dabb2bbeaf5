// POSIX side of the atomic file replacement.
#ifndef _WIN32

#include "store/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "store/ZIniReader.h"

namespace atomic_file {

std::string SystemReason(int err) {
  std::string text = std::generic_category().message(err);
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

namespace {

// The file a save replaces: the target of a symbolic link (followed through
// every level), else the path itself.
std::filesystem::path ResolveSaveTarget(const std::filesystem::path& path) {
  std::filesystem::path target = path;
  std::error_code ec;
  for (int depth = 0; depth < 40; ++depth) {
    if (!std::filesystem::is_symlink(target, ec)) break;
    std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

}  // namespace

PendingFile::PendingFile(const std::filesystem::path& path, std::string_view bytes)
    : path_(path), target_(ResolveSaveTarget(path)) {
  const std::string name = path.string();
  std::filesystem::path dir = target_.parent_path();
  if (dir.empty()) dir = ".";

  // An existing file that cannot be written stays as it is, as a plain
  // overwrite would have been refused too.
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode))
    throw FileError(FileError::Kind::Create, name, SystemReason(EISDIR));
  if (exists && ::access(target_.c_str(), W_OK) != 0)
    throw FileError(FileError::Kind::Create, name, SystemReason(errno));

  // The temporary file: a hidden name beside the target, «.quib.cfg.XXXXXX».
  std::string leaf(1, '.');
  leaf.append(target_.filename().string()).append(".XXXXXX");
  std::string tempName = (dir / leaf).string();
  const int fd = ::mkstemp(tempName.data());
  if (fd < 0) throw FileError(FileError::Kind::Create, name, SystemReason(errno));

  auto fail = [&](int err) {
    ::close(fd);
    ::unlink(tempName.c_str());
    throw FileError(FileError::Kind::Create, name, SystemReason(err));
  };

  mode_t mode;
  if (exists) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) fail(errno);
  if (exists) {
    // Keeps the group where we are allowed to; failing to is no error.
    [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
  }

  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t wrote = ::write(fd, data, left);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    data += wrote;
    left -= static_cast<std::size_t>(wrote);
  }
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tempName.c_str());
    throw FileError(FileError::Kind::Create, name, SystemReason(err));
  }
  temp_ = tempName;
}

PendingFile::~PendingFile() { Discard(); }

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      temp_(std::exchange(other.temp_, {})) {}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this != &other) {
    Discard();
    path_ = std::move(other.path_);
    target_ = std::move(other.target_);
    temp_ = std::exchange(other.temp_, {});
  }
  return *this;
}

void PendingFile::Commit() {
  if (temp_.empty()) return;
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    const int err = errno;
    Discard();
    throw FileError(FileError::Kind::Create, path_.string(), SystemReason(err));
  }
  temp_.clear();
}

void PendingFile::Discard() noexcept {
  if (temp_.empty()) return;
  ::unlink(temp_.c_str());
  temp_.clear();
}

}  // namespace atomic_file

#endif  // !_WIN32
