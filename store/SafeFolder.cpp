#include "store/SafeFolder.h"

#include <cerrno>
#include <system_error>

#include "store/AtomicFile.h"
#include "store/NativeFile.h"
#include "store/ZIniReader.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace backups::folder {

using atomic_file::SystemMessage;

StoreMessage Shown(const fs::path& path) {
  return StoreMessage::Verbatim(native_file::DisplayName(path));
}

namespace {

[[noreturn]] void RefuseLink(const fs::path& path, Part part) {
  static const char* const kPatterns[] = {
      QT_TRANSLATE_NOOP("Files",
                        "The backup folder \"%1\" is a symbolic link. Backups are never kept or "
                        "read through one: remove it, or move it away, and try again."),
      QT_TRANSLATE_NOOP("Files",
                        "The backup set \"%1\" is a symbolic link. Backups are never kept or read "
                        "through one: remove it, or move it away, and try again."),
      QT_TRANSLATE_NOOP("Files",
                        "The backup file \"%1\" is a symbolic link. Backups are never kept or read "
                        "through one: remove it, or move it away, and try again.")};
  throw BackupError(StoreMessage(kPatterns[static_cast<int>(part)], {Shown(path)}));
}

[[noreturn, maybe_unused]] void RefuseOwner(const fs::path& path, Part part) {
  static const char* const kPatterns[] = {
      QT_TRANSLATE_NOOP("Files",
                        "The backup folder \"%1\" belongs to another user. Backups are kept only "
                        "in folders of your own: remove it, or move it away, and try again."),
      QT_TRANSLATE_NOOP("Files",
                        "The backup set \"%1\" belongs to another user. Backups are kept only in "
                        "folders of your own: remove it, or move it away, and try again."),
      QT_TRANSLATE_NOOP("Files",
                        "The backup file \"%1\" belongs to another user. Backups are kept only in "
                        "folders of your own: remove it, or move it away, and try again.")};
  throw BackupError(StoreMessage(kPatterns[static_cast<int>(part)], {Shown(path)}));
}

// A file of the backup that could not be read, and why.
BackupError ReadError(const fs::path& path, StoreMessage reason) {
  return BackupError(
      StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot read \"%1\" from the backup. %2"),
                   {Shown(path), std::move(reason)}));
}

}  // namespace

BackupError FolderError(bool create, const fs::path& path, StoreMessage reason) {
  return BackupError(
      StoreMessage(create ? QT_TRANSLATE_NOOP("Files", "Cannot create the backup folder \"%1\". %2")
                          : QT_TRANSLATE_NOOP("Files", "Cannot open the backup folder \"%1\". %2"),
                   {Shown(path), std::move(reason)}));
}

BackupError WriteError(const fs::path& file, int err) {
  return BackupError(StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot write \"%1\". %2"),
                                  {Shown(file), SystemMessage(err)}));
}

#ifndef _WIN32

Dir& Dir::operator=(Dir&& other) noexcept {
  if (this != &other) {
    if (fd >= 0) ::close(fd);
    path = std::move(other.path);
    fd = std::exchange(other.fd, -1);
  }
  return *this;
}

Dir::~Dir() {
  if (fd >= 0) ::close(fd);
}

namespace {

// Flushes the folder that holds path, after a new name was made in it.
int FlushParent(const fs::path& path) {
  const fs::path parent = path.has_parent_path() ? path.parent_path() : fs::path(".");
  Dir dir;
  dir.path = parent;
  dir.fd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return dir.fd < 0 ? errno : Flush(dir);
}

}  // namespace

Dir OpenFolder(const Dir* parent, const fs::path& name, bool create, Part what) {
  Dir dir;
  dir.path = parent != nullptr ? parent->path / name : name;
  const int at = parent != nullptr ? parent->fd : AT_FDCWD;
  bool made = false;
  if (create) {
    made = ::mkdirat(at, name.c_str(), 0700) == 0;
    if (!made && errno != EEXIST) throw FolderError(true, dir.path, SystemMessage(errno));
    const int err = !made ? 0 : parent != nullptr ? Flush(*parent) : FlushParent(dir.path);
    if (err != 0) throw FolderError(true, dir.path, SystemMessage(err));
  }
  dir.fd = ::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (dir.fd < 0) {
    const int err = errno;
    struct stat info {};
    if (::fstatat(at, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode))
      RefuseLink(dir.path, what);
    if (err == ENOENT && !create) return dir;
    throw FolderError(create, dir.path, SystemMessage(err));
  }
  struct stat info {};
  if (::fstat(dir.fd, &info) != 0) throw FolderError(false, dir.path, SystemMessage(errno));
  if (info.st_uid != ::geteuid()) RefuseOwner(dir.path, what);
  if ((info.st_mode & 077) != 0) ::fchmod(dir.fd, info.st_mode & 07700);
  return dir;
}

bool Exists(const Dir& dir) { return dir.fd >= 0; }

Kind KindOf(const Dir& dir, const std::string& name) {
  struct stat info {};
  if (::fstatat(dir.fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return Kind::None;
  if (info.st_uid != ::geteuid()) return Kind::Other;
  return S_ISDIR(info.st_mode) ? Kind::Folder : S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

std::vector<std::string> Names(const Dir& dir) {
  std::vector<std::string> names;
  const int fd = ::openat(dir.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return names;
  DIR* stream = ::fdopendir(fd);
  if (stream == nullptr) {
    ::close(fd);
    return names;
  }
  while (const dirent* entry = ::readdir(stream)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(stream);
  return names;
}

int WriteNew(const Dir& dir, const std::string& name, std::string_view bytes) {
  const int fd =
      ::openat(dir.fd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t wrote = ::write(fd, data, left);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return err;
    }
    data += wrote;
    left -= static_cast<std::size_t>(wrote);
  }
  if (::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    return err;
  }
  return ::close(fd) == 0 ? 0 : errno;
}

std::string ReadIn(const Dir& dir, const std::string& name) {
  const fs::path path = dir.path / name;
  const int fd = ::openat(dir.fd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ELOOP) RefuseLink(path, Part::File);
    throw ReadError(path, SystemMessage(errno));
  }
  struct stat info {};
  auto fail = [&](StoreMessage reason) {
    ::close(fd);
    throw ReadError(path, std::move(reason));
  };
  if (::fstat(fd, &info) != 0) fail(SystemMessage(errno));
  if (info.st_uid != ::geteuid()) {
    ::close(fd);
    RefuseOwner(path, Part::File);
  }
  if (!S_ISREG(info.st_mode)) fail(NotRegularFile());
  if (static_cast<std::uint64_t>(info.st_size) > kMaxSettingsFileBytes) fail(TooLargeFile());
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail(SystemMessage(errno));
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > kMaxSettingsFileBytes) fail(TooLargeFile());
  }
  ::close(fd);
  return bytes;
}

void RemoveIn(const Dir& dir, const std::string& name) noexcept {
  struct stat info {};
  if (::fstatat(dir.fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return;
  if (S_ISDIR(info.st_mode)) {
    Dir inner;
    inner.path = dir.path / name;
    inner.fd = ::openat(dir.fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (inner.fd >= 0)
      for (const std::string& entry : Names(inner)) RemoveIn(inner, entry);
    ::unlinkat(dir.fd, name.c_str(), AT_REMOVEDIR);
  } else {
    ::unlinkat(dir.fd, name.c_str(), 0);
  }
}

int RenameIn(const Dir& dir, const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(dir.fd, from.c_str(), dir.fd, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
#endif
  if (KindOf(dir, to) != Kind::None) return EEXIST;
  return ::renameat(dir.fd, from.c_str(), dir.fd, to.c_str()) == 0 ? 0 : errno;
}

int Flush(const Dir& dir) {
  const int result = ::fsync(dir.fd) == 0 ? 0 : errno;
  // Some file systems cannot flush a folder; the files in it are flushed.
  return result == EINVAL || result == EROFS ? 0 : result;
}

void MakeParents(const fs::path& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec)) return;
  MakeParents(path.parent_path());
  if (::mkdir(path.c_str(), 0700) != 0) {
    if (errno == EEXIST) return;
    throw FolderError(true, path, SystemMessage(errno));
  }
  if (const int err = FlushParent(path); err != 0)
    throw FolderError(true, path, SystemMessage(err));
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> Identity(const fs::path& dir) {
  struct stat info {};
  if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return std::make_pair(static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino));
}

#else  // _WIN32

namespace {

bool IsLink(const fs::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

StoreMessage LastError() {
  return StoreMessage::Verbatim(std::system_category().message(static_cast<int>(::GetLastError())));
}

// Flushes the folder that holds path, after a new name was made in it.
int FlushParent(const fs::path& path) {
  Dir parent;
  parent.path = path.parent_path();
  return Flush(parent);
}

}  // namespace

Dir OpenFolder(const Dir* parent, const fs::path& name, bool create, Part what) {
  Dir dir;
  dir.path = parent != nullptr ? parent->path / name : name;
  if (IsLink(dir.path)) RefuseLink(dir.path, what);
  if (create) {
    if (::CreateDirectoryW(dir.path.c_str(), nullptr)) {
      if (const int err = FlushParent(dir.path); err != 0)
        throw FolderError(true, dir.path, SystemMessage(err));
    } else if (::GetLastError() != ERROR_ALREADY_EXISTS) {
      throw FolderError(true, dir.path, LastError());
    }
  }
  const DWORD attributes = ::GetFileAttributesW(dir.path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    if (!create) dir.path.clear();
    if (!create) return dir;
    throw BackupError(StoreMessage(
        QT_TRANSLATE_NOOP("Files", "Cannot open the backup folder \"%1\"."), {Shown(dir.path)}));
  }
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) RefuseLink(dir.path, what);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
    throw FolderError(create, dir.path, StoreMessage(QT_TRANSLATE_NOOP("Files", "It is a file.")));
  return dir;
}

bool Exists(const Dir& dir) { return !dir.path.empty(); }

Kind KindOf(const Dir& dir, const std::string& name) {
  const DWORD attributes = ::GetFileAttributesW((dir.path / name).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Kind::None;
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return Kind::Other;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::File;
}

std::vector<std::string> Names(const Dir& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir.path, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  return names;
}

int WriteNew(const Dir& dir, const std::string& name, std::string_view bytes) {
  HANDLE file = ::CreateFileW((dir.path / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return EACCES;
  bool ok = true;
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (ok && left > 0) {
    const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD wrote = 0;
    ok = ::WriteFile(file, data, chunk, &wrote, nullptr) && wrote > 0;
    data += wrote;
    left -= wrote;
  }
  ok = ok && ::FlushFileBuffers(file);
  ok = ::CloseHandle(file) && ok;
  return ok ? 0 : EIO;
}

std::string ReadIn(const Dir& dir, const std::string& name) {
  const fs::path path = dir.path / name;
  if (IsLink(path)) RefuseLink(path, Part::File);
  try {
    return ReadFileBytes(path);
  } catch (const FileError& error) {
    throw ReadError(path, error.reasonMessage());
  }
}

void RemoveIn(const Dir& dir, const std::string& name) noexcept {
  // remove_all removes a link or junction itself, not what it points at.
  std::error_code ec;
  fs::remove_all(dir.path / name, ec);
}

int RenameIn(const Dir& dir, const std::string& from, const std::string& to) {
  return ::MoveFileExW((dir.path / from).c_str(), (dir.path / to).c_str(), MOVEFILE_WRITE_THROUGH)
             ? 0
             : EEXIST;
}

int Flush(const Dir& dir) {
  HANDLE handle = ::CreateFileW(dir.path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  DWORD code = handle == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
  if (handle != INVALID_HANDLE_VALUE && !::FlushFileBuffers(handle)) code = ::GetLastError();
  if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  // A file system (or a system) that cannot flush a folder writes its
  // entries through with the files; anything else is an error.
  if (code == 0 || code == ERROR_ACCESS_DENIED || code == ERROR_INVALID_FUNCTION ||
      code == ERROR_INVALID_PARAMETER || code == ERROR_INVALID_HANDLE)
    return 0;
  return EIO;
}

void MakeParents(const fs::path& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec) || path == path.root_path()) return;
  MakeParents(path.parent_path());
  if (!::CreateDirectoryW(path.c_str(), nullptr)) {
    if (::GetLastError() == ERROR_ALREADY_EXISTS) return;
    throw FolderError(true, path, LastError());
  }
  if (const int err = FlushParent(path); err != 0)
    throw FolderError(true, path, SystemMessage(err));
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> Identity(const fs::path& dir) {
  HANDLE handle =
      ::CreateFileW(dir.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = ::GetFileInformationByHandle(handle, &info);
  ::CloseHandle(handle);
  if (!known) return std::nullopt;
  return std::make_pair(
      static_cast<std::uint64_t>(info.dwVolumeSerialNumber),
      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
}

#endif

}  // namespace backups::folder
