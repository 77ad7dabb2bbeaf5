#include "imaging/TgaDecoder.h"

#include <array>

namespace tga {

namespace {

constexpr std::size_t kHeaderSize = 18;

unsigned Word(const std::uint8_t* p) { return p[0] | (unsigned{p[1]} << 8); }

// One stored colour of 1 to 4 bytes as red, green, blue.
std::array<std::uint8_t, 3> Colour(const std::uint8_t* p, unsigned bytes) {
  switch (bytes) {
    case 1:
      return {p[0], p[0], p[0]};
    case 2: {
      const unsigned v = Word(p);
      auto five = [](unsigned c) { return static_cast<std::uint8_t>((c << 3) | (c >> 2)); };
      return {five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31)};
    }
    default:  // 3 or 4: blue, green, red (and alpha, ignored)
      return {p[2], p[1], p[0]};
  }
}

}  // namespace

std::optional<pcx::Picture> Decode(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < kHeaderSize) return std::nullopt;
  const unsigned idLength = data[0];
  const unsigned mapType = data[1];
  const unsigned type = data[2];
  const unsigned mapFirst = Word(data + 3);
  const unsigned mapLength = Word(data + 5);
  const unsigned mapBits = data[7];
  const unsigned width = Word(data + 12);
  const unsigned height = Word(data + 14);
  const unsigned bits = data[16];
  const unsigned descriptor = data[17];

  const bool rle = type >= 9;
  const unsigned base = rle ? type - 8 : type;
  if (base < 1 || base > 3 || type > 11 || mapType > 1) return std::nullopt;
  if (width == 0 || height == 0) return std::nullopt;
  if (base == 1 && (mapType != 1 || bits != 8)) return std::nullopt;
  if (base == 2 && bits != 15 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
  if (base == 3 && bits != 8) return std::nullopt;

  std::size_t pos = kHeaderSize + idLength;
  std::vector<std::array<std::uint8_t, 3>> map;
  if (mapType == 1) {
    const unsigned mapBytes = (mapBits + 7) / 8;
    if (mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32) return std::nullopt;
    const std::size_t need = std::size_t{mapLength} * mapBytes;
    if (pos > size || size - pos < need) return std::nullopt;
    if (base == 1) {
      map.reserve(mapLength);
      for (unsigned i = 0; i < mapLength; ++i)
        map.push_back(Colour(data + pos + i * mapBytes, mapBytes));
    }
    pos += need;
  }

  const unsigned pixelBytes = (bits + 7) / 8;
  const std::size_t count = std::size_t{width} * height;
  if (!pcx::WithinAllocationLimit(width, height, std::uint64_t{count} * pixelBytes))
    return std::nullopt;
  if (pos > size) return std::nullopt;
  // A run packet of 1 + pixelBytes bytes gives at most 128 pixels.
  const std::size_t available = size - pos;
  if (rle ? count / 128 > available : count * pixelBytes > available) return std::nullopt;

  // Expand to stored pixels first, in file order.
  std::vector<std::uint8_t> stored(count * pixelBytes);
  if (!rle) {
    std::copy(data + pos, data + pos + stored.size(), stored.begin());
  } else {
    std::size_t filled = 0;
    while (filled < count) {
      if (pos >= size) return std::nullopt;
      const unsigned packet = data[pos++];
      std::size_t n = (packet & 0x7F) + 1;
      if (n > count - filled) n = count - filled;  // a packet past the end is cut off
      std::uint8_t* out = stored.data() + filled * pixelBytes;
      if (packet & 0x80) {
        if (size - pos < pixelBytes) return std::nullopt;
        for (std::size_t i = 0; i < n; ++i)
          std::copy(data + pos, data + pos + pixelBytes, out + i * pixelBytes);
        pos += pixelBytes;
      } else {
        if ((size - pos) / pixelBytes < n) return std::nullopt;
        std::copy(data + pos, data + pos + n * pixelBytes, out);
        pos += n * pixelBytes;
      }
      filled += n;
    }
  }

  pcx::Picture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.rgb.resize(count * 3);
  const bool topDown = (descriptor & 0x20) != 0;
  const bool rightToLeft = (descriptor & 0x10) != 0;
  for (unsigned row = 0; row < height; ++row) {
    const unsigned y = topDown ? row : height - 1 - row;
    for (unsigned col = 0; col < width; ++col) {
      const unsigned x = rightToLeft ? width - 1 - col : col;
      const std::uint8_t* p = stored.data() + (std::size_t{row} * width + col) * pixelBytes;
      std::array<std::uint8_t, 3> rgb;
      if (base == 1) {
        const unsigned index = p[0];
        // An index outside the map shows black rather than reading past it.
        rgb = index >= mapFirst && index - mapFirst < map.size() ? map[index - mapFirst]
                                                                 : std::array<std::uint8_t, 3>{};
      } else {
        rgb = Colour(p, pixelBytes);
      }
      std::copy(rgb.begin(), rgb.end(), picture.rgb.begin() + (std::size_t{y} * width + x) * 3);
    }
  }
  return picture;
}

}  // namespace tga
