#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>
#include <vector>

#include "app/logic/WordTables.h"
#include "tests/support/CommaLocale.h"

namespace logic {
namespace {

TEST(VideoDrivers, WordsPerBuild) {
  ASSERT_EQ(VideoDrivers(Build::Quib).size(), 9u);
  ASSERT_EQ(VideoDrivers(Build::QuibW).size(), 9u);
  ASSERT_EQ(VideoDrivers(Build::QuibNix).size(), 2u);
  EXPECT_EQ(VideoDrivers(Build::QuibW)[7].caption, "DirectX (windowed overlay)");
  EXPECT_EQ(WordAt(VideoDrivers(Build::QuibW), 7), "directx_ovl");
  EXPECT_EQ(VideoDrivers(Build::Quib)[3].caption, "Mode X");
  EXPECT_EQ(WordAt(VideoDrivers(Build::Quib), 3), "modex");
  EXPECT_EQ(WordAt(VideoDrivers(Build::Quib), 9), std::nullopt);
  EXPECT_EQ(WordAt(VideoDrivers(Build::Quib), -1), std::nullopt);

  // Exact match in the build's own list only.
  EXPECT_EQ(VideoDriverIndex(Build::QuibW, "directx"), 3);
  EXPECT_EQ(VideoDriverIndex(Build::Quib, "directx"), std::nullopt);
  EXPECT_EQ(VideoDriverIndex(Build::Quib, "vbeaf"), 8);
  EXPECT_EQ(VideoDriverIndex(Build::Quib, "AUTO"), std::nullopt);
  EXPECT_EQ(VideoDriverIndex(Build::QuibNix, "xdfs"), 1);
  EXPECT_EQ(VideoDriverIndex(Build::QuibNix, "gdi"), std::nullopt);

  // Every word maps back to its own item.
  for (Build b : {Build::Quib, Build::QuibW, Build::QuibNix}) {
    const WordTable t = VideoDrivers(b);
    for (std::size_t i = 0; i < t.size(); ++i) EXPECT_EQ(VideoDriverIndex(b, t[i].word), int(i));
  }
}

TEST(GuiPage, RefreshRate) {
  EXPECT_EQ(RefreshRateWord("Auto"), "auto");
  EXPECT_EQ(RefreshRateWord("AUTO"), "auto");
  EXPECT_EQ(RefreshRateIndex("auto"), 0);
  EXPECT_EQ(RefreshRateIndex("Auto"), std::nullopt);
  EXPECT_EQ(RefreshRateIndex("85"), std::nullopt);
  EXPECT_EQ(RefreshRateIndex("120"), 6);
}

TEST(EmulationPage, WordLookups) {
  EXPECT_EQ(SpriteFlickeringIndex("yes"), 1);
  EXPECT_EQ(SpriteFlickeringIndex("Yes"), std::nullopt);
  EXPECT_EQ(WordAt(kSpriteFlickering, 2), "no");

  EXPECT_EQ(CountryIndex("jap"), 1);
  EXPECT_EQ(CountryIndex("JAP"), 0);
  EXPECT_EQ(CountryIndex("us/eur"), 0);
  EXPECT_EQ(CountryIndex(""), 0);
  EXPECT_EQ(WordAt(kCountries, 0), "us/eur");

  EXPECT_EQ(TvTypeIndex("PAL/SECAM"), 1);
  EXPECT_EQ(TvTypeIndex("pal/secam"), 1);
  EXPECT_EQ(TvTypeIndex("Ntsc"), 0);
  EXPECT_EQ(TvTypeIndex("pal"), std::nullopt);
  EXPECT_EQ(ToLowerWord(kTvTypes[1].caption), "pal/secam");

  EXPECT_TRUE(FrameskipIsAuto("auto"));
  EXPECT_FALSE(FrameskipIsAuto("Auto"));
  EXPECT_FALSE(FrameskipIsAuto("standard"));
}

TEST(EmulationPage, ThreeDModeBothWays) {
  EXPECT_EQ(ThreeDIndex(0, 2), 0);
  EXPECT_EQ(ThreeDIndex(3, 1), 3);
  EXPECT_EQ(ThreeDIndex(3, 2), 4);
  EXPECT_EQ(ThreeDIndex(3, 0), 2);  // no port key reads as 0
  EXPECT_EQ(ThreeDIndex(4, 0), 4);
  EXPECT_EQ(ThreeDIndex(5, 0), std::nullopt);
  EXPECT_EQ(ThreeDIndex(-1, 0), std::nullopt);
  EXPECT_EQ(ThreeDIndex(3, 3), std::nullopt);
  EXPECT_EQ(ThreeDIndex(3, INT32_MAX), std::nullopt);

  auto w = ThreeDWrite(4);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->mode, 3);
  EXPECT_EQ(w->port, 2);
  w = ThreeDWrite(1);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->mode, 1);
  EXPECT_EQ(w->port, std::nullopt);
  EXPECT_FALSE(ThreeDWrite(5));
  EXPECT_FALSE(ThreeDWrite(-1));
  // What an item writes reads back as that item.
  for (int i = 0; i < 5; ++i) {
    const ThreeDSetting s = *ThreeDWrite(i);
    EXPECT_EQ(ThreeDIndex(s.mode, s.port.value_or(0)), i);
  }
}

TEST(InputPage, RapidFire) {
  EXPECT_EQ(RapidFireMask(false, true, true, false), 6);
  EXPECT_EQ(RapidFireMask(true, true, true, true), 15);
  EXPECT_EQ(RapidFireBoxes(16), (std::array<bool, 4>{false, false, false, false}));
  EXPECT_EQ(RapidFireBoxes(15), (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(RapidFireBoxes(6), (std::array<bool, 4>{false, true, true, false}));
  EXPECT_EQ(RapidFireBoxes(-1), (std::array<bool, 4>{true, true, true, true}));
}

TEST(InputPage, DriverRule) {
  JoyControls c;
  c.driver = 17;  // PlayStation, no port yet
  JoyRuleResult r = ApplyJoyDriverRule(c);
  EXPECT_EQ(r.word, "psxlpt1");
  EXPECT_EQ(r.controls.port, 0);
  EXPECT_TRUE(r.controls.portEnabled);
  EXPECT_FALSE(r.controls.cardEnabled);

  c = r.controls;
  c.port = 2;
  EXPECT_EQ(ApplyJoyDriverRule(c).word, "psxlpt3");

  // A driver without suffix disables both lists but keeps the port chosen.
  c.driver = 12;
  r = ApplyJoyDriverRule(c);
  EXPECT_EQ(r.word, "grip");
  EXPECT_FALSE(r.controls.portEnabled);
  EXPECT_EQ(r.controls.port, 2);
  c = r.controls;
  c.driver = 14;
  EXPECT_EQ(ApplyJoyDriverRule(c).word, "db9lpt3");

  c.driver = 19;
  r = ApplyJoyDriverRule(c);
  EXPECT_EQ(r.word, "ifsegaisa");
  EXPECT_TRUE(r.controls.cardEnabled);
  EXPECT_FALSE(r.controls.portEnabled);
  c = r.controls;
  c.card = 2;
  EXPECT_EQ(ApplyJoyDriverRule(c).word, "ifsegapci2");

  c.driver = std::nullopt;
  EXPECT_EQ(ApplyJoyDriverRule(c).word, std::nullopt);
  c.driver = 20;
  EXPECT_EQ(ApplyJoyDriverRule(c).word, std::nullopt);
}

TEST(InputPage, DecodeStoredDriver) {
  JoyControls c = DecodeJoyDriver("ifsegapci2", std::nullopt, std::nullopt);
  EXPECT_EQ(c.driver, 19);
  EXPECT_EQ(c.card, 2);
  EXPECT_TRUE(c.cardEnabled);
  EXPECT_FALSE(c.portEnabled);
  EXPECT_EQ(DecodeJoyDriver("ifsegapci", std::nullopt, 2).card, 1);
  EXPECT_EQ(DecodeJoyDriver("ifsegaisa", std::nullopt, 2).card, 0);
  // An unknown last letter leaves the card as it was, or the default.
  EXPECT_EQ(DecodeJoyDriver("ifsegax", std::nullopt, 1).card, 1);
  EXPECT_EQ(DecodeJoyDriver("ifsegax", std::nullopt, std::nullopt).card, 0);

  c = DecodeJoyDriver("neclpt2", std::nullopt, std::nullopt);
  EXPECT_EQ(c.driver, 15);
  EXPECT_EQ(c.port, 1);
  EXPECT_TRUE(c.portEnabled);
  c = DecodeJoyDriver("n64lpt1", 2, std::nullopt);
  EXPECT_EQ(c.driver, 18);
  EXPECT_EQ(c.port, 0);

  // Plain words come before the first-letter rule.
  c = DecodeJoyDriver("sidewinder", 1, 1);
  EXPECT_EQ(c.driver, 7);
  EXPECT_FALSE(c.portEnabled);
  EXPECT_FALSE(c.cardEnabled);
  EXPECT_EQ(c.port, 1);
  EXPECT_EQ(DecodeJoyDriver("2b", std::nullopt, std::nullopt).driver, 2);

  // A suffixed driver whose last character names no port shows no port.
  c = DecodeJoyDriver("db9", 1, std::nullopt);
  EXPECT_EQ(c.driver, 14);
  EXPECT_EQ(c.port, std::nullopt);
  EXPECT_TRUE(c.portEnabled);
  // The next change stores a full word again with LPT1.
  EXPECT_EQ(ApplyJoyDriverRule(c).word, "db9lpt1");

  for (std::string_view bad : {"xyz", "Dual", "3b", "", "d", "DB9LPT1"}) {
    c = DecodeJoyDriver(bad, 1, 1);
    EXPECT_EQ(c.driver, std::nullopt) << bad;
    EXPECT_FALSE(c.portEnabled) << bad;
    EXPECT_FALSE(c.cardEnabled) << bad;
  }
}

TEST(InputPage, EveryStoredWordDecodesToItsControls) {
  for (int d = 0; d < static_cast<int>(kJoyDrivers.size()); ++d) {
    for (int k = 0; k < 3; ++k) {
      JoyControls c;
      c.driver = d;
      c.port = k;
      c.card = k;
      const JoyRuleResult r = ApplyJoyDriverRule(c);
      ASSERT_TRUE(r.word);
      const JoyControls back = DecodeJoyDriver(*r.word, std::nullopt, std::nullopt);
      EXPECT_EQ(back.driver, d) << *r.word;
      EXPECT_EQ(back.portEnabled, r.controls.portEnabled) << *r.word;
      EXPECT_EQ(back.cardEnabled, r.controls.cardEnabled) << *r.word;
      if (r.controls.portEnabled) {
        EXPECT_EQ(back.port, k) << *r.word;
      }
      if (r.controls.cardEnabled) {
        EXPECT_EQ(back.card, k) << *r.word;
      }
    }
  }
}

TEST(SoundPage, CardsAndEngines) {
  ASSERT_EQ(SoundCards(Build::Quib).size(), 8u);
  ASSERT_EQ(SoundCards(Build::QuibW).size(), 4u);
  ASSERT_EQ(SoundCards(Build::QuibNix).size(), 1u);
  EXPECT_EQ(SoundCards(Build::QuibW)[3], "DirectX");
  EXPECT_EQ(SoundCards(Build::Quib)[7], "Ensoniq Soundscape");
  EXPECT_EQ(SoundCardIndex(Build::QuibW, 5), std::nullopt);
  EXPECT_EQ(SoundCardIndex(Build::Quib, 5), 5);
  EXPECT_EQ(SoundCardIndex(Build::Quib, -1), std::nullopt);

  EXPECT_EQ(FmEngineIndex("opl"), 1);
  EXPECT_EQ(FmEngineIndex("OPL"), std::nullopt);
  EXPECT_EQ(FmEngineIndex("digital"), 2);
  EXPECT_EQ(FmEnabledWord(true), "yes");
  EXPECT_TRUE(FmEnabledTicked("yes"));
  EXPECT_FALSE(FmEnabledTicked("Yes"));
  EXPECT_EQ(VgmAccuracyWord(false), "frame");
  EXPECT_TRUE(VgmAccuracyTicked("sample"));
  EXPECT_FALSE(VgmAccuracyTicked("SAMPLE"));
}

TEST(SoundPage, EngineRules) {
  FmEngineRuleResult r = ApplyFmEngineRules(kFmEngineOpl, true, Build::QuibW);
  EXPECT_TRUE(r.showNtMessage);
  EXPECT_EQ(r.engine, kFmEngineDigital);
  EXPECT_EQ(r.word, "digital");
  EXPECT_EQ(r.oplSpeedEnabled, false);

  r = ApplyFmEngineRules(kFmEngineOpl, true, Build::Quib);
  EXPECT_FALSE(r.showNtMessage);
  EXPECT_EQ(r.word, "opl");
  EXPECT_EQ(r.oplSpeedEnabled, true);

  r = ApplyFmEngineRules(kFmEngineOpl, false, Build::QuibW);
  EXPECT_FALSE(r.showNtMessage);
  EXPECT_EQ(r.word, "opl");

  r = ApplyFmEngineRules(std::nullopt, true, Build::QuibW);
  EXPECT_EQ(r.engine, std::nullopt);
  EXPECT_EQ(r.word, std::nullopt);
  EXPECT_EQ(r.oplSpeedEnabled, std::nullopt);
}

TEST(MessagesPage, Languages) {
  const std::vector<std::string> msg = {"[English]",  "; a comment", "Hello=Hi",
                                        "[Francais]", "[",           "[Brazilian Portuguese]"};
  const std::vector<std::string> names = LanguageNames(msg);
  EXPECT_EQ(names, (std::vector<std::string>{"English", "Francais", "", "Brazilian Portuguese"}));
  EXPECT_EQ(LanguageIndex(names, "FRANCAIS"), 1);
  EXPECT_EQ(LanguageIndex(names, "brazilian*portuguese"), 3);
  EXPECT_EQ(LanguageIndex(names, "Klingon"), 0);
  EXPECT_EQ(LanguageIndex({}, "English"), std::nullopt);

  EXPECT_EQ(TileViewerIndex("512"), 1);
  EXPECT_EQ(TileViewerIndex("1024"), std::nullopt);
  EXPECT_EQ(TileViewerIndex(" 448"), std::nullopt);
}

TEST(Donation, Amounts) {
  EXPECT_EQ(SuggestedDonation("600", "64"), "US$11.71");
  EXPECT_EQ(SuggestedDonation("1000", "128"), "US$20.88");
  EXPECT_EQ(SuggestedDonation("3000", "256"), "US$54.49");
  EXPECT_EQ(SuggestedDonation("5", "1"), "US$0.13");
  EXPECT_EQ(SuggestedDonation("0", "0"), "US$0.00");
  EXPECT_EQ(SuggestedDonation("601", "0"), "US$7.65");
  EXPECT_EQ(SuggestedDonation("2147483647", "2147483647"), "US$164055666.06");
}

TEST(Donation, FieldsThatAreNoWholeNumber) {
  for (std::string_view bad : {"", "abc", "-5", "12a", "1.5", "+", "2147483648", " 600"}) {
    EXPECT_EQ(SuggestedDonation(bad, "64"), "") << bad;
    EXPECT_EQ(SuggestedDonation("600", bad), "") << bad;
  }
  EXPECT_EQ(DonationFieldValue("+42"), 42);
  EXPECT_EQ(DonationFieldValue("-0"), 0);
  EXPECT_EQ(DonationFieldValue("-2147483648"), -2147483648LL);
  EXPECT_EQ(DonationFieldValue("99999999999999999999999"), -1);
}

TEST(Donation, PointWhateverTheLocale) {
  const test_support::ScopedCommaLocale comma;
  ASSERT_EQ(comma.error(), "");
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, comma.name()), nullptr);
  const std::string point = std::localeconv()->decimal_point;
  const std::string small = SuggestedDonation("600", "64");
  const std::string large = SuggestedDonation("100000", "0");
  std::setlocale(LC_ALL, saved.c_str());
  ASSERT_EQ(point, ",");  // the locale does use a comma
  EXPECT_EQ(small, "US$11.71");
  EXPECT_EQ(large, "US$1273.24");
}

TEST(Donation, PictureFollowsPointer) {
  // Group box 296 wide, picture 62 x 31.
  EXPECT_EQ(FollowPointer(0, 0, 62, 31, 296), (PicturePosition{8, 88}));
  EXPECT_EQ(FollowPointer(-500, 130, 62, 31, 296), (PicturePosition{8, 115}));
  EXPECT_EQ(FollowPointer(1000, 1000, 62, 31, 296), (PicturePosition{226, 184}));
  EXPECT_EQ(FollowPointer(150, 130, 62, 31, 296), (PicturePosition{119, 115}));
  // A box too narrow for the picture keeps its left at 8.
  EXPECT_EQ(FollowPointer(150, 130, 62, 31, 60), (PicturePosition{8, 115}));
  EXPECT_EQ(FollowPointer(INT32_MIN, INT32_MAX, 62, 31, 296), (PicturePosition{8, 184}));
}

}  // namespace
}  // namespace logic
