#include <gtest/gtest.h>

#include "imaging/PcxDecoder.h"
#include "tests/imaging/PcxWriter.h"

namespace {

using pcxtest::Bytes;

Bytes Pattern(int w, int h) {
  Bytes rgb;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // Long runs (the flat rows) and bytes of 0xC0 and more.
      const bool flat = y % 3 == 0;
      rgb.push_back(static_cast<std::uint8_t>(flat ? 0xD0 : x * 37 + y));
      rgb.push_back(static_cast<std::uint8_t>(flat ? 0x10 : 255 - x));
      rgb.push_back(static_cast<std::uint8_t>(flat ? 0xFF : (x * y) & 0xF0));
    }
  return rgb;
}

std::optional<pcx::Picture> Decode(const Bytes& b) { return pcx::Decode(b.data(), b.size()); }

TEST(PcxDecoder, DecodesEveryKind) {
  for (const bool paletted : {true, false}) {
    for (const bool rle : {true, false}) {
      // 100 columns make flat runs longer than 63, which must split and
      // continue; 7 rows leave 4 flat ones.
      const int w = paletted ? 9 : 100, h = 7;
      const Bytes rgb = Pattern(w, h);
      const auto picture = Decode(pcxtest::Write(w, h, rgb, paletted, rle));
      ASSERT_TRUE(picture) << paletted << rle;
      EXPECT_EQ(picture->width, w);
      EXPECT_EQ(picture->height, h);
      EXPECT_EQ(picture->rgb, rgb) << paletted << rle;
    }
  }
}

TEST(PcxDecoder, RunsMayCrossScanLines) {
  // Two rows of one colour, 24-bit, padding 0: 6 equal bytes per plane line,
  // encoded as one stream so the red run spans into the next row's planes.
  Bytes file = pcxtest::Write(3, 2, Bytes(18, 0x40), false, true, 0);
  file.resize(128);
  file.push_back(0xC0 | 18);  // one run covers both rows and all planes
  file.push_back(0x40);
  const auto picture = Decode(file);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->rgb, Bytes(18, 0x40));
}

TEST(PcxDecoder, RefusesBrokenFiles) {
  const Bytes rgb = Pattern(5, 4);
  const Bytes good8 = pcxtest::Write(5, 4, rgb, true);
  const Bytes good24 = pcxtest::Write(5, 4, rgb, false);
  ASSERT_TRUE(Decode(good8));
  ASSERT_TRUE(Decode(good24));

  EXPECT_FALSE(pcx::Decode(nullptr, 0));
  EXPECT_FALSE(Decode(Bytes(good24.begin(), good24.begin() + 127)));
  // Truncated pixel data.
  EXPECT_FALSE(Decode(Bytes(good24.begin(), good24.end() - 3)));
  Bytes noMarker = good8;
  noMarker[noMarker.size() - 769] = 0;
  EXPECT_FALSE(Decode(noMarker));
  auto patched = [&](std::size_t at, std::uint8_t value) {
    Bytes b = good24;
    b[at] = value;
    return Decode(b).has_value();
  };
  EXPECT_FALSE(patched(0, 0x0B));  // not a PCX file
  EXPECT_FALSE(patched(2, 2));     // unknown encoding
  EXPECT_FALSE(patched(3, 4));     // 4 bits per pixel
  EXPECT_FALSE(patched(65, 2));    // two planes
  EXPECT_FALSE(patched(66, 2));    // fewer bytes per line than pixels
  Bytes reversed = good24;
  pcxtest::PutWord(reversed, 4, 10);  // xMin beyond xMax
  EXPECT_FALSE(Decode(reversed));
  // A header promising a huge picture is refused before anything is allocated.
  Bytes huge = good24;
  pcxtest::PutWord(huge, 8, 0xFFFF);
  pcxtest::PutWord(huge, 10, 0xFFFF);
  pcxtest::PutWord(huge, 66, 0xFFFF);
  EXPECT_FALSE(Decode(huge));
  Bytes wide = good24;
  pcxtest::PutWord(wide, 8, 4000);
  pcxtest::PutWord(wide, 66, 4001);
  EXPECT_FALSE(Decode(wide));
}

TEST(PcxDecoder, ScanLinesMayBePaddedALittleOnly) {
  const Bytes rgb = Pattern(5, 4);
  for (const bool paletted : {true, false}) {
    const auto padded = Decode(pcxtest::Write(5, 4, rgb, paletted, true, pcx::kMaxLinePadding));
    ASSERT_TRUE(padded) << paletted;
    EXPECT_EQ(padded->rgb, rgb);
    EXPECT_FALSE(Decode(pcxtest::Write(5, 4, rgb, paletted, true, pcx::kMaxLinePadding + 1)));
  }
}

TEST(PcxDecoder, RefusesPicturesOverTheAllocationLimit) {
  // The colours and the image they become take 7 bytes a pixel.
  EXPECT_TRUE(pcx::WithinAllocationLimit(8192, 4096, 8192 * 4096));
  EXPECT_TRUE(pcx::WithinAllocationLimit(6000, 6000, 0));
  EXPECT_FALSE(pcx::WithinAllocationLimit(8192, 8192, 8192 * 8192));
  EXPECT_FALSE(pcx::WithinAllocationLimit(6200, 6200, 0));
  // The expanded data counts while decoding.
  EXPECT_TRUE(pcx::WithinAllocationLimit(16, 16, pcx::kAllocationLimit - 768));
  EXPECT_FALSE(pcx::WithinAllocationLimit(16, 16, pcx::kAllocationLimit - 767));
  EXPECT_FALSE(pcx::WithinAllocationLimit(std::uint64_t{1} << 40, std::uint64_t{1} << 40, 0));
  EXPECT_FALSE(pcx::WithinAllocationLimit(std::uint64_t{1} << 62, 1, 0));

  // 2 MB of the longest runs fill an 8192 x 8192 paletted picture: refused
  // before the lines are expanded.
  Bytes file = pcxtest::Write(1, 1, Bytes(3, 0), true, true, 0);
  file.resize(128);
  pcxtest::PutWord(file, 8, 8191);
  pcxtest::PutWord(file, 10, 8191);
  pcxtest::PutWord(file, 66, 8192);
  for (std::size_t i = 0; i <= 8192 * 8192 / 63; ++i) {
    file.push_back(0xFF);
    file.push_back(0x01);
  }
  file.push_back(0x0C);
  file.resize(file.size() + 768, 0x80);
  EXPECT_FALSE(Decode(file));
  // The same data for a picture within the limit decodes.
  pcxtest::PutWord(file, 10, 4095);
  const auto picture = Decode(file);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->height, 4096);
  EXPECT_EQ(picture->rgb.back(), 0x80);
}

}  // namespace
