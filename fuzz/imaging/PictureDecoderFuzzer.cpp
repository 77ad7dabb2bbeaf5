// Feeds arbitrary bytes to the PCX and TGA decoders: they must never read or
// write out of bounds, and a picture they return must be whole, of the size its
// header gives and within the allocation limit.
#include <cstdint>
#include <cstdlib>

#include "imaging/PcxDecoder.h"
#include "imaging/TgaDecoder.h"

namespace {

unsigned Word(const std::uint8_t* p) { return p[0] | (unsigned{p[1]} << 8); }

// width, height and the bytes the stored pixels expand to, as the header says.
void Check(const std::optional<pcx::Picture>& picture, std::uint64_t width, std::uint64_t height,
           std::uint64_t storedBytes) {
  if (!picture) return;
  if (picture->width <= 0 || picture->height <= 0 ||
      static_cast<std::uint64_t>(picture->width) != width ||
      static_cast<std::uint64_t>(picture->height) != height ||
      picture->rgb.size() != static_cast<std::size_t>(picture->width) * picture->height * 3)
    std::abort();
  if (!pcx::WithinAllocationLimit(width, height, storedBytes) ||
      storedBytes + picture->rgb.size() > pcx::kAllocationLimit ||
      width * height * 7 > pcx::kAllocationLimit)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (const auto picture = pcx::Decode(data, size)) {
    const std::uint64_t width = std::uint64_t{Word(data + 8)} - Word(data + 4) + 1;
    const std::uint64_t height = std::uint64_t{Word(data + 10)} - Word(data + 6) + 1;
    const std::uint64_t bytesPerLine = Word(data + 66);
    if (bytesPerLine < width || bytesPerLine > width + pcx::kMaxLinePadding) std::abort();
    Check(picture, width, height, bytesPerLine * data[65] * height);
  }
  if (const auto picture = tga::Decode(data, size)) {
    const std::uint64_t width = Word(data + 12), height = Word(data + 14);
    Check(picture, width, height, width * height * ((data[16] + 7u) / 8));
  }
  return 0;
}
