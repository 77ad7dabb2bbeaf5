// Replacing a file so that no reader ever sees it half written: the new bytes
// go to a temporary file beside the file replaced, are flushed to the disk, and
// only then take its place. Preparing and replacing are separate steps, so a
// set of files can be prepared in full before any of them is replaced.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "store/Message.h"

namespace atomic_file {

// A temporary file, written and flushed, waiting to replace its target.
// Destroying it without Commit removes the temporary file.
//
// The replacement keeps the owner, group, mode, extended attributes and
// access control list of the file it replaces. Where a new file cannot be
// given all of them (another user's file that we may write but not give away,
// an attribute we may not set), where the file has further hard links that a
// replacement would split off, or where its folder takes no new files, the
// file is instead written in place: its old contents are then kept (in the
// temporary file when the folder allows one, else in memory), put back if the
// write fails, and the copy is removed once the write succeeded.
class PendingFile {
 public:
  // Writes bytes to a temporary file beside the file that `path` names (a
  // symbolic link is followed to the file it points at) and flushes it; or,
  // for a file written in place, copies its old contents there and makes sure
  // the new bytes will fit. The temporary file is `temp` when given (see
  // TemporaryBeside; it must not exist), else a new name. Throws
  // FileError(Create) naming `path`; nothing is left behind then.
  PendingFile(const std::filesystem::path& path, std::string_view bytes,
              const std::filesystem::path& temp = {});
  ~PendingFile();
  PendingFile(PendingFile&& other) noexcept;
  PendingFile& operator=(PendingFile&& other) noexcept;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // The path as given, used in messages.
  const std::filesystem::path& path() const { return path_; }
  // The file that is replaced (symbolic links followed).
  const std::filesystem::path& target() const { return target_; }
  // The temporary file, empty once committed or discarded.
  const std::filesystem::path& temp() const { return temp_; }
  // Whether Commit writes into the target instead of replacing it.
  bool inPlace() const { return inPlace_; }
  // Whether a failed Commit left the target neither as it was nor as meant:
  // a write in place whose old contents could not be put back.
  bool damaged() const { return damaged_; }
  // Whether Commit put the new file in place, also when flushing its folder
  // failed afterwards.
  bool replaced() const { return replaced_; }

  // Puts the temporary file in place of the target and flushes the folder.
  // Throws FileError(Create) naming path(); the target is then as it was,
  // unless damaged() or replaced() says otherwise. A file written in place must still be the one
  // prepared (same device and inode), else nothing is written.
  void Commit();
  // Removes the temporary file, if any. Never throws.
  void Discard() noexcept;

 private:
  std::filesystem::path path_;
  std::filesystem::path target_;
  std::filesystem::path temp_;
  bool inPlace_ = false;
  bool damaged_ = false;
  bool replaced_ = false;
  std::string bytes_;                     // the new contents, kept for a write in place
  std::string old_;                       // the old contents, kept for a write in place
  std::uint64_t device_ = 0, inode_ = 0;  // the file prepared for a write in place
};

// The file a save replaces: the target of a symbolic link (followed through
// every level), else the path itself.
inline std::filesystem::path ResolveSaveTarget(const std::filesystem::path& path) {
  std::filesystem::path target = path;
  std::error_code ec;
  for (int depth = 0; depth < 40; ++depth) {
    if (!std::filesystem::is_symlink(target, ec)) break;
    std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

// A name for a temporary file beside the file that `path` names that no file
// has now: «.quib.cfg.a1B2c3» (on Windows «quib.cfg.~1a2b3.tmp»).
std::filesystem::path TemporaryBeside(const std::filesystem::path& path);

// Removes a temporary file that a save cut short left beside `path`, never a
// link or folder in its place. On Windows a replacement cut short may have
// left the old file under a second name: it is moved back first when the
// file itself is missing. Never throws.
void RemoveTemporary(const std::filesystem::path& temp, const std::filesystem::path& path) noexcept;

// Flushes the entries of the folder that holds `file` (a new name, a
// removal) to the disk. The system's reason, or nothing when it is done or
// the file system flushes no folders.
StoreMessage FlushFolderOf(const std::filesystem::path& file);

#ifdef _WIN32
// After a failed ReplaceFileW(target, ..., backup): when the target is gone
// and the backup holds the old file, moves it back. True when the target
// exists afterwards.
bool RecoverFailedReplace(const std::filesystem::path& target, const std::filesystem::path& backup);
#endif

// The reason text of a system error number, ending in a full stop.
inline std::string SystemReason(int err) {
  std::string text = std::generic_category().message(err);
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

// The same, as a message that keeps the number: the window words it in its
// language.
inline StoreMessage SystemMessage(int err) {
  return StoreMessage::System(StoreMessage::Codes::Errno, err, SystemReason(err));
}

// Moving hands the temporary file over; the moved-from one owns nothing.
inline PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      temp_(std::exchange(other.temp_, {})),
      inPlace_(std::exchange(other.inPlace_, false)),
      damaged_(std::exchange(other.damaged_, false)),
      replaced_(std::exchange(other.replaced_, false)),
      bytes_(std::move(other.bytes_)),
      old_(std::move(other.old_)),
      device_(other.device_),
      inode_(other.inode_) {}

inline PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this != &other) {
    Discard();
    path_ = std::move(other.path_);
    target_ = std::move(other.target_);
    temp_ = std::exchange(other.temp_, {});
    inPlace_ = std::exchange(other.inPlace_, false);
    damaged_ = std::exchange(other.damaged_, false);
    replaced_ = std::exchange(other.replaced_, false);
    bytes_ = std::move(other.bytes_);
    old_ = std::move(other.old_);
    device_ = other.device_;
    inode_ = other.inode_;
  }
  return *this;
}

}  // namespace atomic_file
