// The key colour map paints a template as the per-pixel rule does: a pixel
// whose colour is a key takes that key's colour (the first key when several
// are equal), every other pixel keeps its colour with full alpha.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "themes/KeyColourMap.h"

namespace {

using preview::KeyColourMap;

std::vector<std::uint32_t> PerPixel(const std::vector<std::uint32_t>& pixels,
                                    const std::vector<std::uint32_t>& keys,
                                    const std::vector<std::uint32_t>& colours) {
  std::vector<std::uint32_t> out;
  for (const std::uint32_t p : pixels) {
    std::uint32_t result = p | 0xFF000000u;
    for (std::size_t k = 0; k < keys.size(); ++k)
      if ((p & 0xFFFFFF) == (keys[k] & 0xFFFFFF)) {
        result = colours[k];
        break;
      }
    out.push_back(result);
  }
  return out;
}

TEST(KeyColourMap, PaintsAsThePerPixelRule) {
  std::mt19937 random(3);
  const std::vector<std::uint32_t> keys = {0x00C0C0, 0xFF0000, 0x123456, 0xFF0000, 0x000000};
  for (int round = 0; round < 50; ++round) {
    const int width = 1 + static_cast<int>(random() % 40),
              height = 1 + static_cast<int>(random() % 30);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    std::uint32_t last = 0;
    for (auto& p : pixels) {
      // Flat areas broken by other colours, alpha anything.
      if (random() % 4 == 0)
        last = random() % 3 == 0 ? static_cast<std::uint32_t>(random())
                                 : keys[random() % keys.size()] | (random() << 24);
      p = last;
    }
    std::vector<std::uint32_t> colours;
    for (std::size_t k = 0; k < keys.size(); ++k)
      colours.push_back(0xFF000000u | static_cast<std::uint32_t>(random()));
    const KeyColourMap map(pixels.data(), width, height, width, keys);
    // Painted into rows wider than the picture: the margins stay untouched.
    const int stride = width + 3;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(stride * height), 0xDEADBEEF);
    map.Paint(out.data(), stride, colours);
    const auto expected = PerPixel(pixels, keys, colours);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < stride; ++x) {
        const std::uint32_t got = out[static_cast<std::size_t>(y * stride + x)];
        if (x >= width) {
          ASSERT_EQ(got, 0xDEADBEEFu);
          continue;
        }
        const std::size_t i = static_cast<std::size_t>(y * width + x);
        ASSERT_EQ(got, expected[i]) << round << ": " << x << "," << y;
        int key = -1;
        for (std::size_t k = 0; k < keys.size() && key < 0; ++k)
          if ((pixels[i] & 0xFFFFFF) == keys[k]) key = static_cast<int>(k);
        ASSERT_EQ(map.KeyAt(x, y), key) << round << ": " << x << "," << y;
      }
    }
  }
}

TEST(KeyColourMap, StretchesEndAtTheRowsEnd) {
  // Two rows of one key: painted row by row, never into the gap between rows.
  const std::vector<std::uint32_t> pixels(6, 0x00FF00);
  const std::vector<std::uint32_t> keys = {0x00FF00};
  const KeyColourMap map(pixels.data(), 3, 2, 3, keys);
  std::vector<std::uint32_t> out(10, 7);
  map.Paint(out.data(), 5, std::vector<std::uint32_t>{0xFF0000FF});
  EXPECT_EQ(out, (std::vector<std::uint32_t>{0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 7, 7, 0xFF0000FF,
                                             0xFF0000FF, 0xFF0000FF, 7, 7}));
  EXPECT_EQ(map.KeyAt(3, 0), -1);
  EXPECT_EQ(KeyColourMap().KeyAt(0, 0), -1);
}

}  // namespace
