// What Apply would change in one file: a unified diff between the bytes on
// disk and the bytes that would be written, with line ends compared apart from
// the text of the lines. Standard library only; the window shows the result.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace changes {

// Lines of context around every change.
inline constexpr int kContext = 3;
// The most lines, on either side, of the part of a file that is compared in
// full (the part between the lines both sides share at the start and at the
// end). Beyond it only the first changes are worked out.
inline constexpr std::size_t kCompareLimit = 200000;
// The most lines, both sides together, that cannot be matched at all (their
// text is missing on the other side) in a file compared in full. The time of
// the comparison grows with the lines times the changes; beyond this, more
// lines would change than the window shows anyway.
inline constexpr std::size_t kChangeLimit = 20000;
// How many lines of each side, from the first difference on, are compared when
// a file is over a limit.
inline constexpr std::size_t kWindowLines = 2000;

enum class Ending { CrLf, Lf, Cr, None };

// A line of a file with the break that ends it.
struct Line {
  std::string_view text;
  Ending ending = Ending::None;
};

// Splits bytes as the store does: lines end at CR LF, LF or a lone CR; the
// last line has Ending::None unless the bytes end with a break.
std::vector<Line> SplitLines(std::string_view bytes);

enum class LineKind { Context, Removed, Added };

struct DiffLine {
  LineKind kind = LineKind::Context;
  int oldNumber = 0;  // 1-based; 0 for an added line
  int newNumber = 0;  // 1-based; 0 for a removed line
  std::string text;
};

struct Hunk {
  // As in "@@ -oldStart,oldCount +newStart,newCount @@"; a start is the line
  // before the hunk when its count is 0.
  int oldStart = 0;
  int oldCount = 0;
  int newStart = 0;
  int newCount = 0;
  std::vector<DiffLine> lines;
};

// Lines both sides share whose line end alone changes, from one kind to another.
struct EndingChange {
  Ending from = Ending::Lf;
  Ending to = Ending::CrLf;
  int lines = 0;
};

struct FileDiff {
  std::string name;
  bool onDisk = true;      // false: the file does not exist yet
  bool unchanged = false;  // the bytes written would be the same as on disk
  int oldLines = 0;
  int newLines = 0;
  // The lines added and removed in the hunks.
  int added = 0;
  int removed = 0;
  std::vector<EndingChange> endings;
  std::vector<Hunk> hunks;
  // Too long to compare in full: only the first oldCompared lines on disk and
  // newCompared lines written are compared. The hunks show every change
  // between them (they turn the one into the other); the lines past them are
  // lined up one against one and counted in moreRemoved and moreAdded, which
  // is never fewer than a full comparison would find there.
  bool partial = false;
  int oldCompared = 0;  // oldLines unless partial
  int newCompared = 0;  // newLines unless partial
  int moreRemoved = 0;
  int moreAdded = 0;
};

// Compares a file's bytes on disk (nothing: no such file) with the bytes that
// would replace them.
FileDiff DiffFile(std::string name, std::optional<std::string_view> disk, std::string_view written,
                  std::size_t compareLimit = kCompareLimit, std::size_t changeLimit = kChangeLimit,
                  std::size_t windowLines = kWindowLines);

// The lines that change (the more of those removed and those added), the
// lines past the compared part included; and those of them the hunks show.
int ChangedLines(const FileDiff& diff);
int ShownChangedLines(const FileDiff& diff);
// "at least 15001 lines change; the first 1905 are shown".
std::string DescribeShare(int changed, int shown);

// "LF line ends become CR LF: 12 lines".
std::string DescribeEndings(const EndingChange& change);
// "@@ -3,7 +3,8 @@".
std::string HunkHeader(const Hunk& hunk);
// The line heading the changes: files changed, lines added and removed.
std::string Summary(const std::vector<FileDiff>& files);

}  // namespace changes
