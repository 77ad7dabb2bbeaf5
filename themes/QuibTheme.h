// The theme record, the text form of every theme key, reading a theme's lines
// into a record and writing a record back, and the routines that find, list,
// save, rename, delete and uncomment theme blocks in the theme document.
// Standard library only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/ZIniReader.h"

// A colour as the theme code holds it: red in bits 0-7, green in 8-15, blue in
// 16-23, bits 24-31 zero.
using ThemeColour = std::uint32_t;

// What a missing or unreadable base colour becomes (red 255, green 0, blue 255).
inline constexpr ThemeColour kThemeMagenta = 0xFF00FF;

struct TQuibTheme {
  std::string Authors;
  ThemeColour BackgroundColor = 0;
  ThemeColour BackgroundGridColor = 0;
  ThemeColour WindowBorderColor = 0;
  ThemeColour WindowBackgroundColor = 0;
  ThemeColour WindowTitlebarColor = 0;
  ThemeColour WindowTitlebarTextColor = 0;
  ThemeColour WindowTitlebarTextUnactiveColor = 0;
  ThemeColour WindowTitlebarGradientColor = 0;
  ThemeColour WindowTextColor = 0;
  ThemeColour WindowTextHighlightColor = 0;
  ThemeColour WindowSeparatorsColor = 0;
  ThemeColour MenuBackgroundColor = 0;
  ThemeColour MenuBorderColor = 0;
  ThemeColour MenuSelectionColor = 0;
  ThemeColour MenuTextColor = 0;
  ThemeColour MenuTextUnactiveColor = 0;
  ThemeColour MenuGradientColor = 0;
  ThemeColour WidgetGenericBackgroundColor = 0;
  ThemeColour WidgetGenericSelectionColor = 0;
  ThemeColour WidgetGenericBorderColor = 0;
  ThemeColour WidgetGenericTextColor = 0;
  ThemeColour WidgetGenericTextUnactiveColor = 0;
  ThemeColour WidgetListboxBackgroundColor = 0;
  ThemeColour WidgetListboxBorderColor = 0;
  ThemeColour WidgetListboxSelectionColor = 0;
  ThemeColour WidgetListboxTextColor = 0;
  ThemeColour WidgetScrollbarBackgroundColor = 0;
  ThemeColour WidgetScrollbarScrollerColor = 0;
  ThemeColour WidgetStatusbarBackgroundColor = 0;
  ThemeColour WidgetStatusbarBorderColor = 0;
  ThemeColour WidgetStatusbarTextColor = 0;
  std::int32_t TitlebarGradientStart = 0;
  std::int32_t TitlebarGradientFinish = 0;
  std::int32_t MenuGradientStart = 0;
  std::int32_t MenuGradientFinish = 0;
  std::string BackgroundPicture;  // relative to the emulator directory, no quotes
  std::int32_t PictureMode = 0;   // -1 none, 0 stretch, 1 stretch_int, 2 tile, 3 center
  std::int32_t Effect = 0;        // 0 none, 1 blood, 2 hearts, 3 snow

  bool operator==(const TQuibTheme&) const = default;
};

// Every colour of a theme, in the record's order.
inline constexpr ThemeColour TQuibTheme::*kThemeColourFields[] = {
    &TQuibTheme::BackgroundColor,
    &TQuibTheme::BackgroundGridColor,
    &TQuibTheme::WindowBorderColor,
    &TQuibTheme::WindowBackgroundColor,
    &TQuibTheme::WindowTitlebarColor,
    &TQuibTheme::WindowTitlebarTextColor,
    &TQuibTheme::WindowTitlebarTextUnactiveColor,
    &TQuibTheme::WindowTitlebarGradientColor,
    &TQuibTheme::WindowTextColor,
    &TQuibTheme::WindowTextHighlightColor,
    &TQuibTheme::WindowSeparatorsColor,
    &TQuibTheme::MenuBackgroundColor,
    &TQuibTheme::MenuBorderColor,
    &TQuibTheme::MenuSelectionColor,
    &TQuibTheme::MenuTextColor,
    &TQuibTheme::MenuTextUnactiveColor,
    &TQuibTheme::MenuGradientColor,
    &TQuibTheme::WidgetGenericBackgroundColor,
    &TQuibTheme::WidgetGenericSelectionColor,
    &TQuibTheme::WidgetGenericBorderColor,
    &TQuibTheme::WidgetGenericTextColor,
    &TQuibTheme::WidgetGenericTextUnactiveColor,
    &TQuibTheme::WidgetListboxBackgroundColor,
    &TQuibTheme::WidgetListboxBorderColor,
    &TQuibTheme::WidgetListboxSelectionColor,
    &TQuibTheme::WidgetListboxTextColor,
    &TQuibTheme::WidgetScrollbarBackgroundColor,
    &TQuibTheme::WidgetScrollbarScrollerColor,
    &TQuibTheme::WidgetStatusbarBackgroundColor,
    &TQuibTheme::WidgetStatusbarBorderColor,
    &TQuibTheme::WidgetStatusbarTextColor,
};

// Stored words, indexed by the stored number (PictureMode is the index - 1).
extern const std::array<std::string_view, 4> EffectWords;
extern const std::array<std::string_view, 5> PictureModeWords;

// "#RRGGBB" (first character ignored, hexadecimal digits in either case) to a
// colour; fewer than 7 characters or anything unreadable gives magenta.
ThemeColour StrToThemeColour(std::string_view text);
// "#" and red, green, blue as two upper-case hexadecimal digits each.
std::string ThemeColourToStr(ThemeColour colour);
// «start%-finish% #RRGGBB». True when both numbers and the colour were read;
// an output whose part could not be read keeps its value.
bool StrToGradient(std::string_view text, std::int32_t& start, std::int32_t& finish,
                   ThemeColour& colour);

// Colour of a key; an absent or empty key gives the default, a present but
// unreadable one magenta.
ThemeColour ReadThemeColour(const Document& lines, std::string_view key, ThemeColour def);
// Deletes the key when the colour equals the default, writes it otherwise.
void WriteThemeColour(Document& lines, std::string_view key, ThemeColour colour, ThemeColour def);

// Fills every field from the lines of one theme's block (without its header).
void ReadTheme(TQuibTheme& theme, const Document& lines);
// Writes the record into a theme's lines: base colours, gradients and authors
// always, derived colours, the picture and the effect only when they differ
// from what a missing key reads as. Goes through WriteValue/DeleteKey, so it
// changes nothing while LoadingFinished is false.
void WriteTheme(const TQuibTheme& theme, Document& lines);

// ---- Theme blocks in the theme document ----

// A header is any line whose first character is "[".
bool IsThemeHeader(std::string_view line);
// The names of every header line, in document order (header without its first
// and last characters).
std::vector<std::string> ListThemeNames(const Document& doc);
// Index of the first line equal to "[" + name + "]", letter case ignored; -1.
int FindThemeHeader(const Document& doc, std::string_view name);
// Index just past a block that starts after line headerIndex: the next header
// or the document's size. headerIndex may be -1 (the lines before the first
// header).
int ThemeBlockEnd(const Document& doc, int headerIndex);
// The non-empty lines of the block after headerIndex (-1: the lines before the
// first header).
Document CollectThemeBlock(const Document& doc, int headerIndex);
// The record of the named theme; a name without a header reads the lines
// before the first header.
TQuibTheme ReadNamedTheme(const Document& doc, std::string_view name);

// Writes the record over the named theme's block: the block keeps its comment
// lines and commented-out themes, loses its blank lines, gets the keys the
// record needs and ends with exactly one empty line. False, and nothing
// changed, when there is no such header.
bool SaveThemeBlock(Document& doc, std::string_view name, const TQuibTheme& theme);
// Appends "[name]" and the record's lines at the end of the document.
void AppendTheme(Document& doc, std::string_view name, const TQuibTheme& theme);
// Replaces the first header of oldName by "[" + newName + "]". False when absent.
bool RenameThemeHeader(Document& doc, std::string_view oldName, std::string_view newName);
// Deletes the named header and its block (commented-out themes inside it
// included). False when absent.
bool DeleteThemeBlock(Document& doc, std::string_view name);

// The 34 keys a theme can carry.
extern const std::array<std::string_view, 34> ThemeKeys;
// Whether the document holds commented-out themes worth uncommenting: the
// first line named «;authors» has text after its "=" (blanks and ";" count).
bool HasCommentedThemes(const Document& doc);
// Removes the ";" of every commented-out header and of every commented-out
// theme setting («;key=value» or «;key =value»); the rest of such a line is
// kept as it stands. Returns the number of lines changed.
int UncommentThemeLines(Document& doc);
