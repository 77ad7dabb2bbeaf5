#include "themes/KeyColourMap.h"

#include <algorithm>
#include <utility>

namespace preview {

KeyColourMap::KeyColourMap(const std::uint32_t* pixels, int width, int height,
                           std::ptrdiff_t stride, std::span<const std::uint32_t> keys)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  // The keys sorted by colour, each with its first place in the table.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> sorted;
  for (std::size_t k = 0; k < keys.size(); ++k)
    sorted.emplace_back(keys[k] & 0xFFFFFF, static_cast<std::uint32_t>(k));
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  auto keyOf = [&](std::uint32_t rgb) -> int {
    const auto it =
        std::lower_bound(sorted.begin(), sorted.end(), rgb,
                         [](const auto& entry, std::uint32_t c) { return entry.first < c; });
    return it != sorted.end() && it->first == rgb ? static_cast<int>(it->second) : -1;
  };

  base_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* row = pixels + y * stride;
    const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    // Templates are drawn in flat areas: the key of the last colour seen is
    // reused until the colour changes.
    std::uint32_t lastRgb = 0;
    int lastKey = -2;
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t rgb = row[x] & 0xFFFFFF;
      base_[start + static_cast<std::size_t>(x)] = row[x] | 0xFF000000u;
      if (lastKey == -2 || rgb != lastRgb) {
        lastRgb = rgb;
        lastKey = keyOf(rgb);
      }
      if (lastKey < 0) continue;
      const auto offset = static_cast<std::uint32_t>(start + static_cast<std::size_t>(x));
      if (x > 0 && !runs_.empty() && runs_.back().key == static_cast<std::uint32_t>(lastKey) &&
          runs_.back().offset + runs_.back().length == offset)
        ++runs_.back().length;
      else
        runs_.push_back({offset, 1, static_cast<std::uint32_t>(lastKey)});
    }
  }
}

void KeyColourMap::Paint(std::uint32_t* out, std::ptrdiff_t stride,
                         std::span<const std::uint32_t> colours) const {
  for (int y = 0; y < height_; ++y)
    std::copy_n(base_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_),
                width_, out + y * stride);
  for (const Run& run : runs_) {
    const std::uint32_t y = run.offset / static_cast<std::uint32_t>(width_);
    const std::uint32_t x = run.offset % static_cast<std::uint32_t>(width_);
    const std::uint32_t colour = run.key < colours.size() ? colours[run.key] : 0xFF000000u;
    std::fill_n(out + static_cast<std::ptrdiff_t>(y) * stride + x, run.length, colour);
  }
}

int KeyColourMap::KeyAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
  const auto offset = static_cast<std::uint32_t>(y * width_ + x);
  const auto it = std::upper_bound(runs_.begin(), runs_.end(), offset,
                                   [](std::uint32_t o, const Run& run) { return o < run.offset; });
  if (it == runs_.begin()) return -1;
  const Run& run = *(it - 1);
  return offset < run.offset + run.length ? static_cast<int>(run.key) : -1;
}

}  // namespace preview
