// The Sound page through its real widgets: per-build writes through the build
// tab, the FM unit's enabling and engine rules, and fills that write nothing.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include "tests/inputsound/PageTest.h"

namespace {

constexpr int kSoundPage = 10;

class SoundPageTest : public PageTest {
 protected:
  QComboBox* Card() const { return Find<QComboBox>("Soundcard"); }
  QComboBox* Engine() const { return Find<QComboBox>("FMEngine"); }
  QCheckBox* Fm() const { return Find<QCheckBox>("FM"); }
  void PickTab(int tab) {
    form()->tcSoundOS->setCurrentIndex(tab);
    QApplication::processEvents();
  }
};

TEST_F(SoundPageTest, SoundCardIndexGoesToTheTabsDocumentOnly) {
  TForm1* form = StartOn(kSoundPage);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->tcSoundOS->currentIndex(), 0);
  EXPECT_EQ(Card()->count(), 8);
  EXPECT_EQ(Card()->currentText(), "Sound Blaster");

  PickTab(1);
  ASSERT_EQ(Card()->count(), 4);
  EXPECT_EQ(Card()->itemText(3), "DirectX");
  Choose(Card(), 1);
  Choose(Card(), 3);
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "sound_card"), "sound_card=3");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "sound_card"), "sound_card=1");

  platform_.queueAnswer(platform::Answer::Yes);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  EXPECT_NE(ReadFile("quibw.cfg").find("\nsound_card=3\r\n"), std::string::npos);
  EXPECT_NE(ReadFile("quib.cfg").find("\nsound_card=1\r\n"), std::string::npos);
}

TEST_F(SoundPageTest, ClearingFmKeepsOplSpeedForOplAndStoresTheEngineAgain) {
  TForm1* form = StartOn(kSoundPage);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(Fm()->isChecked());
  ASSERT_EQ(Engine()->currentText(), "OPL");
  WriteValue(*form->Documents.QuibDoc, "fm_emulator", "overwritten");

  Click(Fm());
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "fm_enabled"), "fm_enabled=no");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "fm_emulator"), "fm_emulator=opl");
  EXPECT_FALSE(Engine()->isEnabled());
  EXPECT_FALSE(Find<QLabel>("Label42")->isEnabled());
  EXPECT_TRUE(Find<QLineEdit>("FMSpeed")->isEnabled());
  EXPECT_TRUE(Find<QLabel>("Label19")->isEnabled());
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "fm_enabled"), "fm_enabled=no");  // as loaded

  // Ticked again with Digital: the OPL speed follows the engine.
  Click(Fm());
  Choose(Engine(), 2);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "fm_emulator"), "fm_emulator=digital");
  EXPECT_TRUE(Engine()->isEnabled());
  EXPECT_FALSE(Find<QLineEdit>("FMSpeed")->isEnabled());
}

TEST_F(SoundPageTest, RatesAndSpeedAreStoredAsTyped) {
  TForm1* form = StartOn(kSoundPage);
  ASSERT_NE(form, nullptr);
  auto* rate = Find<QComboBox>("SamplingRate");
  EXPECT_EQ(rate->currentText(), "44100");
  Type(rate->lineEdit(), "21739");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "sound_rate"), "sound_rate=21739");
  Choose(rate, 0);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "sound_rate"), "sound_rate=22050");
  Type(Find<QLineEdit>("FMSpeed"), "fast");
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "opl_speed"), "opl_speed=fast");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "sound_rate"), "sound_rate=48000");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "opl_speed"), "opl_speed=100");
}

TEST_F(SoundPageTest, SwitchingTabsShowsEachBuildAndWritesNothing) {
  SetKey("quibw.cfg", "sound_card", "sound_card=5");
  TForm1* form = StartOn(kSoundPage);
  ASSERT_NE(form, nullptr);
  const Document quib = *form->Documents.QuibDoc;
  const Document quibw = *form->Documents.QuibWDoc;
  PickTab(1);
  EXPECT_EQ(Card()->currentIndex(), -1);  // 5 is no QuibW card
  EXPECT_EQ(Find<QComboBox>("SamplingRate")->currentText(), "48000");
  EXPECT_FALSE(Fm()->isChecked());
  EXPECT_EQ(Engine()->currentText(), "Digital");
  EXPECT_FALSE(Engine()->isEnabled());
  PickTab(0);
  EXPECT_TRUE(Fm()->isChecked());
  EXPECT_EQ(Engine()->currentText(), "OPL");
  PickTab(1);
  EXPECT_EQ(*form->Documents.QuibDoc, quib);
  EXPECT_EQ(*form->Documents.QuibWDoc, quibw);
  EXPECT_TRUE(platform_.messages().empty());
}

TEST_F(SoundPageTest, AbsentBuildsTabIsRefused) {
  RemoveFile("quibw.cfg");
  TForm1* form = StartOn(kSoundPage);
  ASSERT_NE(form, nullptr);
  PickTab(1);
  EXPECT_EQ(form->tcSoundOS->currentIndex(), 0);
  EXPECT_EQ(Card()->count(), 8);
  Choose(Card(), 2);
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "sound_card"), "sound_card=2");
}

TEST_F(SoundPageTest, OplIsRefusedForQuibWOnNt) {
  platform_.setWindowsNT(true);
  SetKey("quibw.cfg", "fm_emulator", "fm_emulator=opl");
  TForm1* form = StartOn(kSoundPage);
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(platform_.messages().empty());  // OPL is fine for Quib
  PickTab(1);
  ASSERT_EQ(platform_.messages().size(), 1u);
  EXPECT_EQ(platform_.messages()[0].caption, "Error");
  EXPECT_EQ(platform_.messages()[0].text, "OPL is not possible under Windows NT/2000/XP");
  EXPECT_EQ(platform_.messages()[0].icon, platform::Icon::Error);
  EXPECT_EQ(Engine()->currentText(), "Digital");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "fm_emulator"),
            "fm_emulator=opl");  // a fill stores nothing

  // The user's choice of OPL becomes Digital, and that is stored.
  Click(Fm());
  Choose(Engine(), 1);
  EXPECT_EQ(platform_.messages().size(), 2u);
  EXPECT_EQ(Engine()->currentText(), "Digital");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "fm_emulator"), "fm_emulator=digital");
}

}  // namespace
