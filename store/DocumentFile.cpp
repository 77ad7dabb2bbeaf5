// Reading documents from files and writing them back.
#include <cerrno>
#include <cstdio>
#include <functional>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <chrono>
#endif

#include "store/AtomicFile.h"
#include "store/LineNames.h"
#include "store/NativeFile.h"
#include "store/ZIniReader.h"

using atomic_file::SystemMessage;

namespace {

// Where the first CR or LF at or after from is (the end when there is none).
std::size_t NextBreak(std::string_view bytes, std::size_t from) {
  const char* const data = bytes.data();
  const std::size_t size = bytes.size();
  while (from < size && data[from] != '\r' && data[from] != '\n') ++from;
  return from;
}

// Splits bytes that come in pieces into lines, as if they came at once: a
// line may run over several pieces, and a CR that ends one piece pairs with an
// LF that starts the next.
class LineSplitter {
 public:
  // normalize: each line goes through NormalizeNameLine as it is made, while it
  // is still at hand; so are the notes taken.
  explicit LineSplitter(Document& lines, bool normalize = false, LineNotes* notes = nullptr)
      : lines_(lines), normalize_(normalize), notes_(notes) {
    if (notes_ != nullptr) {
      notes_->marked = false;
      notes_->names.hashes.clear();
    }
  }

  // The ContentHash of the bytes is made on the way, a piece at a time.
  void HashBytes() { hashing_ = true; }
  std::uint64_t Hash() const { return hasher_.Value(); }

  void Take(std::string_view piece) {
    if (hashing_) hasher_.Add(piece);
    std::size_t start = 0;
    if (afterCr_ && !piece.empty()) {
      afterCr_ = false;
      if (piece.front() == '\n') start = 1;
    }
    for (std::size_t i = NextBreak(piece, start); i < piece.size(); i = NextBreak(piece, start)) {
      const char c = piece[i];
      if (partial_.empty()) {
        Emit(piece.substr(start, i - start));
      } else {
        partial_.append(piece.substr(start, i - start));
        Emit(partial_);
        partial_.clear();
      }
      if (c == '\r') {
        if (i + 1 == piece.size()) {
          afterCr_ = true;
        } else if (piece[i + 1] == '\n') {
          ++i;
        }
      }
      start = i + 1;
    }
    partial_.append(piece.substr(std::min(start, piece.size())));
  }

  // The last line, when the bytes do not end with a line break.
  void Finish() {
    if (!partial_.empty()) Emit(partial_);
    partial_.clear();
    afterCr_ = false;
    // Strings of the lines taken over that no line needed.
    if (count_ < lines_.size()) lines_.resize(count_);
  }

 private:
  void Emit(std::string_view text) {
    // A plain load only adds lines.
    if (count_ == lines_.size() && !normalize_ && notes_ == nullptr) {
      lines_.push_back(std::string(text));
      ++count_;
      return;
    }
    Make(text);
  }

  // Kept out of Emit, so that a plain load's line stays in the splitting loop.
  [[gnu::noinline]] void Make(std::string_view text) {
    // The strings the document held go on to hold its new lines.
    std::string& line =
        count_ < lines_.size() ? lines_[count_].assign(text) : lines_.emplace_back(text);
    ++count_;
    if (notes_ == nullptr) {
      if (normalize_) Normalize(line);
    } else {
      const std::size_t eq = normalize_ ? Normalize(line) : line.find('=');
      if (!notes_->marked && !notes_->mark.empty())
        notes_->marked = line.find(notes_->mark) != std::string::npos;
      if (notes_->noteNames)
        notes_->names.hashes.push_back(
            eq == std::string::npos ? 0 : NameHash(std::string_view(line.data(), eq)));
    }
  }

  Document& lines_;
  bool normalize_;
  LineNotes* notes_;
  bool hashing_ = false;
  ContentHasher hasher_;
  std::size_t count_ = 0;  // the lines made so far
  std::string partial_;    // the start of a line that goes on in the next piece
  bool afterCr_ = false;
};

}  // namespace

Document ParseDocument(std::string_view text) {
  Document lines;
  LineSplitter splitter(lines);
  splitter.Take(text);
  splitter.Finish();
  return lines;
}

#ifndef _WIN32

namespace {

// ReadFilePieces; the content hash goes into the stamp only when hashBytes is
// true (otherwise it is left to take).
void ReadPieces(const std::filesystem::path& path, FileStamp* stamp, bool hashBytes,
                const std::function<void(std::string_view)>& take) {
  const std::string name = path.string();
  // O_NONBLOCK: opening a FIFO without a writer, or a device, must not wait.
  const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw FileError(FileError::Kind::Open, name, SystemMessage(errno));
  auto fail = [&](const StoreMessage& reason) {
    ::close(fd);
    throw FileError(FileError::Kind::Open, name, reason);
  };
  struct stat info {};
  if (::fstat(fd, &info) != 0) fail(SystemMessage(errno));
  if (!S_ISREG(info.st_mode)) fail(NotRegularFile());
  if (static_cast<std::uint64_t>(info.st_size) > kMaxSettingsFileBytes) fail(TooLargeFile());

  std::uint64_t total = 0;
  ContentHasher hasher;
  const auto buffer = std::make_unique<char[]>(kReadPieceBytes);
  for (;;) {
    const ssize_t got = ::read(fd, buffer.get(), kReadPieceBytes);
    if (got < 0) {
      if (errno == EINTR) continue;
      fail(SystemMessage(errno));
    }
    if (got == 0) break;
    total += static_cast<std::uint64_t>(got);
    // A file that grows while it is read is bounded all the same.
    if (total > kMaxSettingsFileBytes) fail(TooLargeFile());
    const std::string_view piece(buffer.get(), static_cast<std::size_t>(got));
    if (stamp != nullptr && hashBytes) hasher.Add(piece);
    try {
      take(piece);
    } catch (...) {
      ::close(fd);
      throw;
    }
  }
  ::close(fd);
  if (stamp != nullptr) {
    stamp->size = total;
    stamp->mtimeNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                     static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    if (hashBytes) stamp->hash = hasher.Value();
  }
}

}  // namespace

#else

namespace {

// ReadFilePieces; the content hash goes into the stamp only when hashBytes is
// true (otherwise it is left to take).
void ReadPieces(const std::filesystem::path& path, FileStamp* stamp, bool hashBytes,
                const std::function<void(std::string_view)>& take) {
  const std::string name = native_file::DisplayName(path);
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    throw FileError(FileError::Kind::Open, name, NotRegularFile());
  std::FILE* file = native_file::OpenForReading(path);
  if (file == nullptr) throw FileError(FileError::Kind::Open, name, SystemMessage(errno));
  std::uint64_t total = 0;
  ContentHasher hasher;
  const auto buffer = std::make_unique<char[]>(kReadPieceBytes);
  for (;;) {
    const std::size_t got = std::fread(buffer.get(), 1, kReadPieceBytes, file);
    total += got;
    if (total > kMaxSettingsFileBytes) {
      std::fclose(file);
      throw FileError(FileError::Kind::Open, name, TooLargeFile());
    }
    const std::string_view piece(buffer.get(), got);
    if (stamp != nullptr && hashBytes) hasher.Add(piece);
    if (got > 0) {
      try {
        take(piece);
      } catch (...) {
        std::fclose(file);
        throw;
      }
    }
    if (got < kReadPieceBytes) {
      if (std::ferror(file)) {
        const int err = errno != 0 ? errno : EIO;
        std::fclose(file);
        throw FileError(FileError::Kind::Open, name, SystemMessage(err));
      }
      break;
    }
  }
  std::fclose(file);
  if (stamp != nullptr) {
    stamp->size = total;
    const auto time = std::filesystem::last_write_time(path, ec);
    stamp->mtimeNs =
        ec ? 0
           : std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
    if (hashBytes) stamp->hash = hasher.Value();
  }
}

}  // namespace

#endif

void ReadFilePieces(const std::filesystem::path& path, FileStamp* stamp,
                    const std::function<void(std::string_view)>& take) {
  ReadPieces(path, stamp, true, take);
}

std::string ReadFileBytes(const std::filesystem::path& path, FileStamp* stamp) {
  std::string text;
  ReadFilePieces(path, stamp, [&](std::string_view piece) { text.append(piece); });
  return text;
}

void LoadDocument(Document& doc, const std::filesystem::path& path, FileStamp* stamp, LineForm form,
                  LineNotes* notes) {
  // The lines are split while the file is read, so the whole text is never
  // held beside them.
  Document lines;
  LineSplitter splitter(lines, form == LineForm::Normalized, notes);
  if (stamp != nullptr) splitter.HashBytes();
  std::string* bytes = notes != nullptr ? notes->bytes : nullptr;
  if (bytes != nullptr) bytes->clear();
  ReadPieces(path, stamp, false, [&](std::string_view piece) {
    if (bytes != nullptr) bytes->append(piece);
    splitter.Take(piece);
  });
  splitter.Finish();
  if (stamp != nullptr) stamp->hash = splitter.Hash();
  doc = std::move(lines);
}

void LoadDocumentReusing(Document& doc, const std::filesystem::path& path, FileStamp* stamp,
                         LineForm form, LineNotes* notes) {
  LineSplitter splitter(doc, form == LineForm::Normalized, notes);
  if (stamp != nullptr) splitter.HashBytes();
  ReadPieces(path, stamp, false, [&](std::string_view piece) { splitter.Take(piece); });
  splitter.Finish();
  if (stamp != nullptr) stamp->hash = splitter.Hash();
}

std::string DocumentBytes(const Document& doc) {
  std::string text;
  std::size_t size = 0;
  for (const std::string& line : doc) size += line.size() + 2;
  text.reserve(size);
  for (const std::string& line : doc) text.append(line).append("\r\n");
  return text;
}

void SaveDocument(const Document& doc, const std::filesystem::path& path) {
  atomic_file::PendingFile(path, DocumentBytes(doc)).Commit();
}
