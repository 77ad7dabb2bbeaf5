#include "themes/ColourMath.h"

#include <algorithm>
#include <cmath>

std::int64_t RoundHalfEven(double x) {
  double whole = std::floor(x);
  const double fraction = x - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<std::int64_t>(whole);
}

THSL RGBToHSL(int red, int green, int blue) {
  const double r = red / 255.0;
  const double g = green / 255.0;
  const double b = blue / 255.0;
  const double mx = std::max({r, g, b});
  const double mn = std::min({r, g, b});
  THSL hsl;
  hsl.Luminance = (mx + mn) / 2;
  if (mx == mn) return hsl;
  const double d = mx - mn;
  hsl.Saturation = hsl.Luminance < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
  double hue;
  if (r == mx)
    hue = (g - b) / d;
  else if (g == mx)
    hue = 2 + (b - r) / d;
  else
    hue = 4 + (r - g) / d;
  hue /= 6;
  if (hue < 0) hue += 1;
  hsl.Hue = hue;
  return hsl;
}

THSLPositions RGBToHSLPositions(int red, int green, int blue) {
  const THSL hsl = RGBToHSL(red, green, blue);
  return {static_cast<int>(RoundHalfEven(hsl.Hue * 239)),
          static_cast<int>(RoundHalfEven(hsl.Saturation * 240)),
          static_cast<int>(RoundHalfEven(hsl.Luminance * 240))};
}

namespace {

int ToChannel(double v) {
  return static_cast<int>(std::clamp<std::int64_t>(RoundHalfEven(v * 255), 0, 255));
}

double HueToChannel(double m1, double m2, double t) {
  if (t < 0)
    t += 1;
  else if (t > 1)
    t -= 1;
  if (6 * t < 1) return m1 + (m2 - m1) * t * 6;
  if (2 * t < 1) return m2;
  if (3 * t < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6;
  return m1;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

TRGB HSLToRGB(int hue, int saturation, int luminance) {
  const double h = hue / 240.0;
  const double s = saturation / 240.0;
  const double l = luminance / 240.0;
  if (s == 0) {
    const int grey = ToChannel(l);
    return {grey, grey, grey};
  }
  const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  const double m1 = 2 * l - m2;
  return {ToChannel(HueToChannel(m1, m2, h + 1.0 / 3.0)), ToChannel(HueToChannel(m1, m2, h)),
          ToChannel(HueToChannel(m1, m2, h - 1.0 / 3.0))};
}

std::optional<std::int32_t> ParseChannelText(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return std::nullopt;
  const std::int64_t limit = negative ? std::int64_t{INT32_MAX} + 1 : INT32_MAX;
  std::int64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const int digit = HexDigit(s[i]);
    if (digit < 0 || digit >= base) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<TRGB> ParseHtmlColour(std::string_view text) {
  if (text.size() != 7) return std::nullopt;
  int channels[3];
  for (int c = 0; c < 3; ++c) {
    const int high = HexDigit(text[1 + 2 * c]);
    const int low = HexDigit(text[2 + 2 * c]);
    if (high < 0 || low < 0) return std::nullopt;
    channels[c] = high * 16 + low;
  }
  return TRGB{channels[0], channels[1], channels[2]};
}

std::string HtmlColourText(const TRGB& colour) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "#";
  for (const int channel : {colour.Red, colour.Green, colour.Blue}) {
    const int byte = channel & 0xFF;
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

ThemeColour PackColour(const TRGB& colour) {
  return static_cast<ThemeColour>(colour.Red & 0xFF) |
         static_cast<ThemeColour>(colour.Green & 0xFF) << 8 |
         static_cast<ThemeColour>(colour.Blue & 0xFF) << 16;
}

TRGB UnpackColour(ThemeColour colour) {
  return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
          static_cast<int>((colour >> 16) & 0xFF)};
}
