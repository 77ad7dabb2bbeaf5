#include "store/Backups.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "store/AtomicFile.h"
#include "store/NativeFile.h"
#include "store/SafeFolder.h"
#include "store/ZIniReader.h"

namespace fs = std::filesystem;

namespace backups {

using namespace folder;

namespace {

constexpr const char* kPartial = ".partial";
constexpr const char* kRecordName = ".apply";
constexpr const char* kFinishedName = ".finished";
constexpr std::size_t kSequenceDigits = 10;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

fs::path FromUtf8(std::string_view text) {
  return fs::path(std::u8string(text.begin(), text.end()));
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
bool IsStamp(std::string_view name) {
  static constexpr std::string_view pattern = "dddd-dd-ddTdd-dd-dd.dddZ";
  if (name.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (pattern[i] == 'd' ? !digit : name[i] != pattern[i]) return false;
  }
  return true;
}

// A set's folder name «0000000042-2026-12-07T23-59-12.042Z».
struct SetName {
  std::uint64_t sequence = 0;
  std::string stamp;
};

std::optional<SetName> ParseSetName(std::string_view name) {
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
    // The set's own files are not files of the emulator.
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

BackupError MissingSet(const BackupSet& set) {
  return BackupError(StoreMessage(QT_TRANSLATE_NOOP("Files", "The backup set \"%1\" is missing."),
                                  {Shown(set.folder)}));
}

BackupError FlushError(const fs::path& folder, int err) {
  return BackupError(
      StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot flush the backup folder \"%1\". %2"),
                   {Shown(folder), atomic_file::SystemMessage(err)}));
}

// The root and a folder of the store, made private and checked on the way.
Dir OpenStore(const fs::path& root, const fs::path& folder, bool create) {
  if (create) MakeParents(root.parent_path());
  Dir top = OpenFolder(nullptr, root, create, Part::Folder);
  if (!Exists(top)) return top;
  return OpenFolder(&top, folder.filename(), create, Part::Folder);
}

// A set's folder, opened; throws when it is gone.
Dir OpenSet(const fs::path& root, const BackupSet& set) {
  const Dir store = OpenStore(root, set.folder.parent_path(), false);
  Dir dir = Exists(store) ? OpenFolder(&store, set.folder.filename(), false, Part::Set) : Dir();
  if (!Exists(dir)) throw MissingSet(set);
  return dir;
}

std::string KeyName(const fs::path& dir, std::string_view hash) {
  // The readable part is cut where a UTF-8 letter begins; the hash tells
  // folders with the same beginning apart.
  std::string name = Utf8(dir.filename());
  if (name.size() > kKeyNameBytes) {
    std::size_t cut = kKeyNameBytes;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  if (name.empty()) name = "emulator";
  return name + "-" + std::string(hash);
}

fs::path Absolute(const fs::path& emulatorDir) {
  std::error_code ec;
  fs::path full = fs::absolute(emulatorDir, ec);
  if (ec) full = emulatorDir;
  full = full.lexically_normal();
  if (full.filename().empty() && full.has_parent_path() && full != full.root_path())
    full = full.parent_path();
  return full;
}

}  // namespace

ChangedOnDiskError::ChangedOnDiskError(std::vector<fs::path> files)
    : BackupError([&] {
        StoreMessage text(QT_TRANSLATE_NOOP("Files",
                                            "Nothing was saved: someone else changed these files "
                                            "on disk just before they were to be replaced:"));
        for (const fs::path& file : files) {
          text += StoreMessage::Verbatim("\r");
          text += Quoted(native_file::DisplayName(file));
        }
        return text;
      }()),
      files_(std::move(files)) {}

fs::path DefaultRoot() {
  auto none = [](const char* variable) {
    return BackupError(StoreMessage(
        QT_TRANSLATE_NOOP("Files",
                          "Nothing can be backed up: %1 is not set, so there is no folder for "
                          "backups."),
        {StoreMessage::Verbatim(variable)}));
  };
#ifdef _WIN32
  const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') throw none("LOCALAPPDATA");
  return fs::path(local) / "Quib Configurator" / "backups";
#else
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && *state == '/') return fs::path(state) / "quib-configurator" / "backups";
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') throw none("HOME");
  return fs::path(home) / ".local" / "state" / "quib-configurator" / "backups";
#endif
}

fs::path PathKey(const fs::path& emulatorDir) {
  const fs::path full = Absolute(emulatorDir);
  // FNV-1a over the path's bytes.
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : full.generic_u8string()) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(hash ^ (hash >> 32)));
  return FromUtf8(KeyName(full, digits));
}

fs::path FolderKey(const fs::path& emulatorDir) {
  const auto identity = Identity(emulatorDir);
  if (!identity) return PathKey(emulatorDir);
  std::uint64_t hash = 14695981039346656037ull;
  for (const std::uint64_t part : {identity->first, identity->second})
    for (int i = 0; i < 8; ++i) {
      hash ^= (part >> (8 * i)) & 0xff;
      hash *= 1099511628211ull;
    }
  // No name of the folder: a link or a mount may call it otherwise.
  char digits[20];
  std::snprintf(digits, sizeof digits, "i%016llx", static_cast<unsigned long long>(hash));
  return digits;
}

Store::Store(const fs::path& root, const fs::path& emulatorDir)
    : root_(root), folder_(root / FolderKey(emulatorDir)), emulatorDir_(emulatorDir) {
  if (const fs::path legacy = root / PathKey(emulatorDir); legacy != folder_) legacy_ = legacy;
}

bool Store::Used() const {
  std::error_code ec;
  for (const fs::path& folder : {folder_, legacy_})
    if (!folder.empty() && fs::exists(fs::symlink_status(folder, ec))) return true;
  return false;
}

BackupSet Store::Create(const std::vector<fs::path>& files,
                        std::chrono::system_clock::time_point now,
                        const std::map<fs::path, FileStamp>* loaded, const RecordOf& record) {
  // The next number after every set and partial set there, whatever the
  // clock says (the sets of earlier versions included).
  const Dir store = OpenStore(root_, folder_, true);
  std::uint64_t sequence = 0;
  for (const BackupSet& set : List()) sequence = std::max(sequence, set.sequence);
  for (const std::string& name : Names(store))
    if (EndsWith(name, kPartial))
      if (const auto parsed = ParseSetName(name.substr(0, name.size() - std::strlen(kPartial))))
        sequence = std::max(sequence, parsed->sequence);
  ++sequence;
  const std::string stamp = Stamp(now);
  char digits[32];
  std::snprintf(digits, sizeof digits, "%010llu", static_cast<unsigned long long>(sequence));
  const std::string name = digits + ("-" + stamp);
  const std::string partialName = name + kPartial;

  const Dir partial = OpenFolder(&store, partialName, true, Part::Set);
  try {
    std::vector<fs::path> changed;
    std::vector<std::optional<std::string>> kept;
    for (const fs::path& file : files) {
      std::error_code ec;
      const bool there = fs::exists(file, ec) || ec;
      const FileStamp* expected = nullptr;
      if (loaded != nullptr)
        if (const auto it = loaded->find(file); it != loaded->end()) expected = &it->second;
      kept.emplace_back();
      if (!there) {
        if (expected != nullptr) changed.push_back(file);
        continue;
      }
      try {
        kept.back() = ReadFileBytes(file);
      } catch (const FileError& error) {
        throw BackupError(
            StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot read \"%1\" to back it up. %2"),
                         {Shown(file), error.reasonMessage()}));
      }
      const std::string& bytes = *kept.back();
      // The last look before replacing: the file must still be as loaded.
      if (expected != nullptr &&
          (expected->size != bytes.size() || expected->hash != ContentHash(bytes)))
        changed.push_back(file);
      if (const int err = WriteNew(partial, file.filename().string(), bytes); err != 0)
        throw BackupError(
            StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot write the backup file \"%1\". %2"),
                         {Shown(partial.path / file.filename()), atomic_file::SystemMessage(err)}));
    }
    if (!changed.empty()) throw ChangedOnDiskError(std::move(changed));
    if (record)
      if (const int err = WriteNew(partial, kRecordName, record(kept)); err != 0)
        throw WriteError(partial.path / kRecordName, err);
    if (const int err = Flush(partial); err != 0) throw FlushError(partial.path, err);
    if (const int err = RenameIn(store, partialName, name); err != 0)
      throw BackupError(
          StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot name the backup folder \"%1\". %2"),
                       {Shown(store.path / name), atomic_file::SystemMessage(err)}));
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
  for (const fs::path& folder : {folder_, legacy_}) {
    if (folder.empty()) continue;
    const Dir store = OpenStore(root_, folder, false);
    if (!Exists(store)) continue;
    for (const std::string& name : Names(store)) {
      const auto parsed = ParseSetName(name);
      if (!parsed || KindOf(store, name) != Kind::Folder) continue;
      try {
        sets.push_back(Describe(store, name, *parsed));
      } catch (const BackupError&) {
        // Changed into something else meanwhile: not a set of ours.
      }
    }
  }
  std::sort(sets.begin(), sets.end(), [](const BackupSet& a, const BackupSet& b) {
    return a.sequence != b.sequence ? a.sequence > b.sequence : a.folder > b.folder;
  });
  return sets;
}

std::vector<BackupSet> Store::Unfinished() const {
  std::vector<BackupSet> found;
  for (const BackupSet& set : List()) {
    const Dir dir = OpenSet(root_, set);
    if (KindOf(dir, kRecordName) != Kind::None && KindOf(dir, kFinishedName) == Kind::None)
      found.push_back(set);
  }
  return found;
}

void Store::Remove(const BackupSet& set) noexcept {
  try {
    const fs::path parent = set.folder.parent_path();
    if (parent != folder_ && parent != legacy_) return;
    const Dir store = OpenStore(root_, parent, false);
    if (Exists(store)) RemoveIn(store, set.folder.filename().string());
  } catch (...) {
  }
}

void Store::Prune(std::size_t keep, const BackupSet* made) noexcept {
  try {
    const std::vector<BackupSet> unfinished = Unfinished();
    std::size_t kept = made != nullptr ? 1 : 0;
    for (const BackupSet& set : List()) {
      if ((made != nullptr && set.folder == made->folder) ||
          std::any_of(unfinished.begin(), unfinished.end(),
                      [&](const BackupSet& u) { return u.folder == set.folder; }))
        continue;
      if (++kept > keep) Remove(set);
    }
    // A set that was never completed (the program stopped while writing it)
    // is removed once it is clearly not being written any more.
    const Dir store = OpenStore(root_, folder_, false);
    if (!Exists(store)) return;
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
  const Dir dir = OpenSet(root_, set);
  std::vector<Content> contents;
  for (const SetFile& file : set.files) contents.push_back({file.name, ReadIn(dir, file.name)});
  return contents;
}

void Store::Put(const BackupSet& set, const std::string& name, std::string_view bytes) {
  const Dir dir = OpenSet(root_, set);
  int err = WriteNew(dir, name, bytes);
  if (err == 0) err = Flush(dir);
  if (err != 0) throw WriteError(set.folder / name, err);
}

std::optional<std::string> Store::Get(const BackupSet& set, const std::string& name) const {
  const Dir dir = OpenSet(root_, set);
  if (KindOf(dir, name) == Kind::None) return std::nullopt;
  return ReadIn(dir, name);
}

std::vector<std::string> Store::Own(const BackupSet& set, const std::string& prefix) const {
  std::vector<std::string> names;
  for (const std::string& name : Names(OpenSet(root_, set)))
    if (name.compare(0, prefix.size(), prefix) == 0) names.push_back(name);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace backups
