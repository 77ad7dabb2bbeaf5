#include <gtest/gtest.h>

#include "themes/QuibTheme.h"

namespace {

// Writes go through the store, which needs the loading flag.
class Writable : public ::testing::Test {
 protected:
  StoreWrites writes_;
};

ThemeColour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

TEST(ThemeColour, ReadsRedFirstAndWritesUpperCase) {
  EXPECT_EQ(StrToThemeColour("#80ff00"), Rgb(0x80, 0xFF, 0x00));
  EXPECT_EQ(StrToThemeColour("x3050A0"), Rgb(0x30, 0x50, 0xA0));
  EXPECT_EQ(ThemeColourToStr(Rgb(0x80, 0xFF, 0x00)), "#80FF00");
  EXPECT_EQ(ThemeColourToStr(Rgb(0x0A, 0x0B, 0x0C)), "#0A0B0C");
  // The top byte is no part of a colour and never written.
  EXPECT_EQ(ThemeColourToStr(0xFF000000u | Rgb(1, 2, 3)), "#010203");
}

TEST(ThemeColour, UnreadableTextIsMagenta) {
  EXPECT_EQ(StrToThemeColour("#80FF0"), kThemeMagenta);
  EXPECT_EQ(StrToThemeColour("red"), kThemeMagenta);
  EXPECT_EQ(StrToThemeColour("#80FFZZ"), kThemeMagenta);
  EXPECT_EQ(StrToThemeColour(""), kThemeMagenta);
  EXPECT_EQ(StrToThemeColour("#80 F00"), kThemeMagenta);
  EXPECT_EQ(StrToThemeColour("#-80F00"), kThemeMagenta);
  // More than 32 bits fails; exactly 32 bits is read (top byte dropped).
  EXPECT_EQ(StrToThemeColour("#123456789"), kThemeMagenta);
  EXPECT_EQ(StrToThemeColour("#FF123456"), Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(StrToThemeColour("#0000000000ABCDEF"), Rgb(0xAB, 0xCD, 0xEF));
}

TEST(ThemeColour, TopDigitOfSevenIsDropped) {
  EXPECT_EQ(StrToThemeColour("#1234567"), Rgb(0x23, 0x45, 0x67));
}

TEST(Gradient, ReadsBothNumbersAndColour) {
  std::int32_t s = -1, f = -1;
  ThemeColour c = 0;
  EXPECT_TRUE(StrToGradient("  30%-70% #000080 ", s, f, c));
  EXPECT_EQ(s, 30);
  EXPECT_EQ(f, 70);
  EXPECT_EQ(c, Rgb(0, 0, 0x80));
  EXPECT_TRUE(StrToGradient("-5%-250% #FFFFFF", s, f, c));
  EXPECT_EQ(s, -5);
  EXPECT_EQ(f, 250);
}

TEST(Gradient, FailuresLeaveUnreadPartsAlone) {
  std::int32_t s = 7, f = 8;
  ThemeColour c = 9;
  EXPECT_FALSE(StrToGradient("30%-70%", s, f, c));
  EXPECT_EQ(c, 9u);  // no colour: not set
  s = 7;
  f = 8;
  EXPECT_FALSE(StrToGradient("x%-70% #000080", s, f, c));
  EXPECT_EQ(s, 7);
  EXPECT_EQ(f, 70);
  EXPECT_EQ(c, Rgb(0, 0, 0x80));  // the colour is still read
  EXPECT_FALSE(StrToGradient("", s, f, c));
  EXPECT_FALSE(StrToGradient("%", s, f, c));
  EXPECT_FALSE(StrToGradient("99999999999%-1% #000000", s, f, c));
  // A colour that is long enough but unreadable counts as read (magenta).
  EXPECT_TRUE(StrToGradient("1%-2% #GGGGGG", s, f, c));
  EXPECT_EQ(c, kThemeMagenta);
}

TEST(ReadTheme, EmptyBlockGivesAllDefaults) {
  TQuibTheme t;
  ReadTheme(t, {});
  EXPECT_TRUE(t.Authors.empty());
  for (ThemeColour c :
       {t.BackgroundColor, t.BackgroundGridColor, t.WindowBorderColor, t.WindowBackgroundColor,
        t.WindowTitlebarColor, t.WindowTitlebarGradientColor, t.WindowSeparatorsColor,
        t.MenuBackgroundColor, t.MenuGradientColor, t.WidgetGenericTextColor,
        t.WidgetStatusbarTextColor, t.WidgetScrollbarBackgroundColor})
    EXPECT_EQ(c, kThemeMagenta);
  EXPECT_EQ(t.TitlebarGradientStart, 0);
  EXPECT_EQ(t.TitlebarGradientFinish, 100);
  EXPECT_EQ(t.MenuGradientStart, 0);
  EXPECT_EQ(t.MenuGradientFinish, 100);
  EXPECT_TRUE(t.BackgroundPicture.empty());
  EXPECT_EQ(t.PictureMode, -1);
  EXPECT_EQ(t.Effect, 0);
}

TEST(ReadTheme, DerivedColoursFollowTheirBaseWhenAbsentOnly) {
  Document lines = {"background_color=#010203",        "window_border_color=#0A0000",
                    "menu_background_color=#00000B",   "menu_selection_color=#000C00",
                    "menu_text_color=#0D0000",         "window_text_color=#0E0000",
                    "window_background_color=#000F00", "widget_listbox_text_color=#123456",
                    "window_separators_color=bad"};
  TQuibTheme t;
  ReadTheme(t, lines);
  EXPECT_EQ(t.BackgroundGridColor, Rgb(1, 2, 3));
  EXPECT_EQ(t.WidgetGenericBorderColor, Rgb(0x0A, 0, 0));
  EXPECT_EQ(t.WidgetGenericBackgroundColor, Rgb(0, 0, 0x0B));
  EXPECT_EQ(t.WidgetStatusbarBackgroundColor, Rgb(0, 0, 0x0B));
  EXPECT_EQ(t.WidgetScrollbarScrollerColor, Rgb(0, 0x0C, 0));
  EXPECT_EQ(t.WidgetGenericTextUnactiveColor, Rgb(0x0E, 0, 0));
  EXPECT_EQ(t.WidgetScrollbarBackgroundColor, Rgb(0, 0x0F, 0));
  EXPECT_EQ(t.WidgetStatusbarTextColor, Rgb(0x0D, 0, 0));
  EXPECT_EQ(t.WidgetListboxTextColor, Rgb(0x12, 0x34, 0x56));
  // Present but unreadable: magenta, not the default.
  EXPECT_EQ(t.WindowSeparatorsColor, kThemeMagenta);
}

TEST(ReadTheme, GradientAndItsFallback) {
  TQuibTheme t;
  ReadTheme(t, {"window_titlebar_color=#102030", "window_titlebar_gradient=30%-70% #000080",
                "menu_background_color=#405060", "menu_gradient=30%-70%"});
  EXPECT_EQ(t.TitlebarGradientStart, 30);
  EXPECT_EQ(t.TitlebarGradientFinish, 70);
  EXPECT_EQ(t.WindowTitlebarGradientColor, Rgb(0, 0, 0x80));
  EXPECT_EQ(t.MenuGradientStart, 0);
  EXPECT_EQ(t.MenuGradientFinish, 100);
  EXPECT_EQ(t.MenuGradientColor, Rgb(0x40, 0x50, 0x60));

  TQuibTheme u;
  ReadTheme(u, {"window_titlebar_color=#102030", "window_titlebar_gradient=x%-70% #000080"});
  EXPECT_EQ(u.TitlebarGradientStart, 0);
  EXPECT_EQ(u.TitlebarGradientFinish, 100);
  EXPECT_EQ(u.WindowTitlebarGradientColor, Rgb(0x10, 0x20, 0x30));
}

TEST(ReadTheme, EffectWords) {
  auto effect = [](const std::string& line) {
    TQuibTheme t;
    ReadTheme(t, {line});
    return t.Effect;
  };
  EXPECT_EQ(effect("effect=SNOW"), 3);
  EXPECT_EQ(effect("effect=Blood"), 1);
  EXPECT_EQ(effect("effect=hearts ; love"), 2);
  EXPECT_EQ(effect("effect=rain"), 0);
  // An unknown word keeps what the record held.
  TQuibTheme t;
  t.Effect = 2;
  ReadTheme(t, {"effect=rain"});
  EXPECT_EQ(t.Effect, 2);
}

TEST(ReadTheme, PictureAndMode) {
  auto read = [](const std::string& value) {
    TQuibTheme t;
    ReadTheme(t, {"background_picture=" + value});
    return t;
  };
  TQuibTheme t = read("\"Themes/forest.png\" center");
  EXPECT_EQ(t.BackgroundPicture, "Themes/forest.png");
  EXPECT_EQ(t.PictureMode, 3);
  t = read("\"Themes/forest.png\" Center");
  EXPECT_EQ(t.BackgroundPicture, "Themes/forest.png");
  EXPECT_EQ(t.PictureMode, 0);
  t = read("Themes/forest.png center");
  EXPECT_TRUE(t.BackgroundPicture.empty());
  EXPECT_EQ(t.PictureMode, 0);
  t = read("\"Themes/a b.png\" stretch_int");
  EXPECT_EQ(t.BackgroundPicture, "Themes/a b.png");
  EXPECT_EQ(t.PictureMode, 1);
  t = read("'x.bmp\" tile");  // the first character is skipped whatever it is
  EXPECT_EQ(t.BackgroundPicture, "x.bmp");
  EXPECT_EQ(t.PictureMode, 2);
  t = read("\"\" tile");
  EXPECT_TRUE(t.BackgroundPicture.empty());
  EXPECT_EQ(t.PictureMode, 2);
  t = read("\"Themes/forest.png\"");  // no closing quote and space
  EXPECT_TRUE(t.BackgroundPicture.empty());
}

TEST_F(Writable, ColourWrittenBackInCanonicalForm) {
  Document lines = {"background_color=#80ff00 ; note"};
  TQuibTheme t;
  ReadTheme(t, lines);
  WriteTheme(t, lines);
  EXPECT_EQ(lines[0], "background_color=#80FF00 ; note");
  TQuibTheme c;
  ReadTheme(c, {"background_color=#80FF00;x"});
  EXPECT_EQ(c.BackgroundColor, Rgb(0x80, 0xFF, 0));
}

TEST_F(Writable, WriteIntoEmptyDocumentAppendsInOrder) {
  TQuibTheme t;
  ReadTheme(t, {});
  t.Authors = "Me";
  t.BackgroundColor = Rgb(1, 2, 3);
  t.BackgroundGridColor = Rgb(4, 5, 6);
  t.BackgroundPicture = "Themes/x.png";
  t.PictureMode = 2;
  t.WidgetStatusbarTextColor = Rgb(9, 9, 9);
  t.Effect = 3;
  Document lines;
  WriteTheme(t, lines);
  const Document expected = {"authors=Me",
                             "background_color=#010203",
                             "background_grid_color=#040506",
                             "background_picture=\"Themes/x.png\" tile",
                             "window_background_color=#FF00FF",
                             "window_border_color=#FF00FF",
                             "window_titlebar_color=#FF00FF",
                             "window_titlebar_text_color=#FF00FF",
                             "window_titlebar_text_unactive_color=#FF00FF",
                             "window_titlebar_gradient=0%-100% #FF00FF",
                             "window_text_color=#FF00FF",
                             "window_text_highlight_color=#FF00FF",
                             "menu_background_color=#FF00FF",
                             "menu_border_color=#FF00FF",
                             "menu_selection_color=#FF00FF",
                             "menu_text_color=#FF00FF",
                             "menu_text_unactive_color=#FF00FF",
                             "menu_gradient=0%-100% #FF00FF",
                             "widget_statusbar_text_color=#090909",
                             "effect=snow"};
  EXPECT_EQ(lines, expected);
}

TEST_F(Writable, DerivedColoursEqualToDefaultDisappear) {
  Document lines = {"background_color=#101010", "background_grid_color=#202020",
                    "window_border_color=#303030", "window_separators_color=#404040"};
  TQuibTheme t;
  ReadTheme(t, lines);
  t.BackgroundGridColor = t.BackgroundColor;
  t.WindowSeparatorsColor = t.WindowBorderColor;
  WriteTheme(t, lines);
  EXPECT_EQ(FindKey(lines, "background_grid_color"), -1);
  EXPECT_EQ(FindKey(lines, "window_separators_color"), -1);
  for (const auto& line : lines) EXPECT_EQ(line.rfind("widget_", 0), std::string::npos) << line;
}

TEST_F(Writable, RoundTripKeepsEveryField) {
  TQuibTheme t;
  ReadTheme(t, {});
  std::uint32_t seed = 1;
  for (ThemeColour* c : {&t.BackgroundColor,
                         &t.BackgroundGridColor,
                         &t.WindowBorderColor,
                         &t.WindowBackgroundColor,
                         &t.WindowTitlebarColor,
                         &t.WindowTitlebarTextColor,
                         &t.WindowTitlebarTextUnactiveColor,
                         &t.WindowTitlebarGradientColor,
                         &t.WindowTextColor,
                         &t.WindowTextHighlightColor,
                         &t.WindowSeparatorsColor,
                         &t.MenuBackgroundColor,
                         &t.MenuBorderColor,
                         &t.MenuSelectionColor,
                         &t.MenuTextColor,
                         &t.MenuTextUnactiveColor,
                         &t.MenuGradientColor,
                         &t.WidgetGenericBackgroundColor,
                         &t.WidgetGenericSelectionColor,
                         &t.WidgetGenericBorderColor,
                         &t.WidgetGenericTextColor,
                         &t.WidgetGenericTextUnactiveColor,
                         &t.WidgetListboxBackgroundColor,
                         &t.WidgetListboxBorderColor,
                         &t.WidgetListboxSelectionColor,
                         &t.WidgetListboxTextColor,
                         &t.WidgetScrollbarBackgroundColor,
                         &t.WidgetScrollbarScrollerColor,
                         &t.WidgetStatusbarBackgroundColor,
                         &t.WidgetStatusbarBorderColor,
                         &t.WidgetStatusbarTextColor}) {
    seed = seed * 1103515245u + 12345u;
    *c = seed & 0xFFFFFF;
  }
  t.Authors = "Somebody";
  t.TitlebarGradientStart = -20;
  t.TitlebarGradientFinish = 180;
  t.MenuGradientStart = 40;
  t.MenuGradientFinish = 60;
  t.BackgroundPicture = "Themes/forest.png";
  for (int mode = 0; mode <= 3; ++mode) {
    for (int effect = 0; effect <= 3; ++effect) {
      t.PictureMode = mode;
      t.Effect = effect;
      Document lines;
      WriteTheme(t, lines);
      TQuibTheme back;
      ReadTheme(back, lines);
      EXPECT_EQ(back, t) << mode << " " << effect;
    }
  }
}

TEST_F(Writable, RoundTripExceptions) {
  TQuibTheme t;
  ReadTheme(t, {});
  t.Effect = -4;
  t.Authors = "A;B";
  t.BackgroundPicture = "Themes/x.png";
  t.PictureMode = -1;
  Document lines;
  WriteTheme(t, lines);
  TQuibTheme back;
  ReadTheme(back, lines);
  EXPECT_EQ(back.Effect, 0);
  EXPECT_EQ(back.Authors, "A");
  EXPECT_TRUE(back.BackgroundPicture.empty());

  // Values beyond the word tables are stored as "none", never read past them.
  t.Effect = 99;
  t.PictureMode = 7;
  WriteTheme(t, lines);
  EXPECT_EQ(FindKey(lines, "effect"), -1);
  EXPECT_EQ(ReadValue(lines, "background_picture"), "\"Themes/x.png\"");
}

TEST_F(Writable, EmptyPictureAndNoEffectRemoveTheirLines) {
  Document lines = {"background_picture=\"a.png\" tile", "effect=snow"};
  TQuibTheme t;
  ReadTheme(t, lines);
  t.BackgroundPicture.clear();
  t.Effect = 0;
  WriteTheme(t, lines);
  EXPECT_EQ(FindKey(lines, "background_picture"), -1);
  EXPECT_EQ(FindKey(lines, "effect"), -1);
}

TEST(WriteTheme, NothingChangesBeforeLoadingFinished) {
  ASSERT_FALSE(LoadingFinished);
  Document lines = {"authors=A"};
  TQuibTheme t;
  t.Authors = "B";
  WriteTheme(t, lines);
  EXPECT_EQ(lines, Document{"authors=A"});
}

}  // namespace
