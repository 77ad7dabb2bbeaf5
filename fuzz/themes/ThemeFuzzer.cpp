// Reads random theme documents: a theme written and read back must read the
// same when written and read again, and the block routines must keep the
// document consistent.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "themes/QuibTheme.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LoadingFinished = true;
  Document doc;
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      doc.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  doc.push_back(line);
  NormalizeLines(doc);

  TQuibTheme first;
  ReadTheme(first, doc);
  Document written;
  WriteTheme(first, written);
  TQuibTheme second;
  ReadTheme(second, written);
  Document again;
  WriteTheme(second, again);
  TQuibTheme third;
  ReadTheme(third, again);
  // Without a picture the mode is not stored, and reads back as none.
  if (second.BackgroundPicture.empty()) second.PictureMode = -1;
  if (!(second == third)) std::abort();

  const auto names = ListThemeNames(doc);
  // A header without its closing "]" lists a name that finds no header.
  if (!names.empty() && FindThemeHeader(doc, names.front()) >= 0) {
    const std::size_t before = ListThemeNames(doc).size();
    if (!SaveThemeBlock(doc, names.front(), first)) std::abort();
    if (ListThemeNames(doc).size() != before) std::abort();
    if (!DeleteThemeBlock(doc, names.front())) std::abort();
    if (ListThemeNames(doc).size() != before - 1) std::abort();
  }
  UncommentThemeLines(doc);
  (void)HasCommentedThemes(doc);
  return 0;
}
