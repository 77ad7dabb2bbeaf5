// The colour texts and conversions: every text the program writes reads back
// as the colour it came from, the channel field reads numbers as the store
// does, and the HSL arithmetic stays within its ranges and finds its way back
// to the colour it started from.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/ZIniReader.h"
#include "themes/ColourMath.h"
#include "themes/QuibTheme.h"

namespace {

// How far the way back from the bar positions may land from the colour (the
// largest distance over all colours is 10).
constexpr int kNear = 10;

void Check(bool ok) {
  if (!ok) std::abort();
}

void Texts(const std::string& text) {
  const ThemeColour colour = StrToThemeColour(text);
  Check(colour <= 0xFFFFFF);
  Check(StrToThemeColour(ThemeColourToStr(colour)) == colour);
  if (const auto html = ParseHtmlColour(text)) {
    Check(PackColour(*html) == colour);
    Check(ParseHtmlColour(HtmlColourText(*html)) == html);
    Check(HtmlColourText(*html) == ThemeColourToStr(colour));
  }
  // The channel field takes what the store's integer reader takes.
  if (const auto channel = ParseChannelText(text)) Check(TextToInteger(text) == *channel);

  std::int32_t start = -1, finish = -1;
  ThemeColour gradient = 0;
  if (StrToGradient(text, start, finish, gradient)) {
    const std::string written =
        std::to_string(start) + "%-" + std::to_string(finish) + "% " + ThemeColourToStr(gradient);
    std::int32_t start2 = 0, finish2 = 0;
    ThemeColour gradient2 = 1;
    Check(StrToGradient(written, start2, finish2, gradient2));
    Check(start2 == start && finish2 == finish && gradient2 == gradient);
  }
}

void Channels(int red, int green, int blue) {
  const TRGB rgb{red, green, blue};
  Check(UnpackColour(PackColour(rgb)) == rgb);
  const THSL hsl = RGBToHSL(red, green, blue);
  for (const double part : {hsl.Hue, hsl.Saturation, hsl.Luminance}) Check(part >= 0 && part <= 1);
  const THSLPositions at = RGBToHSLPositions(red, green, blue);
  Check(at.Hue >= 0 && at.Hue <= 239 && at.Sat >= 0 && at.Sat <= 240 && at.Lum >= 0 &&
        at.Lum <= 240);
  // The bars have fewer steps than the channels and the hue is scaled by 239
  // one way and 240 the other: the way back lands near the colour.
  const TRGB back = HSLToRGB(at.Hue, at.Sat, at.Lum);
  Check(std::abs(back.Red - red) <= kNear && std::abs(back.Green - green) <= kNear &&
        std::abs(back.Blue - blue) <= kNear);
}

void Positions(int hue, int saturation, int luminance) {
  const TRGB rgb = HSLToRGB(hue, saturation, luminance);
  for (const int channel : {rgb.Red, rgb.Green, rgb.Blue}) Check(channel >= 0 && channel <= 255);
  if (saturation == 0) Check(rgb.Red == rgb.Green && rgb.Green == rgb.Blue);
}

void Rounding(double x) {
  if (!std::isfinite(x) || std::fabs(x) > 1e15) return;
  const std::int64_t r = RoundHalfEven(x);
  const double off = static_cast<double>(r) - x;
  Check(std::fabs(off) <= 0.5);
  if (std::fabs(off) == 0.5) Check(r % 2 == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Channels(input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
           input.ConsumeIntegral<std::uint8_t>());
  Positions(input.ConsumeIntegralInRange(0, 239), input.ConsumeIntegralInRange(0, 240),
            input.ConsumeIntegralInRange(0, 240));
  Rounding(input.ConsumeFloatingPoint<double>());
  Rounding(input.ConsumeIntegralInRange(-100000, 100000) / 4.0);
  Texts(input.ConsumeRemainingBytesAsString());
  return 0;
}
