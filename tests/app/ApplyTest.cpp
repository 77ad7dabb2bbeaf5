// Apply against the disk: files changed by someone else since loading, files
// that are not regular files, and sets that cannot be saved in full.
#include <sys/stat.h>

#include <QDir>
#include <QPushButton>
#include <QTest>

#include "tests/app/AppFixture.h"

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
};

TEST_F(ApplyTest, FilesChangedOnDiskAreOverwrittenOnlyWhenTheUserSaysSo) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  platform_.clearCalls();
  WriteValue(*form->QuibDoc, "fb_width", "999");
  // Someone else edits two files while the window is open.
  Replace("quib.cfg", "fb_width = 360", "fb_width = 400");
  WriteFile("quib.thm", ReadFile("quib.thm") + "; added by hand\r\n");
  const std::string cfg = ReadFile("quib.cfg");
  const std::string blitters = ReadFile("quib.blt");

  platform_.queueAnswer(Answer::No);
  ClickApply();
  ASSERT_EQ(Captions(), std::vector<QString>{"Settings files changed on disk"});
  const platform::MessageRequest question = platform_.messages()[0];
  EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
  EXPECT_EQ(question.defaultButton, Answer::No);
  EXPECT_EQ(question.icon, platform::Icon::Warning);
  EXPECT_TRUE(question.text.contains("\r" + EmuDir() + "quib.cfg\r" + EmuDir() + "quib.thm\r"));
  EXPECT_FALSE(question.text.contains("quib.blt"));
  // Cancelled: no file written, not even the unchanged ones; the edit stays.
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);
  EXPECT_EQ(ReadFile("quib.blt"), blitters);
  EXPECT_EQ(ReadValue(*form->QuibDoc, "fb_width"), "999");

  // OK asks as well, and a No keeps the window open.
  platform_.clearCalls();
  platform_.queueAnswer(Answer::No);
  QTest::mouseClick(Find<QPushButton>("OKButton"), Qt::LeftButton);
  EXPECT_EQ(Captions(), std::vector<QString>{"Settings files changed on disk"});
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(ReadFile("quib.cfg"), cfg);

  platform_.clearCalls();
  platform_.queueAnswer(Answer::Yes);
  platform_.queueAnswer(Answer::Yes);
  ClickApply();
  EXPECT_EQ(Captions(), (std::vector<QString>{"Settings files changed on disk", "Settings saved"}));
  EXPECT_TRUE(HasLine("quib.cfg", "fb_width=999"));
  EXPECT_EQ(ReadFile("quib.thm").find("added by hand"), std::string::npos);

  // What was saved is what the files hold now: no question next time.
  platform_.clearCalls();
  Apply();
  EXPECT_EQ(Captions(), std::vector<QString>{"Settings saved"});
}

TEST_F(ApplyTest, UndoAfterDeclinedOverwriteLoadsTheFilesAsTheyAreNow) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  Replace("quib.cfg", "fb_width = 360", "fb_width = 400");
  platform_.queueAnswer(Answer::No);
  ClickApply();
  QTest::mouseClick(Find<QPushButton>("UndoButton"), Qt::LeftButton);
  EXPECT_EQ(ReadValue(*form->QuibDoc, "fb_width"), "400");
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
  WriteValue(*form->QuibDoc, "fb_width", "999");
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

}  // namespace
