#include "themes/QuibTheme.h"

#include <climits>

#include "store/Cp1252.h"
#include "store/Merge.h"

const std::array<std::string_view, 4> EffectWords = {"", "blood", "hearts", "snow"};
const std::array<std::string_view, 5> PictureModeWords = {"", "stretch", "stretch_int", "tile",
                                                          "center"};

const std::array<std::string_view, 34> ThemeKeys = {
    "authors",
    "background_color",
    "background_grid_color",
    "background_picture",
    "window_border_color",
    "window_background_color",
    "window_titlebar_color",
    "window_titlebar_text_color",
    "window_titlebar_text_unactive_color",
    "window_titlebar_gradient",
    "window_text_color",
    "window_text_highlight_color",
    "window_separators_color",
    "menu_background_color",
    "menu_border_color",
    "menu_selection_color",
    "menu_text_color",
    "menu_text_unactive_color",
    "menu_gradient",
    "widget_generic_background_color",
    "widget_generic_selection_color",
    "widget_generic_border_color",
    "widget_generic_text_color",
    "widget_generic_text_unactive_color",
    "widget_listbox_background_color",
    "widget_listbox_border_color",
    "widget_listbox_selection_color",
    "widget_listbox_text_color",
    "widget_scrollbar_background_color",
    "widget_scrollbar_scroller_color",
    "widget_statusbar_background_color",
    "widget_statusbar_border_color",
    "widget_statusbar_text_color",
    "effect",
};

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Signed 32-bit decimal with an optional sign; false for anything else.
bool ParseDecimal(std::string_view s, std::int32_t& out) {
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return false;
  const std::int64_t limit = negative ? static_cast<std::int64_t>(INT32_MAX) + 1 : INT32_MAX;
  std::int64_t magnitude = 0;
  for (const char c : s) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return false;
  }
  out = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

// One "number%" and the character after it, taken off the front of text.
bool TakePercent(std::string_view& text, std::int32_t& out) {
  const std::size_t pos = text.find('%');
  // Without a "%" the whole text is not read and only its first character goes.
  const std::size_t p = pos == std::string_view::npos ? 0 : pos + 1;  // 1-based
  const bool ok = p > 0 && ParseDecimal(text.substr(0, p - 1), out);
  text.remove_prefix(std::min(text.size(), p + 1));
  return ok;
}

ThemeColour ReadPlainly(const Document& lines, std::string_view key) {
  return StrToThemeColour(ReadValue(lines, key));
}

void WriteColour(Document& lines, std::string_view key, ThemeColour colour) {
  WriteValue(lines, key, ThemeColourToStr(colour));
}

std::string GradientText(std::int32_t start, std::int32_t finish, ThemeColour colour) {
  return std::to_string(start) + "%-" + std::to_string(finish) + "% " + ThemeColourToStr(colour);
}

// A widget colour with the field it falls back to when its key is absent.
struct WidgetColour {
  std::string_view key;
  ThemeColour TQuibTheme::*field;
  ThemeColour TQuibTheme::*def;
};

constexpr WidgetColour kWidgetColours[] = {
    {"widget_generic_background_color", &TQuibTheme::WidgetGenericBackgroundColor,
     &TQuibTheme::MenuBackgroundColor},
    {"widget_generic_selection_color", &TQuibTheme::WidgetGenericSelectionColor,
     &TQuibTheme::MenuSelectionColor},
    {"widget_generic_border_color", &TQuibTheme::WidgetGenericBorderColor,
     &TQuibTheme::WindowBorderColor},
    {"widget_generic_text_color", &TQuibTheme::WidgetGenericTextColor,
     &TQuibTheme::WindowTextHighlightColor},
    {"widget_generic_text_unactive_color", &TQuibTheme::WidgetGenericTextUnactiveColor,
     &TQuibTheme::WindowTextColor},
    {"widget_listbox_background_color", &TQuibTheme::WidgetListboxBackgroundColor,
     &TQuibTheme::MenuBackgroundColor},
    {"widget_listbox_border_color", &TQuibTheme::WidgetListboxBorderColor,
     &TQuibTheme::MenuBorderColor},
    {"widget_listbox_selection_color", &TQuibTheme::WidgetListboxSelectionColor,
     &TQuibTheme::MenuSelectionColor},
    {"widget_listbox_text_color", &TQuibTheme::WidgetListboxTextColor, &TQuibTheme::MenuTextColor},
    {"widget_scrollbar_background_color", &TQuibTheme::WidgetScrollbarBackgroundColor,
     &TQuibTheme::WindowBackgroundColor},
    {"widget_scrollbar_scroller_color", &TQuibTheme::WidgetScrollbarScrollerColor,
     &TQuibTheme::MenuSelectionColor},
    {"widget_statusbar_background_color", &TQuibTheme::WidgetStatusbarBackgroundColor,
     &TQuibTheme::MenuBackgroundColor},
    {"widget_statusbar_border_color", &TQuibTheme::WidgetStatusbarBorderColor,
     &TQuibTheme::MenuBorderColor},
    {"widget_statusbar_text_color", &TQuibTheme::WidgetStatusbarTextColor,
     &TQuibTheme::MenuTextColor},
};

}  // namespace

ThemeColour StrToThemeColour(std::string_view text) {
  if (text.size() < 7) return kThemeMagenta;
  std::uint64_t number = 0;
  for (const char c : text.substr(1)) {
    const int digit = HexDigit(c);
    if (digit < 0) return kThemeMagenta;
    number = number * 16 + static_cast<std::uint64_t>(digit);
    if (number > 0xFFFFFFFFu) return kThemeMagenta;
  }
  const ThemeColour red = (number >> 16) & 0xFF;
  const ThemeColour green = (number >> 8) & 0xFF;
  const ThemeColour blue = number & 0xFF;
  return red | (green << 8) | (blue << 16);
}

std::string ThemeColourToStr(ThemeColour colour) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "#";
  for (const int shift : {0, 8, 16}) {
    const unsigned byte = (colour >> shift) & 0xFF;
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

bool StrToGradient(std::string_view text, std::int32_t& start, std::int32_t& finish,
                   ThemeColour& colour) {
  bool result = true;
  text = TrimBlanks(text);
  if (!TakePercent(text, start)) result = false;
  if (!TakePercent(text, finish)) result = false;
  if (TrimBlanks(text).size() <= 6) return false;
  colour = StrToThemeColour(text);
  return result;
}

ThemeColour ReadThemeColour(const Document& lines, std::string_view key, ThemeColour def) {
  const std::string value = ReadValue(lines, key);
  return value.empty() ? def : StrToThemeColour(value);
}

void WriteThemeColour(Document& lines, std::string_view key, ThemeColour colour, ThemeColour def) {
  if (colour == def)
    DeleteKey(lines, key);
  else
    WriteColour(lines, key, colour);
}

void ReadTheme(TQuibTheme& t, const Document& lines) {
  t.Authors = ReadValue(lines, "authors");

  t.BackgroundColor = ReadPlainly(lines, "background_color");
  t.BackgroundGridColor = ReadThemeColour(lines, "background_grid_color", t.BackgroundColor);

  t.WindowBackgroundColor = ReadPlainly(lines, "window_background_color");
  t.WindowBorderColor = ReadPlainly(lines, "window_border_color");
  t.WindowTitlebarColor = ReadPlainly(lines, "window_titlebar_color");
  t.WindowTitlebarTextColor = ReadPlainly(lines, "window_titlebar_text_color");
  t.WindowTitlebarTextUnactiveColor = ReadPlainly(lines, "window_titlebar_text_unactive_color");

  if (!StrToGradient(ReadValue(lines, "window_titlebar_gradient"), t.TitlebarGradientStart,
                     t.TitlebarGradientFinish, t.WindowTitlebarGradientColor)) {
    t.TitlebarGradientStart = 0;
    t.TitlebarGradientFinish = 100;
    t.WindowTitlebarGradientColor = t.WindowTitlebarColor;
  }

  t.WindowTextColor = ReadPlainly(lines, "window_text_color");
  t.WindowTextHighlightColor = ReadPlainly(lines, "window_text_highlight_color");
  t.WindowSeparatorsColor = ReadThemeColour(lines, "window_separators_color", t.WindowBorderColor);

  t.MenuBackgroundColor = ReadPlainly(lines, "menu_background_color");
  t.MenuBorderColor = ReadPlainly(lines, "menu_border_color");
  t.MenuSelectionColor = ReadPlainly(lines, "menu_selection_color");
  t.MenuTextColor = ReadPlainly(lines, "menu_text_color");
  t.MenuTextUnactiveColor = ReadPlainly(lines, "menu_text_unactive_color");
  if (!StrToGradient(ReadValue(lines, "menu_gradient"), t.MenuGradientStart, t.MenuGradientFinish,
                     t.MenuGradientColor)) {
    t.MenuGradientStart = 0;
    t.MenuGradientFinish = 100;
    t.MenuGradientColor = t.MenuBackgroundColor;
  }

  for (const WidgetColour& w : kWidgetColours) t.*w.field = ReadThemeColour(lines, w.key, t.*w.def);

  const std::string effect = cp1252::ToLower(ReadValue(lines, "effect"));
  for (std::size_t i = 0; i < EffectWords.size(); ++i) {
    if (effect == EffectWords[i]) {
      t.Effect = static_cast<std::int32_t>(i);
      break;
    }
  }

  // «"file" mode»: the first character is skipped whatever it is, and the file
  // name runs up to the first double quote followed by a space.
  std::string_view picture;
  const std::string value = ReadValue(lines, "background_picture");
  std::string_view v(value);
  const std::size_t pos = v.find("\" ");
  const std::size_t p = pos == std::string_view::npos ? 0 : pos + 1;  // 1-based
  if (p > 2) picture = v.substr(1, p - 2);
  t.BackgroundPicture = std::string(picture);
  v.remove_prefix(std::min(v.size(), p + 1));
  for (std::size_t i = 0; i < PictureModeWords.size(); ++i) {
    if (v == PictureModeWords[i]) {
      t.PictureMode = static_cast<std::int32_t>(i) - 1;
      break;
    }
  }
}

void WriteTheme(const TQuibTheme& t, Document& lines) {
  WriteValue(lines, "authors", t.Authors);

  WriteColour(lines, "background_color", t.BackgroundColor);
  WriteThemeColour(lines, "background_grid_color", t.BackgroundGridColor, t.BackgroundColor);

  if (!t.BackgroundPicture.empty()) {
    // A mode outside the table is stored like "none", which reads back as no
    // picture, rather than indexing past the table.
    const bool known = t.PictureMode >= -1 && t.PictureMode <= 3;
    const std::string_view word = known ? PictureModeWords[t.PictureMode + 1] : "";
    WriteValue(lines, "background_picture", "\"" + t.BackgroundPicture + "\" " + std::string(word));
  } else {
    DeleteKey(lines, "background_picture");
  }

  WriteColour(lines, "window_background_color", t.WindowBackgroundColor);
  WriteColour(lines, "window_border_color", t.WindowBorderColor);
  WriteColour(lines, "window_titlebar_color", t.WindowTitlebarColor);
  WriteColour(lines, "window_titlebar_text_color", t.WindowTitlebarTextColor);
  WriteColour(lines, "window_titlebar_text_unactive_color", t.WindowTitlebarTextUnactiveColor);
  WriteValue(lines, "window_titlebar_gradient",
             GradientText(t.TitlebarGradientStart, t.TitlebarGradientFinish,
                          t.WindowTitlebarGradientColor));

  WriteColour(lines, "window_text_color", t.WindowTextColor);
  WriteColour(lines, "window_text_highlight_color", t.WindowTextHighlightColor);
  WriteThemeColour(lines, "window_separators_color", t.WindowSeparatorsColor, t.WindowBorderColor);

  WriteColour(lines, "menu_background_color", t.MenuBackgroundColor);
  WriteColour(lines, "menu_border_color", t.MenuBorderColor);
  WriteColour(lines, "menu_selection_color", t.MenuSelectionColor);
  WriteColour(lines, "menu_text_color", t.MenuTextColor);
  WriteColour(lines, "menu_text_unactive_color", t.MenuTextUnactiveColor);
  WriteValue(lines, "menu_gradient",
             GradientText(t.MenuGradientStart, t.MenuGradientFinish, t.MenuGradientColor));

  for (const WidgetColour& w : kWidgetColours) WriteThemeColour(lines, w.key, t.*w.field, t.*w.def);

  // An effect beyond the table is stored as none rather than read past it.
  if (t.Effect >= 1 && t.Effect <= 3)
    WriteValue(lines, "effect", EffectWords[static_cast<std::size_t>(t.Effect)]);
  else
    DeleteKey(lines, "effect");
}

// ---- Theme blocks ----

bool IsThemeHeader(std::string_view line) { return !line.empty() && line.front() == '['; }

std::vector<std::string> ListThemeNames(const Document& doc) {
  std::vector<std::string> names;
  for (const std::string& line : doc) {
    if (!IsThemeHeader(line)) continue;
    names.push_back(line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string());
  }
  return names;
}

int FindThemeHeader(const Document& doc, std::string_view name) {
  std::string header;
  header.reserve(name.size() + 2);
  header.append("[").append(name).append("]");
  for (std::size_t i = 0; i < doc.size(); ++i)
    if (cp1252::EqualNoCase(doc[i], header)) return static_cast<int>(i);
  return -1;
}

int ThemeBlockEnd(const Document& doc, int headerIndex) {
  std::size_t i = headerIndex < 0 ? 0 : static_cast<std::size_t>(headerIndex) + 1;
  while (i < doc.size() && !IsThemeHeader(doc[i])) ++i;
  return static_cast<int>(i);
}

Document CollectThemeBlock(const Document& doc, int headerIndex) {
  Document block;
  const int end = ThemeBlockEnd(doc, headerIndex);
  for (int i = headerIndex < 0 ? 0 : headerIndex + 1; i < end; ++i) {
    const std::string& line = doc[static_cast<std::size_t>(i)];
    if (!line.empty()) block.push_back(line);
  }
  return block;
}

TQuibTheme ReadNamedTheme(const Document& doc, std::string_view name) {
  TQuibTheme theme;
  ReadTheme(theme, CollectThemeBlock(doc, FindThemeHeader(doc, name)));
  return theme;
}

bool SaveThemeBlock(Document& doc, std::string_view name, const TQuibTheme& theme) {
  const int header = FindThemeHeader(doc, name);
  if (header < 0) return false;
  const merge::Edit edit(
      doc, {merge::Block(doc[static_cast<std::size_t>(header)])},
      [name = std::string(name), theme](Document& other) { SaveThemeBlock(other, name, theme); });
  const auto begin = doc.begin() + header + 1;
  const auto end = doc.begin() + ThemeBlockEnd(doc, header);
  Document scratch(begin, end);
  auto at = doc.erase(begin, end);
  at = doc.insert(at, std::string());
  WriteTheme(theme, scratch);
  Document kept;
  kept.reserve(scratch.size());
  for (std::string& line : scratch)
    if (!line.empty()) kept.push_back(std::move(line));
  doc.insert(at, kept.begin(), kept.end());
  return true;
}

void AppendTheme(Document& doc, std::string_view name, const TQuibTheme& theme) {
  const merge::Edit edit(
      doc, {merge::Block("[" + std::string(name) + "]")},
      [name = std::string(name), theme](Document& other) { AppendTheme(other, name, theme); });
  doc.push_back("[" + std::string(name) + "]");
  Document lines;
  WriteTheme(theme, lines);
  doc.insert(doc.end(), lines.begin(), lines.end());
}

bool RenameThemeHeader(Document& doc, std::string_view oldName, std::string_view newName) {
  const int header = FindThemeHeader(doc, oldName);
  if (header < 0) return false;
  const merge::Edit edit(doc,
                         {merge::Block(doc[static_cast<std::size_t>(header)]),
                          merge::Block("[" + std::string(newName) + "]")},
                         [oldName = std::string(oldName), newName = std::string(newName)](
                             Document& other) { RenameThemeHeader(other, oldName, newName); });
  doc[static_cast<std::size_t>(header)] = "[" + std::string(newName) + "]";
  return true;
}

bool DeleteThemeBlock(Document& doc, std::string_view name) {
  const int header = FindThemeHeader(doc, name);
  if (header < 0) return false;
  const merge::Edit edit(
      doc, {merge::Block(doc[static_cast<std::size_t>(header)])},
      [name = std::string(name)](Document& other) { DeleteThemeBlock(other, name); });
  doc.erase(doc.begin() + header, doc.begin() + ThemeBlockEnd(doc, header));
  return true;
}

bool HasCommentedThemes(const Document& doc) {
  // The raw text after the "=" counts: a commented author line is not a
  // setting, so its value is neither trimmed nor cut at a ";".
  const int index = FindKey(doc, ";authors");
  if (index < 0) return false;
  const std::string& line = doc[static_cast<std::size_t>(index)];
  return line.find('=') + 1 < line.size();
}

namespace {

bool IsThemeKey(std::string_view name) {
  for (const std::string_view key : ThemeKeys)
    if (cp1252::EqualNoCase(name, key)) return true;
  return false;
}

// The count characters of line from its second character on (none when count
// is not positive).
std::string_view FromSecond(std::string_view line, std::ptrdiff_t count) {
  if (count <= 0 || line.size() < 2) return {};
  return line.substr(1, static_cast<std::size_t>(count));
}

}  // namespace

int UncommentThemeLines(Document& doc) {
  // Any block may change: the edit names none.
  const merge::Edit edit(doc, {}, [](Document& other) { UncommentThemeLines(other); });
  int changed = 0;
  for (std::string& line : doc) {
    if (line.empty() || line.front() != ';') continue;
    const std::size_t eq = line.find('=');
    const std::ptrdiff_t p = eq == std::string::npos ? 0 : static_cast<std::ptrdiff_t>(eq) + 1;
    const bool header = line.size() >= 2 && line[1] == '[';
    if (header || IsThemeKey(FromSecond(line, p - 3)) || IsThemeKey(FromSecond(line, p - 2))) {
      line.erase(0, 1);
      ++changed;
    }
  }
  return changed;
}
