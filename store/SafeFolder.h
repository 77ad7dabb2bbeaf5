// Folders of the backup store, reached without following a symbolic link: on
// POSIX systems through descriptors (openat and friends with O_NOFOLLOW), on
// Windows by refusing every reparse point. Every folder is the user's own and
// private (0700); a folder made here is flushed into its parent, so that what
// is written inside it survives a power loss together with its name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/Backups.h"

namespace backups::folder {

struct Dir {
  std::filesystem::path path;
#ifndef _WIN32
  int fd = -1;
  Dir() = default;
  Dir(Dir&& other) noexcept : path(std::move(other.path)), fd(std::exchange(other.fd, -1)) {}
  Dir& operator=(Dir&& other) noexcept;
  ~Dir();
#endif
};

// What of the store a message names.
enum class Part { Folder, Set, File };

// A path as messages show it.
StoreMessage Shown(const std::filesystem::path& path);
BackupError FolderError(bool create, const std::filesystem::path& path, StoreMessage reason);
BackupError WriteError(const std::filesystem::path& file, int err);

// Opens (with create, first makes) the folder `name` inside parent (or the
// path itself without a parent): never through a symbolic link, only the
// user's own, made private if it is not. Returns a Dir that does not Exist
// when there is no such folder and create is false. Throws BackupError.
Dir OpenFolder(const Dir* parent, const std::filesystem::path& name, bool create,
               Part what = Part::Folder);
bool Exists(const Dir& dir);

enum class Kind { None, Folder, File, Other };
// What `name` in dir is, without following a link; another user's entry or a
// link counts as Other.
Kind KindOf(const Dir& dir, const std::string& name);
std::vector<std::string> Names(const Dir& dir);

// Writes a new file in dir and flushes it. Returns 0 or an errno value.
int WriteNew(const Dir& dir, const std::string& name, std::string_view bytes);
// The bytes of the user's own regular file `name` in dir, never through a
// link. Throws BackupError naming it.
std::string ReadIn(const Dir& dir, const std::string& name);
// Removes `name` from dir, a folder with everything in it; a link is removed
// itself, never what it points at.
void RemoveIn(const Dir& dir, const std::string& name) noexcept;
// Gives a folder its name; an existing one is never replaced. 0 or errno.
int RenameIn(const Dir& dir, const std::string& from, const std::string& to);
// Flushes a folder's entries (new names, renames) to the disk. 0 or errno; a
// file system that cannot flush a folder flushes its entries with the files.
int Flush(const Dir& dir);
// Makes the folders leading to path, private, each flushed into its parent;
// those that exist are taken as they are. Throws BackupError.
void MakeParents(const std::filesystem::path& path);

// What tells a folder apart from every other on this machine, however it is
// reached (a link, a bind mount, other letter case): device and inode, or
// volume serial number and file index. Nothing when it cannot be opened.
std::optional<std::pair<std::uint64_t, std::uint64_t>> Identity(const std::filesystem::path& dir);

}  // namespace backups::folder
