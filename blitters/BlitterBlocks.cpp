#include "blitters/BlitterBlocks.h"

#include <algorithm>
#include <cstddef>

#include "store/Cp1252.h"
#include "store/Merge.h"

namespace {

bool StartsWithBracket(std::string_view line) { return !line.empty() && line.front() == '['; }

// First line past the block that starts after the header at h.
std::size_t BlockEnd(const Document& doc, std::size_t h) {
  std::size_t end = h + 1;
  while (end < doc.size() && !StartsWithBracket(doc[end])) ++end;
  return end;
}

bool Editable(const Document& doc, std::string_view name, int build) {
  return LoadingFinished && FindBlitterHeader(doc, name, build) >= 0;
}

void RemoveFlagWord(Document& block, std::string_view word) {
  std::erase_if(block, [word](const std::string& line) { return cp1252::EqualNoCase(line, word); });
}

// Normalises one line as the loader would.
void NormalizeLine(std::string& line) {
  Document one{std::move(line)};
  NormalizeLines(one);
  line = std::move(one.front());
}

}  // namespace

std::string_view BlitterSuffix(int build) {
  if (build < 0 || build >= kBlitterBuildCount) return {};
  return kBlitterSuffixes[static_cast<std::size_t>(build)];
}

std::string BlitterHeader(std::string_view name, int build) {
  std::string header;
  header.reserve(name.size() + 8);
  header.append("[").append(name).append(BlitterSuffix(build)).append("]");
  return header;
}

int FindBlitterHeader(const Document& doc, std::string_view name, int build) {
  if (name.empty() || BlitterSuffix(build).empty()) return -1;
  const std::string header = BlitterHeader(name, build);
  for (std::size_t i = 0; i < doc.size(); ++i)
    if (cp1252::EqualNoCase(doc[i], header)) return static_cast<int>(i);
  return -1;
}

std::vector<std::string> BlitterNames(const Document& doc, int build) {
  std::vector<std::string> names;
  const std::string_view suffix = BlitterSuffix(build);
  if (suffix.empty()) return names;
  for (std::size_t i = 1; i < doc.size(); ++i) {
    const std::string& line = doc[i];
    if (!StartsWithBracket(line) || line.find(suffix) == std::string::npos) continue;
    // The line holds "[" and the suffix, so it is at least suffix + 1 long
    // and the length below never reaches past its end.
    const std::ptrdiff_t length =
        static_cast<std::ptrdiff_t>(line.size()) - static_cast<std::ptrdiff_t>(suffix.size()) - 2;
    names.push_back(length > 0 ? line.substr(1, static_cast<std::size_t>(length)) : std::string());
  }
  return names;
}

int BlitterIndexInList(int stored, int count) {
  return stored >= 0 && stored < count ? stored : -1;
}

Document LoadBlitterBlock(const Document& doc, std::string_view name, int build) {
  const int h = FindBlitterHeader(doc, name, build);
  if (h < 0) return {};
  const std::size_t start = static_cast<std::size_t>(h) + 1;
  const std::size_t end = BlockEnd(doc, static_cast<std::size_t>(h));
  return Document(doc.begin() + static_cast<std::ptrdiff_t>(start),
                  doc.begin() + static_cast<std::ptrdiff_t>(end));
}

bool StoreBlitterBlock(Document& doc, std::string_view name, int build, const Document& block) {
  const int h = FindBlitterHeader(doc, name, build);
  if (h < 0) return false;
  const merge::Edit edit(doc, {merge::Block(doc[static_cast<std::size_t>(h)])},
                         [name = std::string(name), build, block](Document& other) {
                           StoreBlitterBlock(other, name, build, block);
                         });
  Document stored;
  stored.reserve(block.size() + 1);
  for (const std::string& line : block)
    if (!line.empty()) stored.push_back(line);
  stored.emplace_back();
  const auto start = doc.begin() + h + 1;
  const auto end =
      doc.begin() + static_cast<std::ptrdiff_t>(BlockEnd(doc, static_cast<std::size_t>(h)));
  const auto at = doc.erase(start, end);
  doc.insert(at, std::make_move_iterator(stored.begin()), std::make_move_iterator(stored.end()));
  return true;
}

BlitterBlockView ViewBlitterBlock(const Document& block) {
  BlitterBlockView view;
  const BlitterFlagStates flags = BlitterFlagStatesOf(block);
  view.vsync = flags[static_cast<std::size_t>(BlitterFlag::VSync)];
  view.flipped = flags[static_cast<std::size_t>(BlitterFlag::Flipped)];
  view.tripleBuffering = flags[static_cast<std::size_t>(BlitterFlag::TripleBuffering)];
  view.stretch = flags[static_cast<std::size_t>(BlitterFlag::Stretch)];
  view.res = ReadValue(block, "res");
  view.refreshRate = ReadValue(block, "refresh_rate");
  view.driver = ReadValue(block, "driver");
  view.filter = ReadValue(block, "blitter");
  view.colourDepth = ReadValue(block, "video_depth");
  return view;
}

int MatchBlitterWord(std::span<const std::string_view> words, std::string_view value) {
  if (value.empty()) return 0;
  int match = -1;
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == value) match = static_cast<int>(i);
  return match;
}

bool SetBlitterValue(Document& doc, Document& block, std::string_view name, int build,
                     std::string_view key, std::string_view value) {
  if (!Editable(doc, name, build)) return false;
  WriteValue(block, key, value);
  return StoreBlitterBlock(doc, name, build, block);
}

BlitterResPick PickBlitterRes(std::string_view text, int selectedIndex) {
  BlitterResPick pick;
  if (!text.empty() && text.front() >= '1' && text.front() <= '9') {
    pick.value = std::string(text);
    return pick;
  }
  const int count = static_cast<int>(kBlitterResItems.size());
  int next = selectedIndex < 0 || selectedIndex >= count - 1 ? 0 : selectedIndex + 1;
  if (next == kBlitterResSeparator) ++next;
  pick.selectItem = true;
  pick.itemIndex = next;
  pick.value = std::string(kBlitterResItems[static_cast<std::size_t>(next)]);
  return pick;
}

BlitterResPick ChangeBlitterRes(Document& doc, Document& block, std::string_view name, int build,
                                std::string_view text, int selectedIndex) {
  BlitterResPick pick = PickBlitterRes(text, selectedIndex);
  SetBlitterValue(doc, block, name, build, "res", pick.value);
  return pick;
}

bool ChangeBlitterFilter(Document& doc, Document& block, std::string_view name, int build,
                         int filterIndex) {
  if (filterIndex < 0 || filterIndex >= static_cast<int>(kBlitterFilterWords.size())) return false;
  return SetBlitterValue(doc, block, name, build, "blitter",
                         kBlitterFilterWords[static_cast<std::size_t>(filterIndex)]);
}

bool ChangeBlitterRefreshRate(Document& doc, Document& block, std::string_view name, int build,
                              std::string_view text) {
  return SetBlitterValue(doc, block, name, build, "refresh_rate", cp1252::ToLower(text));
}

bool ChangeBlitterColourDepth(Document& doc, Document& block, std::string_view name, int build,
                              std::string_view text) {
  return SetBlitterValue(doc, block, name, build, "video_depth", text);
}

const BlitterFlagBox& BlitterFlagBoxOf(BlitterFlag flag) {
  return kBlitterFlagBoxes[static_cast<std::size_t>(flag)];
}

bool HasBlitterFlagWord(const Document& block, std::string_view word) {
  return std::any_of(block.begin(), block.end(),
                     [word](const std::string& line) { return cp1252::EqualNoCase(line, word); });
}

BlitterFlagStates BlitterFlagStatesOf(const Document& block) {
  BlitterFlagStates states{};
  for (const BlitterFlagBox& box : kBlitterFlagBoxes)
    states[static_cast<std::size_t>(box.flag)] = HasBlitterFlagWord(block, box.word);
  return states;
}

bool TickBlitterFlag(Document& doc, Document& block, std::string_view name, int build,
                     BlitterFlag flag, BlitterFlagStates& boxes) {
  if (!Editable(doc, name, build)) return false;
  const BlitterFlagBox& box = BlitterFlagBoxOf(flag);
  boxes[static_cast<std::size_t>(flag)] = true;
  for (int i = 0; i < box.clearCount; ++i) {
    const BlitterFlag other = box.clears[static_cast<std::size_t>(i)];
    if (boxes[static_cast<std::size_t>(other)])
      ClearBlitterFlag(doc, block, name, build, other, boxes);
  }
  if (HasBlitterFlagWord(block, box.word)) return true;
  const auto empty = std::find_if(block.begin(), block.end(),
                                  [](const std::string& line) { return line.empty(); });
  block.insert(empty, std::string(box.word));
  StoreBlitterBlock(doc, name, build, block);
  return true;
}

bool ClearBlitterFlag(Document& doc, Document& block, std::string_view name, int build,
                      BlitterFlag flag, BlitterFlagStates& boxes) {
  if (!Editable(doc, name, build)) return false;
  boxes[static_cast<std::size_t>(flag)] = false;
  // Every line of the word goes: one left behind would keep the option on
  // while the box shows it off.
  RemoveFlagWord(block, BlitterFlagBoxOf(flag).word);
  StoreBlitterBlock(doc, name, build, block);
  return true;
}

int AddBlitter(Document& doc, std::string_view name, int build) {
  if (name.empty() || BlitterSuffix(build).empty()) return -1;
  // The header as it is written: normalised, like the lines after it.
  std::string header = BlitterHeader(name, build);
  NormalizeNameLine(header);
  const merge::Edit edit(
      doc, {merge::Block(header)},
      [name = std::string(name), build](Document& other) { AddBlitter(other, name, build); });
  // A header on the first line is never listed, so a new blitter must not
  // land there.
  if (doc.empty()) doc.emplace_back();
  Document lines{BlitterHeader(name, build), "res = 320x200", "blitter = normal", "driver = auto",
                 ""};
  // Normalised at once, so the page reads the new values straight away and
  // later edits replace these lines instead of adding second ones.
  NormalizeLines(lines);
  doc.insert(doc.end(), std::make_move_iterator(lines.begin()),
             std::make_move_iterator(lines.end()));
  return static_cast<int>(BlitterNames(doc, build).size()) - 1;
}

bool RenameBlitter(Document& doc, std::string_view name, std::string_view newName, int build) {
  if (newName.empty() || newName == name) return false;
  const int h = FindBlitterHeader(doc, name, build);
  if (h < 0) return false;
  const merge::Edit edit(
      doc,
      {merge::Block(doc[static_cast<std::size_t>(h)]), merge::Block(BlitterHeader(newName, build))},
      [name = std::string(name), newName = std::string(newName), build](Document& other) {
        RenameBlitter(other, name, newName, build);
      });
  doc[static_cast<std::size_t>(h)] = BlitterHeader(newName, build);
  return true;
}

int DeleteBlitter(Document& doc, std::string_view name, int build, int selectedIndex) {
  const int h = FindBlitterHeader(doc, name, build);
  if (h >= 0) {
    const auto start = doc.begin() + h;
    auto end = start + 1;
    while (end != doc.end() && end->find('[') == std::string::npos) ++end;
    // Lines of the block after a "[" inside it (a commented header) stay, and
    // join the block before, which changes too (with none before, they join
    // the lines before the first block, which no part holds).
    std::vector<merge::Part> parts{merge::Block(doc[static_cast<std::size_t>(h)])};
    if (end !=
        doc.begin() + static_cast<std::ptrdiff_t>(BlockEnd(doc, static_cast<std::size_t>(h)))) {
      const auto before =
          std::find_if(std::make_reverse_iterator(start), doc.rend(),
                       [](const std::string& line) { return StartsWithBracket(line); });
      if (before != doc.rend()) parts.push_back(merge::Block(*before));
    }
    const merge::Edit edit(doc, std::move(parts),
                           [name = std::string(name), build](Document& other) {
                             DeleteBlitter(other, name, build, 0);
                           });
    doc.erase(start, end);
  }
  const int count = static_cast<int>(BlitterNames(doc, build).size());
  return std::min(selectedIndex, count - 1);
}

std::string StripLeadingSemicolons(std::string_view line) {
  const std::size_t start = line.find_first_not_of(';');
  return start == std::string_view::npos ? std::string() : std::string(line.substr(start));
}

namespace {

// The key a line of an uncommented block is known by. A commented line is
// known by the text before its first " =", as the shipped file writes them;
// an active line by its name, since the loader has already taken the blanks
// around its "=" away.
std::string_view UncommentKey(std::string_view line, std::string_view s) {
  if (s.size() == line.size()) {
    const std::size_t eq = s.find('=');
    return eq == std::string_view::npos ? std::string_view() : TrimBlanks(s.substr(0, eq));
  }
  const std::size_t at = s.find(" =");
  return at == std::string_view::npos ? std::string_view() : s.substr(0, at);
}

}  // namespace

int UncommentBlitters(Document& doc, std::string_view shownName, int build) {
  bool resMark = true;
  bool filterMark = true;
  bool driverMark = true;
  bool switchMark = true;
  // Any block may change: the edit names none.
  const merge::Edit edit(doc, {},
                         [build](Document& other) { UncommentBlitters(other, {}, build); });
  for (std::string& line : doc) {
    const std::string s = StripLeadingSemicolons(line);
    if (s.empty()) continue;
    bool activate = false;
    if (s.front() == '[') {
      resMark = filterMark = driverMark = switchMark = false;
      activate = true;
    }
    const std::string_view key = UncommentKey(line, s);
    if (key == "res" && !resMark) {
      resMark = activate = true;
    } else if (key == "blitter" && !filterMark) {
      filterMark = activate = true;
    } else if (key == "driver" && !driverMark) {
      driverMark = activate = true;
    } else if ((s == "flip" || s == "vsync") && !switchMark) {
      switchMark = activate = true;
    }
    if (activate && s.size() != line.size()) {
      line = s;
      NormalizeLine(line);
    }
  }
  if (shownName.empty()) return -1;
  const std::vector<std::string> names = BlitterNames(doc, build);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (cp1252::EqualNoCase(names[i], shownName)) return static_cast<int>(i);
  return -1;
}
