#include "platform/ProfileFile.h"

#include <exception>
#include <system_error>

#include "store/ZIniReader.h"

namespace platform::profile {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// What one line of a profile file is.
struct Line {
  enum class Kind { Other, Section, Key } kind = Kind::Other;
  std::string_view name;   // trimmed section or key name
  std::size_t equals = 0;  // position of the "=" of a key line
};

Line Classify(std::string_view line) {
  Line result;
  const std::string_view body = Trim(line);
  if (body.empty() || body.front() == ';') return result;
  if (body.front() == '[') {
    std::string_view name = body.substr(1);
    const std::size_t close = name.find(']');
    if (close != std::string_view::npos) name = name.substr(0, close);
    result.kind = Line::Kind::Section;
    result.name = Trim(name);
    return result;
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return result;
  result.kind = Line::Kind::Key;
  result.name = Trim(line.substr(0, equals));
  result.equals = equals;
  return result;
}

// Where a section's lines are: the header's index and the index after its
// last line, or nothing.
struct Span {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<Span> FindSection(const std::vector<std::string>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line line = Classify(lines[i]);
    if (line.kind != Line::Kind::Section || !SameAscii(line.name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && Classify(lines[end]).kind != Line::Kind::Section) ++end;
    return Span{i, end};
  }
  return std::nullopt;
}

// Index of the first line of the span that sets key, or nothing.
std::optional<std::size_t> FindKeyLine(const std::vector<std::string>& lines, Span span,
                                       std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const Line line = Classify(lines[i]);
    if (line.kind == Line::Kind::Key && SameAscii(line.name, key)) return i;
  }
  return std::nullopt;
}

std::string_view Unquote(std::string_view value) {
  value = Trim(value);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<std::string> Lookup(const std::vector<std::string>& lines, std::string_view section,
                                  std::string_view key) {
  const std::optional<Span> span = FindSection(lines, Trim(section));
  if (!span) return std::nullopt;
  const std::optional<std::size_t> index = FindKeyLine(lines, *span, Trim(key));
  if (!index) return std::nullopt;
  const std::string_view line = lines[*index];
  return std::string(Unquote(line.substr(Classify(line).equals + 1)));
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<std::string> Read(std::string_view text, std::string_view section,
                                std::string_view key) {
  return Lookup(SplitLines(text), section, key);
}

bool CanWrite(std::string_view section, std::string_view key, std::string_view value) {
  key = Trim(key);
  if (HasLineBreak(section) || section.find(']') != std::string_view::npos) return false;
  if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos) return false;
  if (key.front() == '[' || key.front() == ';') return false;
  return !HasLineBreak(value);
}

bool WriteLines(std::vector<std::string>& lines, std::string_view section, std::string_view key,
                std::string_view value) {
  if (!CanWrite(section, key, value)) return false;
  section = Trim(section);
  key = Trim(key);
  std::string keyLine = std::string(key) + "=" + std::string(value);

  const std::optional<Span> span = FindSection(lines, section);
  if (!span) {
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(std::move(keyLine));
    return true;
  }
  if (const std::optional<std::size_t> index = FindKeyLine(lines, *span, key)) {
    std::string& line = lines[*index];
    line.resize(Classify(line).equals + 1);
    line += value;
    return true;
  }
  std::size_t after = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (!Trim(lines[i]).empty()) after = i;
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after + 1), std::move(keyLine));
  return true;
}

std::optional<std::string> Write(std::string_view text, std::string_view section,
                                 std::string_view key, std::string_view value) {
  std::vector<std::string> lines = SplitLines(text);
  if (!WriteLines(lines, section, key, value)) return std::nullopt;
  std::string result;
  for (const std::string& line : lines) result.append(line).append("\r\n");
  return result;
}

std::string ReadFile(const std::filesystem::path& file, std::string_view section,
                     std::string_view key, std::string_view defaultValue) {
  Document lines;
  try {
    LoadDocument(lines, file);
  } catch (const std::exception&) {
    return std::string(defaultValue);
  }
  return Lookup(lines, section, key).value_or(std::string(defaultValue));
}

bool WriteFile(const std::filesystem::path& file, std::string_view section, std::string_view key,
               std::string_view value) {
  if (!CanWrite(section, key, value)) return false;
  try {
    Document lines;
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    if (ec) return false;
    // A file that exists but cannot be read is not replaced by one that
    // would hold only this key.
    if (exists) LoadDocument(lines, file);
    WriteLines(lines, section, key, value);
    SaveDocument(lines, file);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace platform::profile
