// The main window's shell: start-up, locating the emulator, loading, applying,
// undoing, closing and running the emulator, driven through the real window
// with the platform double answering.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include "app/PageControl.h"
#include "tests/app/AppFixture.h"

namespace {

using platform::Answer;

class Shell : public AppTest {
 protected:
  std::vector<QString> Captions() const {
    std::vector<QString> out;
    for (const auto& m : platform_.messages()) out.push_back(m.caption);
    return out;
  }
  QString Ini() const { return platform_.profileText(IniPath()).value_or(QString()); }
};

TEST_F(Shell, FirstStartCancelledEndsWithTheMessageAndWritesNothing) {
  EXPECT_EQ(Start(), nullptr);
  const auto dialogs = platform_.openFileRequests();
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].title, "Please locate Quib or QuibW (or press Cancel)");
  EXPECT_EQ(dialogs[0].filter, "Quib|quib.exe;quibw.exe|All files|*.*");
  EXPECT_EQ(dialogs[0].fileName, "Quib*.exe");
  const auto messages = platform_.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_EQ(messages[0].text,
            "You need to locate Quib so this program can load its settings files.\r"
            "This program will now close.");
  EXPECT_EQ(messages[0].icon, platform::Icon::Error);
  EXPECT_TRUE(platform_.profileWrites().empty());
}

TEST_F(Shell, FirstStartUsesTheChosenFilesFolder) {
  platform_.queueOpenFile(EmuDir() + "quibw.exe");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->QuibPath, EmuDir());
  EXPECT_EQ(form->pos(), QPoint(100, 100));
  EXPECT_EQ(Find<QLineEdit>("edtLocation")->text(), EmuDir());
  EXPECT_EQ(form->PageControl->currentIndex(), 0);  // "Active page" defaults to 0
  EXPECT_TRUE(LoadingFinished);
  Close();
  EXPECT_TRUE(Ini().contains("Quib path=" + EmuDir()));
}

TEST_F(Shell, StoredSettingsAreUsedAsTheyAre) {
  WriteIni(
      "Left=0x20\nTop=40\nActive page=12\nPreferred cfg file=7\nLoad ROM on run=1\n"
      "Show NES warning=0\nMissing picture warning=junk");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(platform_.openFileRequests().empty());
  EXPECT_EQ(form->pos(), QPoint(32, 40));
  EXPECT_EQ(form->PageControl->activePage()->objectName(), "Theme");
  EXPECT_EQ(form->PreferIndex(), 1);
  EXPECT_TRUE(Find<QCheckBox>("cbLoadRomOnRun")->isChecked());
  EXPECT_FALSE(form->ShowNESWarning);
  EXPECT_TRUE(form->MissingPictureWarning);
  ASSERT_NE(form->Documents.QuibWDoc, nullptr);
  EXPECT_EQ(form->PreferredDocument(), form->Documents.QuibWDoc.get());
  EXPECT_FALSE(form->Documents.BlitterDoc.empty());
  EXPECT_FALSE(form->Documents.InputDoc.empty());
  EXPECT_FALSE(form->Documents.ThemeDoc.empty());
}

TEST_F(Shell, AnActivePageOutsideTheRangeKeepsDonate) {
  WriteIni("Active page=13");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(form()->PageControl->currentIndex(), 1);
}

TEST_F(Shell, MissingRequiredFilesAskToRelocateAndClose) {
  RemoveFile("quib.inp");
  WriteIni();
  platform_.queueAnswer(Answer::No);
  Start();
  ASSERT_FALSE(platform_.messages().empty());
  const auto question = platform_.messages()[0];
  EXPECT_EQ(question.caption, "Error");
  EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
  EXPECT_TRUE(question.text.startsWith("One or more of the required configuration files"));
  EXPECT_TRUE(question.text.endsWith("quib.thm (themes)\r\rDo you want to relocate Quib?"));
  EXPECT_FALSE(form()->isVisible());
  EXPECT_FALSE(LoadingFinished);
  EXPECT_TRUE(Ini().contains("Quib path=" + EmuDir()));
}

TEST_F(Shell, RelocatingAfterMissingFilesAsksForARestart) {
  RemoveFile("quib.thm");
  WriteIni();
  platform_.queueAnswer(Answer::Yes);
  QDir().mkpath(ExeDir() + "elsewhere");
  platform_.queueOpenFile(ExeDir() + Native("elsewhere/quib.exe"));
  Start();
  EXPECT_EQ(Captions(), (std::vector<QString>{"Error", "Restart required"}));
  EXPECT_EQ(platform_.messages()[1].text, "Please restart the program to try again.");
  EXPECT_TRUE(Ini().contains("Quib path=" + ExeDir() + Native("elsewhere/")));
}

TEST_F(Shell, VersionMarkMustBeUpperCase) {
  WriteIni();
  ASSERT_NE(Start(), nullptr);
  EXPECT_TRUE(platform_.messages().empty());  // the mark stands in a comment
  Close();

  std::string cfg = ReadFile("quibw.cfg");
  cfg.replace(cfg.find("QUIB 0.72"), 9, "quib 0.72");
  WriteFile("quibw.cfg", cfg);
  WriteIni("Preferred cfg file=1");
  platform_.clearCalls();
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Captions(), (std::vector<QString>{"Version mismatch"}));
  EXPECT_EQ(platform_.messages()[0].icon, platform::Icon::Warning);
}

TEST_F(Shell, OnlyQuibWPresent) {
  RemoveFile("quib.cfg");
  WriteIni("Preferred cfg file=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(Find<QRadioButton>("rgPreferSettingsFrom_Quib")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>("rgPreferSettingsFrom_QuibW")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("btnRunQuib")->isEnabled());
  EXPECT_EQ(form->PreferIndex(), 0);
  EXPECT_EQ(form->PreferredDocument(), form->Documents.QuibWDoc.get());
  platform_.queueAnswer(Answer::Yes);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  EXPECT_EQ(ReadFile("quib.cfg"), "<missing>");
  EXPECT_NE(ReadFile("quibw.cfg"), "<missing>");
}

TEST_F(Shell, ApplyWritesEveryFileNormalisedWithCrLf) {
  WriteIni();
  ASSERT_NE(Start(), nullptr);
  ASSERT_NE(ReadFile("quib.inp").find("mouse_speed_y = 3"), std::string::npos);
  platform_.queueAnswer(Answer::Yes);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  const std::string inp = ReadFile("quib.inp");
  EXPECT_NE(inp.find("mouse_speed_y=3\r\n"), std::string::npos);
  for (const char* name : {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"}) {
    const std::string text = ReadFile(name);
    ASSERT_GE(text.size(), 2u) << name;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << name;
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
      ASSERT_EQ(text[i - 1], '\r') << name;
  }
  EXPECT_EQ(Captions(), (std::vector<QString>{"Settings saved"}));
}

TEST_F(Shell, ConfirmationSwitchedOffUntilWarningsAreReset) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  platform_.queueAnswer(Answer::No);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  EXPECT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0].text,
            "Settings saved.\r\rDo you want to see this message again?");
  form->MissingPictureWarning = false;
  form->ShowNESWarning = false;
  QTest::mouseClick(Find<QPushButton>("ResetWarningsButton"), Qt::LeftButton);
  EXPECT_TRUE(form->MissingPictureWarning && form->ShowNESWarning && form->ShowMessageWhenApplying);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  EXPECT_EQ(platform_.messages().size(), 2u);
}

TEST_F(Shell, CancelKeepsTheFilesAndWritesTheSettingsInKeyOrder) {
  WriteIni("Last ROM path=/games/");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  const std::string before = ReadFile("quib.cfg");
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  platform_.clearCalls();
  QTest::mouseClick(Find<QPushButton>("CancelButton"), Qt::LeftButton);
  EXPECT_EQ(ReadFile("quib.cfg"), before);
  std::vector<QString> keys;
  for (const auto& w : platform_.profileWrites()) keys.push_back(w.key);
  EXPECT_EQ(keys, (std::vector<QString>{"Left", "Top", "Quib path", "Active page",
                                        "Missing picture warning", "Show message when applying",
                                        "Show NES warning", "Preferred cfg file", "Load ROM on run",
                                        "Last ROM path"}));
  EXPECT_EQ(platform_.profileWrites().back().value, Native("/games/"));
  EXPECT_EQ(form->Documents.QuibDoc, nullptr);  // released at close
}

TEST_F(Shell, UndoAndPreferenceChangeReloadFromDisk) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  WriteValue(form->Documents.InputDoc, "cabinet_mode", "1");
  QTest::mouseClick(Find<QPushButton>("UndoButton"), Qt::LeftButton);
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "fb_width"), "360");
  EXPECT_EQ(ReadValue(form->Documents.InputDoc, "cabinet_mode"), "0");
  EXPECT_TRUE(LoadingFinished);

  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  QTest::mouseClick(Find<QRadioButton>("rgPreferSettingsFrom_QuibW"), Qt::LeftButton);
  EXPECT_EQ(form->PreferIndex(), 1);
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "fb_width"), "360");
  EXPECT_EQ(form->PreferredDocument(), form->Documents.QuibWDoc.get());
}

// Each reload reads into the strings of the load before it: files that grow,
// shrink and change between reloads come out as a fresh load reads them (and
// the fill adds the same missing keys at the end).
TEST_F(Shell, ReloadsOfChangedFilesReadAsAFreshLoad) {
  WriteIni();
  const std::string cfg = ReadFile("quib.cfg");
  const std::filesystem::path path = (EmuDir() + "quib.cfg").toStdString();
  auto freshLoad = [&] {
    Document fresh;
    LoadDocument(fresh, path, nullptr, LineForm::Normalized);
    return fresh;
  };
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  const std::size_t read = freshLoad().size();
  ASSERT_GE(form->Documents.QuibDoc->size(), read);
  const Document added(form->Documents.QuibDoc->begin() + static_cast<std::ptrdiff_t>(read),
                       form->Documents.QuibDoc->end());
  std::string longer;
  for (int i = 0; i < 400; ++i)
    longer += "  pad_" + std::to_string(i) + " =  " + std::string(i % 50, 'v') + "\r\n";
  const std::string versions[] = {longer + cfg, "odd line\r\n" + cfg, cfg, longer + cfg,
                                  "a=1\r\n" + cfg};
  for (const std::string& version : versions) {
    WriteFile("quib.cfg", version);
    QTest::mouseClick(Find<QPushButton>("UndoButton"), Qt::LeftButton);
    Document expected = freshLoad();
    expected.insert(expected.end(), added.begin(), added.end());
    ASSERT_EQ(*form->Documents.QuibDoc, expected);
    EXPECT_EQ(form->Documents.LoadedStamps().at(path).hash, ContentHash(version));
  }
  EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(Shell, AFailedSaveStopsAndKeepsTheWindowAndTheEdits) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  const std::string theme = ReadFile("quib.thm");
  const std::string cfg = ReadFile("quib.cfg");
  RemoveFile("quib.inp");
  ASSERT_TRUE(QDir().mkpath(EmuDir() + "quib.inp"));  // cannot be replaced by a file
  platform_.clearCalls();
  QTest::mouseClick(Find<QPushButton>("OKButton"), Qt::LeftButton);
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0].caption, "Quib Configurator");
  // A folder in a file's place is found while the files are backed up.
  EXPECT_TRUE(platform_.messages()[0].text.startsWith("Nothing was saved: "));
  EXPECT_TRUE(platform_.messages()[0].text.contains(EmuDir() + "quib.inp"));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);    // earlier file
  EXPECT_EQ(ReadFile("quib.thm"), theme);  // later file
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "fb_width"), "999");
  EXPECT_EQ(QDir(EmuDir()).entryList(QDir::Hidden | QDir::Files).filter(".quib").size(), 0);

  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  EXPECT_EQ(Captions(), (std::vector<QString>{"Quib Configurator", "Quib Configurator"}));
}

TEST_F(Shell, AFileThatCannotBeReadNeverLetsOtherContentsBeSaved) {
  // First load: quib.thm cannot be read, so nothing may be saved over the files.
  WriteIni();
  const std::string cfg = ReadFile("quib.cfg");
  RemoveFile("quib.thm");
  ASSERT_TRUE(QDir().mkpath(EmuDir() + "quib.thm"));
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(platform_.messages().at(0).text.startsWith("Cannot open file \"" + EmuDir() +
                                                         "quib.thm\". "));
  EXPECT_TRUE(form->Documents.BlitterDoc.empty());  // all or nothing
  platform_.clearCalls();
  QTest::mouseClick(Find<QPushButton>("OKButton"), Qt::LeftButton);
  EXPECT_EQ(Captions(), (std::vector<QString>{"Quib Configurator"}));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);
  ASSERT_TRUE(QDir(EmuDir() + "quib.thm").removeRecursively());
}

TEST_F(Shell, RelocatingToAFolderThatFailsToLoadKeepsBothFoldersIntact) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  // The other folder lacks quibw.cfg, which was there at start-up.
  const QString other = EmuDir() + Native("other/");
  ASSERT_TRUE(QDir().mkpath(other));
  for (const char* name : {"quib.cfg", "quib.blt", "quib.inp", "quib.msg", "quib.thm"})
    ASSERT_TRUE(QFile::copy(EmuDir() + name, other + name));
  QFile(other + "quib.blt").resize(10);
  const std::string otherBlitters = ReadFile("other/quib.blt");
  platform_.queueOpenFile(other + "quib.exe");
  QTest::mouseClick(Find<QPushButton>("QuibPathButton"), Qt::LeftButton);
  ASSERT_EQ(Captions(), (std::vector<QString>{"Quib Configurator"}));
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "fb_width"), "999");  // documents untouched
  platform_.queueAnswer(Answer::Yes);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  EXPECT_EQ(Captions(), (std::vector<QString>{"Quib Configurator", "Quib Configurator"}));
  EXPECT_EQ(ReadFile("other/quib.blt"), otherBlitters);
  EXPECT_FALSE(QFileInfo::exists(other + "quibw.cfg"));
  EXPECT_EQ(ReadFile("quib.cfg").find("fb_width=999"), std::string::npos);
  Close();
  EXPECT_TRUE(Ini().contains("Quib path=" + other));  // a restart takes it as it is
}

TEST_F(Shell, EnterOnAFocusedButtonClicksThatButton) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  ShowPage("Miscellaneous");
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  QPushButton* undo = Find<QPushButton>("UndoButton");
  undo->setFocus();
  QTest::keyClick(undo, Qt::Key_Return);
  // The click comes once the button was drawn pressed.
  EXPECT_TRUE(
      QTest::qWaitFor([form] { return ReadValue(*form->Documents.QuibDoc, "fb_width") == "360"; }));
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(platform_.messages().empty());  // nothing saved
}

TEST_F(Shell, RunCommandLines) {
  WriteIni("Load ROM on run=1");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  const QString game = ExeDir() + Native("My Games/Space Game.sms");
  platform_.queueOpenFile(game);
  QTest::mouseClick(Find<QPushButton>("btnRunQuib"), Qt::LeftButton);
  platform_.queueOpenFile(std::nullopt);
  QTest::mouseClick(Find<QPushButton>("btnRunQuibW"), Qt::LeftButton);
  const auto started = platform_.started();
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[0].commandLine, "\"" + EmuDir() + "quib.exe\" \"" + game + "\"");
  EXPECT_EQ(started[0].argument, game);
  EXPECT_EQ(started[1].commandLine, "\"" + EmuDir() + "quibw.exe\"");
  EXPECT_EQ(form->LastRomPath, ExeDir() + Native("My Games/"));
  const auto dialogs = platform_.openFileRequests();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0].title, "Load ROM...");
  EXPECT_EQ(dialogs[1].initialDir, ExeDir() + Native("My Games/"));  // reopens where the game was
  EXPECT_EQ(dialogs[1].fileName, "Space Game.sms");
  Close();
  EXPECT_TRUE(Ini().contains("Last ROM path=" + ExeDir() + Native("My Games/")));
}

TEST_F(Shell, RunButtonSavesThenStartsThePreferredBuild) {
  WriteIni("Preferred cfg file=1\nShow message when applying=0");
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibWDoc, "fb_width", "512");
  QTest::mouseClick(Find<QPushButton>("RunButton"), Qt::LeftButton);
  EXPECT_NE(ReadFile("quibw.cfg").find("fb_width=512"), std::string::npos);
  ASSERT_EQ(platform_.started().size(), 1u);
  EXPECT_EQ(platform_.started()[0].program, EmuDir() + "quibw.exe");
  EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(Shell, WarnsOnceWhenTheEmulatorIsRunning) {
  WriteIni();
  platform_.addWindow("Quib - 8-bit or die!");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Captions(), (std::vector<QString>{"Quib is running"}));
  ASSERT_EQ(platform_.findWindowCalls().size(), 1u);
  EXPECT_EQ(platform_.findWindowCalls()[0].className, "AllegroWindow");
}

TEST_F(Shell, TabImagesAndTheirReplacement) {
  WriteIni();
  QImage strip(40, 16, QImage::Format_RGB888);
  strip.fill(Qt::green);
  ASSERT_TRUE(strip.save(ExeDir() + "Tabs.bmp"));
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->ImageLists[0].size(), 2u);
  EXPECT_EQ(form->ImageLists[1].size(), 3u);  // OSes for the blitter tabs
  EXPECT_EQ(form->ImageLists[4].size(), 2u);  // SoundFormats
  EXPECT_EQ(form->ImageLists[1][0].size(), QSize(16, 16));
}

TEST_F(Shell, LinkLabelsOpenTheirTargets) {
  WriteIni();
  ASSERT_NE(Start(), nullptr);
  QLabel* quibTxt = Find<QLabel>("lblQuibTxt");
  QLabel* readme = Find<QLabel>("lblReadme");
#ifdef _WIN32
  EXPECT_EQ(readme->toolTip(), (ExeDir() + "readme.txt").toLower());  // as Windows compares names
#else
  EXPECT_EQ(readme->toolTip(), ExeDir() + "readme.txt");
#endif
  QTest::mouseClick(quibTxt, Qt::LeftButton);
  ASSERT_EQ(platform_.shellCalls().size(), 1u);
  EXPECT_EQ(platform_.shellCalls()[0].verb, "open");
  EXPECT_EQ(platform_.shellCalls()[0].target, EmuDir() + "Quib.txt");
  for (const char* name : {"URL1", "Email1", "URL3", "Label32", "Label39"})
    EXPECT_FALSE(Find<QLabel>(name)->toolTip().isEmpty()) << name;
}

TEST_F(Shell, LocatingAgainReloadsEvenWhenCancelled) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  QTest::mouseClick(Find<QPushButton>("QuibPathButton"), Qt::LeftButton);
  EXPECT_EQ(platform_.openFileRequests().back().initialDir, EmuDir());
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "fb_width"), "360");
}

}  // namespace

namespace {

TEST_F(Shell, SettingsGoToTheUserFolderWhenTheProgramFolderIsReadOnly) {
  const QString config = EmuDir() + "../config/quib-configurator/";
  platform_.setUserConfigDir(config);
  platform_.setExecutableDir(ExeDir() + "missing/");  // a folder nobody can write into
  TForm1 form;
  EXPECT_EQ(form.SettingsFile(), config + "Quib Configurator.ini");
  EXPECT_TRUE(QFileInfo(config).isDir());  // made, so the file can be written at close
}

// A settings file beside the program (a portable copy, or one from before
// settings moved to the user's folder) goes on being used; without one the
// file lives in the user's configuration folder, on Windows beside the
// program.
TEST_F(Shell, SettingsBesideTheProgramWinOverTheUserFolder) {
  const QString config = EmuDir() + "../config/quib-configurator/";
  platform_.setUserConfigDir(config);
  TForm1 form;
#ifdef _WIN32
  EXPECT_EQ(form.SettingsFile(), IniPath());
#else
  EXPECT_EQ(form.SettingsFile(), config + "Quib Configurator.ini");
#endif
  QFile beside(IniPath());
  ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
  beside.close();
  EXPECT_EQ(form.SettingsFile(), IniPath());
}

#ifdef _WIN32
// A copy the installer put there (its uninstaller beside it) keeps its
// settings in the user's folder, which uninstalling leaves alone.
TEST_F(Shell, AnInstalledCopyKeepsItsSettingsInTheUserFolder) {
  const QString config = EmuDir() + "../config/quib-configurator/";
  platform_.setUserConfigDir(config);
  QFile uninstaller(ExeDir() + "uninstall.exe");
  ASSERT_TRUE(uninstaller.open(QIODevice::WriteOnly));
  uninstaller.close();
  TForm1 form;
  EXPECT_EQ(form.SettingsFile(), config + "Quib Configurator.ini");
}
#endif

// The real platform names $XDG_CONFIG_HOME/quib-configurator/.
TEST(ShellSettings, UserConfigFolderFollowsXdgConfigHome) {
#ifndef _WIN32
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  EXPECT_EQ(platform::Current().UserConfigDir(), home.path() + "/quib-configurator/");
  if (saved.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", saved);
#endif
}

}  // namespace

namespace {

// Files full of odd bytes load, fill every page and save without a crash,
// and what was read comes back unchanged apart from line breaks.
TEST_F(Shell, OddFilesLoadFillAndSaveWithoutHarm) {
  std::string noise;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1103515245u + 12345u;
    const char c = static_cast<char>(seed >> 16);
    noise.push_back(c);
    if (i % 37 == 0) noise += "=";
    if (i % 53 == 0) noise += "[";
  }
  for (const char* name : {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm", "quib.msg"})
    WriteFile(name, noise + "\r\nQUIB 0.72\r\n" + std::string(name));
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  const Document blitters = form->Documents.BlitterDoc;
  for (int i = 0; i < form->PageControl->count(); ++i) {
    form->PageControl->setCurrentIndex(i);
    form->PageControlChange();
  }
  EXPECT_EQ(form->Documents.BlitterDoc, blitters);  // showing pages writes nothing
  Apply();
  Document again;
  LoadDocument(again, (EmuDir() + "quib.blt").toStdString());
  NormalizeLines(again);
  EXPECT_EQ(again, blitters);
}

}  // namespace

namespace {

// A directory named on the command line replaces the stored one for this run,
// without the locate dialog; the close keeps the stored one recorded.
TEST_F(Shell, CommandLineDirectoryIsUsedAsIfLocated) {
  WriteIni();
  const QString other = EmuDir() + Native("../Other Quib/");
  QDir().mkpath(other);
  for (const char* name : {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.msg", "quib.thm"})
    ASSERT_TRUE(QFile::copy(EmuDir() + name, other + name));
  QFile cfg(other + "quib.cfg");
  ASSERT_TRUE(cfg.open(QIODevice::ReadWrite));
  QByteArray text = cfg.readAll();
  ASSERT_TRUE(text.contains("fb_width = 360"));
  text.replace("fb_width = 360", "fb_width = 777");
  cfg.seek(0);
  cfg.write(text);
  cfg.close();

  auto form = std::make_unique<TForm1>();
  form->SetStartDirectory(other + "quib.cfg");  // a file names its folder
  ASSERT_TRUE(form->FormCreate());
  form->show();
  QApplication::processEvents();
  const QString expected = QDir::toNativeSeparators(QDir::cleanPath(other)) + QDir::separator();
  EXPECT_EQ(form->QuibPath, expected);
  EXPECT_TRUE(platform_.openFileRequests().empty());
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "fb_width"), "777");
  form->close();
  QApplication::processEvents();
  EXPECT_TRUE(Ini().contains("Quib path=" + EmuDir())) << Ini().toStdString();
  EXPECT_FALSE(Ini().contains("Quib path=" + expected)) << Ini().toStdString();

  // Relocating during such a run is remembered, as always.
  auto again = std::make_unique<TForm1>();
  again->SetStartDirectory(EmuDir());
  ASSERT_TRUE(again->FormCreate());
  again->QuibPath = expected;
  again->close();
  QApplication::processEvents();
  EXPECT_TRUE(Ini().contains("Quib path=" + expected)) << Ini().toStdString();
}

// A directory that lacks the emulator's files meets the same question as one
// located with the "..." button.
TEST_F(Shell, CommandLineDirectoryWithoutTheFilesAsksToRelocate) {
  WriteIni();
  auto form = std::make_unique<TForm1>();
  form->SetStartDirectory(EmuDir() + "../nowhere");
  ASSERT_TRUE(form->FormCreate());
  platform_.queueAnswer(platform::Answer::No);
  form->show();
  QApplication::processEvents();
  ASSERT_FALSE(platform_.messages().empty());
  EXPECT_TRUE(platform_.messages().front().text.startsWith(
      "One or more of the required configuration files was not found."));
  EXPECT_FALSE(form->isVisible());
}

// The About page's readme: beside the program, else where an installation
// puts it.
TEST_F(Shell, ReadmeIsFoundBesideTheProgramOrInItsInstallation) {
  const QString root = EmuDir() + "../usr/";
  QDir().mkpath(root + "bin");
  QDir().mkpath(root + "share/doc/quib-configurator");
  platform_.setExecutableDir(root + "bin/");
  TForm1 form;
  EXPECT_EQ(form.ReadmeFile(), root + "bin/readme.txt");  // neither exists
  QFile installed(root + "share/doc/quib-configurator/readme.txt");
  ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
  installed.close();
  EXPECT_EQ(QFileInfo(form.ReadmeFile()).canonicalFilePath(),
            QFileInfo(installed).canonicalFilePath());
  QFile beside(root + "bin/readme.txt");
  ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
  beside.close();
  EXPECT_EQ(form.ReadmeFile(), root + "bin/readme.txt");
}

}  // namespace

namespace {

// The window's icon is compiled in at every size the desktop asks for.
TEST_F(Shell, ApplicationIconIsBuiltInAtEverySize) {
  TForm1 form;  // registers the program's pictures
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(QString(":/icons/%1.png").arg(size));
    EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    EXPECT_TRUE(icon.hasAlphaChannel()) << size;
  }
}

}  // namespace
