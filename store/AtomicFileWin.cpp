// Windows side of the atomic file replacement.
#ifdef _WIN32

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <utility>

#include "store/AtomicFile.h"
#include "store/ZIniReader.h"

namespace atomic_file {

std::string SystemReason(int err) {
  std::string text = std::generic_category().message(err);
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

PendingFile::PendingFile(const std::filesystem::path& path, std::string_view bytes)
    : path_(path), target_(path) {
  const std::string name = path.string();
  std::filesystem::path temp = target_;
  temp += ".tmp~";
  std::FILE* file = std::fopen(temp.string().c_str(), "wb");
  if (file == nullptr) throw FileError(FileError::Kind::Create, name, SystemReason(errno));
  const bool ok =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  const int err = errno;
  std::fclose(file);
  if (!ok) {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    throw FileError(FileError::Kind::Create, name, SystemReason(err));
  }
  temp_ = temp;
}

PendingFile::~PendingFile() { Discard(); }

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      temp_(std::exchange(other.temp_, {})) {}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this != &other) {
    Discard();
    path_ = std::move(other.path_);
    target_ = std::move(other.target_);
    temp_ = std::exchange(other.temp_, {});
  }
  return *this;
}

void PendingFile::Commit() {
  if (temp_.empty()) return;
  std::error_code ec;
  std::filesystem::rename(temp_, target_, ec);
  if (ec) {
    Discard();
    throw FileError(FileError::Kind::Create, path_.string(), ec.message());
  }
  temp_.clear();
}

void PendingFile::Discard() noexcept {
  if (temp_.empty()) return;
  std::error_code ec;
  std::filesystem::remove(temp_, ec);
  temp_.clear();
}

}  // namespace atomic_file

#endif  // _WIN32
