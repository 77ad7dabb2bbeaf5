// Replacing a file so that no reader ever sees it half written: the new bytes
// go to a temporary file beside the file replaced, are flushed to the disk, and
// only then take its place. Preparing and replacing are separate steps, so a
// set of files can be prepared in full before any of them is replaced.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace atomic_file {

// A temporary file, written and flushed, waiting to replace its target.
// Destroying it without Commit removes the temporary file.
//
// The replacement keeps the owner, group and mode of the file it replaces.
// Where a new file cannot be given them (another user's file that we may
// write but not give away) or where the file has further hard links that a
// replacement would split off, the file is instead written in place: the
// temporary file then holds a copy of the old contents, which is put back if
// the write fails and removed once it succeeded.
class PendingFile {
 public:
  // Writes bytes to a temporary file beside the file that `path` names (a
  // symbolic link is followed to the file it points at) and flushes it; or,
  // for a file written in place, copies its old contents there and makes sure
  // the new bytes will fit. Throws FileError(Create) naming `path`; nothing is
  // left behind then.
  PendingFile(const std::filesystem::path& path, std::string_view bytes);
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

  // Puts the temporary file in place of the target. Throws FileError(Create)
  // naming path() and leaves the target as it was on failure.
  void Commit();
  // Removes the temporary file, if any. Never throws.
  void Discard() noexcept;

 private:
  std::filesystem::path path_;
  std::filesystem::path target_;
  std::filesystem::path temp_;
  bool inPlace_ = false;
  std::string bytes_;  // the new contents, kept for a write in place
};

// The reason text of a system error number, ending in a full stop.
inline std::string SystemReason(int err) {
  std::string text = std::generic_category().message(err);
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

// Moving hands the temporary file over; the moved-from one owns nothing.
inline PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      temp_(std::exchange(other.temp_, {})),
      inPlace_(std::exchange(other.inPlace_, false)),
      bytes_(std::move(other.bytes_)) {}

inline PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this != &other) {
    Discard();
    path_ = std::move(other.path_);
    target_ = std::move(other.target_);
    temp_ = std::exchange(other.temp_, {});
    inPlace_ = std::exchange(other.inPlace_, false);
    bytes_ = std::move(other.bytes_);
  }
  return *this;
}

}  // namespace atomic_file
