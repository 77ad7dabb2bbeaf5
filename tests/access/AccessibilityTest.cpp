// What a screen reader finds: every control Tab can reach is in the
// accessibility tree of its window, with a name and a role that says what it
// is; the controls we draw ourselves tell their value and announce changes.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>

#include "controls/Accessible.h"
#include "controls/ExTrackBar.h"
#include "tests/access/WalkFixture.h"

namespace {

// The widgets met walking the window's accessibility tree, with their
// interfaces.
void Walk(QAccessibleInterface* iface, std::map<QObject*, QAccessibleInterface*>& found,
          int depth = 0) {
  if (iface == nullptr || depth > 64) return;
  if (iface->object() != nullptr && !found.count(iface->object())) found[iface->object()] = iface;
  for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), found, depth + 1);
}

std::vector<std::string> NameFaults(QWidget* window) {
  std::vector<std::string> faults;
  std::map<QObject*, QAccessibleInterface*> found;
  Walk(QAccessible::queryAccessibleInterface(window), found);
  for (QWidget* control : walk::Controls(window)) {
    // A control that hands its focus to a part of it (a tab widget to its
    // tabs) is read as that part.
    while (control->focusProxy() != nullptr) control = control->focusProxy();
    const auto at = found.find(control);
    if (at == found.end()) {
      faults.push_back("not in the accessibility tree: " + walk::Describe(control));
      continue;
    }
    QAccessibleInterface* iface = at->second;
    if (iface->text(QAccessible::Name).trimmed().isEmpty())
      faults.push_back("no name: " + walk::Describe(control));
    const QAccessible::Role role = iface->role();
    if (role == QAccessible::NoRole || role == QAccessible::Client || role == QAccessible::Pane)
      faults.push_back("no role: " + walk::Describe(control));
  }
  return faults;
}

std::string Lines(const std::vector<std::string>& faults) {
  std::string out;
  for (const std::string& fault : faults) out += "\n  " + fault;
  return out;
}

TEST_F(WalkTest, EveryReachableControlHasANameAndARole) {
  for (const walk::Surface& surface : Surfaces()) {
    ASSERT_NE(surface.window, nullptr) << surface.name;
    Show(surface);
    const auto faults = NameFaults(surface.window);
    EXPECT_TRUE(faults.empty()) << surface.name << Lines(faults);
  }
}

// The value changes announced while it exists: object and value.
class Announcements {
 public:
  Announcements() {
    accessible::SetListener(
        [this](QObject* object, const QVariant& value) { heard_.emplace_back(object, value); });
  }
  ~Announcements() { accessible::SetListener(nullptr); }
  // The last value announced for this object (invalid: none).
  QVariant Last(const QObject* object) const {
    QVariant last;
    for (const auto& [who, value] : heard_)
      if (who == object) last = value;
    return last;
  }

 private:
  std::vector<std::pair<const QObject*, QVariant>> heard_;
};

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
    QString value;    // as read after the change
    QVariant spoken;  // as announced; a slider is announced by Qt itself
  };
  auto* red = chooser->tbRed;
  auto* gradient = editor->findChild<TExTrackBar*>("tbMenuGradientStart");
  auto* swatch = editor->findChild<TColourSwatch*>("csMenuTop");
  TPageControl* pages = form()->PageControl;
  const int gui = pages->indexOf(form()->PageWidget("GUI"));
  const Case cases[] = {
      {"colour bar", red, QAccessible::Slider, [red] { red->setValue(200); },
       red->LabelText(200).trimmed(), QVariant()},
      {"gradient bar", gradient, QAccessible::Slider, [gradient] { gradient->setValue(40); },
       gradient->LabelText(40).trimmed(), QVariant()},
      {"swatch", swatch, QAccessible::Button, [swatch] { swatch->SetColour(0x123456); }, "#563412",
       "#563412"},
      {"chosen colour", chooser->ColourPreview, QAccessible::Graphic,
       [chooser] { chooser->ColourPreview->SetFillColour(0x0000FF); }, "#FF0000", "#FF0000"},
      {"page control", pages, QAccessible::PageTabList,
       [pages, gui] { pages->setCurrentIndex(gui); }, "GUI", "GUI"},
      {"build tabs", form()->tcGUIOS, QAccessible::PageTabList,
       [this] { form()->tcGUIOS->setCurrentIndex(1); }, "QuibW", "QuibW"},
      {"theme preview", Themes()->ThemePreview(), QAccessible::Graphic,
       [this, themes] {
         ShowPage("Theme");
         Choose(themes, themes->currentIndex() == 0 ? 1 : 0);
       },
       QString("<theme>"), QString("<theme>")},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.widget, nullptr) << c.what;
    Announcements announcements;
    QAccessibleInterface* iface = Of(c.widget);
    ASSERT_NE(iface, nullptr) << c.what;
    EXPECT_EQ(iface->role(), c.role) << c.what;
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << c.what;
    c.change();
    QApplication::processEvents();
    const QString value = c.value == "<theme>" ? themes->currentText() : c.value;
    EXPECT_EQ(iface->text(QAccessible::Value), value) << c.what;
    if (c.spoken.isValid()) {
      const QVariant spoken = c.spoken == QString("<theme>") ? QVariant(value) : c.spoken;
      EXPECT_EQ(announcements.Last(c.widget), spoken) << c.what;
    }
  }
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
