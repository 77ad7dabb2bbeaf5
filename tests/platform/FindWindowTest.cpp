#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/PlatformQt.h"

namespace {

// Polls until the condition holds or two seconds have passed; the window
// search talks to the X server over a connection of its own.
bool Eventually(const std::function<bool()>& condition) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 2000) {
    QApplication::processEvents();
    if (condition()) return true;
  }
  return false;
}

}  // namespace

TEST(FindWindow, FindsATopLevelWindowByItsExactTitle) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") || qgetenv("QT_QPA_PLATFORM") != "xcb") {
    GTEST_SKIP() << "no X display";
  }
  int argc = 1;
  char name[] = "test_platform_x11";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  platform::QtPlatform real;
  const QString title = "Quib - 8-bit or die!";
  EXPECT_FALSE(real.FindWindow("AllegroWindow", title));

  auto window = std::make_unique<QWidget>();
  window->setWindowTitle(title + " (not quite)");
  window->show();
  QWidget unicode;
  unicode.setWindowTitle(QString::fromUtf8("Quib – ünïcode ☺"));
  unicode.show();
  EXPECT_TRUE(
      Eventually([&] { return real.FindWindow("", QString::fromUtf8("Quib – ünïcode ☺")); }));
  EXPECT_FALSE(real.FindWindow("AllegroWindow", title));

  window->setWindowTitle(title);
  EXPECT_TRUE(Eventually([&] { return real.FindWindow("AllegroWindow", title); }));

  window.reset();
  EXPECT_TRUE(Eventually([&] { return !real.FindWindow("AllegroWindow", title); }));
}

TEST(FindWindow, IsFalseWithoutADisplay) {
  const QByteArray display = qgetenv("DISPLAY");
  qunsetenv("DISPLAY");
  EXPECT_FALSE(platform::FindX11Window("Quib - 8-bit or die!"));
  qputenv("DISPLAY", ":12345");  // no server there
  EXPECT_FALSE(platform::FindX11Window("Quib - 8-bit or die!"));
  qputenv("DISPLAY", display);
  if (display.isEmpty()) qunsetenv("DISPLAY");
}
