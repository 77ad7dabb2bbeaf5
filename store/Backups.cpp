#include "store/Backups.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>

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
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace backups {

namespace {

constexpr const char* kPartial = ".partial";
constexpr const char* kApplyRecord = ".apply";
constexpr const char* kFinishedMark = ".finished";
constexpr const char* kLockName = "lock";
constexpr const char* kRecordHeader = "quib-configurator apply 1\n";

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

fs::path FromUtf8(std::string_view text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

// A path as messages show it.
StoreMessage Shown(const fs::path& path) {
  return StoreMessage::Verbatim(native_file::DisplayName(path));
}

StoreMessage QuotedPath(const fs::path& path) { return Quoted(native_file::DisplayName(path)); }

// ---------------------------------------------------------------------------
// Folders of the store, reached without following a symbolic link: on POSIX
// systems through descriptors (openat and friends with O_NOFOLLOW), on Windows
// by refusing every reparse point.

struct Dir {
  fs::path path;
#ifndef _WIN32
  int fd = -1;
  Dir() = default;
  Dir(Dir&& other) noexcept : path(std::move(other.path)), fd(std::exchange(other.fd, -1)) {}
  Dir& operator=(Dir&& other) noexcept {
    if (this != &other) {
      if (fd >= 0) ::close(fd);
      path = std::move(other.path);
      fd = std::exchange(other.fd, -1);
    }
    return *this;
  }
  ~Dir() {
    if (fd >= 0) ::close(fd);
  }
#endif
};

// What of the store a message names.
enum class Part { Folder, Set, File };

[[noreturn]] void RefuseLink(const fs::path& path, Part part) {
  const char* pattern =
      part == Part::Folder
          ? QT_TRANSLATE_NOOP("Files",
                              "The backup folder \"%1\" is a symbolic link. Backups are never "
                              "kept or read through one: remove it, or move it away, and try "
                              "again.")
      : part == Part::Set
          ? QT_TRANSLATE_NOOP("Files",
                              "The backup set \"%1\" is a symbolic link. Backups are never kept "
                              "or read through one: remove it, or move it away, and try again.")
          : QT_TRANSLATE_NOOP("Files",
                              "The backup file \"%1\" is a symbolic link. Backups are never kept "
                              "or read through one: remove it, or move it away, and try again.");
  throw BackupError(StoreMessage(pattern, {Shown(path)}));
}

[[noreturn, maybe_unused]] void RefuseOwner(const fs::path& path, Part part) {
  const char* pattern =
      part == Part::Folder
          ? QT_TRANSLATE_NOOP("Files",
                              "The backup folder \"%1\" belongs to another user. Backups are "
                              "kept only in folders of your own: remove it, or move it away, and "
                              "try again.")
      : part == Part::Set
          ? QT_TRANSLATE_NOOP("Files",
                              "The backup set \"%1\" belongs to another user. Backups are kept "
                              "only in folders of your own: remove it, or move it away, and try "
                              "again.")
          : QT_TRANSLATE_NOOP("Files",
                              "The backup file \"%1\" belongs to another user. Backups are kept "
                              "only in folders of your own: remove it, or move it away, and try "
                              "again.");
  throw BackupError(StoreMessage(pattern, {Shown(path)}));
}

// A backup folder that could not be made or opened, and why.
BackupError FolderError(bool create, const fs::path& path, StoreMessage reason) {
  return BackupError(
      StoreMessage(create ? QT_TRANSLATE_NOOP("Files", "Cannot create the backup folder \"%1\". %2")
                          : QT_TRANSLATE_NOOP("Files", "Cannot open the backup folder \"%1\". %2"),
                   {Shown(path), std::move(reason)}));
}

// A file of the backup that could not be read, and why.
BackupError ReadError(const fs::path& path, StoreMessage reason) {
  return BackupError(
      StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot read \"%1\" from the backup. %2"),
                   {Shown(path), std::move(reason)}));
}

using atomic_file::SystemMessage;

#ifndef _WIN32

// Opens (with create, first makes) the folder `name` inside parent (or the
// path itself without a parent): never through a symbolic link, only the
// user's own, made private if it is not. Returns a Dir without fd when it
// does not exist and create is false.
Dir OpenFolder(const Dir* parent, const fs::path& name, bool create, Part what = Part::Folder) {
  Dir dir;
  dir.path = parent != nullptr ? parent->path / name : name;
  const int at = parent != nullptr ? parent->fd : AT_FDCWD;
  if (create && ::mkdirat(at, name.c_str(), 0700) != 0 && errno != EEXIST)
    throw FolderError(true, dir.path, SystemMessage(errno));
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

enum class Kind { None, Folder, File, Other };

// What `name` in dir is, without following a link; another user's entry or a
// link counts as Other.
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

// Writes a new file in dir and flushes it. Returns 0 or an errno value.
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

// The bytes of the file `name` in dir: the user's own regular file, never
// through a link. Throws BackupError naming it.
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

// Removes `name` from dir, a folder with everything in it; a link is removed
// itself, never what it points at.
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

// Gives a new folder its name; an existing one is never replaced. Returns 0
// or an errno value.
int RenameIn(const Dir& dir, const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(dir.fd, from.c_str(), dir.fd, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
#endif
  if (KindOf(dir, to) != Kind::None) return EEXIST;
  return ::renameat(dir.fd, from.c_str(), dir.fd, to.c_str()) == 0 ? 0 : errno;
}

// Flushes a folder's entries (new names, renames) to the disk. Returns 0 or
// an errno value.
int Flush(const Dir& dir) {
  const int result = ::fsync(dir.fd) == 0 ? 0 : errno;
  // Some file systems cannot flush a folder; the files in it are flushed.
  return result == EINVAL || result == EROFS ? 0 : result;
}

// Makes the folders leading to the store's root private as they are made;
// those that exist are the user's own choice and are taken as they are.
void MakeParents(const fs::path& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec)) return;
  MakeParents(path.parent_path());
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
    throw FolderError(true, path, SystemMessage(errno));
}

#else  // _WIN32

bool IsLink(const fs::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

Dir OpenFolder(const Dir* parent, const fs::path& name, bool create, Part what = Part::Folder) {
  Dir dir;
  dir.path = parent != nullptr ? parent->path / name : name;
  if (IsLink(dir.path)) RefuseLink(dir.path, what);
  if (create && !::CreateDirectoryW(dir.path.c_str(), nullptr) &&
      ::GetLastError() != ERROR_ALREADY_EXISTS)
    throw FolderError(
        true, dir.path,
        StoreMessage::Verbatim(std::system_category().message(static_cast<int>(::GetLastError()))));
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

enum class Kind { None, Folder, File, Other };

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

// Folders cannot be flushed on Windows, where renames are.
int Flush(const Dir&) { return 0; }

void MakeParents(const fs::path& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec) throw FolderError(true, path, StoreMessage::Verbatim(ec.message()));
}

#endif

// ---------------------------------------------------------------------------
// Names of the sets

std::string Stamp(std::chrono::system_clock::time_point when) {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(when.time_since_epoch()).count();
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm utc{};
#ifdef _WIN32
  ::gmtime_s(&utc, &seconds);
#else
  ::gmtime_r(&seconds, &utc);
#endif
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d-%02d-%02d.%03dZ", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                static_cast<int>(ms % 1000));
  return text;
}

// Whether a folder name is a stamp that Stamp writes.
bool IsStamp(std::string_view name) {
  static constexpr std::string_view pattern = "dddd-dd-ddTdd-dd-dd.dddZ";
  if (name.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (pattern[i] == 'd' ? !digit : name[i] != pattern[i]) return false;
  }
  return true;
}

constexpr std::size_t kSequenceDigits = 10;

// A set's folder name «0000000042-2026-12-07T23-59-12.042Z»; a set of an
// older version is named by its time alone and counts as made before all
// numbered ones.
struct SetName {
  std::uint64_t sequence = 0;
  std::string stamp;
};

std::optional<SetName> ParseSetName(std::string_view name) {
  if (IsStamp(name)) return SetName{0, std::string(name)};
  if (name.size() <= kSequenceDigits + 1 || name[kSequenceDigits] != '-' ||
      !IsStamp(name.substr(kSequenceDigits + 1)))
    return std::nullopt;
  std::uint64_t sequence = 0;
  for (std::size_t i = 0; i < kSequenceDigits; ++i) {
    if (name[i] < '0' || name[i] > '9') return std::nullopt;
    sequence = sequence * 10 + static_cast<std::uint64_t>(name[i] - '0');
  }
  return SetName{sequence, std::string(name.substr(kSequenceDigits + 1))};
}

std::string SetFolderName(std::uint64_t sequence, const std::string& stamp) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%010llu", static_cast<unsigned long long>(sequence));
  return digits + ("-" + stamp);
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

BackupSet Describe(const Dir& store, const std::string& name, const SetName& parsed) {
  BackupSet set;
  set.folder = store.path / name;
  set.sequence = parsed.sequence;
  set.stamp = parsed.stamp;
  const Dir dir = OpenFolder(&store, name, false, Part::Set);
  for (const std::string& file : Names(dir)) {
    // The record and the mark of an Apply are not files of the set.
    if (file.empty() || file[0] == '.' || KindOf(dir, file) != Kind::File) continue;
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(dir.path / file, ec);
    if (ec) continue;
    set.files.push_back({file, size});
    set.bytes += size;
  }
  std::sort(set.files.begin(), set.files.end(),
            [](const SetFile& a, const SetFile& b) { return a.name < b.name; });
  return set;
}

bool Newer(const BackupSet& a, const BackupSet& b) {
  return a.sequence != b.sequence ? a.sequence > b.sequence : a.stamp > b.stamp;
}

// ---------------------------------------------------------------------------
// The record of an Apply: one line per file it replaces, «file <kept> <size>
// <hash> <length>:<path>», and one per temporary file, «temp <length>:<path>».

std::string PathField(const fs::path& path) {
  const std::string text = Utf8(path);
  return std::to_string(text.size()) + ":" + text;
}

struct RecordedFile {
  fs::path path;
  bool kept = false;
  std::uint64_t size = 0, hash = 0;
};

struct Record {
  std::vector<RecordedFile> files;
  std::vector<fs::path> temps;
};

std::optional<Record> ParseRecord(std::string_view text) {
  if (text.substr(0, std::strlen(kRecordHeader)) != kRecordHeader) return std::nullopt;
  text.remove_prefix(std::strlen(kRecordHeader));
  Record record;
  auto number = [&](int base) -> std::optional<std::uint64_t> {
    const std::size_t end = text.find(' ');
    if (end == std::string_view::npos || end == 0) return std::nullopt;
    char* stop = nullptr;
    const std::string digits(text.substr(0, end));
    const unsigned long long value = std::strtoull(digits.c_str(), &stop, base);
    if (*stop != '\0') return std::nullopt;
    text.remove_prefix(end + 1);
    return value;
  };
  auto path = [&]() -> std::optional<fs::path> {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    char* stop = nullptr;
    const std::string digits(text.substr(0, colon));
    const unsigned long long length = std::strtoull(digits.c_str(), &stop, 10);
    if (*stop != '\0' || digits.empty() || text.size() < colon + 2 + length ||
        text[colon + 1 + length] != '\n')
      return std::nullopt;
    const std::string bytes(text.substr(colon + 1, length));
    text.remove_prefix(colon + 2 + length);
    return FromUtf8(bytes);
  };
  while (!text.empty()) {
    if (text.substr(0, 5) == "file ") {
      text.remove_prefix(5);
      RecordedFile file;
      const auto kept = number(10), size = number(10), hash = number(16);
      const auto where = kept && size && hash ? path() : std::nullopt;
      if (!where) return std::nullopt;
      record.files.push_back({*where, *kept != 0, *size, *hash});
    } else if (text.substr(0, 5) == "temp ") {
      text.remove_prefix(5);
      const auto where = path();
      if (!where) return std::nullopt;
      record.temps.push_back(*where);
    } else {
      return std::nullopt;
    }
  }
  return record;
}

// Whether the file holds exactly these bytes (by size and hash).
bool Holds(const fs::path& path, std::uint64_t size, std::uint64_t hash) {
  FileStamp stamp;
  stamp.size = size;
  stamp.hash = hash;
  return StillAsLoaded(path, stamp);
}

// Removes one of our temporary files, never a link or folder in its place.
void RemoveTemporary(const fs::path& temp) {
  std::error_code ec;
  if (fs::is_regular_file(fs::symlink_status(temp, ec))) fs::remove(temp, ec);
}

}  // namespace

// ---------------------------------------------------------------------------

ChangedOnDiskError::ChangedOnDiskError(std::vector<fs::path> files)
    : BackupError([&] {
        StoreMessage text(QT_TRANSLATE_NOOP("Files",
                                            "Nothing was saved: someone else changed these files "
                                            "on disk just before they were to be replaced:"));
        for (const fs::path& file : files) {
          text += StoreMessage::Verbatim("\r");
          text += QuotedPath(file);
        }
        return text;
      }()),
      files_(std::move(files)) {}

std::string BackupSet::DisplayTime() const {
  if (!IsStamp(stamp)) return stamp;
  // «2026-12-07T23-59-12.042Z» -> «2026-12-07 23:59:12 UTC»
  return stamp.substr(0, 10) + " " + stamp.substr(11, 2) + ":" + stamp.substr(14, 2) + ":" +
         stamp.substr(17, 2) + " UTC";
}

namespace {

BackupError NoFolderForBackups(const char* variable) {
  return BackupError(StoreMessage(
      QT_TRANSLATE_NOOP(
          "Files", "Nothing can be backed up: %1 is not set, so there is no folder for backups."),
      {StoreMessage::Verbatim(variable)}));
}

}  // namespace

fs::path DefaultRoot() {
#ifdef _WIN32
  const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') throw NoFolderForBackups("LOCALAPPDATA");
  return fs::path(local) / "Quib Configurator" / "backups";
#else
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && *state == '/') return fs::path(state) / "quib-configurator" / "backups";
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') throw NoFolderForBackups("HOME");
  return fs::path(home) / ".local" / "state" / "quib-configurator" / "backups";
#endif
}

fs::path FolderKey(const fs::path& emulatorDir) {
  std::error_code ec;
  fs::path full = fs::absolute(emulatorDir, ec);
  if (ec) full = emulatorDir;
  full = full.lexically_normal();
  if (full.filename().empty() && full.has_parent_path() && full != full.root_path())
    full = full.parent_path();
  // FNV-1a over the path's bytes.
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : full.generic_u8string()) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(hash ^ (hash >> 32)));
  // The readable part is cut where a UTF-8 letter begins; the hash tells
  // folders with the same beginning apart.
  std::string name = Utf8(full.filename());
  if (name.size() > kKeyNameBytes) {
    std::size_t cut = kKeyNameBytes;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  if (name.empty()) name = "emulator";
  return FromUtf8(name + "-" + digits);
}

Store::Store(const fs::path& root, const fs::path& emulatorDir)
    : root_(root), folder_(root / FolderKey(emulatorDir)), emulatorDir_(emulatorDir) {}

namespace {

BackupError FlushError(const fs::path& folder, int err) {
  return BackupError(
      StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot flush the backup folder \"%1\". %2"),
                   {Shown(folder), SystemMessage(err)}));
}

BackupError WriteError(const fs::path& file, int err) {
  return BackupError(StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot write \"%1\". %2"),
                                  {Shown(file), SystemMessage(err)}));
}

BackupError MissingSet(const BackupSet& set) {
  return BackupError(StoreMessage(QT_TRANSLATE_NOOP("Files", "The backup set \"%1\" is missing."),
                                  {Shown(set.folder)}));
}

// The root and the store's folder, made private and checked on the way.
Dir OpenStore(const fs::path& root, const fs::path& folder, bool create) {
  if (create) MakeParents(root.parent_path());
  Dir top = OpenFolder(nullptr, root, create, Part::Folder);
  if (!Exists(top)) return top;
  return OpenFolder(&top, folder.filename(), create, Part::Folder);
}

}  // namespace

BackupSet Store::Create(const std::vector<fs::path>& files,
                        std::chrono::system_clock::time_point now,
                        const std::map<fs::path, FileStamp>* loaded) {
  const Dir store = OpenStore(root_, folder_, true);

  // The next number after every set and partial set there, whatever the
  // clock says.
  std::uint64_t sequence = 0;
  for (const std::string& name : Names(store)) {
    std::string_view base = name;
    if (EndsWith(base, kPartial)) base.remove_suffix(std::strlen(kPartial));
    if (const auto parsed = ParseSetName(base)) sequence = std::max(sequence, parsed->sequence);
  }
  ++sequence;
  const std::string stamp = Stamp(now);
  const std::string name = SetFolderName(sequence, stamp);
  const std::string partialName = name + kPartial;

  const Dir partial = OpenFolder(&store, partialName, true, Part::Set);
  try {
    std::vector<fs::path> changed;
    for (const fs::path& file : files) {
      std::error_code ec;
      if (!fs::exists(file, ec) && !ec) {
        if (loaded != nullptr && loaded->count(file) != 0) changed.push_back(file);
        continue;
      }
      std::string bytes;
      try {
        bytes = ReadFileBytes(file);
      } catch (const FileError& error) {
        throw BackupError(
            StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot read \"%1\" to back it up. %2"),
                         {Shown(file), error.reasonMessage()}));
      }
      // The last look before replacing: the file must still be as loaded.
      if (loaded != nullptr) {
        const auto stampOf = loaded->find(file);
        if (stampOf != loaded->end() &&
            (stampOf->second.size != bytes.size() || stampOf->second.hash != ContentHash(bytes)))
          changed.push_back(file);
      }
      if (const int err = WriteNew(partial, file.filename().string(), bytes); err != 0)
        throw BackupError(
            StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot write the backup file \"%1\". %2"),
                         {Shown(partial.path / file.filename()), SystemMessage(err)}));
    }
    if (!changed.empty()) throw ChangedOnDiskError(std::move(changed));
    if (const int err = Flush(partial); err != 0) throw FlushError(partial.path, err);
    if (const int err = RenameIn(store, partialName, name); err != 0)
      throw BackupError(
          StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot name the backup folder \"%1\". %2"),
                       {Shown(store.path / name), SystemMessage(err)}));
  } catch (...) {
    RemoveIn(store, partialName);
    throw;
  }
  if (const int err = Flush(store); err != 0) {
    RemoveIn(store, name);
    throw FlushError(store.path, err);
  }
  return Describe(store, name, SetName{sequence, stamp});
}

std::vector<BackupSet> Store::List() const {
  std::vector<BackupSet> sets;
  const Dir store = OpenStore(root_, folder_, false);
  if (!Exists(store)) return sets;
  for (const std::string& name : Names(store)) {
    const auto parsed = ParseSetName(name);
    if (!parsed || KindOf(store, name) != Kind::Folder) continue;
    try {
      sets.push_back(Describe(store, name, *parsed));
    } catch (const BackupError&) {
      // Changed into something else meanwhile: not a set of ours.
    }
  }
  std::sort(sets.begin(), sets.end(), Newer);
  return sets;
}

void Store::Remove(const BackupSet& set) noexcept {
  try {
    const Dir store = OpenStore(root_, folder_, false);
    if (Exists(store) && set.folder.parent_path() == folder_)
      RemoveIn(store, set.folder.filename().string());
  } catch (...) {
  }
}

void Store::Prune(std::size_t keep, const BackupSet* made) noexcept {
  try {
    const Dir store = OpenStore(root_, folder_, false);
    if (!Exists(store)) return;
    const std::vector<BackupSet> sets = List();
    std::size_t kept = 0;
    for (const BackupSet& set : sets) {
      const Dir dir = OpenFolder(&store, set.folder.filename(), false, Part::Set);
      const bool unfinished =
          KindOf(dir, kApplyRecord) != Kind::None && KindOf(dir, kFinishedMark) == Kind::None;
      if ((made != nullptr && set.folder == made->folder) || unfinished) continue;
      if (++kept > keep - std::min<std::size_t>(keep, made != nullptr ? 1 : 0))
        RemoveIn(store, set.folder.filename().string());
    }

    // A set that was never completed (the program stopped while writing it)
    // is removed once it is clearly not being written any more.
    for (const std::string& name : Names(store)) {
      if (!EndsWith(name, kPartial) ||
          !ParseSetName(std::string_view(name).substr(0, name.size() - std::strlen(kPartial))))
        continue;
      std::error_code ec;
      const auto written = fs::last_write_time(store.path / name, ec);
      if (!ec && KindOf(store, name) == Kind::Folder &&
          fs::file_time_type::clock::now() - written > std::chrono::hours(1))
        RemoveIn(store, name);
    }
  } catch (...) {
    // Pruning is housekeeping; a failure leaves more sets than wanted.
  }
}

std::vector<Store::Content> Store::Read(const BackupSet& set) const {
  const Dir store = OpenStore(root_, folder_, false);
  if (!Exists(store) || set.folder.parent_path() != folder_) throw MissingSet(set);
  const Dir dir = OpenFolder(&store, set.folder.filename(), false, Part::Set);
  if (!Exists(dir)) throw MissingSet(set);
  std::vector<Content> contents;
  for (const SetFile& file : set.files) contents.push_back({file.name, ReadIn(dir, file.name)});
  return contents;
}

void Store::RecordApply(const BackupSet& set, const save_set::PreparedSet& prepared) {
  std::string text = kRecordHeader;
  for (std::size_t i = 0; i < prepared.size(); ++i) {
    const save_set::Entry& entry = prepared.entry(i);
    const std::string name = entry.path.filename().string();
    const bool kept = std::any_of(set.files.begin(), set.files.end(),
                                  [&](const SetFile& file) { return file.name == name; });
    char numbers[80];
    std::snprintf(numbers, sizeof numbers, "file %d %llu %llx ", kept ? 1 : 0,
                  static_cast<unsigned long long>(entry.bytes.size()),
                  static_cast<unsigned long long>(ContentHash(entry.bytes)));
    text += numbers + PathField(entry.path) + "\n";
  }
  for (std::size_t i = 0; i < prepared.size(); ++i)
    if (!prepared.file(i).temp().empty())
      text += "temp " + PathField(prepared.file(i).temp()) + "\n";
  const Dir store = OpenStore(root_, folder_, false);
  const Dir dir = OpenFolder(&store, set.folder.filename(), false, Part::Set);
  int err = Exists(dir) ? WriteNew(dir, kApplyRecord, text) : ENOENT;
  if (err == 0) err = Flush(dir);
  if (err != 0) throw WriteError(set.folder / kApplyRecord, err);
}

void Store::MarkFinished(const BackupSet& set) {
  const Dir store = OpenStore(root_, folder_, false);
  const Dir dir = OpenFolder(&store, set.folder.filename(), false, Part::Set);
  int err = Exists(dir) ? WriteNew(dir, kFinishedMark, "") : ENOENT;
  if (err == EEXIST) err = 0;
  if (err == 0) err = Flush(dir);
  if (err != 0) throw WriteError(set.folder / kFinishedMark, err);
}

std::vector<UnfinishedApply> Store::Unfinished() const {
  std::vector<UnfinishedApply> found;
  const Dir store = OpenStore(root_, folder_, false);
  if (!Exists(store)) return found;
  for (const BackupSet& set : List()) {
    const Dir dir = OpenFolder(&store, set.folder.filename(), false, Part::Set);
    if (KindOf(dir, kApplyRecord) != Kind::File || KindOf(dir, kFinishedMark) != Kind::None)
      continue;
    const std::optional<Record> record = ParseRecord(ReadIn(dir, kApplyRecord));
    if (!record) continue;
    UnfinishedApply apply;
    apply.set = set;
    for (const RecordedFile& file : record->files) {
      std::error_code ec;
      const bool exists = fs::exists(file.path, ec);
      std::optional<std::string> old;
      if (file.kept) old = ReadIn(dir, file.path.filename().string());
      const bool asBefore =
          old ? exists && Holds(file.path, old->size(), ContentHash(*old)) : !exists;
      if (asBefore) continue;
      if (exists && Holds(file.path, file.size, file.hash))
        apply.replaced.push_back(file.path);
      else
        apply.partly.push_back(file.path);
    }
    for (const fs::path& temp : record->temps) {
      std::error_code ec;
      if (fs::is_regular_file(fs::symlink_status(temp, ec))) apply.temps.push_back(temp);
    }
    found.push_back(std::move(apply));
  }
  return found;
}

void Store::PutBack(const UnfinishedApply& apply) {
  std::vector<save_set::Entry> back;
  std::vector<fs::path> made;
  const std::vector<Content> kept = Read(apply.set);
  for (const auto* list : {&apply.replaced, &apply.partly})
    for (const fs::path& path : *list) {
      const auto old = std::find_if(kept.begin(), kept.end(), [&](const Content& content) {
        return content.name == path.filename().string();
      });
      if (old != kept.end())
        back.push_back({path, old->bytes});
      else
        made.push_back(path);
    }
  if (!back.empty()) SaveWithBackup(std::move(back), *this);
  for (const fs::path& path : made) {
    std::error_code ec;
    if (!fs::remove(path, ec) && ec)
      throw BackupError(StoreMessage(
          QT_TRANSLATE_NOOP("Files", "Cannot remove \"%1\", which that Apply made. %2"),
          {Shown(path), StoreMessage::Verbatim(ec.message())}));
  }
  Keep(apply);
}

void Store::Keep(const UnfinishedApply& apply) {
  for (const fs::path& temp : apply.temps) RemoveTemporary(temp);
  MarkFinished(apply.set);
}

// ---------------------------------------------------------------------------
// One saver at a time

namespace {

[[maybe_unused]] BackupError LockFileError(const fs::path& path, StoreMessage reason) {
  return BackupError(
      StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot open the lock file \"%1\". %2"),
                   {Shown(path), std::move(reason)}));
}

}  // namespace

SaveLock::SaveLock(const Store& store, std::chrono::milliseconds wait) {
  const auto until = std::chrono::steady_clock::now() + wait;
  const Dir folder = OpenStore(store.Folder().parent_path(), store.Folder(), true);
  const fs::path path = folder.path / kLockName;
  auto busy = [&] {
    return BusyError(StoreMessage(
        QT_TRANSLATE_NOOP("Files",
                          "Nothing was saved: another Quib Configurator is saving the files in "
                          "\"%1\" right now. Try again when it is done; files it changed "
                          "meanwhile are then shown as changed on disk."),
        {Shown(store.EmulatorDir())}));
  };
#ifdef _WIN32
  HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw LockFileError(
        path,
        StoreMessage::Verbatim(std::system_category().message(static_cast<int>(::GetLastError()))));
  for (;;) {
    OVERLAPPED at{};
    if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
      break;
    if (std::chrono::steady_clock::now() >= until) {
      ::CloseHandle(file);
      throw busy();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
#else
  const int fd = ::openat(folder.fd, kLockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    if (errno == ELOOP) RefuseLink(path, Part::File);
    throw LockFileError(path, SystemMessage(errno));
  }
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    if (err == EINTR) continue;
    if (err != EWOULDBLOCK) {
      ::close(fd);
      throw BackupError(StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot lock \"%1\". %2"),
                                     {Shown(path), SystemMessage(err)}));
    }
    if (std::chrono::steady_clock::now() >= until) {
      ::close(fd);
      throw busy();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  handle_ = fd;
#endif
}

SaveLock::~SaveLock() {
#ifdef _WIN32
  ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
#else
  ::close(static_cast<int>(handle_));  // releases the lock
#endif
}

// ---------------------------------------------------------------------------
// Saving with a backup

namespace {

StoreMessage QuotedPaths(const std::vector<fs::path>& paths) {
  std::vector<std::string> names;
  for (const fs::path& path : paths) names.push_back(native_file::DisplayName(path));
  return QuotedList(names);
}

BackupError NotBackedUp(const BackupError& error) {
  return BackupError(StoreMessage(
      QT_TRANSLATE_NOOP(
          "Files",
          "Nothing was saved: the files it would replace could not be backed up first.\r%1"),
      {error.message()}));
}

// Why a file already replaced holds the new settings (or part of them), and
// where its old contents are.
StoreMessage NotPutBack(const fs::path& file, bool partly, const StoreMessage& failure,
                        const fs::path* old) {
  if (old != nullptr)
    return StoreMessage(
        partly ? QT_TRANSLATE_NOOP("Files",
                                   "\"%1\" may hold part of the new settings and could not be put "
                                   "back (%2); its old contents are in \"%3\".")
               : QT_TRANSLATE_NOOP("Files",
                                   "\"%1\" holds the new settings and could not be put back (%2); "
                                   "its old contents are in \"%3\"."),
        {Shown(file), failure, Shown(*old)});
  return StoreMessage(partly ? QT_TRANSLATE_NOOP("Files",
                                                 "\"%1\" may hold part of the new settings and "
                                                 "could not be put back (%2); it did not exist "
                                                 "before.")
                             : QT_TRANSLATE_NOOP("Files",
                                                 "\"%1\" holds the new settings and could not be "
                                                 "put back (%2); it did not exist before."),
                      {Shown(file), failure});
}

}  // namespace

void CommitWithBackup(save_set::PreparedSet& prepared, Store& store, const SaveHooks& hooks) {
  std::optional<SaveLock> lock;
  try {
    lock.emplace(store, hooks.lockWait);
  } catch (const BusyError&) {
    throw;
  } catch (const BackupError& error) {
    throw NotBackedUp(error);
  }
  // Kept under the names given: a symbolic link's file is kept as the link's
  // name, which is the name it is restored to.
  std::vector<fs::path> replaced;
  for (std::size_t i = 0; i < prepared.size(); ++i) replaced.push_back(prepared.entry(i).path);
  BackupSet set;
  try {
    set = store.Create(replaced, std::chrono::system_clock::now(), hooks.loaded);
    store.RecordApply(set, prepared);
  } catch (const ChangedOnDiskError&) {
    throw;
  } catch (const BackupError& error) {
    if (!set.folder.empty()) store.Remove(set);
    throw NotBackedUp(error);
  }
  if (hooks.afterBackup) hooks.afterBackup(prepared);
  try {
    prepared.CommitAll(hooks.afterReplace);
  } catch (const save_set::SaveSetError& error) {
    std::vector<fs::path> touched = error.saved();
    touched.insert(touched.end(), error.damaged().begin(), error.damaged().end());
    if (touched.empty()) {
      store.Remove(set);
      throw;
    }
    // Put the files already replaced back as they were, from the set.
    std::vector<Store::Content> kept;
    StoreMessage unreadable;
    try {
      kept = store.Read(set);
    } catch (const BackupError& readError) {
      unreadable = readError.message();
    }
    std::vector<fs::path> holdingNew, holdingPart;
    StoreMessage why;
    for (auto file = touched.rbegin(); file != touched.rend(); ++file) {
      const bool partly =
          std::find(error.damaged().begin(), error.damaged().end(), *file) != error.damaged().end();
      const std::string name = file->filename().string();
      const bool hadOld = std::any_of(set.files.begin(), set.files.end(),
                                      [&](const SetFile& f) { return f.name == name; });
      StoreMessage failure = unreadable;
      if (failure.empty()) {
        try {
          const auto old = std::find_if(kept.begin(), kept.end(),
                                        [&](const Store::Content& c) { return c.name == name; });
          if (old != kept.end()) {
            atomic_file::PendingFile(*file, old->bytes).Commit();
          } else if (!hadOld) {
            std::error_code ec;
            if (!fs::remove(*file, ec) && ec) failure = StoreMessage::Verbatim(ec.message() + ".");
          }
        } catch (const FileError& putBack) {
          failure = putBack.reasonMessage();
        }
      }
      if (failure.empty()) continue;
      (partly ? holdingPart : holdingNew).push_back(*file);
      const fs::path oldContents = set.folder / name;
      why += StoreMessage::Verbatim("\r\n");
      why += NotPutBack(*file, partly, failure, hadOld ? &oldContents : nullptr);
    }
    std::vector<fs::path> all;
    for (std::size_t i = 0; i < prepared.size(); ++i) all.push_back(prepared.entry(i).path);
    if (holdingNew.empty() && holdingPart.empty()) {
      store.Remove(set);
      throw save_set::SaveSetError(
          StoreMessage(
              QT_TRANSLATE_NOOP("Files",
                                "Nothing was saved: %1 The files already replaced were put back."),
              {error.cause()}),
          {}, all, {}, error.cause());
    }
    // The set stays unfinished: the next start offers to put the folder back.
    std::vector<fs::path> notSaved;
    for (const fs::path& path : all)
      if (std::find(holdingNew.begin(), holdingNew.end(), path) == holdingNew.end())
        notSaved.push_back(path);
    std::reverse(holdingNew.begin(), holdingNew.end());
    std::vector<fs::path> same;
    for (const fs::path& path : notSaved)
      if (std::find(holdingPart.begin(), holdingPart.end(), path) == holdingPart.end())
        same.push_back(path);
    StoreMessage text(QT_TRANSLATE_NOOP("Files", "Not all settings files were saved: %1"),
                      {error.cause()});
    text += std::move(why);
    text += StoreMessage::Verbatim("\r\n");
    text += StoreMessage(QT_TRANSLATE_NOOP("Files", "As they were: %1."), {QuotedPaths(same)});
    throw save_set::SaveSetError(std::move(text), holdingNew, notSaved, holdingPart, error.cause());
  }
  try {
    store.MarkFinished(set);
  } catch (const BackupError&) {
    // Every file is saved; without the mark the next start finds the files
    // as this Apply wrote them and asks about them once.
  }
  store.Prune(kKeptSets, &set);
}

void SaveWithBackup(std::vector<save_set::Entry> files, Store& store) {
  save_set::PreparedSet prepared(std::move(files));
  CommitWithBackup(prepared, store);
}

}  // namespace backups
