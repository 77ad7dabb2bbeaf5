// The real message box and file dialog, driven from a timer while they run
// modally on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/PlatformQt.h"
#include "tests/platform/QtPrinters.h"

using namespace platform;

namespace {

void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
}

// Runs act on the modal dialog of type T as soon as it is shown.
template <typename T>
void WhenShown(std::function<void(T*)> act) {
  QTimer::singleShot(0, [act] {
    T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      WhenShown<T>(act);
      return;
    }
    act(dialog);
  });
}

}  // namespace

TEST(PlatformDialogs, MessageBoxShowsTheRequestAndReturnsTheButton) {
  EnsureApplication();
  QtPlatform real;
  MessageRequest request;
  request.caption = "Please confirm blitter deletion";
  request.text = "Are you sure you want to delete this blitter:\r<Normal>";
  request.icon = Icon::Question;
  request.buttons = Buttons::YesNo;
  request.defaultButton = Answer::No;

  QString text;
  QString caption;
  bool noIsDefault = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  WhenShown<QMessageBox>([&](QMessageBox* box) {
    text = box->text();
    caption = box->windowTitle();
    icon = box->icon();
    noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(real.MessageBox(nullptr, request), Answer::Yes);
  EXPECT_EQ(text, "Are you sure you want to delete this blitter:\n<Normal>");
  EXPECT_EQ(caption, "Please confirm blitter deletion");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_TRUE(noIsDefault);

  WhenShown<QMessageBox>([](QMessageBox* box) { box->reject(); });  // Escape
  EXPECT_EQ(real.MessageBox(nullptr, request), Answer::No);

  request.buttons = Buttons::Ok;
  request.foreground = true;
  WhenShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
  EXPECT_EQ(real.MessageBox(nullptr, request), Answer::Ok);
}

TEST(PlatformDialogs, OpenFileOffersTheFiltersAndReturnsTheChosenPath) {
  EnsureApplication();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile(dir.filePath("QUIBW.EXE")).open(QIODevice::WriteOnly);
  QtPlatform real;
  OpenFileRequest request;
  request.title = "Please locate Quib or QuibW (or press Cancel)";
  request.filter = "Quib|quib.exe;quibw.exe|All files|*.*";
  request.fileName = "Quib*.exe";
  request.initialDir = dir.path();

  QStringList filters;
  QString title;
  bool existingOnly = false;
  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    filters = dialog->nameFilters();
    title = dialog->windowTitle();
    existingOnly = dialog->fileMode() == QFileDialog::ExistingFile;
    dialog->selectFile("QUIBW.EXE");
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
  });
  EXPECT_EQ(real.OpenFile(nullptr, request), QDir::toNativeSeparators(dir.filePath("QUIBW.EXE")));
  EXPECT_EQ(filters,
            QStringList({"Quib*.exe (Quib*.exe)", "Quib (quib.exe quibw.exe)", "All files (*)"}));
  EXPECT_EQ(title, request.title);
  EXPECT_TRUE(existingOnly);

  WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(real.OpenFile(nullptr, request), std::nullopt);
}
