// What a settings file held when it was read, so that a later save can tell
// whether someone else changed the file on disk in the meantime.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t mtimeNs = 0;  // modification time, nanoseconds since the epoch
  std::uint64_t hash = 0;    // ContentHash of the bytes read
};

// The hash of no bytes, where a hash over pieces starts.
inline constexpr std::uint64_t kContentHashStart = 14695981039346656037ull;

// A 64-bit hash of the bytes (FNV-1a): equal bytes give equal hashes, and a
// change anywhere changes it but for a chance of one in 2^64. Bytes read in
// pieces hash as a whole when each piece goes on from the last one's hash:
// ContentHash(b, ContentHash(a)) == ContentHash(a + b).
std::uint64_t ContentHash(std::string_view bytes, std::uint64_t hash = kContentHashStart);

// The stamp of bytes just written to file: their size and hash, and the
// file's modification time as the disk gives it now.
FileStamp StampOfWritten(std::string_view bytes, const std::filesystem::path& file);

// Whether the file still holds the bytes it held when `loaded` was taken: the
// same size and the same content hash (the modification time alone says too
// little where its resolution is coarse, and too much after a mere touch).
// A file that is gone or cannot be read is not as loaded.
bool StillAsLoaded(const std::filesystem::path& path, const FileStamp& loaded);
