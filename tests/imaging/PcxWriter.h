// Writes small PCX files for the tests: 8 bits with a palette, or three planes.
#pragma once

#include <cstdint>
#include <vector>

namespace pcxtest {

using Bytes = std::vector<std::uint8_t>;

inline void PutWord(Bytes& b, std::size_t at, unsigned v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Run-length encodes one stream; runs never exceed 63 and a byte of 0xC0 or
// more always goes as a run. With crossLines the whole picture is one stream.
inline void Encode(const Bytes& raw, Bytes& out) {
  std::size_t i = 0;
  while (i < raw.size()) {
    std::size_t n = 1;
    while (i + n < raw.size() && raw[i + n] == raw[i] && n < 63) ++n;
    if (n > 1 || raw[i] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | n));
    out.push_back(raw[i]);
    i += n;
  }
}

// rgb: width x height x 3 bytes. palette mode: every pixel's index is looked up
// in the palette made of the distinct colours (at most 256).
inline Bytes Write(int width, int height, const Bytes& rgb, bool paletted, bool rle = true,
                   unsigned padding = 1) {
  Bytes file(128, 0);
  file[0] = 0x0A;
  file[1] = 5;
  file[2] = rle ? 1 : 0;
  file[3] = 8;
  PutWord(file, 4, 0);
  PutWord(file, 6, 0);
  PutWord(file, 8, static_cast<unsigned>(width - 1));
  PutWord(file, 10, static_cast<unsigned>(height - 1));
  const unsigned bpl = static_cast<unsigned>(width) + padding;
  file[65] = paletted ? 1 : 3;
  PutWord(file, 66, bpl);
  Bytes palette;
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    for (int plane = 0; plane < (paletted ? 1 : 3); ++plane) {
      for (unsigned x = 0; x < bpl; ++x) {
        if (x >= static_cast<unsigned>(width)) {
          raw.push_back(0);
          continue;
        }
        const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        if (!paletted) {
          raw.push_back(p[plane]);
          continue;
        }
        std::size_t index = 0;
        while (index * 3 < palette.size() &&
               !(palette[index * 3] == p[0] && palette[index * 3 + 1] == p[1] &&
                 palette[index * 3 + 2] == p[2]))
          ++index;
        if (index * 3 == palette.size()) palette.insert(palette.end(), p, p + 3);
        raw.push_back(static_cast<std::uint8_t>(index));
      }
    }
  }
  if (rle)
    Encode(raw, file);
  else
    file.insert(file.end(), raw.begin(), raw.end());
  if (paletted) {
    palette.resize(768, 0);
    file.push_back(0x0C);
    file.insert(file.end(), palette.begin(), palette.end());
  }
  return file;
}

}  // namespace pcxtest
