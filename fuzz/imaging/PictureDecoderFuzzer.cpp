// Feeds arbitrary bytes to the PCX and TGA decoders: they must never read or
// write out of bounds, and a picture they return must be whole.
#include <cstdint>
#include <cstdlib>

#include "imaging/PcxDecoder.h"
#include "imaging/TgaDecoder.h"

namespace {

void Check(const std::optional<pcx::Picture>& picture) {
  if (!picture) return;
  if (picture->width <= 0 || picture->height <= 0 ||
      picture->rgb.size() != static_cast<std::size_t>(picture->width) * picture->height * 3)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Check(pcx::Decode(data, size));
  Check(tga::Decode(data, size));
  return 0;
}
