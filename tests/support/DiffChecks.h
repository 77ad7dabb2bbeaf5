// What every diff must hold to, whatever the limits (the diff tests and the
// diff fuzzer):
// - the hunks, applied to the first oldCompared lines on disk, give exactly
//   the first newCompared lines written, every line numbered where it stands;
// - a line removed never has its text among the lines added in the same
//   stretch of changes (the two would be one shared line);
// - the lines counted in the compared part are those a full comparison of that
//   part finds, and with the lines counted past it, never fewer than a full
//   comparison of the whole files finds.
#pragma once

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/changes/FileDiff.h"

namespace diffchecks {

// The length of a longest common subsequence of the texts of a[0, aCount) and
// b[0, bCount): the lines a comparison keeps; every other line changes.
inline int CommonLines(const std::vector<changes::Line>& a, int aCount,
                       const std::vector<changes::Line>& b, int bCount) {
  std::vector<int> row(static_cast<std::size_t>(bCount) + 1, 0);
  for (int i = 0; i < aCount; ++i) {
    int diagonal = 0;  // the previous row's value at j
    for (int j = 0; j < bCount; ++j) {
      const int above = row[static_cast<std::size_t>(j) + 1];
      row[static_cast<std::size_t>(j) + 1] =
          a[static_cast<std::size_t>(i)].text == b[static_cast<std::size_t>(j)].text
              ? diagonal + 1
              : std::max(above, row[static_cast<std::size_t>(j)]);
      diagonal = above;
    }
  }
  return row.back();
}

// What is wrong with `diff` of `disk` against `written`; empty when nothing is.
inline std::string DiffFault(std::string_view disk, std::string_view written,
                             const changes::FileDiff& diff) {
  using changes::LineKind;
  const auto oldLines = changes::SplitLines(disk);
  const auto newLines = changes::SplitLines(written);
  if (diff.oldLines != static_cast<int>(oldLines.size()) ||
      diff.newLines != static_cast<int>(newLines.size()))
    return "line counts";
  if (!diff.partial && (diff.oldCompared != diff.oldLines || diff.newCompared != diff.newLines ||
                        diff.moreRemoved != 0 || diff.moreAdded != 0))
    return "a full comparison that leaves lines out";
  if (diff.oldCompared > diff.oldLines || diff.newCompared > diff.newLines) return "compared part";

  // Applying the hunks to the start of the old file.
  int nextOld = 1, nextNew = 1, removed = 0, added = 0;
  auto shared = [&](int count) {
    for (int k = 0; k < count; ++k, ++nextOld, ++nextNew)
      if (nextNew > diff.newCompared || oldLines[static_cast<std::size_t>(nextOld - 1)].text !=
                                            newLines[static_cast<std::size_t>(nextNew - 1)].text)
        return false;
    return true;
  };
  for (const changes::Hunk& hunk : diff.hunks) {
    const int firstOld = hunk.oldCount > 0 ? hunk.oldStart : hunk.oldStart + 1;
    if (firstOld < nextOld || firstOld - 1 > diff.oldCompared) return "hunk start";
    if (!shared(firstOld - nextOld)) return "lines between hunks that differ";
    if (hunk.newStart + (hunk.newCount > 0 ? 0 : 1) != nextNew) return "hunk new start";
    int olds = 0, news = 0;
    std::set<std::string_view> stretchRemoved, stretchAdded;
    for (const changes::DiffLine& line : hunk.lines) {
      if (line.kind == LineKind::Context) {
        stretchRemoved.clear();
        stretchAdded.clear();
      }
      if (line.kind != LineKind::Added) {
        if (line.oldNumber != nextOld || nextOld > diff.oldCompared ||
            oldLines[static_cast<std::size_t>(nextOld - 1)].text != line.text)
          return "old line " + std::to_string(nextOld);
        ++nextOld;
        ++olds;
      }
      if (line.kind != LineKind::Removed) {
        if (line.newNumber != nextNew || nextNew > diff.newCompared ||
            newLines[static_cast<std::size_t>(nextNew - 1)].text != line.text)
          return "new line " + std::to_string(nextNew);
        ++nextNew;
        ++news;
      }
      if (line.kind == LineKind::Removed) {
        ++removed;
        stretchRemoved.insert(line.text);
        if (stretchAdded.count(line.text) > 0) return "a line removed and added unchanged";
      }
      if (line.kind == LineKind::Added) {
        ++added;
        stretchAdded.insert(line.text);
        if (stretchRemoved.count(line.text) > 0) return "a line removed and added unchanged";
      }
    }
    if (olds != hunk.oldCount || news != hunk.newCount) return "hunk counts";
  }
  if (diff.oldCompared - nextOld != diff.newCompared - nextNew ||
      !shared(diff.oldCompared - nextOld + 1))
    return "the compared part after the last hunk";
  if (removed != diff.removed || added != diff.added) return "added and removed";

  // The counts against full comparisons.
  const int partCommon = CommonLines(oldLines, diff.oldCompared, newLines, diff.newCompared);
  if (diff.removed != diff.oldCompared - partCommon || diff.added != diff.newCompared - partCommon)
    return "changes in the compared part";
  const int oldRest = diff.oldLines - diff.oldCompared, newRest = diff.newLines - diff.newCompared;
  if (diff.moreRemoved > oldRest || diff.moreAdded > newRest ||
      diff.moreRemoved - diff.moreAdded != oldRest - newRest)
    return "lines counted past the compared part";
  const int common = CommonLines(oldLines, diff.oldLines, newLines, diff.newLines);
  if (diff.removed + diff.moreRemoved < diff.oldLines - common ||
      diff.added + diff.moreAdded < diff.newLines - common)
    return "fewer lines counted than change";
  return {};
}

}  // namespace diffchecks
