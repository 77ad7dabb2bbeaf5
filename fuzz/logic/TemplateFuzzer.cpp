// Any stored template: the split into fields, the join back, and the preview
// must neither crash nor read outside the text; a join of the split fields
// must split into the same fields again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "app/logic/FileNameTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so any read past the end is caught.
  std::unique_ptr<char[]> copy(new char[size]);
  std::copy(data, data + size, copy.get());
  const std::string_view text(copy.get(), size);

  std::string preview = logic::PreviewTemplate(text);
  (void)preview;

  logic::ParsedTemplate parsed = logic::ParseTemplate(text);
  logic::TemplateFields fields = parsed.fields;
  const std::string built = logic::BuildTemplate(fields, logic::ScreenshotSuffix(parsed.extension));
  preview = logic::PreviewTemplate(built);

  // Fields free of placeholder text survive a join and a split.
  const auto plain = [](const std::string& s) { return s.find('%') == std::string::npos; };
  const auto number = [&](const std::string& s, char end) {
    return s == "*" ||
           (plain(s) && s.find('*') == std::string::npos && s.find(end) == std::string::npos);
  };
  if (plain(fields.part1) && plain(fields.part2) && plain(fields.part3) &&
      plain(parsed.extension) && parsed.extension.size() == 3 && number(fields.nameLength, 's') &&
      number(fields.digits, 'd')) {
    const logic::ParsedTemplate again = logic::ParseTemplate(logic::SpacesToStars(built));
    if (!(again.fields == fields) || again.extension != parsed.extension) std::abort();
  }
  return 0;
}
