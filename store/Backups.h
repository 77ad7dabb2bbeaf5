// Backups of the emulator's files: before Apply replaces them, their previous
// bytes are kept as one set, a folder named by the UTC time under a folder per
// emulator directory. The newest sets are kept, older ones removed.
//
//   <root>/<emulator folder name>-<hash of its full path>/<UTC time>/quib.cfg ...
//
// The root is $XDG_STATE_HOME/quib-configurator/backups (default
// ~/.local/state/...), %LOCALAPPDATA%\Quib Configurator\backups on Windows.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/SaveSet.h"

namespace backups {

// Sets kept per emulator directory.
inline constexpr std::size_t kKeptSets = 20;

// A backup that could not be made or read. what() is the text for the user.
class BackupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The root of every backup folder, from the environment. Throws BackupError
// when the environment names no home folder.
std::filesystem::path DefaultRoot();

// The folder name of an emulator directory's sets: its own name, "-", and
// eight hexadecimal digits of a hash of its absolute path.
std::filesystem::path FolderKey(const std::filesystem::path& emulatorDir);

struct SetFile {
  std::string name;
  std::uintmax_t size = 0;
};

struct BackupSet {
  std::filesystem::path folder;
  std::string stamp;  // the folder name: «2026-12-07T23-59-12.042Z»
  std::vector<SetFile> files;
  std::uintmax_t bytes = 0;
  // «2026-12-07 23:59:12 UTC»
  std::string DisplayTime() const;
};

class Store {
 public:
  Store(const std::filesystem::path& root, const std::filesystem::path& emulatorDir);

  // The folder of this emulator directory's sets.
  const std::filesystem::path& Folder() const { return folder_; }

  // Keeps the current bytes of these files as a new set; a file that does not
  // exist is left out. The set is written under a temporary name, flushed to
  // the disk and only then given its name, so it is complete once this
  // returns. Throws BackupError, leaving nothing behind.
  BackupSet Create(const std::vector<std::filesystem::path>& files,
                   std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

  // The complete sets, newest first.
  std::vector<BackupSet> List() const;

  // Removes a set. Never throws.
  void Remove(const BackupSet& set) noexcept;

  // Removes every set but the newest `keep`, and what an interrupted Create
  // left behind. Never throws.
  void Prune(std::size_t keep = kKeptSets) noexcept;

  // The files of a set with their bytes, in name order. Throws BackupError.
  struct Content {
    std::string name;
    std::string bytes;
  };
  std::vector<Content> Read(const BackupSet& set) const;

 private:
  std::filesystem::path folder_;
};

// Replaces the prepared files, after keeping the bytes of the files they
// replace as one set in the store (complete and flushed first). A backup that
// cannot be written replaces nothing and throws BackupError «Nothing was
// saved: the files it would replace could not be backed up first.\r<why>». A
// failure at the first replacement removes the set again; one at a later
// replacement keeps it, as it holds what the files saved so far were. Either
// throws SaveSetError as CommitAll does. Old sets are pruned after a complete
// save.
struct SaveHooks {
  // Called once the set is written, before the first file is replaced.
  std::function<void(const save_set::PreparedSet&)> afterBackup;
};
void CommitWithBackup(save_set::PreparedSet& prepared, Store& store, const SaveHooks& hooks = {});

// Prepares the files (see save_set::PreparedSet), then CommitWithBackup.
void SaveWithBackup(std::vector<save_set::Entry> files, Store& store);

}  // namespace backups
