#include "app/changes/FileDiff.h"

#include <algorithm>
#include <array>
#include <dtl/dtl.hpp>
#include <unordered_set>
#include <utility>

namespace changes {

std::vector<Line> SplitLines(std::string_view bytes) {
  std::vector<Line> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    Ending ending = c == '\n' ? Ending::Lf : Ending::Cr;
    const std::string_view text = bytes.substr(start, i - start);
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      ending = Ending::CrLf;
      ++i;
    }
    lines.push_back({text, ending});
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back({bytes.substr(start), Ending::None});
  return lines;
}

namespace {

using Texts = std::vector<std::string_view>;

// A stretch of old lines [oldBegin, oldEnd) replaced by new lines
// [newBegin, newEnd); every line between two runs is shared by both sides.
struct Run {
  std::size_t oldBegin, oldEnd, newBegin, newEnd;
};

// Counts the shared lines whose line end differs.
class EndingCounter {
 public:
  void Add(const Line& from, const Line& to) {
    if (from.ending != to.ending)
      ++counts_[static_cast<std::size_t>(from.ending) * 4 + static_cast<std::size_t>(to.ending)];
  }
  void Add(const EndingCounter& other) {
    for (std::size_t i = 0; i < counts_.size(); ++i) counts_[i] += other.counts_[i];
  }
  std::vector<EndingChange> Result() const {
    std::vector<EndingChange> out;
    for (std::size_t i = 0; i < counts_.size(); ++i)
      if (counts_[i] > 0)
        out.push_back({static_cast<Ending>(i / 4), static_cast<Ending>(i % 4), counts_[i]});
    return out;
  }

 private:
  std::array<int, 16> counts_{};
};

// Runs of the edit script that dtl finds between old[oldBegin, oldEnd) and
// new[newBegin, newEnd): the lines between runs are a longest common
// subsequence of the two; they go to the ending counter. With `discard`, the
// lines whose text the other range lacks are set aside before dtl runs: no
// common subsequence can hold them, so the result is the same, found far
// quicker where most lines differ (dtl's time grows with the lines times the
// changes).
std::vector<Run> CompareRange(const std::vector<Line>& oldLines, const std::vector<Line>& newLines,
                              std::size_t oldBegin, std::size_t oldEnd, std::size_t newBegin,
                              std::size_t newEnd, bool discard, EndingCounter& endings) {
  std::unordered_set<std::string_view> oldTexts, newTexts;
  if (discard) {
    for (std::size_t i = oldBegin; i < oldEnd; ++i) oldTexts.insert(oldLines[i].text);
    for (std::size_t i = newBegin; i < newEnd; ++i) newTexts.insert(newLines[i].text);
  }
  // The lines dtl compares, and where each stands.
  Texts a, b;
  std::vector<std::size_t> aAt, bAt;
  a.reserve(oldEnd - oldBegin);
  aAt.reserve(oldEnd - oldBegin);
  b.reserve(newEnd - newBegin);
  bAt.reserve(newEnd - newBegin);
  for (std::size_t i = oldBegin; i < oldEnd; ++i)
    if (!discard || newTexts.count(oldLines[i].text) > 0) {
      a.push_back(oldLines[i].text);
      aAt.push_back(i);
    }
  for (std::size_t i = newBegin; i < newEnd; ++i)
    if (!discard || oldTexts.count(newLines[i].text) > 0) {
      b.push_back(newLines[i].text);
      bAt.push_back(i);
    }

  std::vector<Run> runs;
  std::size_t o = oldBegin, n = newBegin;  // the first lines not yet in a run or shared
  if (!a.empty() || !b.empty()) {
    dtl::Diff<std::string_view, Texts> diff(a, b);
    diff.compose();
    std::size_t x = 0, y = 0;
    for (const auto& [text, info] : diff.getSes().getSequence()) {
      if (info.type == dtl::SES_DELETE) {
        ++x;
      } else if (info.type == dtl::SES_ADD) {
        ++y;
      } else {
        if (aAt[x] > o || bAt[y] > n) runs.push_back({o, aAt[x], n, bAt[y]});
        endings.Add(oldLines[aAt[x]], newLines[bAt[y]]);
        o = aAt[x++] + 1;
        n = bAt[y++] + 1;
      }
    }
  }
  if (oldEnd > o || newEnd > n) runs.push_back({o, oldEnd, n, newEnd});
  return runs;
}

// How many lines of either range have a text that the other range lacks
// (at least that many lines are removed or added), counted up to limit + 1;
// 0 when the ranges are too short to exceed the limit.
std::size_t UnmatchedLines(const std::vector<Line>& oldLines, std::size_t oldBegin,
                           std::size_t oldEnd, const std::vector<Line>& newLines,
                           std::size_t newBegin, std::size_t newEnd, std::size_t limit) {
  if ((oldEnd - oldBegin) + (newEnd - newBegin) <= limit) return 0;  // cannot exceed it
  std::unordered_set<std::string_view> oldTexts, newTexts;
  oldTexts.reserve(oldEnd - oldBegin);
  newTexts.reserve(newEnd - newBegin);
  for (std::size_t i = oldBegin; i < oldEnd; ++i) oldTexts.insert(oldLines[i].text);
  for (std::size_t i = newBegin; i < newEnd; ++i) newTexts.insert(newLines[i].text);
  std::size_t count = 0;
  for (std::size_t i = oldBegin; i < oldEnd && count <= limit; ++i)
    count += newTexts.count(oldLines[i].text) == 0 ? 1 : 0;
  for (std::size_t i = newBegin; i < newEnd && count <= limit; ++i)
    count += oldTexts.count(newLines[i].text) == 0 ? 1 : 0;
  return count;
}

// The lines of old[oldBegin, oldEnd) and new[newBegin, newEnd) set one against
// one, from the start with the longer side's extra lines at the end, or from
// the end with them at the start: a line removed and one added where the two
// differ, and the extra lines removed or added. Either way turns the one range
// into the other, so no comparison finds more changes than this counts.
struct LinedUp {
  std::size_t removed = 0, added = 0;
  EndingCounter endings;  // of the lines set against an equal line
};

LinedUp LineUp(const std::vector<Line>& oldLines, std::size_t oldBegin, std::size_t oldEnd,
               const std::vector<Line>& newLines, std::size_t newBegin, std::size_t newEnd,
               bool fromEnd) {
  const std::size_t oldCount = oldEnd - oldBegin, newCount = newEnd - newBegin;
  const std::size_t paired = std::min(oldCount, newCount);
  const std::size_t o = fromEnd ? oldEnd - paired : oldBegin;
  const std::size_t n = fromEnd ? newEnd - paired : newBegin;
  LinedUp result;
  std::size_t differing = 0;
  for (std::size_t k = 0; k < paired; ++k) {
    if (oldLines[o + k].text == newLines[n + k].text)
      result.endings.Add(oldLines[o + k], newLines[n + k]);
    else
      ++differing;
  }
  result.removed = differing + oldCount - paired;
  result.added = differing + newCount - paired;
  return result;
}

// Groups runs whose shared lines between them are few enough for their
// context to meet, and writes each group as a hunk. Context never reaches
// past oldLimit / newLimit.
std::vector<Hunk> MakeHunks(const std::vector<Line>& oldLines, const std::vector<Line>& newLines,
                            const std::vector<Run>& runs, std::size_t oldLimit,
                            std::size_t newLimit) {
  std::vector<Hunk> hunks;
  const std::size_t context = kContext;
  std::size_t i = 0;
  while (i < runs.size()) {
    std::size_t last = i;
    while (last + 1 < runs.size() && runs[last + 1].oldBegin - runs[last].oldEnd <= 2 * context)
      ++last;

    const Run& first = runs[i];
    const std::size_t before = i == 0 ? first.oldBegin : first.oldBegin - runs[i - 1].oldEnd;
    const std::size_t lead = std::min(context, before);
    const Run& end = runs[last];
    std::size_t after = last + 1 < runs.size()
                            ? runs[last + 1].oldBegin - end.oldEnd
                            : std::min(oldLimit - end.oldEnd, newLimit - end.newEnd);
    const std::size_t trail = std::min(context, after);

    Hunk hunk;
    auto shared = [&](std::size_t o, std::size_t n, std::size_t count) {
      for (std::size_t k = 0; k < count; ++k)
        hunk.lines.push_back({LineKind::Context, static_cast<int>(o + k + 1),
                              static_cast<int>(n + k + 1), std::string(oldLines[o + k].text)});
    };
    shared(first.oldBegin - lead, first.newBegin - lead, lead);
    for (std::size_t r = i; r <= last; ++r) {
      const Run& run = runs[r];
      for (std::size_t o = run.oldBegin; o < run.oldEnd; ++o)
        hunk.lines.push_back(
            {LineKind::Removed, static_cast<int>(o + 1), 0, std::string(oldLines[o].text)});
      for (std::size_t n = run.newBegin; n < run.newEnd; ++n)
        hunk.lines.push_back(
            {LineKind::Added, 0, static_cast<int>(n + 1), std::string(newLines[n].text)});
      if (r < last) shared(run.oldEnd, run.newEnd, runs[r + 1].oldBegin - run.oldEnd);
    }
    shared(end.oldEnd, end.newEnd, trail);

    const std::size_t oldFirst = first.oldBegin - lead;
    const std::size_t newFirst = first.newBegin - lead;
    hunk.oldCount = static_cast<int>(end.oldEnd + trail - oldFirst);
    hunk.newCount = static_cast<int>(end.newEnd + trail - newFirst);
    hunk.oldStart = static_cast<int>(oldFirst) + (hunk.oldCount > 0 ? 1 : 0);
    hunk.newStart = static_cast<int>(newFirst) + (hunk.newCount > 0 ? 1 : 0);
    hunks.push_back(std::move(hunk));
    i = last + 1;
  }
  return hunks;
}

}  // namespace

FileDiff DiffFile(std::string name, std::optional<std::string_view> disk, std::string_view written,
                  std::size_t compareLimit, std::size_t changeLimit, std::size_t windowLines) {
  FileDiff result;
  result.name = std::move(name);
  result.onDisk = disk.has_value();
  result.unchanged = disk.has_value() && *disk == written;

  const std::vector<Line> oldLines = SplitLines(disk.value_or(std::string_view()));
  const std::vector<Line> newLines = SplitLines(written);
  result.oldLines = static_cast<int>(oldLines.size());
  result.newLines = static_cast<int>(newLines.size());
  result.oldCompared = result.oldLines;
  result.newCompared = result.newLines;
  if (result.unchanged) return result;

  // The lines both sides share at the start and at the end need no search.
  EndingCounter endings;
  const std::size_t shorter = std::min(oldLines.size(), newLines.size());
  std::size_t head = 0;
  while (head < shorter && oldLines[head].text == newLines[head].text) {
    endings.Add(oldLines[head], newLines[head]);
    ++head;
  }
  std::size_t tail = 0;
  while (tail < shorter - head &&
         oldLines[oldLines.size() - 1 - tail].text == newLines[newLines.size() - 1 - tail].text) {
    endings.Add(oldLines[oldLines.size() - 1 - tail], newLines[newLines.size() - 1 - tail]);
    ++tail;
  }
  const std::size_t oldEnd = oldLines.size() - tail;
  const std::size_t newEnd = newLines.size() - tail;

  std::vector<Run> runs;
  if (oldEnd - head <= compareLimit && newEnd - head <= compareLimit &&
      UnmatchedLines(oldLines, head, oldEnd, newLines, head, newEnd, changeLimit) <= changeLimit) {
    runs = CompareRange(oldLines, newLines, head, oldEnd, head, newEnd, false, endings);
    result.hunks = MakeHunks(oldLines, newLines, runs, oldLines.size(), newLines.size());
  } else {
    // Only a window from the first difference on is compared, and every
    // change in it is shown, the last ones too: they turn the window on disk
    // into the window written, whatever follows. The rest is lined up.
    result.partial = true;
    const std::size_t oldWindow = std::min(oldEnd, head + windowLines);
    const std::size_t newWindow = std::min(newEnd, head + windowLines);
    runs = CompareRange(oldLines, newLines, head, oldWindow, head, newWindow, true, endings);
    result.hunks = MakeHunks(oldLines, newLines, runs, oldWindow, newWindow);
    result.oldCompared = static_cast<int>(oldWindow);
    result.newCompared = static_cast<int>(newWindow);

    LinedUp rest = LineUp(oldLines, oldWindow, oldEnd, newLines, newWindow, newEnd, false);
    if (oldEnd - oldWindow != newEnd - newWindow) {
      LinedUp fromEnd = LineUp(oldLines, oldWindow, oldEnd, newLines, newWindow, newEnd, true);
      if (fromEnd.removed < rest.removed) rest = fromEnd;
    }
    endings.Add(rest.endings);
    result.moreRemoved = static_cast<int>(rest.removed);
    result.moreAdded = static_cast<int>(rest.added);
  }
  for (const Hunk& hunk : result.hunks)
    for (const DiffLine& line : hunk.lines) {
      if (line.kind == LineKind::Added) ++result.added;
      if (line.kind == LineKind::Removed) ++result.removed;
    }
  result.endings = endings.Result();
  return result;
}

namespace {

const char* EndingName(Ending ending) {
  switch (ending) {
    case Ending::CrLf:
      return "CR LF";
    case Ending::Lf:
      return "LF";
    case Ending::Cr:
      return "CR";
    case Ending::None:
      break;
  }
  return "";
}

std::string Lines(int count) { return std::to_string(count) + (count == 1 ? " line" : " lines"); }

}  // namespace

std::string DescribeEndings(const EndingChange& change) {
  std::string text;
  if (change.from == Ending::None)
    text = std::string("Missing line ends become ") + EndingName(change.to);
  else if (change.to == Ending::None)
    text = std::string(EndingName(change.from)) + " line ends are dropped";
  else
    text = std::string(EndingName(change.from)) + " line ends become " + EndingName(change.to);
  return text + ": " + Lines(change.lines);
}

std::string HunkHeader(const Hunk& hunk) {
  return "@@ -" + std::to_string(hunk.oldStart) + "," + std::to_string(hunk.oldCount) + " +" +
         std::to_string(hunk.newStart) + "," + std::to_string(hunk.newCount) + " @@";
}

int ChangedLines(const FileDiff& diff) {
  return std::max(diff.removed + diff.moreRemoved, diff.added + diff.moreAdded);
}

int ShownChangedLines(const FileDiff& diff) { return std::max(diff.removed, diff.added); }

std::string DescribeShare(int changed, int shown) {
  return "at least " + Lines(changed) + (changed == 1 ? " changes" : " change") + "; the first " +
         std::to_string(shown) + (shown == 1 ? " is shown" : " are shown");
}

std::string Summary(const std::vector<FileDiff>& files) {
  int changed = 0, added = 0, removed = 0, changedLines = 0, shownLines = 0;
  bool partial = false;
  for (const FileDiff& file : files) {
    if (file.unchanged) continue;
    ++changed;
    added += file.added;
    removed += file.removed;
    changedLines += ChangedLines(file);
    shownLines += ShownChangedLines(file);
    partial = partial || file.partial;
  }
  if (changed == 0)
    return files.size() == 1 ? "The file stays as it is."
                             : "All " + std::to_string(files.size()) + " files stay as they are.";
  const std::string text = std::to_string(changed) + " of " + std::to_string(files.size()) +
                           (files.size() == 1 ? " file changes: " : " files change: ");
  if (partial) return text + DescribeShare(changedLines, shownLines) + ".";
  return text + Lines(added) + " added, " + std::to_string(removed) + " removed.";
}

}  // namespace changes
