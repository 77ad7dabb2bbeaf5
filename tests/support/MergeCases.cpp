#include "tests/support/MergeCases.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "blitters/BlitterBlocks.h"
#include "store/Cp1252.h"
#include "store/LineNames.h"
#include "store/Merge.h"
#include "store/ZIniReader.h"
#include "themes/QuibTheme.h"

namespace mergecases {

namespace {

using merge::Keep;
using merge::Part;
using Group = std::vector<const merge::Journal::Noted*>;
enum class Kind { Settings, Blitters, Themes };

const char* const kKeys[] = {"fb_width", "fb_height", "sound",    "gui_vsync",
                             "language", "volume",    "joy_type", "frame_skip"};
const char* const kValues[] = {"0", "1", "320", "auto", "yes", "320 ; width"};
const char* const kNames[] = {"Normal", "Scan", "Tv", "Eagle", "Wide", "Sharp"};
const char* const kColours[] = {"#000000", "#FFFFFF", "#3A6EA5", "#112233"};
const char* const kColourKeys[] = {"background_color", "window_border_color", "menu_text_color"};
const char* const kBody[] = {"res=640x480", "res=320x200", "driver=auto", "blitter=normal",
                             "vsync",       "stretch",     "; fast",      "refresh_rate=60"};

template <std::size_t N>
std::string Pick(Random& r, const char* const (&from)[N]) {
  return from[r(N)];
}
bool Chance(Random& r, std::size_t percent) { return r(100) < percent; }
bool IsHeader(const std::string& line) { return !line.empty() && line[0] == '['; }
int BuildOf(const std::string& header) { return header.find("::DOS") != header.npos ? 0 : 1; }

Document Without(Document doc, const std::vector<Part>& parts) {
  for (const Part& part : parts) merge::SetLines(doc, part, std::nullopt);
  return doc;
}

// Without what a deleted blitter leaves to the block before it, wherever
// that is: the lines from a "[" inside a block (a commented header) on.
Document WithoutLeftovers(Document doc) {
  bool left = false;
  std::erase_if(doc, [&](const std::string& line) {
    left = !IsHeader(line) && (left || line.find('[') != line.npos);
    return left;
  });
  return doc;
}

// A part's lines but for leftovers.
merge::Lines Own(merge::Lines lines) {
  if (lines) *lines = WithoutLeftovers(std::move(*lines));
  return lines;
}

std::string Text(const Document& doc) {
  std::string text;
  for (const std::string& line : doc) text += "\n    |" + line;
  return text;
}

struct Case {
  explicit Case(Random random) : r(std::move(random)), kind(static_cast<Kind>(r(3))) {
    MakeBase();
    mine = disk;
    journal.emplace(mine);
  }

  std::string Body() {
    return kind == Kind::Themes ? Pick(r, kColourKeys) + "=" + Pick(r, kColours) : Pick(r, kBody);
  }
  std::string Header(const std::string& name, int build) {
    return kind == Kind::Themes ? "[" + name + "]" : BlitterHeader(name, build);
  }
  // The name as the program might spell it: now and then in another case.
  std::string Vary(std::string s) {
    if (Chance(r, 25))
      for (char& c : s)
        if (Chance(r, 50))
          c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c)
                                                                            : std::toupper(c));
    return s;
  }
  // A name no header of doc has yet.
  std::optional<std::string> Fresh(const Document& doc, int build) {
    const std::string name = Pick(r, kNames) + (Chance(r, 50) ? "" : "2");
    const std::string header = Header(name, build);
    if (std::any_of(doc.begin(), doc.end(), [&](auto& l) { return SameName(l, header); }))
      return std::nullopt;
    return name;
  }

  void MakeBase() {
    disk = {kind == Kind::Settings ? "; QUIB 0.72 settings" : "; blocks"};
    if (kind == Kind::Settings) {
      std::vector<std::string> keys(std::begin(kKeys), std::end(kKeys));
      for (std::size_t i = keys.size(); i > 1; --i) std::swap(keys[i - 1], keys[r(i)]);
      for (const std::string& key : keys) {
        if (Chance(r, 70)) disk.push_back(key + "=" + Pick(r, kValues));
        if (Chance(r, 30)) disk.push_back(Pick(r, {"; a comment", "", ";volume=3"}));
      }
      return;
    }
    for (std::size_t n = 1 + r(4); n > 0; --n) {
      const int build = static_cast<int>(r(2));
      if (const auto name = Fresh(disk, build)) {
        disk.push_back(Header(*name, build));
        for (std::size_t k = 1 + r(4); k > 0; --k) disk.push_back(Body());
        disk.emplace_back();
      }
      if (Chance(r, 20))  // a block switched off, as the shipped files hold many
        disk.insert(disk.end(), {";" + Header("Old" + std::to_string(disk.size()), 1),
                                 kind == Kind::Themes ? ";authors=old" : ";res = 640x480", ""});
    }
  }

  void WindowEdit() {
    if (kind == Kind::Settings) {
      const std::string key = Vary(Pick(r, kKeys));
      const std::size_t op = r(4);
      if (op == 0) DeleteKey(mine, key);
      if (op == 1) WriteInteger(mine, key, static_cast<std::int32_t>(r(400)));
      if (op > 1) WriteValue(mine, key, Chance(r, 10) ? "" : Pick(r, kValues));
      return;
    }
    const bool themes = kind == Kind::Themes;
    const int build = static_cast<int>(r(2));
    const std::vector<std::string> listed =
        themes ? ListThemeNames(mine) : BlitterNames(mine, build);
    const std::string name = listed.empty() ? "Normal" : Vary(listed[r(listed.size())]);
    const std::optional<std::string> fresh = Fresh(mine, build);
    TQuibTheme theme = ReadNamedTheme(mine, name);
    theme.BackgroundColor = StrToThemeColour(Pick(r, kColours));
    Document block = LoadBlitterBlock(mine, name, build);
    BlitterFlagStates boxes = BlitterFlagStatesOf(block);
    const std::string key = Pick(r, {"res", "driver", "blitter"}), value = Pick(r, kBody);
    const std::string to = fresh && Chance(r, 80) ? *fresh : Vary(name);
    switch (r(themes ? 4 : 5) + (Chance(r, 8) ? 10 : 0)) {
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

  // A line of the file on disk added, removed or changed, or a block added,
  // renamed or removed.
  void DiskEdit() {
    Document& d = theirs;
    if (d.empty()) d.emplace_back();
    const auto at = d.begin() + static_cast<std::ptrdiff_t>(r(d.size() + 1));
    const std::size_t line = r(d.size());
    if (kind == Kind::Settings) {
      const std::size_t op = r(4), eq = d[line].find('=');
      const std::string key = Pick(r, kKeys);
      if (op == 0 && eq != std::string::npos && d[line][0] != ';')  // a value changed
        d[line] = d[line].substr(0, eq + 1) + Pick(r, kValues);
      if (op == 1 && FindKey(d, key) < 0) d.insert(at, key + "=" + Pick(r, kValues));
      if (op == 2) d.erase(d.begin() + static_cast<std::ptrdiff_t>(line));
      if (op == 3) d.insert(at, Pick(r, {"; a comment", "", ";sound=1"}));
      return;
    }
    std::vector<std::size_t> headers;
    for (std::size_t i = 0; i < d.size(); ++i)
      if (IsHeader(d[i])) headers.push_back(i);
    const std::size_t h = headers.empty() ? d.size() : headers[r(headers.size())];
    std::size_t end = h + 1;
    while (end < d.size() && !IsHeader(d[end])) ++end;
    const auto first = d.begin() + static_cast<std::ptrdiff_t>(h);
    switch (headers.empty() ? 2 : r(6)) {
      case 0:  // a line of a block changed
        if (end > h + 1) d[h + 1 + r(end - h - 1)] = Body();
        break;
      case 1:
        d.insert(first + 1 + static_cast<std::ptrdiff_t>(r(end - h)), Body());
        break;
      case 2:
        d.insert(at, Pick(r, {"; a comment", ""}));
        break;
      case 3: {  // a block added before another one or at the end
        const int build = static_cast<int>(r(2));
        if (const auto name = Fresh(d, build)) {
          Document added{Header(*name, build), Body(), ""};
          if (kind == Kind::Blitters && Chance(r, 50))
            added.insert(added.begin() + 1, {"res=320x200", "blitter=normal", "driver=auto"});
          d.insert(Chance(r, 50) ? d.end() : first, added.begin(), added.end());
        }
        break;
      }
      case 4:
        if (const auto name = Fresh(d, BuildOf(d[h]))) d[h] = Header(*name, BuildOf(d[h]));
        break;
      default:
        d.erase(first, d.begin() + static_cast<std::ptrdiff_t>(end));
    }
  }

  // The parts the journal holds, by group.
  std::map<std::size_t, Group> Groups() const {
    std::map<std::size_t, Group> groups;
    for (const auto& noted : journal->parts()) groups[noted.group].push_back(&noted);
    return groups;
  }
  const merge::Journal::Noted* NotedOf(const Part& part) const {
    for (const auto& noted : journal->parts())
      if (merge::SamePart(noted.part, part)) return &noted;
    return nullptr;
  }
  // The part a line starts, if any.
  std::optional<Part> PartOf(const std::string& line) const {
    if (kind != Kind::Settings)
      return IsHeader(line) ? std::optional(merge::Block(line)) : std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == line.npos || line[0] == ';') return std::nullopt;
    return merge::Setting(line.substr(0, eq));
  }

  // Whether two headers or two settings of doc are one part (it is the
  // first of them to the merge).
  bool HasTwins(const Document& doc) const {
    std::set<std::string> seen;
    for (const std::string& line : doc)
      if (const auto part = PartOf(line); part && !seen.insert(cp1252::ToLower(part->name)).second)
        return true;
    return false;
  }

  std::string Dump() const {
    std::string text = "\n  round " + std::to_string(round) + " (before: " + before + ")";
    for (const auto& noted : journal->parts())
      text += "\n  " + noted.part.name + " (group " + std::to_string(noted.group) +
              ") as loaded:" + (noted.loaded ? Text(*noted.loaded) : " none");
    return text + "\n  on disk before:" + Text(disk) + "\n  the window's:" + Text(mine) +
           "\n  on disk now:" + Text(theirs);
  }

  Random r;
  Kind kind;
  Document disk, mine, theirs;  // disk: the file as the window last read or wrote it
  std::optional<merge::Journal> journal;
  std::vector<std::pair<Part, Part>> renames;
  std::vector<Part> settled;  // the parts a settled merge left, loaded from before
  bool whole = false;         // an edit reached the whole document
  bool fresh = true;          // the journal counts disk as loaded
  int round = 0;
  std::string before;  // how the rounds before ended
};

// The merge of one round held to its promises; then the round's end.
std::string Check(Case& c) {
  const merge::Journal& journal = *c.journal;
  std::string fault;
  const auto expect = [&](bool ok, const std::string& what) {
    if (!ok && fault.empty()) fault = what;
  };
  // Alike but for where these parts stand.
  const auto alike = [&](const Document& a, const Document& b, const std::vector<Part>& parts) {
    return DocumentBytes(Without(a, parts)) == DocumentBytes(Without(b, parts)) &&
           std::all_of(parts.begin(), parts.end(),
                       [&](const Part& p) { return LinesOf(a, p) == LinesOf(b, p); });
  };
  std::vector<Part> named;
  for (const auto& noted : journal.parts()) named.push_back(noted.part);

  if (c.fresh) {  // nothing changed on disk: the window's document
    const merge::Merge m(journal, c.disk);
    expect(DocumentBytes(m.Result()) == DocumentBytes(c.mine) && m.conflicts().empty(),
           "merged onto the file as the window left it");
  }
  const bool twins = c.HasTwins(c.disk) || c.HasTwins(c.mine) || c.HasTwins(c.theirs);
  // The journal: parts named since the file was read as it had them, every
  // part the window edited named.
  for (const auto& noted : journal.parts())
    expect(twins ||
               std::any_of(c.settled.begin(), c.settled.end(),
                           [&](const Part& p) { return merge::SamePart(p, noted.part); }) ||
               Own(noted.loaded) == Own(LinesOf(c.disk, noted.part)),
           "loaded lines of " + noted.part.name);
  if (c.fresh && !c.whole && !twins) {
    for (const Document* doc : {&c.disk, &c.mine})
      for (const std::string& line : *doc) {
        const std::optional<Part> part = c.PartOf(line);
        expect(!part || LinesOf(c.disk, *part) == LinesOf(c.mine, *part) || c.NotedOf(*part),
               "not named, yet edited: " + line);
      }
  }
  for (const auto& [from, to] : c.renames) {
    const auto *a = c.NotedOf(from), *b = c.NotedOf(to);
    expect(a == b || (a && b && a->group == b->group), "a rename in two groups: " + from.name);
  }

  LineNames names;
  if (Chance(c.r, 50))  // what the loader notes of the file's names
    for (const std::string& line : c.theirs)
      names.hashes.push_back(
          line.find('=') == line.npos ? 0 : NameHash(line.substr(0, line.find('='))));
  const merge::Merge m(journal, c.theirs, std::move(names));
  const auto& conflicts = m.conflicts();
  std::vector<Keep> keep;  // some answers left out: they keep mine
  for (std::size_t i = c.r(conflicts.size() + 2); i > 0; --i)
    keep.push_back(Chance(c.r, 50) ? Keep::Mine : Keep::Theirs);
  const auto answer = [&](std::size_t i) { return i < keep.size() ? keep[i] : Keep::Mine; };
  const auto conflictOf = [&](const Part& part) {
    return std::find_if(conflicts.begin(), conflicts.end(), [&](const merge::Conflict& f) {
      return merge::SamePart(f.parts.front(), part);
    });
  };
  const Document result = m.Result(keep);
  // Uncommenting is made again on whatever lines there are; twins make
  // parts of other lines.
  if (!c.whole && !twins) {
    std::size_t expected = 0;
    std::vector<Part> moved;  // left as loaded: made again each time, so it may move
    for (const auto& entry : c.Groups()) {
      const Group& group = entry.second;
      const auto all = [&](auto of) { return std::all_of(group.begin(), group.end(), of); };
      // (Leftovers of a deleted blitter go to the block before it where the
      // edit is made: on disk, that may be another one.)
      const auto as = [&](const Document& side, const char* what) {
        for (const auto* n : group)
          expect(Own(LinesOf(result, n->part)) == Own(LinesOf(side, n->part)), what + n->part.name);
      };
      const bool mineAsLoaded = all([&](auto* n) { return LinesOf(c.mine, n->part) == n->loaded; });
      if (mineAsLoaded)
        for (const auto* noted : group) moved.push_back(noted->part);
      if (all([&](auto* n) { return LinesOf(c.theirs, n->part) == n->loaded; })) {
        as(c.mine, "the window's edit lost: ");
      } else if (mineAsLoaded || all([&](auto* n) {
                   return LinesOf(c.theirs, n->part) == LinesOf(c.mine, n->part);
                 })) {
        as(c.theirs, "the disk's edit lost: ");
      } else {
        ++expected;
        const auto found = conflictOf(group.front()->part);
        const std::size_t n = group.size();
        if (found == conflicts.end() || found->parts.size() != n || found->loaded.size() != n ||
            found->mine.size() != n || found->theirs.size() != n) {
          expect(false, "no conflict asked for " + group.front()->part.name);
          continue;
        }
        const bool mine = answer(static_cast<std::size_t>(found - conflicts.begin())) == Keep::Mine;
        for (std::size_t p = 0; p < n; ++p) {
          const Part& part = found->parts[p];
          expect(found->loaded[p] == group[p]->loaded && found->mine[p] == LinesOf(c.mine, part) &&
                     found->theirs[p] == LinesOf(c.theirs, part),
                 "the lines a conflict shows of " + part.name);
          expect(Own(LinesOf(result, part)) == Own(mine ? found->mine[p] : found->theirs[p]),
                 "the answer not kept for " + part.name);
        }
      }
    }
    expect(conflicts.size() == expected, "conflicts asked: " + std::to_string(conflicts.size()));
    expect(WithoutLeftovers(Without(result, named)) == WithoutLeftovers(Without(c.theirs, named)),
           "a part the window did not edit differs from the disk's");

    // Merging the result again, with the same answers, changes nothing,
    // where the disk holds no leftovers to move from one group's part to
    // another's.
    if (WithoutLeftovers(c.theirs) == c.theirs) {
      const merge::Merge twice(journal, result);
      std::vector<Keep> again;
      for (const merge::Conflict& conflict : twice.conflicts()) {
        const auto same = conflictOf(conflict.parts.front());
        again.push_back(same == conflicts.end() ? Keep::Theirs : answer(same - conflicts.begin()));
      }
      expect(alike(twice.Result(again), result, moved), "merging twice differs from merging once");
    }
  }
  if (!fault.empty()) return fault + c.Dump();

  switch (c.r(3)) {
    case 0:  // Apply: the result is written and counts as loaded
      c.mine = c.disk = result;
      c.journal->Clear();
      c.renames.clear();
      c.settled.clear();
      c.whole = false;
      c.fresh = true;
      c.before += "applied ";
      break;
    case 1: {  // the file changed under the window, which took the merge in unasked
      const bool moves = c.whole || twins || journal.Edited().size() < journal.parts().size();
      c.mine = m.Result();
      m.Settle(*c.journal);
      std::erase_if(c.renames,
                    [&](auto& r) { return !c.NotedOf(r.first) && !c.NotedOf(r.second); });
      c.disk = c.theirs;
      c.settled.clear();
      for (const auto& noted : journal.parts()) c.settled.push_back(noted.part);
      c.fresh = false;
      c.before += "settled ";
      // (Leftovers of blitters deleted before may come twice.)
      if (!moves &&
          WithoutLeftovers(merge::Merge(journal, c.disk).Result()) != WithoutLeftovers(c.mine))
        return "settled, then merged onto the same file" + c.Dump();
      break;
    }
    default:  // the window goes on editing
      c.before += "went on ";
      break;
  }
  return {};
}

}  // namespace

std::string Play(Random random, int rounds) {
  const StoreWrites writes;
  Case c(std::move(random));
  for (c.round = 1; c.round <= rounds && !c.r.exhausted(); ++c.round) {
    for (std::size_t n = c.r(6); n > 0; --n) c.WindowEdit();
    c.theirs = c.disk;
    for (std::size_t n = c.r(7); n > 0; --n) c.DiskEdit();
    if (std::string fault = Check(c); !fault.empty()) return fault;
  }
  return {};
}

}  // namespace mergecases
