// Every window without a mouse: access keys unique within what one window
// shows (its page and its button row), a buddy for every label that names a
// key, Tab reaching every control in reading order; and the keys do what
// they say.
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include "tests/access/WalkFixture.h"

namespace {

// Brings a window to the front and waits until it takes the keys.
bool Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  for (int i = 0; i < 100; ++i) {
    if (QApplication::activeWindow() == window &&
        QGuiApplication::focusWindow() == window->windowHandle())
      return true;
    QTest::qWait(10);
  }
  return false;
}

std::string Lines(const std::vector<std::string>& faults) {
  std::string out;
  for (const std::string& fault : faults) out += "\n  " + fault;
  return out;
}

TEST_F(WalkTest, AccessKeysAreUniqueOnEveryPageAndDialog) {
  const std::vector<walk::Surface> surfaces = Surfaces();
  ASSERT_GT(surfaces.size(), 13u);
  for (const walk::Surface& surface : surfaces) {
    ASSERT_NE(surface.window, nullptr) << surface.name;
    Show(surface);
    auto faults = walk::AccessKeyFaults(surface.window);
    // The colour chooser's "HTML" and "Hue" have always shared Alt+H: the key
    // moves between the two fields.
    if (surface.name == "colour chooser")
      std::erase_if(faults,
                    [](const std::string& f) { return f.rfind("Alt+H given twice", 0) == 0; });
    EXPECT_TRUE(faults.empty()) << surface.name << Lines(faults);
  }
}

TEST_F(WalkTest, TabReachesEveryControlInReadingOrder) {
  for (const walk::Surface& surface : Surfaces()) {
    ASSERT_NE(surface.window, nullptr) << surface.name;
    Show(surface);
    const auto faults = walk::TabChainFaults(surface.window);
    EXPECT_TRUE(faults.empty()) << surface.name << Lines(faults);
  }
}

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
    // Only this window and the main window are open (an open modal window
    // would take the keys).
    for (QWidget* other : QApplication::topLevelWidgets())
      if (other != window && other != form()) other->hide();
    if (c.page != nullptr) ShowPage(c.page);
    ASSERT_TRUE(Activate(window)) << c.focused;
    auto* box = window->findChild<QCheckBox*>(c.focused);
    const bool ticked = box != nullptr && box->isChecked();
    QTest::keyClick(window, c.key, Qt::AltModifier);
    QTest::qWait(150);  // a button's key clicks it as it is drawn pressed
    ASSERT_NE(QApplication::focusWidget(), nullptr) << c.focused;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focused);
    if (box != nullptr) {
      EXPECT_NE(box->isChecked(), ticked) << c.focused;
    }
  }
  for (QWidget* other : QApplication::topLevelWidgets())
    if (other != form()) other->hide();
  for (const char* page : {"GUI", "Emulation", "Input", "Sound", "Blitters", "TabSheet1"}) {
    for (auto* changes : form()->findChildren<TChangesForm*>()) changes->close();
    ShowPage(page);
    ASSERT_TRUE(Activate(form()));
    QTest::keyClick(form(), Qt::Key_G, Qt::AltModifier);
    QTest::qWait(150);
    const auto open = form()->findChildren<TChangesForm*>();
    EXPECT_TRUE(std::any_of(open.begin(), open.end(), [](QWidget* w) { return w->isVisible(); }))
        << page;
  }
}

}  // namespace
