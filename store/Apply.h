// Saving the emulator's files all or none with a backup, and settling at the
// next start an Apply that did not finish.
//
// An Apply (a Restore is an Apply of a set's bytes):
//   A1 Lock: one saver per emulator folder, by the folder's identity.
//   A2 Back up: every file must still hold what the window loaded (else
//      ChangedOnDiskError, nothing touched); its bytes are kept as a new set
//      with the record (ApplyRecord.h): what each file holds and will hold,
//      and the names of A3's temporary files. All flushed, then the set named.
//   A3 Prepare: each file's new bytes go to its recorded temporary file beside
//      it, flushed.
//   A4 Replace: each temporary file is renamed over its file, the folder
//      flushed. A failure puts back (P) the files replaced so far.
//   A5 Finish: the set is marked finished; older unfinished sets are settled,
//      old sets pruned.
// Putting back what an Apply wrote, after A4 failed or at the next start when
// the user says so:
//   P1 At the next start only: what the files hold now is kept as a set.
//   P2 The decision is recorded in the Apply's set (".putback-N", naming the
//      temporary files P3 makes), flushed.
//   P3 Each file still holding exactly what the Apply wrote gets back what it
//      held before (through a temporary file and a rename) or, when it did
//      not exist before, is removed.
//   P4 The set is marked finished (after a failed A4 that all went back, the
//      set is removed: nothing was saved).
// A crash leaves: before A2 ends, nothing touched (a ".partial" folder that
// pruning removes); in A3, every file as before and some temporary files; in
// A4, some files new and the rest as before; in A5, every file new; in P2-P4,
// some files back and the rest new, the decision recorded.
//
// The rule of the next start, under the lock: the newest unfinished set is
// looked at, and any unfinished set followed by a finished Apply is settled
// silently (its temporary files removed, marked finished). Each file of the
// newest is compared with its record: holding exactly what the Apply wrote it
// may be put back, holding exactly what it held before it is back already,
// holding anything else (an edit made since, a write in place cut short) it
// is never written or removed, only named. The user is asked only when the
// folder is mixed (files of both of the first two kinds); a recorded decision
// is carried out without asking; otherwise the set is settled silently. Only
// temporary files named by its record or a decision are removed. A record
// that does not read to its end, or kept files that cannot be read back, are
// settled once with one message.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "store/Backups.h"
#include "store/SaveSet.h"

namespace backups {

// A1: one saver at a time per emulator folder, held for the lifetime of this
// object: a lock on the folder itself (on Windows on a file in its store
// folder, keyed by its identity). Waits up to `wait` for another holder, then
// throws BusyError «Nothing was saved: another Quib Configurator is saving
// the files in "<folder>". ...».
class SaveLock {
 public:
  explicit SaveLock(const Store& store, std::chrono::milliseconds wait = kLockWait);
  ~SaveLock();
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

 private:
  std::intptr_t handle_ = -1;
};

struct SaveHooks {
  // Called once every file is prepared, before the first is replaced.
  std::function<void(const save_set::PreparedSet&)> afterBackup;
  // Called after each file replaced, with its index.
  std::function<void(std::size_t)> afterReplace;
  // The stamps the files must still match (the last look before replacing).
  const std::map<std::filesystem::path, FileStamp>* loaded = nullptr;
  std::chrono::milliseconds lockWait = kLockWait;
};

// A1-A5. A backup that cannot be written replaces nothing and throws
// BackupError «Nothing was saved: the files it would replace could not be
// backed up first.\r<why>»; a file changed since it was loaded throws
// ChangedOnDiskError. When a replacement fails, the files already replaced
// are put back and SaveSetError «Nothing was saved: <why> The files already
// replaced were put back.» is thrown, the set removed. Only when putting one
// back fails too does the set stay (unfinished), and the error names each
// file that holds the new settings (saved()), each that may hold part of them
// (damaged()), and where their old contents are.
void SaveWithBackup(std::vector<save_set::Entry> files, Store& store, const SaveHooks& hooks = {});

// An Apply that did not finish, as its files are now.
struct UnfinishedApply {
  BackupSet set;
  std::vector<std::filesystem::path> wrote;   // hold exactly what it wrote
  std::vector<std::filesystem::path> before;  // hold exactly what they held before it
  std::vector<std::filesystem::path> other;   // hold anything else: left as they are
  bool decided = false;  // putting it back was decided: carry it out without asking
  StoreMessage broken;   // when not empty: settled already, and why nothing could be done
};

class Recovery {
 public:
  // Holds the folder's lock until destroyed (BusyError: another saver).
  explicit Recovery(Store& store, std::chrono::milliseconds wait = kLockWait);
  // Settles whatever needs no answer; the next Apply to ask about, to carry
  // out (decided) or to report (broken), if any.
  std::optional<UnfinishedApply> Next();
  // P1-P4 for the files that hold what it wrote. ChangedOnDiskError when one
  // changed since Next looked (nothing was done: call Next again); when a
  // file cannot be put back, the set is settled and BackupError names it.
  void PutBack(const UnfinishedApply& apply);
  // Leaves every file as it is: its temporary files go, it is marked finished.
  void Keep(const UnfinishedApply& apply);

 private:
  Store& store_;
  SaveLock lock_;
  std::vector<std::filesystem::path> done_;  // sets put back, kept or reported
};

}  // namespace backups
