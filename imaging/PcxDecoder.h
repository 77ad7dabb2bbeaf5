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

// The most memory one picture may cost, in bytes: the same bound Qt's own image
// readers keep by default (256 MB). A header whose picture would cost more is
// refused before anything is allocated, as a broken picture is.
inline constexpr std::uint64_t kAllocationLimit = std::uint64_t{256} << 20;

// Whether reading a width x height picture whose pixel data expands to
// storedBytes holds no more than kAllocationLimit at once: neither while
// decoding (the expanded data with the 3-byte colours) nor while the colours
// become a 4-byte-per-pixel image.
bool WithinAllocationLimit(std::uint64_t width, std::uint64_t height, std::uint64_t storedBytes);

// The most bytes a scan line may hold beyond the width (any alignment up to 8).
inline constexpr unsigned kMaxLinePadding = 7;

// The picture, or nothing when the data is not a PCX picture of a kind above,
// is truncated, pads its scan lines by more than kMaxLinePadding or would cost
// more than kAllocationLimit.
std::optional<Picture> Decode(const std::uint8_t* data, std::size_t size);

}  // namespace pcx
