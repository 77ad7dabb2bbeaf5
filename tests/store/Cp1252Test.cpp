#include <gtest/gtest.h>

#include "store/Cp1252.h"

TEST(Cp1252, CaseFoldingFollowsTheCodePage) {
  EXPECT_TRUE(cp1252::EqualNoCase("Fb_Width", "FB_WIDTH"));
  EXPECT_TRUE(cp1252::EqualNoCase("\xE0\xFE\x9A\x9C\x9E\xFF", "\xC0\xDE\x8A\x8C\x8E\x9F"));
  EXPECT_FALSE(cp1252::EqualNoCase("\xF7", "\xD7"));  // division and multiplication signs
  EXPECT_FALSE(cp1252::EqualNoCase("\xDF", "\xFF"));  // sharp s has no upper-case pair here
  EXPECT_FALSE(cp1252::EqualNoCase("ab", "abc"));
  EXPECT_EQ(cp1252::ToLower("Quib \xC9T\xC9"), "quib \xE9t\xE9");
}

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf16) {
  std::string all;
  for (int i = 1; i < 256; ++i) all.push_back(static_cast<char>(i));
  EXPECT_EQ(cp1252::FromUtf16(cp1252::ToUtf16(all)), all);
  EXPECT_EQ(cp1252::ToUtf16("\x80")[0], u'\u20AC');
  EXPECT_EQ(cp1252::FromUtf16(u"\u4E2D"), "?");
}
