#include "themes/ThemePreview.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QResource>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <map>
#include <utility>

#include "imaging/PictureReader.h"
#include "store/Cp1252.h"

// Brings in the compiled-in pictures of the static library (outside any
// namespace, as the resource initialiser requires).
static void InitPreviewResources() { Q_INIT_RESOURCE(preview); }

namespace preview {

namespace {

constexpr int PW = kPreviewWidth;
constexpr int PH = kPreviewHeight;

// A key colour written as the template has it (0xRRGGBB).
struct Key {
  std::uint32_t rgb;
  ThemeColour TQuibTheme::*field;
};

constexpr Key kKeys[] = {
    {0x00C0C0, &TQuibTheme::BackgroundColor},
    {0x008080, &TQuibTheme::BackgroundGridColor},
    {0xFF0000, &TQuibTheme::WindowBorderColor},
    {0xFFC0C0, &TQuibTheme::WindowBackgroundColor},
    {0x400000, &TQuibTheme::WindowTitlebarTextColor},
    {0xFF4040, &TQuibTheme::WindowTitlebarTextUnactiveColor},
    {0x800000, &TQuibTheme::WindowTextColor},
    {0x0000FF, &TQuibTheme::WindowTextHighlightColor},
    {0xC00000, &TQuibTheme::WindowSeparatorsColor},
    {0x008000, &TQuibTheme::MenuBackgroundColor},
    {0x004000, &TQuibTheme::MenuBorderColor},
    {0x00C000, &TQuibTheme::MenuSelectionColor},
    {0x40FF40, &TQuibTheme::MenuTextColor},
    {0xC0FFC0, &TQuibTheme::MenuTextUnactiveColor},
    {0x000080, &TQuibTheme::WidgetGenericBackgroundColor},
    {0xC0C0FF, &TQuibTheme::WidgetGenericSelectionColor},
    {0x000040, &TQuibTheme::WidgetGenericBorderColor},
    {0x8080FF, &TQuibTheme::WidgetGenericTextColor},
    {0x007000, &TQuibTheme::WidgetGenericTextUnactiveColor},
    {0xC0C000, &TQuibTheme::WidgetListboxBackgroundColor},
    {0xFF00FF, &TQuibTheme::WidgetListboxBorderColor},
    {0x808000, &TQuibTheme::WidgetListboxSelectionColor},
    {0xFFFF00, &TQuibTheme::WidgetListboxTextColor},
    {0xFFC0FF, &TQuibTheme::WidgetScrollbarBackgroundColor},
    {0x800080, &TQuibTheme::WidgetScrollbarScrollerColor},
    {0xFFA000, &TQuibTheme::WidgetStatusbarBackgroundColor},
    {0xFFE0C0, &TQuibTheme::WidgetStatusbarBorderColor},
    {0x885300, &TQuibTheme::WidgetStatusbarTextColor},
};
constexpr int kKeyCount = static_cast<int>(std::size(kKeys));
constexpr auto kKeyRgbs = [] {
  std::array<std::uint32_t, std::size(kKeys)> rgbs{};
  for (std::size_t k = 0; k < rgbs.size(); ++k) rgbs[k] = kKeys[k].rgb;
  return rgbs;
}();

constexpr std::uint32_t kTitleBarKey = 0xFF8080;
constexpr std::uint32_t kMenuKey = 0x8080FE;
constexpr std::uint32_t kMagentaRgb = 0xFF00FF;

constexpr Rect kTitleBars[] = {
    {82, 28, 169, 38}, {260, 22, 345, 32}, {95, 113, 226, 123}, {-60, 106, 68, 116}};
constexpr Rect kOpenMenu = {6, 11, 74, 77};

struct Dot {
  int x, y;
};
constexpr Dot kBloodBorder[] = {{52, 57},   {56, 59},   {59, 61},   {63, 66},   {64, 75},
                                {104, 104}, {106, 105}, {123, 102}, {130, 107}, {140, 105},
                                {147, 103}, {150, 104}, {162, 102}, {160, 109}};
constexpr Dot kBloodBackground[] = {{55, 57},   {51, 60},   {51, 62},   {62, 68},   {63, 77},
                                    {85, 103},  {110, 103}, {117, 105}, {132, 102}, {137, 107},
                                    {153, 103}, {155, 106}, {161, 104}};
constexpr Dot kBloodStatusbar[] = {{54, 58},   {58, 60},   {59, 63},   {65, 69},   {90, 103},
                                   {91, 107},  {95, 102},  {123, 105}, {126, 103}, {143, 102},
                                   {150, 107}, {167, 104}, {171, 103}};
constexpr Dot kBloodSelection[] = {{50, 59},   {57, 61},   {61, 63},   {54, 72},   {96, 105},
                                   {98, 103},  {104, 108}, {112, 104}, {117, 103}, {118, 107},
                                   {136, 105}, {140, 103}, {158, 102}};
constexpr Dot kHearts[] = {{220, 15}, {201, 118}, {165, 134}, {25, 84}};

constexpr int kSnowFlakes = 501;

QRgb ToPixel(ThemeColour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
std::uint32_t Rgb(QRgb p) { return p & 0xFFFFFF; }

// The working picture as plain rows of 32-bit pixels.
struct Canvas {
  QRgb* bits;
  qsizetype stride;  // in pixels
  QRgb* Row(int y) const { return bits + y * stride; }
};

void FillKeyInRect(const Canvas& cv, QRgb colour, Rect r, std::uint32_t key) {
  const int left = std::max(r.left, 0), right = std::min(r.right, PW);
  const int top = std::max(r.top, 0), bottom = std::min(r.bottom, PH);
  for (int y = top; y < bottom; ++y) {
    QRgb* row = cv.Row(y);
    for (int x = left; x < right; ++x)
      if (Rgb(row[x]) == key) row[x] = colour;
  }
}

std::int32_t Percent(std::int32_t p) { return std::clamp(p, 0, 100); }

// Where a gradient over [lo, hi) starts and finishes blending.
std::pair<int, int> BlendLimits(int lo, int hi, std::int32_t start, std::int32_t finish) {
  const std::int64_t w = hi - lo;
  return {static_cast<int>(lo + w * Percent(start) / 100),
          static_cast<int>(lo + w * Percent(finish) / 100)};
}

// Calls band(a, b, colour) for the bands of a gradient over [lo, hi) in the
// order they are laid: columns (or rows) a to b - 1 in one colour.
template <typename Band>
void ForEachBand(int lo, int hi, ThemeColour base, ThemeColour far, std::int32_t start,
                 std::int32_t finish, Band&& band) {
  const auto [s, f] = BlendLimits(lo, hi, start, finish);
  band(lo, s, ToPixel(base));
  band(f, hi, ToPixel(far));
  const std::int64_t n = f - s;
  for (std::int64_t i = 0; i < n; ++i) {
    ThemeColour c = 0;
    for (const std::int64_t m : {0x0000FFLL, 0x00FF00LL, 0xFF0000LL}) {
      const std::int64_t b = base & m, e = far & m;
      c |= static_cast<ThemeColour>((b + (e - b) * i / n) & m);
    }
    band(static_cast<int>(s + i), static_cast<int>(s + i + 1), ToPixel(c));
  }
}

void GradientFillKey(const Canvas& cv, Rect r, std::uint32_t key, ThemeColour base, ThemeColour far,
                     std::int32_t start, std::int32_t finish, bool horizontal) {
  ForEachBand(horizontal ? r.left : r.top, horizontal ? r.right : r.bottom, base, far, start,
              finish, [&](int a, int b, QRgb colour) {
                Rect part = r;
                if (horizontal) {
                  part.left = a;
                  part.right = b;
                } else {
                  part.top = a;
                  part.bottom = b;
                }
                FillKeyInRect(cv, colour, part, key);
              });
}

// The colour a pixel of the key colour ends with at each column (or row) of a
// gradient over [lo, hi): the bands of ForEachBand laid in order, each over
// what still has the key colour. The blend of each band is stepped from the
// last rather than divided out: the same whole numbers, (e - b) * i / n
// rounded towards zero, without three divisions a band.
void GradientTable(std::vector<QRgb>& table, int lo, int hi, std::uint32_t key, ThemeColour base,
                   ThemeColour far, std::int32_t start, std::int32_t finish) {
  table.assign(static_cast<std::size_t>(std::max(hi - lo, 0)), key | 0xFF000000u);
  auto lay = [&](int a, int b, QRgb colour) {
    for (int i = std::max(a, lo); i < std::min(b, hi); ++i) {
      QRgb& t = table[static_cast<std::size_t>(i - lo)];
      if (Rgb(t) == key) t = colour;
    }
  };
  const auto [s, f] = BlendLimits(lo, hi, start, finish);
  lay(lo, s, ToPixel(base));
  lay(f, hi, ToPixel(far));
  const std::int64_t n = f - s;
  if (n <= 0) return;
  // Per channel: |e - b| * i = q * n + r with 0 <= r < n.
  struct Channel {
    std::int64_t mask, b, sign, stepQ, stepR, q = 0, r = 0;
  };
  std::array<Channel, 3> channels{};
  const std::int64_t masks[] = {0x0000FF, 0x00FF00, 0xFF0000};
  for (std::size_t c = 0; c < 3; ++c) {
    const std::int64_t b = base & masks[c], e = far & masks[c];
    const std::int64_t d = e >= b ? e - b : b - e;
    channels[c] = {masks[c], b, e >= b ? 1 : -1, d / n, d % n};
  }
  for (std::int64_t i = 0; i < n; ++i) {
    ThemeColour colour = 0;
    for (Channel& ch : channels) {
      colour |= static_cast<ThemeColour>((ch.b + ch.sign * ch.q) & ch.mask);
      ch.q += ch.stepQ;
      ch.r += ch.stepR;
      if (ch.r >= n) {
        ch.r -= n;
        ++ch.q;
      }
    }
    lay(static_cast<int>(s + i), static_cast<int>(s + i + 1), ToPixel(colour));
  }
}

void DrawHeart(const Canvas& cv, int x, int y, QRgb colour) {
  const Rect parts[] = {{x + 1, y, x + 3, y + 5},
                        {x + 4, y, x + 6, y + 5},
                        {x, y + 1, x + 7, y + 4},
                        {x + 2, y + 4, x + 5, y + 6},
                        {x + 3, y + 6, x + 4, y + 7}};
  for (const Rect& r : parts)
    for (int py = std::max(r.top, 0); py < std::min(r.bottom, PH); ++py)
      for (int px = std::max(r.left, 0); px < std::min(r.right, PW); ++px) cv.Row(py)[px] = colour;
}

void SetDot(const Canvas& cv, Dot d, QRgb colour) {
  if (d.x >= 0 && d.x < PW && d.y >= 0 && d.y < PH) cv.Row(d.y)[d.x] = colour;
}

constexpr int kConsoleX = 166, kConsoleY = 14;

void DrawConsole(const Canvas& cv, const QImage& console) {
  constexpr int kX = kConsoleX, kY = kConsoleY;
  const int width = std::min(console.width(), PW - kX);
  const int height = std::min(console.height(), PH - kY);
  for (int y = 0; y < height; ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(console.constScanLine(y));
    QRgb* row = cv.Row(kY + y) + kX;
    for (int x = 0; x < width; ++x)
      if (Rgb(src[x]) != kMagentaRgb) row[x] = src[x] | 0xFF000000u;
  }
}

// Round with halves to even (the default rounding mode), kept within int.
int Round(double v) {
  const double r = std::nearbyint(v);
  return static_cast<int>(std::clamp(r, -1e9, 1e9));
}

// Nearest source index for destination offset d of a span of n that shows
// a source of size m.
int Sample(std::int64_t d, std::int64_t n, std::int64_t m) {
  return static_cast<int>(std::clamp<std::int64_t>((2 * d + 1) * m / (2 * n), 0, m - 1));
}

// Lays the background picture over the working picture where the mask, cut
// to the placement's mask rectangle, is white.
void DrawBackground(const Canvas& cv, const QImage& mask, const QImage& picture,
                    const Placement& place, bool tiled) {
  const Rect& pr = place.picture;
  const std::int64_t pw = picture.width(), ph = picture.height();
  const std::int64_t rw = pr.right - pr.left, rh = pr.bottom - pr.top;
  const int left = std::max(place.mask.left, 0), right = std::min(place.mask.right, PW);
  const int top = std::max(place.mask.top, 0), bottom = std::min(place.mask.bottom, PH);
  if (left >= right || top >= bottom) return;

  std::vector<int> column(static_cast<std::size_t>(right - left));
  for (int x = left; x < right; ++x) {
    const std::int64_t d = tiled ? (x - pr.left) % rw : x - pr.left;
    column[static_cast<std::size_t>(x - left)] = Sample(d, rw, pw);
  }
  for (int y = top; y < bottom; ++y) {
    const std::int64_t d = tiled ? (y - pr.top) % rh : y - pr.top;
    const auto* src = reinterpret_cast<const QRgb*>(picture.constScanLine(Sample(d, rh, ph)));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    QRgb* row = cv.Row(y);
    for (int x = left; x < right; ++x) {
      const std::uint32_t mk = Rgb(m[x]);
      // Where the mask is black the picture is not read at all.
      if (mk == 0) {
        row[x] |= 0xFF000000u;
        continue;
      }
      const std::uint32_t s = Rgb(src[column[static_cast<std::size_t>(x - left)]]);
      row[x] = 0xFF000000u | (Rgb(row[x]) & ~mk) | (s & mk);
    }
  }
}

constexpr int kRegions = static_cast<int>(std::size(kTitleBars)) + 1;  // the bars, then the menu

Rect RegionRect(int r) { return r < kRegions - 1 ? kTitleBars[r] : kOpenMenu; }
std::uint32_t RegionKey(int r) { return r < kRegions - 1 ? kTitleBarKey : kMenuKey; }
bool RegionHorizontal(int r) { return r < kRegions - 1; }
int RegionSpan(int r) {
  const Rect rect = RegionRect(r);
  return RegionHorizontal(r) ? rect.right - rect.left : rect.bottom - rect.top;
}

}  // namespace

// Palette slots: the key colours first, then the fixed colours of the
// template and the console, then one per column (or row) of each gradient
// rectangle for the pixels of the gradient's key there. The picture is cut
// into tiles of kTile pixels in a row (rows follow each other without a gap);
// a template drawn in flat areas has some hundreds of different tiles, so a
// drawing paints each kind of tile once and then copies one per kTile output
// pixels. The gradient rectangles do not overlap, so a pixel of one is never
// repainted by another.
constexpr int kTile = 4;
constexpr int kTiles = PW * PH / kTile;
static_assert(PW * PH % kTile == 0 && kTiles % 4 == 0, "the tiles cover the picture");

struct SlotTable {
  // A stretch of one key within a row of a gradient rectangle: it takes the
  // gradient when the theme gives the key the gradient's key colour.
  struct KeyRun {
    std::uint32_t offset;  // y * PW + x of the first pixel
    std::uint16_t length;
    std::uint16_t coord;  // column (or row) less the rectangle's left (or top)
    std::uint8_t key;
    std::uint8_t region;
  };
  struct Variant {
    std::vector<std::uint16_t> tiles;      // kTiles: the kind of each tile
    std::vector<std::uint32_t> kindSlots;  // kTile slots per kind
    std::vector<KeyRun> keyRuns;
    // The kinds that hold each key (groups 0 to kKeyCount - 1) or a gradient's
    // slot (group kKeyCount): groupKinds[groupStart[g]] up to groupStart[g + 1].
    std::vector<std::uint32_t> groupStart;
    std::vector<std::uint16_t> groupKinds;
  };
  Variant plain, withConsole;
  std::vector<QRgb> fixed;   // the colours of slots kKeyCount onwards
  std::uint64_t serial = 0;  // tells tables apart for the per-thread caches
  // The mask as stretches within its rows: black (0), white (1) or other (2).
  struct MaskRun {
    std::int16_t left, right;
    std::uint8_t kind;
  };
  std::vector<MaskRun> maskRuns;
  std::vector<std::uint32_t> maskRowStart;  // PH + 1 indexes into maskRuns
};

namespace {

void IndexMask(SlotTable& table, const QImage& mask) {
  auto kindOf = [](QRgb m) -> std::uint8_t { return Rgb(m) == 0 ? 0 : Rgb(m) == 0xFFFFFF ? 1 : 2; };
  for (int y = 0; y < PH; ++y) {
    table.maskRowStart.push_back(static_cast<std::uint32_t>(table.maskRuns.size()));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < PW;) {
      const std::uint8_t kind = kindOf(m[x]);
      int end = x + 1;
      while (end < PW && kindOf(m[end]) == kind) ++end;
      table.maskRuns.push_back(
          {static_cast<std::int16_t>(x), static_cast<std::int16_t>(end), kind});
      x = end;
    }
  }
  table.maskRowStart.push_back(static_cast<std::uint32_t>(table.maskRuns.size()));
}

std::shared_ptr<const SlotTable> MakeSlotTable(const QImage& templ, const QImage& mask,
                                               const QImage& console) {
  auto table = std::make_shared<SlotTable>();
  IndexMask(*table, mask);
  std::array<std::pair<std::uint32_t, int>, kKeyCount> sorted{};
  for (int k = 0; k < kKeyCount; ++k) sorted[static_cast<std::size_t>(k)] = {kKeyRgbs[k], k};
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  auto keyOf = [&](std::uint32_t rgb) {
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), rgb,
                                     [](const auto& e, std::uint32_t v) { return e.first < v; });
    return it != sorted.end() && it->first == rgb ? it->second : -1;
  };
  std::map<QRgb, std::uint32_t> fixedSlots;
  auto fixedSlot = [&](QRgb colour) {
    const auto [it, added] =
        fixedSlots.try_emplace(colour, static_cast<std::uint32_t>(kKeyCount + table->fixed.size()));
    if (added) table->fixed.push_back(colour);
    return it->second;
  };
  const int cw = std::min(console.width(), PW - kConsoleX);
  const int ch = std::min(console.height(), PH - kConsoleY);
  auto consoleAt = [&](int x, int y) -> const QRgb* {
    if (x < kConsoleX || x >= kConsoleX + cw || y < kConsoleY || y >= kConsoleY + ch)
      return nullptr;
    const QRgb* c =
        reinterpret_cast<const QRgb*>(console.constScanLine(y - kConsoleY)) + (x - kConsoleX);
    return Rgb(*c) != kMagentaRgb ? c : nullptr;
  };
  // The region whose rectangle holds each pixel, or -1.
  std::vector<std::int8_t> regionOf(static_cast<std::size_t>(PW * PH), -1);
  std::array<std::uint32_t, kRegions> regionStart{};  // of its slots, past the fixed ones
  std::uint32_t gradientSlots = 0;
  for (int r = 0; r < kRegions; ++r) {
    regionStart[static_cast<std::size_t>(r)] = gradientSlots;
    gradientSlots += static_cast<std::uint32_t>(RegionSpan(r));
    const Rect rect = RegionRect(r);
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, PH); ++y)
      for (int x = std::max(rect.left, 0); x < std::min(rect.right, PW); ++x)
        regionOf[static_cast<std::size_t>(y * PW + x)] = static_cast<std::int8_t>(r);
  }
  constexpr std::uint32_t kGradientSlot = 0x80000000u;  // until the fixed slots are counted
  std::vector<std::uint32_t> slotOf(static_cast<std::size_t>(PW * PH));
  for (const bool withConsole : {false, true}) {
    SlotTable::Variant& v = withConsole ? table->withConsole : table->plain;
    std::uint32_t lastRgb = 0;
    int lastKey = keyOf(0);
    for (int y = 0; y < PH; ++y) {
      const auto* t = reinterpret_cast<const QRgb*>(templ.constScanLine(y));
      for (int x = 0; x < PW; ++x) {
        const auto offset = static_cast<std::size_t>(y * PW + x);
        std::uint32_t& slot = slotOf[offset];
        if (const QRgb* c = withConsole ? consoleAt(x, y) : nullptr) {
          slot = fixedSlot(*c | 0xFF000000u);  // drawn over the gradients
          continue;
        }
        if (Rgb(t[x]) != lastRgb) {
          lastRgb = Rgb(t[x]);
          lastKey = keyOf(lastRgb);
        }
        const int r = regionOf[offset];
        const Rect rect = r >= 0 ? RegionRect(r) : Rect{};
        const int coord = r >= 0 && RegionHorizontal(r) ? x - rect.left : y - rect.top;
        if (lastKey >= 0) {
          slot = static_cast<std::uint32_t>(lastKey);
          if (r < 0) continue;
          // A key the theme may give the gradient's key colour.
          if (!v.keyRuns.empty()) {
            SlotTable::KeyRun& run = v.keyRuns.back();
            if (run.key == lastKey && run.region == r && run.offset + run.length == offset &&
                x > std::max(rect.left, 0)) {
              ++run.length;
              continue;
            }
          }
          v.keyRuns.push_back({static_cast<std::uint32_t>(offset), 1,
                               static_cast<std::uint16_t>(coord),
                               static_cast<std::uint8_t>(lastKey), static_cast<std::uint8_t>(r)});
        } else if (r >= 0 && lastRgb == RegionKey(r)) {
          slot = kGradientSlot + regionStart[static_cast<std::size_t>(r)] +
                 static_cast<std::uint32_t>(coord);
        } else {
          slot = fixedSlot(t[x] | 0xFF000000u);
        }
      }
    }
    // Fewer than 2^16 tiles, so fewer kinds.
    std::map<std::array<std::uint32_t, kTile>, std::uint16_t> kinds;
    v.tiles.resize(kTiles);
    std::array<std::uint32_t, kTile> last{};
    for (std::size_t i = 0; i < kTiles; ++i) {
      std::array<std::uint32_t, kTile> tile{};
      std::copy_n(slotOf.begin() + static_cast<std::ptrdiff_t>(i * kTile), kTile, tile.begin());
      if (i > 0 && tile == last) {  // flat areas: the kind of the tile before
        v.tiles[i] = v.tiles[i - 1];
        continue;
      }
      const auto [it, added] = kinds.try_emplace(tile, static_cast<std::uint16_t>(kinds.size()));
      if (added) v.kindSlots.insert(v.kindSlots.end(), tile.begin(), tile.end());
      v.tiles[i] = it->second;
      last = tile;
    }
  }
  const auto fixedCount = static_cast<std::uint32_t>(table->fixed.size());
  for (SlotTable::Variant* v : {&table->plain, &table->withConsole})
    for (std::uint32_t& slot : v->kindSlots)
      if (slot >= kGradientSlot) slot = slot - kGradientSlot + kKeyCount + fixedCount;
  for (SlotTable::Variant* v : {&table->plain, &table->withConsole}) {
    std::array<std::vector<std::uint16_t>, kKeyCount + 1> groups;
    for (std::size_t kind = 0; kind * kTile < v->kindSlots.size(); ++kind) {
      std::array<bool, kKeyCount + 1> holds{};
      for (std::size_t c = 0; c < kTile; ++c) {
        const std::uint32_t slot = v->kindSlots[kind * kTile + c];
        if (slot < kKeyCount) holds[slot] = true;
        if (slot >= kKeyCount + fixedCount) holds[kKeyCount] = true;
      }
      for (std::size_t g = 0; g < holds.size(); ++g)
        if (holds[g]) groups[g].push_back(static_cast<std::uint16_t>(kind));
    }
    for (const auto& group : groups) {
      v->groupStart.push_back(static_cast<std::uint32_t>(v->groupKinds.size()));
      v->groupKinds.insert(v->groupKinds.end(), group.begin(), group.end());
    }
    v->groupStart.push_back(static_cast<std::uint32_t>(v->groupKinds.size()));
  }
  static std::atomic<std::uint64_t> serials{0};
  table->serial = ++serials;
  return table;
}

// The gradient of each region, as the colour a pixel of its key ends with at
// each column (or row), made again only when the theme's gradients change.
struct Gradients {
  struct Region {
    ThemeColour base = 0, far = 0;
    std::int32_t start = -1, finish = -1;
    std::vector<QRgb> table;
  };
  std::array<Region, kRegions> regions;

  // Whether a table changed.
  bool Update(const TQuibTheme& theme) {
    bool changed = false;
    for (int r = 0; r < kRegions; ++r) {
      const Rect rect = RegionRect(r);
      const bool bar = RegionHorizontal(r);
      const ThemeColour base = bar ? theme.WindowTitlebarColor : theme.MenuBackgroundColor;
      const ThemeColour far = bar ? theme.WindowTitlebarGradientColor : theme.MenuGradientColor;
      const std::int32_t start = bar ? theme.TitlebarGradientStart : theme.MenuGradientStart;
      const std::int32_t finish = bar ? theme.TitlebarGradientFinish : theme.MenuGradientFinish;
      Region& g = regions[static_cast<std::size_t>(r)];
      if (g.base == base && g.far == far && g.start == start && g.finish == finish &&
          g.table.size() == static_cast<std::size_t>(RegionSpan(r)))
        continue;
      GradientTable(g.table, bar ? rect.left : rect.top, bar ? rect.right : rect.bottom,
                    RegionKey(r), base, far, start, finish);
      g.base = base;
      g.far = far;
      g.start = start;
      g.finish = finish;
      changed = true;
    }
    return changed;
  }
};

// The key colours, the gradients and (for a theme without a picture) the
// console: PW x PH pixels written once each to out.
void PaintBase(const SlotTable& table, const TQuibTheme& theme,
               const std::array<std::uint32_t, kKeyCount>& replacement, bool withConsole,
               QRgb* out) {
  const SlotTable::Variant& v = withConsole ? table.withConsole : table.plain;
  thread_local Gradients gradients;
  const bool gradientsChanged = gradients.Update(theme);
  // The colours of the tile kinds, kept while the theme's colours stay the
  // same (a step of a colour slider changes one, a theme switch many).
  struct Kinds {
    std::uint64_t serial = 0;
    bool withConsole = false;
    std::array<QRgb, kKeyCount> keys{};
    std::vector<QRgb> palette;
    std::vector<QRgb> colours;  // kTile per kind
  };
  thread_local Kinds kinds;
  const bool sameTable = kinds.serial == table.serial && kinds.withConsole == withConsole;
  if (!sameTable || kinds.keys != replacement || gradientsChanged) {
    // The groups whose colours changed, and what repainting only their kinds
    // would cost against repainting every kind.
    std::array<bool, kKeyCount + 1> changed{};
    std::size_t partial = 0;
    for (std::size_t g = 0; g < changed.size(); ++g) {
      changed[g] = g < kKeyCount ? kinds.keys[g] != replacement[g] : gradientsChanged;
      if (changed[g]) partial += v.groupStart[g + 1] - v.groupStart[g];
    }
    kinds.palette.assign(replacement.begin(), replacement.end());
    kinds.palette.insert(kinds.palette.end(), table.fixed.begin(), table.fixed.end());
    for (const Gradients::Region& g : gradients.regions)
      kinds.palette.insert(kinds.palette.end(), g.table.begin(), g.table.end());
    const QRgb* palette = kinds.palette.data();
    const std::uint32_t* kindSlots = v.kindSlots.data();
    if (!sameTable || 2 * partial > v.kindSlots.size() / kTile) {
      kinds.colours.resize(v.kindSlots.size());
      QRgb* colours = kinds.colours.data();
      for (std::size_t i = 0; i < v.kindSlots.size(); ++i) colours[i] = palette[kindSlots[i]];
    } else {
      QRgb* colours = kinds.colours.data();
      for (std::size_t g = 0; g < changed.size(); ++g) {
        if (!changed[g]) continue;
        for (std::uint32_t i = v.groupStart[g]; i < v.groupStart[g + 1]; ++i) {
          const std::size_t first = std::size_t{v.groupKinds[i]} * kTile;
          for (std::size_t c = first; c < first + kTile; ++c) colours[c] = palette[kindSlots[c]];
        }
      }
    }
    kinds.serial = table.serial;
    kinds.withConsole = withConsole;
    kinds.keys = replacement;
  }
  const std::uint16_t* tiles = v.tiles.data();
  const QRgb* colours = kinds.colours.data();
  for (std::size_t i = 0; i < kTiles; i += 4) {
    QRgb* o = out + i * kTile;
    std::memcpy(o, colours + std::size_t{tiles[i]} * kTile, sizeof(QRgb) * kTile);
    std::memcpy(o + kTile, colours + std::size_t{tiles[i + 1]} * kTile, sizeof(QRgb) * kTile);
    std::memcpy(o + 2 * kTile, colours + std::size_t{tiles[i + 2]} * kTile, sizeof(QRgb) * kTile);
    std::memcpy(o + 3 * kTile, colours + std::size_t{tiles[i + 3]} * kTile, sizeof(QRgb) * kTile);
  }

  // Keys the theme gives a gradient's key colour take the gradient too.
  const bool keyTakesGradient = std::any_of(replacement.begin(), replacement.end(), [](QRgb c) {
    return Rgb(c) == kTitleBarKey || Rgb(c) == kMenuKey;
  });
  if (!keyTakesGradient) return;
  for (const SlotTable::KeyRun& run : v.keyRuns) {
    if (Rgb(replacement[run.key]) != RegionKey(run.region)) continue;
    const std::vector<QRgb>& colour = gradients.regions[run.region].table;
    if (RegionHorizontal(run.region))
      std::copy_n(colour.data() + run.coord, run.length, out + run.offset);
    else
      std::fill_n(out + run.offset, run.length, colour[run.coord]);
  }
}

// PaintBase into a picture of its own for the drawings with a background
// picture, kept while the theme's colours and gradients stay the same.
const QRgb* PictureBase(const SlotTable& table, const TQuibTheme& theme,
                        const std::array<std::uint32_t, kKeyCount>& replacement) {
  struct Base {
    std::uint64_t serial = 0;
    std::array<QRgb, kKeyCount> keys{};
    std::array<std::int64_t, 8> gradients{};
    std::vector<QRgb> pixels;
  };
  thread_local Base base;
  const std::array<std::int64_t, 8> gradients = {
      theme.WindowTitlebarColor,    theme.WindowTitlebarGradientColor, theme.TitlebarGradientStart,
      theme.TitlebarGradientFinish, theme.MenuBackgroundColor,         theme.MenuGradientColor,
      theme.MenuGradientStart,      theme.MenuGradientFinish};
  if (base.serial != table.serial || base.keys != replacement || base.gradients != gradients) {
    base.pixels.resize(static_cast<std::size_t>(PW * PH));
    PaintBase(table, theme, replacement, false, base.pixels.data());
    base.serial = table.serial;
    base.keys = replacement;
    base.gradients = gradients;
  }
  return base.pixels.data();
}

// The picture drawn into: one per thread, used again while no caller still
// holds the one handed out last.
QImage& OutputImage() {
  thread_local QImage image;
  if (image.isNull() || !image.isDetached()) image = QImage(PW, PH, QImage::Format_RGB32);
  return image;
}

// DrawBackground over the mask's stretches: where it is white the picture's
// pixel is taken as it is, where black the working picture is kept.
// Writes each pixel once: the base where the picture does not go.
void DrawBackgroundRuns(const Canvas& cv, const SlotTable& table, const QImage& mask,
                        const QImage& picture, const Placement& place, bool tiled,
                        const QRgb* base) {
  auto copyRows = [&](int from, int to) {
    for (int y = from; y < to; ++y)
      std::copy_n(base + static_cast<std::size_t>(y * PW), PW, cv.Row(y));
  };
  const Rect& pr = place.picture;
  const std::int64_t pw = picture.width(), ph = picture.height();
  const std::int64_t rw = pr.right - pr.left, rh = pr.bottom - pr.top;
  const int left = std::max(place.mask.left, 0), right = std::min(place.mask.right, PW);
  const int top = std::max(place.mask.top, 0), bottom = std::min(place.mask.bottom, PH);
  if (left >= right || top >= bottom) {
    copyRows(0, PH);
    return;
  }
  copyRows(0, top);
  copyRows(bottom, PH);

  std::array<int, PW> column{};  // by preview column
  for (int x = left; x < right; ++x) {
    const std::int64_t d = tiled ? (x - pr.left) % rw : x - pr.left;
    column[static_cast<std::size_t>(x)] = Sample(d, rw, pw);
  }
  const uchar* bits = picture.constBits();
  const qsizetype bpl = picture.bytesPerLine();
  for (int y = top; y < bottom; ++y) {
    const std::int64_t d = tiled ? (y - pr.top) % rh : y - pr.top;
    const auto* src = reinterpret_cast<const QRgb*>(bits + Sample(d, rh, ph) * bpl);
    QRgb* row = cv.Row(y);
    const QRgb* under = base + static_cast<std::size_t>(y * PW);
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    const auto first = table.maskRuns.begin() + table.maskRowStart[static_cast<std::size_t>(y)];
    const auto last = table.maskRuns.begin() + table.maskRowStart[static_cast<std::size_t>(y) + 1];
    for (auto run = first; run != last; ++run) {
      const int a = std::max<int>(run->left, left), b = std::min<int>(run->right, right);
      if (a >= b || run->kind == 0) {
        std::copy(under + run->left, under + run->right, row + run->left);
        continue;
      }
      std::copy(under + run->left, under + a, row + run->left);
      std::copy(under + b, under + std::max<int>(b, run->right), row + b);
      if (run->kind == 1) {
        for (int x = a; x < b; ++x) row[x] = src[column[static_cast<std::size_t>(x)]] | 0xFF000000u;
      } else {
        for (int x = a; x < b; ++x) {
          const std::uint32_t mk = Rgb(m[x]);
          const std::uint32_t s = Rgb(src[column[static_cast<std::size_t>(x)]]);
          row[x] = 0xFF000000u | (Rgb(under[x]) & ~mk) | (s & mk);
        }
      }
    }
  }
}

QString PictureFileName(const QString& dir, const std::string& stored) {
  const std::u16string wide = cp1252::ToUtf16(stored);
  QString name = QString::fromStdU16String(wide);
#ifndef _WIN32
  name.replace(QLatin1Char('\\'), QLatin1Char('/'));  // names written on Windows
#endif
  return dir + name;
}

}  // namespace

PreviewPictures MakePreviewPictures(const QImage& templ, const QImage& mask,
                                    const QImage& console) {
  PreviewPictures p;
  p.templ = templ.convertToFormat(QImage::Format_RGB32);
  p.mask = mask.convertToFormat(QImage::Format_RGB32);
  p.console = console.convertToFormat(QImage::Format_RGB32);
  if (p.templ.size() != QSize(PW, PH) || p.mask.size() != QSize(PW, PH)) {
    // Unusable pictures draw as black rather than being read out of bounds.
    p.templ = QImage(PW, PH, QImage::Format_RGB32);
    p.templ.fill(Qt::black);
    p.mask = p.templ.copy();
  }
  p.keys = KeyColourMap(reinterpret_cast<const std::uint32_t*>(p.templ.constBits()), PW, PH,
                        p.templ.bytesPerLine() / 4, kKeyRgbs);
  p.slotTable = MakeSlotTable(p.templ, p.mask, p.console);
  return p;
}

const PreviewPictures& BuiltInPictures() {
  static const PreviewPictures pictures = [] {
    InitPreviewResources();
    return MakePreviewPictures(imaging::ReadBuiltIn(QStringLiteral(":/preview/themepreview.png")),
                               imaging::ReadBuiltIn(QStringLiteral(":/preview/thememask.png")),
                               imaging::ReadBuiltIn(QStringLiteral(":/preview/sms.png")));
  }();
  return pictures;
}

CachedPictureReader::CachedPictureReader(PictureReader inner, qint64 budgetBytes)
    : inner_(std::move(inner)), budget_(budgetBytes) {}

QImage CachedPictureReader::operator()(const QString& fileName) {
  const QFileInfo info(fileName);
  const QString path = info.absoluteFilePath();
  const qint64 size = info.size();
  const qint64 modified = info.lastModified().toMSecsSinceEpoch();
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.path == path; });
  if (found != entries_.end()) {
    if (found->size == size && found->modified == modified) {
      entries_.splice(entries_.begin(), entries_, found);
      return found->picture;
    }
    bytes_ -= found->picture.sizeInBytes();
    entries_.erase(found);
  }
  QImage picture = inner_ ? inner_(fileName) : QImage();
  ++reads_;
  const qint64 cost = picture.sizeInBytes();
  if (cost > budget_) return picture;
  while (!entries_.empty() && (bytes_ + cost > budget_ || entries_.size() >= kMaxEntries)) {
    bytes_ -= entries_.back().picture.sizeInBytes();
    entries_.pop_back();
  }
  entries_.push_front(Entry{path, size, modified, picture});
  bytes_ += cost;
  return picture;
}

QImage ReadPictureCached(const QString& fileName) {
  static CachedPictureReader reader(imaging::ReadPicture);
  return reader(fileName);
}

std::optional<std::pair<int, int>> ParseResolution(const QString& text) {
  QString s = text;
  s.remove(QLatin1Char(' '));
  const qsizetype x = s.indexOf(QLatin1Char('x'));
  if (x < 0) return std::nullopt;
  auto number = [](QStringView digits) -> std::optional<int> {
    if (digits.isEmpty()) return std::nullopt;
    std::int64_t v = 0;
    for (const QChar c : digits) {
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
      v = v * 10 + (c.unicode() - '0');
      if (v > INT32_MAX) return std::nullopt;
    }
    if (v <= 0) return std::nullopt;
    return static_cast<int>(v);
  };
  const auto w = number(QStringView(s).left(x));
  const auto h = number(QStringView(s).mid(x + 1, 10));
  if (!w || !h) return std::nullopt;
  return std::make_pair(*w, *h);
}

std::optional<Placement> PlacePicture(int mode, int W, int H, int pw, int ph) {
  if (W <= 0 || H <= 0 || pw <= 0 || ph <= 0) return std::nullopt;
  const double sx = static_cast<double>(PW) / W;  // PW / W
  const double sy = static_cast<double>(PH) / H;
  Placement p;
  switch (mode) {
    case 0:
      p.picture = {0, 11, PW, PH - 11};
      break;
    case 1: {
      const int f = std::max(1, std::min(W / pw, (H - 43) / ph));
      const int left = Round((static_cast<double>(W) - static_cast<double>(pw) * f) * (sx / 2));
      const int top = Round((static_cast<double>(H) - static_cast<double>(ph) * f) * (sy / 2));
      p.picture = {left, top, left + Round(pw * sx * f), top + Round(ph * sy * f)};
      break;
    }
    case 2: {
      const int tw = Round(pw * sx), th = Round(ph * sy);
      if (tw <= 0 || th <= 0) return std::nullopt;  // a tile smaller than one pixel
      p.picture = {0, 11, tw, 11 + th};
      p.mask = {0, 11, PW, PH - 11};
      return p;
    }
    case 3: {
      const int left = Round((static_cast<double>(W) - pw) * (sx / 2));
      const int top = Round((static_cast<double>(H) - ph) * (sy / 2));
      p.picture = {left, top, left + Round(pw * sx), top + Round(ph * sy)};
      break;
    }
    default:
      return std::nullopt;
  }
  p.mask = p.picture;
  return p;
}

bool CheckPicture(const TQuibTheme& theme, const PreviewContext& context) {
  if (theme.BackgroundPicture.empty()) return true;
  if (QFileInfo::exists(PictureFileName(context.emulatorDir, theme.BackgroundPicture))) return true;
  if (context.pictureMissing)
    context.pictureMissing(QString::fromStdU16String(cp1252::ToUtf16(theme.BackgroundPicture)));
  return false;
}

namespace {

QImage Render(const TQuibTheme& theme, const PreviewContext& context, bool stepByStep) {
  const PreviewPictures& pics = context.pictures ? *context.pictures : BuiltInPictures();
  QImage fresh;
  // Written through while no other copy shares it, so that no copy is made.
  QImage& working = stepByStep ? (fresh = QImage(PW, PH, QImage::Format_RGB32)) : OutputImage();
  const Canvas cv{reinterpret_cast<QRgb*>(working.bits()), working.bytesPerLine() / 4};

  // Key colours: the template with its key stretches filled.
  std::array<std::uint32_t, kKeyCount> replacement{};
  for (int k = 0; k < kKeyCount; ++k) replacement[k] = ToPixel(theme.*kKeys[k].field);
  const bool withConsole = theme.BackgroundPicture.empty();
  const bool fast = !stepByStep && pics.slotTable;
  // With a background picture the key colours are kept as a picture of their
  // own, laid under the background picture.
  const QRgb* base =
      fast && !withConsole ? PictureBase(*pics.slotTable, theme, replacement) : nullptr;
  bool baseWritten = false;  // whether base is already in the working picture
  if (fast && withConsole) {
    baseWritten = true;
    if (cv.stride == PW) {
      PaintBase(*pics.slotTable, theme, replacement, true, cv.bits);
    } else {
      thread_local std::vector<QRgb> scratch(static_cast<std::size_t>(PW * PH));
      PaintBase(*pics.slotTable, theme, replacement, true, scratch.data());
      for (int y = 0; y < PH; ++y)
        std::copy_n(scratch.data() + static_cast<std::size_t>(y * PW), PW, cv.Row(y));
    }
  } else if (!fast) {
    baseWritten = true;
    pics.keys.Paint(cv.bits, cv.stride, replacement);
    for (const Rect& bar : kTitleBars)
      GradientFillKey(cv, bar, kTitleBarKey, theme.WindowTitlebarColor,
                      theme.WindowTitlebarGradientColor, theme.TitlebarGradientStart,
                      theme.TitlebarGradientFinish, true);
    GradientFillKey(cv, kOpenMenu, kMenuKey, theme.MenuBackgroundColor, theme.MenuGradientColor,
                    theme.MenuGradientStart, theme.MenuGradientFinish, false);
    if (withConsole) DrawConsole(cv, pics.console);
  }

  if (!withConsole && CheckPicture(theme, context)) {
    const QString file = PictureFileName(context.emulatorDir, theme.BackgroundPicture);
    if (const auto screen = ParseResolution(context.resolution)) {
      QImage picture = context.readPicture ? context.readPicture(file) : ReadPictureCached(file);
      if (!picture.isNull() && picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
      if (!picture.isNull()) {
        const auto place = PlacePicture(theme.PictureMode, screen->first, screen->second,
                                        picture.width(), picture.height());
        if (place && place->picture.right > place->picture.left &&
            place->picture.bottom > place->picture.top) {
          if (!baseWritten) {
            DrawBackgroundRuns(cv, *pics.slotTable, pics.mask, picture, *place,
                               theme.PictureMode == 2, base);
            baseWritten = true;
          } else
            DrawBackground(cv, pics.mask, picture, *place, theme.PictureMode == 2);
        }
      }
    }
  }

  if (!baseWritten)
    for (int y = 0; y < PH; ++y)
      std::copy_n(base + static_cast<std::size_t>(y * PW), PW, cv.Row(y));

  switch (theme.Effect) {
    case 1:
      for (const Dot d : kBloodBorder) SetDot(cv, d, ToPixel(theme.WindowBorderColor));
      for (const Dot d : kBloodBackground) SetDot(cv, d, ToPixel(theme.WindowBackgroundColor));
      for (const Dot d : kBloodStatusbar)
        SetDot(cv, d, ToPixel(theme.WidgetStatusbarBackgroundColor));
      for (const Dot d : kBloodSelection) SetDot(cv, d, ToPixel(theme.WidgetGenericSelectionColor));
      break;
    case 2:
      for (const Dot d : kHearts)
        DrawHeart(cv, d.x, d.y, ToPixel(theme.WidgetStatusbarBackgroundColor));
      break;
    case 3: {
      auto snow = [&](auto&& random) {
        for (int i = 0; i < kSnowFlakes; ++i) {
          const int x = static_cast<int>(random() % (PW - 1));
          const int y = static_cast<int>(random() % (PH - 1));
          cv.Row(y)[x] = qRgb(255, 255, 255);
        }
      };
      if (context.random) {
        snow(context.random);
      } else {
        // A small generator (splitmix64) is plenty for where flakes fall and
        // costs far less to seed than a twister.
        auto state = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        snow([&state]() -> std::uint32_t {
          std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
          z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
          z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
          return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
        });
      }
      break;
    }
    default:
      break;
  }
  return working;
}

}  // namespace

QImage RenderThemePreview(const TQuibTheme& theme, const PreviewContext& context) {
  return Render(theme, context, false);
}

QImage RenderThemePreviewPlain(const TQuibTheme& theme, const PreviewContext& context) {
  return Render(theme, context, true);
}

std::optional<QImage> DrawThemePreview(PreviewLock& lock, const TQuibTheme& theme,
                                       const PreviewContext& context) {
  if (lock.Locked()) return std::nullopt;
  const auto hold = lock.Acquire();
  return RenderThemePreview(theme, context);
}

platform::MessageRequest MissingPictureQuestion(const QString& storedName) {
  platform::MessageRequest request;
  request.caption = QCoreApplication::translate("ThemePreview", "Picture not found");
  request.text = QCoreApplication::translate(
                     "ThemePreview",
                     "This theme should have a background picture:\r%1\rbut it's not there.\r"
                     "You may need to download the theme pictures from the Quib website.\r\r"
                     "Show this message again?")
                     .arg(storedName);
  request.icon = platform::Icon::Information;
  request.buttons = platform::Buttons::YesNo;
  request.defaultButton = platform::Answer::Yes;
  return request;
}

}  // namespace preview
