// The Emulation page through its real widgets on a copy of the sample
// emulator directory: the fill from the preferred file, the word rules of the
// drop-downs, the 3-D table both ways, the frame-skip pair, writes into both
// files and Apply; and a reload of both pages that writes nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

#include "tests/guiemu/PageTestUtil.h"

namespace {

class EmulationPageTest : public PageTest {
 protected:
  TForm1* StartOnEmulation(const QString& ini = QString()) {
    WriteIni("Active page=4\n" + ini);
    return Start();
  }
  QRadioButton* Manual() const { return Find<QRadioButton>("FSRadioStandard"); }
  QRadioButton* Automatic() const { return Find<QRadioButton>("FSRadioAuto"); }
  QComboBox* Sprite() const { return Find<QComboBox>("SpriteFlickerCombo"); }
  QComboBox* Country() const { return Find<QComboBox>("Country"); }
  QComboBox* Tv() const { return Find<QComboBox>("TVType"); }
  QComboBox* ThreeD() const { return Find<QComboBox>("ThreeDCombo"); }
  void Undo() { QTest::mouseClick(Find<QPushButton>("UndoButton"), Qt::LeftButton); }
  Document Fresh(const QString& name) const {
    Document doc;
    LoadDocument(doc, std::filesystem::path((EmuDir() + name).toStdString()));
    NormalizeLines(doc);
    return doc;
  }
};

TEST_F(EmulationPageTest, FillFollowsThePreferredFile) {
  TForm1* form = StartOnEmulation();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(Automatic()->isChecked());
  EXPECT_FALSE(Manual()->isChecked());
  EXPECT_EQ(Find<QLineEdit>("FSEditStandard")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>("FSEditAuto")->text(), "60");
  EXPECT_FALSE(Find<QCheckBox>("BiosLogo")->isChecked());
  EXPECT_EQ(Sprite()->currentText(), "Automatic");
  EXPECT_EQ(Country()->currentText(), "Rest of the world");
  EXPECT_EQ(Tv()->currentText(), "NTSC");
  EXPECT_EQ(ThreeD()->currentText(), "Show both sides");

  Click(Find<QRadioButton>("rgPreferSettingsFrom_QuibW"));
  EXPECT_TRUE(Manual()->isChecked());
  EXPECT_EQ(Find<QLineEdit>("FSEditStandard")->text(), "2");
  EXPECT_EQ(Find<QLineEdit>("FSEditAuto")->text(), "50");
  EXPECT_TRUE(Find<QCheckBox>("BiosLogo")->isChecked());
  EXPECT_EQ(Sprite()->currentText(), "Off");
  EXPECT_EQ(Country()->currentText(), "Japan");
  EXPECT_EQ(Tv()->currentText(), "PAL/SECAM");
  EXPECT_EQ(ThreeD()->currentText(), "Use glasses on COM port 2");  // mode 3, port 2
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "frameskip_mode"),
            "auto");  // the fill wrote nothing
}

TEST_F(EmulationPageTest, EveryChoiceIsWrittenIntoBothFiles) {
  TForm1* form = StartOnEmulation();
  ASSERT_NE(form, nullptr);
  Choose(Sprite(), 1);
  Choose(Country(), 1);
  Choose(Tv(), 1);
  Click(Find<QCheckBox>("BiosLogo"));
  Click(Manual());
  Find<QLineEdit>("FSEditStandard")->selectAll();
  QTest::keyClicks(Find<QLineEdit>("FSEditStandard"), "3");
  Find<QLineEdit>("FSEditAuto")->selectAll();
  QTest::keyClicks(Find<QLineEdit>("FSEditAuto"), "5x");  // not validated
  for (const Document* doc : {form->Documents.QuibDoc.get(), form->Documents.QuibWDoc.get()}) {
    EXPECT_EQ(Value(doc, "sprite_flickering"), "yes");
    EXPECT_EQ(Value(doc, "country"), "jap");
    EXPECT_EQ(Value(doc, "tv_type"), "pal/secam");
    EXPECT_EQ(Value(doc, "bios_logo"), "1");
    EXPECT_EQ(Value(doc, "frameskip_mode"), "standard");
    EXPECT_EQ(Value(doc, "frameskip_normal_speed"), "3");
    EXPECT_EQ(Value(doc, "frameskip_auto_speed"), "5x");
  }
  Click(Automatic());
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "frameskip_mode"), "auto");
  Choose(Country(), 0);
  Choose(Tv(), 0);
  Choose(Sprite(), 2);
  Apply();
  for (const QString file : {"quib.cfg", "quibw.cfg"}) {
    EXPECT_TRUE(HasLine(file, "frameskip_mode=auto"));
    EXPECT_TRUE(HasLine(file, "frameskip_normal_speed=3"));
    EXPECT_TRUE(HasLine(file, "frameskip_auto_speed=5x"));
    EXPECT_TRUE(HasLine(file, "bios_logo=1"));
    EXPECT_TRUE(HasLine(file, "sprite_flickering=no"));
    EXPECT_TRUE(HasLine(file, "country=us/eur"));
    EXPECT_TRUE(HasLine(file, "tv_type=ntsc"));
  }
}

TEST_F(EmulationPageTest, ThreeDModeIsStoredAsModeAndPort) {
  TForm1* form = StartOnEmulation();
  ASSERT_NE(form, nullptr);
  Choose(ThreeD(), 4);
  for (const Document* doc : {form->Documents.QuibDoc.get(), form->Documents.QuibWDoc.get()}) {
    EXPECT_EQ(Value(doc, "3dglasses_mode"), "3");
    EXPECT_EQ(Value(doc, "3dglasses_com_port"), "2");
  }
  Choose(ThreeD(), 1);  // the port stays as it was
  for (const Document* doc : {form->Documents.QuibDoc.get(), form->Documents.QuibWDoc.get()}) {
    EXPECT_EQ(Value(doc, "3dglasses_mode"), "1");
    EXPECT_EQ(Value(doc, "3dglasses_com_port"), "2");
  }
  Apply();
  EXPECT_TRUE(HasLine("quib.cfg", "3dglasses_mode=1"));
  EXPECT_TRUE(HasLine("quib.cfg", "3dglasses_com_port=2"));
  EXPECT_TRUE(HasLine("quibw.cfg", "3dglasses_mode=1"));
}

TEST_F(EmulationPageTest, ThreeDModeIsReadFromModeAndPort) {
  const std::string original = ReadFile("quib.cfg");
  const std::string lines = "3dglasses_mode=0\r\n3dglasses_com_port=1\r\n";
  ASSERT_NE(original.find(lines), std::string::npos);
  const struct {
    std::string lines;
    int item;
  } cases[] = {
      {"3dglasses_mode=3\r\n3dglasses_com_port=1\r\n", 3},
      {"3dglasses_mode=3\r\n", 2},  // no port: port 0, "Show right side"
      {"3dglasses_mode=4\r\n3dglasses_com_port=1\r\n", 4},
      {"3dglasses_mode=2\r\n3dglasses_com_port=2\r\n", 2},
      {"3dglasses_mode=3\r\n3dglasses_com_port=5\r\n", -1},
      {"3dglasses_mode=9\r\n", -1},
      {"", 0},  // no key: mode 0
  };
  for (const auto& c : cases) {
    std::string text = original;
    text.replace(text.find(lines), lines.size(), c.lines);
    WriteFile("quib.cfg", text);
    ASSERT_NE(StartOnEmulation(), nullptr);
    EXPECT_EQ(ThreeD()->currentIndex(), c.item) << c.lines;
  }
}

TEST_F(EmulationPageTest, DropDownWordRules) {
  Replace("quib.cfg", "tv_type=ntsc", "tv_type=PAL/SECAM");
  Replace("quib.cfg", "sprite_flickering=auto", "sprite_flickering=Yes");
  Replace("quib.cfg", "country=us/eur", "country=JAP");
  Replace("quibw.cfg", "tv_type=pal/secam", "tv_type=secam");
  TForm1* form = StartOnEmulation();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Tv()->currentIndex(), 1);       // caption without regard to case
  EXPECT_EQ(Sprite()->currentIndex(), -1);  // exact words only; a new window has none
  EXPECT_EQ(Country()->currentIndex(), 0);  // only exactly "jap" is Japan
  Choose(Tv(), 1);
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "tv_type"), "pal/secam");

  // A word that matches nothing: the sprite choice stays, the TV type clears.
  Click(Find<QRadioButton>("rgPreferSettingsFrom_QuibW"));
  EXPECT_EQ(Sprite()->currentIndex(), 2);
  EXPECT_EQ(Tv()->currentIndex(), -1);
  Replace("quibw.cfg", "sprite_flickering=no", "sprite_flickering=off");
  Undo();
  EXPECT_EQ(Sprite()->currentIndex(), 2);
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "sprite_flickering"), "off");
}

TEST_F(EmulationPageTest, OnlyQuibCfgLoadedWritesOnlyThere) {
  RemoveFile("quibw.cfg");
  TForm1* form = StartOnEmulation("Preferred cfg file=1");
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->Documents.QuibWDoc, nullptr);
  EXPECT_TRUE(Automatic()->isChecked());  // quib.cfg speaks for both
  Choose(ThreeD(), 3);
  Click(Manual());
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "3dglasses_mode"), "3");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "3dglasses_com_port"), "1");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "frameskip_mode"), "standard");
  Apply();
  EXPECT_TRUE(HasLine("quib.cfg", "frameskip_mode=standard"));
  EXPECT_TRUE(HasLine("quib.cfg", "3dglasses_mode=3"));
  EXPECT_EQ(ReadFile("quibw.cfg"), "<missing>");
}

// A reload fills both pages with values that differ from what they show, so
// every handler that reacts to a programmatic change runs; none may write.
TEST_F(EmulationPageTest, AReloadOfBothPagesWritesNothing) {
  TForm1* form = StartOnEmulation("Preferred cfg file=1");
  ASSERT_NE(form, nullptr);
  QTabBar* tabs = form->tcGUIOS;
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  ASSERT_EQ(tabs->currentIndex(), 1);
  for (const QString file : {"quib.cfg", "quibw.cfg"}) {
    Replace(file, "frameskip_mode=", "frameskip_mode_old=");
    Replace(file, "bios_logo=", "bios_logo_old=");
    Replace(file, "gui_vsync=", "gui_vsync_old=");
    Replace(file, "gui_video_mode=", "gui_video_mode_old=");
    Replace(file, "gui_refresh_rate=", "gui_refresh_rate_old=");
    Replace(file, "fb_width", "fb_width_old");
    Replace(file, "fb_close_after_load=", "fb_close_after_load_old=");
    Replace(file, "start_in_gui=", "start_in_gui_old=");
  }
  Replace("quibw.cfg", "frameskip_normal_speed=2", "frameskip_normal_speed=7");
  Undo();
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_TRUE(Manual()->isChecked());
  EXPECT_EQ(Find<QLineEdit>("FSEditStandard")->text(), "7");
  EXPECT_EQ(Find<QLineEdit>("FBWidth")->text(), "");
  EXPECT_EQ(*form->Documents.QuibDoc, Fresh("quib.cfg"));
  EXPECT_EQ(*form->Documents.QuibWDoc, Fresh("quibw.cfg"));
}

}  // namespace
