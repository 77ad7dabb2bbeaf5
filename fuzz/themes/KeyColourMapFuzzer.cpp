// Differential: the preview template painted through its key colour map
// against the per-pixel rule (each pixel looked up in the key table: the
// first equal key gives its colour, other pixels keep theirs with full alpha).
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "themes/KeyColourMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const int width = data[0] % 64, height = data[1] % 32;
  const std::size_t keyCount = data[2] % 8;
  data += 3;
  size -= 3;
  auto next = [&]() -> std::uint32_t {
    std::uint32_t v = 0;
    for (int i = 0; i < 4 && size > 0; ++i, ++data, --size) v = v << 8 | *data;
    return v;
  };
  std::vector<std::uint32_t> keys, colours;
  for (std::size_t k = 0; k < keyCount; ++k) keys.push_back(next() & 0xFFFFFF);
  for (std::size_t k = 0; k < keyCount; ++k) colours.push_back(next() | 0xFF000000u);
  // Pixels: a key (with any alpha) or the next colour read, repeated for runs.
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
  std::uint32_t current = 0;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t choice = size > 0 ? *data : 0;
    if (size > 0) {
      ++data;
      --size;
    }
    if (choice % 3 == 0)
      current = next();
    else if (choice % 3 == 1 && !keys.empty())
      current = keys[choice / 3 % keys.size()] | (choice << 24);
    pixels[i] = current;
  }
  const preview::KeyColourMap map(pixels.data(), width, height, width, keys);
  const int stride = width + 1;
  std::vector<std::uint32_t> out(static_cast<std::size_t>(stride * height), 0x12345678);
  map.Paint(out.data(), stride, colours);
  for (int y = 0; y < height; ++y) {
    if (out[static_cast<std::size_t>(y * stride + width)] != 0x12345678) std::abort();
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
      std::uint32_t expected = p | 0xFF000000u;
      int key = -1;
      for (std::size_t k = 0; k < keys.size(); ++k)
        if ((p & 0xFFFFFF) == keys[k]) {
          expected = colours[k];
          key = static_cast<int>(k);
          break;
        }
      if (out[static_cast<std::size_t>(y * stride + x)] != expected) std::abort();
      if (map.KeyAt(x, y) != key) std::abort();
    }
  }
  return 0;
}
