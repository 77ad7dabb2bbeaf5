// The emulator's documents: the five files the window edits, which settings
// files were there at start-up, what each file held when it was last read or
// saved, and how long the store may write into them.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "store/Apply.h"
#include "store/Merge.h"
#include "store/SaveSet.h"
#include "store/ZIniReader.h"

// The files the window reads and Apply writes, in the order they are written.
// quib.msg is only read, by the Messages page.
inline constexpr std::array<const char*, 5> kEmulatorFiles = {"quib.cfg", "quibw.cfg", "quib.blt",
                                                              "quib.inp", "quib.thm"};

// What the user is told when a load finds files missing, or the preferred
// settings file without the version mark.
extern const char* const kRequiredFilesMissing;
extern const char* const kVersionMismatch;
// A file of the emulator directory (which ends with its separator), as a path
// for the store.
std::filesystem::path EmulatorFile(const QString& dir, const char* name);

// A part of an emulator file that both the window and someone else changed.
struct FileConflict {
  std::size_t file = 0;  // index into kEmulatorFiles
  merge::Conflict conflict;
};

// A part of an emulator file the window's last Apply wrote.
struct AppliedPart {
  std::size_t file = 0;  // index into kEmulatorFiles
  merge::Part part;
  merge::Lines before, after;  // on disk before that Apply, and as it wrote them
};

// What a look at the disk found while the window is open.
struct DiskChange {
  std::vector<std::size_t> files;   // the files whose contents changed
  int conflicts = 0;                // the user's edits that changed on disk too
  bool documentsChanged = false;    // the pages must show the documents again
  std::vector<AppliedPart> undone;  // parts of the last Apply now as before it
  // What each changed file held before and holds now, by index into files.
  std::vector<std::pair<std::string, std::string>> bytes;
};

class EmulatorDocuments {
 public:
  EmulatorDocuments() = default;
  EmulatorDocuments(const EmulatorDocuments&) = delete;
  EmulatorDocuments& operator=(const EmulatorDocuments&) = delete;

  bool QuibCfgPresent = false;
  bool QuibWCfgPresent = false;
  std::unique_ptr<Document> QuibDoc;   // quib.cfg, only when QuibCfgPresent
  std::unique_ptr<Document> QuibWDoc;  // quibw.cfg, only when QuibWCfgPresent
  Document BlitterDoc;                 // quib.blt
  Document InputDoc;                   // quib.inp
  Document ThemeDoc;                   // quib.thm
  Document CurrentBlock;               // the blitter block being edited

  // Notes which settings files the directory holds, once at start-up, and
  // makes every document (those of the settings files present) empty.
  void CreateDocuments(const QString& dir);
  // Releases every document; the store writes nothing into them afterwards.
  void ReleaseDocuments();
  // The document of each of kEmulatorFiles; nullptr for a settings file that
  // was not there at start-up, and for both once released.
  Document* DocumentOf(std::size_t file);
  const Document* DocumentOf(std::size_t file) const;

  // The document "Prefer settings from" names (0 Quib, 1 QuibW), falling back
  // to the one that exists; nullptr for any other item.
  Document* PreferredOf(int item);
  // The settings document of a build (0 Quib, 1 QuibW); nullptr when absent.
  Document* BuildDocument(int build);
  // A shared key goes into every settings document there is.
  void WriteValueToBoth(std::string_view key, std::string_view value);
  void WriteIntegerToBoth(std::string_view key, std::int32_t number);

  // From now until the documents are released, the store writes whatever a
  // user's change asks (except while a fill runs, see FillGuard).
  void AllowWrites();

  // Whether the directory holds every file a load needs.
  bool RequiredFilesPresent(const QString& dir) const;
  // What a load learnt of the settings files on the way.
  struct Loaded {
    bool quibMarked = false, quibwMarked = false;  // whether the version mark is there
    LineNames quibNames, quibwNames;               // for the fill's key indexes
  };
  // Reads every file of the directory before any document changes: a file
  // that cannot be read throws (FileError) with every document as the last
  // complete load left it, and nothing may be saved until a load succeeds.
  // What each file held is noted, so that a save can tell whether someone
  // else changed it since.
  Loaded Load(const QString& dir);
  // The directory the documents were last read from in full; empty when the
  // last load failed.
  const QString& LoadedPath() const { return loadedPath_; }
  // What each emulator file held when it was last read or saved, by path.
  const std::map<std::filesystem::path, FileStamp>& LoadedStamps() const { return stamps_; }

  // What Apply writes into the directory now, without asking: a file changed
  // on disk gets the window's edits made on it as it is now (a conflict
  // keeping the window's lines); one the window did not edit keeps the
  // disk's bytes, as Apply leaves it.
  struct Planned {
    save_set::Entry entry;
    bool changedOnDisk = false;
  };
  std::vector<Planned> Plan(const QString& dir) const;

  // Answers the conflicts of a save, one answer each, or nullopt to cancel.
  using Resolve =
      std::function<std::optional<std::vector<merge::Keep>>(const std::vector<FileConflict>&)>;
  enum class Saved { Cancelled, Saved, SavedAndMerged };
  // Saves the documents into dir all or none, one saver per directory at a
  // time: every file is written beside its target, the files about to be
  // replaced are kept in the backup store, then each is replaced (and a
  // failure puts back the ones replaced before it). A file someone else
  // changed since it was read gets the window's edits made on it as it is
  // now; parts both changed are answered by `resolve` first, and a change
  // found at the last look before replacing starts over. SavedAndMerged: the
  // documents now hold what was saved, with the disk's changes, and the pages
  // must show them again. What the saved files hold is noted, also when a
  // failure leaves some of them saved.
  Saved Save(const QString& dir, backups::Store& backups, const Resolve& resolve);

  // Takes in the files changed on disk since they were read or saved: parts
  // the user has not edited take the disk's lines, the user's edits stay
  // (parts changed on both sides are asked about at the next Apply).
  DiskChange FollowDisk(const QString& dir);
  // What the last Apply wrote that a change on disk undid: those parts get
  // their lines from that Apply again, as edits of the user's.
  void ReapplyUndone(const std::vector<AppliedPart>& undone);
  // The parts the last Apply wrote.
  const std::vector<AppliedPart>& LastApplied() const { return applied_; }
  // How long a save waits for another Configurator saving the same folder.
  std::chrono::milliseconds saveLockWait = backups::kLockWait;

 private:
  void RememberSaved(const std::vector<save_set::Entry>& entries,
                     const std::vector<std::filesystem::path>& saved);

  QString loadedPath_;
  std::map<std::filesystem::path, FileStamp> stamps_;
  std::optional<StoreWrites> writes_;
  // The user's edits since each document was read or saved.
  std::array<std::unique_ptr<merge::Journal>, kEmulatorFiles.size()> journals_;
  // The bytes each file held when last read or saved.
  std::array<std::string, kEmulatorFiles.size()> seen_;
  // Documents holding edits that changed on disk too, asked about at Apply.
  std::array<bool, kEmulatorFiles.size()> unresolved_{};
  std::vector<AppliedPart> applied_;
};
