// The record an Apply leaves in its backup set before it replaces anything:
// for each file what it held before (its size and hash, or "absent") and
// what the Apply writes there, and the temporary files it may make. It is
// what lets the next start tell, file by file, what an Apply cut short left
// behind, and touch only what is provably its own.
//
//   quib-configurator apply 2
//   file <before> <after> <length>:<path>     before/after: «<size>:<hash>» or «-»
//   temp <length>:<path>
//   end
//
// Records of version 1 («file <kept> <size> <hash> <length>:<path>») name no
// hash of what a file held before: the set's copy of it tells (Kept).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace backups::record {

// What a file holds: nothing, some bytes (by size and hash), bytes that only
// the set's copy tells (a record of version 1), or what could not be read.
struct Content {
  enum class State { Absent, Bytes, Kept, Unreadable } state = State::Absent;
  std::uint64_t size = 0, hash = 0;

  static Content Of(std::string_view bytes);
  // What the file holds now.
  static Content Now(const std::filesystem::path& path);
  bool operator==(const Content& other) const {
    return state == other.state &&
           (state != State::Bytes || (size == other.size && hash == other.hash));
  }
};

struct File {
  std::filesystem::path path;
  Content before, after;
};

struct Record {
  std::vector<File> files;
  std::vector<std::filesystem::path> temps;
  // Whether the record was read to its end: a torn one still names what it
  // could (its temporary files, to be removed).
  bool whole = true;
};

std::string Format(const Record& record);
Record Parse(std::string_view text);

}  // namespace backups::record
