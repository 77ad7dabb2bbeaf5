#include <gtest/gtest.h>

#include "themes/QuibTheme.h"

namespace {

class Blocks : public ::testing::Test {
 protected:
  StoreWrites writes_;
};

TEST(ThemeList, HeadersInOrderAndCommentedOnesSkipped) {
  const Document doc = {"; top", "[B]", "x=1", ";[C]", "[A]", "[]"};
  EXPECT_EQ(ListThemeNames(doc), (std::vector<std::string>{"B", "A", ""}));
  EXPECT_EQ(FindThemeHeader(doc, "a"), 4);
  EXPECT_EQ(FindThemeHeader(doc, "C"), -1);
}

TEST(ThemeList, CollectSkipsEmptyLinesAndCarriesCommentedThemes) {
  const Document doc = {"authors=top", "[Blue]",     "authors=B", "",         "effect=snow",
                        ";[Old]",      ";authors=O", "[Next]",    "authors=N"};
  EXPECT_EQ(CollectThemeBlock(doc, 1),
            (Document{"authors=B", "effect=snow", ";[Old]", ";authors=O"}));
  EXPECT_EQ(CollectThemeBlock(doc, 7), Document{"authors=N"});
  EXPECT_EQ(CollectThemeBlock(doc, -1), Document{"authors=top"});
  EXPECT_EQ(ReadNamedTheme(doc, "BLUE").Effect, 3);
  EXPECT_EQ(ReadNamedTheme(doc, "missing").Authors, "top");
  EXPECT_EQ(ReadNamedTheme(Document{}, "x").PictureMode, -1);
}

TEST_F(Blocks, SaveRewritesInPlaceAndEndsWithOneEmptyLine) {
  Document doc = {"[T]", "authors=A", "", "background_color=#000000", "", "[Next]"};
  TQuibTheme t = ReadNamedTheme(doc, "T");
  t.Authors = "Z";
  ASSERT_TRUE(SaveThemeBlock(doc, "t", t));
  EXPECT_EQ(doc[1], "authors=Z");
  EXPECT_EQ(doc[2], "background_color=#000000");
  const int next = FindThemeHeader(doc, "Next");
  EXPECT_EQ(doc[static_cast<std::size_t>(next) - 1], "");
  EXPECT_NE(doc[static_cast<std::size_t>(next) - 2], "");
  int empties = 0;
  for (const auto& line : doc) empties += line.empty();
  EXPECT_EQ(empties, 1);
  EXPECT_EQ(ReadNamedTheme(doc, "T"), t);
}

TEST_F(Blocks, SaveKeepsCommentedThemeAndAppendsAfterIt) {
  Document doc = {"[T]", "authors=A", ";[Old]", ";authors=O"};
  TQuibTheme t = ReadNamedTheme(doc, "T");
  t.Effect = 1;
  ASSERT_TRUE(SaveThemeBlock(doc, "T", t));
  EXPECT_EQ(doc[2], ";[Old]");
  EXPECT_EQ(doc[3], ";authors=O");
  EXPECT_EQ(doc[4], "background_color=#FF00FF");
  EXPECT_EQ(doc[doc.size() - 2], "effect=blood");
  EXPECT_EQ(doc.back(), "");
  EXPECT_FALSE(SaveThemeBlock(doc, "absent", t));
}

TEST_F(Blocks, AppendRenameDelete) {
  Document doc = {"[A]", "authors=a", "[B]", "authors=b", ";[Old]", ";x=1", "[C]"};
  TQuibTheme t;
  t.Authors = "n";
  AppendTheme(doc, "Night", t);
  EXPECT_EQ(doc[7], "[Night]");
  EXPECT_EQ(doc[8], "authors=n");
  EXPECT_NE(doc.back(), "");

  ASSERT_TRUE(DeleteThemeBlock(doc, "b"));
  EXPECT_EQ(ListThemeNames(doc), (std::vector<std::string>{"A", "C", "Night"}));
  EXPECT_EQ(doc[2], "[C]");
  EXPECT_FALSE(DeleteThemeBlock(doc, "b"));

  ASSERT_TRUE(RenameThemeHeader(doc, "a", "C"));
  EXPECT_EQ(doc[0], "[C]");
  EXPECT_EQ(FindThemeHeader(doc, "c"), 0);  // the first of two equal names answers
  EXPECT_FALSE(RenameThemeHeader(doc, "zzz", "y"));
}

TEST(Uncomment, EnabledOnlyWithANonEmptyCommentedAuthor) {
  EXPECT_TRUE(HasCommentedThemes({"[A]", ";AUTHORS=Someone"}));
  EXPECT_FALSE(HasCommentedThemes({"[A]", ";authors="}));
  EXPECT_FALSE(HasCommentedThemes({";authors=", ";authors=Later"}));  // the first decides
  EXPECT_FALSE(HasCommentedThemes({"authors=Me"}));
  // Any text after the "=" counts, even blanks or a comment.
  EXPECT_TRUE(HasCommentedThemes({";authors= "}));
  EXPECT_TRUE(HasCommentedThemes({";authors=;x"}));
}

TEST(Uncomment, OnlyThemeLinesLoseTheirSemicolon) {
  Document doc = {";[Retro]",
                  ";authors =Me",
                  ";authors=Me",
                  "; authors=Me",
                  ";;authors=Me",
                  ";note: nothing here",
                  ";EFFECT=snow",
                  ";colour=1",
                  ";",
                  "",
                  "[X]"};
  EXPECT_EQ(UncommentThemeLines(doc), 4);
  EXPECT_EQ(doc, (Document{"[Retro]", "authors =Me", "authors=Me", "; authors=Me", ";;authors=Me",
                           ";note: nothing here", "EFFECT=snow", ";colour=1", ";", "", "[X]"}));
}

}  // namespace
