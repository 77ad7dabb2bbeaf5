// The Theme page through the real window on a copy of the sample emulator
// directory: the theme list, the selection and its "theme" key, the preview,
// the missing picture question and the uncommenting of themes.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/Links.h"
#include "app/PageControl.h"
#include "app/pages/ThemePage.h"
#include "tests/app/AppFixture.h"

namespace {

using platform::Answer;

class ThemePageTest : public AppTest {
 protected:
  ThemePage* Page() const {
    for (::Page* page : form()->Pages())
      if (auto* theme = dynamic_cast<ThemePage*>(page)) return theme;
    ADD_FAILURE() << "no Theme page";
    return nullptr;
  }
  QComboBox* Combo() const { return Find<QComboBox>("ThemesCombo"); }
  static QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
  }
  // The user picks a theme.
  void Choose(const QString& name) {
    const int index = Combo()->findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    Combo()->setCurrentIndex(index);
    emit Combo()->activated(index);
  }
  QImage Preview() const { return Find<QLabel>("ThemePreview")->pixmap().toImage(); }
  int PictureQuestions() const {
    int count = 0;
    for (const auto& m : platform_.messages()) count += m.caption == "Picture not found";
    return count;
  }
};

// A background pixel of the preview: away from the windows and the grid.
constexpr int kBackX = 240, kBackY = 100;

TEST_F(ThemePageTest, LoadListsThemesSelectsStoredOneAndDrawsIt) {
  WriteIni("Preferred cfg file=0");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Items(Combo()),
            QStringList({"Quib Classic", "Midnight", "Desert Sunset", "Candy Shop"}));
  EXPECT_EQ(Combo()->currentText(), "Quib Classic");
  EXPECT_EQ(Combo()->maxVisibleItems(), 20);
  EXPECT_FALSE(Combo()->isEditable());
  // The sample carries commented-out themes with authors.
  EXPECT_TRUE(Find<QPushButton>("UncommentThemes")->isEnabled());
  EXPECT_EQ(form()->CurrentTheme, ReadNamedTheme(form()->Documents.ThemeDoc, "Quib Classic"));
  // The preview is drawn once its page is shown.
  EXPECT_TRUE(Preview().isNull());
  ShowPage("Theme");
  const QImage shown = Preview();
  ASSERT_EQ(shown.size(), QSize(297, 192));
  EXPECT_EQ(shown.pixel(kBackX, kBackY) & 0xFFFFFF, 0x3A6EA5u);
  EXPECT_EQ(PictureQuestions(), 0);

  // The link opens the themes page in the browser.
  auto* link = Find<QLabel>("Label47");
  EXPECT_EQ(link->text(), "Quib themes page");
  QTest::mouseClick(link, Qt::LeftButton);
  ASSERT_FALSE(platform_.shellCalls().empty());
  EXPECT_EQ(platform_.shellCalls().back().target, QString(links::kQuibThemesPage));
}

TEST_F(ThemePageTest, StoredNameMatchesWithoutCaseAndBackgroundPictureIsDrawn) {
  WriteIni("Preferred cfg file=1");
  Replace("quibw.cfg", "theme=Desert Sunset", "theme=DESERT sunset");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Combo()->currentText(), "Desert Sunset");
  // Its picture exists and is stretched over the background at the GUI page's
  // resolution, so the background colour does not show.
  EXPECT_EQ(PictureQuestions(), 0);
  EXPECT_EQ(form()->CurrentTheme.BackgroundPicture, "Themes/horizon.png");
  ShowPage("Theme");
  EXPECT_NE(Preview().pixel(kBackX, kBackY) & 0xFFFFFF, 0xE0A060u);
}

TEST_F(ThemePageTest, CommentedHeadersAreNotListedAndUnknownNameSelectsFirst) {
  WriteIni("Preferred cfg file=0");
  WriteFile("quib.thm",
            "; themes\r\n[B]\r\nauthors=b\r\n;[C]\r\n;authors=c\r\n[A]\r\nauthors=a\r\n");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Items(Combo()), QStringList({"B", "A"}));
  // "Quib Classic" is not in this file.
  EXPECT_EQ(Combo()->currentText(), "B");
  // The commented-out theme belongs to B's block but is invisible to lookups.
  EXPECT_EQ(form()->CurrentTheme.Authors, "b");
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibDoc, "theme"), "theme=Quib Classic");
}

TEST_F(ThemePageTest, SelectionWritesThemeIntoBothDocuments) {
  WriteIni("Preferred cfg file=1");
  ASSERT_NE(Start(), nullptr);
  // The first drawing after the load writes nothing.
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibDoc, "theme"), "theme=Quib Classic");
  Choose("Midnight");
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibDoc, "theme"), "theme=Midnight");
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibWDoc, "theme"), "theme=Midnight");
  EXPECT_EQ(form()->CurrentTheme.Effect, 3);  // «effect = snow», normalised at load
  Apply();
  EXPECT_TRUE(HasLine("quib.cfg", "theme=Midnight"));
  EXPECT_TRUE(HasLine("quibw.cfg", "theme=Midnight"));
}

TEST_F(ThemePageTest, SelectionWithOnlyQuibCfgWritesOnlyIt) {
  RemoveFile("quibw.cfg");
  WriteIni("Preferred cfg file=1");
  ASSERT_NE(Start(), nullptr);
  ASSERT_EQ(form()->Documents.QuibWDoc, nullptr);
  Choose("Candy Shop");
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibDoc, "theme"), "theme=Candy Shop");
  Apply();
  EXPECT_TRUE(HasLine("quib.cfg", "theme=Candy Shop"));
  EXPECT_EQ(ReadFile("quibw.cfg"), "<missing>");
}

TEST_F(ThemePageTest, EmptyThemeListKeepsTheStoredTheme) {
  WriteIni("Preferred cfg file=0");
  WriteFile("quib.thm", "; no themes here\r\nbackground_color=#102030\r\n");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Combo()->count(), 0);
  EXPECT_FALSE(Find<QPushButton>("UncommentThemes")->isEnabled());
  // Showing the page runs the selection handler: the lines before the first
  // header are the theme, and the user's "theme" line stays.
  ShowPage("Theme");
  EXPECT_EQ(form()->CurrentTheme.BackgroundColor, 0x302010u);  // red 0x10 in the low byte
  EXPECT_EQ(Preview().pixel(kBackX, kBackY) & 0xFFFFFF, 0x102030u);
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibDoc, "theme"), "theme=Quib Classic");
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibWDoc, "theme"), "theme=Desert Sunset");
  Apply();
  EXPECT_TRUE(HasLine("quib.cfg", "theme=Quib Classic"));
  EXPECT_TRUE(HasLine("quibw.cfg", "theme=Desert Sunset"));
}

TEST_F(ThemePageTest, UncommentButtonNeedsCommentedAuthorsWithAValue) {
  WriteIni();
  ASSERT_NE(Start(), nullptr);
  auto* button = Find<QPushButton>("UncommentThemes");
  form()->Documents.ThemeDoc = {"[A]", "authors=a", ";[B]", ";authors=Someone"};
  Page()->ListThemes();
  EXPECT_TRUE(button->isEnabled());
  form()->Documents.ThemeDoc = {"[A]", "authors=a", ";[B]", ";authors="};
  Page()->ListThemes();
  EXPECT_FALSE(button->isEnabled());
  // The first «;authors» line decides.
  form()->Documents.ThemeDoc = {"[A]", ";AUTHORS=", ";[B]", ";authors=Someone"};
  Page()->ListThemes();
  EXPECT_FALSE(button->isEnabled());
}

TEST_F(ThemePageTest, UncommentThemes) {
  // Opens on the Theme page: no selection by the user writes "theme".
  WriteIni("Preferred cfg file=0\nActive page=12");
  Replace("quib.cfg", "theme=Quib Classic", "theme=retro");
  WriteFile("quib.thm",
            "[Top]\r\nauthors=T\r\n;[Retro]\r\n;authors =Me\r\n;authors=Me\r\n; authors=Me\r\n"
            ";;authors=Me\r\n;note: nothing here\r\n;Background_Color = #102030 ; dark\r\n");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Items(Combo()), QStringList({"Top"}));
  auto* button = Find<QPushButton>("UncommentThemes");
  ASSERT_TRUE(button->isEnabled());
  const Document before = form()->Documents.ThemeDoc;

  platform_.queueAnswer(Answer::No);
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_FALSE(platform_.messages().empty());
  const auto question = platform_.messages().back();
  EXPECT_EQ(question.caption, "Warning");
  EXPECT_EQ(question.icon, platform::Icon::Warning);
  EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
  EXPECT_EQ(question.text,
            "This is an automated function and may not correctly uncomment all of the themes.\r"
            "It works fine on my standard Quib.thm but could possibly mess up a modified file.\r"
            "Do you want to continue?");
  EXPECT_EQ(form()->Documents.ThemeDoc, before);

  // A theme saved since the load under a name with blanks around an "=".
  form()->Documents.ThemeDoc.push_back("[Mine = 2]");
  platform_.queueAnswer(Answer::Yes);
  QTest::mouseClick(button, Qt::LeftButton);
  // Uncommented lines are normalised at once, so lookups find them; the
  // other lines stay as they are.
  EXPECT_EQ(form()->Documents.ThemeDoc,
            Document({"[Top]", "authors=T", "[Retro]", "authors=Me", "authors=Me", "; authors=Me",
                      ";;authors=Me", ";note: nothing here", "Background_Color=#102030 ; dark",
                      "[Mine = 2]"}));
  EXPECT_EQ(Items(Combo()), QStringList({"Top", "Retro", "Mine = 2"}));
  EXPECT_EQ(Combo()->currentText(), "Retro");
  EXPECT_FALSE(button->isEnabled());
  // The preview is not redrawn: the current theme is still the one shown.
  EXPECT_EQ(form()->CurrentTheme.Authors, "T");
  EXPECT_EQ(ReadNamedTheme(form()->Documents.ThemeDoc, "Retro").BackgroundColor, 0x302010u);
  // Nothing was written into the settings documents.
  EXPECT_EQ(AppTest::Line(*form()->Documents.QuibDoc, "theme"), "theme=retro");
}

TEST_F(ThemePageTest, MissingPictureQuestionAndItsSwitch) {
  WriteIni("Preferred cfg file=1");
  RemoveFile("Themes/horizon.png");
  ASSERT_NE(Start(), nullptr);
  // The first drawing asks (answered Yes by default: the warning stays on).
  ASSERT_EQ(PictureQuestions(), 1);
  const auto question = platform_.messages().back();
  EXPECT_EQ(question.icon, platform::Icon::Information);
  EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
  EXPECT_EQ(question.text,
            "This theme should have a background picture:\rThemes/horizon.png\rbut it's not "
            "there.\rYou may need to download the theme pictures from the Quib website.\r\r"
            "Show this message again?");
  EXPECT_TRUE(form()->MissingPictureWarning);

  platform_.queueAnswer(Answer::No);
  ShowPage("Theme");  // redraws
  EXPECT_EQ(PictureQuestions(), 2);
  EXPECT_FALSE(form()->MissingPictureWarning);
  // Still drawn, without the picture.
  EXPECT_EQ(Preview().pixel(kBackX, kBackY) & 0xFFFFFF, 0xE0A060u);
  Choose("Midnight");
  Choose("Desert Sunset");
  EXPECT_EQ(PictureQuestions(), 2);

  ShowPage("Miscellaneous");
  QTest::mouseClick(Find<QPushButton>("ResetWarningsButton"), Qt::LeftButton);
  ShowPage("Theme");
  EXPECT_EQ(PictureQuestions(), 3);
}

TEST_F(ThemePageTest, LockedPreviewIsNotRedrawn) {
  WriteIni("Preferred cfg file=0");
  ASSERT_NE(Start(), nullptr);
  ShowPage("Theme");
  ThemePage* page = Page();
  const QImage before = Preview();
  int editorLoads = 0;
  page->LoadThemeIntoEditor = [&] {
    ++editorLoads;
    EXPECT_TRUE(page->PreviewLock().Locked());
    // What the editor's controls would redraw is suppressed.
    page->DrawThemePreview(ReadNamedTheme(form()->Documents.ThemeDoc, "Midnight"));
  };
  Choose("Quib Classic");
  EXPECT_EQ(editorLoads, 1);
  EXPECT_FALSE(page->PreviewLock().Locked());
  EXPECT_EQ(Preview(), before);
  {
    const auto hold = page->PreviewLock().Acquire();
    page->DrawThemePreview(ReadNamedTheme(form()->Documents.ThemeDoc, "Midnight"));
  }
  EXPECT_EQ(Preview(), before);
  page->LoadThemeIntoEditor = nullptr;
  page->DrawThemePreview(ReadNamedTheme(form()->Documents.ThemeDoc, "Midnight"));
  EXPECT_NE(Preview(), before);
}

}  // namespace
