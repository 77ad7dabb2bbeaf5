// The diff model on any two files: the input is split at its first 0xFF byte
// into the bytes on disk and the bytes written. The last input byte picks the
// limits: its low six bits both limits (0: the real ones), its top two bits
// the window compared over a limit. Compared in full or not, the diff must
// hold to everything tests/support/DiffChecks.h checks.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/changes/FileDiff.h"
#include "tests/support/DiffChecks.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size - 1);
  const std::size_t limit = data[size - 1] % 64;
  const std::size_t window = 1 + (data[size - 1] >> 6) * 5;  // 1, 6, 11 or 16 lines
  const std::size_t cut = input.find('\xff');
  const std::string_view disk = input.substr(0, cut);
  const std::string_view written =
      cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);

  const changes::FileDiff diff =
      changes::DiffFile("f", disk, written, limit == 0 ? changes::kCompareLimit : limit,
                        limit == 0 ? changes::kChangeLimit : limit, window);
  Check(diff.unchanged == (disk == written));
  Check(diffchecks::DiffFault(disk, written, diff).empty());
  Check(changes::ChangedLines(diff) >= changes::ShownChangedLines(diff));
  return 0;
}
