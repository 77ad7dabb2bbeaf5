#include "store/ApplyRecord.h"

#include <cstdlib>
#include <optional>

#include "store/FileStamp.h"
#include "store/ZIniReader.h"

namespace fs = std::filesystem;

namespace backups::record {

namespace {

constexpr std::string_view kHeader = "quib-configurator apply 2\n";
constexpr std::string_view kHeaderV1 = "quib-configurator apply 1\n";

std::string PathField(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::to_string(text.size()) + ":" + std::string(text.begin(), text.end());
}

std::string ContentField(const Content& content) {
  if (content.state != Content::State::Bytes) return "-";
  char text[64];
  std::snprintf(text, sizeof text, "%llu:%016llx", static_cast<unsigned long long>(content.size),
                static_cast<unsigned long long>(content.hash));
  return text;
}

// Reads the fields of a line one by one, each followed by a blank, the path
// last (by its length, so it may hold any byte) followed by the line's end.
class Fields {
 public:
  explicit Fields(std::string_view& text) : text_(text) {}
  std::optional<std::uint64_t> Number(int base, char end = ' ') {
    const std::size_t stop = text_.find(end);
    if (stop == std::string_view::npos || stop == 0) return std::nullopt;
    const std::string digits(text_.substr(0, stop));
    char* last = nullptr;
    const unsigned long long value = std::strtoull(digits.c_str(), &last, base);
    if (*last != '\0' || digits[0] == '-' || digits[0] == '+') return std::nullopt;
    text_.remove_prefix(stop + 1);
    return value;
  }
  std::optional<Content> Of() {
    if (text_.substr(0, 2) == "- ") {
      text_.remove_prefix(2);
      return Content{};
    }
    const auto size = Number(10, ':');
    const auto hash = size ? Number(16) : std::nullopt;
    if (!hash) return std::nullopt;
    return Content{Content::State::Bytes, *size, *hash};
  }
  std::optional<fs::path> Path() {
    const auto length = Number(10, ':');
    if (!length || text_.size() <= *length || text_[*length] != '\n') return std::nullopt;
    const std::string_view bytes = text_.substr(0, *length);
    text_.remove_prefix(*length + 1);
    return fs::path(std::u8string(bytes.begin(), bytes.end()));
  }

 private:
  std::string_view& text_;
};

}  // namespace

Content Content::Of(std::string_view bytes) {
  return {State::Bytes, bytes.size(), ContentHash(bytes)};
}

Content Content::Now(const fs::path& path) {
  std::error_code ec;
  const auto status = fs::symlink_status(path, ec);
  if (status.type() == fs::file_type::not_found) return {};
  try {
    FileStamp stamp;
    ReadFilePieces(path, &stamp, [](std::string_view) {});
    return {State::Bytes, stamp.size, stamp.hash};
  } catch (const FileError&) {
    return {State::Unreadable};
  }
}

std::string Format(const Record& record) {
  std::string text(kHeader);
  for (const File& file : record.files)
    text += "file " + ContentField(file.before) + " " + ContentField(file.after) + " " +
            PathField(file.path) + "\n";
  for (const fs::path& temp : record.temps) text += "temp " + PathField(temp) + "\n";
  return text + "end\n";
}

Record Parse(std::string_view text) {
  Record record;
  record.whole = false;
  const bool v1 = text.substr(0, kHeaderV1.size()) == kHeaderV1;
  if (!v1 && text.substr(0, kHeader.size()) != kHeader) return record;
  text.remove_prefix(kHeader.size());
  Fields fields(text);
  while (!text.empty()) {
    if (!v1 && text == "end\n") {
      record.whole = true;
      break;
    }
    const std::string_view kind = text.substr(0, 5);
    text.remove_prefix(kind.size());
    if (kind == "temp ") {
      const auto path = fields.Path();
      if (!path) break;
      record.temps.push_back(*path);
    } else if (kind == "file " && v1) {
      const auto kept = fields.Number(10), size = fields.Number(10), hash = fields.Number(16);
      const auto path = hash ? fields.Path() : std::nullopt;
      if (!kept || !path) break;
      record.files.push_back({*path,
                              Content{*kept != 0 ? Content::State::Kept : Content::State::Absent},
                              Content{Content::State::Bytes, *size, *hash}});
    } else if (kind == "file ") {
      const auto before = fields.Of();
      const auto after = before ? fields.Of() : std::nullopt;
      const auto path = after ? fields.Path() : std::nullopt;
      if (!path) break;
      record.files.push_back({*path, *before, *after});
    } else {
      break;
    }
  }
  // A record of version 1 has no end line: read to its end, it is whole.
  if (v1) record.whole = text.empty();
  return record;
}

}  // namespace backups::record
