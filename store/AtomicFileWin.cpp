// Windows side of the atomic file replacement. A rename cannot replace an
// existing file there the way POSIX rename does, so an existing file is
// swapped with ReplaceFileW, which also keeps its attributes, security and
// streams; a new file is moved into place with MoveFileExW. Every name goes to
// the system as UTF-16, so no letter depends on the ANSI code page.
#ifdef _WIN32

#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <system_error>
#include <utility>

#include "store/AtomicFile.h"
#include "store/NativeFile.h"
#include "store/ZIniReader.h"

namespace atomic_file {

namespace {

// The system's text for a Windows error code, on one line, ending in a full
// stop, in the system's language; the window asks again in its own.
StoreMessage WindowsMessage(DWORD code) {
  char* buffer = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length > 0 && buffer != nullptr ? std::string(buffer, length) : "";
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  if (text.empty())
    return StoreMessage(QT_TRANSLATE_NOOP("Files", "Windows error %1."),
                        {StoreMessage::Verbatim(std::to_string(code))});
  if (text.back() != '.') text += '.';
  return StoreMessage::System(StoreMessage::Codes::Windows, static_cast<int>(code),
                              std::move(text));
}

[[noreturn]] void Fail(const std::filesystem::path& path, DWORD code) {
  throw FileError(FileError::Kind::Create, native_file::DisplayName(path), WindowsMessage(code));
}

// A name beside the target that no file has yet, «quib.cfg.~1a2b.tmp».
std::filesystem::path SiblingName(const std::filesystem::path& target, unsigned attempt) {
  static unsigned counter = 0;
  const unsigned long stamp = ::GetCurrentProcessId() ^ (::GetTickCount() << 8) ^ (++counter << 20);
  wchar_t suffix[40];
  ::swprintf(suffix, 40, L".~%lx%x.tmp", stamp, attempt);
  std::filesystem::path name = target;
  name += suffix;
  return name;
}

// Why a file cannot be removed or renamed: ReplaceFileW only says "unable to
// remove the file to be replaced". Asking for the right to delete it tells a
// file another program holds open (a sharing violation) from one we may not
// delete (access denied).
DWORD WhyNotRemovable(const std::filesystem::path& path) {
  HANDLE file =
      ::CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ::GetLastError();
  ::CloseHandle(file);
  return ERROR_SHARING_VIOLATION;  // it was in use a moment ago
}

bool Exists(const std::filesystem::path& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The second name a replacement keeps the old file under until the new one
// is in place.
std::filesystem::path Companion(const std::filesystem::path& temp) {
  std::filesystem::path name = temp;
  name += L"~";
  return name;
}

// Flushes a file, or the entries of a folder, to the disk (written through).
// A folder that cannot be flushed here is flushed with its files.
DWORD FlushPath(const std::filesystem::path& path, bool folder) {
  HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr);
  DWORD code = handle == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
  if (handle != INVALID_HANDLE_VALUE && !::FlushFileBuffers(handle)) code = ::GetLastError();
  if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  if (folder && (code == ERROR_ACCESS_DENIED || code == ERROR_INVALID_FUNCTION ||
                 code == ERROR_INVALID_PARAMETER || code == ERROR_INVALID_HANDLE))
    return 0;
  return code;
}

// After a replacement: the new file and its folder's entries on the disk.
DWORD FlushReplaced(const std::filesystem::path& target) {
  const DWORD code = FlushPath(target, false);
  return code != 0 ? code : FlushPath(target.parent_path(), true);
}

// Writes all of bytes at the start of the open file, cuts it there and
// flushes it. Returns 0 or the Windows error code.
DWORD Overwrite(HANDLE file, std::string_view bytes) {
  LARGE_INTEGER start{};
  if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) return ::GetLastError();
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD wrote = 0;
    if (!::WriteFile(file, data, chunk, &wrote, nullptr)) return ::GetLastError();
    if (wrote == 0) return ERROR_WRITE_FAULT;
    data += wrote;
    left -= wrote;
  }
  if (!::SetEndOfFile(file) || !::FlushFileBuffers(file)) return ::GetLastError();
  return 0;
}

// The volume and file index of the file, and its number of links.
bool Identify(HANDLE file, std::uint64_t& volume, std::uint64_t& index, DWORD& links) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(file, &info)) return false;
  volume = info.dwVolumeSerialNumber;
  index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  links = info.nNumberOfLinks;
  return true;
}

}  // namespace

bool RecoverFailedReplace(const std::filesystem::path& target,
                          const std::filesystem::path& backup) {
  if (Exists(target) || !Exists(backup)) return Exists(target);
  return ::MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
  const std::filesystem::path target = ResolveSaveTarget(path);
  for (unsigned attempt = 0;; ++attempt) {
    std::filesystem::path name = SiblingName(target, attempt);
    if (!Exists(name) && !Exists(Companion(name))) return name;
  }
}

void RemoveTemporary(const std::filesystem::path& temp,
                     const std::filesystem::path& path) noexcept {
  const std::filesystem::path target = path.empty() ? path : ResolveSaveTarget(path);
  for (const std::filesystem::path& name : {temp, Companion(temp)}) {
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
      continue;
    if (name != temp && !target.empty() && RecoverFailedReplace(target, name)) continue;
    ::DeleteFileW(name.c_str());
  }
}

StoreMessage FlushFolderOf(const std::filesystem::path& file) {
  const DWORD code = FlushPath(file.parent_path(), true);
  return code == 0 ? StoreMessage() : WindowsMessage(code);
}

PendingFile::PendingFile(const std::filesystem::path& path, std::string_view bytes,
                         const std::filesystem::path& given)
    : path_(path), target_(ResolveSaveTarget(path)) {
  // An existing file that cannot be written stays as it is, as a plain
  // overwrite would have been refused too.
  const DWORD attributes = ::GetFileAttributesW(target_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) Fail(path_, ERROR_ACCESS_DENIED);
    if (attributes & FILE_ATTRIBUTE_READONLY) Fail(path_, ERROR_ACCESS_DENIED);
    // A file with further hard links is written in place, so that every
    // name keeps showing the same file; a replacement would split them.
    HANDLE existing = ::CreateFileW(target_.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    DWORD links = 1;
    if (existing != INVALID_HANDLE_VALUE) {
      if (!Identify(existing, device_, inode_, links)) links = 1;
      ::CloseHandle(existing);
    }
    if (links > 1) {
      try {
        old_ = ReadFileBytes(target_);
      } catch (const FileError& error) {
        throw FileError(FileError::Kind::Create, native_file::DisplayName(path_),
                        error.reasonMessage());
      }
      inPlace_ = true;
      bytes_.assign(bytes);
      bytes = old_;  // the temporary file keeps the old contents meanwhile
    }
  }

  HANDLE file = INVALID_HANDLE_VALUE;
  std::filesystem::path temp;
  for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temp = given.empty() ? SiblingName(target_, attempt) : given;
    file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    if (file == INVALID_HANDLE_VALUE &&
        (!given.empty() ||
         (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)))
      break;
  }
  if (file == INVALID_HANDLE_VALUE) Fail(path_, ::GetLastError());

  auto fail = [&](DWORD code) {
    ::CloseHandle(file);
    ::DeleteFileW(temp.c_str());
    Fail(path_, code);
  };
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD wrote = 0;
    if (!::WriteFile(file, data, chunk, &wrote, nullptr)) fail(::GetLastError());
    if (wrote == 0) fail(ERROR_WRITE_FAULT);
    data += wrote;
    left -= wrote;
  }
  if (!::FlushFileBuffers(file)) fail(::GetLastError());
  if (!::CloseHandle(file)) {
    const DWORD code = ::GetLastError();
    ::DeleteFileW(temp.c_str());
    Fail(path_, code);
  }
  temp_ = temp;
}

namespace {

// The reason a file was not saved, naming the copy that holds its old
// contents.
StoreMessage KeptIn(StoreMessage reason, const std::filesystem::path& copy) {
  return StoreMessage(QT_TRANSLATE_NOOP("Files", "%1 Its old contents are kept in \"%2\"."),
                      {std::move(reason), StoreMessage::Verbatim(native_file::DisplayName(copy))});
}

}  // namespace

PendingFile::~PendingFile() { Discard(); }

void PendingFile::Commit() {
  if (inPlace_) {
    if (inode_ == 0 && device_ == 0) return;  // written or discarded already
    // Into the very file prepared; on failure the old contents go back.
    HANDLE file = ::CreateFileW(target_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const DWORD code = ::GetLastError();
      Discard();
      Fail(path_, code);
    }
    std::uint64_t volume = 0, index = 0;
    DWORD links = 0;
    if (!Identify(file, volume, index, links) || volume != device_ || index != inode_) {
      ::CloseHandle(file);
      Discard();
      throw FileError(FileError::Kind::Create, native_file::DisplayName(path_),
                      StoreMessage(QT_TRANSLATE_NOOP(
                          "Files", "It was replaced by another file while it was being saved.")));
    }
    const DWORD code = Overwrite(file, bytes_);
    if (code == 0) {
      ::CloseHandle(file);
      Discard();
      replaced_ = true;
      return;
    }
    StoreMessage reason = WindowsMessage(code);
    if (Overwrite(file, old_) != 0) {
      damaged_ = true;
      reason = KeptIn(std::move(reason), temp_);
      temp_.clear();
    }
    ::CloseHandle(file);
    Discard();
    throw FileError(FileError::Kind::Create, native_file::DisplayName(path_), reason);
  }
  if (temp_.empty()) return;
  if (!Exists(target_)) {
    if (!::MoveFileExW(temp_.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD code = ::GetLastError();
      Discard();
      Fail(path_, code);
    }
    temp_.clear();
    replaced_ = true;
    if (const DWORD code = FlushReplaced(target_); code != 0) Fail(path_, code);
    return;
  }

  // The new file shows as the old one did (hidden, system, archive): not every
  // file system carries these over on its own.
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  const DWORD old = ::GetFileAttributesW(target_.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & kept) != 0)
    ::SetFileAttributesW(temp_.c_str(), old & kept);

  // The old file is kept under a backup name until the new one is in place:
  // without one, a replacement that fails halfway may leave no file at all.
  const std::filesystem::path backup = Companion(temp_);
  if (!::ReplaceFileW(target_.c_str(), temp_.c_str(), backup.c_str(),
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr)) {
    DWORD code = ::GetLastError();
    if (code == ERROR_UNABLE_TO_REMOVE_REPLACED) code = WhyNotRemovable(target_);
    // The two steps of ReplaceFileW: the old file goes to the backup name,
    // then the new one takes its place. When the second step fails
    // (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, or _MOVE_REPLACEMENT with the
    // target gone) the old file is put back under its name.
    if (!RecoverFailedReplace(target_, backup)) {
      damaged_ = true;
      const StoreMessage reason = KeptIn(WindowsMessage(code), backup);
      Discard();
      throw FileError(FileError::Kind::Create, native_file::DisplayName(path_), reason);
    }
    Discard();
    Fail(path_, code);
  }
  // The replacement is done. A backup that another program still holds open
  // (it shared the file for deletion, or the replacement would have failed)
  // disappears when that program closes it.
  ::DeleteFileW(backup.c_str());
  temp_.clear();
  replaced_ = true;
  // ReplaceFileW has no write-through: the new file and the folder's
  // entries are flushed now.
  if (const DWORD code = FlushReplaced(target_); code != 0) Fail(path_, code);
}

void PendingFile::Discard() noexcept {
  bytes_.clear();
  old_.clear();
  device_ = inode_ = 0;
  if (temp_.empty()) return;
  ::DeleteFileW(temp_.c_str());
  temp_.clear();
}

}  // namespace atomic_file

#endif  // _WIN32
