// Random profile text and random names and values: reading and writing must
// not crash, a write that is accepted must read back, and writing the same
// again must change nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "platform/ProfileFile.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// What a read gives back for a written value.
std::string AsRead(std::string value) {
  while (!value.empty() && IsBlank(value.front())) value.erase(0, 1);
  while (!value.empty() && IsBlank(value.back())) value.pop_back();
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const std::string value = input.ConsumeRandomLengthString(48);
  const std::string text = input.ConsumeRemainingBytesAsString();
  using namespace platform::profile;

  (void)Read(text, section, key);
  const std::optional<std::string> written = Write(text, section, key, value);
  if (written.has_value() != CanWrite(section, key, value)) std::abort();
  if (!written) return 0;
  const std::optional<std::string> back = Read(*written, section, key);
  if (!back || *back != AsRead(value)) std::abort();
  if (Write(*written, section, key, value) != written) std::abort();
  // Lines other than the written one and a new section header stay.
  if (SplitLines(*written).size() > SplitLines(text).size() + 2) std::abort();
  return 0;
}
