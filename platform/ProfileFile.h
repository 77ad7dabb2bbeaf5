// Profile (.ini) files with the behaviour of the Windows private-profile
// functions, on plain bytes: "[section]" lines, "name=value" lines, ";" comment
// lines. Standard library only, so the text logic can be fuzzed and run under
// the sanitizers; the Qt platform layer and its test double build on it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile {

// The value of key in the first section named section: the text after the
// first "=" of the first matching name line, without the blanks around it and
// without one pair of enclosing double quotes. Section and key names compare
// case-insensitively (ASCII) after trimming their blanks. Nothing when the
// section or the key is missing.
std::optional<std::string> Read(std::string_view text, std::string_view section,
                                std::string_view key);

// Whether a write of these names and value gives a file from which they read
// back: no line breaks anywhere, a non-empty key that holds no "=" and does
// not begin with "[" or ";", a section name without "]".
bool CanWrite(std::string_view section, std::string_view key, std::string_view value);

// The lines of a profile text: breaks are CR LF, LF or a lone CR.
std::vector<std::string> SplitLines(std::string_view text);

// Sets key in the lines: replaces the value of the first matching key of the
// first matching section (the text before its "=" stays), else inserts
// "key=value" after the section's last non-blank line, else appends
// "[section]" and the key at the end. Every other line stays as it was.
// Returns false, changing nothing, when CanWrite refuses.
bool WriteLines(std::vector<std::string>& lines, std::string_view section, std::string_view key,
                std::string_view value);

// WriteLines on a whole text; the result ends every line with CR LF. Nothing
// when CanWrite refuses.
std::optional<std::string> Write(std::string_view text, std::string_view section,
                                 std::string_view key, std::string_view value);

// Read on a file; defaultValue when the file cannot be read or lacks the key.
std::string ReadFile(const std::filesystem::path& file, std::string_view section,
                     std::string_view key, std::string_view defaultValue);

// Write on a file, which (like the section) is created when missing. The file
// is replaced atomically with CR LF line breaks. Returns false and leaves the
// old file as it was when it cannot be read or written or CanWrite refuses.
bool WriteFile(const std::filesystem::path& file, std::string_view section, std::string_view key,
               std::string_view value);

}  // namespace platform::profile
