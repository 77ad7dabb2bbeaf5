#include "store/FileStamp.h"

#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#else
#include <chrono>
#endif

#include "store/ZIniReader.h"

std::uint64_t ContentHash(std::string_view bytes, std::uint64_t hash) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

FileStamp StampOfWritten(std::string_view bytes, const std::filesystem::path& file) {
  FileStamp stamp;
  stamp.size = bytes.size();
  stamp.hash = ContentHash(bytes);
#ifndef _WIN32
  struct stat info {};
  if (::stat(file.c_str(), &info) == 0)
    stamp.mtimeNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                    static_cast<std::int64_t>(info.st_mtim.tv_nsec);
#else
  std::error_code ec;
  const auto time = std::filesystem::last_write_time(file, ec);
  if (!ec)
    stamp.mtimeNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
#endif
  return stamp;
}

bool StillAsLoaded(const std::filesystem::path& path, const FileStamp& loaded) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size != loaded.size) return false;
  try {
    FileStamp now;
    ReadFilePieces(path, &now, [](std::string_view) {});
    return now.size == loaded.size && now.hash == loaded.hash;
  } catch (const FileError&) {
    return false;
  }
}
