// Keeping both, held to what store/Merge.h promises: random documents (a
// settings file, a blitter file, a theme file), random edits of the window
// made through the store's routines on a document with a journal, random line
// edits of the same file on disk, and the merge's promises checked over a few
// hundred seeds each (a failure names its seed and shows the three documents).
// A table of hand-written cases covers what the generator seldom meets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "blitters/BlitterBlocks.h"
#include "store/LineNames.h"
#include "store/Merge.h"
#include "store/ZIniReader.h"
#include "themes/QuibTheme.h"

namespace {

using merge::Keep;
using merge::Lines;
using merge::Part;

constexpr std::uint32_t kCases = 300;
enum class Kind { Settings, Blitters, Themes };
using Group = std::vector<const merge::Journal::Noted*>;

const char* const kKeys[] = {"fb_width", "fb_height", "sound",    "gui_vsync",
                             "language", "volume",    "joy_type", "frame_skip"};
const char* const kValues[] = {"0", "1", "320", "auto", "yes", "320 ; width"};
const char* const kNames[] = {"Normal", "Scan", "Tv", "Eagle", "Wide", "Sharp"};
const char* const kColours[] = {"#000000", "#FFFFFF", "#3A6EA5", "#112233"};
const char* const kColourKeys[] = {"background_color", "window_border_color", "menu_text_color"};
const char* const kBody[] = {"res=640x480", "res=320x200", "driver=auto", "blitter=normal",
                             "vsync",       "stretch",     "; fast",      "refresh_rate=60"};

struct Rng {
  std::mt19937 g;
  std::size_t operator()(std::size_t n) { return n == 0 ? 0 : g() % n; }
  bool Chance(unsigned percent) { return g() % 100 < percent; }
  template <std::size_t N>
  std::string Pick(const char* const (&from)[N]) {
    return from[(*this)(N)];
  }
  // The name as the program might spell it: now and then in another case.
  std::string Vary(std::string s) {
    if (Chance(25))
      for (char& c : s)
        if (Chance(50))
          c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c)
                                                                            : std::toupper(c));
    return s;
  }
};

bool IsHeader(const std::string& line) { return !line.empty() && line[0] == '['; }
int Build(const std::string& header) { return header.find("::DOS") != std::string::npos ? 0 : 1; }

// What the loader notes of a document's names, for the merge's own index.
LineNames NamesOf(const Document& doc) {
  LineNames names;
  for (const std::string& line : doc) {
    const std::size_t eq = line.find('=');
    names.hashes.push_back(eq == std::string::npos ? 0 : NameHash(line.substr(0, eq)));
  }
  return names;
}

// The document without the lines of these parts.
Document Without(Document doc, const std::vector<Part>& parts) {
  for (const Part& part : parts) merge::SetLines(doc, part, std::nullopt);
  return doc;
}

std::string Text(const Document& doc) {
  std::string text;
  for (const std::string& line : doc) text += "\n    |" + line;
  return text;
}

// One random case: a document as loaded, the window's copy edited through the
// store with a journal, and the file as someone else left it.
struct Case {
  explicit Case(std::uint32_t s) : seed(s), kind(static_cast<Kind>(s % 3)), r{std::mt19937(s)} {
    MakeBase();
    mine = base;
    journal.emplace(mine);
    for (std::size_t n = r(6); n > 0; --n) WindowEdit();
    theirs = base;
    for (std::size_t n = r(7); n > 0; --n) DiskEdit();
    if (r.Chance(50)) names = NamesOf(theirs);
  }
  Case(const Case&) = delete;

  std::string Body() {
    return kind == Kind::Themes ? r.Pick(kColourKeys) + "=" + r.Pick(kColours) : r.Pick(kBody);
  }
  std::string Header(const std::string& name, int build) {
    return kind == Kind::Themes ? "[" + name + "]" : BlitterHeader(name, build);
  }
  // A name no header of doc has yet.
  std::optional<std::string> Fresh(const Document& doc, int build) {
    const std::string name = r.Pick(kNames) + (r.Chance(50) ? "" : "2");
    const std::string header = Header(name, build);
    if (std::any_of(doc.begin(), doc.end(), [&](auto& l) { return SameName(l, header); }))
      return std::nullopt;
    return name;
  }

  void MakeBase() {
    base = {kind == Kind::Settings ? "; QUIB 0.72 settings" : "; blocks"};
    if (kind == Kind::Settings) {
      std::vector<std::string> keys(std::begin(kKeys), std::end(kKeys));
      std::shuffle(keys.begin(), keys.end(), r.g);
      for (const std::string& key : keys) {
        if (r.Chance(70)) base.push_back(key + "=" + r.Pick(kValues));
        if (r.Chance(30)) base.push_back(r.Pick({"; a comment", "", ";volume=3"}));
      }
      return;
    }
    for (std::size_t n = 1 + r(4); n > 0; --n) {
      const int build = static_cast<int>(r(2));
      if (const auto name = Fresh(base, build)) {
        base.push_back(Header(*name, build));
        for (std::size_t k = 1 + r(4); k > 0; --k) base.push_back(Body());
        base.emplace_back();
      }
      if (r.Chance(15))  // a block switched off, as the shipped files hold many
        base.insert(base.end(), {kind == Kind::Themes ? ";[Old]" : ";[Old::WIN]",
                                 kind == Kind::Themes ? ";authors=old" : ";res = 640x480", ""});
    }
  }

  void WindowEdit() {
    if (kind == Kind::Settings) {
      const std::string key = r.Vary(r.Pick(kKeys));
      const std::size_t op = r(4);
      if (op == 0) DeleteKey(mine, key);
      if (op == 1) WriteInteger(mine, key, static_cast<std::int32_t>(r(400)));
      if (op > 1) WriteValue(mine, key, r.Chance(10) ? "" : r.Pick(kValues));
      return;
    }
    const bool themes = kind == Kind::Themes;
    const int build = static_cast<int>(r(2));
    const std::vector<std::string> listed =
        themes ? ListThemeNames(mine) : BlitterNames(mine, build);
    const std::string name = listed.empty() ? "Normal" : r.Vary(listed[r(listed.size())]);
    const std::optional<std::string> fresh = Fresh(mine, build);
    TQuibTheme theme = ReadNamedTheme(mine, name);
    theme.BackgroundColor = StrToThemeColour(r.Pick(kColours));
    Document block = LoadBlitterBlock(mine, name, build);
    BlitterFlagStates boxes = BlitterFlagStatesOf(block);
    const std::string key = r.Pick({"res", "driver", "blitter"}), value = r.Pick(kBody);
    const std::string to = fresh && r.Chance(80) ? *fresh : r.Vary(name);
    switch (r(themes ? 4 : 5) + (r.Chance(8) ? 10 : 0)) {
      case 0:
        themes ? SaveThemeBlock(mine, name, theme)
               : SetBlitterValue(mine, block, name, build, key, value.substr(value.find('=') + 1));
        break;
      case 1:
        if (fresh)
          themes ? AppendTheme(mine, *fresh, theme) : void(AddBlitter(mine, *fresh, build));
        break;
      case 2:
        if ((themes ? FindThemeHeader(mine, to) : FindBlitterHeader(mine, to, build)) >= 0 &&
            !SameName(to, name))
          break;
        if (themes ? RenameThemeHeader(mine, name, to) : RenameBlitter(mine, name, to, build))
          renames.push_back({merge::Block(Header(name, build)), merge::Block(Header(to, build))});
        break;
      case 3:
        themes ? DeleteThemeBlock(mine, name) : DeleteBlitter(mine, name, build, 0) >= 0;
        break;
      case 4:
        TickBlitterFlag(mine, block, name, build, static_cast<BlitterFlag>(r(4)), boxes);
        break;
      default:  // uncommenting reaches the whole document
        whole = true;
        themes ? UncommentThemeLines(mine) : UncommentBlitters(mine, name, build);
    }
  }

  void DiskEdit() {
    Document& d = theirs;
    if (d.empty()) d.emplace_back();
    const std::size_t at = r(d.size() + 1), line = r(d.size());
    if (kind == Kind::Settings) {
      const std::size_t op = r(4), eq = d[line].find('=');
      const std::string key = r.Pick(kKeys);
      if (op == 0 && eq != std::string::npos && d[line][0] != ';')  // a value changed
        d[line] = d[line].substr(0, eq + 1) + r.Pick(kValues);
      if (op == 1 && FindKey(d, key) < 0) d.insert(d.begin() + at, key + "=" + r.Pick(kValues));
      if (op == 2) d.erase(d.begin() + line);
      if (op == 3) d.insert(d.begin() + at, r.Pick({"; a comment", "", ";sound=1"}));
      return;
    }
    std::vector<std::size_t> headers;
    for (std::size_t i = 0; i < d.size(); ++i)
      if (IsHeader(d[i])) headers.push_back(i);
    const std::size_t h = headers.empty() ? d.size() : headers[r(headers.size())];
    std::size_t end = h + 1;
    while (end < d.size() && !IsHeader(d[end])) ++end;
    switch (headers.empty() ? 2 : r(6)) {
      case 0:  // a line of a block changed
        if (end > h + 1) d[h + 1 + r(end - h - 1)] = Body();
        break;
      case 1:
        d.insert(d.begin() + static_cast<std::ptrdiff_t>(h + 1 + r(end - h)), Body());
        break;
      case 2:
        d.insert(d.begin() + at, r.Pick({"; a comment", ""}));
        break;
      case 3: {  // a block added before another one or at the end
        const int build = static_cast<int>(r(2));
        if (const auto name = Fresh(d, build)) {
          Document added{Header(*name, build)};
          if (kind == Kind::Blitters && r.Chance(50))
            added.insert(added.end(), {"res=320x200", "blitter=normal", "driver=auto"});
          else
            added.push_back(Body());
          added.emplace_back();
          d.insert(r.Chance(50) ? d.end() : d.begin() + static_cast<std::ptrdiff_t>(h),
                   added.begin(), added.end());
        }
        break;
      }
      case 4:
        if (const auto name = Fresh(d, Build(d[h]))) d[h] = Header(*name, Build(d[h]));
        break;
      default:
        d.erase(d.begin() + static_cast<std::ptrdiff_t>(h),
                d.begin() + static_cast<std::ptrdiff_t>(end));
    }
  }

  std::string Dump() const {
    return "seed " + std::to_string(seed) + "\n  loaded:" + Text(base) + "\n  mine:" + Text(mine) +
           "\n  theirs:" + Text(theirs);
  }

  // The parts the journal holds, by group: as it tells, and a rename's two
  // parts together.
  std::vector<Group> Groups() const {
    const auto& parts = journal->parts();
    std::vector<std::size_t> root(parts.size());
    const auto find = [&](std::size_t i) {
      while (root[i] != i) i = root[i];
      return i;
    };
    std::iota(root.begin(), root.end(), std::size_t{0});
    for (std::size_t i = 0; i < parts.size(); ++i)
      for (std::size_t j = 0; j < i; ++j)
        if (parts[j].group == parts[i].group) root[find(i)] = find(j);
    for (const auto& [from, to] : renames)
      if (NotedOf(from) && NotedOf(to))
        root[find(NotedOf(from) - parts.data())] = find(NotedOf(to) - parts.data());
    std::vector<Group> groups(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) groups[find(i)].push_back(&parts[i]);
    std::erase_if(groups, [](auto& group) { return group.empty(); });
    return groups;
  }
  std::vector<Part> NamedParts() const {
    std::vector<Part> named;
    for (const auto& noted : journal->parts()) named.push_back(noted.part);
    return named;
  }
  const merge::Journal::Noted* NotedOf(const Part& part) const {
    for (const auto& noted : journal->parts())
      if (merge::SamePart(noted.part, part)) return &noted;
    return nullptr;
  }
  bool Named(const Part& part) const { return NotedOf(part) != nullptr; }

  std::uint32_t seed;
  Kind kind;
  Rng r;
  Document base, mine, theirs;
  LineNames names;
  bool whole = false;  // the window made an edit of the whole document
  std::vector<std::pair<Part, Part>> renames;
  std::optional<merge::Journal> journal;
};

// How the contract decides a group.
enum class Decided { Redo, Theirs, Conflict };
template <typename Of>
bool All(const Group& group, Of of) {
  return std::all_of(group.begin(), group.end(), of);
}
Decided Decide(const Case& c, const Group& group) {
  if (All(group, [&](auto* n) { return LinesOf(c.theirs, n->part) == n->loaded; }))
    return Decided::Redo;
  if (All(group, [&](auto* n) { return LinesOf(c.mine, n->part) == n->loaded; }) ||
      All(group, [&](auto* n) { return LinesOf(c.theirs, n->part) == LinesOf(c.mine, n->part); }))
    return Decided::Theirs;
  return Decided::Conflict;
}

// Every part of the groups decided so holds side's lines in the result.
void ExpectGroups(const Case& c, const Document& result, Decided decided, const Document& side) {
  for (const auto& group : c.Groups()) {
    if (Decide(c, group) != decided) continue;
    for (const auto* noted : group)
      EXPECT_EQ(LinesOf(result, noted->part), LinesOf(side, noted->part)) << noted->part.name;
  }
}

// The window's answers, one per conflict, some left out (they keep mine).
std::vector<Keep> Answers(Case& c, std::size_t conflicts) {
  std::vector<Keep> keep;
  for (std::size_t i = c.r(conflicts + 2); i > 0; --i)
    keep.push_back(c.r.Chance(50) ? Keep::Mine : Keep::Theirs);
  return keep;
}
Keep AnswerOf(const std::vector<Keep>& keep, std::size_t i) {
  return i < keep.size() ? keep[i] : Keep::Mine;
}

class MergeProperty : public ::testing::Test {
 protected:
  // Runs check on every case, merging onto the disk's file or the unchanged
  // one; stops at the first that fails, showing it.
  void ForEachCase(const std::function<void(Case&, const merge::Merge&)>& check,
                   bool unchanged = false) {
    for (std::uint32_t seed = 1; seed <= kCases; ++seed) {
      Case c(seed);
      const merge::Merge m(*c.journal, unchanged ? c.base : c.theirs,
                           unchanged ? LineNames{} : c.names);
      check(c, m);
      if (HasFailure()) {
        ADD_FAILURE() << c.Dump();
        return;
      }
    }
  }
  StoreWrites writes_;
};

TEST_F(MergeProperty, NothingChangedOnDiskGivesTheWindowsDocument) {
  ForEachCase(
      [](Case& c, const merge::Merge& m) {
        EXPECT_TRUE(m.conflicts().empty());
        EXPECT_EQ(DocumentBytes(m.Result()), DocumentBytes(c.mine));
        for (const auto& noted : c.journal->parts())  // as loaded
          EXPECT_EQ(noted.loaded, c.whole ? noted.loaded : LinesOf(c.base, noted.part))
              << noted.part.name;
        for (const auto& [from, to] : c.renames)  // one group, as the journal tells
          EXPECT_TRUE(c.NotedOf(from) && c.NotedOf(to) &&
                      c.NotedOf(from)->group == c.NotedOf(to)->group)
              << from.name << " " << to.name;
      },
      true);
}

TEST_F(MergeProperty, WindowsEditsWinWhereTheDiskLeftThemAlone) {
  ForEachCase([](Case& c, const merge::Merge& m) {
    if (c.whole) return;
    ExpectGroups(c, m.Result(Answers(c, m.conflicts().size())), Decided::Redo, c.mine);
  });
}

TEST_F(MergeProperty, DisksEditsStayWhereTheWindowLeftThemAlone) {
  ForEachCase([](Case& c, const merge::Merge& m) {
    if (c.whole) return;
    const Document result = m.Result(Answers(c, m.conflicts().size()));
    ExpectGroups(c, result, Decided::Theirs, c.theirs);
    if (c.kind == Kind::Settings) {  // every other line as on disk
      EXPECT_EQ(Without(result, c.NamedParts()), Without(c.theirs, c.NamedParts()));
      return;
    }
    // The blocks the window did not edit, in the disk's order and with its
    // lines, the lines before the first block too; unless an edit of the
    // window moved lines into them (a deleted blitter leaves a commented one
    // after it to the block before), and but for such lines.
    const auto others = [&](const Document& doc) {
      Document headers;
      for (const std::string& line : doc)
        if (IsHeader(line) && !c.Named(merge::Block(line))) headers.push_back(line);
      return headers;
    };
    EXPECT_EQ(others(result), others(c.theirs));
    for (const std::string& header : others(c.theirs)) {
      const Part block = merge::Block(header);
      const auto own = [&](const Document& doc) {
        Lines lines = LinesOf(doc, block);
        if (lines)
          lines->erase(std::find_if(lines->begin() + 1, lines->end(),
                                    [](auto& line) { return line.find('[') != std::string::npos; }),
                       lines->end());
        return lines;
      };
      if (LinesOf(c.mine, block) == LinesOf(c.base, block)) {
        EXPECT_EQ(own(result), own(c.theirs)) << header;
      }
    }
    const auto preamble = [](const Document& doc) {
      return Document(doc.begin(), std::find_if(doc.begin(), doc.end(), IsHeader));
    };
    if (preamble(c.mine) == preamble(c.base)) {
      EXPECT_EQ(preamble(result), preamble(c.theirs));
    }
  });
}

TEST_F(MergeProperty, EditsOnBothSidesAreConflictsTheUserAnswers) {
  ForEachCase([](Case& c, const merge::Merge& m) {
    if (c.whole) return;
    std::vector<Group> expected;
    for (const auto& group : c.Groups())
      if (Decide(c, group) == Decided::Conflict) expected.push_back(group);
    ASSERT_EQ(m.conflicts().size(), expected.size());
    const std::vector<Keep> keep = Answers(c, expected.size());
    const Document result = m.Result(keep);
    for (std::size_t i = 0; i < m.conflicts().size(); ++i) {
      const merge::Conflict& conflict = m.conflicts()[i];
      const auto group = std::find_if(expected.begin(), expected.end(), [&](auto& g) {
        return merge::SamePart(g.front()->part, conflict.parts.front());
      });
      ASSERT_NE(group, expected.end()) << conflict.parts.front().name;
      const std::size_t parts = group->size();
      ASSERT_TRUE(conflict.parts.size() == parts && conflict.loaded.size() == parts &&
                  conflict.mine.size() == parts && conflict.theirs.size() == parts);
      for (std::size_t p = 0; p < parts; ++p) {
        const Part& part = conflict.parts[p];
        EXPECT_EQ(conflict.loaded[p], c.NotedOf(part)->loaded) << part.name;
        EXPECT_EQ(conflict.mine[p], LinesOf(c.mine, part)) << part.name;
        EXPECT_EQ(conflict.theirs[p], LinesOf(c.theirs, part)) << part.name;
        EXPECT_EQ(LinesOf(result, part),
                  AnswerOf(keep, i) == Keep::Mine ? conflict.mine[p] : conflict.theirs[p])
            << part.name;
      }
    }
  });
}

// The same answers for the same parts; a question the first merge did not
// ask keeps the first result. A part the window left with its loaded lines
// is made again each time, so it may move (a setting deleted and written
// again goes to the end): it is compared on its own.
TEST_F(MergeProperty, MergingTheResultAgainChangesNothing) {
  ForEachCase([](Case& c, const merge::Merge& once) {
    const std::vector<Keep> keep = Answers(c, once.conflicts().size());
    const Document result = once.Result(keep);
    const merge::Merge twice(*c.journal, result);
    std::vector<Keep> again;
    for (const merge::Conflict& conflict : twice.conflicts()) {
      const auto& first = once.conflicts();
      const auto same = std::find_if(first.begin(), first.end(), [&](auto& f) {
        return merge::SamePart(f.parts.front(), conflict.parts.front());
      });
      again.push_back(same == first.end() ? Keep::Theirs : AnswerOf(keep, same - first.begin()));
    }
    const Document second = twice.Result(again);
    std::vector<Part> moved;
    for (const auto& group : c.Groups())
      if (All(group, [&](auto* n) { return LinesOf(c.mine, n->part) == n->loaded; }))
        for (const auto* noted : group) moved.push_back(noted->part);
    EXPECT_EQ(DocumentBytes(Without(second, moved)), DocumentBytes(Without(result, moved)));
    for (const Part& part : moved) EXPECT_EQ(LinesOf(second, part), LinesOf(result, part));
  });
}

// The file changed under the window, which took the merge in unasked: the
// next Apply, the file unchanged since, writes what the window shows.
TEST_F(MergeProperty, TheApplyAfterASettledMergeWritesTheWindowsDocument) {
  ForEachCase([](Case& c, const merge::Merge& m) {
    if (c.whole || c.journal->Edited().size() < c.journal->parts().size()) return;
    c.mine = m.Result();
    m.Settle(*c.journal);
    EXPECT_EQ(DocumentBytes(merge::Merge(*c.journal, c.theirs).Result()), DocumentBytes(c.mine));
  });
}

// ---- Hand-written cases -----------------------------------------------------

// The lines of a text, split at "|".
Document Split(std::string_view text) {
  Document doc(1);
  for (const char c : text) {
    if (c == '|')
      doc.emplace_back();
    else
      doc.back().push_back(c);
  }
  return doc;
}

struct Tricky {
  const char* what;
  const char* loaded;
  std::function<void(Document&)> window, disk;
  std::size_t conflicts;
  const char* keptMine;        // the result when every answer keeps mine
  const char* keptTheirs;      // and theirs (nullptr: as keptMine)
  const char* once = nullptr;  // else only: a line each result holds once
};

TEST(MergeCases, TrickyOnes) {
  const StoreWrites writes;
  const char* const commented = "; b|[A::WIN]|res=1||;[B::WIN]|;res = 640x480|;driver = vga|";
  const char* const inside = "; b|[P::WIN]|res=1||[B::WIN]|res=2|;[T::WIN]|;res = 3|";
  const auto addC = [](Document& d) { d.insert(d.end(), {"[C::WIN]", "res=8", ""}); };
  const auto changeB = [](Document& d) { d[5] = "res=5"; };
  const Tricky cases[] = {
      {"a block renamed in the window while its lines changed on disk",
       "; b|[A::WIN]|res=1||[B::WIN]|res=2|", [](Document& d) { RenameBlitter(d, "a", "C", 1); },
       [](Document& d) { d[2] = "res=3"; }, 1, "; b|[C::WIN]|res=1||[B::WIN]|res=2|",
       "; b|[A::WIN]|res=3||[B::WIN]|res=2|"},
      {"a setting deleted in the window and changed on disk", "; c|a=1|k=1|b=2",
       [](Document& d) { DeleteKey(d, "K"); }, [](Document& d) { d[1] = "a=3", d[2] = "k=2"; }, 1,
       "; c|a=3|b=2", "; c|a=3|k=2|b=2"},
      {"a setting added on both sides with the same value", "a=1",
       [](Document& d) { WriteValue(d, "k", "5"); },
       [](Document& d) { d.insert(d.begin(), "k=5"); }, 0, "k=5|a=1", nullptr},
      {"a setting added on both sides with different values", "a=1",
       [](Document& d) { WriteValue(d, "k", "5"); },
       [](Document& d) { d.insert(d.begin(), "k=6"); }, 1, "k=5|a=1", "k=6|a=1"},
      {"blitters uncommented in the window while a block was added on disk", commented,
       [](Document& d) { UncommentBlitters(d, "", 1); }, addC, 0,
       "; b|[A::WIN]|res=1||[B::WIN]|res=640x480|driver=vga||[C::WIN]|res=8|", nullptr},
      {"a block uncommented, then edited, while a block was added on disk", commented,
       [](Document& d) {
         UncommentBlitters(d, "", 1);
         Document block = LoadBlitterBlock(d, "B", 1);
         SetBlitterValue(d, block, "B", 1, "res", "1x1");
       },
       addC, 0, "; b|[A::WIN]|res=1||[B::WIN]|res=1x1|driver=vga||[C::WIN]|res=8|", nullptr},
      {"a blitter named with a \"=\" added on both sides", "; b|[A::WIN]|res=1|",
       [](Document& d) { AddBlitter(d, "x = y", 1); },
       [](Document& d) {
         d.insert(d.end(), {"[x=y::WIN]", "res=1", ""});
       },
       1, "; b|[A::WIN]|res=1||[x=y::WIN]|res=320x200|blitter=normal|driver=auto|",
       "; b|[A::WIN]|res=1||[x=y::WIN]|res=1|"},
      // Deleting a blitter leaves the commented block after it, which then
      // belongs to the block before: whatever is kept, it stays, once.
      {"a blitter deleted in the window while its lines changed on disk", inside,
       [](Document& d) { DeleteBlitter(d, "B", 1, 0); }, changeB, 0, nullptr, nullptr, ";[T::WIN]"},
      {"a blitter deleted, the one before it edited, and its lines changed on disk", inside,
       [](Document& d) {
         DeleteBlitter(d, "B", 1, 0);
         Document block = LoadBlitterBlock(d, "P", 1);
         SetBlitterValue(d, block, "P", 1, "res", "9");
       },
       changeB, 0, nullptr, nullptr, ";[T::WIN]"},
  };
  for (const Tricky& t : cases) {
    SCOPED_TRACE(t.what);
    Document mine = Split(t.loaded);
    const merge::Journal journal(mine);
    t.window(mine);
    Document theirs = Split(t.loaded);
    t.disk(theirs);
    const merge::Merge m(journal, theirs);
    if (t.once) {
      for (const Keep keep : {Keep::Mine, Keep::Theirs}) {
        const Document result = m.Result(std::vector<Keep>(m.conflicts().size(), keep));
        EXPECT_EQ(std::count(result.begin(), result.end(), t.once), 1) << Text(result);
      }
      continue;
    }
    EXPECT_EQ(m.conflicts().size(), t.conflicts);
    EXPECT_EQ(m.Result(std::vector<Keep>(t.conflicts, Keep::Mine)), Split(t.keptMine));
    EXPECT_EQ(m.Result(std::vector<Keep>(t.conflicts, Keep::Theirs)),
              Split(t.keptTheirs ? t.keptTheirs : t.keptMine));
  }
}

}  // namespace
