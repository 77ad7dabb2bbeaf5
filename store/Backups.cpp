#include "store/Backups.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string_view>
#include <system_error>

#include "store/AtomicFile.h"
#include "store/ZIniReader.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace backups {

namespace {

constexpr const char* kPartial = ".partial";

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

std::string Reason(const std::error_code& ec) {
  std::string text = ec.message();
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

// The whole file, or nothing when it does not exist, read as the store
// reads settings files (never waiting on a FIFO or device). Throws
// BackupError, its text «Cannot read "<path>" <purpose>. <reason>».
std::optional<std::string> ReadBytes(const fs::path& path, const char* purpose) {
  std::error_code ec;
  if (!fs::exists(path, ec) && !ec) return std::nullopt;
  try {
    return ReadFileBytes(path);
  } catch (const FileError& error) {
    throw BackupError("Cannot read " + Quoted(path) + " " + purpose + ". " + error.reason());
  }
}

// Writes a new file and flushes it to the disk. Returns 0 or an errno value.
int WriteFlushed(const fs::path& path, const std::string& bytes) {
#ifdef _WIN32
  std::FILE* file = ::_wfopen(path.c_str(), L"wb");
  if (file == nullptr) return errno;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                  std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0;
  const int err = ok ? 0 : (errno != 0 ? errno : EIO);
  if (std::fclose(file) != 0 && ok) return errno != 0 ? errno : EIO;
  return err;
#else
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
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
#endif
}

// Flushes a folder's entries (new names, renames) to the disk. Returns 0 or
// an errno value; folders cannot be flushed on Windows, where renames are.
int FlushFolder([[maybe_unused]] const fs::path& folder) {
#ifdef _WIN32
  return 0;
#else
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int result = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  // Some file systems cannot flush a folder; the files in it are flushed.
  return result == EINVAL || result == EROFS ? 0 : result;
#endif
}

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
bool IsStamp(const std::string& name) {
  static constexpr std::string_view pattern = "dddd-dd-ddTdd-dd-dd.dddZ";
  if (name.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (pattern[i] == 'd' ? !digit : name[i] != pattern[i]) return false;
  }
  return true;
}

BackupSet Describe(const fs::path& folder) {
  BackupSet set;
  set.folder = folder;
  set.stamp = folder.filename().string();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code sizeError;
    if (!it->is_regular_file(sizeError)) continue;
    const std::uintmax_t size = it->file_size(sizeError);
    if (sizeError) continue;
    set.files.push_back({it->path().filename().string(), size});
    set.bytes += size;
  }
  std::sort(set.files.begin(), set.files.end(),
            [](const SetFile& a, const SetFile& b) { return a.name < b.name; });
  return set;
}

}  // namespace

std::string BackupSet::DisplayTime() const {
  if (!IsStamp(stamp)) return stamp;
  // «2026-12-07T23-59-12.042Z» -> «2026-12-07 23:59:12 UTC»
  return stamp.substr(0, 10) + " " + stamp.substr(11, 2) + ":" + stamp.substr(14, 2) + ":" +
         stamp.substr(17, 2) + " UTC";
}

fs::path DefaultRoot() {
#ifdef _WIN32
  const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0')
    throw BackupError(
        "Nothing can be backed up: LOCALAPPDATA is not set, so there is no folder for backups.");
  return fs::path(local) / "Quib Configurator" / "backups";
#else
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && *state == '/') return fs::path(state) / "quib-configurator" / "backups";
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0')
    throw BackupError(
        "Nothing can be backed up: HOME is not set, so there is no folder for backups.");
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
  fs::path name = full.filename();
  if (name.empty()) name = "emulator";
  name += "-";
  name += digits;
  return name;
}

Store::Store(const fs::path& root, const fs::path& emulatorDir)
    : folder_(root / FolderKey(emulatorDir)) {}

BackupSet Store::Create(const std::vector<fs::path>& files,
                        std::chrono::system_clock::time_point now) {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec)
    throw BackupError("Cannot create the backup folder " + Quoted(folder_) + ". " + Reason(ec));

  // A free name: a set made in the same millisecond takes the next one.
  fs::path partial;
  std::string stamp;
  for (int attempt = 0;; ++attempt) {
    stamp = Stamp(now + std::chrono::milliseconds(attempt));
    partial = folder_ / (stamp + kPartial);
    if (!fs::exists(folder_ / stamp, ec) && fs::create_directory(partial, ec)) break;
    if (ec || attempt >= 1000)
      throw BackupError("Cannot create the backup folder " + Quoted(partial) + ". " +
                        Reason(ec ? ec : std::make_error_code(std::errc::file_exists)));
  }

  try {
    for (const fs::path& file : files) {
      const std::optional<std::string> bytes = ReadBytes(file, "to back it up");
      if (!bytes) continue;
      const fs::path copy = partial / file.filename();
      if (const int err = WriteFlushed(copy, *bytes); err != 0)
        throw BackupError("Cannot write the backup file " + Quoted(copy) + ". " +
                          atomic_file::SystemReason(err));
    }
    if (const int err = FlushFolder(partial); err != 0)
      throw BackupError("Cannot flush the backup folder " + Quoted(partial) + ". " +
                        atomic_file::SystemReason(err));
    fs::rename(partial, folder_ / stamp, ec);
    if (ec)
      throw BackupError("Cannot name the backup folder " + Quoted(folder_ / stamp) + ". " +
                        Reason(ec));
  } catch (...) {
    fs::remove_all(partial, ec);
    throw;
  }
  if (const int err = FlushFolder(folder_); err != 0) {
    fs::remove_all(folder_ / stamp, ec);
    throw BackupError("Cannot flush the backup folder " + Quoted(folder_) + ". " +
                      atomic_file::SystemReason(err));
  }
  return Describe(folder_ / stamp);
}

std::vector<BackupSet> Store::List() const {
  std::vector<BackupSet> sets;
  std::error_code ec;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_directory(typeError) || !IsStamp(it->path().filename().string())) continue;
    sets.push_back(Describe(it->path()));
  }
  std::sort(sets.begin(), sets.end(),
            [](const BackupSet& a, const BackupSet& b) { return a.stamp > b.stamp; });
  return sets;
}

void Store::Remove(const BackupSet& set) noexcept {
  std::error_code ec;
  fs::remove_all(set.folder, ec);
}

void Store::Prune(std::size_t keep) noexcept {
  try {
    const std::vector<BackupSet> sets = List();
    for (std::size_t i = keep; i < sets.size(); ++i) Remove(sets[i]);

    // A set that was never completed (the program stopped while writing it)
    // is removed once it is clearly not being written any more.
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.size() <= std::string_view(kPartial).size() ||
          !IsStamp(name.substr(0, name.size() - std::string_view(kPartial).size())))
        continue;
      std::error_code timeError;
      const auto written = it->last_write_time(timeError);
      if (!timeError && now - written > std::chrono::hours(1)) {
        std::error_code removeError;
        fs::remove_all(it->path(), removeError);
      }
    }
  } catch (...) {
    // Pruning is housekeeping; a failure leaves more sets than wanted.
  }
}

std::vector<Store::Content> Store::Read(const BackupSet& set) const {
  std::vector<Content> contents;
  for (const SetFile& file : set.files) {
    const fs::path path = set.folder / file.name;
    std::optional<std::string> bytes = ReadBytes(path, "from the backup");
    if (!bytes)
      throw BackupError("The backup file " + Quoted(path) + " is missing. " +
                        atomic_file::SystemReason(ENOENT));
    contents.push_back({file.name, std::move(*bytes)});
  }
  return contents;
}

void CommitWithBackup(save_set::PreparedSet& prepared, Store& store, const SaveHooks& hooks) {
  // Kept under the names given: a symbolic link's file is kept as the link's
  // name, which is the name it is restored to.
  std::vector<fs::path> replaced;
  for (std::size_t i = 0; i < prepared.size(); ++i) replaced.push_back(prepared.entry(i).path);
  BackupSet set;
  try {
    set = store.Create(replaced);
  } catch (const BackupError& error) {
    throw BackupError(
        "Nothing was saved: the files it would replace could not be backed up first.\r" +
        std::string(error.what()));
  }
  if (hooks.afterBackup) hooks.afterBackup(prepared);
  try {
    prepared.CommitAll();
  } catch (const save_set::SaveSetError& error) {
    if (error.saved().empty()) store.Remove(set);
    throw;
  }
  store.Prune();
}

void SaveWithBackup(std::vector<save_set::Entry> files, Store& store) {
  save_set::PreparedSet prepared(std::move(files));
  CommitWithBackup(prepared, store);
}

}  // namespace backups
