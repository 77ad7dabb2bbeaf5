// Decoder for TGA pictures: colour-mapped (8-bit indices into a 15/16/24/32-bit
// map), true colour (15/16/24/32 bits) and grey (8 bits), stored or run-length
// encoded, any origin corner, with or without the version 2 footer. Standard
// library only; safe on any input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "imaging/PcxDecoder.h"

namespace tga {

// The picture (same form as a PCX one), or nothing when the data is not a TGA
// picture of a kind above, is truncated or would cost more than
// pcx::kAllocationLimit.
std::optional<pcx::Picture> Decode(const std::uint8_t* data, std::size_t size);

}  // namespace tga
