// Files named by std::filesystem::path, opened the same way on every system:
// on Windows through the wide-character API, so that names with letters the
// ANSI code page lacks still work.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace native_file {

// The path as text for messages: the bytes the system uses on POSIX systems,
// the ANSI code page on Windows (letters it lacks become "?").
std::string DisplayName(const std::filesystem::path& path);

// Opens a file for reading in binary mode; on Windows other programs may read
// it meanwhile but not write it. nullptr with errno set on failure.
std::FILE* OpenForReading(const std::filesystem::path& path);

}  // namespace native_file
