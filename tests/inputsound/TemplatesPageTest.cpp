// The Screenshots and Sound logging pages through their real widgets: the
// worked template examples, spaces stored as "*", the extension list, the
// format tab and the VGM accuracy switch.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include "app/Links.h"
#include "tests/inputsound/PageTest.h"

namespace {

constexpr int kScreenshotsPage = 9;
constexpr int kSoundLoggingPage = 11;

class TemplatesPageTest : public PageTest {
 protected:
  // Types the five fields of a page (prefix "" or "Sound") in order.
  void TypeFields(const char* prefix, const QStringList& texts) {
    const char* names[] = {"Part1", "NumFN", "Part2", "NumNum", "Part3"};
    for (int i = 0; i < 5; ++i)
      Type(Find<QLineEdit>((QString(prefix) + names[i]).toUtf8().constData()), texts[i]);
  }
  QStringList Fields(const char* prefix) const {
    QStringList out;
    for (const char* name : {"Part1", "NumFN", "Part2", "NumNum", "Part3"})
      out << Find<QLineEdit>((QString(prefix) + name).toUtf8().constData())->text();
    return out;
  }
  QString Preview(const char* name) const { return Find<QLabel>(name)->text(); }
  void Apply() {
    platform_.queueAnswer(platform::Answer::Yes);
    QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  }
};

TEST_F(TemplatesPageTest, ScreenshotFieldsBuildTheWorkedExamples) {
  TForm1* form = StartOn(kScreenshotsPage);
  ASSERT_NE(form, nullptr);
  // quib.cfg's %.6s%02d.pcx.
  EXPECT_EQ(Fields(""), (QStringList{"", "6", "", "2", ""}));
  EXPECT_EQ(Find<QComboBox>("Ext")->currentText(), "pcx");
  EXPECT_EQ(Preview("PreviewText"), "Sonic 05.pcx");

  TypeFields("", {"", "8", "-", "2", ""});
  Choose(Find<QComboBox>("Ext"), 3);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=%.8s-%02d.png");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "screenshots_filename_template"),
            "screenshots_filename_template=%.8s-%02d.png");
  EXPECT_EQ(Preview("PreviewText"), "Sonic th-05.png");

  TypeFields("", {"shot ", "*", " #", "*", ""});
  Choose(Find<QComboBox>("Ext"), 1);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=shot*%s*#%d.bmp");
  EXPECT_EQ(Preview("PreviewText"), "shot Sonic the Hedgehog 2 #5.bmp");

  // Spaces come back from the files as spaces.
  Apply();
  form->UndoButtonClick();
  EXPECT_EQ(Fields(""), (QStringList{"shot ", "*", " #", "*", ""}));
  EXPECT_EQ(Find<QComboBox>("Ext")->currentText(), "bmp");
  EXPECT_NE(ReadFile("quibw.cfg").find("screenshots_filename_template=shot*%s*#%d.bmp\r\n"),
            std::string::npos);
}

TEST_F(TemplatesPageTest, DigitCountZeroBecomesOneAndNameLengthZeroHidesTheName) {
  TForm1* form = StartOn(kScreenshotsPage);
  ASSERT_NE(form, nullptr);
  Type(Find<QLineEdit>("NumNum"), "0");
  EXPECT_EQ(Find<QLineEdit>("NumNum")->text(), "1");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=%.6s%01d.pcx");
  Type(Find<QLineEdit>("NumFN"), "0");
  EXPECT_EQ(Preview("PreviewText"), "5.pcx");
  // An empty name length cuts the name to nothing too; * means no limit.
  Type(Find<QLineEdit>("NumFN"), "");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=%.s%01d.pcx");
  EXPECT_EQ(Preview("PreviewText"), "5.pcx");
}

TEST_F(TemplatesPageTest, PastedTextEndsAtItsFirstLineBreak) {
  TForm1* form = StartOn(kScreenshotsPage);
  ASSERT_NE(form, nullptr);
  // A line break in a value would split the template's line in the file.
  auto* part3 = Find<QLineEdit>("Part3");
  Type(part3, "xy");
  part3->setCursorPosition(1);
  QApplication::clipboard()->setText("_1\r\n2");
  part3->paste();
  EXPECT_EQ(part3->text(), "x_1y");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=%.6s%02dx_1y.pcx");
  auto* speed = Find<QLineEdit>("MouseSpeedX");
  speed->clear();
  QApplication::clipboard()->setText("3\nmouse_enabled=0");
  speed->paste();
  EXPECT_EQ(Line(form->Documents.InputDoc, "mouse_speed_x"), "mouse_speed_x=3");
}

TEST_F(TemplatesPageTest, CapitalExtensionSelectsTheItemAndIsStoredInLowerCase) {
  SetKey("quib.cfg", "screenshots_filename_template", "screenshots_filename_template=%s_%d.PNG");
  TForm1* form = StartOn(kScreenshotsPage);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Find<QComboBox>("Ext")->currentText(), "png");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=%s_%d.PNG");  // loading stores nothing
  Type(Find<QLineEdit>("Part3"), "x");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=%s_%dx.png");
}

TEST_F(TemplatesPageTest, UnknownExtensionLeavesABareDot) {
  SetKey("quib.cfg", "screenshots_filename_template", "screenshots_filename_template=%s%d.gif");
  TForm1* form = StartOn(kScreenshotsPage);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Find<QComboBox>("Ext")->currentIndex(), -1);
  Type(Find<QLineEdit>("Part1"), "a");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "screenshots_filename_template"),
            "screenshots_filename_template=a%s%d.");
}

TEST_F(TemplatesPageTest, OnlyTheLoadedSettingsFileChanges) {
  RemoveFile("quib.cfg");
  TForm1* form = StartOn(kSoundLoggingPage);
  ASSERT_NE(form, nullptr);
  // quibw.cfg's %s*-*%02d.vgm.
  EXPECT_EQ(Fields("Sound"), (QStringList{"", "*", " - ", "2", ""}));
  EXPECT_EQ(Preview("SoundPreviewText"), "Sonic the Hedgehog 2 - 05.vgm");
  Type(Find<QLineEdit>("SoundPart3"), "_log");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "music_vgm_filename_template"),
            "music_vgm_filename_template=%s*-*%02d_log.vgm");
  Apply();
  EXPECT_EQ(ReadFile("quib.cfg"), "<missing>");
}

TEST_F(TemplatesPageTest, FormatTabSwitchesTemplateAndWritesNothing) {
  TForm1* form = StartOn(kSoundLoggingPage, "Preferred cfg file=1");
  ASSERT_NE(form, nullptr);
  auto* accurate = Find<QCheckBox>("cbVGMSampleAccurate");
  EXPECT_TRUE(accurate->isChecked());  // quibw.cfg: sample
  EXPECT_FALSE(accurate->isHidden());
  EXPECT_EQ(Find<QLabel>("FormatExtLabel")->text(), ".vgm");
  const Document quib = *form->Documents.QuibDoc;
  const Document quibw = *form->Documents.QuibWDoc;

  form->tcSoundFormat->setCurrentIndex(1);
  EXPECT_TRUE(accurate->isHidden());
  EXPECT_EQ(Find<QLabel>("FormatExtLabel")->text(), ".wav");
  // quibw.cfg's %.16s*%d.wav.
  EXPECT_EQ(Fields("Sound"), (QStringList{"", "16", " ", "*", ""}));
  EXPECT_EQ(Preview("SoundPreviewText"), "Sonic the Hedgeh 5.wav");
  form->tcSoundFormat->setCurrentIndex(0);
  EXPECT_FALSE(accurate->isHidden());
  EXPECT_EQ(*form->Documents.QuibDoc, quib);
  EXPECT_EQ(*form->Documents.QuibWDoc, quibw);

  // Edits go to the template of the tab shown.
  form->tcSoundFormat->setCurrentIndex(1);
  Type(Find<QLineEdit>("SoundNumNum"), "3");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "music_wav_filename_template"),
            "music_wav_filename_template=%.16s*%03d.wav");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "music_vgm_filename_template"),
            "music_vgm_filename_template=%s*-*%02d.vgm");
}

TEST_F(TemplatesPageTest, AccuracyWordsAndTheMusicLink) {
  TForm1* form = StartOn(kSoundLoggingPage);
  ASSERT_NE(form, nullptr);
  auto* accurate = Find<QCheckBox>("cbVGMSampleAccurate");
  EXPECT_FALSE(accurate->isChecked());  // quib.cfg: frame
  Click(accurate);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "music_vgm_log_accuracy"),
            "music_vgm_log_accuracy=sample");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "music_vgm_log_accuracy"),
            "music_vgm_log_accuracy=sample");
  Click(accurate);
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "music_vgm_log_accuracy"),
            "music_vgm_log_accuracy=frame");

  QTest::mouseClick(Find<QLabel>("Label35"), Qt::LeftButton);
  ASSERT_EQ(platform_.shellCalls().size(), 1u);
  EXPECT_EQ(platform_.shellCalls()[0].verb, "open");
  EXPECT_EQ(platform_.shellCalls()[0].target, links::kCommunityMusic);
}

}  // namespace
