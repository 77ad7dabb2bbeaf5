// Saving several files as one: every file is prepared (written and flushed
// beside its target) before any of them is replaced, so a failure while
// preparing leaves every file as it was. Between preparing and replacing, the
// prepared set says what is about to be written where.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/AtomicFile.h"
#include "store/Message.h"

namespace save_set {

// One file of the set and the exact bytes it receives.
struct Entry {
  std::filesystem::path path;
  std::string bytes;
};

// A set that was not saved, or not in full. what() is the text for the user;
// saved() and notSaved() list the paths either way, in the set's order.
// damaged() names a file left neither old nor new (a write in place whose old
// contents could not be put back), also listed as not saved; cause() is the
// error that stopped the save.
class SaveSetError : public StoreError {
 public:
  SaveSetError(StoreMessage text, std::vector<std::filesystem::path> saved,
               std::vector<std::filesystem::path> notSaved,
               std::vector<std::filesystem::path> damaged = {}, StoreMessage cause = {})
      : StoreError(std::move(text)),
        saved_(std::move(saved)),
        notSaved_(std::move(notSaved)),
        damaged_(std::move(damaged)),
        cause_(std::make_shared<const StoreMessage>(std::move(cause))) {}
  const std::vector<std::filesystem::path>& saved() const { return saved_; }
  const std::vector<std::filesystem::path>& notSaved() const { return notSaved_; }
  const std::vector<std::filesystem::path>& damaged() const { return damaged_; }
  const StoreMessage& cause() const { return *cause_; }

 private:
  std::vector<std::filesystem::path> saved_;
  std::vector<std::filesystem::path> notSaved_;
  std::vector<std::filesystem::path> damaged_;
  std::shared_ptr<const StoreMessage> cause_;
};

class PreparedSet {
 public:
  // Prepares every file in order, entry i into temps[i] when given. When
  // one cannot be prepared, the files prepared so far are discarded, nothing
  // is replaced, and SaveSetError "Nothing was saved: Cannot create file
  // "<path>". <reason>" is thrown.
  explicit PreparedSet(std::vector<Entry> entries,
                       const std::vector<std::filesystem::path>& temps = {});

  // What is about to be saved, in order.
  std::size_t size() const { return entries_.size(); }
  const Entry& entry(std::size_t i) const { return entries_[i]; }
  // The prepared file of entry i: its target() is the file that is replaced
  // (symbolic links followed).
  const atomic_file::PendingFile& file(std::size_t i) const { return files_[i]; }

  // Replaces every file in order. When the first replacement fails and left
  // its file as it was, nothing was saved; otherwise the error names the
  // files saved (a file replaced whose folder could not be flushed among
  // them) and the files not saved (and a damaged one). Either way
  // SaveSetError is thrown and every file not replaced stays as it was.
  // afterEach, when given, is called after each file replaced (its index).
  // Does nothing once done.
  void CommitAll(const std::function<void(std::size_t)>& afterEach = {});

 private:
  std::vector<Entry> entries_;
  std::vector<atomic_file::PendingFile> files_;
  bool committed_ = false;
};

}  // namespace save_set
