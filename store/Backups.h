// Backups of the emulator's files: before Apply replaces them, their previous
// bytes are kept as one set, a folder named by a sequence number (the order
// the sets were made in) and the UTC time, under a folder per emulator
// directory. The newest sets are kept, older ones removed.
//
//   <root>/i<hash of the folder's identity>/<sequence>-<UTC time>/quib.cfg ...
//
// The identity tells the emulator folder apart however it is reached (see
// folder::Identity); a folder copied or moved to another disk is another
// folder. Sets kept by earlier versions, under the folder's name and a hash
// of its path as typed, are still found. The root is $XDG_STATE_HOME/
// quib-configurator/backups (default ~/.local/state/...), %LOCALAPPDATA%\Quib
// Configurator\backups on Windows. Every folder of the store is private
// (0700) and the user's own; nothing in it is reached through a symbolic
// link. Besides the kept files a set may hold small files of its own, named
// with a leading dot (the record of an Apply and its marks, see Apply.h).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/FileStamp.h"
#include "store/Message.h"

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

// The folder name of an emulator directory's sets: "i" and sixteen
// hexadecimal digits of a hash of its identity. PathKey, what earlier
// versions used and what serves when the folder cannot be opened: its own
// name (cut to kKeyNameBytes), "-", and eight digits of a hash of its
// absolute path.
std::filesystem::path FolderKey(const std::filesystem::path& emulatorDir);
std::filesystem::path PathKey(const std::filesystem::path& emulatorDir);

struct SetFile {
  std::string name;
  std::uintmax_t size = 0;
};

struct BackupSet {
  std::filesystem::path folder;
  std::uint64_t sequence = 0;  // the order of making
  std::string stamp;           // the time recorded: «2026-12-07T23-59-12.042Z»
  std::vector<SetFile> files;
  std::uintmax_t bytes = 0;
};

class Store {
 public:
  Store(const std::filesystem::path& root, const std::filesystem::path& emulatorDir);

  // The folder of this emulator directory's sets.
  const std::filesystem::path& Folder() const { return folder_; }
  const std::filesystem::path& EmulatorDir() const { return emulatorDir_; }
  // Whether any set was ever kept for this directory (no folder is made).
  bool Used() const;

  // Keeps the current bytes of these files as a new set, numbered after every
  // set there; a file that does not exist is left out. With `loaded`, each
  // file it has a stamp of must still hold those bytes (one it has a stamp
  // of must exist), else ChangedOnDiskError. With `record`, what it returns
  // for the files' bytes (none for a file that does not exist) is written
  // into the set as its record. The set is written under a temporary name,
  // flushed to the disk and only then given its name, so it is complete,
  // record and all, once this returns. Throws BackupError, leaving nothing.
  using RecordOf = std::function<std::string(const std::vector<std::optional<std::string>>&)>;
  BackupSet Create(const std::vector<std::filesystem::path>& files,
                   std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                   const std::map<std::filesystem::path, FileStamp>* loaded = nullptr,
                   const RecordOf& record = {});

  // The complete sets, the last made first. A folder or file of the store
  // that is a symbolic link or another user's is never listed.
  std::vector<BackupSet> List() const;
  // The sets whose Apply began and never ended (a record without the
  // finished mark), the last made first.
  std::vector<BackupSet> Unfinished() const;

  // Removes a set, never following a symbolic link. Never throws.
  void Remove(const BackupSet& set) noexcept;

  // Removes every set but the last `keep` made, and what an interrupted
  // Create left behind; never `made`, nor a set of an unfinished Apply.
  // Never throws.
  void Prune(std::size_t keep = kKeptSets, const BackupSet* made = nullptr) noexcept;

  // The files of a set with their bytes, in name order. Throws BackupError.
  struct Content {
    std::string name;
    std::string bytes;
  };
  std::vector<Content> Read(const BackupSet& set) const;

  // A set's own small files (".apply", ".finished" ...): Put writes a new
  // one and flushes it into the set; Get reads one, nothing when absent.
  // Both throw BackupError.
  void Put(const BackupSet& set, const std::string& name, std::string_view bytes);
  std::optional<std::string> Get(const BackupSet& set, const std::string& name) const;
  // The names of a set's own files that begin with `prefix`.
  std::vector<std::string> Own(const BackupSet& set, const std::string& prefix) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path folder_;
  std::filesystem::path legacy_;  // where earlier versions kept the sets, if elsewhere
  std::filesystem::path emulatorDir_;
};

}  // namespace backups
