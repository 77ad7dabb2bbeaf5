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

// A 64-bit hash of bytes, taken eight bytes at a time so that a large file
// costs little to hash: equal bytes give equal hashes, and a change to any one
// eight-byte word always changes it (each step is a one-to-one mapping), other
// changes but for a chance of about one in 2^64. Bytes fed in pieces of any
// sizes hash as the whole they make.
class ContentHasher {
 public:
  void Add(std::string_view bytes);
  std::uint64_t Value() const;

 private:
  std::uint64_t hash_ = 14695981039346656037ull;
  std::uint64_t length_ = 0;
  std::uint64_t pending_ = 0;  // the bytes of a word not yet whole, first byte lowest
  unsigned pendingBytes_ = 0;
};

// The hash of bytes at hand in one piece.
std::uint64_t ContentHash(std::string_view bytes);

// The stamp of bytes just written to file: their size and hash, and the
// file's modification time as the disk gives it now.
FileStamp StampOfWritten(std::string_view bytes, const std::filesystem::path& file);

// Whether the file still holds the bytes it held when `loaded` was taken: the
// same size and the same content hash (the modification time alone says too
// little where its resolution is coarse, and too much after a mere touch).
// A file that is gone or cannot be read is not as loaded.
bool StillAsLoaded(const std::filesystem::path& path, const FileStamp& loaded);
