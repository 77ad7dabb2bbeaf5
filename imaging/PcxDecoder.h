// Decoder for PCX pictures: 8 bits per pixel with a 256-colour palette at the
// end of the file, or three 8-bit planes (red, green, blue) per scan line;
// run-length encoded or stored. Standard library only; safe on any input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace pcx {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes per pixel (red, green, blue), rows top down
};

// The largest picture accepted, in pixels (larger headers are refused before
// anything is allocated).
inline constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

// The picture, or nothing when the data is not a PCX picture of a kind above,
// is truncated or is larger than kMaxPixels.
std::optional<Picture> Decode(const std::uint8_t* data, std::size_t size);

}  // namespace pcx
