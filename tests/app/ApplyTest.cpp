// Apply against the disk: files changed by someone else since loading, files
// that are not regular files, and sets that cannot be saved in full.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>

#include "app/ConflictsDialog.h"
#include "store/Apply.h"
#include "tests/app/AppFixture.h"
#ifndef _WIN32
#include "tests/support/ChildProcess.h"
#endif

namespace {

using platform::Answer;

class ApplyTest : public AppTest {
 protected:
  void ClickApply() { QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton); }
  std::vector<QString> Captions() const {
    std::vector<QString> out;
    for (const auto& m : platform_.messages()) out.push_back(m.caption);
    return out;
  }
  // The backup store of the test's emulator folder, where the program keeps it.
  backups::Store StoreOf() const {
    return backups::Store(backups::DefaultRoot(), QFile::encodeName(EmuDir()).toStdString());
  }
};

// Files someone else changed since loading are merged without a question: the
// window's edit goes into the file as it is now, a file the window did not
// edit is not written, and the backup holds what the merge started from.
TEST_F(ApplyTest, FilesChangedOnDiskAreMergedWithoutAQuestion) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  platform_.clearCalls();
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  Replace("quib.cfg", "sound_volume=200", "sound_volume=150");
  WriteFile("quib.thm", ReadFile("quib.thm") + "; added by hand\r\n");
  const std::string cfg = ReadFile("quib.cfg"), thm = ReadFile("quib.thm");

  Apply();
  EXPECT_EQ(Captions(), std::vector<QString>{"Settings saved"});
  EXPECT_TRUE(HasLine("quib.cfg", "fb_width=999"));
  EXPECT_TRUE(HasLine("quib.cfg", "sound_volume=150"));
  EXPECT_EQ(ReadFile("quib.thm"), thm);
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "sound_volume"), "150");
  const std::vector<backups::BackupSet> sets = StoreOf().List();
  ASSERT_FALSE(sets.empty());
  for (const backups::Store::Content& kept : StoreOf().Read(sets.front())) {
    EXPECT_NE(kept.name, "quib.thm");
    if (kept.name == "quib.cfg") {
      EXPECT_EQ(kept.bytes, cfg);
    }
  }

  // What was saved is what the files hold now: nothing to merge next time.
  platform_.clearCalls();
  Apply();
  EXPECT_EQ(Captions(), std::vector<QString>{"Settings saved"});
}

TEST_F(ApplyTest, UndoAfterACancelledConflictLoadsTheFilesAsTheyAreNow) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  Replace("quib.cfg", "fb_width = 360", "fb_width = 400");
  TConflictsForm::ModalHook = [](TConflictsForm&) { return static_cast<int>(QDialog::Rejected); };
  ClickApply();
  TConflictsForm::ModalHook = nullptr;
  EXPECT_TRUE(HasLine("quib.cfg", "fb_width = 400"));
  QTest::mouseClick(Find<QPushButton>("UndoButton"), Qt::LeftButton);
  EXPECT_EQ(ReadValue(*form->Documents.QuibDoc, "fb_width"), "400");
  platform_.clearCalls();
  Apply();
  EXPECT_EQ(Captions(), std::vector<QString>{"Settings saved"});
  EXPECT_TRUE(HasLine("quib.cfg", "fb_width=400"));
}

#ifndef _WIN32
// Windows has no FIFOs.
TEST_F(ApplyTest, AFifoForASettingsFileIsRefusedWithoutHanging) {
  WriteIni();
  RemoveFile("quib.thm");
  ASSERT_EQ(::mkfifo((EmuDir() + "quib.thm").toLocal8Bit().constData(), 0644), 0);
  const std::string cfg = ReadFile("quib.cfg");
  TForm1* form = Start();  // a blocking open would never return
  ASSERT_NE(form, nullptr);
  ASSERT_FALSE(platform_.messages().empty());
  EXPECT_EQ(platform_.messages()[0].text,
            "Cannot open file \"" + EmuDir() + "quib.thm\". It is not a regular file.");
  platform_.clearCalls();
  Apply();
  ASSERT_EQ(Captions(), std::vector<QString>{"Quib Configurator"});
  EXPECT_TRUE(platform_.messages()[0].text.startsWith("Nothing was saved"));
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);
  struct stat theme {};
  ASSERT_EQ(::stat((EmuDir() + "quib.thm").toLocal8Bit().constData(), &theme), 0);
  EXPECT_TRUE(S_ISFIFO(theme.st_mode));
}
#endif

TEST_F(ApplyTest, AFailedUndoLeavesNothingToSave) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  // The theme file turns into a FIFO (a folder on Windows); Undo cannot read it.
  RemoveFile("quib.thm");
#ifdef _WIN32
  ASSERT_TRUE(QDir().mkdir(EmuDir() + "quib.thm"));
#else
  ASSERT_EQ(::mkfifo((EmuDir() + "quib.thm").toLocal8Bit().constData(), 0644), 0);
#endif
  platform_.clearCalls();
  QTest::mouseClick(Find<QPushButton>("UndoButton"), Qt::LeftButton);
  ASSERT_EQ(Captions(), std::vector<QString>{"Quib Configurator"});
  const std::string cfg = ReadFile("quib.cfg");
  platform_.clearCalls();
  Apply();
  ASSERT_EQ(Captions(), std::vector<QString>{"Quib Configurator"});
  EXPECT_TRUE(platform_.messages()[0].text.startsWith("Nothing was saved"));
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);
}

#ifndef _WIN32  // the cut-short save runs in a forked child
// Hidden files in the emulator folder: our temporary files.
std::vector<std::string> HiddenFiles(const QString& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.toStdString()))
    if (entry.path().filename().string()[0] == '.') names.push_back(entry.path().filename());
  return names;
}

// An Apply cut off after its second replacement (the process ends there, as
// when the power goes) is offered to be put back at the next start; either
// answer leaves no temporary file behind and settles it for good.
TEST_F(ApplyTest, AnApplyCutShortIsSettledAtTheNextStart) {
  for (const bool putBack : {true, false}) {
    SCOPED_TRACE(putBack);
    WriteIni();
    const std::string cfg = ReadFile("quib.cfg"), blt = ReadFile("quib.blt");
    ASSERT_EQ(test_support::InChild([&]() -> std::string {
                auto store = StoreOf();
                std::vector<save_set::Entry> files;
                for (const char* name : {"quib.cfg", "quib.blt", "quib.inp", "quib.thm"})
                  files.push_back({(EmuDir() + name).toStdString(), "new\r\n"});
                backups::SaveHooks hooks;
                hooks.afterReplace = [](std::size_t i) {
                  if (i == 1) ::_exit(0);
                };
                backups::SaveWithBackup(files, store, hooks);
                return "finished";
              }),
              "");
    ASSERT_EQ(HiddenFiles(EmuDir()).size(), 2u);
    platform_.clearCalls();
    platform_.queueAnswer(putBack ? Answer::Yes : Answer::No);
    TForm1* form = Start();
    ASSERT_NE(form, nullptr);
    ASSERT_FALSE(platform_.messages().empty());
    const platform::MessageRequest question = platform_.messages()[0];
    EXPECT_EQ(question.caption, "Apply not finished");
    EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(question.text.contains("It had replaced:\r" + EmuDir() + "quib.cfg\r" + EmuDir() +
                                       "quib.blt\r"))
        << question.text.toStdString();
    EXPECT_TRUE(
        question.text.contains("before it:\r" + EmuDir() + "quib.inp\r" + EmuDir() + "quib.thm\r"))
        << question.text.toStdString();
    EXPECT_EQ(ReadFile("quib.cfg"), putBack ? cfg : "new\r\n");
    EXPECT_EQ(ReadFile("quib.blt"), putBack ? blt : "new\r\n");
    EXPECT_TRUE(HiddenFiles(EmuDir()).empty());
    EXPECT_TRUE(StoreOf().Unfinished().empty());
    if (putBack) {
      EXPECT_EQ(Line(*form->Documents.QuibDoc, "fb_width"), "fb_width=360");
    }
    Close();
    // Settled: the next start asks nothing.
    platform_.clearCalls();
    ASSERT_NE(Start(), nullptr);
    for (const QString& caption : Captions()) EXPECT_NE(caption, "Apply not finished");
    Close();
    WriteFile("quib.cfg", cfg);
    WriteFile("quib.blt", blt);
  }
}
#endif

// A platform double that lets something happen while a question is open.
// A file changed on disk while the user answers a conflict is noticed at the
// last look before replacing: the merge starts over and asks with what the
// disk holds then.
TEST_F(ApplyTest, AChangeMadeDuringTheQuestionIsAskedAboutAgain) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  Replace("quib.cfg", "fb_width = 360", "fb_width = 400");
  std::vector<std::optional<QString>> disk;
  TConflictsForm::ModalHook = [&](TConflictsForm& dialog) {
    disk.push_back(dialog.Rows().at(0).disk);
    if (disk.size() == 1) Replace("quib.cfg", "fb_width = 400", "fb_width = 401");
    dialog.findChild<QPushButton*>("AllMineButton")->click();
    return static_cast<int>(QDialog::Accepted);
  };
  ClickApply();
  TConflictsForm::ModalHook = nullptr;
  EXPECT_EQ(disk, (std::vector<std::optional<QString>>{"400", "401"}));
  EXPECT_TRUE(HasLine("quib.cfg", "fb_width=999"));
}

// Another Configurator saving the same folder holds its lock: Apply waits a
// moment (shortened here), then says so and saves nothing.
TEST_F(ApplyTest, ApplyWhileAnotherConfiguratorSavesTheFolderSaysSo) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  form->Documents.saveLockWait = std::chrono::milliseconds(50);
  WriteValue(*form->Documents.QuibDoc, "fb_width", "999");
  const std::string cfg = ReadFile("quib.cfg");
  const backups::Store store = StoreOf();
  {
    const backups::SaveLock other(store);
    platform_.clearCalls();
    QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
    ASSERT_EQ(Captions(), std::vector<QString>{"Quib Configurator"});
    EXPECT_TRUE(platform_.messages()[0].text.startsWith(
        "Nothing was saved: another Quib Configurator is saving the files in"));
    EXPECT_EQ(ReadFile("quib.cfg"), cfg);
  }
  platform_.clearCalls();
  Apply();
  EXPECT_EQ(Captions(), std::vector<QString>{"Settings saved"});
  EXPECT_TRUE(HasLine("quib.cfg", "fb_width=999"));
}

}  // namespace
