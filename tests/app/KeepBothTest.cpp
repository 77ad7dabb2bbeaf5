// The open window and a second program writing its files: the pages follow
// what changed on disk while the user's edits stay, an Apply undone by the
// emulator quitting is named and can be made again, and Apply merges instead
// of overwriting, asking about what both sides changed.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/ConflictsDialog.h"
#include "app/NoticeBar.h"
#include "tests/app/AppFixture.h"
#include "tests/support/WriterProcess.h"

namespace {

using test_support::RunWriter;
using test_support::Writer;

class KeepBoth : public AppTest {
 protected:
  TForm1* StartEdited() {
    WriteIni();
    TForm1* form = Start();
    if (form == nullptr) return nullptr;
    ShowPage("GUIPage");
    return form;
  }
  QLineEdit* Width() const { return Find<QLineEdit>("FBWidth"); }
  QLineEdit* Height() const { return Find<QLineEdit>("FBHeight"); }
  // Rewrites a file of the emulator directory from another process.
  void Rewrite(const QString& how, const char* name, const std::string& bytes,
               Writer writer = Writer::Own) {
    ASSERT_EQ(RunWriter(how, EmuDir() + name, QByteArray::fromStdString(bytes), writer), "");
  }
  bool NoticeShows(const QString& text) const {
    return QTest::qWaitFor(
        [&] { return form()->Notice->isVisible() && form()->Notice->Text().contains(text); }, 5000);
  }
  static std::string With(std::string bytes, const std::string& from, const std::string& to) {
    const std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) bytes.replace(at, from.size(), to);
    return bytes;
  }
};

TEST_F(KeepBoth, PagesFollowAFileRewrittenWhileOpenAndTheUsersEditsStay) {
  // Under Wine a Linux program's changes come in through the Linux side too.
  std::vector<std::pair<QString, Writer>> ways{{"rename", Writer::Own}, {"inplace", Writer::Own}};
  for (const Writer writer : test_support::Writers())
    if (writer == Writer::Linux) ways.emplace_back("rename", writer);
  for (const auto& [how, writer] : ways) {
    SCOPED_TRACE(how.toStdString() + (writer == Writer::Linux ? " (Linux)" : ""));
    TForm1* form = StartEdited();
    ASSERT_NE(form, nullptr);
    const std::string original = ReadFile("quib.cfg");
    Type(Width(), "999");
    Rewrite(how, "quib.cfg", With(original, "fb_height=20", "fb_height=33"), writer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Height()->text() == "33"; }, 5000));
    EXPECT_EQ(Width()->text(), "999");
    EXPECT_TRUE(NoticeShows("quib.cfg"));

    // The edit is still one: Apply writes it into the file as it is now.
    platform_.clearCalls();
    Apply();
    EXPECT_TRUE(HasLine("quib.cfg", "fb_width=999"));
    EXPECT_TRUE(HasLine("quib.cfg", "fb_height=33   ; 8.3 names fit nicely"));
    EXPECT_FALSE(form->Notice->isVisible());  // what it told of is settled
    Close();
    WriteFile("quib.cfg", original);
  }
}

// The emulator, quitting, writes back the settings it had loaded.
TEST_F(KeepBoth, AnApplyUndoneByTheEmulatorIsNamedAndCanBeMadeAgain) {
  for (const bool again : {true, false}) {
    SCOPED_TRACE(again);
    TForm1* form = StartEdited();
    ASSERT_NE(form, nullptr);
    const std::string before = ReadFile("quib.cfg"), input = ReadFile("quib.inp");
    Type(Width(), "999");
    Type(Height(), "44");
    Apply();
    const std::string applied = ReadFile("quib.cfg");
    ASSERT_NE(applied, before);

    // Our own Apply gave no notice: the next one names only what changed next.
    Rewrite("rename", "quib.inp", input + "; by hand\r\n");
    ASSERT_TRUE(NoticeShows("quib.inp"));
    EXPECT_FALSE(form->Notice->Text().contains("quib.cfg"));

    Rewrite("rename", "quib.cfg", before);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Width()->text() == "360"; }, 5000));
    ASSERT_TRUE(NoticeShows("quib.cfg"));
    EXPECT_EQ(Height()->text(), "20");
    auto* button = form->Notice->findChild<QPushButton*>(again ? "NoticeApplyAgainButton"
                                                               : "NoticeKeepButton");
    ASSERT_NE(button, nullptr);
    platform_.clearCalls();
    button->click();
    EXPECT_EQ(ReadFile("quib.cfg"), again ? applied : before);
    EXPECT_EQ(Width()->text(), again ? "999" : "360");
    EXPECT_FALSE(form->Notice->isVisible());
    Close();
    WriteFile("quib.cfg", before);
    WriteFile("quib.inp", input);
  }
}

// A setting both the window and the disk changed is asked about once; each
// answer writes what it chose (Cancel: ApplyTest).
TEST_F(KeepBoth, AConflictAnsweredEachWayWritesTheChosenValues) {
  for (const bool mine : {true, false}) {
    SCOPED_TRACE(mine);
    TForm1* form = StartEdited();
    ASSERT_NE(form, nullptr);
    const std::string original = ReadFile("quib.cfg");
    Type(Width(), "999");
    Type(Height(), "44");
    // Another program changes one of them and another setting.
    const std::string disk = With(With(original, "fb_width = 360", "fb_width = 400"),
                                  "sound_volume=200", "sound_volume=150");
    WriteFile("quib.cfg", disk);
    std::vector<ConflictRow> asked;
    TConflictsForm::ModalHook = [&](TConflictsForm& dialog) {
      asked = dialog.Rows();
      dialog.findChild<QPushButton*>(mine ? "AllMineButton" : "AllTheirsButton")->click();
      return static_cast<int>(QDialog::Accepted);
    };
    platform_.clearCalls();
    QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
    TConflictsForm::ModalHook = nullptr;
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].file, "quib.cfg");
    EXPECT_EQ(asked[0].setting, "fb_width");
    EXPECT_EQ(asked[0].loaded, "360");
    EXPECT_EQ(asked[0].window, "999");
    EXPECT_EQ(asked[0].disk, "400");
    EXPECT_TRUE(HasLine("quib.cfg", mine ? "fb_width=999" : "fb_width=400"));
    EXPECT_TRUE(HasLine("quib.cfg", "fb_height=44   ; 8.3 names fit nicely"));
    EXPECT_TRUE(HasLine("quib.cfg", "sound_volume=150"));
    EXPECT_EQ(Width()->text(), mine ? "999" : "400");
    Close();
    WriteFile("quib.cfg", original);
  }
}

}  // namespace
