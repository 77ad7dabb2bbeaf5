// Text as it reaches the screen on Windows. Drawing into an image (what a
// widget grab does) takes another path than drawing into a window, so this
// test reads back the window's own pixels: the numeric fields of the main
// window once showed nothing on screen under Wine while their grabs had text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "platform/Process.h"

namespace {

// The application as the program makes it: the text engine chosen first.
QApplication& App() {
  static int argc = 1;
  static char name[] = "quib-text-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    platform::UseDirectWriteText();
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Pixels of a widget's rectangle, as its window shows them on the screen,
// clearly darker than the field's background.
int DarkPixelsOnScreen(QWidget* widget) {
  const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
  const QImage shown =
      widget->screen()
          ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
  int dark = 0;
  for (int y = 2; y < shown.height() - 2; ++y)
    for (int x = 2; x < shown.width() - 2; ++x)
      if (qGray(shown.pixel(x, y)) < 128) ++dark;
  return dark;
}

TEST(Win32Text, FieldsShowTheirTextOnScreen) {
  App();
  // Under Wine on a virtual display: Wine hides QT_* variables from Windows
  // programs, so the platform is always the real one.
  ASSERT_EQ(QGuiApplication::platformName(), "windows");
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new QLineEdit("360", &window);
  auto* editable = new QComboBox(&window);
  editable->setEditable(true);
  editable->setEditText("1024");
  auto* spin = new QSpinBox(&window);
  spin->setRange(0, 99999);
  spin->setValue(44100);
  auto* empty = new QLineEdit(&window);
  for (QWidget* w : {static_cast<QWidget*>(edit), static_cast<QWidget*>(editable),
                     static_cast<QWidget*>(spin), static_cast<QWidget*>(empty)}) {
    w->setMinimumWidth(160);
    layout->addWidget(w);
  }
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // The screen shows the window a little after it was exposed: wait for the
  // text, and fail below if it never comes.
  const auto shows = [&](QWidget* field) {
    return DarkPixelsOnScreen(field) > DarkPixelsOnScreen(empty) + 20;
  };
  static_cast<void>(
      QTest::qWaitFor([&] { return shows(edit) && shows(editable) && shows(spin); }, 10000));

  const int none = DarkPixelsOnScreen(empty);
  EXPECT_GT(DarkPixelsOnScreen(edit), none + 20) << "line edit";
  EXPECT_GT(DarkPixelsOnScreen(editable), none + 20) << "editable drop-down";
  EXPECT_GT(DarkPixelsOnScreen(spin), none + 20) << "spin box";
}

}  // namespace
