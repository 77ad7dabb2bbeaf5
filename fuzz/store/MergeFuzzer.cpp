// Keeping both: a document of random lines (settings, blitter and theme
// blocks, commented ones, odd letter cases), edited in rounds. In each round
// the window edits its copy through the store's routines of one kind of file
// (settings, blitters or themes), with a journal, and the file on disk gets
// random line edits; then the merge must hold what needs no model of the
// right answer:
//   - while the disk still holds what was loaded, merging onto it gives the
//     window's document;
//   - a conflict shows each side's lines of its parts;
//   - every line of the result is one of the window's or the disk's;
//   - merging the result again, keeping the disk's side of any conflict,
//     changes nothing.
// A round ends with an Apply (the result becomes what was loaded), with the
// result taken in unasked as the file changed under the window (settled:
// merging onto that file again must give the window's document), or with
// nothing. The last three checks leave out what the merge cannot tell
// apart: two lines of one name or two equal headers (a part is the first),
// parts the window left with their loaded lines, and uncommenting, which is
// made again on whatever lines there are.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "blitters/BlitterBlocks.h"
#include "store/LineNames.h"
#include "store/Merge.h"
#include "themes/QuibTheme.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return size_ == 0; }
  std::uint8_t Byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : Byte() % n; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// Names the invariant that broke.
void Check(bool ok, unsigned line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "MergeFuzzer.cpp:%u: check failed\n", line);
  std::abort();
}

// A line: mostly the shapes the files hold, in a few letter cases.
std::string Line(Input& in) {
  static const char* const kPieces[] = {"",         "[",     "]",     ";",       "::DOS",
                                        "::WIN",    "res",   "=",     " = ",     "320",
                                        "driver",   "vsync", "flip",  "authors", "background_color",
                                        "#FFFFFF",  "A",     "a",     "B",       " ",
                                        "\xC9",     "\xE9",  "k",     "K",       ";[",
                                        "[A::WIN]", "[B]",   "res=1", "; note",  "blitter"};
  std::string line;
  for (std::size_t n = in.Below(5); n > 0; --n)
    line += kPieces[in.Below(sizeof kPieces / sizeof *kPieces)];
  return line;
}

// A name for a routine: mostly one the document shows (a header's name or a
// setting's), sometimes a piece of a line.
std::string Name(Input& in, const Document& doc) {
  if (!doc.empty() && in.Byte() < 200) {
    std::string line = doc[in.Below(doc.size())];
    if (!line.empty() && line[0] == '[') {
      line = line.substr(1, line.size() > 1 ? line.size() - 2 : 0);
      const std::size_t suffix = line.find("::");
      return suffix == std::string::npos ? line : line.substr(0, suffix);
    }
    return line.substr(0, line.find('='));
  }
  return Line(in);
}

// The routines the window edits each kind of file with: a settings file, the
// blitter file, the theme file.
constexpr std::uint8_t kOps[3][10] = {
    {0, 1, 2}, {3, 4, 5, 6, 7, 8, 9, 14, 16}, {10, 11, 12, 13, 15}};
constexpr std::uint8_t kOpCount[3] = {3, 9, 5};

// One edit of the window with a routine of the file's kind; true when it
// reaches the whole document.
bool WindowEdit(Input& in, Document& doc, std::size_t kind) {
  const std::uint8_t op = kOps[kind][in.Below(kOpCount[kind])];
  const int build = static_cast<int>(in.Below(3));
  std::string name = Name(in, doc);
  if (kind == 0) std::erase(name, '=');  // the program's keys hold none
  Document block = LoadBlitterBlock(doc, name, build);
  BlitterFlagStates boxes = BlitterFlagStatesOf(block);
  TQuibTheme theme = ReadNamedTheme(doc, name);
  theme.BackgroundColor = in.Byte();
  switch (op) {
    case 0:
      WriteValue(doc, name, Line(in));
      break;
    case 1:
      WriteInteger(doc, name, in.Byte() - 128);
      break;
    case 2:
      DeleteKey(doc, name);
      break;
    case 3: {
      const char* const key = in.Byte() % 2 ? "res" : "driver";
      SetBlitterValue(doc, block, name, build, key, Line(in));
      break;
    }
    case 4:
      TickBlitterFlag(doc, block, name, build, static_cast<BlitterFlag>(in.Below(4)), boxes);
      break;
    case 5:
      ClearBlitterFlag(doc, block, name, build, static_cast<BlitterFlag>(in.Below(4)), boxes);
      break;
    case 6:
      block.push_back(Line(in));
      StoreBlitterBlock(doc, name, build, block);
      break;
    case 7:
      AddBlitter(doc, Line(in), build);
      break;
    case 8:
      RenameBlitter(doc, name, in.Byte() % 2 ? Name(in, doc) : Line(in), build);
      break;
    case 9:
      DeleteBlitter(doc, name, build, 0);
      break;
    case 10:
      SaveThemeBlock(doc, name, theme);
      break;
    case 11:
      AppendTheme(doc, Line(in), theme);
      break;
    case 12:
      RenameThemeHeader(doc, name, Line(in));
      break;
    case 13:
      DeleteThemeBlock(doc, name);
      break;
    case 14:
      UncommentBlitters(doc, name, build);
      return true;
    case 15:
      UncommentThemeLines(doc);
      return true;
    default:
      const std::string text = Line(in);
      ChangeBlitterRes(doc, block, name, build, text, static_cast<int>(in.Below(10)) - 1);
  }
  return false;
}

// One edit of the file on disk, as read back: any line added, removed or changed.
void DiskEdit(Input& in, Document& doc) {
  const std::uint8_t op = in.Byte();
  const std::size_t at = in.Below(doc.size() + 1);
  if (op % 3 == 0 || doc.empty()) {
    doc.insert(doc.begin() + static_cast<std::ptrdiff_t>(at), Line(in));
  } else if (at == doc.size() || op % 3 == 1) {
    doc.erase(doc.begin() + static_cast<std::ptrdiff_t>(in.Below(doc.size())));
    return;
  } else {
    doc[at] = Line(in);
  }
  NormalizeNameLine(doc[at]);
}

// Whether two lines share a name, or two headers are the same: a part is
// the first of them, so the merge may take the other for it.
bool HasTwins(const Document& doc) {
  for (std::size_t i = 0; i < doc.size(); ++i)
    for (std::size_t j = 0; j < i; ++j) {
      const std::string_view a = doc[i], b = doc[j];
      if (a.starts_with('[') ? SameName(a, b)
                             : a.find('=') != a.npos && b.find('=') != b.npos &&
                                   SameName(a.substr(0, a.find('=')), b.substr(0, b.find('='))))
        return true;
    }
  return false;
}

LineNames NamesOf(const Document& doc) {
  LineNames names;
  for (const std::string& line : doc) {
    const std::size_t eq = line.find('=');
    names.hashes.push_back(eq == std::string::npos ? 0 : NameHash(line.substr(0, eq)));
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const StoreWrites writes;
  Input in(data, size);
  const std::size_t kind = in.Below(3);
  Document disk;  // the file as the window last read or wrote it
  for (std::size_t n = in.Below(24); n > 0; --n) disk.push_back(Line(in));
  NormalizeLines(disk);
  Document mine = disk;
  merge::Journal journal(mine);
  bool whole = false;
  bool loaded = true;  // the journal counts disk as loaded

  for (int round = 0; round < 3 && !in.empty(); ++round) {
    for (std::size_t n = in.Below(10); n > 0; --n) whole = WindowEdit(in, mine, kind) || whole;
    Document theirs = disk;
    for (std::size_t n = in.Below(8); n > 0; --n) DiskEdit(in, theirs);

    if (loaded) Check(merge::Merge(journal, disk).Result() == mine);

    const merge::Merge m(journal, theirs, in.Byte() % 2 ? NamesOf(theirs) : LineNames{});
    std::vector<merge::Keep> keep;
    for (const merge::Conflict& conflict : m.conflicts()) {
      const std::size_t parts = conflict.parts.size();
      Check(parts > 0 && conflict.loaded.size() == parts && conflict.mine.size() == parts &&
            conflict.theirs.size() == parts);
      for (std::size_t p = 0; p < parts; ++p) {
        Check(conflict.mine[p] == merge::LinesOf(mine, conflict.parts[p]));
        Check(conflict.theirs[p] == merge::LinesOf(theirs, conflict.parts[p]));
      }
      if (in.Byte() % 2) keep.push_back(in.Byte() % 2 ? merge::Keep::Mine : merge::Keep::Theirs);
    }
    const Document result = m.Result(keep);
    const bool twins = HasTwins(disk) || HasTwins(mine) || HasTwins(theirs);
    if (!whole && !twins) {
      std::set<std::string> known(mine.begin(), mine.end());
      known.insert(theirs.begin(), theirs.end());
      for (const std::string& line : result) Check(known.count(line) == 1);
    }
    // A part the window left with its loaded lines (deleted and written
    // again, say) is made again at every merge, which may move it; so are
    // the whole document's edits, which reach lines the window added since.
    const bool moves = whole || journal.Edited().size() < journal.parts().size();
    if (!moves && !twins) {
      const merge::Merge again(journal, result);
      Check(again.Result(std::vector<merge::Keep>(again.conflicts().size(), merge::Keep::Theirs)) ==
            result);
    }

    switch (in.Byte() % 3) {
      case 0:  // Apply: the result is written and counts as loaded
        mine = disk = result;
        journal.Clear();
        Check(journal.empty());
        whole = false;
        loaded = true;
        break;
      case 1:  // the file changed under the window, which takes it in unasked
        mine = m.Result();
        m.Settle(journal);
        disk = theirs;
        if (!moves && !twins) Check(merge::Merge(journal, disk).Result() == mine);
        loaded = false;
        break;
      default:  // the window goes on editing
        break;
    }
  }
  return 0;
}
