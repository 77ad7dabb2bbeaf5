#include "store/FileStamp.h"

#include <algorithm>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#else
#include <chrono>
#endif

#include "store/ZIniReader.h"

namespace {

constexpr std::uint64_t kPrime = 1099511628211ull;

// The bytes as a little-endian word, whatever the machine's order.
std::uint64_t Word(const char* bytes, std::size_t count) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < count; ++i)
    word |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  return word;
}

}  // namespace

void ContentHasher::Add(std::string_view bytes) {
  length_ += bytes.size();
  std::size_t at = 0;
  if (pendingBytes_ > 0) {
    const std::size_t take = std::min<std::size_t>(8 - pendingBytes_, bytes.size());
    pending_ |= Word(bytes.data(), take) << (8 * pendingBytes_);
    pendingBytes_ += static_cast<unsigned>(take);
    at = take;
    if (pendingBytes_ < 8) return;
    hash_ = (hash_ ^ pending_) * kPrime;
    pending_ = 0;
    pendingBytes_ = 0;
  }
  std::uint64_t hash = hash_;
  for (; at + 8 <= bytes.size(); at += 8) hash = (hash ^ Word(bytes.data() + at, 8)) * kPrime;
  hash_ = hash;
  pendingBytes_ = static_cast<unsigned>(bytes.size() - at);
  pending_ = Word(bytes.data() + at, pendingBytes_);
}

std::uint64_t ContentHasher::Value() const {
  std::uint64_t hash = hash_;
  if (pendingBytes_ > 0) hash = (hash ^ pending_) * kPrime;
  // The length and a final mixing, so that trailing zero bytes count and
  // every bit of the last words reaches every bit of the value.
  hash ^= length_;
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdull;
  hash ^= hash >> 33;
  hash *= 0xc4ceb9fe1a85ec53ull;
  hash ^= hash >> 33;
  return hash;
}

std::uint64_t ContentHash(std::string_view bytes) {
  ContentHasher hasher;
  hasher.Add(bytes);
  return hasher.Value();
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
