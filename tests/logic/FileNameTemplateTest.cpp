#include <gtest/gtest.h>

#include <string>

#include "app/logic/FileNameTemplate.h"

namespace logic {
namespace {

TemplateFields Fields(std::string part1, std::string nameLength, std::string part2,
                      std::string digits, std::string part3) {
  return TemplateFields{std::move(part1), std::move(nameLength), std::move(part2),
                        std::move(digits), std::move(part3)};
}

TEST(FileNameTemplate, StarsAndSpaces) {
  EXPECT_EQ(SpacesToStars("a b  c"), "a*b**c");
  EXPECT_EQ(StarsToSpaces("a*b**c"), "a b  c");
  EXPECT_EQ(SpacesToStars(""), "");
  // A typed "*" is stored unchanged and comes back as a space.
  EXPECT_EQ(StarsToSpaces(SpacesToStars("x* y")), "x  y");
}

TEST(FileNameTemplate, LimitedNameAndPaddedNumber) {
  TemplateFields f = Fields("", "8", "-", "2", "");
  const std::string t = BuildTemplate(f, ScreenshotSuffix("png"));
  EXPECT_EQ(t, "%.8s-%02d.png");
  EXPECT_EQ(SpacesToStars(t), "%.8s-%02d.png");
  EXPECT_EQ(PreviewTemplate(t), "Sonic th-05.png");

  const ParsedTemplate back = ParseTemplate(SpacesToStars(t));
  EXPECT_EQ(back.fields, f);
  EXPECT_EQ(back.extension, "png");
}

TEST(FileNameTemplate, PlainPlaceholdersWithSpaces) {
  TemplateFields f = Fields("shot ", "*", " #", "*", "");
  const std::string t = BuildTemplate(f, ScreenshotSuffix("bmp"));
  EXPECT_EQ(t, "shot %s #%d.bmp");
  EXPECT_EQ(SpacesToStars(t), "shot*%s*#%d.bmp");
  EXPECT_EQ(PreviewTemplate(t), "shot Sonic the Hedgehog 2 #5.bmp");

  const ParsedTemplate back = ParseTemplate("shot*%s*#%d.bmp");
  EXPECT_EQ(back.fields, f);
  EXPECT_EQ(back.extension, "bmp");
}

TEST(FileNameTemplate, RoundTripKeepsEveryField) {
  const TemplateFields cases[] = {
      Fields(" lead", "12", " mid dle ", "3", " tail "),
      Fields("", "*", "", "*", ""),
      Fields("a", "", "b", "", "c"),
      Fields("snap_", "*", "_", "10", " end"),
  };
  for (const TemplateFields& c : cases) {
    for (std::string_view ext : {std::string_view(".vgm"), std::string_view(".wav")}) {
      TemplateFields f = c;
      const std::string stored = SpacesToStars(BuildTemplate(f, ext));
      EXPECT_EQ(stored.find(' '), std::string::npos) << stored;
      EXPECT_EQ(ParseTemplate(stored).fields, c) << stored;
    }
  }
}

TEST(FileNameTemplate, ZeroDigitsBecomeOne) {
  TemplateFields f = Fields("", "*", "", "0", "");
  EXPECT_EQ(BuildTemplate(f, std::string(kVgmExtension)), "%s%01d.vgm");
  EXPECT_EQ(f.digits, "1");
  // Only the exact text "0" is mended.
  TemplateFields g = Fields("", "*", "", "00", "");
  EXPECT_EQ(BuildTemplate(g, ".wav"), "%s%000d.wav");
  EXPECT_EQ(g.digits, "00");
}

TEST(FileNameTemplate, EmptyNumberFields) {
  TemplateFields f = Fields("x", "", "-", "", "");
  const std::string t = BuildTemplate(f, ".png");
  EXPECT_EQ(t, "x%.s-%0d.png");
  // An empty name length cuts the name to nothing; an empty digit count pads
  // nothing.
  EXPECT_EQ(PreviewTemplate(t), "x-5.png");
  EXPECT_EQ(PreviewTemplate("%.0s%d.png"), "5.png");
  EXPECT_EQ(ParseTemplate(SpacesToStars(t)).fields, f);
}

TEST(FileNameTemplate, ExtensionChoice) {
  const ParsedTemplate upper = ParseTemplate("%s%d.PNG");
  EXPECT_EQ(upper.extension, "PNG");
  ASSERT_EQ(ScreenshotExtensionIndex(upper.extension), 3);
  TemplateFields f = upper.fields;
  EXPECT_EQ(BuildTemplate(f, ScreenshotSuffix(kScreenshotExtensions[3])), "%s%d.png");

  EXPECT_EQ(ScreenshotExtensionIndex("Tga"), 2);
  EXPECT_EQ(ScreenshotExtensionIndex("gif"), std::nullopt);
  EXPECT_EQ(ScreenshotExtensionIndex(""), std::nullopt);
  // No extension chosen: the template ends in a bare ".".
  TemplateFields g;
  EXPECT_EQ(BuildTemplate(g, ScreenshotSuffix("")), "%s%d.");

  EXPECT_EQ(SoundTemplateKey(true), "music_wav_filename_template");
  EXPECT_EQ(SoundTemplateKey(false), "music_vgm_filename_template");
}

TEST(FileNameTemplate, ParseOfIncompleteTemplates) {
  // A missing placeholder counts as found at the start: nothing before it, one
  // character of the rest skipped.
  ParsedTemplate p = ParseTemplate("abc.png");
  EXPECT_EQ(p.fields, Fields("", "*", "", "*", "c"));
  EXPECT_EQ(p.extension, "png");

  p = ParseTemplate("");
  EXPECT_EQ(p.fields, Fields("", "*", "", "*", ""));
  EXPECT_EQ(p.extension, "");

  // "%." without its "s" and "%0" without its "d".
  p = ParseTemplate("a%.8");
  EXPECT_EQ(p.fields.part1, "a");
  EXPECT_EQ(p.fields.nameLength, "");
  p = ParseTemplate("%s-%05");
  EXPECT_EQ(p.fields.part2, "-");
  EXPECT_EQ(p.fields.digits, "");
  EXPECT_EQ(p.extension, "5");

  // Nothing is cut to 255 characters.
  const std::string longPart(400, 'x');
  TemplateFields f = Fields(longPart, "*", longPart, "*", longPart);
  EXPECT_EQ(ParseTemplate(BuildTemplate(f, ".tga")).fields, f);
}

TEST(FileNameTemplate, PreviewShowsUnknownConversionsAsTyped) {
  EXPECT_EQ(PreviewTemplate("%n%s%d.png"), "%nSonic the Hedgehog 25.png");
  EXPECT_EQ(PreviewTemplate("%p"), "%p");
  EXPECT_EQ(PreviewTemplate("%"), "%");
  EXPECT_EQ(PreviewTemplate("a%s%"), "aSonic the Hedgehog 2%");
  EXPECT_EQ(PreviewTemplate("%s %s %s%d"), "Sonic the Hedgehog 2 %s %s5");
  EXPECT_EQ(PreviewTemplate("%d%s%d%d"), "%dSonic the Hedgehog 25%d");
  EXPECT_EQ(PreviewTemplate("%ls%5d%-3d%*d%x"), "%ls%5d%-3d%*d%x");
  EXPECT_EQ(PreviewTemplate("100%%s"), "100%Sonic the Hedgehog 2");
  EXPECT_EQ(PreviewTemplate("%.abcs%s"), "%.abcsSonic the Hedgehog 2");
}

TEST(FileNameTemplate, PreviewWithHugeNumbers) {
  EXPECT_EQ(PreviewTemplate("%.99999999999s-%d"), "Sonic the Hedgehog 2-5");
  EXPECT_EQ(PreviewTemplate("%.5s-%099999999999d"), "Sonic-%099999999999d");
  const std::string widest = PreviewTemplate("%s%0255d");
  EXPECT_EQ(widest, "Sonic the Hedgehog 2" + std::string(254, '0') + "5");
  EXPECT_EQ(PreviewTemplate("%s%0256d"), "Sonic the Hedgehog 2%0256d");
  EXPECT_EQ(FormatTemplate("%s%05d", "x", -42), "x-0042");
  EXPECT_EQ(FormatTemplate("%s%d", "", -2147483647 - 1), "-2147483648");
}

}  // namespace
}  // namespace logic
