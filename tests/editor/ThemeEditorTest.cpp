// The theme editor through the real windows on a copy of the sample emulator
// directory: opening and placing it, swatch drag and drop and the colour
// chooser, the gradient pairs, the picture list, and Save / Save as / Reset /
// Rename / Delete with their questions answered by the platform double.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/pages/ThemePage.h"
#include "blitters/BlitterNameForm.h"
#include "controls/ExTrackBar.h"
#include "tests/app/AppFixture.h"
#include "themes/ColourChooser.h"
#include "themes/ThemeEditor.h"

namespace {

using platform::Answer;

class ThemeEditorTest : public AppTest {
 protected:
  ThemeEditorTest() { WriteIni("Preferred cfg file=0"); }
  ~ThemeEditorTest() override {
    TBlitterNameForm::ModalHook = nullptr;
    TColourChooserForm::ModalHook = nullptr;
  }

  ThemePage* Page() const {
    for (::Page* page : form()->Pages())
      if (auto* theme = dynamic_cast<ThemePage*>(page)) return theme;
    ADD_FAILURE() << "no Theme page";
    return nullptr;
  }
  // Starts the window, shows the Theme page and opens the editor.
  TThemeEditorForm* Open() {
    if (form() == nullptr && Start() == nullptr) return nullptr;
    ShowPage("Theme");
    Click(Page()->btnEditTheme());
    return Page()->ThemeEditor();
  }
  template <typename T>
  T* In(const char* name) const {
    T* w = Page()->ThemeEditor()->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
  }
  TColourSwatch* Swatch(const char* name) const { return In<TColourSwatch>(name); }
  void ShowEditorPage(const char* name) const {
    auto* pages = In<QTabWidget>("PageControl");
    pages->setCurrentWidget(pages->findChild<QWidget*>(name));
  }
  // The name dialog answers with this text (nullopt: Cancel).
  static void AnswerName(std::optional<QString> name) {
    TBlitterNameForm::ModalHook = [name](TBlitterNameForm& dialog) {
      EXPECT_EQ(dialog.windowTitle(), "Theme name");
      if (!name) return int(QDialog::Rejected);
      dialog.Edit1->setText(*name);
      return int(QDialog::Accepted);
    };
  }
  QImage Preview() const { return Find<QLabel>("ThemePreview")->pixmap().toImage(); }
  // The lines of a theme's block, header included.
  Document Block(const std::string& name) const {
    const Document& doc = form()->Documents.ThemeDoc;
    const int header = FindThemeHeader(doc, name);
    if (header < 0) return {};
    return Document(doc.begin() + header, doc.begin() + ThemeBlockEnd(doc, header));
  }
  std::vector<platform::MessageRequest> Messages(const QString& caption) const {
    std::vector<platform::MessageRequest> found;
    for (const auto& m : platform_.messages())
      if (m.caption == caption) found.push_back(m);
    return found;
  }
};

TEST_F(ThemeEditorTest, OpensBesideTheWindowOrAtItsLeftNearTheScreenEdge) {
  WriteFile("Themes/Beach.bmp", "x");
  WriteFile("Themes/FOREST.PNG", "x");
  WriteFile("Themes/notes.txt", "x");
  ASSERT_NE(Start(), nullptr);
  // Far enough left that the editor fits on the screen at the window's right.
  form()->move(-form()->frameGeometry().width() + 10, 20);
  TThemeEditorForm* editor = Open();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->windowTitle(), "Theme Editor");
  EXPECT_EQ(editor->parent(), form());
  EXPECT_EQ(editor->x(), form()->frameGeometry().right() + 1);
  EXPECT_EQ(editor->y(), form()->frameGeometry().y());
  // The stored theme of quib.cfg (preferred) is loaded; the editor opens on "Others".
  EXPECT_EQ(editor->Theme(), &form()->CurrentTheme);
  EXPECT_EQ(Swatch("csBackground")->Colour(), 0xA56E3Au);
  EXPECT_EQ(In<QLineEdit>("edAuthor")->text(), "The Quib team");
  EXPECT_EQ(In<QTabWidget>("PageControl")->currentWidget()->objectName(), "Others");
  // Pictures: exact lower-case extensions, sorted without regard to case.
  QStringList items;
  for (auto* combo = In<QComboBox>("cbPictures"); items.size() < combo->count();)
    items << combo->itemText(static_cast<int>(items.size()));
  EXPECT_EQ(items, QStringList({"<default>", "Beach.bmp", "horizon.png", "pattern-24bit.pcx",
                                "pattern-8bit.pcx", "pattern-rle.tga", "pattern.bmp", "pattern.png",
                                "pattern.tga"}));

  // Near the screen's right edge it goes against the main window's left edge.
  editor->close();
  const QRect screen = form()->screen()->geometry();
  form()->move(screen.right() - form()->frameGeometry().width() - 10, 20);
  Click(Page()->btnEditTheme());
  EXPECT_EQ(Page()->ThemeEditor(), editor);  // created once
  EXPECT_EQ(editor->x(), form()->frameGeometry().x() - editor->frameGeometry().width());
}

TEST_F(ThemeEditorTest, DraggedColourRedrawsAndReachesTheDocumentOnlyOnSave) {
  TThemeEditorForm* editor = Open();
  ASSERT_NE(editor, nullptr);
  const Document before = form()->Documents.ThemeDoc;
  const QImage preview = Preview();
  ShowEditorPage("Menus");
  TColourSwatch* top = Swatch("csMenuTop");
  TColourSwatch* list = Swatch("csListboxBackground");
  ASSERT_EQ(top->Colour(), 0xC8D0D4u);
  // Carry the menu's top colour over the "Controls" tab to the list box fill.
  QTabBar* tabs = In<QTabWidget>("PageControl")->tabBar();
  QTest::mousePress(top, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(tabs, tabs->tabRect(3).center());
  EXPECT_TRUE(list->isVisible());
  QTest::mouseMove(list, QPoint(10, 8));
  QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(10, 8));
  EXPECT_EQ(list->Colour(), 0xC8D0D4u);
  EXPECT_EQ(form()->CurrentTheme.WidgetListboxBackgroundColor, 0xC8D0D4u);
  EXPECT_NE(Preview(), preview);
  EXPECT_EQ(form()->Documents.ThemeDoc, before);

  // A click on a swatch opens the chooser just below it; OK takes its colour.
  ShowEditorPage("Menus");
  QPoint chooserAt;
  TColourChooserForm::ModalHook = [&](TColourChooserForm& chooser) {
    chooserAt = chooser.pos();
    chooser.ebHTML->setText("#123456");
    return int(QDialog::Accepted);
  };
  QTest::mouseClick(top, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(chooserAt, top->mapToGlobal(QPoint(0, top->height())));
  EXPECT_EQ(form()->CurrentTheme.MenuBackgroundColor, 0x563412u);
  // Cancel changes nothing.
  TColourChooserForm::ModalHook = [](TColourChooserForm& chooser) {
    chooser.ebHTML->setText("#000000");
    return int(QDialog::Rejected);
  };
  QTest::mouseClick(top, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(top->Colour(), 0x563412u);
  EXPECT_EQ(form()->Documents.ThemeDoc, before);

  // Save rewrites only this block, in place; the next theme follows one empty line.
  const Document midnight = Block("Midnight");
  Click(In<QPushButton>("btnSave"));
  const Document block = Block("Quib Classic");
  EXPECT_NE(std::find(block.begin(), block.end(), "menu_background_color=#123456"), block.end());
  EXPECT_NE(std::find(block.begin(), block.end(), "widget_listbox_background_color=#D4D0C8"),
            block.end());
  ASSERT_GE(block.size(), 2u);
  EXPECT_EQ(block.back(), "");
  EXPECT_NE(block[block.size() - 2], "");
  EXPECT_EQ(Block("Midnight"), midnight);
  EXPECT_EQ(ListThemeNames(form()->Documents.ThemeDoc), ListThemeNames(before));
}

TEST_F(ThemeEditorTest, GradientPairsKeepStartBelowFinish) {
  ASSERT_NE(Start(), nullptr);
  // Midnight's title bar gradient runs backwards.
  std::replace(form()->Documents.ThemeDoc.begin(), form()->Documents.ThemeDoc.end(),
               std::string("window_titlebar_gradient=20%-80% #3050a0"),
               std::string("window_titlebar_gradient=70%-30% #3050a0"));
  TThemeEditorForm* editor = Open();
  ASSERT_NE(editor, nullptr);
  auto* start = In<TExTrackBar>("tbTitleBarGradientStart");
  auto* finish = In<TExTrackBar>("tbTitleBarGradientFinish");
  EXPECT_EQ(start->maximum(), 100);
  EXPECT_EQ(start->pageStep(), 10);
  EXPECT_FALSE(start->Labels());
  finish->setValue(50);
  start->setValue(80);
  EXPECT_EQ(finish->value(), 80);
  EXPECT_EQ(form()->CurrentTheme.TitlebarGradientStart, 80);
  EXPECT_EQ(form()->CurrentTheme.TitlebarGradientFinish, 80);

  Choose(Find<QComboBox>("ThemesCombo"), "Midnight");
  EXPECT_EQ(start->value(), 30);
  EXPECT_EQ(finish->value(), 30);
  // What the sliders show does not go back into the theme.
  EXPECT_EQ(form()->CurrentTheme.TitlebarGradientStart, 70);
  EXPECT_EQ(form()->CurrentTheme.TitlebarGradientFinish, 30);
  EXPECT_EQ(In<TExTrackBar>("tbMenuGradientStart")->value(), 0);
  EXPECT_EQ(In<TExTrackBar>("tbMenuGradientFinish")->value(), 60);
}

TEST_F(ThemeEditorTest, ShowingAThemeLeavesItAsReadAndOnlyAMovedSliderWrites) {
  ASSERT_NE(Start(), nullptr);
  Document& doc = form()->Documents.ThemeDoc;
  std::replace(doc.begin(), doc.end(), std::string("window_titlebar_gradient=20%-80% #3050a0"),
               std::string("window_titlebar_gradient=150%-200% #3050a0"));
  std::replace(doc.begin(), doc.end(), std::string("menu_gradient=0%-60% #28346C"),
               std::string("menu_gradient=-20%-60% #28346C"));
  // The list names this picture in other letters.
  std::replace(doc.begin(), doc.end(),
               std::string("background_picture=\"Themes/horizon.png\" stretch"),
               std::string("background_picture=\"themes/HORIZON.png\" center"));
  ASSERT_NE(Open(), nullptr);
  auto* combo = Find<QComboBox>("ThemesCombo");
  for (const char* name : {"Midnight", "Desert Sunset", "Candy Shop", "Quib Classic", "Midnight"}) {
    Choose(combo, name);
    EXPECT_EQ(form()->CurrentTheme, ReadNamedTheme(doc, name)) << name;
  }
  auto* start = In<TExTrackBar>("tbTitleBarGradientStart");
  auto* finish = In<TExTrackBar>("tbTitleBarGradientFinish");
  EXPECT_EQ(start->value(), 100);
  EXPECT_EQ(finish->value(), 100);
  EXPECT_EQ(In<TExTrackBar>("tbMenuGradientStart")->value(), 0);
  Click(In<QPushButton>("btnSave"));
  Document block = Block("Midnight");
  EXPECT_NE(std::find(block.begin(), block.end(), "window_titlebar_gradient=150%-200% #3050A0"),
            block.end());
  EXPECT_NE(std::find(block.begin(), block.end(), "menu_gradient=-20%-60% #28346C"), block.end());

  // The user's move writes the position of the slider moved.
  start->setValue(40);
  EXPECT_EQ(form()->CurrentTheme.TitlebarGradientStart, 40);
  EXPECT_EQ(form()->CurrentTheme.TitlebarGradientFinish, 200);
  finish->setValue(90);
  EXPECT_EQ(form()->CurrentTheme.TitlebarGradientFinish, 90);
  Click(In<QPushButton>("btnSave"));
  block = Block("Midnight");
  EXPECT_NE(std::find(block.begin(), block.end(), "window_titlebar_gradient=40%-90% #3050A0"),
            block.end());

  // The picture too is saved as stored until the user picks another.
  Choose(combo, "Desert Sunset");
  EXPECT_EQ(In<QComboBox>("cbPictures")->currentText(), "horizon.png");
  Click(In<QPushButton>("btnSave"));
  block = Block("Desert Sunset");
  EXPECT_NE(
      std::find(block.begin(), block.end(), "background_picture=\"themes/HORIZON.png\" center"),
      block.end());
}

TEST_F(ThemeEditorTest, PictureModeFollowsThePictureAndOpenFallsBackToOpen) {
  TThemeEditorForm* editor = Open();
  ASSERT_NE(editor, nullptr);
  Choose(Find<QComboBox>("ThemesCombo"), "Desert Sunset");
  auto* pictures = In<QComboBox>("cbPictures");
  auto* mode = In<QComboBox>("cbPictureMode");
  EXPECT_EQ(pictures->currentText(), "horizon.png");
  EXPECT_TRUE(In<QPushButton>("btnOpenImage")->isEnabled());
  Choose(pictures, "<default>");
  EXPECT_FALSE(mode->isEnabled());
  EXPECT_EQ(mode->currentIndex(), -1);
  EXPECT_EQ(form()->CurrentTheme.BackgroundPicture, "");
  EXPECT_FALSE(In<QPushButton>("btnOpenImage")->isEnabled());
  Choose(pictures, "pattern.tga");
  EXPECT_EQ(mode->currentText(), "Stretched");
  EXPECT_EQ(form()->CurrentTheme.BackgroundPicture, "Themes/pattern.tga");
  EXPECT_EQ(form()->CurrentTheme.PictureMode, 0);

  platform_.setShellResult(false);
  Click(In<QPushButton>("btnOpenImage"));
  const auto calls = platform_.shellCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].verb, "edit");
  EXPECT_EQ(calls[1].verb, "open");
  EXPECT_TRUE(calls[1].target.endsWith("pattern.tga"));

  // The author goes into the record without a redraw; Reset drops it.
  const QImage preview = Preview();
  In<QLineEdit>("edAuthor")->setText("Somebody\r\nElse");
  EXPECT_EQ(form()->CurrentTheme.Authors, "Somebody");
  EXPECT_EQ(Preview(), preview);
  Click(In<QPushButton>("btnReset"));
  EXPECT_EQ(form()->CurrentTheme.BackgroundPicture, "Themes/horizon.png");
  EXPECT_NE(form()->CurrentTheme.Authors, "Somebody");
  EXPECT_EQ(In<QLineEdit>("edAuthor")->text(),
            QString::fromStdString(form()->CurrentTheme.Authors));
}

TEST_F(ThemeEditorTest, PictureOutsideTheListIsKeptThroughASave) {
  WriteFile("Themes/FOREST.PNG", "x");
  ASSERT_NE(Start(), nullptr);
  std::replace(form()->Documents.ThemeDoc.begin(), form()->Documents.ThemeDoc.end(),
               std::string("background_picture=\"Themes/horizon.png\" stretch"),
               std::string("background_picture=\"Themes/FOREST.PNG\" tile"));
  ASSERT_NE(Open(), nullptr);
  Choose(Find<QComboBox>("ThemesCombo"), "Desert Sunset");
  EXPECT_EQ(In<QComboBox>("cbPictures")->currentText(), "Themes/FOREST.PNG");
  EXPECT_EQ(In<QComboBox>("cbPictureMode")->currentText(), "Tiled");
  Click(In<QPushButton>("btnSave"));
  const Document block = Block("Desert Sunset");
  EXPECT_NE(std::find(block.begin(), block.end(), "background_picture=\"Themes/FOREST.PNG\" tile"),
            block.end());
  // Another theme takes the extra item away.
  Choose(Find<QComboBox>("ThemesCombo"), "Midnight");
  EXPECT_EQ(In<QComboBox>("cbPictures")->findText("Themes/FOREST.PNG"), -1);
  EXPECT_EQ(In<QComboBox>("cbPictures")->currentText(), "<default>");
}

TEST_F(ThemeEditorTest, SaveAsAppendsAndSelectsOrRefusesAnExistingName) {
  ASSERT_NE(Open(), nullptr);
  In<QLineEdit>("edAuthor")->setText("Night owl");
  const Document before = form()->Documents.ThemeDoc;
  AnswerName(QString("midnight"));
  Click(In<QPushButton>("btnSaveAs"));
  ASSERT_EQ(Messages("Name already exists!").size(), 1u);
  EXPECT_EQ(Messages("Name already exists!")[0].text,
            "The name you chose already exists! Please choose another name.");
  EXPECT_EQ(Messages("Name already exists!")[0].icon, platform::Icon::Error);
  EXPECT_EQ(form()->Documents.ThemeDoc, before);
  AnswerName(std::nullopt);
  Click(In<QPushButton>("btnSaveAs"));
  AnswerName(QString());
  Click(In<QPushButton>("btnSaveAs"));
  EXPECT_EQ(form()->Documents.ThemeDoc, before);

  AnswerName(QString("Night"));
  Click(In<QPushButton>("btnSaveAs"));
  const Document& doc = form()->Documents.ThemeDoc;
  ASSERT_GT(doc.size(), before.size());
  EXPECT_TRUE(std::equal(before.begin(), before.end(), doc.begin()));
  EXPECT_EQ(doc[before.size()], "[Night]");
  EXPECT_NE(doc.back(), "");
  auto* combo = Find<QComboBox>("ThemesCombo");
  EXPECT_EQ(combo->currentText(), "Night");
  EXPECT_EQ(combo->currentIndex(), combo->count() - 1);
  EXPECT_EQ(Line(*form()->Documents.QuibDoc, "theme"), "theme=Night");
  EXPECT_EQ(Line(*form()->Documents.QuibWDoc, "theme"), "theme=Night");
  EXPECT_EQ(form()->CurrentTheme.Authors, "Night owl");
}

TEST_F(ThemeEditorTest, RenameAndDeleteWithTheirQuestions) {
  ASSERT_NE(Open(), nullptr);
  auto* combo = Find<QComboBox>("ThemesCombo");
  Choose(combo, "Midnight");
  AnswerName(QString("Dusk"));
  Click(In<QPushButton>("Button1"));
  EXPECT_EQ(FindThemeHeader(form()->Documents.ThemeDoc, "Midnight"), -1);
  EXPECT_GE(FindThemeHeader(form()->Documents.ThemeDoc, "Dusk"), 0);
  EXPECT_EQ(combo->currentText(), "Dusk");
  EXPECT_EQ(combo->currentIndex(), 1);
  // The settings keep the old name until the theme is selected again.
  EXPECT_EQ(Line(*form()->Documents.QuibDoc, "theme"), "theme=Midnight");
  // A name another theme has is refused.
  AnswerName(QString("candy shop"));
  Click(In<QPushButton>("Button1"));
  EXPECT_EQ(Messages("Name already exists!").size(), 1u);
  EXPECT_EQ(ListThemeNames(form()->Documents.ThemeDoc),
            std::vector<std::string>({"Quib Classic", "Dusk", "Desert Sunset", "Candy Shop"}));

  // Delete asks first (No is the default); No keeps the theme.
  const Document before = form()->Documents.ThemeDoc;
  platform_.queueAnswer(Answer::No);
  Click(In<QPushButton>("btnDelete"));
  const auto asked = Messages("Please confirm theme deletion");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Are you sure you want to delete this theme:\rDusk");
  EXPECT_EQ(asked[0].defaultButton, Answer::No);
  EXPECT_EQ(asked[0].icon, platform::Icon::Question);
  EXPECT_EQ(form()->Documents.ThemeDoc, before);
  // Yes deletes the block with its commented-out theme; the next one is selected.
  platform_.queueAnswer(Answer::Yes);
  Click(In<QPushButton>("btnDelete"));
  EXPECT_EQ(FindThemeHeader(form()->Documents.ThemeDoc, "Dusk"), -1);
  for (const std::string& line : form()->Documents.ThemeDoc) EXPECT_NE(line, ";[Forest Floor]");
  EXPECT_EQ(combo->currentText(), "Desert Sunset");
  EXPECT_EQ(Line(*form()->Documents.QuibDoc, "theme"), "theme=Desert Sunset");
}

TEST_F(ThemeEditorTest, RenameReplacesTheSelectedItemInPlace) {
  // Two headers that differ only in letter case: the document's first match
  // is renamed, while the list changes only the item the user selected.
  WriteFile("quib.thm", "[A]\r\nauthors=1\r\n[B]\r\nauthors=2\r\n[a]\r\nauthors=3\r\n");
  ASSERT_NE(Open(), nullptr);
  auto* combo = Find<QComboBox>("ThemesCombo");
  Choose(combo, 2);
  AnswerName(QString("New"));
  Click(In<QPushButton>("Button1"));
  EXPECT_EQ(ListThemeNames(form()->Documents.ThemeDoc),
            std::vector<std::string>({"New", "B", "a"}));
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  EXPECT_EQ(items, QStringList({"A", "B", "New"}));
  EXPECT_EQ(combo->currentIndex(), 2);
  // Later commands work on the name shown.
  platform_.queueAnswer(Answer::No);
  Click(In<QPushButton>("btnDelete"));
  const auto asked = Messages("Please confirm theme deletion");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Are you sure you want to delete this theme:\rNew");
}

TEST_F(ThemeEditorTest, LeavingThePageOrUndoReadsTheStoredThemeAgain) {
  TThemeEditorForm* editor = Open();
  ASSERT_NE(editor, nullptr);
  auto* combo = Find<QComboBox>("ThemesCombo");
  Choose(combo, "Midnight");
  In<QLineEdit>("edAuthor")->setText("Unsaved");
  // Undo selects the stored theme again; the editor follows it.
  Click(form()->UndoButton);
  EXPECT_EQ(combo->currentText(), "Quib Classic");
  EXPECT_EQ(In<QLineEdit>("edAuthor")->text(), "The Quib team");
  EXPECT_EQ(form()->CurrentTheme, ReadNamedTheme(form()->Documents.ThemeDoc, "Quib Classic"));

  In<QLineEdit>("edAuthor")->setText("Unsaved");
  ShowPage("GUI");
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(form()->CurrentTheme.Authors, "The Quib team");
  // Coming back does not reopen it.
  ShowPage("Theme");
  EXPECT_FALSE(editor->isVisible());
}

}  // namespace
