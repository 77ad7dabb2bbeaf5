// The diff model on any two files: the input is split at its first 0xFF byte
// into the bytes on disk and the bytes written. Compared in full, the hunks and
// the shared lines between them must give back the new lines exactly, with
// consistent line numbers; over a limit (taken from the last input byte), the
// hunks shown must still number their lines within both files.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/changes/FileDiff.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size - 1);
  const std::size_t limit = data[size - 1] % 64;
  const std::size_t cut = input.find('\xff');
  const std::string_view disk = input.substr(0, cut);
  const std::string_view written =
      cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);

  const auto oldLines = changes::SplitLines(disk);
  const auto newLines = changes::SplitLines(written);
  const changes::FileDiff diff =
      changes::DiffFile("f", disk, written, limit == 0 ? changes::kCompareLimit : limit,
                        limit == 0 ? changes::kChangeLimit : limit);
  Check(diff.unchanged == (disk == written));
  Check(diff.oldLines == static_cast<int>(oldLines.size()));
  Check(diff.newLines == static_cast<int>(newLines.size()));

  int nextOld = 1, nextNew = 1;
  for (const changes::Hunk& hunk : diff.hunks) {
    const int firstOld = hunk.oldCount > 0 ? hunk.oldStart : hunk.oldStart + 1;
    Check(firstOld >= nextOld);
    // Lines between hunks are shared: the new file continues with them.
    const int skipped = firstOld - nextOld;
    for (int k = 0; k < skipped; ++k)
      Check(oldLines[static_cast<std::size_t>(nextOld - 1 + k)].text ==
            newLines[static_cast<std::size_t>(nextNew - 1 + k)].text);
    nextOld += skipped;
    nextNew += skipped;
    int olds = 0, news = 0;
    for (const changes::DiffLine& line : hunk.lines) {
      if (line.kind != changes::LineKind::Added) {
        Check(line.oldNumber == nextOld && nextOld <= diff.oldLines);
        Check(oldLines[static_cast<std::size_t>(nextOld - 1)].text == line.text);
        ++nextOld;
        ++olds;
      }
      if (line.kind != changes::LineKind::Removed) {
        Check(line.newNumber == nextNew && nextNew <= diff.newLines);
        Check(newLines[static_cast<std::size_t>(nextNew - 1)].text == line.text);
        ++nextNew;
        ++news;
      }
    }
    Check(olds == hunk.oldCount && news == hunk.newCount);
  }
  if (!diff.partial) {
    // What follows the last hunk is shared to the end of both files.
    Check(diff.oldLines - nextOld == diff.newLines - nextNew);
    for (; nextOld <= diff.oldLines; ++nextOld, ++nextNew)
      Check(oldLines[static_cast<std::size_t>(nextOld - 1)].text ==
            newLines[static_cast<std::size_t>(nextNew - 1)].text);
  }
  return 0;
}
