#include "store/Apply.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <thread>

#include "store/ApplyRecord.h"
#include "store/AtomicFile.h"
#include "store/NativeFile.h"
#include "store/SafeFolder.h"
#include "store/ZIniReader.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace backups {

using record::Content;
using record::Record;

namespace {

constexpr const char* kRecordName = ".apply";
constexpr const char* kFinishedName = ".finished";
constexpr const char* kDecisionName = ".putback";

using folder::Shown;

// What a set says of its Apply: its record, its decisions to put back and
// whether it finished. A set without a record was not made by an Apply.
struct Looked {
  bool apply = false, finished = false, decided = false;
  Record record;
  Record decisions;  // every file and temporary file the decisions named
};

Looked Look(const Store& store, const BackupSet& set) {
  Looked looked;
  const std::vector<std::string> own = store.Own(set, ".");
  auto has = [&](const char* name) { return std::find(own.begin(), own.end(), name) != own.end(); };
  looked.apply = has(kRecordName);
  looked.finished = has(kFinishedName);
  if (!looked.apply || looked.finished) return looked;
  looked.record = record::Parse(store.Get(set, kRecordName).value_or(""));
  for (const std::string& name : store.Own(set, kDecisionName)) {
    looked.decided = true;
    const Record decision = record::Parse(store.Get(set, name).value_or(""));
    for (std::size_t i = 0; i < decision.temps.size(); ++i)
      looked.decisions.files.push_back(i < decision.files.size() ? decision.files[i]
                                                                 : record::File{});
    looked.decisions.temps.insert(looked.decisions.temps.end(), decision.temps.begin(),
                                  decision.temps.end());
  }
  return looked;
}

// Removes the temporary files a record names (each beside its file).
void RemoveTemporaries(const Record& record) {
  for (std::size_t i = 0; i < record.temps.size(); ++i)
    if (!record.temps[i].empty())
      atomic_file::RemoveTemporary(record.temps[i],
                                   i < record.files.size() ? record.files[i].path : fs::path());
}

void MarkFinished(Store& store, const BackupSet& set) {
  if (store.Own(set, kFinishedName).empty()) store.Put(set, kFinishedName, "");
}

// Settles an Apply with its files as they are.
void Settle(Store& store, const BackupSet& set, const Looked& looked) {
  RemoveTemporaries(looked.record);
  RemoveTemporaries(looked.decisions);
  MarkFinished(store, set);
}

// The set's kept files by name.
std::map<std::string, std::string> KeptOf(const Store& store, const BackupSet& set) {
  std::map<std::string, std::string> kept;
  for (Store::Content& content : store.Read(set)) kept[content.name] = std::move(content.bytes);
  return kept;
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

struct PutBackResult {
  std::vector<fs::path> holdingNew, holdingPart;  // could not be put back
  StoreMessage why;                               // a line for each of them
};

// P2-P3: gives each of `files` back what it held before the Apply recorded in
// `set`: only a file that holds exactly what the Apply wrote, or one of
// `partly` (a write in place of this very Apply that failed half-way).
PutBackResult PutBackFiles(Store& store, const BackupSet& set, const Record& record,
                           const std::map<std::string, std::string>& kept,
                           const std::vector<fs::path>& files, const std::vector<fs::path>& partly,
                           const StoreMessage& unreadable = {}) {
  Record decision;
  for (auto file = record.files.rbegin(); file != record.files.rend(); ++file) {
    const bool part = std::find(partly.begin(), partly.end(), file->path) != partly.end();
    if (part || std::find(files.begin(), files.end(), file->path) != files.end()) {
      decision.files.push_back({file->path, file->after, file->before});
      decision.temps.push_back(atomic_file::TemporaryBeside(file->path));
    }
  }
  try {
    // P2. Without it a crash in P3 is asked about again at the next start.
    const std::size_t n = store.Own(set, kDecisionName).size() + 1;
    store.Put(set, kDecisionName + ("-" + std::to_string(n)), record::Format(decision));
  } catch (const BackupError&) {
  }
  // P3
  PutBackResult result;
  for (std::size_t i = 0; i < decision.files.size(); ++i) {
    const fs::path& path = decision.files[i].path;
    const Content& before = decision.files[i].after;
    // A file that no longer holds what the Apply wrote is not ours to write.
    const bool part = std::find(partly.begin(), partly.end(), path) != partly.end() ||
                      !(Content::Now(path) == decision.files[i].before);
    const auto old = kept.find(path.filename().string());
    StoreMessage failure = unreadable;
    if (failure.empty() && part && std::find(partly.begin(), partly.end(), path) == partly.end())
      failure = StoreMessage(
          QT_TRANSLATE_NOOP("Files", "It was replaced by another file while it was being saved."));
    if (failure.empty() && before.state == Content::State::Absent) {
      std::error_code ec;
      if (!fs::remove(path, ec) && ec)
        failure = StoreMessage::Verbatim(ec.message() + ".");
      else
        failure = atomic_file::FlushFolderOf(path);
    } else if (failure.empty()) {
      try {
        if (old == kept.end()) throw FileError(FileError::Kind::Create, "", {});
        atomic_file::PendingFile(path, old->second, decision.temps[i]).Commit();
      } catch (const FileError& error) {
        failure = error.reasonMessage();
      }
    }
    if (failure.empty()) continue;
    (part ? result.holdingPart : result.holdingNew).push_back(path);
    const fs::path oldContents = set.folder / path.filename();
    result.why += StoreMessage::Verbatim("\r\n");
    result.why += NotPutBack(path, part, failure, old != kept.end() ? &oldContents : nullptr);
  }
  return result;
}

BackupError NotBackedUp(const BackupError& error) {
  return BackupError(StoreMessage(
      QT_TRANSLATE_NOOP(
          "Files",
          "Nothing was saved: the files it would replace could not be backed up first.\r%1"),
      {error.message()}));
}

// A4 failed after replacing files: they go back (P2-P4), and the error says
// what was saved.
[[noreturn]] void RollBack(Store& store, const BackupSet& set, const Record& record,
                           const save_set::SaveSetError& error) {
  if (error.saved().empty() && error.damaged().empty()) {
    store.Remove(set);
    throw error;
  }
  std::map<std::string, std::string> kept;
  StoreMessage unreadable;
  try {
    kept = KeptOf(store, set);
  } catch (const BackupError& readError) {
    unreadable = readError.message();
  }
  const PutBackResult back =
      PutBackFiles(store, set, record, kept, error.saved(), error.damaged(), unreadable);
  std::vector<fs::path> all, notSaved, same;
  for (const record::File& file : record.files) all.push_back(file.path);
  if (back.holdingNew.empty() && back.holdingPart.empty()) {  // P4
    store.Remove(set);
    throw save_set::SaveSetError(
        StoreMessage(QT_TRANSLATE_NOOP("Files",
                                       "Nothing was saved: %1 The files already replaced were "
                                       "put back."),
                     {error.cause()}),
        {}, all, {}, error.cause());
  }
  // The set stays unfinished, its decision recorded: the next start puts
  // back what still holds the new settings.
  for (const fs::path& path : all) {
    const auto in = [&](const std::vector<fs::path>& list) {
      return std::find(list.begin(), list.end(), path) != list.end();
    };
    if (!in(back.holdingNew)) notSaved.push_back(path);
    if (!in(back.holdingNew) && !in(back.holdingPart)) same.push_back(path);
  }
  std::vector<std::string> names;
  for (const fs::path& path : same) names.push_back(native_file::DisplayName(path));
  StoreMessage text(QT_TRANSLATE_NOOP("Files", "Not all settings files were saved: %1"),
                    {error.cause()});
  text += back.why;
  text += StoreMessage::Verbatim("\r\n");
  text += StoreMessage(QT_TRANSLATE_NOOP("Files", "As they were: %1."), {QuotedList(names)});
  std::vector<fs::path> holdingNew(back.holdingNew.rbegin(), back.holdingNew.rend());
  throw save_set::SaveSetError(std::move(text), std::move(holdingNew), std::move(notSaved),
                               back.holdingPart, error.cause());
}

[[maybe_unused]] BackupError LockFileError(const fs::path& path, StoreMessage reason) {
  return BackupError(
      StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot open the lock file \"%1\". %2"),
                   {Shown(path), std::move(reason)}));
}

}  // namespace

SaveLock::SaveLock(const Store& store, std::chrono::milliseconds wait) {
  const auto until = std::chrono::steady_clock::now() + wait;
  auto busy = [&] {
    return BusyError(StoreMessage(
        QT_TRANSLATE_NOOP("Files",
                          "Nothing was saved: another Quib Configurator is saving the files in "
                          "\"%1\" right now. Try again when it is done; files it changed "
                          "meanwhile are then shown as changed on disk."),
        {Shown(store.EmulatorDir())}));
  };
  auto tooLong = [&] {
    if (std::chrono::steady_clock::now() >= until) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return false;
  };
#ifdef _WIN32
  // Windows locks no folder: a file in the store folder, which is keyed by
  // the folder's identity, stands for it.
  folder::MakeParents(store.Folder().parent_path());
  const folder::Dir top = folder::OpenFolder(nullptr, store.Folder().parent_path(), true);
  const folder::Dir dir = folder::OpenFolder(&top, store.Folder().filename(), true);
  const fs::path path = dir.path / "lock";
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
    if (tooLong()) {
      ::CloseHandle(file);
      throw busy();
    }
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
#else
  // The folder itself is locked: the same lock however it is reached, and
  // whoever saves it (another user, another home folder).
  const fs::path& dir = store.EmulatorDir();
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw LockFileError(dir, atomic_file::SystemMessage(errno));
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    if (err == EINTR) continue;
    if (err != EWOULDBLOCK) {
      ::close(fd);
      throw BackupError(StoreMessage(QT_TRANSLATE_NOOP("Files", "Cannot lock \"%1\". %2"),
                                     {Shown(dir), atomic_file::SystemMessage(err)}));
    }
    if (tooLong()) {
      ::close(fd);
      throw busy();
    }
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

void SaveWithBackup(std::vector<save_set::Entry> files, Store& store, const SaveHooks& hooks) {
  // A1
  std::optional<SaveLock> lock;
  try {
    lock.emplace(store, hooks.lockWait);
  } catch (const BusyError&) {
    throw;
  } catch (const BackupError& error) {
    throw NotBackedUp(error);
  }
  // A2. Kept under the names given: a symbolic link's file is kept as the
  // link's name, which is the name it is restored to.
  Record record;
  std::vector<fs::path> paths;
  for (const save_set::Entry& entry : files) {
    paths.push_back(entry.path);
    record.temps.push_back(atomic_file::TemporaryBeside(entry.path));
  }
  BackupSet set;
  try {
    set = store.Create(
        paths, std::chrono::system_clock::now(), hooks.loaded,
        [&](const std::vector<std::optional<std::string>>& kept) {
          for (std::size_t i = 0; i < files.size(); ++i)
            record.files.push_back({paths[i], kept[i] ? Content::Of(*kept[i]) : Content{},
                                    Content::Of(files[i].bytes)});
          return record::Format(record);
        });
  } catch (const ChangedOnDiskError&) {
    throw;
  } catch (const BackupError& error) {
    throw NotBackedUp(error);
  }
  // A3
  std::optional<save_set::PreparedSet> prepared;
  try {
    prepared.emplace(std::move(files), record.temps);
  } catch (const save_set::SaveSetError&) {
    store.Remove(set);
    throw;
  }
  if (hooks.afterBackup) hooks.afterBackup(*prepared);
  // A4
  try {
    prepared->CommitAll(hooks.afterReplace);
  } catch (const save_set::SaveSetError& error) {
    RollBack(store, set, record, error);
  }
  // A5. Every file is saved and flushed: without the mark the next start
  // finds each holding what this Apply wrote, and settles it silently.
  try {
    MarkFinished(store, set);
    for (const BackupSet& older : store.Unfinished())
      if (older.sequence < set.sequence) Settle(store, older, Look(store, older));
  } catch (const BackupError&) {
  }
  store.Prune(kKeptSets, &set);
}

Recovery::Recovery(Store& store, std::chrono::milliseconds wait)
    : store_(store), lock_(store, wait) {}

std::optional<UnfinishedApply> Recovery::Next() {
  for (;;) {
    bool laterFinished = false;
    std::optional<std::pair<BackupSet, Looked>> newest;
    for (const BackupSet& set : store_.List()) {
      if (std::find(done_.begin(), done_.end(), set.folder) != done_.end()) continue;
      Looked looked;
      try {
        looked = Look(store_, set);
      } catch (const BackupError& error) {
        // Its record cannot be read: settled once, with what was found.
        UnfinishedApply apply{set, {}, {}, {}, false, error.message()};
        done_.push_back(set.folder);
        try {
          MarkFinished(store_, set);
        } catch (const BackupError&) {
        }
        return apply;
      }
      if (!looked.apply) continue;
      if (looked.finished) {
        laterFinished = true;
      } else if (laterFinished) {
        Settle(store_, set, looked);
      } else if (!newest) {
        newest.emplace(set, std::move(looked));
      }
    }
    if (!newest) return std::nullopt;
    auto& [set, looked] = *newest;
    UnfinishedApply apply;
    apply.set = set;
    apply.decided = looked.decided;
    std::map<std::string, std::string> kept;
    if (!looked.record.whole)
      apply.broken = StoreMessage(QT_TRANSLATE_NOOP("Files", "Its record is incomplete."));
    try {
      if (apply.broken.empty()) kept = KeptOf(store_, set);
    } catch (const BackupError& error) {
      apply.broken = error.message();
    }
    for (record::File& file : looked.record.files) {
      const auto old = kept.find(file.path.filename().string());
      if (file.before.state == Content::State::Kept && old != kept.end())
        file.before = Content::Of(old->second);
      const Content now = Content::Now(file.path);
      const bool wrote = now == file.after;
      (wrote ? apply.wrote : now == file.before ? apply.before : apply.other).push_back(file.path);
      // What it held before must be there to be put back.
      if (wrote && apply.broken.empty() && file.before.state != Content::State::Absent &&
          (old == kept.end() || !(Content::Of(old->second) == file.before)))
        apply.broken =
            StoreMessage(QT_TRANSLATE_NOOP("Files", "\"%1\" no longer holds what was kept."),
                         {Shown(set.folder / file.path.filename())});
    }
    if (!apply.broken.empty()) {
      done_.push_back(set.folder);
      Settle(store_, set, looked);
      apply.broken = StoreMessage(
          QT_TRANSLATE_NOOP("Files",
                            "An Apply that did not finish cannot be put back: %1 The emulator's "
                            "files are left as they are."),
          {apply.broken});
      return apply;
    }
    if (!apply.wrote.empty() && (apply.decided || !apply.before.empty())) return apply;
    Settle(store_, set, looked);
  }
}

void Recovery::PutBack(const UnfinishedApply& apply) {
  done_.push_back(apply.set.folder);  // whatever happens, looked at once
  const Looked looked = Look(store_, apply.set);
  const std::map<std::string, std::string> kept = KeptOf(store_, apply.set);
  // P1, and the last look: each file still holds what Next found.
  std::map<fs::path, FileStamp> expected;
  for (const record::File& file : looked.record.files)
    if (std::find(apply.wrote.begin(), apply.wrote.end(), file.path) != apply.wrote.end())
      expected[file.path] = FileStamp{file.after.size, 0, file.after.hash};
  store_.Create(apply.wrote, std::chrono::system_clock::now(), &expected);
  // (What a file held before is the set's copy of it, whatever the record's
  // version says of it: only "absent" tells PutBackFiles anything.)
  const PutBackResult back = PutBackFiles(store_, apply.set, looked.record, kept, apply.wrote, {});
  // P4
  Settle(store_, apply.set, Look(store_, apply.set));
  if (!back.why.empty()) {
    StoreMessage text(QT_TRANSLATE_NOOP("Files", "Not every file could be put back:"));
    text += back.why;
    throw BackupError(std::move(text));
  }
}

void Recovery::Keep(const UnfinishedApply& apply) {
  done_.push_back(apply.set.folder);
  Settle(store_, apply.set, Look(store_, apply.set));
}

}  // namespace backups
