#include "imaging/PcxDecoder.h"

#include <algorithm>

namespace pcx {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteSize = 769;  // marker byte 0x0C and 256 RGB entries

unsigned Word(const std::uint8_t* p) { return p[0] | (unsigned{p[1]} << 8); }

// Expands the pixel data of [begin, end) into exactly out.size() bytes; false
// when the data ends first.
bool Expand(const std::uint8_t* begin, const std::uint8_t* end, bool rle,
            std::vector<std::uint8_t>& out) {
  std::size_t filled = 0;
  const std::size_t total = out.size();
  if (!rle) {
    if (static_cast<std::size_t>(end - begin) < total) return false;
    std::copy(begin, begin + total, out.begin());
    return true;
  }
  const std::uint8_t* p = begin;
  while (filled < total) {
    if (p == end) return false;
    std::uint8_t byte = *p++;
    std::size_t count = 1;
    if ((byte & 0xC0) == 0xC0) {
      count = byte & 0x3F;
      if (p == end) return false;
      byte = *p++;
    }
    // Runs may cross scan lines; a run past the last line is cut off.
    if (count > total - filled) count = total - filled;
    std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(filled), count, byte);
    filled += count;
  }
  return true;
}

}  // namespace

bool WithinAllocationLimit(std::uint64_t width, std::uint64_t height, std::uint64_t storedBytes) {
  if (width > kAllocationLimit || height > kAllocationLimit) return false;
  const std::uint64_t pixels = width * height;  // below 2^56: the products below cannot overflow
  return storedBytes <= kAllocationLimit && pixels * 3 <= kAllocationLimit - storedBytes &&
         pixels * 7 <= kAllocationLimit;
}

std::optional<Picture> Decode(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < kHeaderSize) return std::nullopt;
  const std::uint8_t manufacturer = data[0];
  const std::uint8_t encoding = data[2];
  const std::uint8_t bitsPerPixel = data[3];
  const unsigned xMin = Word(data + 4), yMin = Word(data + 6);
  const unsigned xMax = Word(data + 8), yMax = Word(data + 10);
  const std::uint8_t planes = data[65];
  const unsigned bytesPerLine = Word(data + 66);

  if (manufacturer != 0x0A || encoding > 1 || bitsPerPixel != 8) return std::nullopt;
  if (planes != 1 && planes != 3) return std::nullopt;
  if (xMax < xMin || yMax < yMin) return std::nullopt;
  const std::int64_t width = std::int64_t{xMax} - xMin + 1;
  const std::int64_t height = std::int64_t{yMax} - yMin + 1;
  // A scan line holds the width, padded for alignment only.
  if (bytesPerLine < width || bytesPerLine - width > kMaxLinePadding) return std::nullopt;

  const std::uint8_t* pixels = data + kHeaderSize;
  const std::uint8_t* pixelsEnd = data + size;
  const std::uint8_t* palette = nullptr;
  if (planes == 1) {
    if (size < kHeaderSize + kPaletteSize || data[size - kPaletteSize] != 0x0C) return std::nullopt;
    palette = data + size - kPaletteSize + 1;
    pixelsEnd = data + size - kPaletteSize;
  }

  const std::size_t lineBytes = std::size_t{bytesPerLine} * planes;
  const std::size_t total = lineBytes * static_cast<std::size_t>(height);
  if (!WithinAllocationLimit(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height),
                             total))
    return std::nullopt;
  // Even the longest runs (63 bytes from 2) cannot fill more than this: refuse
  // before allocating for a header that promises more than the file holds.
  const std::size_t available = static_cast<std::size_t>(pixelsEnd - pixels);
  if (encoding == 1 ? total / 32 > available : total > available) return std::nullopt;

  std::vector<std::uint8_t> raw(total);
  if (!Expand(pixels, pixelsEnd, encoding == 1, raw)) return std::nullopt;

  Picture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.rgb.resize(static_cast<std::size_t>(width * height) * 3);
  std::uint8_t* out = picture.rgb.data();
  for (std::int64_t y = 0; y < height; ++y) {
    const std::uint8_t* line = raw.data() + static_cast<std::size_t>(y) * lineBytes;
    for (std::int64_t x = 0; x < width; ++x) {
      if (palette != nullptr) {
        const std::uint8_t* entry = palette + std::size_t{line[x]} * 3;
        *out++ = entry[0];
        *out++ = entry[1];
        *out++ = entry[2];
      } else {
        *out++ = line[x];
        *out++ = line[x + bytesPerLine];
        *out++ = line[x + 2 * std::size_t{bytesPerLine}];
      }
    }
  }
  return picture;
}

}  // namespace pcx
