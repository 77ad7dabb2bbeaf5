#include "store/Cp1252.h"

#include <array>
#include <cstring>

namespace cp1252 {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct UpperTable {
  std::array<unsigned char, 256> map{};
  constexpr UpperTable() {
    for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
    for (int i = 'a'; i <= 'z'; ++i) map[i] = static_cast<unsigned char>(i - 32);
    for (int i = 0xE0; i <= 0xFE; ++i)
      if (i != 0xF7) map[i] = static_cast<unsigned char>(i - 32);
    map[0x9A] = 0x8A;  // š
    map[0x9C] = 0x8C;  // œ
    map[0x9E] = 0x8E;  // ž
    map[0xFF] = 0x9F;  // ÿ
  }
};
constexpr UpperTable kUpper;

struct LowerTable {
  std::array<unsigned char, 256> map{};
  constexpr LowerTable() {
    for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
    for (int i = 0; i < 256; ++i)
      if (kUpper.map[i] != i) map[kUpper.map[i]] = static_cast<unsigned char>(i);
  }
};
constexpr LowerTable kLower;

}  // namespace

unsigned char ToUpper(unsigned char c) { return kUpper.map[c]; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (kUpper.map[static_cast<unsigned char>(a[i])] !=
        kUpper.map[static_cast<unsigned char>(b[i])])
      return false;
  }
  return true;
}

std::uint64_t HashNoCase(std::string_view text) {
  // Every byte is folded so that the two letters of each case pair meet: the
  // ASCII pairs differ in 0x20, the Windows-1252 ones (both 0x80 or above) in
  // bits of 0x70. Other bytes may meet as well; that only costs a comparison.
  constexpr std::uint64_t kLow = 0x2020202020202020ull, kHigh = 0x8080808080808080ull;
  constexpr std::uint64_t kMul = 0xFF51AFD7ED558CCDull;
  auto fold = [](std::uint64_t word) { return word | kLow | ((word & kHigh) >> 7) * 0x70; };
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ text.size();
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    h = (h ^ fold(word)) * kMul;
    h ^= h >> 32;
  }
  std::uint64_t word = 0;
  std::memcpy(&word, text.data() + i, text.size() - i);
  h = (h ^ fold(word)) * kMul;
  h ^= h >> 29;
  h *= kMul;
  return h ^ (h >> 32);
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kLower.map[static_cast<unsigned char>(c)]);
  return out;
}

std::u16string ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    out.push_back(c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : static_cast<char16_t>(c));
  }
  return out;
}

std::string FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t u : text) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
      if (kHigh[i] == u) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    out.push_back(mapped);
  }
  return out;
}

}  // namespace cp1252
