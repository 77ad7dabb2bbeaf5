// The GUI page through its real widgets on a copy of the sample emulator
// directory: the fill from the documents, the build tab, the per-build and
// shared writes, and Apply to the files on disk.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

#include "tests/guiemu/PageTestUtil.h"

namespace {

class GuiPageTest : public PageTest {
 protected:
  TForm1* StartOnGui(const QString& ini = QString()) {
    WriteIni("Active page=5\n" + ini);
    return Start();
  }
  void PickTab(int index) {
    QTabBar* tabs = form()->tcGUIOS;
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  QComboBox* Res() const { return Find<QComboBox>("GUIRes"); }
  QComboBox* Driver() const { return Find<QComboBox>("GUIDriver"); }
  QComboBox* Refresh() const { return Find<QComboBox>("GUIRefreshRate"); }
  QCheckBox* VSync() const { return Find<QCheckBox>("GUIVSynch"); }
};

TEST_F(GuiPageTest, FillShowsTheTabsBuildAndTheSharedKeysOfThePreferredFile) {
  TForm1* form = StartOnGui("Preferred cfg file=1");
  ASSERT_NE(form, nullptr);
  const Document quib = *form->Documents.QuibDoc;
  const Document quibw = *form->Documents.QuibWDoc;

  EXPECT_EQ(form->tcGUIOS->currentIndex(), 0);  // quib.cfg is loaded
  EXPECT_EQ(Res()->currentText(), "640x480");
  ASSERT_EQ(Driver()->count(), 9);
  EXPECT_EQ(Driver()->itemText(3), "Mode X");
  EXPECT_EQ(Driver()->currentText(), "Vesa 2 (linear)");
  EXPECT_EQ(Refresh()->currentIndex(), 0);
  EXPECT_EQ(Refresh()->currentText(), "Auto");
  EXPECT_FALSE(VSync()->isChecked());
  // Shared keys come from quibw.cfg, the preferred file.
  EXPECT_TRUE(Find<QCheckBox>("StartInGUI")->isChecked());
  EXPECT_EQ(Find<QLineEdit>("FBWidth")->text(), "440");
  EXPECT_EQ(Find<QLineEdit>("FBHeight")->text(), "24");
  EXPECT_FALSE(Find<QCheckBox>("UseVLFN")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("FBClose")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("FSAfterLoad")->isChecked());

  PickTab(1);
  EXPECT_EQ(form->tcGUIOS->currentIndex(), 1);
  EXPECT_EQ(Res()->currentText(), "800x600");
  ASSERT_EQ(Driver()->count(), 9);
  EXPECT_EQ(Driver()->itemText(1), "Autodetect (windowed)");
  EXPECT_EQ(Driver()->currentText(), "DirectX (windowed)");
  EXPECT_EQ(Refresh()->currentIndex(), 2);
  EXPECT_EQ(Refresh()->currentText(), "60");
  EXPECT_TRUE(VSync()->isChecked());
  EXPECT_EQ(Find<QLineEdit>("FBWidth")->text(), "440");

  PickTab(0);
  EXPECT_EQ(Driver()->currentText(), "Vesa 2 (linear)");
  EXPECT_EQ(*form->Documents.QuibDoc, quib);  // switching tabs copies nothing
  EXPECT_EQ(*form->Documents.QuibWDoc, quibw);
}

TEST_F(GuiPageTest, PerBuildEditsGoToTheDocumentOfTheTabShown) {
  TForm1* form = StartOnGui();
  ASSERT_NE(form, nullptr);
  PickTab(1);
  Type(Res()->lineEdit(), "1152x864");
  Choose(Driver(), 7);  // DirectX (windowed overlay)
  Type(Refresh()->lineEdit(), "Auto");
  Click(VSync());
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "gui_video_mode"), "1152x864");
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "gui_video_driver"), "directx_ovl");
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "gui_refresh_rate"), "auto");
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "gui_vsync"), "0");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_video_mode"), "640x480");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_video_driver"), "vesa2l");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_refresh_rate"), "auto");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_vsync"), "0");

  PickTab(0);
  Choose(Driver(), 3);  // Mode X
  Choose(Refresh(), 4);
  Click(VSync());
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_video_driver"), "modex");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_refresh_rate"), "90");
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_vsync"), "1");
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "gui_video_driver"), "directx_ovl");

  Apply();
  EXPECT_TRUE(HasLine("quibw.cfg", "gui_video_mode=1152x864"));
  EXPECT_TRUE(HasLine("quibw.cfg", "gui_video_driver=directx_ovl"));
  EXPECT_TRUE(HasLine("quibw.cfg", "gui_refresh_rate=auto"));
  EXPECT_TRUE(HasLine("quibw.cfg", "gui_vsync=0"));
  EXPECT_TRUE(HasLine("quib.cfg", "gui_video_mode=640x480"));
  EXPECT_TRUE(HasLine("quib.cfg", "gui_video_driver=modex"));
  EXPECT_TRUE(HasLine("quib.cfg", "gui_refresh_rate=90"));
  EXPECT_TRUE(HasLine("quib.cfg", "gui_vsync=1"));
}

TEST_F(GuiPageTest, StoredWordsAreMatchedExactlyAndKeptWhenNothingMatches) {
  Replace("quib.cfg", "gui_video_driver=vesa2l", "gui_video_driver=directx");
  Replace("quib.cfg", "gui_refresh_rate=auto", "gui_refresh_rate=Auto");
  Replace("quibw.cfg", "gui_refresh_rate=60", "gui_refresh_rate=85");
  Replace("quibw.cfg", "gui_video_mode=800x600\r\n", "");
  TForm1* form = StartOnGui();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Driver()->currentIndex(), -1);  // a word of the other build
  EXPECT_EQ(Refresh()->currentIndex(), -1);
  EXPECT_EQ(Refresh()->currentText(), "Auto");
  // Passing through the field is no edit, though the combo box matches an item.
  QApplication::setActiveWindow(form);
  Refresh()->lineEdit()->setFocus();
  Find<QLineEdit>("FBWidth")->setFocus();
  ASSERT_TRUE(Find<QLineEdit>("FBWidth")->hasFocus());
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_refresh_rate"), "Auto");

  PickTab(1);
  EXPECT_EQ(Driver()->currentText(), "DirectX (windowed)");
  EXPECT_EQ(Refresh()->currentIndex(), -1);
  EXPECT_EQ(Refresh()->currentText(), "85");
  EXPECT_EQ(Res()->currentText(), "");
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "gui_video_mode"),
            "<none>");  // shown, not written

  PickTab(0);
  Apply();
  EXPECT_TRUE(HasLine("quib.cfg", "gui_video_driver=directx"));
  EXPECT_TRUE(HasLine("quib.cfg", "gui_refresh_rate=Auto"));
  Choose(Refresh(), 0);  // the item "Auto" over the same text
  EXPECT_EQ(Value(form->Documents.QuibDoc.get(), "gui_refresh_rate"), "auto");
  EXPECT_TRUE(HasLine("quibw.cfg", "gui_refresh_rate=85"));
  EXPECT_EQ(ReadFile("quibw.cfg").find("gui_video_mode="), std::string::npos);
}

TEST_F(GuiPageTest, ATabWithoutItsSettingsFileIsRefused) {
  RemoveFile("quib.cfg");
  TForm1* form = StartOnGui();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->Documents.QuibDoc, nullptr);
  EXPECT_EQ(form->tcGUIOS->currentIndex(), 1);
  EXPECT_EQ(Res()->currentText(), "800x600");

  PickTab(0);
  EXPECT_EQ(form->tcGUIOS->currentIndex(), 1);
  EXPECT_EQ(Res()->currentText(), "800x600");
  EXPECT_EQ(Driver()->itemText(1), "Autodetect (windowed)");
  EXPECT_EQ(Driver()->currentText(), "DirectX (windowed)");
  EXPECT_TRUE(platform_.messages().empty());

  // Edits still reach the one loaded file.
  Choose(Driver(), 8);
  Click(Find<QCheckBox>("UseVLFN"));
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "gui_video_driver"), "gdi");
  EXPECT_EQ(Value(form->Documents.QuibWDoc.get(), "fb_uses_db"), "1");
  Apply();
  EXPECT_TRUE(HasLine("quibw.cfg", "gui_video_driver=gdi"));
  EXPECT_TRUE(HasLine("quibw.cfg", "fb_uses_db=1"));
  EXPECT_EQ(ReadFile("quib.cfg"), "<missing>");
}

TEST_F(GuiPageTest, SharedKeysGoToBothFilesWhateverTheTab) {
  TForm1* form = StartOnGui();
  ASSERT_NE(form, nullptr);
  PickTab(1);
  Type(Find<QLineEdit>("FBHeight"), "30");
  Type(Find<QLineEdit>("FBWidth"), "400");
  Click(Find<QCheckBox>("StartInGUI"));   // 1 -> 0
  Click(Find<QCheckBox>("UseVLFN"));      // 1 -> 0
  Click(Find<QCheckBox>("FBClose"));      // 1 -> 0
  Click(Find<QCheckBox>("FSAfterLoad"));  // 0 -> 1
  for (const Document* doc : {form->Documents.QuibDoc.get(), form->Documents.QuibWDoc.get()}) {
    EXPECT_EQ(Value(doc, "fb_height"), "30");
    EXPECT_EQ(Value(doc, "fb_width"), "400");
    EXPECT_EQ(Value(doc, "start_in_gui"), "0");
    EXPECT_EQ(Value(doc, "fb_uses_db"), "0");
    EXPECT_EQ(Value(doc, "fb_close_after_load"), "0");
    EXPECT_EQ(Value(doc, "fb_fullscreen_after_load"), "1");
  }
  Apply();
  EXPECT_TRUE(HasLine("quib.cfg", "fb_height=30   ; 8.3 names fit nicely"));
  EXPECT_TRUE(HasLine("quibw.cfg", "fb_height=30   ; long file names need more room"));
  EXPECT_TRUE(HasLine("quib.cfg", "fb_width=400"));
  // Tabs before the ";" are no part of the kept comment tail.
  EXPECT_TRUE(HasLine("quibw.cfg", "fb_close_after_load=0; tabs before a comment are fine too"));
  EXPECT_TRUE(HasLine("quibw.cfg", "start_in_gui=0"));
}

}  // namespace
