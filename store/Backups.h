// Backups of the emulator's files: before Apply replaces them, their previous
// bytes are kept as one set, a folder named by a sequence number (the order
// the sets were made in) and the UTC time, under a folder per emulator
// directory. The newest sets are kept, older ones removed.
//
//   <root>/<emulator folder name>-<hash of its full path>/<sequence>-<UTC time>/quib.cfg ...
//
// The root is $XDG_STATE_HOME/quib-configurator/backups (default
// ~/.local/state/...), %LOCALAPPDATA%\Quib Configurator\backups on Windows.
// Every folder of the store is private (0700) and the user's own; nothing in
// it is reached through a symbolic link. A set also records an Apply under
// way (".apply", written before the first file is replaced) and its end
// (".finished"), so that an Apply cut short is found at the next start.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/FileStamp.h"
#include "store/Message.h"
#include "store/SaveSet.h"

namespace backups {

// Sets kept per emulator directory.
inline constexpr std::size_t kKeptSets = 20;
// The longest emulator folder name a store folder's name keeps, in bytes:
// with the hash it stays far below any file system's limit of 255.
inline constexpr std::size_t kKeyNameBytes = 120;
// How long a save waits for another one of the same folder to end.
inline constexpr std::chrono::milliseconds kLockWait{3000};

// A backup that could not be made or read. what() is the text for the user.
class BackupError : public StoreError {
 public:
  using StoreError::StoreError;
};

// Another Configurator is saving the same emulator folder.
class BusyError : public BackupError {
 public:
  using BackupError::BackupError;
};

// Files that no longer held what was loaded when they were read for the
// backup, just before they were to be replaced. Nothing was saved.
class ChangedOnDiskError : public BackupError {
 public:
  explicit ChangedOnDiskError(std::vector<std::filesystem::path> files);
  const std::vector<std::filesystem::path>& files() const { return files_; }

 private:
  std::vector<std::filesystem::path> files_;
};

// The root of every backup folder, from the environment. Throws BackupError
// when the environment names no home folder.
std::filesystem::path DefaultRoot();

// The folder name of an emulator directory's sets: its own name (cut to
// kKeyNameBytes), "-", and eight hexadecimal digits of a hash of its absolute
// path.
std::filesystem::path FolderKey(const std::filesystem::path& emulatorDir);

struct SetFile {
  std::string name;
  std::uintmax_t size = 0;
};

struct BackupSet {
  std::filesystem::path folder;
  std::uint64_t sequence = 0;  // the order of making; 0 for sets named by time alone
  std::string stamp;           // the time recorded: «2026-12-07T23-59-12.042Z»
  std::vector<SetFile> files;
  std::uintmax_t bytes = 0;
  // «2026-12-07 23:59:12 UTC»
  std::string DisplayTime() const;
};

// An Apply that stopped after it began replacing files (the program ended or
// the power went): what its files hold now.
struct UnfinishedApply {
  BackupSet set;
  std::vector<std::filesystem::path> replaced;  // hold what that Apply wrote
  std::vector<std::filesystem::path> partly;    // hold neither the old nor the new bytes
  std::vector<std::filesystem::path> temps;     // its temporary files still there
};

class Store {
 public:
  Store(const std::filesystem::path& root, const std::filesystem::path& emulatorDir);

  // The folder of this emulator directory's sets.
  const std::filesystem::path& Folder() const { return folder_; }
  const std::filesystem::path& EmulatorDir() const { return emulatorDir_; }

  // Keeps the current bytes of these files as a new set, numbered after every
  // set there; a file that does not exist is left out. With `loaded`, each
  // file it has a stamp of must still hold those bytes, else
  // ChangedOnDiskError. The set is written under a temporary name, flushed
  // to the disk and only then given its name, so it is complete once this
  // returns. Throws BackupError, leaving nothing behind.
  BackupSet Create(const std::vector<std::filesystem::path>& files,
                   std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                   const std::map<std::filesystem::path, FileStamp>* loaded = nullptr);

  // The complete sets, the last made first. A folder or file of the store
  // that is a symbolic link or another user's is never listed.
  std::vector<BackupSet> List() const;

  // Removes a set, never following a symbolic link. Never throws.
  void Remove(const BackupSet& set) noexcept;

  // Removes every set but the last `keep` made, and what an interrupted
  // Create left behind; never `made`, nor a set of an unfinished Apply.
  // Never throws.
  void Prune(std::size_t keep = kKeptSets, const BackupSet* made = nullptr) noexcept;

  // Records in the set that this Apply is under way: every file it replaces,
  // what it writes there and its temporary files. Flushed. Throws BackupError.
  void RecordApply(const BackupSet& set, const save_set::PreparedSet& prepared);
  // Marks the Apply of the set finished. Throws BackupError.
  void MarkFinished(const BackupSet& set);

  // Applies recorded and never marked finished, the last made first.
  std::vector<UnfinishedApply> Unfinished() const;
  // Writes the set's files back over what the Apply changed (a file it made
  // is removed), removes its temporary files and marks it finished. Throws
  // BackupError or save_set::SaveSetError.
  void PutBack(const UnfinishedApply& apply);
  // Leaves the files as they are: removes the temporary files and marks the
  // Apply finished. Throws BackupError.
  void Keep(const UnfinishedApply& apply);

  // The files of a set with their bytes, in name order. Throws BackupError.
  struct Content {
    std::string name;
    std::string bytes;
  };
  std::vector<Content> Read(const BackupSet& set) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path folder_;
  std::filesystem::path emulatorDir_;
};

// One saver at a time per emulator folder: an advisory lock on a file in the
// store's folder, held for the lifetime of this object. Waits up to `wait`
// for another holder, then throws BusyError «Nothing was saved: another Quib
// Configurator is saving the files in "<folder>". ...».
class SaveLock {
 public:
  explicit SaveLock(const Store& store, std::chrono::milliseconds wait = kLockWait);
  ~SaveLock();
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

 private:
  std::intptr_t handle_ = -1;
};

// Replaces the prepared files, holding the SaveLock, after keeping the bytes
// of the files they replace as one set in the store (complete and flushed
// first, with the record of the Apply). A backup that cannot be written
// replaces nothing and throws BackupError «Nothing was saved: the files it
// would replace could not be backed up first.\r<why>»; a file changed since
// it was loaded throws ChangedOnDiskError. When a replacement fails, the
// files already replaced are put back from the set and SaveSetError «Nothing
// was saved: <why> The files already replaced were put back.» is thrown, the
// set removed. Only when putting one back fails too does the set stay
// (unfinished), and the error names each file that holds the new settings
// and where its old contents are. Old sets are pruned after a complete save.
struct SaveHooks {
  // Called once the set is written, before the first file is replaced.
  std::function<void(const save_set::PreparedSet&)> afterBackup;
  // Called after each file replaced, with its index.
  std::function<void(std::size_t)> afterReplace;
  // The stamps the files must still match (the last look before replacing).
  const std::map<std::filesystem::path, FileStamp>* loaded = nullptr;
  std::chrono::milliseconds lockWait = kLockWait;
};
void CommitWithBackup(save_set::PreparedSet& prepared, Store& store, const SaveHooks& hooks = {});

// Prepares the files (see save_set::PreparedSet), then CommitWithBackup.
void SaveWithBackup(std::vector<save_set::Entry> files, Store& store);

}  // namespace backups
