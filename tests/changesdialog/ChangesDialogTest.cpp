// The Changes window and Restore, driven through the real widgets of the main
// window on a copy of the sample emulator directory.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>

#include "app/ChangesDialog.h"
#include "app/RestoreDialog.h"
#include "app/Text.h"
#include "tests/app/AppFixture.h"
#include "tests/support/SourceDir.h"

#ifdef _WIN32
// After the program's headers: <windows.h> turns the names of the platform's
// methods into macros.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef FindWindow
#undef MessageBox
#else
#include <unistd.h>
#endif

namespace {

using platform::Answer;

class ChangesDialogTest : public AppTest {
 protected:
  void SetUp() override {
    WriteIni();
    ASSERT_NE(Start(), nullptr);
  }

  TChangesForm* OpenChanges() {
    Click(Find<QPushButton>("ChangesButton"));
    QApplication::processEvents();
    auto* dialog = form()->findChild<TChangesForm*>("ChangesForm");
    EXPECT_NE(dialog, nullptr);
    if (dialog != nullptr) {
      EXPECT_TRUE(dialog->isVisible());
    }
    return dialog;
  }
  static QString Summary(TChangesForm* dialog) {
    return dialog->findChild<QLabel*>("lblSummary")->text();
  }
  static QPlainTextEdit* DiffView(TChangesForm* dialog) {
    return dialog->findChild<QPlainTextEdit*>("edtDiff");
  }
  // The first block of the diff view whose text contains `text`.
  static QTextBlock BlockWith(TChangesForm* dialog, const QString& text) {
    for (QTextBlock b = DiffView(dialog)->document()->begin(); b.isValid(); b = b.next())
      if (b.text().contains(text)) return b;
    ADD_FAILURE() << "no line with " << text.toStdString();
    return {};
  }
  backups::Store Store() const {
    return backups::Store(backups::DefaultRoot(), QFile::encodeName(EmuDir()).toStdString());
  }
  std::vector<std::filesystem::path> EmuFiles() const {
    std::vector<std::filesystem::path> files;
    for (const char* name : {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"})
      files.push_back(QFile::encodeName(EmuDir() + name).toStdString());
    return files;
  }
};

TEST_F(ChangesDialogTest, ButtonSitsAtTheLeftEndOfTheRowAsHighAsOk) {
  auto* changes = Find<QPushButton>("ChangesButton");
  auto* ok = Find<QPushButton>("OKButton");
  auto* run = Find<QPushButton>("RunButton");
  EXPECT_EQ(changes->text(), "Chan&ges...");
  EXPECT_EQ(changes->parentWidget(), ok->parentWidget());
  EXPECT_EQ(changes->x(), 0);
  EXPECT_EQ(changes->height(), ok->height());
  EXPECT_EQ(changes->y(), ok->y());
  // The row's other buttons stay at its right end.
  EXPECT_EQ(run->geometry().right(), run->parentWidget()->width() - 1);
  EXPECT_GT(ok->x(), changes->geometry().right() + 20);
}

TEST_F(ChangesDialogTest, ShowsEditsAndNormalisedLinesInColourAndUnchangedFiles) {
  ShowPage("GUI");
  Type(Find<QLineEdit>("FBWidth"), "400");
  TChangesForm* dialog = OpenChanges();
  ASSERT_NE(dialog, nullptr);

  const QTextBlock removed = BlockWith(dialog, "- fb_width = 360");
  const QTextBlock added = BlockWith(dialog, "+ fb_width=400");
  EXPECT_TRUE(removed.text().startsWith("    27        "));
  EXPECT_TRUE(added.text().startsWith("           27 "));
  const QColor red = removed.blockFormat().background().color();
  const QColor green = added.blockFormat().background().color();
  EXPECT_GT(red.red(), red.green());
  EXPECT_GT(green.green(), green.red());
  EXPECT_TRUE(QFontInfo(DiffView(dialog)->font()).fixedPitch());
  EXPECT_TRUE(DiffView(dialog)->isReadOnly());
  EXPECT_TRUE(BlockWith(dialog, "@@ -24,7 +24,7 @@").isValid());

  // The width is shared: quibw.cfg, as Apply writes it in the sample, gets it too.
  EXPECT_TRUE(BlockWith(dialog, "quibw.cfg: 1 line added, 1 removed").isValid());
  const auto& diffs = dialog->Diffs();
  ASSERT_EQ(diffs.size(), 5u);
  int changed = 0, addedLines = 0, removedLines = 0;
  for (const auto& diff : diffs) {
    changed += diff.unchanged ? 0 : 1;
    addedLines += diff.added;
    removedLines += diff.removed;
  }
  EXPECT_EQ(Summary(dialog), QString("%1 of 5 files change: %2 lines added, %3 removed.")
                                 .arg(changed)
                                 .arg(addedLines)
                                 .arg(removedLines));
  // Looking changes nothing on disk.
  EXPECT_TRUE(ReadFile("quib.cfg").find("fb_width = 360") != std::string::npos);
}

TEST_F(ChangesDialogTest, ReadsTheDiskWhenOpenedAndOnRefresh) {
  TChangesForm* dialog = OpenChanges();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(BlockWith(dialog, "quibw.cfg: unchanged").isValid());

  // An edit on disk since loading, with LF line ends: Apply merges the
  // window's edit into it, ends its lines with CR LF and keeps the disk's edit.
  WriteValue(*form()->Documents.QuibWDoc, "fb_width", "777");
  std::string text = ReadFile("quibw.cfg");
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  WriteFile("quibw.cfg", text + "edited_on_disk=1\n");
  Click(dialog->findChild<QPushButton*>("btnRefresh"));
  EXPECT_TRUE(
      BlockWith(dialog, "quibw.cfg (changed on disk since it was loaded): 1 line added, 1 removed")
          .isValid());
  EXPECT_TRUE(BlockWith(dialog, "+ fb_width=777").isValid());
  EXPECT_FALSE(DiffView(dialog)->toPlainText().contains("edited_on_disk"));
  // Every line but the one changed: the disk's added one in, the window's out.
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  EXPECT_TRUE(
      BlockWith(dialog, QString("LF line ends become CR LF: %1 lines").arg(lines)).isValid());

  // The button opens the same window again, read afresh; a file the window
  // did not edit is left as the disk has it.
  Click(dialog->findChild<QPushButton*>("btnClose"));
  QApplication::processEvents();
  WriteFile("quibw.cfg", ReadFile("quibw.cfg") + "more=2\n");
  WriteFile("quib.inp", ReadFile("quib.inp") + "; by hand\r\n");
  TChangesForm* again = OpenChanges();
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(
      BlockWith(again, QString("LF line ends become CR LF: %1 lines").arg(lines + 1)).isValid());
  EXPECT_TRUE(
      BlockWith(again, "quib.inp (changed on disk since it was loaded): unchanged").isValid());
}

TEST_F(ChangesDialogTest, LongFileShowsEveryChangeInTheWindowAndCountsTheRest) {
  // 15,000 padding lines that Apply normalises, loaded as the program's own.
  std::string cfg = ReadFile("quib.cfg");
  for (int i = 0; i < 15000; ++i)
    cfg += "pad_" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
  WriteFile("quib.cfg", cfg);
  ASSERT_TRUE(form()->Guarded([this] { form()->UndoButtonClick(); }));
  TChangesForm* dialog = OpenChanges();
  ASSERT_NE(dialog, nullptr);

  // Apply adds a key the file lacks at its end, too.
  EXPECT_TRUE(BlockWith(dialog, "quib.cfg: at least 15002 lines change; the first 1908 are shown")
                  .isValid());
  EXPECT_TRUE(BlockWith(dialog, "(15119 lines on disk, 15120 to be written).").isValid());
  EXPECT_TRUE(BlockWith(dialog, "Compared: lines 1 to 2026 of both; every change there is shown.")
                  .isValid());
  EXPECT_TRUE(
      BlockWith(dialog, "one against one: 13093 removed, 13094 added (not shown).").isValid());
  // The window ends at line 2026, the padding's line 1906.
  EXPECT_TRUE(BlockWith(dialog, "+ pad_1906=1906").isValid());
  EXPECT_FALSE(DiffView(dialog)->document()->toPlainText().contains("pad_1907"));
  // With the 52 lines the sample's other files change.
  EXPECT_EQ(Summary(dialog),
            "4 of 5 files change: at least 15054 lines change; the first 1960 are "
            "shown.");
}

TEST_F(ChangesDialogTest, RestoreWritesTheSetBackAfterBackingUpAndReloads) {
  std::vector<std::string> original;
  for (const char* name : {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"})
    original.push_back(ReadFile(name));
  auto store = Store();
  store.Create(EmuFiles());
  // The files change on disk afterwards (as an Apply would change them).
  Replace("quib.cfg", "fb_width = 360", "fb_width=512");
  WriteFile("quib.inp", "joy_driver=none\r\n");
  const std::string changedCfg = ReadFile("quib.cfg");
  ASSERT_TRUE(form()->Guarded([this] { form()->UndoButtonClick(); }));
  ShowPage("GUI");
  ASSERT_EQ(Find<QLineEdit>("FBWidth")->text(), "512");

  TChangesForm* dialog = OpenChanges();
  ASSERT_NE(dialog, nullptr);
  Click(dialog->findChild<QPushButton*>("btnRestore"));
  QApplication::processEvents();
  auto* restore = dialog->findChild<TRestoreForm*>("RestoreForm");
  ASSERT_NE(restore, nullptr);
  auto* list = restore->findChild<QTreeWidget*>("lvBackups");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  // The set's time in local time, as the window shows every time.
  EXPECT_EQ(list->topLevelItem(0)->text(0), ShownTime(store.List().at(0)));
  EXPECT_EQ(list->topLevelItem(0)->text(1), "quib.blt, quib.cfg, quib.inp, quib.thm, quibw.cfg");

  // No: nothing happens.
  platform_.queueAnswer(Answer::No);
  Click(restore->findChild<QPushButton*>("btnRestoreSet"));
  EXPECT_EQ(ReadFile("quib.cfg"), changedCfg);
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0].caption, "Restore");
  EXPECT_EQ(platform_.messages()[0].defaultButton, Answer::No);
  EXPECT_EQ(Store().List().size(), 1u);

  platform_.queueAnswer(Answer::Yes);
  Click(restore->findChild<QPushButton*>("btnRestoreSet"));
  QApplication::processEvents();
  std::size_t i = 0;
  for (const char* name : {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"})
    EXPECT_EQ(ReadFile(name), original[i++]) << name;
  // What the restore replaced is itself kept, as the newest set.
  const auto sets = Store().List();
  ASSERT_EQ(sets.size(), 2u);
  const auto kept = Store().Read(sets[0]);
  ASSERT_EQ(kept.size(), 5u);
  EXPECT_EQ(kept[1].name, "quib.cfg");
  EXPECT_EQ(kept[1].bytes, changedCfg);
  // Every page was loaded again, as Undo does.
  EXPECT_EQ(Find<QLineEdit>("FBWidth")->text(), "360");
  EXPECT_EQ(Line(form()->Documents.InputDoc, "joy_driver"),
            Line(ParseDocument(original[3]), "joy_driver"));
  // The Changes window shows the disk as it is now.
  EXPECT_TRUE(BlockWith(dialog, "- fb_width = 360").isValid());
}

TEST_F(ChangesDialogTest, RestoreWithoutBackupsListsNothingToChoose) {
  TChangesForm* dialog = OpenChanges();
  ASSERT_NE(dialog, nullptr);
  Click(dialog->findChild<QPushButton*>("btnRestore"));
  QApplication::processEvents();
  auto* restore = dialog->findChild<TRestoreForm*>("RestoreForm");
  ASSERT_NE(restore, nullptr);
  EXPECT_EQ(restore->findChild<QTreeWidget*>("lvBackups")->topLevelItemCount(), 0);
  EXPECT_FALSE(restore->findChild<QPushButton*>("btnRestoreSet")->isEnabled());
  EXPECT_TRUE(restore->findChild<QLabel*>("lblRestore")->text().startsWith("No files have been"));
}

TEST_F(ChangesDialogTest, ApplyKeepsTheReplacedFilesAsASetAndPrunesAtTwenty) {
  std::vector<std::string> before;
  for (const char* name : {"quib.blt", "quib.cfg", "quib.inp", "quib.thm", "quibw.cfg"})
    before.push_back(ReadFile(name));
  Apply();
  auto sets = Store().List();
  ASSERT_EQ(sets.size(), 1u);
  // Under the state folder of the run, in the directory's own folder.
  EXPECT_EQ(sets[0].folder.parent_path(), Store().Folder());
  EXPECT_EQ(sets[0].folder.parent_path().parent_path(), backups::DefaultRoot());
  EXPECT_EQ(backups::DefaultRoot().parent_path().parent_path(),
            std::filesystem::path(QFile::encodeName(QDir::cleanPath(StateDir())).toStdString()));
  const auto kept = Store().Read(sets[0]);
  ASSERT_EQ(kept.size(), 5u);
  for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i].bytes, before[i]) << kept[i].name;
  EXPECT_NE(ReadFile("quib.cfg"), before[1]);  // the sample's blanks around "=" are gone

  for (int i = 0; i < 21; ++i) Apply();
  sets = Store().List();
  EXPECT_EQ(sets.size(), backups::kKeptSets);
  // The oldest set, with the bytes as they were at the start, is gone.
  for (const auto& set : sets) EXPECT_NE(Store().Read(set)[1].bytes, before[1]);
}

TEST_F(ChangesDialogTest, BackupThatCannotBeWrittenStopsApplyBeforeAnythingIsReplaced) {
  const std::string cfg = ReadFile("quib.cfg");
  const std::string blt = ReadFile("quib.blt");
  // A file where the state folder should be: no folder can be made in it.
  QFile blocker(StateDir().chopped(1));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  Apply();
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);
  EXPECT_EQ(ReadFile("quib.blt"), blt);
  const auto messages = platform_.messages();
  ASSERT_EQ(messages.size(), 1u);  // no "Settings saved"
  EXPECT_EQ(messages[0].icon, platform::Icon::Error);
  EXPECT_TRUE(messages[0].text.startsWith(
      "Nothing was saved: the files it would replace could not be backed up first.\r"))
      << messages[0].text.toStdString();
  EXPECT_EQ(
      QDir(EmuDir()).entryList(QDir::Files | QDir::Hidden).size(),
      QDir(QString(test_support::SourceDir()) + "/samples/emulator").entryList(QDir::Files).size());
}

// The system refuses to replace the first file after its backup was written:
// nothing is replaced, and the set made for this Apply goes again.
TEST_F(ChangesDialogTest, ApplyThatReplacesNothingLeavesNoSet) {
  const std::string cfg = ReadFile("quib.cfg");
  const std::filesystem::path blocked = EmuFiles()[0];
#ifdef _WIN32
  // Held open as the emulator holds it: it may be read but not renamed over.
  HANDLE held = ::CreateFileW(blocked.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
#else
  // Append-only: it may be read, but no other file takes its name.
  if (::geteuid() != 0) GTEST_SKIP() << "an append-only file needs root (CAP_LINUX_IMMUTABLE)";
  if (std::system(("chattr +a '" + blocked.string() + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "chattr +a failed: needs CAP_LINUX_IMMUTABLE and a file system with the flag";
#endif
  platform_.clearCalls();
  Apply();
#ifdef _WIN32
  ::CloseHandle(held);
#else
  ASSERT_EQ(std::system(("chattr -a '" + blocked.string() + "'").c_str()), 0);
#endif
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);
  const auto messages = platform_.messages();
  ASSERT_EQ(messages.size(), 1u);  // no "Settings saved"
  EXPECT_EQ(messages[0].icon, platform::Icon::Error);
  // The save got as far as the store (it made the folder of the sets) and no
  // set is left there.
  EXPECT_TRUE(std::filesystem::is_directory(Store().Folder()));
  EXPECT_TRUE(Store().List().empty());
  EXPECT_TRUE(Store().Unfinished().empty());
  // Nothing else there but, on Windows, the file its lock is taken on.
  QStringList left = QDir(QString::fromStdString(Store().Folder().string()))
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  left.removeAll("lock");
  EXPECT_TRUE(left.isEmpty()) << left.join(", ").toStdString();
}

// Not a ChangesDialogTest: the window starts on a directory it cannot read in full.
TEST_F(AppTest, ChangesAfterAFailedLoadShowThatApplyWouldWriteNothing) {
  WriteIni();
  RemoveFile("quib.thm");
  ASSERT_TRUE(QDir().mkpath(EmuDir() + "quib.thm"));
  ASSERT_NE(Start(), nullptr);
  Click(Find<QPushButton>("ChangesButton"));
  auto* dialog = form()->findChild<TChangesForm*>("ChangesForm");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->Diffs().empty());
  EXPECT_EQ(dialog->findChild<QLabel*>("lblSummary")->text(),
            "Apply would write nothing: the settings files could not all be read.");
}

}  // namespace
