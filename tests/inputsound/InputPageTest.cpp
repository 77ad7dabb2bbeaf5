// The Input page through its real widgets: the rapid-fire mask, the joypad
// driver words both ways, and which document each key lands in.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "tests/inputsound/PageTest.h"

namespace {

constexpr int kInputPage = 6;

class InputPageTest : public PageTest {
 protected:
  QComboBox* Driver() const { return Find<QComboBox>("JoyPadDriverCombo"); }
  QComboBox* Port() const { return Find<QComboBox>("LPTCombo"); }
  QComboBox* Card() const { return Find<QComboBox>("IfSegaCombo"); }
  std::string JoyDriver() const { return Line(form()->Documents.InputDoc, "joy_driver"); }

  // Loads the files again after a new joy_driver word was written to quib.inp.
  void Reload(const std::string& word) {
    SetKey("quib.inp", "joy_driver", "joy_driver=" + word);
    form()->UndoButtonClick();
  }
};

TEST_F(InputPageTest, RapidFireMaskGoesToBothSettingsDocuments) {
  TForm1* form = StartOn(kInputPage);
  ASSERT_NE(form, nullptr);
  // quib.cfg (preferred) holds 1: only player 1's first button.
  EXPECT_TRUE(Find<QCheckBox>("P1RF1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("P1RF2")->isChecked());
  Click(Find<QCheckBox>("P1RF1"));
  Click(Find<QCheckBox>("P1RF2"));
  Click(Find<QCheckBox>("P2RF1"));
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "rapidfire"), "rapidfire=6");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "rapidfire"), "rapidfire=6");
  EXPECT_EQ(Line(form->Documents.InputDoc, "rapidfire"), "<none>");
}

TEST_F(InputPageTest, RapidFireIgnoresHigherBits) {
  SetKey("quib.cfg", "rapidfire", "rapidfire=16");
  ASSERT_NE(StartOn(kInputPage), nullptr);
  for (const char* box : {"P1RF1", "P1RF2", "P2RF1", "P2RF2"})
    EXPECT_FALSE(Find<QCheckBox>(box)->isChecked()) << box;
  SetKey("quib.cfg", "rapidfire", "rapidfire=15");
  form()->UndoButtonClick();
  for (const char* box : {"P1RF1", "P1RF2", "P2RF1", "P2RF2"})
    EXPECT_TRUE(Find<QCheckBox>(box)->isChecked()) << box;
}

TEST_F(InputPageTest, PortDriverTakesLpt1ThenTheChosenPort) {
  SetKey("quib.inp", "joy_driver", "joy_driver=auto");
  ASSERT_NE(StartOn(kInputPage), nullptr);
  EXPECT_EQ(Driver()->currentText(), "Autodetect");
  EXPECT_EQ(Port()->currentIndex(), -1);
  EXPECT_FALSE(Port()->isEnabled());

  Choose(Driver(), 17);
  EXPECT_EQ(Port()->currentText(), "LPT1");
  EXPECT_TRUE(Port()->isEnabled());
  EXPECT_TRUE(Find<QLabel>("LPTLabel")->isEnabled());
  EXPECT_FALSE(Card()->isEnabled());
  EXPECT_EQ(JoyDriver(), "joy_driver=psxlpt1");
  Choose(Port(), 2);
  EXPECT_EQ(JoyDriver(), "joy_driver=psxlpt3");

  // The port is remembered while a driver without one is chosen.
  Choose(Driver(), 0);
  EXPECT_FALSE(Port()->isEnabled());
  EXPECT_EQ(JoyDriver(), "joy_driver=none");
  Choose(Driver(), 16);
  EXPECT_EQ(JoyDriver(), "joy_driver=sneslpt3");
  EXPECT_EQ(Line(*form()->Documents.QuibDoc, "joy_driver"), "<none>");
}

TEST_F(InputPageTest, IfSegaCardBothWays) {
  SetKey("quib.inp", "joy_driver", "joy_driver=grip4");
  ASSERT_NE(StartOn(kInputPage), nullptr);
  EXPECT_EQ(Driver()->currentText(), "Gravis GRiP 4");
  Choose(Driver(), 19);
  EXPECT_EQ(Card()->currentText(), "ISA");
  EXPECT_TRUE(Find<QLabel>("IfSegaLabel")->isEnabled());
  EXPECT_FALSE(Port()->isEnabled());
  EXPECT_EQ(JoyDriver(), "joy_driver=ifsegaisa");
  Choose(Card(), 2);
  EXPECT_EQ(JoyDriver(), "joy_driver=ifsegapci2");

  const std::pair<const char*, const char*> loads[] = {
      {"ifsegapci2", "PCI2"}, {"ifsegapci", "PCI"}, {"ifsegaisa", "ISA"}};
  for (const auto& [word, card] : loads) {
    Reload(word);
    EXPECT_EQ(Driver()->currentText(), "IfSega") << word;
    EXPECT_EQ(Card()->currentText(), card) << word;
    EXPECT_TRUE(Card()->isEnabled()) << word;
  }
}

TEST_F(InputPageTest, StoredWordsDecodeExactlyThenByFirstLetter) {
  ASSERT_NE(StartOn(kInputPage), nullptr);
  EXPECT_EQ(Driver()->currentText(), "DB9 (eg. SMS pad)");  // the sample's db9lpt2
  EXPECT_EQ(Port()->currentText(), "LPT2");

  Reload("neclpt2");
  EXPECT_EQ(Driver()->currentText(), "PC Engine/Turbo Grafx");
  EXPECT_EQ(Port()->currentText(), "LPT2");
  Reload("n64lpt1");
  EXPECT_EQ(Driver()->currentText(), "N64");
  EXPECT_EQ(Port()->currentText(), "LPT1");
  // A plain word is tried before the first letter ("s" would be SNES).
  Reload("sidewinder");
  EXPECT_EQ(Driver()->currentText(), "MS Sidewinder");
  EXPECT_FALSE(Port()->isEnabled());

  for (const char* unknown : {"xyz", "Dual", "ab"}) {
    Reload(unknown);
    EXPECT_EQ(Driver()->currentIndex(), -1) << unknown;
    EXPECT_FALSE(Port()->isEnabled()) << unknown;
    EXPECT_FALSE(Card()->isEnabled()) << unknown;
    EXPECT_EQ(JoyDriver(), std::string("joy_driver=") + unknown);
  }

  // A port word without a usable last character shows no port; the next
  // change stores a whole word again with LPT1.
  Reload("db9");
  EXPECT_EQ(Driver()->currentText(), "DB9 (eg. SMS pad)");
  EXPECT_EQ(Port()->currentIndex(), -1);
  EXPECT_EQ(JoyDriver(), "joy_driver=db9");
  Choose(Driver(), 14);
  EXPECT_EQ(JoyDriver(), "joy_driver=db9lpt1");
}

TEST_F(InputPageTest, KeysLandInTheirOwnDocuments) {
  TForm1* form = StartOn(kInputPage);
  ASSERT_NE(form, nullptr);
  auto* x = Find<QLineEdit>("MouseSpeedX");
  auto* y = Find<QLineEdit>("MouseSpeedY");
  EXPECT_EQ(x->text(), "2");
  EXPECT_EQ(y->text(), "3");

  // The buttons step between 1 and 3; the field takes anything typed.
  QToolButton* up = Find<QWidget>("UpDown2")->findChild<QToolButton*>("Up");
  ASSERT_NE(up, nullptr);
  QTest::mouseClick(up, Qt::LeftButton);
  EXPECT_EQ(y->text(), "3");
  QTest::mouseClick(Find<QWidget>("UpDown1")->findChild<QToolButton*>("Down"), Qt::LeftButton);
  EXPECT_EQ(x->text(), "1");
  EXPECT_EQ(Line(form->Documents.InputDoc, "mouse_speed_x"), "mouse_speed_x=1");
  Type(x, "7");
  EXPECT_EQ(Line(form->Documents.InputDoc, "mouse_speed_x"), "mouse_speed_x=7");

  Click(Find<QCheckBox>("cbCabinetMode"));
  EXPECT_EQ(Line(form->Documents.InputDoc, "cabinet_mode"), "cabinet_mode=1");
  Click(Find<QCheckBox>("cbAllowOppositeDirections"));
  EXPECT_EQ(Line(*form->Documents.QuibDoc, "allow_opposite_directions"),
            "allow_opposite_directions=1");
  EXPECT_EQ(Line(*form->Documents.QuibWDoc, "allow_opposite_directions"),
            "allow_opposite_directions=1");

  platform_.queueAnswer(platform::Answer::Yes);
  QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  const std::string inp = ReadFile("quib.inp");
  EXPECT_NE(inp.find("mouse_speed_x=7\r\n"), std::string::npos);
  EXPECT_NE(inp.find("cabinet_mode=1\r\n"), std::string::npos);
  for (const char* key : {"rapidfire", "allow_opposite_directions"})
    EXPECT_EQ(inp.find(key), std::string::npos) << key;
  for (const char* cfg : {"quib.cfg", "quibw.cfg"}) {
    const std::string text = ReadFile(cfg);
    EXPECT_NE(text.find("allow_opposite_directions=1\r\n"), std::string::npos) << cfg;
    for (const char* key : {"\ncabinet_mode", "\nmouse_speed", "\njoy_driver"})
      EXPECT_EQ(text.find(key), std::string::npos) << cfg << key;
  }
}

TEST_F(InputPageTest, WithoutQuibCfgTheJoypadGroupIsDisabled) {
  RemoveFile("quib.cfg");
  SetKey("quib.inp", "joy_driver", "joy_driver=psxlpt3");
  TForm1* form = StartOn(kInputPage);
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(Find<QGroupBox>("gbJoypad")->isEnabled());
  EXPECT_FALSE(Driver()->isEnabled());
  EXPECT_EQ(Driver()->currentIndex(), -1);
  EXPECT_FALSE(Port()->isEnabled());
  // quibw.cfg is preferred now: its rapidfire 6.
  EXPECT_TRUE(Find<QCheckBox>("P1RF2")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("P2RF1")->isChecked());
  EXPECT_EQ(JoyDriver(), "joy_driver=psxlpt3");
}

}  // namespace
