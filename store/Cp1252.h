// Windows-1252 helpers: the emulator's files are 8-bit text in this code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cp1252 {

// Upper-case form of one byte under Windows-1252 rules: ASCII letters, the
// accented Latin-1 letters (à..þ except ÷) and the pairs š/Š, œ/Œ, ž/Ž, ÿ/Ÿ.
unsigned char ToUpper(unsigned char c);

// Whole-text comparison without regard to case, under the rules above.
bool EqualNoCase(std::string_view a, std::string_view b);

// A hash of a text that texts equal without regard to case share.
std::uint64_t HashNoCase(std::string_view text);

// Lower-cases a whole text under the rules above.
std::string ToLower(std::string_view text);

// Conversions between Windows-1252 bytes and UTF-16. Bytes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 code points of
// the same value so a round trip keeps them; characters outside the code page
// become "?".
std::u16string ToUtf16(std::string_view text);
std::string FromUtf16(std::u16string_view text);

}  // namespace cp1252
