// POSIX side of the atomic file replacement.
#ifndef _WIN32

#include "store/AtomicFile.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <system_error>
#include <utility>
#include <vector>

#include "store/ZIniReader.h"

namespace atomic_file {

namespace {

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

// A name like «.quib.cfg.XXXXXX» beside the target.
std::string RandomSibling(const std::filesystem::path& target) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::uint64_t counter = 0;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  std::uint64_t seed = (static_cast<std::uint64_t>(now.tv_nsec) << 20) ^
                       static_cast<std::uint64_t>(::getpid()) ^ (++counter * 0x9e3779b97f4a7c15ull);
  std::string leaf = "." + target.filename().string() + ".";
  for (int i = 0; i < 6; ++i) {
    seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    leaf += kLetters[(seed >> 33) % (sizeof kLetters - 1)];
  }
  std::filesystem::path dir = target.parent_path();
  return (dir.empty() ? std::filesystem::path(leaf) : dir / leaf).string();
}

// Opens the new temporary file `name`, or one of a new name when none is
// given, never through a symbolic link. The mode goes through the process's
// umask as for any new file; the umask itself is left alone. Returns the
// descriptor or -1 with errno set.
int MakeTemporary(const std::filesystem::path& target, mode_t mode, std::string& name) {
  const bool given = !name.empty();
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (!given) name = RandomSibling(target);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST || given) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Gives the new file every extended attribute of the old one (its access
// control list included). False when one cannot be read or set.
bool CopyAttributes([[maybe_unused]] const std::filesystem::path& from, [[maybe_unused]] int to) {
#ifdef __linux__
  const int source = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (source < 0) return false;
  bool ok = true;
  std::vector<char> names;
  for (;;) {
    const ssize_t size = ::flistxattr(source, nullptr, 0);
    if (size < 0) {
      ok = errno == ENOTSUP;  // a file system without attributes has none to lose
      break;
    }
    names.resize(static_cast<std::size_t>(size));
    const ssize_t got = size == 0 ? 0 : ::flistxattr(source, names.data(), names.size());
    if (got < 0 && errno == ERANGE) continue;
    if (got < 0) {
      ok = false;
      break;
    }
    names.resize(static_cast<std::size_t>(got));
    break;
  }
  std::vector<char> value;
  for (std::size_t at = 0; ok && at < names.size();) {
    const char* name = names.data() + at;
    at += std::strlen(name) + 1;
    ssize_t size = ::fgetxattr(source, name, nullptr, 0);
    if (size >= 0) {
      value.resize(static_cast<std::size_t>(size));
      size = ::fgetxattr(source, name, value.data(), value.size());
    }
    ok = size >= 0 && ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(size), 0) == 0;
  }
  ::close(source);
  return ok;
#else
  return true;
#endif
}

StoreMessage SwappedReason() {
  return StoreMessage(
      QT_TRANSLATE_NOOP("Files", "It was replaced by another file while it was being saved."));
}

}  // namespace

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
  const std::filesystem::path target = ResolveSaveTarget(path);
  for (;;) {
    std::filesystem::path name = RandomSibling(target);
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0) return name;
  }
}

void RemoveTemporary(const std::filesystem::path& temp, const std::filesystem::path&) noexcept {
  struct stat info {};
  if (::lstat(temp.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(temp.c_str());
}

StoreMessage FlushFolderOf(const std::filesystem::path& file) {
  std::filesystem::path dir = file.parent_path();
  if (dir.empty()) dir = ".";
  const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const int err = folder < 0 ? errno : ::fsync(folder) == 0 ? 0 : errno;
  if (folder >= 0) ::close(folder);
  return err == 0 || err == EINVAL || err == EROFS ? StoreMessage() : SystemMessage(err);
}

PendingFile::PendingFile(const std::filesystem::path& path, std::string_view bytes,
                         const std::filesystem::path& temp)
    : path_(path), target_(ResolveSaveTarget(path)) {
  const std::string name = path.string();

  // An existing file that cannot be written stays as it is, as a plain
  // overwrite would have been refused too.
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode))
    throw FileError(FileError::Kind::Create, name, SystemMessage(EISDIR));
  if (exists && !S_ISREG(existing.st_mode))
    throw FileError(FileError::Kind::Create, name, NotRegularFile());
  if (exists && ::access(target_.c_str(), W_OK) != 0)
    throw FileError(FileError::Kind::Create, name, SystemMessage(errno));

  // The temporary file: a hidden name beside the target, private until it
  // has the old file's owner and mode. A folder that takes no new files
  // leaves an existing file to be written in place.
  std::string tempName = temp.string();
  int fd = MakeTemporary(target_, exists ? 0600 : 0666, tempName);
  if (fd < 0 && !(exists && (errno == EACCES || errno == EPERM)))
    throw FileError(FileError::Kind::Create, name, SystemMessage(errno));
  if (fd < 0) tempName.clear();

  auto fail = [&](int err, const StoreMessage& reason = {}) {
    if (fd >= 0) {
      ::close(fd);
      ::unlink(tempName.c_str());
    }
    throw FileError(FileError::Kind::Create, name, reason.empty() ? SystemMessage(err) : reason);
  };

  // A replacement must be the old file's equal: same owner and group (the
  // owner first, since a change of owner clears the set-id bits), same mode,
  // same extended attributes. When the file has other hard links, or the
  // temporary file cannot be given all of that, the file is written in place.
  bool inPlace = exists && (fd < 0 || existing.st_nlink > 1);
  if (exists && !inPlace) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
      // Not allowed to give the file away: fine when it is ours already, and
      // keeping its group may still be allowed.
      [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    }
    struct stat made {};
    if (::fstat(fd, &made) != 0) fail(errno);
    inPlace = made.st_uid != existing.st_uid || made.st_gid != existing.st_gid;
    // The mode, then the attributes: an access control list sets the group
    // bits to its mask, which the old file's group bits already are. Anything
    // that comes out other than the old file had is written in place instead.
    if (!inPlace) {
      if (::fchmod(fd, existing.st_mode & 07777) != 0) fail(errno);
      inPlace = !CopyAttributes(target_, fd) || ::fstat(fd, &made) != 0 ||
                (made.st_mode & 07777) != (existing.st_mode & 07777);
    }
  }

  if (inPlace) {
    // The old contents are kept: in the temporary file when there is one
    // (emptied of anything set on it above, private to whoever saves), and
    // in memory for putting them back; the new bytes wait in memory.
    std::string old;
    try {
      old = ReadFileBytes(target_);
    } catch (const FileError& error) {
      fail(0, error.reasonMessage());
    }
    if (fd >= 0) {
      if (::fchmod(fd, 0600) != 0) fail(errno);
      if (const int err = WriteAllAt(fd, old, 0); err != 0) fail(err);
      if (::fsync(fd) != 0) fail(errno);
    }
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
    if (fd >= 0 && ::close(fd) != 0) {
      const int err = errno;
      ::unlink(tempName.c_str());
      throw FileError(FileError::Kind::Create, name, SystemMessage(err));
    }
    inPlace_ = true;
    bytes_.assign(bytes);
    old_ = std::move(old);
    device_ = static_cast<std::uint64_t>(existing.st_dev);
    inode_ = static_cast<std::uint64_t>(existing.st_ino);
    temp_ = tempName;
    return;
  }

  if (const int err = WriteAllAt(fd, bytes, 0); err != 0) fail(err);
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tempName.c_str());
    throw FileError(FileError::Kind::Create, name, SystemMessage(err));
  }
  temp_ = tempName;
}

PendingFile::~PendingFile() { Discard(); }

void PendingFile::Commit() {
  if (!inPlace_) {
    if (temp_.empty()) return;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
      const int err = errno;
      Discard();
      throw FileError(FileError::Kind::Create, path_.string(), SystemMessage(err));
    }
    temp_.clear();
    replaced_ = true;
    // The new name reaches the disk with the folder: a folder that cannot be
    // flushed is an error (the file is replaced, but may not survive a power
    // loss).
    if (StoreMessage why = FlushFolderOf(target_); !why.empty())
      throw FileError(FileError::Kind::Create, path_.string(), std::move(why));
    return;
  }
  if (inode_ == 0) return;  // written or discarded already

  // Written in place, into the very file prepared: on failure the old
  // contents go back.
  auto sameFile = [this](int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
           static_cast<std::uint64_t>(info.st_dev) == device_ &&
           static_cast<std::uint64_t>(info.st_ino) == inode_;
  };
  int fd = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  int err = fd < 0 ? errno : 0;
  if (err != 0 || !sameFile(fd)) {
    // Nothing was written yet.
    if (fd >= 0) ::close(fd);
    Discard();
    throw FileError(FileError::Kind::Create, path_.string(),
                    err != 0 ? SystemMessage(err) : SwappedReason());
  }
  err = Overwrite(fd, bytes_);
  if (err == 0) {
    const int closed = ::close(fd);
    fd = -1;
    if (closed == 0) {
      Discard();
      replaced_ = true;
      return;
    }
    err = errno;
  }
  if (fd < 0) {
    fd = ::open(target_.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && !sameFile(fd)) {
      ::close(fd);
      fd = -1;
    }
  }
  const bool restored = fd >= 0 && Overwrite(fd, old_) == 0;
  if (fd >= 0) ::close(fd);
  StoreMessage reason = SystemMessage(err);
  if (!restored) {
    damaged_ = true;
    reason =
        temp_.empty()
            ? StoreMessage(QT_TRANSLATE_NOOP("Files", "%1 Its old contents could not be put back."),
                           {reason})
            : StoreMessage(QT_TRANSLATE_NOOP("Files", "%1 Its old contents are kept in \"%2\"."),
                           {reason, StoreMessage::Verbatim(temp_.string())});
    temp_.clear();
  }
  Discard();
  throw FileError(FileError::Kind::Create, path_.string(), reason);
}

void PendingFile::Discard() noexcept {
  bytes_.clear();
  old_.clear();
  device_ = inode_ = 0;
  if (temp_.empty()) return;
  ::unlink(temp_.c_str());
  temp_.clear();
}

}  // namespace atomic_file

#endif  // !_WIN32
