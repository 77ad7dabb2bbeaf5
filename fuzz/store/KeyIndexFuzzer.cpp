// Differential: a document read and written through its key index against a
// twin without one. Random lines (blank padding, comments, Windows-1252
// letters of both cases, several "="), then random reads, writes, deletes
// and appends (through the store and straight onto the end); both documents and every answer must
// stay the same. Some documents are read from a file, perhaps into the strings
// of other lines, with a mark looked for and the names noted on the way for
// the index; the lines, the mark, the stamp and the index must be as reading
// the bytes afterwards tells.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "store/ZIniReader.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return size_ == 0; }
  std::uint8_t Byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  // Short texts from a small alphabet, so that names meet often.
  std::string Text(std::size_t max) {
    static const char kAlphabet[] = {'a',    'A',    'b',    'B',    '=',    ';',    ' ', '\t',
                                     '\xE9', '\xC9', '\x9A', '\x8A', '\xFF', '\x9F', '0', '\0'};
    std::string s;
    const std::size_t n = Byte() % (max + 1);
    for (std::size_t i = 0; i < n; ++i) s.push_back(kAlphabet[Byte() % sizeof kAlphabet]);
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// The lines written to an in-memory file with random line breaks and loaded
// back, the names noted; plain gets what parsing the bytes gives.
Document LoadThroughAFile(const Document& lines, bool normalize, Input& in, Document& plain,
                          LineNames& names) {
  static const char* const kBreaks[] = {"\r\n", "\n", "\r"};
  std::string bytes;
  for (const std::string& line : lines) bytes += line + kBreaks[in.Byte() % 3];
  if (in.Byte() % 2 && !bytes.empty()) bytes.pop_back();  // no break at the end
  const int fd = ::memfd_create("keyindex", 0);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
    std::abort();
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  Document loaded;  // perhaps the strings of other lines
  for (std::size_t n = in.Byte() % 8; n > 0; --n) loaded.push_back(in.Text(12));
  const std::string mark = in.Text(3);
  LineNotes notes;
  notes.mark = mark;
  notes.noteNames = true;
  FileStamp stamp;
  const LineForm form = normalize ? LineForm::Normalized : LineForm::AsRead;
  if (loaded.empty() || in.Byte() % 2)
    LoadDocument(loaded, path, &stamp, form, &notes);
  else
    LoadDocumentReusing(loaded, path, &stamp, form, &notes);
  ::close(fd);
  plain = ParseDocument(bytes);
  if (normalize) NormalizeLines(plain);
  if (loaded != plain) std::abort();
  if (stamp.size != bytes.size() || stamp.hash != ContentHash(bytes)) std::abort();
  const bool marked = !mark.empty() && std::any_of(plain.begin(), plain.end(), [&](auto& line) {
    return line.find(mark) != std::string::npos;
  });
  if (notes.marked != marked) std::abort();
  names = std::move(notes.names);
  return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  Document indexed;
  const std::size_t lines = in.Byte() % 64;
  for (std::size_t i = 0; i < lines; ++i) indexed.push_back(in.Text(8));
  const std::uint8_t how = in.Byte();
  Document plain;
  std::optional<KeyIndex> index;
  if (how & 4) {
    LineNames names;
    indexed = LoadThroughAFile(indexed, how % 2, in, plain, names);
    index.emplace(&indexed, std::move(names));
  } else {
    if (how % 2) NormalizeLines(indexed);
    plain = indexed;
    index.emplace(&indexed);
  }

  const StoreWrites writes;
  while (!in.Empty()) {
    const int op = in.Byte() % 5;
    const std::string key = in.Text(4);
    const std::string value = in.Text(3);
    if (FindKey(indexed, key) != FindKey(plain, key)) std::abort();
    if (ReadValue(indexed, key) != ReadValue(plain, key)) std::abort();
    if (op == 1) {
      WriteValue(indexed, key, value);
      WriteValue(plain, key, value);
    } else if (op == 2) {
      DeleteKey(indexed, key);
      DeleteKey(plain, key);
    } else if (op == 4) {
      // A line added at the end without the store, as a fill may.
      indexed.push_back(key + value);
      plain.push_back(key + value);
    } else if (op == 3) {
      WriteInteger(indexed, key, static_cast<std::int32_t>(value.size()) - 1);
      WriteInteger(plain, key, static_cast<std::int32_t>(value.size()) - 1);
    }
    if (indexed != plain) std::abort();
  }
  for (const std::string& line : plain) {
    const std::string name = line.substr(0, line.find('='));
    if (FindKey(indexed, name) != FindKey(plain, name)) std::abort();
  }
  return 0;
}
