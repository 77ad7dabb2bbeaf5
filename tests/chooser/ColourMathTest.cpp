#include <gtest/gtest.h>

#include "themes/ColourMath.h"

TEST(ColourMath, HalvesRoundToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(127.5), 128);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

TEST(ColourMath, HslPositionsOfPureHuesAndGreys) {
  EXPECT_EQ(RGBToHSLPositions(255, 0, 0), (THSLPositions{0, 240, 120}));
  EXPECT_EQ(RGBToHSLPositions(0, 255, 0), (THSLPositions{80, 240, 120}));
  EXPECT_EQ(RGBToHSLPositions(0, 0, 255), (THSLPositions{159, 240, 120}));  // hue scaled by 239
  EXPECT_EQ(RGBToHSLPositions(255, 128, 0), (THSLPositions{20, 240, 120}));
  EXPECT_EQ(RGBToHSLPositions(128, 128, 128), (THSLPositions{0, 0, 120}));
  EXPECT_EQ(RGBToHSLPositions(255, 255, 255), (THSLPositions{0, 0, 240}));
  EXPECT_EQ(RGBToHSLPositions(0, 0, 0), (THSLPositions{0, 0, 0}));
  // Magenta: the hue comes out negative before the wrap to the top of the circle.
  EXPECT_EQ(RGBToHSLPositions(255, 0, 255), (THSLPositions{199, 240, 120}));
  // Light colours take the saturation's second formula.
  EXPECT_EQ(RGBToHSLPositions(255, 200, 200), (THSLPositions{0, 240, 214}));
}

TEST(ColourMath, HslBackToRgbUsesTheScaleOf240) {
  // Hue 159 of pure blue, divided by 240 on the way back, lands beside blue.
  EXPECT_EQ(HSLToRGB(159, 240, 120), (TRGB{0, 6, 255}));
  // A grey: l * 255 = 127.5 goes to the even 128.
  EXPECT_EQ(HSLToRGB(0, 0, 120), (TRGB{128, 128, 128}));
  EXPECT_EQ(HSLToRGB(0, 240, 120), (TRGB{255, 0, 0}));
  EXPECT_EQ(HSLToRGB(80, 240, 120), (TRGB{0, 255, 0}));
  EXPECT_EQ(HSLToRGB(0, 0, 240), (TRGB{255, 255, 255}));
  EXPECT_EQ(HSLToRGB(0, 0, 0), (TRGB{0, 0, 0}));
  // Luminance above one half takes m2 = l + s - l * s.
  EXPECT_EQ(HSLToRGB(0, 240, 180), (TRGB{255, 128, 128}));
}

TEST(ColourMath, ChannelTextFollowsTheStoreButFailsWhereItReadsZero) {
  EXPECT_EQ(ParseChannelText("300"), 300);
  EXPECT_EQ(ParseChannelText("-5"), -5);
  EXPECT_EQ(ParseChannelText("+7"), 7);
  EXPECT_EQ(ParseChannelText("$FF"), 255);
  EXPECT_EQ(ParseChannelText("x1a"), 26);
  EXPECT_EQ(ParseChannelText("0X10"), 16);
  EXPECT_EQ(ParseChannelText("0"), 0);
  EXPECT_EQ(ParseChannelText("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "-", "+", "$", "x", "0x", "1a", "12 ", " 1", "--1", "2147483648",
                          "99999999999999999999"})
    EXPECT_FALSE(ParseChannelText(bad).has_value()) << bad;
}

TEST(ColourMath, HtmlTextIsSevenCharactersWithAnyFirst) {
  EXPECT_EQ(ParseHtmlColour("#ff8000"), (TRGB{255, 128, 0}));
  EXPECT_EQ(ParseHtmlColour("x1A2B3C"), (TRGB{0x1A, 0x2B, 0x3C}));
  for (const char* bad : {"#FF800", "#GG0000", "#FF80000", "", "#FF 000", "#-F8000"})
    EXPECT_FALSE(ParseHtmlColour(bad).has_value()) << bad;
  EXPECT_EQ(HtmlColourText({255, 128, 10}), "#FF800A");
  EXPECT_EQ(PackColour({1, 2, 3}), 0x030201u);
  EXPECT_EQ(UnpackColour(0xFF030201u), (TRGB{1, 2, 3}));
}
