#include "app/logic/FileNameTemplate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "store/Cp1252.h"

namespace logic {
namespace {

// The split below counts positions from 1, with 0 for "not found", and takes
// pieces before and after such positions; these helpers keep that arithmetic
// inside the text whatever the positions are.
std::size_t Find1(std::string_view text, std::string_view needle) {
  std::size_t at = text.find(needle);
  return at == std::string_view::npos ? 0 : at + 1;
}

// The text before 1-based position pos.
std::string_view Before(std::string_view text, std::size_t pos) {
  return pos <= 1 ? std::string_view() : text.substr(0, std::min(pos - 1, text.size()));
}

// The text from 1-based position pos to the end; positions before 1 count as 1.
std::string_view From(std::string_view text, std::size_t pos) {
  if (pos <= 1) return text;
  return pos - 1 >= text.size() ? std::string_view() : text.substr(pos - 1);
}

std::string ReplaceAll(std::string_view text, char from, char to) {
  std::string out(text);
  std::replace(out.begin(), out.end(), from, to);
  return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the digits at text[*at...]; the value saturates at limit + 1 so that a
// long run of digits cannot overflow.
std::int64_t ReadDigits(std::string_view text, std::size_t* at, std::int64_t limit) {
  std::int64_t value = 0;
  while (*at < text.size() && IsDigit(text[*at])) {
    value = std::min(value * 10 + (text[*at] - '0'), limit + 1);
    ++*at;
  }
  return value;
}

// A name placeholder at text[at] ("%s" or "%." digits "s"): its length in
// characters and the cut it asks for (-1: none).
bool MatchName(std::string_view text, std::size_t at, std::size_t* length, std::int64_t* cut) {
  if (at + 1 >= text.size() || text[at] != '%') return false;
  if (text[at + 1] == 's') {
    *length = 2;
    *cut = -1;
    return true;
  }
  if (text[at + 1] != '.') return false;
  std::size_t pos = at + 2;
  std::int64_t n = ReadDigits(text, &pos, INT32_MAX);
  if (pos >= text.size() || text[pos] != 's') return false;
  *length = pos + 1 - at;
  *cut = n;
  return true;
}

// A number placeholder at text[at] ("%d" or "%0" digits "d"): its length and
// the minimum number of digits (0: none).
bool MatchNumber(std::string_view text, std::size_t at, std::size_t* length, int* width) {
  if (at + 1 >= text.size() || text[at] != '%') return false;
  if (text[at + 1] == 'd') {
    *length = 2;
    *width = 0;
    return true;
  }
  if (text[at + 1] != '0') return false;
  std::size_t pos = at + 2;
  std::int64_t m = ReadDigits(text, &pos, kMaxPreviewDigits);
  if (pos >= text.size() || text[pos] != 'd' || m > kMaxPreviewDigits) return false;
  *length = pos + 1 - at;
  *width = static_cast<int>(m);
  return true;
}

std::string NumberText(int number, int width) {
  std::int64_t value = number;
  bool negative = value < 0;
  std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-value) : value;
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  // The width counts the sign too, and the zeros go between sign and digits.
  std::size_t wanted = static_cast<std::size_t>(width);
  std::size_t have = digits.size() + (negative ? 1 : 0);
  if (have < wanted) digits.insert(0, wanted - have, '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

std::string SpacesToStars(std::string_view text) { return ReplaceAll(text, ' ', '*'); }

std::string StarsToSpaces(std::string_view text) { return ReplaceAll(text, '*', ' '); }

std::string_view SoundTemplateKey(bool wavTab) {
  return wavTab ? kWavTemplateKey : kVgmTemplateKey;
}

std::optional<int> ScreenshotExtensionIndex(std::string_view ext) {
  for (std::size_t i = 0; i < kScreenshotExtensions.size(); ++i) {
    if (cp1252::EqualNoCase(kScreenshotExtensions[i], ext)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string BuildTemplate(TemplateFields& fields, std::string_view extension) {
  // A minimum of zero digits is not allowed.
  if (fields.digits == "0") fields.digits = "1";
  std::string t = fields.part1 + "%";
  if (fields.nameLength != "*") t += "." + fields.nameLength;
  t += "s" + fields.part2 + "%";
  if (fields.digits != "*") t += "0" + fields.digits;
  t += "d" + fields.part3;
  t += extension;
  return t;
}

std::string ScreenshotSuffix(std::string_view extText) { return "." + std::string(extText); }

ParsedTemplate ParseTemplate(std::string_view stored) {
  ParsedTemplate result;
  TemplateFields& f = result.fields;
  const std::string shown = StarsToSpaces(stored);
  std::string_view v = shown;

  if (std::size_t p = Find1(v, "%."); p != 0) {
    f.part1 = Before(v, p);
    v = From(v, p + 2);
    std::size_t q = Find1(v, "s");
    f.nameLength = Before(v, q);
    v = From(v, q + 1);
  } else {
    std::size_t q = Find1(v, "%s");
    f.part1 = Before(v, q);
    v = From(v, q + 2);
    f.nameLength = "*";
  }

  if (std::size_t p = Find1(v, "%0"); p != 0) {
    f.part2 = Before(v, p);
    v = From(v, p + 2);
    std::size_t q = Find1(v, "d");
    f.digits = Before(v, q);
    v = From(v, q + 1);
  } else {
    std::size_t q = Find1(v, "%d");
    f.part2 = Before(v, q);
    v = From(v, q + 2);
    f.digits = "*";
  }

  f.part3 = v.size() > 4 ? v.substr(0, v.size() - 4) : std::string_view();
  result.extension = v.size() > 3 ? v.substr(v.size() - 3) : v;
  return result;
}

std::string FormatTemplate(std::string_view tmpl, std::string_view gameName, int number) {
  std::string out;
  out.reserve(tmpl.size() + gameName.size());
  bool nameDone = false;
  bool numberDone = false;
  std::size_t at = 0;
  while (at < tmpl.size()) {
    std::size_t length = 0;
    if (!nameDone) {
      std::int64_t cut = 0;
      if (MatchName(tmpl, at, &length, &cut)) {
        std::size_t keep =
            cut < 0 ? gameName.size() : std::min(gameName.size(), static_cast<std::size_t>(cut));
        out.append(gameName.substr(0, keep));
        at += length;
        nameDone = true;
        continue;
      }
    } else if (!numberDone) {
      int width = 0;
      if (MatchNumber(tmpl, at, &length, &width)) {
        out += NumberText(number, width);
        at += length;
        numberDone = true;
        continue;
      }
    }
    out += tmpl[at];
    ++at;
  }
  return out;
}

std::string PreviewTemplate(std::string_view tmpl) {
  return FormatTemplate(tmpl, kPreviewGameName, kPreviewNumber);
}

}  // namespace logic
