// Replacing a file so that no reader ever sees it half written: the new bytes
// go to a temporary file beside the file replaced, are flushed to the disk, and
// only then take its place. Preparing and replacing are separate steps, so a
// set of files can be prepared in full before any of them is replaced.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace atomic_file {

// A temporary file, written and flushed, waiting to replace its target.
// Destroying it without Commit removes the temporary file.
class PendingFile {
 public:
  // Writes bytes to a temporary file beside the file that `path` names (a
  // symbolic link is followed to the file it points at) and flushes it.
  // Throws FileError(Create) naming `path`; nothing is left behind then.
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

  // Puts the temporary file in place of the target. Throws FileError(Create)
  // naming path() and leaves the target as it was on failure.
  void Commit();
  // Removes the temporary file, if any. Never throws.
  void Discard() noexcept;

 private:
  std::filesystem::path path_;
  std::filesystem::path target_;
  std::filesystem::path temp_;
};

// The reason text of a system error number, ending in a full stop.
std::string SystemReason(int err);

}  // namespace atomic_file
