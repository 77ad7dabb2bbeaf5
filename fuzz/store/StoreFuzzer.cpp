// Feeds random bytes to ParseDocument, then runs a random sequence of reads,
// writes and deletes on the document and checks the store's promises: the
// bytes a save writes read back as the same lines, normalising twice changes
// nothing more than once, a write is read back, and lines other than the one
// written are never touched.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/ZIniReader.h"

namespace {

std::string Take(const std::uint8_t*& data, std::size_t& size, std::size_t max) {
  std::size_t n = size == 0 ? 0 : data[0] % (max + 1);
  if (size > 0) {
    ++data;
    --size;
  }
  n = std::min(n, size);
  std::string s(reinterpret_cast<const char*>(data), n);
  data += n;
  size -= n;
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t split = data[0] * size / 256;
  const std::string text(reinterpret_cast<const char*>(data + 1), std::min(split, size - 1));
  const std::uint8_t* ops = data + 1 + text.size();
  std::size_t opsSize = size - 1 - text.size();

  Document doc = ParseDocument(text);
  for (const std::string& line : doc)
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
  const std::string bytes = DocumentBytes(doc);
  if (ParseDocument(bytes) != doc) std::abort();
  // Saving keeps every byte but the line breaks.
  std::string unbroken = text;
  std::erase_if(unbroken, [](char c) { return c == '\r' || c == '\n'; });
  std::string saved = bytes;
  std::erase_if(saved, [](char c) { return c == '\r' || c == '\n'; });
  if (saved != unbroken) std::abort();

  NormalizeLines(doc);
  Document twice = doc;
  NormalizeLines(twice);
  if (twice != doc) std::abort();
  const StoreWrites writes;
  while (opsSize > 0) {
    const std::uint8_t op = ops[0] % 4;
    ++ops;
    --opsSize;
    std::string key = Take(ops, opsSize, 12);
    std::string value = Take(ops, opsSize, 12);
    if (key.find_first_of("=\r\n") != std::string::npos) continue;
    if (value.find_first_of(";\r\n") != std::string::npos) continue;
    const Document before = doc;
    const int at = FindKey(doc, key);
    switch (op) {
      case 0:
        (void)ReadValue(doc, key);
        (void)ReadInteger(doc, key);
        break;
      case 1: {
        // Only values without surrounding blanks read back as written.
        const bool plain = !value.empty() && static_cast<unsigned char>(value.front()) > 32 &&
                           static_cast<unsigned char>(value.back()) > 32;
        WriteValue(doc, key, value);
        if (plain && ReadValue(doc, key) != value) std::abort();
        // Only the line of the key changes (or goes, for an empty value).
        if (at >= 0) {
          Document expected = before;
          if (doc.size() + 1 == before.size())
            expected.erase(expected.begin() + at);
          else if (doc.size() == before.size())
            expected[static_cast<std::size_t>(at)] = doc[static_cast<std::size_t>(at)];
          else
            std::abort();
          if (doc != expected) std::abort();
        } else if (doc.size() != before.size() + 1 ||
                   !std::equal(before.begin(), before.end(), doc.begin())) {
          std::abort();
        }
        break;
      }
      case 2:
        DeleteKey(doc, key);
        if (at >= 0 && doc.size() + 1 != before.size()) std::abort();
        if (at < 0 && doc != before) std::abort();
        break;
      case 3:
        WriteInteger(doc, key, static_cast<std::int32_t>(value.size()) - 6);
        break;
    }
  }
  return 0;
}
