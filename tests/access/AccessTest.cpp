// Every window without a mouse and with a screen reader: the walks of
// tests/access/Walk.h over every page and dialog, access keys pressed, and
// what the controls we draw ourselves tell a screen reader.
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <algorithm>

#include "app/Language.h"
#include "app/PageControl.h"
#include "controls/Accessible.h"
#include "controls/ExTrackBar.h"
#include "tests/access/Walk.h"
#include "themes/ThemeEditor.h"

namespace {

TEST_F(WalkTest, EveryPageAndDialogPassesTheWalks) {
  const std::vector<walk::Surface> surfaces = Surfaces();
  ASSERT_EQ(surfaces.size(), 13u + 5u + 6u);
  const std::pair<const char*, std::function<walk::Faults(QWidget*)>> walks[] = {
      {"access keys", walk::AccessKeyFaults},
      {"Tab order", walk::TabChainFaults},
      {"accessibility tree", walk::AccessibleFaults}};
  for (const walk::Surface& surface : surfaces) {
    ASSERT_NE(surface.window, nullptr) << surface.name;
    Show(surface);
    for (const auto& [what, check] : walks) {
      walk::Faults faults = check(surface.window);
      // The colour chooser's "HTML" and "Hue" have always shared Alt+H: the
      // key moves between the two fields.
      if (surface.name == "colour chooser")
        std::erase_if(faults, [](const std::string& f) { return f.starts_with("Alt+H given"); });
      EXPECT_TRUE(faults.empty()) << surface.name << ", " << what << walk::Lines(faults);
    }
  }
}

// The access keys stay unique in every window in every shipped language (the
// translations' lint checks the same from the .ts files).
class TranslatedWalk : public WalkTest, public ::testing::WithParamInterface<const char*> {
 protected:
  ~TranslatedWalk() override { language::Install("en"); }
};

TEST_P(TranslatedWalk, AccessKeysAreUniqueInEveryWindow) {
  language::Install(GetParam());
  ASSERT_NE(QCoreApplication::translate("TForm1", "Cancel"), "Cancel");
  for (const walk::Surface& surface : Surfaces()) {
    Show(surface);
    walk::Faults faults = walk::AccessKeyFaults(surface.window);
    EXPECT_TRUE(faults.empty()) << surface.name << walk::Lines(faults);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedWalk, ::testing::ValuesIn(language::kShipped));

// Access keys do what their captions promise, from the page they stand on:
// the Changes window opens from every page, a label's key takes the focus to
// its field, a check box's key ticks it.
TEST_F(WalkTest, AccessKeysWork) {
  ASSERT_GT(Surfaces().size(), 13u);
  auto* chooser = form()->findChild<TColourChooserForm*>();
  ASSERT_NE(chooser, nullptr);
  struct Case {
    const char* page;  // of the main window; nullptr: the colour chooser
    Qt::Key key;
    const char* focused;  // the control that has the focus then
  };
  const Case cases[] = {
      {"GUI", Qt::Key_C, "FBClose"},
      {"GUI", Qt::Key_R, "GUIRes"},
      {"Miscellaneous", Qt::Key_Q, "edtLocation"},
      {"Sound", Qt::Key_C, "Soundcard"},
      {nullptr, Qt::Key_G, "tbGreen"},
      {nullptr, Qt::Key_L, "tbLum"},
  };
  for (const Case& c : cases) {
    QWidget* window = c.page != nullptr ? static_cast<QWidget*>(form()) : chooser;
    HideAllBut(window);
    if (c.page != nullptr) ShowPage(c.page);
    ASSERT_TRUE(walk::Activate(window)) << c.focused;
    auto* box = window->findChild<QCheckBox*>(c.focused);
    const bool ticked = box != nullptr && box->isChecked();
    QTest::keyClick(window, c.key, Qt::AltModifier);
    // A button's key clicks it once it was drawn pressed; what is wrong if
    // that never comes is told below.
    static_cast<void>(QTest::qWaitFor([&] {
      const QWidget* focus = QApplication::focusWidget();
      return focus != nullptr && focus->objectName() == c.focused &&
             (box == nullptr || box->isChecked() != ticked);
    }));
    ASSERT_NE(QApplication::focusWidget(), nullptr) << c.focused;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focused);
    if (box != nullptr) {
      EXPECT_NE(box->isChecked(), ticked) << c.focused;
    }
  }
  HideAllBut(form());
  for (const char* page : {"GUI", "Emulation", "Input", "Sound", "Blitters", "TabSheet1"}) {
    for (auto* changes : form()->findChildren<TChangesForm*>()) changes->close();
    ShowPage(page);
    ASSERT_TRUE(walk::Activate(form()));
    QTest::keyClick(form(), Qt::Key_G, Qt::AltModifier);
    auto shown = [this] {
      const auto open = form()->findChildren<TChangesForm*>();
      return std::any_of(open.begin(), open.end(), [](QWidget* w) { return w->isVisible(); });
    };
    EXPECT_TRUE(QTest::qWaitFor(shown)) << page;
  }
}

QAccessibleInterface* Of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// Each control we draw: its role, and after a change its value as read and as
// announced.
TEST_F(WalkTest, OwnControlsTellTheirValueAndAnnounceItsChanges) {
  ASSERT_GT(Surfaces().size(), 13u);
  TThemeEditorForm* editor = Themes()->ThemeEditor();
  auto* chooser = form()->findChild<TColourChooserForm*>();
  ASSERT_NE(chooser, nullptr);
  ShowPage("Theme");
  QComboBox* themes = Themes()->ThemesCombo();
  ASSERT_GT(themes->count(), 1);
  struct Case {
    const char* what;
    QWidget* widget;
    QAccessible::Role role;
    std::function<void()> change;
    std::function<QString()> value;  // as read, and announced, after the change
    bool announced;                  // by us (Qt announces a slider itself)
  };
  auto* red = chooser->tbRed;
  auto* gradient = editor->findChild<TExTrackBar*>("tbMenuGradientStart");
  auto* swatch = editor->findChild<TColourSwatch*>("csMenuTop");
  TPageControl* pages = form()->PageControl;
  const int gui = pages->indexOf(form()->PageWidget("GUI"));
  auto is = [](const char* text) { return [text] { return QString(text); }; };
  // Its label reads the value divided by four, rounded half to even, with
  // its unit.
  TExTrackBar scaled;
  scaled.setRange(0, 1000);
  scaled.SetLabelsFactor(4);
  scaled.SetLabelsFactorOperation(foDiv);
  scaled.SetLabelsText(" ms");
  scaled.setAccessibleName("Delay");
  const Case cases[] = {
      {"colour bar", red, QAccessible::Slider, [red] { red->setValue(200); }, is("200"), false},
      {"gradient bar", gradient, QAccessible::Slider, [gradient] { gradient->setValue(40); },
       is("40"), false},
      {"bar with a unit", &scaled, QAccessible::Slider, [&scaled] { scaled.setValue(250); },
       is("62 ms"), false},
      {"swatch", swatch, QAccessible::Button, [swatch] { swatch->SetColour(0x123456); },
       is("#563412"), true},
      {"chosen colour", chooser->ColourPreview, QAccessible::Graphic,
       [chooser] { chooser->ColourPreview->SetFillColour(0x0000FF); }, is("#FF0000"), true},
      {"page control", pages, QAccessible::PageTabList,
       [pages, gui] { pages->setCurrentIndex(gui); }, is("GUI"), true},
      {"build tabs", form()->tcGUIOS, QAccessible::PageTabList,
       [this] { form()->tcGUIOS->setCurrentIndex(1); }, is("QuibW"), true},
      {"theme preview", Themes()->ThemePreview(), QAccessible::Graphic,
       [this, themes] {
         ShowPage("Theme");
         Choose(themes, themes->currentIndex() == 0 ? 1 : 0);
       },
       [themes] { return themes->currentText(); }, true},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.widget, nullptr) << c.what;
    QAccessibleInterface* iface = Of(c.widget);
    ASSERT_NE(iface, nullptr) << c.what;
    EXPECT_EQ(iface->role(), c.role) << c.what;
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << c.what;
    QVariant spoken;
    accessible::SetListener([&](QObject* object, const QVariant& value) {
      if (object == c.widget) spoken = value;
    });
    c.change();
    QApplication::processEvents();
    accessible::SetListener(nullptr);
    EXPECT_EQ(iface->text(QAccessible::Value), c.value()) << c.what;
    if (c.announced) {
      EXPECT_EQ(spoken, QVariant(c.value())) << c.what;
    }
  }
}

// A swatch's colour goes to another without a mouse: Ctrl+C, Ctrl+V. A text
// that is no colour changes nothing.
TEST_F(WalkTest, SwatchColoursAreCopiedAndPastedWithTheKeyboard) {
  ASSERT_GT(Surfaces().size(), 13u);
  TThemeEditorForm* editor = Themes()->ThemeEditor();
  auto* from = editor->findChild<TColourSwatch*>("csMenuTop");
  auto* to = editor->findChild<TColourSwatch*>("csListboxBackground");
  from->SetColour(0x123456);
  to->SetColour(0x000000);
  QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "#563412");
  QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(to->Colour(), 0x123456u);
  EXPECT_EQ(editor->Theme()->WidgetListboxBackgroundColor, 0x123456u);  // stored at once
  for (const char* text : {"#12345", "123456 ", "#12345G", "red"}) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(to->Colour(), 0x123456u) << text;
  }
  QGuiApplication::clipboard()->setText(" #a0B0c0\n");
  QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(to->Colour(), 0xC0B0A0u);
  // A screen reader's press on a swatch edits its colour, as Space does.
  int asked = 0;
  TColourChooserForm::ModalHook = [&asked](TColourChooserForm&) {
    ++asked;
    return int(QDialog::Rejected);
  };
  QAccessible::queryAccessibleInterface(to)->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  TColourChooserForm::ModalHook = nullptr;
  EXPECT_EQ(asked, 1);
}

// The page control's tabs are children a screen reader lists and presses,
// the pages after them.
TEST_F(WalkTest, PageTabsAreListedAndPressed) {
  ASSERT_NE(Start(), nullptr);
  TPageControl* pages = form()->PageControl;
  QAccessibleInterface* list = Of(pages);
  ASSERT_EQ(list->childCount(), pages->count() + 1);
  for (int i = 0; i < pages->count(); ++i) {
    QAccessibleInterface* tab = list->child(i);
    ASSERT_NE(tab, nullptr) << i;
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_EQ(tab->text(QAccessible::Name), pages->tabText(i));
    EXPECT_EQ(tab->parent(), list);
    EXPECT_EQ(list->indexOfChild(tab), i);
    EXPECT_EQ(tab->state().selected, i == pages->currentIndex()) << i;
  }
  EXPECT_EQ(list->child(pages->count())->object()->parent(), pages);
  const int sound = pages->indexOf(form()->PageWidget("Sound"));
  list->child(sound)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(pages->currentIndex(), sound);
  EXPECT_TRUE(list->child(sound)->state().selected);
  // The Sound page was built for it and shows its controls.
  EXPECT_TRUE(form()->tcSoundOS->isVisible());
  // The build tabs name their tabs without the access key marks.
  QAccessibleInterface* strip = Of(form()->tcSoundOS);
  ASSERT_GE(strip->childCount(), 2);
  EXPECT_EQ(strip->child(0)->text(QAccessible::Name), "Quib");
  EXPECT_EQ(strip->child(1)->text(QAccessible::Name), "QuibW");
}

}  // namespace
