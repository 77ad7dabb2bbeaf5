// Guards the sample emulator directory that the other tests and the first start
// rely on: its files must exist, survive a load-normalise-save round trip with
// nothing but the documented changes, and carry every key the pages read with
// values the pages understand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "store/ZIniReader.h"
#include "tests/support/SourceDir.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits text whose every line ends in CR LF; fails the test on any other break.
std::vector<std::string> SplitCrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line has no CR LF";
      end = text.size();
    }
    std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "lone CR or LF in: " << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

std::string TrimBlanks(const std::string& s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  auto first = std::find_if_not(s.begin(), s.end(), blank);
  auto last = std::find_if_not(s.rbegin(), s.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

std::string StarsToSpaces(std::string s) {
  std::replace(s.begin(), s.end(), '*', ' ');
  return s;
}

const std::vector<std::string> kDosDrivers = {"auto",   "safe",   "vga",   "modex", "vesa1",
                                              "vesa2b", "vesa2l", "vesa3", "vbeaf"};
const std::vector<std::string> kWinDrivers = {"auto",        "auto_win",     "safe",
                                              "directx",     "directx_soft", "directx_safe",
                                              "directx_win", "directx_ovl",  "gdi"};
const std::vector<std::string> kUnixDrivers = {"auto", "xdfs"};

bool OneOf(const std::string& value, const std::vector<std::string>& words) {
  return std::find(words.begin(), words.end(), value) != words.end();
}

class SampleDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quib-samples-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::copy(fs::path(test_support::SourceDir()) / "samples" / "emulator", dir_,
             fs::copy_options::recursive);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // Loads and normalises a file of the copy, as the loader does.
  Document Load(const std::string& name) const {
    Document doc;
    LoadDocument(doc, dir_ / name);
    NormalizeLines(doc);
    return doc;
  }

  fs::path dir_;
};

TEST_F(SampleDirectory, HoldsEveryFileTheProgramAndTheTestsUse) {
  for (const char* name :
       {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.msg", "quib.thm", "Quib.txt",
        "QuibW.txt", "Themes/pattern.png", "Themes/pattern.bmp", "Themes/pattern.tga",
        "Themes/pattern-rle.tga", "Themes/pattern-8bit.pcx", "Themes/pattern-24bit.pcx",
        "Themes/horizon.png"}) {
    EXPECT_TRUE(fs::is_regular_file(dir_ / name)) << name;
  }
}

// Loading, normalising and saving changes nothing but the blanks around the
// "=" of name lines; every line break already is CR LF.
TEST_F(SampleDirectory, SurvivesLoadNormaliseSaveWithOnlyNameLinesTidied) {
  const std::map<std::string, int> expectedTidied = {
      {"quib.cfg", 1}, {"quibw.cfg", 0}, {"quib.blt", 50}, {"quib.inp", 1}, {"quib.thm", 1}};
  for (const auto& [name, tidied] : expectedTidied) {
    SCOPED_TRACE(name);
    const std::vector<std::string> before = SplitCrLfLines(ReadBytes(dir_ / name));
    SaveDocument(Load(name), dir_ / (name + ".saved"));
    const std::vector<std::string> after = SplitCrLfLines(ReadBytes(dir_ / (name + ".saved")));
    ASSERT_EQ(after.size(), before.size());
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (after[i] == before[i]) continue;
      ++changed;
      const std::string& line = before[i];
      const std::size_t eq = line.find('=');
      ASSERT_NE(eq, std::string::npos) << "line without \"=\" changed: " << line;
      ASSERT_FALSE(line.find(';') < eq) << "comment line changed: " << line;
      EXPECT_EQ(after[i], TrimBlanks(line.substr(0, eq)) + "=" + TrimBlanks(line.substr(eq + 1)));
    }
    EXPECT_EQ(changed, tidied);
  }
}

TEST_F(SampleDirectory, BothSettingsFilesCarryTheVersionMarkInAComment) {
  for (const char* name : {"quib.cfg", "quibw.cfg"}) {
    const std::vector<std::string> lines = SplitCrLfLines(ReadBytes(dir_ / name));
    auto mark = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.find("QUIB 0.72") != std::string::npos;
    });
    ASSERT_NE(mark, lines.end()) << name;
    EXPECT_EQ(mark->front(), ';') << name;
  }
}

// The message file names four languages, one of them with a space and one
// with a Windows-1252 letter; each settings file names one of them.
TEST_F(SampleDirectory, MessageFileListsTheLanguagesTheSettingsName) {
  Document msg;
  LoadDocument(msg, dir_ / "quib.msg");
  std::vector<std::string> languages;
  for (const std::string& line : msg) {
    if (!line.empty() && line[0] == '[') languages.push_back(line.substr(1, line.size() - 2));
  }
  EXPECT_EQ(languages, (std::vector<std::string>{"English", "Deutsch",
                                                 "Fran\xE7"
                                                 "ais",
                                                 "Brazilian Portuguese"}));
  EXPECT_EQ(ReadValue(Load("quib.cfg"), "language"), "Brazilian*Portuguese");
  for (const char* name : {"quib.cfg", "quibw.cfg"}) {
    const std::string language = StarsToSpaces(ReadValue(Load(name), "language"));
    EXPECT_TRUE(std::any_of(languages.begin(), languages.end(),
                            [&](const std::string& l) { return SameName(l, language); }))
        << name << ": " << language;
  }
}

// Every key a page reads from the settings files is there, with a value, and
// only where it belongs.
TEST_F(SampleDirectory, SettingsAndInputFilesCarryEveryKeyThePagesRead) {
  const Document dos = Load("quib.cfg");
  const Document win = Load("quibw.cfg");
  const Document input = Load("quib.inp");
  for (const char* key : {"start_in_gui",
                          "gui_video_mode",
                          "gui_video_driver",
                          "gui_refresh_rate",
                          "gui_vsync",
                          "fb_width",
                          "fb_height",
                          "fb_uses_db",
                          "fb_close_after_load",
                          "fb_fullscreen_after_load",
                          "frameskip_mode",
                          "frameskip_normal_speed",
                          "frameskip_auto_speed",
                          "bios_logo",
                          "sprite_flickering",
                          "country",
                          "tv_type",
                          "3dglasses_mode",
                          "3dglasses_com_port",
                          "rapidfire",
                          "allow_opposite_directions",
                          "sound_card",
                          "sound_rate",
                          "fm_enabled",
                          "fm_emulator",
                          "opl_speed",
                          "screenshots_filename_template",
                          "music_vgm_filename_template",
                          "music_wav_filename_template",
                          "music_vgm_log_accuracy",
                          "language",
                          "show_product_number",
                          "show_messages_fullscreen",
                          "nes_sucks",
                          "tile_viewer_displayed_tiles",
                          "debug_mode",
                          "debugger_console_lines",
                          "debugger_disassembly_lines",
                          "debugger_log",
                          "debugger_disassembly_display_labels",
                          "memory_editor_lines",
                          "memory_editor_columns",
                          "theme",
                          "blitter"}) {
    EXPECT_NE(ReadValue(dos, key), "") << "quib.cfg " << key;
    EXPECT_NE(ReadValue(win, key), "") << "quibw.cfg " << key;
    EXPECT_EQ(FindKey(input, key), -1) << "quib.inp " << key;
  }
  // Only quibw.cfg has the NES switch, so the loader's append shows on quib.cfg.
  EXPECT_EQ(FindKey(dos, "mario_is_a_fat_plumber"), -1);
  EXPECT_NE(ReadValue(win, "mario_is_a_fat_plumber"), "");
  for (const char* key : {"joy_driver", "mouse_speed_x", "mouse_speed_y", "cabinet_mode"}) {
    EXPECT_NE(ReadValue(input, key), "") << key;
    EXPECT_EQ(FindKey(dos, key), -1) << "quib.cfg " << key;
    EXPECT_EQ(FindKey(win, key), -1) << "quibw.cfg " << key;
  }
  // The two files disagree on shared settings, so a test can tell which is preferred.
  for (const char* key : {"fb_width", "country", "tv_type", "frameskip_mode", "language", "theme",
                          "rapidfire", "nes_sucks", "debug_mode"}) {
    EXPECT_NE(ReadValue(dos, key), ReadValue(win, key)) << key;
  }
}

TEST_F(SampleDirectory, SettingsUseTheWordsThePagesOffer) {
  const std::map<std::string, std::vector<std::string>> shared = {
      {"sprite_flickering", {"auto", "yes", "no"}},
      {"country", {"us/eur", "jap"}},
      {"tv_type", {"ntsc", "pal/secam"}},
      {"frameskip_mode", {"standard", "auto"}},
      {"3dglasses_mode", {"0", "1", "2", "3"}},
      {"3dglasses_com_port", {"1", "2"}},
      {"fm_enabled", {"yes", "no"}},
      {"fm_emulator", {"none", "opl", "digital"}},
      {"music_vgm_log_accuracy", {"sample", "frame"}},
      {"tile_viewer_displayed_tiles", {"448", "512"}},
      {"gui_refresh_rate", {"auto", "50", "60", "75", "90", "100", "120"}}};
  const Document dos = Load("quib.cfg");
  const Document win = Load("quibw.cfg");
  for (const auto& [key, words] : shared) {
    EXPECT_TRUE(OneOf(ReadValue(dos, key), words)) << "quib.cfg " << key;
    EXPECT_TRUE(OneOf(ReadValue(win, key), words)) << "quibw.cfg " << key;
  }
  EXPECT_TRUE(OneOf(ReadValue(dos, "gui_video_driver"), kDosDrivers));
  EXPECT_TRUE(OneOf(ReadValue(win, "gui_video_driver"), kWinDrivers));
  EXPECT_LE(ReadInteger(dos, "sound_card"), 7);
  EXPECT_LE(ReadInteger(win, "sound_card"), 3);
  // Two placeholders, the extension of the page, and "*" for every space.
  for (const Document* doc : {&dos, &win}) {
    for (const auto& [key, extensions] :
         {std::pair{"screenshots_filename_template",
                    std::vector<std::string>{".pcx", ".bmp", ".tga", ".png"}},
          std::pair{"music_vgm_filename_template", std::vector<std::string>{".vgm"}},
          std::pair{"music_wav_filename_template", std::vector<std::string>{".wav"}}}) {
      const std::string t = ReadValue(*doc, key);
      ASSERT_GT(t.size(), 4u) << key;
      EXPECT_EQ(std::count(t.begin(), t.end(), '%'), 2) << t;
      EXPECT_EQ(t.find(' '), std::string::npos) << t;
      EXPECT_TRUE(OneOf(t.substr(t.size() - 4), extensions)) << t;
    }
  }
}

// Blitters: every build has active and commented-out blitters, every active
// one is complete with words of its build, and each settings file selects one.
TEST_F(SampleDirectory, BlitterFileServesEveryBuild) {
  const Document blt = Load("quib.blt");
  const Document dos = Load("quib.cfg");
  const Document win = Load("quibw.cfg");
  const std::vector<std::string> filters = {"normal", "double", "tvmode_double", "scanlines",
                                            "tvmode", "eagle",  "hq2x",          "parallel"};
  struct Build {
    std::string suffix;
    const std::vector<std::string>* drivers;
    int selected;  // -1: no settings file remembers one
  };
  for (const Build& build : {Build{"::DOS", &kDosDrivers, ReadInteger(dos, "blitter")},
                             Build{"::WIN", &kWinDrivers, ReadInteger(win, "blitter")},
                             Build{"::UNIX", &kUnixDrivers, -1}}) {
    SCOPED_TRACE(build.suffix);
    int active = 0;
    int commented = 0;
    for (std::size_t i = 1; i < blt.size(); ++i) {
      const std::string& header = blt[i];
      if (header.rfind(";[", 0) == 0 && header.find(build.suffix + "]") != std::string::npos) {
        ++commented;
        EXPECT_NE(blt[i + 1].find(" = "), std::string::npos) << "uncommentable: " << blt[i + 1];
      }
      if (header.empty() || header[0] != '[' || header.find(build.suffix) == std::string::npos)
        continue;
      ++active;
      Document block;
      for (std::size_t j = i + 1; j < blt.size() && (blt[j].empty() || blt[j][0] != '['); ++j)
        block.push_back(blt[j]);
      EXPECT_TRUE(OneOf(ReadValue(block, "driver"), *build.drivers)) << header;
      EXPECT_TRUE(OneOf(ReadValue(block, "blitter"), filters)) << header;
      for (const char* key : {"res", "refresh_rate", "video_depth"})
        EXPECT_NE(ReadValue(block, key), "") << header << " " << key;
    }
    EXPECT_GE(active, 2);
    EXPECT_GE(commented, 1);
    EXPECT_LT(build.selected, active);
  }
}

// Themes: the named themes exist, the first one spells out every colour, the
// pictures are there, and commented-out themes are ready to be uncommented.
TEST_F(SampleDirectory, ThemeFileMatchesTheSettingsAndThePictures) {
  const Document thm = Load("quib.thm");
  std::vector<std::string> themes;
  int commentedHeaders = 0;
  bool commentedAuthors = false;
  std::set<std::string> modes;
  for (const std::string& line : thm) {
    if (!line.empty() && line[0] == '[') themes.push_back(line.substr(1, line.size() - 2));
    if (line.rfind(";[", 0) == 0) ++commentedHeaders;
    if (line.rfind(";authors=", 0) == 0 && line.size() > 9) commentedAuthors = true;
    // Picture lines, active or commented out.
    const std::size_t key = line.find_first_not_of(';');
    if (key == std::string::npos || line.compare(key, 18, "background_picture") != 0) continue;
    // "Themes/<file>" in double quotes, one space, the mode word.
    const std::size_t open = line.find('"', key);
    const std::size_t close = line.find("\" ", open + 1);
    ASSERT_NE(close, std::string::npos) << line;
    EXPECT_TRUE(fs::is_regular_file(dir_ / line.substr(open + 1, close - open - 1))) << line;
    modes.insert(TrimBlanks(line.substr(close + 2)));
  }
  EXPECT_EQ(themes,
            (std::vector<std::string>{"Quib Classic", "Midnight", "Desert Sunset", "Candy Shop"}));
  EXPECT_EQ(commentedHeaders, 2);
  EXPECT_TRUE(commentedAuthors);
  EXPECT_EQ(modes, (std::set<std::string>{"stretch", "stretch_int", "tile", "center"}));
  EXPECT_EQ(ReadValue(Load("quib.cfg"), "theme"), "Quib Classic");
  EXPECT_EQ(ReadValue(Load("quibw.cfg"), "theme"), "Desert Sunset");

  const auto header = std::find(thm.begin(), thm.end(), "[Quib Classic]");
  ASSERT_NE(header, thm.end());
  const Document classic(header + 1, std::find(header, thm.end(), ""));
  for (const char* part : {"background",
                           "background_grid",
                           "window_border",
                           "window_background",
                           "window_titlebar",
                           "window_titlebar_text",
                           "window_titlebar_text_unactive",
                           "window_text",
                           "window_text_highlight",
                           "window_separators",
                           "menu_background",
                           "menu_border",
                           "menu_selection",
                           "menu_text",
                           "menu_text_unactive",
                           "widget_generic_background",
                           "widget_generic_selection",
                           "widget_generic_border",
                           "widget_generic_text",
                           "widget_generic_text_unactive",
                           "widget_listbox_background",
                           "widget_listbox_border",
                           "widget_listbox_selection",
                           "widget_listbox_text",
                           "widget_scrollbar_background",
                           "widget_scrollbar_scroller",
                           "widget_statusbar_background",
                           "widget_statusbar_border",
                           "widget_statusbar_text"}) {
    const std::string value = ReadValue(classic, std::string(part) + "_color");
    EXPECT_EQ(value.size(), 7u) << part;
    EXPECT_EQ(value.find_first_not_of("#0123456789ABCDEF"), std::string::npos) << part;
  }
  for (const char* gradient : {"window_titlebar_gradient", "menu_gradient"})
    EXPECT_NE(ReadValue(classic, gradient).find("% #"), std::string::npos) << gradient;
}

// Every format holds the same 63x47 picture (odd width: BMP rows are padded,
// PCX lines carry an extra byte); the headers say so.
TEST_F(SampleDirectory, PatternPicturesShareOneSizeInEveryFormat) {
  auto u16 = [](const std::string& b, std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(b[at]) |
                                 static_cast<unsigned char>(b[at + 1]) << 8);
  };
  auto be32 = [](const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
  };
  const fs::path themes = dir_ / "Themes";
  const std::string png = ReadBytes(themes / "pattern.png");
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(be32(png, 16), 63u);
  EXPECT_EQ(be32(png, 20), 47u);
  const std::string bmp = ReadBytes(themes / "pattern.bmp");
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(u16(bmp, 18), 63u);
  EXPECT_EQ(u16(bmp, 22), 47u);
  EXPECT_EQ(u16(bmp, 28), 24u);
  EXPECT_EQ(bmp.size(), 54u + 64u * 3u * 47u);  // rows of 189 bytes padded to 192
  for (const auto& [file, type] : {std::pair{"pattern.tga", 2}, std::pair{"pattern-rle.tga", 10}}) {
    const std::string tga = ReadBytes(themes / file);
    EXPECT_EQ(tga[2], type) << file;
    EXPECT_EQ(u16(tga, 12), 63u) << file;
    EXPECT_EQ(u16(tga, 14), 47u) << file;
    EXPECT_EQ(tga[16], 24) << file;
  }
  for (const auto& [file, planes] :
       {std::pair{"pattern-8bit.pcx", 1}, std::pair{"pattern-24bit.pcx", 3}}) {
    const std::string pcx = ReadBytes(themes / file);
    EXPECT_EQ(pcx[0], 0x0A) << file;
    EXPECT_EQ(pcx[2], 1) << file;  // run-length encoded
    EXPECT_EQ(u16(pcx, 8) + 1, 63u) << file;
    EXPECT_EQ(u16(pcx, 10) + 1, 47u) << file;
    EXPECT_EQ(pcx[65], planes) << file;
    EXPECT_EQ(u16(pcx, 66), 64u) << file;  // bytes per line: always even
  }
  const std::string pcx8 = ReadBytes(themes / "pattern-8bit.pcx");
  EXPECT_EQ(pcx8[pcx8.size() - 769], 0x0C);  // the 256-colour palette follows
}

}  // namespace
