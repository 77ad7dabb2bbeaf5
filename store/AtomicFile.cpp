// POSIX side of the atomic file replacement.
#ifndef _WIN32

#include "store/AtomicFile.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "store/ZIniReader.h"

namespace atomic_file {

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

// Writes all of bytes at offset; returns 0 or the error number.
int WriteAllAt(int fd, std::string_view bytes, off_t offset) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t wrote = ::pwrite(fd, data, left, offset);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += wrote;
    left -= static_cast<std::size_t>(wrote);
    offset += wrote;
  }
  return 0;
}

// Puts bytes into the open file from its start and cuts it to their length,
// flushed to the disk; returns 0 or the error number.
int Overwrite(int fd, std::string_view bytes) {
  if (const int err = WriteAllAt(fd, bytes, 0); err != 0) return err;
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
  if (::fsync(fd) != 0) return errno;
  return 0;
}

const char kNotRegularReason[] = "It is not a regular file.";

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
  if (exists && !S_ISREG(existing.st_mode))
    throw FileError(FileError::Kind::Create, name, kNotRegularReason);
  if (exists && ::access(target_.c_str(), W_OK) != 0)
    throw FileError(FileError::Kind::Create, name, SystemReason(errno));

  // The temporary file: a hidden name beside the target, «.quib.cfg.XXXXXX».
  std::string leaf(1, '.');
  leaf.append(target_.filename().string()).append(".XXXXXX");
  std::string tempName = (dir / leaf).string();
  const int fd = ::mkstemp(tempName.data());
  if (fd < 0) throw FileError(FileError::Kind::Create, name, SystemReason(errno));

  auto fail = [&](int err, const std::string& reason = {}) {
    ::close(fd);
    ::unlink(tempName.c_str());
    throw FileError(FileError::Kind::Create, name, reason.empty() ? SystemReason(err) : reason);
  };

  // A replacement must be the old file's equal: same owner and group (the
  // owner first, since a change of owner clears the set-id bits), same mode.
  // When the file has other hard links, or the temporary file cannot be given
  // its owner and group, the file is written in place instead.
  bool inPlace = exists && existing.st_nlink > 1;
  if (exists && !inPlace) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
      // Not allowed to give the file away: fine when it is ours already, and
      // keeping its group may still be allowed.
      [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    }
    struct stat made {};
    if (::fstat(fd, &made) != 0) fail(errno);
    inPlace = made.st_uid != existing.st_uid || made.st_gid != existing.st_gid;
  }

  if (inPlace) {
    // The temporary file becomes the copy of the old contents, private to
    // whoever saves (mkstemp made it so); the new bytes wait in memory.
    std::string old;
    try {
      old = ReadFileBytes(target_);
    } catch (const FileError& error) {
      fail(0, error.reason());
    }
    if (const int err = WriteAllAt(fd, old, 0); err != 0) fail(err);
    if (::fsync(fd) != 0) fail(errno);
    // The new contents must fit: within the size limit of the process, and
    // on the disk (reserved without changing the file; a file system that
    // cannot reserve is trusted).
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        bytes.size() > limit.rlim_cur)
      fail(EFBIG);
#ifdef __linux__
    if (bytes.size() > old.size()) {
      const int target = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (target < 0) fail(errno);
      const int reserved =
          ::fallocate(target, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size()));
      const int err = errno;
      ::close(target);
      if (reserved != 0 && err != EOPNOTSUPP && err != ENOSYS) fail(err);
    }
#endif
    if (::close(fd) != 0) {
      const int err = errno;
      ::unlink(tempName.c_str());
      throw FileError(FileError::Kind::Create, name, SystemReason(err));
    }
    inPlace_ = true;
    bytes_.assign(bytes);
    temp_ = tempName;
    return;
  }

  mode_t mode;
  if (exists) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) fail(errno);

  if (const int err = WriteAllAt(fd, bytes, 0); err != 0) fail(err);
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tempName.c_str());
    throw FileError(FileError::Kind::Create, name, SystemReason(err));
  }
  temp_ = tempName;
}

PendingFile::~PendingFile() { Discard(); }

void PendingFile::Commit() {
  if (temp_.empty()) return;
  if (!inPlace_) {
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
      const int err = errno;
      Discard();
      throw FileError(FileError::Kind::Create, path_.string(), SystemReason(err));
    }
    temp_.clear();
    // The new name reaches the disk with the folder; the file is replaced
    // whether or not that flush works.
    std::filesystem::path dir = target_.parent_path();
    if (dir.empty()) dir = ".";
    const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
      ::fsync(folder);
      ::close(folder);
    }
    return;
  }

  // Written in place: on failure the old contents go back from the copy.
  int fd = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat info {};
  int err = fd < 0 ? errno : ::fstat(fd, &info) != 0 ? errno : 0;
  if (err != 0 || !S_ISREG(info.st_mode)) {
    // Nothing was written yet.
    if (fd >= 0) ::close(fd);
    Discard();
    throw FileError(FileError::Kind::Create, path_.string(),
                    err != 0 ? SystemReason(err) : kNotRegularReason);
  }
  err = Overwrite(fd, bytes_);
  if (err == 0) {
    const int closed = ::close(fd);
    fd = -1;
    if (closed == 0) {
      Discard();
      return;
    }
    err = errno;
  }
  bool restored = false;
  try {
    const std::string old = ReadFileBytes(temp_);
    if (fd < 0) fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    restored = fd >= 0 && Overwrite(fd, old) == 0;
  } catch (const FileError&) {
  }
  if (fd >= 0) ::close(fd);
  std::string reason = SystemReason(err);
  if (restored) {
    Discard();
  } else {
    reason += " Its old contents are kept in \"" + temp_.string() + "\".";
    temp_.clear();
  }
  throw FileError(FileError::Kind::Create, path_.string(), reason);
}

void PendingFile::Discard() noexcept {
  if (temp_.empty()) return;
  ::unlink(temp_.c_str());
  temp_.clear();
}

}  // namespace atomic_file

#endif  // !_WIN32
