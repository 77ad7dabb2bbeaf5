// The key colours of a template picture, found once: the picture as stretches
// of one key colour within a row, with every other pixel kept as it is. Painting
// it in a set of colours is then a copy of the rows and a fill per stretch,
// the same as looking every pixel up in the key table. Standard library only.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace preview {

class KeyColourMap {
 public:
  KeyColourMap() = default;
  // pixels: height rows of width 0xAARRGGBB pixels, stride pixels apart.
  // keys: the key colours (0xRRGGBB); a pixel whose colour, alpha aside,
  // equals several of them belongs to the first.
  KeyColourMap(const std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
               std::span<const std::uint32_t> keys);

  // Writes the picture to out (same size, its own stride): a pixel of key k
  // becomes colours[k], every other pixel the template's with full alpha.
  void Paint(std::uint32_t* out, std::ptrdiff_t stride,
             std::span<const std::uint32_t> colours) const;

  // The key of a template pixel, or -1.
  int KeyAt(int x, int y) const;

 private:
  struct Run {
    std::uint32_t offset;  // y * width + x of the first pixel
    std::uint32_t length;
    std::uint32_t key;
  };
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> base_;  // the template with full alpha
  std::vector<Run> runs_;            // in pixel order
};

}  // namespace preview
