// The key index answers every lookup as reading the document from the top
// does, and stays right through the store's own writes; loading splits lines
// the same wherever the file's reading is cut.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "store/Cp1252.h"
#include "store/ZIniReader.h"

namespace {

class KeyIndexTest : public ::testing::Test {
 protected:
  StoreWrites writes_;
};

// Every key the document names (and a few it does not), found with and
// without an index.
void ExpectSameAnswers(const Document& doc, const std::vector<std::string>& extra = {}) {
  std::vector<std::string> keys = extra;
  for (const std::string& line : doc) keys.push_back(line.substr(0, line.find('=')));
  const Document copy = doc;  // no index covers the copy
  std::vector<int> plain;
  for (const std::string& key : keys) plain.push_back(FindKey(copy, key));
  const KeyIndex index(doc);
  for (std::size_t i = 0; i < keys.size(); ++i)
    EXPECT_EQ(FindKey(doc, keys[i]), plain[i]) << "key \"" << keys[i] << "\"";
}

TEST_F(KeyIndexTest, FindsWhatTheScanFinds) {
  const Document doc = {"; comment=1", "[Section]",          "Name=first", "name=second",
                        " name=blank", "\xC9t\xE9=accented", "\x8A=caron", "A=B=C",
                        "=empty name", "tail=x ; c",         "NAME=third", "plain line"};
  ExpectSameAnswers(doc, {"NAME", "\xE9T\xC9", "\x9A", "; COMMENT", "a", "A=B", "", "missing",
                          "Name ", "[section]"});
  const KeyIndex index(doc);
  EXPECT_EQ(FindKey(doc, "NAME"), 2);       // the first line of the name wins
  EXPECT_EQ(FindKey(doc, "\xE9T\xC9"), 5);  // Windows-1252 letters without case
  EXPECT_EQ(FindKey(doc, "\x9A"), 6);       // š finds Š
  EXPECT_EQ(FindKey(doc, "; comment"), 0);  // the scan's own view of a comment line
  EXPECT_EQ(FindKey(doc, "comment"), -1);   // a commented key is not there
  EXPECT_EQ(FindKey(doc, "A=B"), -1);       // a name never holds "="
  EXPECT_EQ(FindKey(doc, ""), 8);
  EXPECT_EQ(ReadValue(doc, "tail"), "x");
}

TEST_F(KeyIndexTest, WritesKeepTheIndexCurrent) {
  Document doc = {"a=1", "b=2 ; note", "A=3", "c=", "b=4"};
  const KeyIndex index(doc);
  EXPECT_EQ(ReadValue(doc, "A"), "1");
  WriteValue(doc, "A", "5");  // replaced in place, spelled as written
  EXPECT_EQ(doc[0], "A=5");
  EXPECT_EQ(FindKey(doc, "a"), 0);
  WriteValue(doc, "a", "");  // removed: the later "A=3" comes first now
  EXPECT_EQ(ReadValue(doc, "a"), "3");
  DeleteKey(doc, "B");  // "b=2 ; note" goes, "b=4" is found
  EXPECT_EQ(ReadValue(doc, "b"), "4");
  WriteValue(doc, "new", "x");  // appended
  WriteValue(doc, "NEW", "y");  // found again, not appended twice
  EXPECT_EQ(doc.back(), "NEW=y");
  WriteValue(doc, "odd=key", "z");  // its line is named "odd"
  EXPECT_EQ(FindKey(doc, "odd"), static_cast<int>(doc.size()) - 1);
  ExpectSameAnswers(doc, {"odd=key", "new"});
}

TEST_F(KeyIndexTest, ManyAppendsAndRemovalsAgreeWithTheScan) {
  std::mt19937 random(7);
  Document doc;
  Document twin;  // the same writes without an index
  const KeyIndex index(doc);
  for (int step = 0; step < 3000; ++step) {
    const std::string key = "k" + std::to_string(random() % 200) + (random() % 2 ? "X" : "x");
    const int op = static_cast<int>(random() % 4);
    const std::string value = op == 0 ? std::string() : std::to_string(step);
    for (Document* d : {&doc, &twin}) {
      if (op == 3)
        DeleteKey(*d, key);
      else
        WriteValue(*d, key, value);
    }
    ASSERT_EQ(doc, twin) << "step " << step;
    ASSERT_EQ(ReadValue(doc, key), ReadValue(twin, key));
  }
  ExpectSameAnswers(doc);
}

TEST_F(KeyIndexTest, FollowsANewLoadAndLinesAddedAtTheEndAndEndsWithItsLastHolder) {
  Document doc = {"a=1"};
  {
    const KeyIndex outer(doc);
    {
      const KeyIndex inner(doc);
      EXPECT_EQ(ReadValue(doc, "a"), "1");
    }
    doc = {"x=0", "a=2"};  // a new load
    EXPECT_EQ(ReadValue(doc, "a"), "2");
    doc.reserve(100);
    EXPECT_EQ(ReadValue(doc, "a"), "2");
    // Lines added at the end by others (as a fill adds a missing key).
    doc.push_back("b=5");
    doc.push_back("A=6");
    EXPECT_EQ(ReadValue(doc, "b"), "5");
    EXPECT_EQ(ReadValue(doc, "a"), "2");
    for (int i = 0; i < 300; ++i) doc.push_back("k" + std::to_string(i) + "=" + std::to_string(i));
    EXPECT_EQ(ReadValue(doc, "K299"), "299");
    EXPECT_EQ(FindKey(doc, "b"), 2);
  }
  doc[0] = "b=4";  // no index any more: the scan sees the change
  EXPECT_EQ(ReadValue(doc, "b"), "4");
  const KeyIndex none(nullptr);
  EXPECT_EQ(ReadValue(doc, "a"), "2");
}

TEST(HashNoCase, EqualTextsWithoutCaseShareTheirHash) {
  EXPECT_EQ(cp1252::HashNoCase("Window_Title_Bar_Colour"),
            cp1252::HashNoCase("WINDOW_title_bar_colour"));
  EXPECT_EQ(cp1252::HashNoCase("\xE0\xFF\x9C"), cp1252::HashNoCase("\xC0\x9F\x8C"));
  EXPECT_NE(cp1252::HashNoCase("abc"), cp1252::HashNoCase("abd"));
  EXPECT_NE(cp1252::HashNoCase(""), cp1252::HashNoCase(std::string_view("\0", 1)));
}

// Files whose line breaks fall on every side of the loader's reading steps.
TEST(LoadDocumentPieces, BreaksAcrossReadingStepsSplitAsInOnePiece) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("quib-keyindex-" + std::to_string(::getpid()) + ".txt");
  for (const std::size_t at : {65534u, 65535u, 65536u, 131071u, 131072u}) {
    for (const std::string breakText : {"\r\n", "\r", "\n", "\r\r\n", "\n\r"}) {
      std::string bytes(at, 'a');
      bytes[100] = '\r';
      bytes += breakText + "b=2\r";
      bytes += std::string(70000, 'c');  // a line longer than a reading step
      bytes += "\r\nlast";
      std::ofstream(path, std::ios::binary) << bytes;
      Document doc;
      LoadDocument(doc, path);
      EXPECT_EQ(doc, ParseDocument(bytes)) << at << " " << breakText.size();
    }
  }
  std::ofstream(path, std::ios::binary) << std::string(65535, 'x') + "\r";
  Document doc;
  LoadDocument(doc, path);
  EXPECT_EQ(doc, Document{std::string(65535, 'x')});
  std::filesystem::remove(path);
}

// What loading notes on the way (the content hash, a mark, the names for an
// index) is what reading the loaded lines afterwards tells, wherever the
// file's reading is cut; loading into the strings of an earlier load, with
// more or fewer lines, longer or shorter, gives the same lines.
TEST_F(KeyIndexTest, NotesTakenWhileLoadingAgreeWithTheLoadedLines) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("quib-loadnotes-" + std::to_string(::getpid()) + ".txt");
  std::mt19937 random(11);
  Document spare = {"", std::string(300, 'x'), " a = b ", "a=1"};
  const std::string pieces[] = {"a",  "A",  "\xE9", "\xC9", "=",  ";",  " ", "\t",
                                "\r", "\n", "\r\n", "MARK", "MA", "RK", "k"};
  for (int round = 0; round < 24; ++round) {
    std::string bytes;
    // Most rounds run over several reading steps.
    const std::size_t size = round % 4 == 0 ? 200 : kReadPieceBytes * 2 + random() % 5000;
    while (bytes.size() < size) bytes += pieces[random() % std::size(pieces)];
    if (round % 3 == 0) {
      // A mark cut by a reading step, in a line that has blanks to trim.
      const std::size_t at = std::min(bytes.size(), kReadPieceBytes - 2 + round % 4);
      bytes.insert(at, "MARK");
      bytes.insert(std::min(bytes.size(), at + 4), "  = x  ");
    }
    std::ofstream(path, std::ios::binary) << bytes;
    for (const LineForm form : {LineForm::AsRead, LineForm::Normalized}) {
      Document doc;
      FileStamp stamp;
      LineNotes notes;
      notes.mark = "MARK";
      notes.noteNames = true;
      if (form == LineForm::Normalized) {
        doc = std::move(spare);
        LoadDocumentReusing(doc, path, &stamp, form, &notes);
      } else {
        LoadDocument(doc, path, &stamp, form, &notes);
      }
      Document plain = ParseDocument(bytes);
      if (form == LineForm::Normalized) NormalizeLines(plain);
      ASSERT_EQ(doc, plain);
      EXPECT_EQ(stamp.size, bytes.size());
      EXPECT_EQ(stamp.hash, ContentHash(bytes));
      EXPECT_EQ(notes.marked, std::any_of(doc.begin(), doc.end(), [](const std::string& line) {
                  return line.find("MARK") != std::string::npos;
                }));
      ASSERT_EQ(notes.names.hashes.size(), doc.size());
      std::vector<std::string> keys = {"", "a", "A", "\xE9", "MARK", "k k", "missing"};
      for (std::size_t i = 0; i < doc.size(); i += 1 + doc.size() / 300)
        keys.push_back(doc[i].substr(0, doc[i].find('=')));
      std::vector<int> scanned;
      for (const std::string& key : keys) scanned.push_back(FindKey(doc, key));
      {
        const KeyIndex index(&doc, std::move(notes.names));
        for (std::size_t i = 0; i < keys.size(); ++i)
          ASSERT_EQ(FindKey(doc, keys[i]), scanned[i]) << round << " \"" << keys[i] << "\"";
      }
      if (form == LineForm::Normalized) spare = std::move(doc);
    }
  }
  std::filesystem::remove(path);
}

TEST_F(KeyIndexTest, NamesOfOtherLinesAreNotUsed) {
  Document doc = {"a=1", "b=2"};
  LineNames stale;
  stale.hashes = {0, 0, 0};  // three lines, none named
  const KeyIndex index(&doc, std::move(stale));
  EXPECT_EQ(ReadValue(doc, "b"), "2");
  LineNames none;
  const KeyIndex nested(&doc, std::move(none));  // nests in the first: the names are not used
  EXPECT_EQ(FindKey(doc, "A"), 0);
}

}  // namespace
