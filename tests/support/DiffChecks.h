// What every diff must hold to, whatever the limits (the diff tests and the
// diff fuzzer): the hunks, applied to the first oldCompared lines on disk,
// give exactly the first newCompared lines written, every line numbered where
// it stands; they remove and add no more lines than a longest common
// subsequence of those two parts leaves (so every line shown as changed
// really differs); and with the lines counted past the compared part, never
// fewer than one of the whole files leaves.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/changes/FileDiff.h"

namespace diffchecks {

// The length of a longest common subsequence of the texts of a[0, aCount) and
// b[0, bCount).
inline int CommonLines(const std::vector<changes::Line>& a, int aCount,
                       const std::vector<changes::Line>& b, int bCount) {
  std::vector<int> row(static_cast<std::size_t>(bCount) + 1, 0);
  for (std::size_t i = 0; i < static_cast<std::size_t>(aCount); ++i) {
    int diagonal = 0;  // the previous row's value at j
    for (std::size_t j = 0; j < static_cast<std::size_t>(bCount); ++j) {
      const int above = row[j + 1];
      row[j + 1] = a[i].text == b[j].text ? diagonal + 1 : std::max(above, row[j]);
      diagonal = above;
    }
  }
  return row.back();
}

// What is wrong with `diff` of `disk` against `written`; empty when nothing is.
inline std::string DiffFault(std::string_view disk, std::string_view written,
                             const changes::FileDiff& diff) {
  using changes::LineKind;
  const auto oldLines = changes::SplitLines(disk), newLines = changes::SplitLines(written);
  const int oldCount = static_cast<int>(oldLines.size()),
            newCount = static_cast<int>(newLines.size());
  if (diff.oldLines != oldCount || diff.newLines != newCount) return "line counts";
  if (diff.partial ? diff.oldCompared > oldCount || diff.newCompared > newCount
                   : diff.oldCompared != oldCount || diff.newCompared != newCount ||
                         diff.moreRemoved != 0 || diff.moreAdded != 0)
    return "the part compared";

  auto oldText = [&](int number) { return oldLines[static_cast<std::size_t>(number - 1)].text; };
  auto newText = [&](int number) { return newLines[static_cast<std::size_t>(number - 1)].text; };
  int nextOld = 1, nextNew = 1, removed = 0, added = 0;
  // The shared lines before old line `number`, which the patch leaves as they are.
  auto sharedUpTo = [&](int number) {
    for (; nextOld < number; ++nextOld, ++nextNew)
      if (nextNew > diff.newCompared || oldText(nextOld) != newText(nextNew)) return false;
    return true;
  };
  for (const changes::Hunk& hunk : diff.hunks) {
    const int firstOld = hunk.oldStart + (hunk.oldCount > 0 ? 0 : 1);
    if (firstOld < nextOld || firstOld > diff.oldCompared + 1 || !sharedUpTo(firstOld))
      return "lines between hunks";
    if (hunk.newStart + (hunk.newCount > 0 ? 0 : 1) != nextNew) return "hunk start";
    const int oldEnd = nextOld + hunk.oldCount, newEnd = nextNew + hunk.newCount;
    for (const changes::DiffLine& line : hunk.lines) {
      if (line.kind != LineKind::Added &&
          (line.oldNumber != nextOld || nextOld > diff.oldCompared ||
           oldText(nextOld++) != line.text))
        return "old line " + std::to_string(nextOld);
      if (line.kind != LineKind::Removed &&
          (line.newNumber != nextNew || nextNew > diff.newCompared ||
           newText(nextNew++) != line.text))
        return "new line " + std::to_string(nextNew);
      removed += line.kind == LineKind::Removed ? 1 : 0;
      added += line.kind == LineKind::Added ? 1 : 0;
    }
    if (nextOld != oldEnd || nextNew != newEnd) return "hunk counts";
  }
  if (!sharedUpTo(diff.oldCompared + 1) || nextNew != diff.newCompared + 1)
    return "the compared part after the last hunk";
  if (removed != diff.removed || added != diff.added) return "added and removed";

  const int partCommon = CommonLines(oldLines, diff.oldCompared, newLines, diff.newCompared);
  if (removed != diff.oldCompared - partCommon || added != diff.newCompared - partCommon)
    return "changes in the compared part";
  const int oldRest = oldCount - diff.oldCompared, newRest = newCount - diff.newCompared;
  if (diff.moreRemoved > oldRest || diff.moreAdded > newRest ||
      diff.moreRemoved - diff.moreAdded != oldRest - newRest)
    return "lines counted past the compared part";
  const int common = CommonLines(oldLines, oldCount, newLines, newCount);
  if (removed + diff.moreRemoved < oldCount - common || added + diff.moreAdded < newCount - common)
    return "fewer lines counted than change";
  return {};
}

}  // namespace diffchecks
