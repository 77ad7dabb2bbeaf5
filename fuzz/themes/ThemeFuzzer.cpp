// Reads random theme documents: a theme written and read back must read the
// same when written and read again, and a random sequence of block routines
// (save, rename, append, delete) on any theme, named or not, must do what each
// promises and keep the document whole.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "themes/QuibTheme.h"

namespace {

// The record as it reads back once written: the form every later write keeps.
TQuibTheme Settled(const TQuibTheme& theme) {
  Document written;
  WriteTheme(theme, written);
  TQuibTheme back;
  ReadTheme(back, written);
  return back;
}

// Without a picture the mode is not stored, and reads back as none.
TQuibTheme Comparable(TQuibTheme theme) {
  if (theme.BackgroundPicture.empty()) theme.PictureMode = -1;
  return theme;
}

bool Same(const TQuibTheme& a, const TQuibTheme& b) { return Comparable(a) == Comparable(b); }

// Whether the named theme's block names a theme key twice. Writes and deletes
// reach the first line of a key only, so a later duplicate can show through
// when the first goes; such blocks are not compared after a save.
bool HasDuplicateKeys(const Document& doc, std::string_view name) {
  const Document block = CollectThemeBlock(doc, FindThemeHeader(doc, name));
  for (const std::string_view key : ThemeKeys) {
    const int first = FindKey(block, key);
    if (first >= 0 && FindKey(Document(block.begin() + first + 1, block.end()), key) >= 0)
      return true;
  }
  return false;
}

void CheckWhole(const Document& doc) {
  for (const std::string& line : doc)
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
}

std::string TakeName(FuzzedDataProvider& input, const Document& doc) {
  const auto names = ListThemeNames(doc);
  if (names.empty() || input.ConsumeBool()) {
    std::string name = input.ConsumeRandomLengthString(12);
    std::erase_if(name, [](char c) { return c == '\r' || c == '\n'; });
    return name;
  }
  return names[input.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const StoreWrites writes;
  FuzzedDataProvider input(data, size);
  const std::size_t opsBytes = input.ConsumeIntegralInRange<std::size_t>(0, 64);
  const std::string text = input.ConsumeBytesAsString(input.remaining_bytes() -
                                                      std::min(input.remaining_bytes(), opsBytes));
  Document doc = ParseDocument(text);
  NormalizeLines(doc);

  TQuibTheme first;
  ReadTheme(first, doc);
  const TQuibTheme second = Settled(first);
  if (!Same(Settled(second), second)) std::abort();

  while (input.remaining_bytes() > 0) {
    const int op = input.ConsumeIntegralInRange(0, 3);
    const std::string name = TakeName(input, doc);
    const bool found = FindThemeHeader(doc, name) >= 0;
    const std::size_t count = ListThemeNames(doc).size();
    // Another theme of the document, in the form a save keeps.
    const TQuibTheme record = Settled(ReadNamedTheme(doc, TakeName(input, doc)));
    switch (op) {
      case 0: {
        const bool duplicates = HasDuplicateKeys(doc, name);
        if (SaveThemeBlock(doc, name, record) != found) std::abort();
        if (ListThemeNames(doc).size() != count) std::abort();
        if (found && !duplicates && !Same(ReadNamedTheme(doc, name), record)) std::abort();
        break;
      }
      case 1: {
        std::string newName = input.ConsumeRandomLengthString(12);
        std::erase_if(newName, [](char c) { return c == '\r' || c == '\n'; });
        const int header = FindThemeHeader(doc, name);
        const TQuibTheme before = ReadNamedTheme(doc, name);
        if (RenameThemeHeader(doc, name, newName) != found) std::abort();
        if (ListThemeNames(doc).size() != count) std::abort();
        if (found && FindThemeHeader(doc, newName) < 0) std::abort();
        // The block is the renamed theme's unless an earlier header has the
        // new name.
        if (found && FindThemeHeader(doc, newName) == header &&
            !Same(ReadNamedTheme(doc, newName), before))
          std::abort();
        break;
      }
      case 2: {
        const bool earlier = found;
        AppendTheme(doc, name, record);
        if (ListThemeNames(doc).size() != count + 1) std::abort();
        if (FindThemeHeader(doc, name) < 0) std::abort();
        if (!earlier && !Same(ReadNamedTheme(doc, name), record)) std::abort();
        break;
      }
      case 3:
        if (DeleteThemeBlock(doc, name) != found) std::abort();
        if (ListThemeNames(doc).size() != count - (found ? 1 : 0)) std::abort();
        break;
    }
    CheckWhole(doc);
  }
  UncommentThemeLines(doc);
  (void)HasCommentedThemes(doc);
  CheckWhole(doc);
  return 0;
}
