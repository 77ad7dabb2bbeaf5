// The diff model: hunks, line numbers, context, line ends and the summary,
// on the kinds of change Apply makes (normalised name lines, appended keys,
// CR LF line ends) and on a file too long to compare in full.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/changes/FileDiff.h"
#include "store/ZIniReader.h"
#include "tests/support/DiffChecks.h"
#include "tests/support/SourceDir.h"

namespace {

using changes::DiffFile;
using changes::Ending;
using changes::LineKind;

std::string Numbered(int from, int to, const char* sep = "\r\n") {
  std::string text;
  for (int i = from; i <= to; ++i)
    text += "key" + std::to_string(i) + "=" + std::to_string(i) + sep;
  return text;
}

// One hunk line as "<kind><old>/<new> text".
std::string Show(const changes::DiffLine& line) {
  const char mark = line.kind == LineKind::Added ? '+' : line.kind == LineKind::Removed ? '-' : ' ';
  return mark + std::to_string(line.oldNumber) + "/" + std::to_string(line.newNumber) + " " +
         line.text;
}

TEST(FileDiff, SplitsLinesAsTheStoreDoesAndKeepsTheirEnds) {
  const std::string bytes = std::string("a\r\nb\nc\rd\r\n\re", 13) + '\0';
  const auto lines = changes::SplitLines(bytes);
  const Document doc = ParseDocument(bytes);
  ASSERT_EQ(lines.size(), doc.size());
  for (std::size_t i = 0; i < doc.size(); ++i) EXPECT_EQ(lines[i].text, doc[i]);
  EXPECT_EQ(lines[0].ending, Ending::CrLf);
  EXPECT_EQ(lines[1].ending, Ending::Lf);
  EXPECT_EQ(lines[2].ending, Ending::Cr);
  EXPECT_EQ(lines[4].ending, Ending::Cr);  // the empty line
  EXPECT_EQ(lines[5].ending, Ending::None);
  EXPECT_TRUE(changes::SplitLines("").empty());
}

TEST(FileDiff, UnchangedAndNewFilesAndTheSummary) {
  const std::string bytes = Numbered(1, 20);
  const auto same = DiffFile("quib.inp", bytes, bytes);
  EXPECT_TRUE(same.unchanged);
  EXPECT_TRUE(same.hunks.empty() && same.endings.empty());
  EXPECT_EQ(changes::Summary({same}), "The file stays as it is.");
  EXPECT_EQ(changes::Summary({same, same}), "All 2 files stay as they are.");

  const auto added = DiffFile("quib.cfg", std::nullopt, "a=1\r\nb=2\r\n");
  EXPECT_FALSE(added.onDisk || added.unchanged);
  ASSERT_EQ(added.hunks.size(), 1u);
  EXPECT_EQ(changes::HunkHeader(added.hunks[0]), "@@ -0,0 +1,2 @@");
  EXPECT_TRUE(DiffFile("quib.cfg", "", "").unchanged);  // empty, not missing

  const auto shorter = DiffFile("quib.thm", "y\r\nz\r\n", "y\r\n");
  EXPECT_EQ(changes::Summary({added, same, shorter}),
            "2 of 3 files change: 2 lines added, 1 removed.");
}

TEST(FileDiff, NormalisedNameLineIsOneRemovedAndOneAddedLineWithThreeLinesOfContext) {
  Document doc = ParseDocument(Numbered(1, 20));
  doc[9] = "key10 = 10";
  const std::string disk = DocumentBytes(doc);
  NormalizeLines(doc);
  const auto diff = DiffFile("quib.cfg", disk, DocumentBytes(doc));
  EXPECT_FALSE(diff.unchanged);
  EXPECT_EQ(diff.added, 1);
  EXPECT_EQ(diff.removed, 1);
  EXPECT_TRUE(diff.endings.empty());
  ASSERT_EQ(diff.hunks.size(), 1u);
  const auto& hunk = diff.hunks[0];
  EXPECT_EQ(changes::HunkHeader(hunk), "@@ -7,7 +7,7 @@");
  std::vector<std::string> shown;
  for (const auto& line : hunk.lines) shown.push_back(Show(line));
  EXPECT_EQ(shown, (std::vector<std::string>{
                       " 7/7 key7=7", " 8/8 key8=8", " 9/9 key9=9", "-10/0 key10 = 10",
                       "+0/10 key10=10", " 11/11 key11=11", " 12/12 key12=12", " 13/13 key13=13"}));
}

TEST(FileDiff, AppendedKeyAtTheEndHasContextOnlyBefore) {
  Document doc = ParseDocument(Numbered(1, 5));
  const std::string disk = DocumentBytes(doc);
  doc.push_back("joy_driver=none");  // a key the file lacked, appended as a write does
  const auto diff = DiffFile("quib.inp", disk, DocumentBytes(doc));
  ASSERT_EQ(diff.hunks.size(), 1u);
  EXPECT_EQ(changes::HunkHeader(diff.hunks[0]), "@@ -3,3 +3,4 @@");
  EXPECT_EQ(Show(diff.hunks[0].lines.back()), "+0/6 joy_driver=none");
  EXPECT_EQ(diff.added, 1);
  EXPECT_EQ(diff.removed, 0);
}

TEST(FileDiff, ChangesCloseTogetherShareAHunkAndDistantOnesDoNot) {
  Document doc = ParseDocument(Numbered(1, 40));
  const std::string disk = DocumentBytes(doc);
  doc[4] = "changed5";    // six shared lines to the next change: one hunk
  doc[11] = "changed12";  // far from the next
  doc[30] = "changed31";
  const auto diff = DiffFile("quib.blt", disk, DocumentBytes(doc));
  ASSERT_EQ(diff.hunks.size(), 2u);
  EXPECT_EQ(changes::HunkHeader(diff.hunks[0]), "@@ -2,14 +2,14 @@");
  EXPECT_EQ(changes::HunkHeader(diff.hunks[1]), "@@ -28,7 +28,7 @@");
  // Seven shared lines apart: two hunks, each with its full context.
  doc = ParseDocument(disk);
  doc[4] = "changed5";
  doc[12] = "changed13";
  const auto apart = DiffFile("quib.blt", disk, DocumentBytes(doc));
  ASSERT_EQ(apart.hunks.size(), 2u);
  EXPECT_EQ(changes::HunkHeader(apart.hunks[0]), "@@ -2,7 +2,7 @@");
  EXPECT_EQ(changes::HunkHeader(apart.hunks[1]), "@@ -10,7 +10,7 @@");
}

TEST(FileDiff, LineEndsAloneAreSummarisedOncePerKind) {
  std::string disk = Numbered(1, 12, "\n") + Numbered(13, 14, "\r") + "last=1";
  const std::string written = DocumentBytes(ParseDocument(disk));
  const auto diff = DiffFile("quib.thm", disk, written);
  EXPECT_FALSE(diff.unchanged);
  EXPECT_TRUE(diff.hunks.empty());
  EXPECT_EQ(diff.added + diff.removed, 0);
  std::vector<std::string> described;
  for (const auto& change : diff.endings) described.push_back(changes::DescribeEndings(change));
  EXPECT_EQ(described, (std::vector<std::string>{"LF line ends become CR LF: 12 lines",
                                                 "CR line ends become CR LF: 2 lines",
                                                 "Missing line ends become CR LF: 1 line"}));
  EXPECT_EQ(changes::Summary({diff}), "1 of 1 file changes: 0 lines added, 0 removed.");

  // A changed line's end is not counted again among the line ends.
  const auto both = DiffFile("quib.cfg", "a=1\nb = 2\nc=3\n", "a=1\r\nb=2\r\nc=3\r\n");
  ASSERT_EQ(both.endings.size(), 1u);
  EXPECT_EQ(both.endings[0].lines, 2);
}

TEST(FileDiff, DiffOfAShuffledFileRebuildsTheNewLines) {
  // Every hunk together with the shared lines between hunks gives the new file.
  Document oldDoc = ParseDocument(Numbered(1, 60));
  Document newDoc = oldDoc;
  newDoc.erase(newDoc.begin() + 3, newDoc.begin() + 6);
  newDoc.insert(newDoc.begin() + 20, {"x", "y"});
  newDoc[40] = "z";
  newDoc.push_back("tail");
  newDoc.insert(newDoc.begin(), "head");
  const auto diff = DiffFile("quib.blt", DocumentBytes(oldDoc), DocumentBytes(newDoc));
  Document rebuilt;
  int nextOld = 1;
  for (const auto& hunk : diff.hunks) {
    const int firstOld = hunk.oldCount > 0 ? hunk.oldStart : hunk.oldStart + 1;
    for (; nextOld < firstOld; ++nextOld) rebuilt.push_back(oldDoc[nextOld - 1]);
    for (const auto& line : hunk.lines) {
      if (line.kind != LineKind::Removed) {
        EXPECT_EQ(line.newNumber, static_cast<int>(rebuilt.size()) + 1);
        rebuilt.push_back(line.text);
      }
      if (line.kind != LineKind::Added) {
        EXPECT_EQ(line.oldNumber, nextOld);
        EXPECT_EQ(line.text, oldDoc[nextOld - 1]);
        ++nextOld;
      }
    }
  }
  for (; nextOld <= static_cast<int>(oldDoc.size()); ++nextOld)
    rebuilt.push_back(oldDoc[nextOld - 1]);
  EXPECT_EQ(rebuilt, newDoc);
  EXPECT_EQ(diff.added, 5);
  EXPECT_EQ(diff.removed, 4);
}

TEST(FileDiff, FileOverTheLimitShowsEveryChangeInTheWindowAndCountsTheRest) {
  // Limits of 50 lines and a window of 100 stand for the real ones: with the
  // shared start and end set aside, 200 lines differ in the middle.
  Document oldDoc = ParseDocument(Numbered(1, 300));
  Document newDoc = oldDoc;
  for (int i = 10; i < 210; i += 20) newDoc[i] = "edited" + std::to_string(i);
  const std::string disk = DocumentBytes(oldDoc), written = DocumentBytes(newDoc);
  const auto diff = DiffFile("quib.thm", disk, written, /*compareLimit=*/50, 20000, 100);
  EXPECT_TRUE(diff.partial);
  EXPECT_EQ(diff.oldLines, 300);
  EXPECT_EQ(diff.oldCompared, 110);  // lines 1 to 10 are shared, then the window
  ASSERT_EQ(diff.hunks.size(), 5u);  // lines 11, 31, 51, 71 and 91
  EXPECT_EQ(changes::HunkHeader(diff.hunks[0]), "@@ -8,7 +8,7 @@");
  EXPECT_EQ(diff.added, 5);
  EXPECT_EQ(diff.moreAdded, 5);  // 111, 131, ... 191
  EXPECT_EQ(changes::Summary({diff}),
            "1 of 1 file changes: at least 10 lines change; the first 5 are shown.");
  // So is a file with more lines that cannot be matched than the other limit:
  // here ten lines change each way.
  EXPECT_FALSE(DiffFile("quib.thm", disk, written, 1000, 20).partial);
  EXPECT_TRUE(DiffFile("quib.thm", disk, written, 1000, 19).partial);
  // The same change under the limits is compared in full.
  const auto full = DiffFile("quib.thm", disk, written);
  EXPECT_FALSE(full.partial);
  EXPECT_EQ(full.hunks.size(), 10u);
}

TEST(FileDiff, NormalisedPaddingOverTheLimitsIsShownAndCountedInFull) {
  // quib.cfg with padding lines that Apply normalises, every one of them: over
  // the limit of unmatched lines, and over the limit of lines compared.
  const std::string sample =
      ReadFileBytes(std::string(test_support::SourceDir()) + "/samples/emulator/quib.cfg");
  for (const int padding : {15000, 1000000}) {
    SCOPED_TRACE(padding);
    std::string disk = sample;
    for (int i = 0; i < padding; ++i)
      disk += "pad_" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
    Document doc = ParseDocument(disk);
    NormalizeLines(doc);  // "fb_width = 360" on line 27 too
    const auto diff = DiffFile("quib.cfg", disk, DocumentBytes(doc));
    EXPECT_TRUE(diff.partial);
    // The window runs from line 27 to 2026: the padding shown starts at 120.
    ASSERT_EQ(diff.hunks.size(), 2u);
    EXPECT_EQ(changes::HunkHeader(diff.hunks[1]), "@@ -117,1910 +117,1910 @@");
    EXPECT_EQ(diff.added, 1908);
    EXPECT_EQ(diff.moreRemoved, padding - 1907);
    EXPECT_EQ(changes::ChangedLines(diff), padding + 1);
    EXPECT_EQ(changes::Summary({diff}), "1 of 1 file changes: at least " +
                                            std::to_string(padding + 1) +
                                            " lines change; the first 1908 are shown.");
    if (padding == 15000) {
      EXPECT_EQ(diffchecks::DiffFault(disk, DocumentBytes(doc), diff), "");
    }
  }
}

TEST(FileDiff, RandomLargePairsAroundEveryLimitHoldToTheChecks) {
  // Files of up to 400 lines against limits and windows of 1 to 120 lines, so
  // that every pair falls on either side of each; the edits are those Apply
  // makes (lines rewritten in place, appended, dropped) and moves.
  std::mt19937 random(22);
  auto pick = [&](int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random);
  };
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    Document oldDoc;
    const int lines = pick(0, 400);
    for (int i = 0; i < lines; ++i)
      oldDoc.push_back(pick(0, 9) == 0 ? "" : "k" + std::to_string(i) + " = 1");
    Document newDoc = oldDoc;
    const bool inPlace = pick(0, 1) == 0;  // only lines rewritten where they stand
    for (int edits = pick(1, 120); edits > 0 && !newDoc.empty(); --edits) {
      const auto at = newDoc.begin() + pick(0, static_cast<int>(newDoc.size()) - 1);
      const int kind = inPlace ? 0 : pick(0, 3);
      if (kind == 0) *at = "n" + std::to_string(pick(0, 1000)) + "=1";
      if (kind == 1) newDoc.insert(at, "added=1");
      if (kind == 2) newDoc.erase(at);
      if (kind == 3) newDoc.push_back(*at);  // a line moved, in effect
    }
    const std::string disk = DocumentBytes(oldDoc);
    const std::string written =
        pick(0, 1) == 0 ? DocumentBytes(newDoc) : DocumentBytes(newDoc) + "x";
    const auto compareLimit = static_cast<std::size_t>(pick(1, 400));
    const auto changeLimit = static_cast<std::size_t>(pick(1, 400));
    const auto window = static_cast<std::size_t>(pick(1, 120));
    const auto diff = DiffFile("quib.cfg", disk, written, compareLimit, changeLimit, window);
    EXPECT_EQ(diffchecks::DiffFault(disk, written, diff), "");
    if (inPlace) {
      // Nothing moved: the lines counted are exactly those that change.
      const auto oldLines = changes::SplitLines(disk), newLines = changes::SplitLines(written);
      const int common = diffchecks::CommonLines(oldLines, diff.oldLines, newLines, diff.newLines);
      EXPECT_EQ(changes::ChangedLines(diff), std::max(diff.oldLines, diff.newLines) - common);
    }
  }
}

TEST(FileDiff, LongFileWithAFewChangesIsComparedInFull) {
  // The shared start and end are set aside before the limit applies.
  const std::string disk = Numbered(1, 1000, "\n");
  Document newDoc = ParseDocument(disk);
  newDoc[500] = "x";
  const auto diff = DiffFile("quib.thm", disk, DocumentBytes(newDoc), 50);
  EXPECT_FALSE(diff.partial);
  ASSERT_EQ(diff.hunks.size(), 1u);
  ASSERT_EQ(diff.endings.size(), 1u);
  EXPECT_EQ(diff.endings[0].lines, 999);
}

}  // namespace
