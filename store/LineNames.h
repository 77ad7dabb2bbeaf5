// What the reading of a document shares with the index of its names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// NormalizeNameLine, telling where the line's first "=" is afterwards (npos
// for none).
std::size_t Normalize(std::string& line);
// The hash a name is indexed under: the high half of HashNoCase, never 0 (a
// line without a name is noted as 0).
std::uint32_t NameHash(std::string_view name);
