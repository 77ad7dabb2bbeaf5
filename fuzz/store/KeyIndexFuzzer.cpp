// Differential: a document read and written through its key index against a
// twin without one. Random lines (blank padding, comments, Windows-1252
// letters of both cases, several "="), then random reads, writes, deletes
// and appends (through the store and straight onto the end); both documents and every answer must
// stay the same.
#include <cstdint>
#include <cstdlib>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  Document indexed;
  const std::size_t lines = in.Byte() % 64;
  for (std::size_t i = 0; i < lines; ++i) indexed.push_back(in.Text(8));
  if (in.Byte() % 2) NormalizeLines(indexed);
  Document plain = indexed;

  LoadingFinished = true;
  const KeyIndex index(indexed);
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
  LoadingFinished = false;
  return 0;
}
