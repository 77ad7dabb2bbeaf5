// Builds a blitter document from random lines, then runs a random sequence of
// the page's operations on it and checks that each one touches only what it
// owns: an edit only the edited blitter's block, Add only the end, Rename only
// the header, Delete exactly the header and the lines up to the next "[",
// Uncomment only the lines it activates. No blitter, or a fill, changes nothing.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "blitters/BlitterBlocks.h"

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
  std::string Text(std::size_t max) {
    std::size_t n = std::min<std::size_t>(Byte() % (max + 1), size_);
    std::string s(reinterpret_cast<const char*>(data_), n);
    data_ += n;
    size_ -= n;
    return s;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

void Check(bool ok) {
  if (!ok) std::abort();
}

// A line of a blitter file: mostly the shapes that matter, sometimes raw bytes.
std::string Line(Input& in) {
  static const char* const kPieces[] = {"",
                                        "[",
                                        "]",
                                        ";",
                                        "::DOS",
                                        "::WIN",
                                        "::UNIX",
                                        "res",
                                        " = ",
                                        "=",
                                        "320x200",
                                        "driver",
                                        "blitter",
                                        "vsync",
                                        "flip",
                                        "stretch",
                                        "triple_buffering",
                                        "A",
                                        "b",
                                        " "};
  std::string line;
  const int pieces = in.Byte() % 6;
  for (int i = 0; i < pieces; ++i) {
    const std::uint8_t pick = in.Byte();
    if (pick < 232)
      line += kPieces[pick % (sizeof kPieces / sizeof *kPieces)];
    else
      line += in.Text(4);
  }
  return line;
}

// The name of an operation: usually one the list shows, sometimes anything.
std::string Name(Input& in, const Document& doc, int build) {
  const std::vector<std::string> names = BlitterNames(doc, build);
  const std::uint8_t pick = in.Byte();
  if (!names.empty() && pick < 200) return names[pick % names.size()];
  return in.Text(8);
}

std::size_t BlockEnd(const Document& doc, std::size_t h) {
  std::size_t end = h + 1;
  while (end < doc.size() && (doc[end].empty() || doc[end][0] != '[')) ++end;
  return end;
}

// Everything but the block after h is as it was.
void CheckOnlyBlockChanged(const Document& before, const Document& after, int h) {
  if (h < 0) {
    Check(after == before);
    return;
  }
  const std::size_t head = static_cast<std::size_t>(h) + 1;
  const std::size_t tail = before.size() - BlockEnd(before, static_cast<std::size_t>(h));
  Check(after.size() >= head + tail);
  Check(std::equal(before.begin(), before.begin() + head, after.begin()));
  Check(std::equal(before.end() - tail, before.end(), after.end() - tail));
  // A stored block ends with one empty line and holds no other.
  const std::size_t end = after.size() - tail;
  Check(end > head && after[end - 1].empty());
  for (std::size_t i = head; i + 1 < end; ++i) Check(!after[i].empty() && after[i][0] != '[');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const StoreWrites writes;
  Input in(data, size);
  Document doc;
  const int lines = in.Byte() % 24;
  for (int i = 0; i < lines; ++i) doc.push_back(Line(in));
  Document block;
  BlitterFlagStates boxes{};

  for (int step = 0; step < 32 && !in.empty(); ++step) {
    const std::uint8_t op = in.Byte();
    const int build = op % 4 == 3 ? -1 : op % 3;
    const std::string name = Name(in, doc, build);
    // Most steps are a user's edit, some run as a fill.
    std::optional<FillGuard> fill;
    if (in.Byte() % 8 == 0) fill.emplace();
    const int h = FindBlitterHeader(doc, name, build);
    const bool editable = LoadingFinished && h >= 0;
    if (in.Byte() % 2 == 0) block = LoadBlitterBlock(doc, name, build);
    const Document before = doc;
    const Document blockBefore = block;

    switch ((op >> 2) % 11) {
      case 0: {
        Check(StoreBlitterBlock(doc, name, build, block) == (h >= 0));
        CheckOnlyBlockChanged(before, doc, h);
        if (h >= 0) {
          Document expected;
          for (const std::string& line : block)
            if (!line.empty()) expected.push_back(line);
          expected.emplace_back();
          Check(LoadBlitterBlock(doc, name, build) == expected ||
                std::any_of(expected.begin(), expected.end(),
                            [](const std::string& l) { return !l.empty() && l[0] == '['; }));
        }
        break;
      }
      case 1: {
        static const char* const kKeys[] = {"res", "driver", "blitter", "refresh_rate",
                                            "video_depth"};
        const std::string key = kKeys[in.Byte() % 5];
        Check(SetBlitterValue(doc, block, name, build, key, Line(in)) == editable);
        CheckOnlyBlockChanged(before, doc, editable ? h : -1);
        break;
      }
      case 2: {
        const BlitterResPick pick =
            ChangeBlitterRes(doc, block, name, build, Line(in), in.Byte() % 11 - 1);
        Check(pick.value != "----------" && !pick.value.empty());
        CheckOnlyBlockChanged(before, doc, editable ? h : -1);
        break;
      }
      case 3:
      case 4: {
        const auto flag = static_cast<BlitterFlag>(in.Byte() % kBlitterFlagCount);
        const BlitterFlagStates boxesBefore = boxes;
        const bool tick = op % 2 == 0;
        const bool acted = tick ? TickBlitterFlag(doc, block, name, build, flag, boxes)
                                : ClearBlitterFlag(doc, block, name, build, flag, boxes);
        Check(acted == editable);
        if (!acted) {
          Check(boxes == boxesBefore && block == blockBefore);
        } else {
          const std::string_view word = BlitterFlagBoxOf(flag).word;
          Check(HasBlitterFlagWord(block, word) == tick);
          Check(boxes[static_cast<std::size_t>(flag)] == tick);
        }
        // A tick that finds its word already there may store nothing at all.
        if (doc != before) CheckOnlyBlockChanged(before, doc, editable ? h : -1);
        break;
      }
      case 5: {
        const std::string newName = Line(in);
        const int index = AddBlitter(doc, newName, build);
        if (newName.empty() || build < 0) {
          Check(index == -1 && doc == before);
        } else {
          const std::size_t start = before.empty() ? 1 : before.size();
          Check(doc.size() == start + 5);
          Check(std::equal(before.begin(), before.end(), doc.begin()));
          Check(index == static_cast<int>(BlitterNames(doc, build).size()) - 1);
          Check(doc[start] == BlitterHeader(newName, build) ||
                newName.find('=') != std::string::npos);
        }
        break;
      }
      case 6: {
        const std::string newName = Line(in);
        const bool renamed = RenameBlitter(doc, name, newName, build);
        Check(renamed == (h >= 0 && !newName.empty() && newName != name));
        Check(doc.size() == before.size());
        for (std::size_t i = 0; i < doc.size(); ++i)
          Check(doc[i] == before[i] || (renamed && static_cast<int>(i) == h));
        if (renamed) Check(BlitterNames(doc, build).size() == BlitterNames(before, build).size());
        break;
      }
      case 7: {
        const int selected = static_cast<int>(in.Byte() % 8) - 1;
        const int next = DeleteBlitter(doc, name, build, selected);
        const int count = static_cast<int>(BlitterNames(doc, build).size());
        Check(next <= selected && next < count && next >= -1);
        if (h < 0) {
          Check(doc == before);
        } else {
          std::size_t end = static_cast<std::size_t>(h) + 1;
          while (end < before.size() && before[end].find('[') == std::string::npos) ++end;
          Document expected(before.begin(), before.begin() + h);
          expected.insert(expected.end(), before.begin() + static_cast<std::ptrdiff_t>(end),
                          before.end());
          Check(doc == expected);
        }
        break;
      }
      case 8: {
        const int index = UncommentBlitters(doc, name, build);
        Check(doc.size() == before.size());
        for (std::size_t i = 0; i < doc.size(); ++i) {
          if (doc[i] == before[i]) continue;
          Document active{StripLeadingSemicolons(before[i])};
          NormalizeLines(active);
          Check(before[i][0] == ';' && doc[i] == active[0]);
        }
        const std::vector<std::string> names = BlitterNames(doc, build);
        Check(index < static_cast<int>(names.size()));
        break;
      }
      case 9: {
        const std::string view = ViewBlitterBlock(block).res;
        Check(view.find(';') == std::string::npos);
        break;
      }
      default: {
        Check(ChangeBlitterFilter(doc, block, name, build, in.Byte() % 10 - 1) || doc == before);
        break;
      }
    }
    if (!LoadingFinished && ((op >> 2) % 11 == 1 || (op >> 2) % 11 == 2 || (op >> 2) % 11 == 3 ||
                             (op >> 2) % 11 == 4 || (op >> 2) % 11 == 10))
      Check(doc == before && block == blockBefore);
  }
  return 0;
}
