// The Messages, Miscellaneous ("Sega fanboy settings") and Debugging pages,
// driven through the real window on a copy of the sample emulator directory.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "app/PageControl.h"
#include "tests/app/AppFixture.h"

namespace {

using platform::Answer;

class SettingsPages : public AppTest {
 protected:
  static QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
  }
  static int Count(const Document& doc, const std::string& line) {
    return static_cast<int>(std::count(doc.begin(), doc.end(), line));
  }
  bool Contains(const QString& file, const std::string& line) const {
    return ReadFile(file).find("\r\n" + line + "\r\n") != std::string::npos;
  }
  std::vector<platform::MessageRequest> Warnings() const {
    std::vector<platform::MessageRequest> out;
    for (const auto& m : platform_.messages())
      if (m.caption == "Warning") out.push_back(m);
    return out;
  }
};

TEST_F(SettingsPages, FillFromQuibCfg) {
  WriteIni("Preferred cfg file=0");
  ASSERT_NE(Start(), nullptr);
  auto* languages = Find<QComboBox>("LanguagesCombo");
  EXPECT_EQ(Items(languages),
            QStringList({"English", "Deutsch", "Fran\u00e7ais", "Brazilian Portuguese"}));
  EXPECT_EQ(languages->currentText(), "Brazilian Portuguese");
  EXPECT_TRUE(Find<QCheckBox>("ProdNum")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("FSMessages")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("NESSucks")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("MarioIsAFatPlumber")->isChecked());
  EXPECT_EQ(Find<QComboBox>("cbTileViewerSize")->currentText(), "448");
  EXPECT_FALSE(Find<QCheckBox>("cbDebugMode")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("edtDebuggerConsoleLines")->text(), "18");
  EXPECT_EQ(Find<QLineEdit>("edtDebuggerDisassemblyLines")->text(), "18");
  EXPECT_FALSE(Find<QCheckBox>("cbDebuggerLog")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("cbDebuggerDisassemblyShowLabels")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("edtMemoryEditorLines")->text(), "16");
  EXPECT_EQ(Find<QLineEdit>("edtMemoryEditorCols")->text(), "16");
}

TEST_F(SettingsPages, FillFromQuibWCfgShowsNoMessage) {
  WriteIni("Preferred cfg file=1");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Find<QComboBox>("LanguagesCombo")->currentText(), "Fran\u00e7ais");
  EXPECT_FALSE(Find<QCheckBox>("ProdNum")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("FSMessages")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("NESSucks")->isChecked());
  EXPECT_EQ(Find<QComboBox>("cbTileViewerSize")->currentText(), "512");
  EXPECT_TRUE(Find<QCheckBox>("cbDebugMode")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("edtDebuggerConsoleLines")->text(), "24");
  EXPECT_EQ(Find<QLineEdit>("edtDebuggerDisassemblyLines")->text(), "20");
  EXPECT_TRUE(Find<QCheckBox>("cbDebuggerLog")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("cbDebuggerDisassemblyShowLabels")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("edtMemoryEditorLines")->text(), "20");
  EXPECT_EQ(Find<QLineEdit>("edtMemoryEditorCols")->text(), "8");
  // The box is ticked by the loader, with the window shown and the warning
  // on: that is no tick of the user's, neither at start nor on Undo.
  EXPECT_TRUE(Find<QCheckBox>("MarioIsAFatPlumber")->isChecked());
  ShowPage("Miscellaneous");
  Find<QCheckBox>("MarioIsAFatPlumber")->setChecked(false);
  Click(Find<QPushButton>("UndoButton"));
  EXPECT_TRUE(Find<QCheckBox>("MarioIsAFatPlumber")->isChecked());
  EXPECT_TRUE(Warnings().empty());
  EXPECT_TRUE(form()->ShowNESWarning);
  // The loader wrote nothing either.
  EXPECT_EQ(Line(*form()->Documents.QuibDoc, "debug_mode"), "debug_mode=0");
}

TEST_F(SettingsPages, HandlersWriteBothDocumentsAndApplySavesThem) {
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  ShowPage("Messages");
  Click(Find<QCheckBox>("ProdNum"));
  Click(Find<QCheckBox>("FSMessages"));
  Choose(Find<QComboBox>("LanguagesCombo"), "Deutsch");
  ShowPage("Miscellaneous");
  Click(Find<QCheckBox>("NESSucks"));
  ShowPage("TabSheet1");
  Choose(Find<QComboBox>("cbTileViewerSize"), "512");
  Click(Find<QCheckBox>("cbDebugMode"));
  Click(Find<QCheckBox>("cbDebuggerLog"));
  Click(Find<QCheckBox>("cbDebuggerDisassemblyShowLabels"));
  auto* console = Find<QLineEdit>("edtDebuggerConsoleLines");
  console->selectAll();
  QTest::keyClicks(console, "30");
  Find<QLineEdit>("edtDebuggerDisassemblyLines")->setText("40 lines");  // not validated
  Find<QLineEdit>("edtMemoryEditorLines")->setText("32");
  Find<QLineEdit>("edtMemoryEditorCols")->clear();

  const std::vector<std::string> expected = {"show_product_number=0",
                                             "show_messages_fullscreen=0",
                                             "language=Deutsch",
                                             "nes_sucks=0",
                                             "tile_viewer_displayed_tiles=512",
                                             "debug_mode=1",
                                             "debugger_log=1",
                                             "debugger_disassembly_display_labels=0",
                                             "debugger_console_lines=30",
                                             "debugger_disassembly_lines=40 lines",
                                             "memory_editor_lines=32"};
  for (const std::string& line : expected) {
    const std::string key = line.substr(0, line.find('='));
    EXPECT_EQ(Line(*form->Documents.QuibDoc, key), line);
    EXPECT_EQ(Line(*form->Documents.QuibWDoc, key), line);
  }
  // An empty value takes the line out: the key reads empty.
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "memory_editor_columns"), "<none>");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "memory_editor_columns"), "<none>");
  Click(Find<QPushButton>("ApplyButton"));
  EXPECT_EQ(ReadFile("quibw.cfg").find("memory_editor_columns"), std::string::npos);
  for (const std::string& line : expected) {
    EXPECT_TRUE(Contains("quib.cfg", line)) << line;
    EXPECT_TRUE(Contains("quibw.cfg", line)) << line;
  }
}

TEST_F(SettingsPages, OneSettingsFileIsTheOnlyOneWritten) {
  RemoveFile("quib.cfg");
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->Documents.QuibDoc, nullptr);
  EXPECT_EQ(Find<QComboBox>("LanguagesCombo")->currentText(), "Fran\u00e7ais");
  ShowPage("TabSheet1");
  Click(Find<QCheckBox>("cbDebugMode"));
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "debug_mode"), "debug_mode=0");
  EXPECT_EQ(ReadFile("quib.cfg"), "<missing>");
}

TEST_F(SettingsPages, LanguageNamesWithSpacesAreStoredWithStars) {
  WriteIni("Preferred cfg file=1");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  auto* languages = Find<QComboBox>("LanguagesCombo");
  Choose(languages, "Brazilian Portuguese");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "language"), "language=Brazilian*Portuguese");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "language"), "language=Brazilian*Portuguese");
  Choose(languages, "English");
  Choose(languages, "Brazilian Portuguese");
  Click(Find<QPushButton>("ApplyButton"));
  EXPECT_TRUE(Contains("quibw.cfg", "language=Brazilian*Portuguese"));
  // The next load reads the stored name back with spaces, whatever its case.
  Replace("quibw.cfg", "language=Brazilian*Portuguese", "language=BRAZILIAN*portuguese");
  ShowPage("Miscellaneous");
  Click(Find<QPushButton>("UndoButton"));
  EXPECT_EQ(languages->currentText(), "Brazilian Portuguese");
}

TEST_F(SettingsPages, LanguageMissingFromTheMessageFileSelectsTheFirstWithoutWriting) {
  Replace("quib.cfg", "language=Brazilian*Portuguese", "language=Klingon");
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Find<QComboBox>("LanguagesCombo")->currentIndex(), 0);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "language"), "language=Klingon");
  Click(Find<QPushButton>("ApplyButton"));
  EXPECT_TRUE(Contains("quib.cfg", "language=Klingon"));
}

TEST_F(SettingsPages, MessageFileListsOnlyItsHeaderLinesAndIsNeverWritten) {
  WriteFile("quib.msg", "[English]\r\n; a comment\r\nHELLO=Hello\r\n[Francais]\r\n");
  Replace("quib.cfg", "language=Brazilian*Portuguese", "language=FRANCAIS");
  WriteIni("Preferred cfg file=0");
  ASSERT_NE(Start(), nullptr);
  auto* languages = Find<QComboBox>("LanguagesCombo");
  EXPECT_EQ(Items(languages), QStringList({"English", "Francais"}));
  EXPECT_EQ(languages->currentText(), "Francais");
  Click(Find<QPushButton>("ApplyButton"));
  EXPECT_EQ(ReadFile("quib.msg"), "[English]\r\n; a comment\r\nHELLO=Hello\r\n[Francais]\r\n");

  // Without any header line the list is empty and nothing can be chosen.
  WriteFile("quib.msg", "; no languages here\r\n");
  ShowPage("Miscellaneous");
  Click(Find<QPushButton>("UndoButton"));
  EXPECT_EQ(languages->count(), 0);
  EXPECT_EQ(languages->currentIndex(), -1);
  emit languages->activated(0);
  EXPECT_EQ(Line(*form()->Documents.QuibDoc, "language"), "language=FRANCAIS");
}

TEST_F(SettingsPages, MarioLineIsAppendedToThePreferredDocumentOnly) {
  // quib.cfg lacks the key; quibw.cfg has it.
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Documents.QuibDoc->back(), "mario_is_a_fat_plumber=0");
  EXPECT_EQ(Count(*form->Documents.QuibWDoc, "mario_is_a_fat_plumber=0"), 0);
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "mario_is_a_fat_plumber"), "mario_is_a_fat_plumber=1");
  EXPECT_FALSE(Find<QCheckBox>("MarioIsAFatPlumber")->isChecked());

  // Every load reads the file again and adds the line once more, even one
  // started while LoadingFinished is false.
  {
    FillGuard fill;
    form->LoadSettings();
  }
  EXPECT_EQ(Count(*form->Documents.QuibDoc, "mario_is_a_fat_plumber=0"), 1);
  EXPECT_EQ(form->Documents.QuibDoc->back(), "mario_is_a_fat_plumber=0");
  ShowPage("Miscellaneous");
  Click(Find<QPushButton>("UndoButton"));
  EXPECT_EQ(Count(*form->Documents.QuibDoc, "mario_is_a_fat_plumber=0"), 1);

  Click(Find<QPushButton>("ApplyButton"));
  const std::string saved = ReadFile("quib.cfg");
  EXPECT_TRUE(saved.ends_with("\r\nmario_is_a_fat_plumber=0\r\n")) << saved;
  EXPECT_TRUE(Contains("quibw.cfg", "mario_is_a_fat_plumber=1"));
  EXPECT_EQ(Count(*form->Documents.QuibWDoc, "mario_is_a_fat_plumber=0"), 0);
}

TEST_F(SettingsPages, MarioLineIsAppendedAfterAnEmptyOneWhichIsTheOneRead) {
  Replace("quibw.cfg", "mario_is_a_fat_plumber=1", "mario_is_a_fat_plumber=");
  WriteIni("Preferred cfg file=1");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "mario_is_a_fat_plumber"), "mario_is_a_fat_plumber=");
  EXPECT_EQ(form->Documents.QuibWDoc->back(), "mario_is_a_fat_plumber=0");
  EXPECT_FALSE(Find<QCheckBox>("MarioIsAFatPlumber")->isChecked());
  // The Quib document is not the preferred one: it stays without the key.
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "mario_is_a_fat_plumber"), "<none>");
}

TEST_F(SettingsPages, NesWarningAnswersTheUsersTickUntilSwitchedOff) {
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  ShowPage("Miscellaneous");
  auto* mario = Find<QCheckBox>("MarioIsAFatPlumber");
  ASSERT_TRUE(Warnings().empty());

  platform_.queueAnswer(Answer::No);
  Click(mario);
  auto warnings = Warnings();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].icon, platform::Icon::Information);
  EXPECT_EQ(warnings[0].buttons, platform::Buttons::YesNo);
  EXPECT_TRUE(warnings[0].text.startsWith(
      "Please remember that Quib's NES support is unofficial and unsupported.\r"
      "It will only play a few NES games.\r"
      "There are better NES emulators available.\r"));
  EXPECT_TRUE(warnings[0].text.endsWith("\r\rShow this message again?"));
  EXPECT_TRUE(mario->isChecked());
  EXPECT_FALSE(form->ShowNESWarning);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "mario_is_a_fat_plumber"), "mario_is_a_fat_plumber=1");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "mario_is_a_fat_plumber"), "mario_is_a_fat_plumber=1");

  // Switched off: clearing and ticking again asks nothing.
  Click(mario);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "mario_is_a_fat_plumber"), "mario_is_a_fat_plumber=0");
  Click(mario);
  EXPECT_EQ(Warnings().size(), 1u);

  // "Reset warnings" turns it on again; Yes keeps it on; clearing never asks.
  Click(mario);
  Click(Find<QPushButton>("ResetWarningsButton"));
  EXPECT_TRUE(form->ShowNESWarning);
  platform_.queueAnswer(Answer::Yes);
  Click(mario);
  EXPECT_EQ(Warnings().size(), 2u);
  EXPECT_TRUE(form->ShowNESWarning);
  Click(mario);
  EXPECT_EQ(Warnings().size(), 2u);
  EXPECT_FALSE(mario->isChecked());
}

TEST_F(SettingsPages, NesWarningSwitchedOffInTheProgramSettingsAsksNothing) {
  WriteIni("Preferred cfg file=0\nShow NES warning=0");
  ASSERT_NE(Start(), nullptr);
  ShowPage("Miscellaneous");
  Click(Find<QCheckBox>("MarioIsAFatPlumber"));
  EXPECT_TRUE(Warnings().empty());
  Close();
  EXPECT_TRUE(platform_.profileText(IniPath()).value_or("").contains("Show NES warning=0"));
}

TEST_F(SettingsPages, UnknownTileViewerSizeKeepsTheSelection) {
  Replace("quib.cfg", "tile_viewer_displayed_tiles=448", "tile_viewer_displayed_tiles=1024");
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  auto* tiles = Find<QComboBox>("cbTileViewerSize");
  EXPECT_EQ(tiles->currentText(), "448");
  // After quibw.cfg's 512 has been shown, 1024 leaves 512 selected.
  Find<QRadioButton>("rgPreferSettingsFrom_QuibW")->click();
  EXPECT_EQ(tiles->currentText(), "512");
  Find<QRadioButton>("rgPreferSettingsFrom_Quib")->click();
  EXPECT_EQ(tiles->currentText(), "512");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "tile_viewer_displayed_tiles"),
            "tile_viewer_displayed_tiles=1024");
}

// The command buttons of "Configurator settings": the left column is one
// straight edge of equal buttons, and no caption touches its button's edges.
TEST_F(SettingsPages, CommandButtonsShareOneWidthWithRoomAroundTheirCaptions) {
  WriteIni("Preferred cfg file=0");
  ASSERT_NE(Start(), nullptr);
  ShowPage("Miscellaneous");
  auto* run = Find<QPushButton>("btnRunQuib");
  auto* runW = Find<QPushButton>("btnRunQuibW");
  auto* undo = Find<QPushButton>("UndoButton");
  auto* reset = Find<QPushButton>("ResetWarningsButton");
  for (QPushButton* button : {runW, undo, reset}) {
    EXPECT_EQ(button->width(), run->width()) << button->objectName().toStdString();
    EXPECT_TRUE(button->isVisible());
  }
  for (QPushButton* button : {undo, reset})
    EXPECT_EQ(button->mapTo(form(), QPoint()).x(), run->mapTo(form(), QPoint()).x());
  EXPECT_GT(runW->mapTo(form(), QPoint()).x(), run->mapTo(form(), QPoint()).x() + run->width());
  for (QPushButton* button : {run, runW, undo, reset}) {
    const int caption = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
    EXPECT_GE(button->width() - caption, 2 * 10) << button->objectName().toStdString();
  }
}

}  // namespace
