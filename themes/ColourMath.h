// The colour chooser's arithmetic: RGB to HSL and back, the text of a channel
// field and of an HTML colour, and packing channels into a colour value.
// Standard library only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "themes/QuibTheme.h"

struct TRGB {
  int Red = 0;
  int Green = 0;
  int Blue = 0;
  bool operator==(const TRGB&) const = default;
};

// Hue, saturation and luminance as fractions from 0 to 1.
struct THSL {
  double Hue = 0;
  double Saturation = 0;
  double Luminance = 0;
};

// The chooser's HSL track bar positions: hue 0-239, saturation and luminance 0-240.
struct THSLPositions {
  int Hue = 0;
  int Sat = 0;
  int Lum = 0;
  bool operator==(const THSLPositions&) const = default;
};

// The nearest integer, halves going to the even neighbour (0.5 -> 0, 1.5 -> 2).
std::int64_t RoundHalfEven(double x);

// Channels of 0 to 255 to fractions.
THSL RGBToHSL(int red, int green, int blue);

// The HSL bar positions of a colour: hue scaled by 239, saturation and
// luminance by 240.
THSLPositions RGBToHSLPositions(int red, int green, int blue);

// HSL bar positions to channels of 0 to 255. All three positions, the hue
// included, are taken as parts of 240, so the way back from RGBToHSLPositions
// need not give the same colour.
TRGB HSLToRGB(int hue, int saturation, int luminance);

// A channel field's text as the store's integer reader takes it (optional
// sign, decimal digits, or hexadecimal after "$", "x", "X", "0x", "0X"), but
// an empty or malformed text, or one beyond 32 bits, gives nothing.
std::optional<std::int32_t> ParseChannelText(std::string_view text);

// Exactly seven characters; the first is not examined, the next three pairs
// are hexadecimal red, green and blue (letters of either case).
std::optional<TRGB> ParseHtmlColour(std::string_view text);

// "#" and two upper-case hexadecimal digits per channel, red first.
std::string HtmlColourText(const TRGB& colour);

// R + 256 * G + 65536 * B, and back (bits 24-31 are ignored).
ThemeColour PackColour(const TRGB& colour);
TRGB UnpackColour(ThemeColour colour);
