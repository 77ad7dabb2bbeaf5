#include <gtest/gtest.h>

#include <algorithm>

#include "imaging/TgaDecoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// 4 x 3 pixels, rows top down, red-green-blue.
Bytes Pattern() {
  Bytes rgb;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool flat = y == 1;  // a row of equal pixels, for run packets
      rgb.push_back(static_cast<std::uint8_t>(flat ? 200 : x * 60));
      rgb.push_back(static_cast<std::uint8_t>(flat ? 8 : y * 100));
      rgb.push_back(static_cast<std::uint8_t>(flat ? 80 : 255 - x * 10));
    }
  return rgb;
}

Bytes Header(int type, int bits, int descriptor, int idLength = 0) {
  // The 18-byte header, then the image identification field.
  Bytes h(18 + static_cast<std::size_t>(idLength), 'i');
  std::fill(h.begin(), h.begin() + 18, std::uint8_t{0});
  h[0] = static_cast<std::uint8_t>(idLength);
  h[2] = static_cast<std::uint8_t>(type);
  h[12] = 4;
  h[14] = 3;
  h[16] = static_cast<std::uint8_t>(bits);
  h[17] = static_cast<std::uint8_t>(descriptor);
  return h;
}

void Pixel(Bytes& out, const std::uint8_t* p, int bytes) {
  out.push_back(p[2]);
  out.push_back(p[1]);
  out.push_back(p[0]);
  if (bytes == 4) out.push_back(0x80);
}

// Rows in file order for the descriptor, each row as one raw packet or, for
// a row of equal pixels, one run packet.
Bytes Body(const Bytes& rgb, int bytes, bool topDown, bool rle) {
  Bytes out;
  for (int row = 0; row < 3; ++row) {
    const int y = topDown ? row : 2 - row;
    const std::uint8_t* line = &rgb[static_cast<std::size_t>(y) * 12];
    const bool flat = std::equal(line, line + 3, line + 9);
    if (rle && flat) {
      out.push_back(0x80 | 3);
      Pixel(out, line, bytes);
      continue;
    }
    if (rle) out.push_back(3);
    for (int x = 0; x < 4; ++x) Pixel(out, line + x * 3, bytes);
  }
  return out;
}

std::optional<pcx::Picture> Decode(const Bytes& b) { return tga::Decode(b.data(), b.size()); }

TEST(TgaDecoder, TrueColourInEveryLayout) {
  const Bytes rgb = Pattern();
  for (const int bytes : {3, 4})
    for (const bool topDown : {false, true})
      for (const bool rle : {false, true}) {
        Bytes file = Header(rle ? 10 : 2, bytes * 8, topDown ? 0x20 : 0, 5);
        const Bytes body = Body(rgb, bytes, topDown, rle);
        file.insert(file.end(), body.begin(), body.end());
        const auto picture = Decode(file);
        ASSERT_TRUE(picture) << bytes << topDown << rle;
        EXPECT_EQ(picture->rgb, rgb) << bytes << topDown << rle;
      }
}

TEST(TgaDecoder, ColourMapGreyAndSixteenBits) {
  Bytes mapped = Header(1, 8, 0x20);
  mapped[1] = 1;  // colour map present: first index 2, two 24-bit entries
  mapped[3] = 2;
  mapped[5] = 2;
  mapped[7] = 24;
  for (std::uint8_t c : {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00}) mapped.push_back(c);
  for (int i = 0; i < 12; ++i) mapped.push_back(static_cast<std::uint8_t>(i == 11 ? 9 : 2 + i % 2));
  auto picture = Decode(mapped);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->rgb[0], 0xFF);  // index 2: red
  EXPECT_EQ(picture->rgb[4], 0xFF);  // index 3: green
  EXPECT_EQ(picture->rgb[33], 0);    // index 9 is outside the map: black
  EXPECT_EQ(picture->rgb[34], 0);

  Bytes grey = Header(3, 8, 0x30);  // top down, right to left
  for (int i = 0; i < 12; ++i) grey.push_back(static_cast<std::uint8_t>(i * 20));
  picture = Decode(grey);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->rgb[0], 60);  // first stored pixel lands at the right end
  EXPECT_EQ(picture->rgb[9], 0);

  Bytes sixteen = Header(2, 16, 0x20);
  for (int i = 0; i < 12; ++i) {
    sixteen.push_back(0x1F);  // blue 31
    sixteen.push_back(0x7C);  // red 31
  }
  picture = Decode(sixteen);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->rgb[0], 255);
  EXPECT_EQ(picture->rgb[1], 0);
  EXPECT_EQ(picture->rgb[2], 255);
}

TEST(TgaDecoder, RefusesBrokenFiles) {
  Bytes good = Header(2, 24, 0);
  const Bytes body = Body(Pattern(), 3, false, false);
  good.insert(good.end(), body.begin(), body.end());
  ASSERT_TRUE(Decode(good));
  EXPECT_FALSE(tga::Decode(nullptr, 0));
  EXPECT_FALSE(Decode(Bytes(good.begin(), good.end() - 1)));
  auto patched = [&](std::size_t at, std::uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return Decode(b).has_value();
  };
  EXPECT_FALSE(patched(2, 0));    // no picture
  EXPECT_FALSE(patched(2, 32));   // unknown type
  EXPECT_FALSE(patched(16, 12));  // odd depth
  EXPECT_FALSE(patched(12, 0));   // zero width
  EXPECT_FALSE(patched(0, 200));  // an id field longer than the file
  EXPECT_FALSE(patched(1, 1));    // a colour map of an unreadable depth
  Bytes huge = good;
  huge[12] = huge[13] = huge[14] = huge[15] = 0xFF;
  EXPECT_FALSE(Decode(huge));
  Bytes rle = Header(10, 24, 0);
  rle.push_back(0xFF);  // a run packet with no pixel after it
  EXPECT_FALSE(Decode(rle));
}

TEST(TgaDecoder, RefusesPicturesOverTheAllocationLimit) {
  // 2 MB of run packets fill an 8192 x 8192 true-colour picture, which would
  // take 6 bytes a pixel while decoding.
  Bytes file = Header(10, 24, 0);
  file[12] = file[14] = 0x00;
  file[13] = file[15] = 0x20;
  for (std::size_t i = 0; i < 8192 * 8192 / 128; ++i) {
    file.push_back(0xFF);
    file.insert(file.end(), {1, 2, 3});
  }
  EXPECT_FALSE(Decode(file));
  file[15] = 0x10;  // 8192 x 4096 is within the limit
  const auto picture = Decode(file);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->rgb.size(), std::size_t{8192} * 4096 * 3);
  EXPECT_EQ(picture->rgb[0], 3);
}

}  // namespace
