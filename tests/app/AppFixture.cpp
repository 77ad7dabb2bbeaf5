#include "tests/app/AppFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/Language.h"
#include "app/PageControl.h"
#include "tests/support/SourceDir.h"

namespace {

// One application object for the whole test program.
QApplication& App() {
  static int argc = 1;
  static char name[] = "quib-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
#ifndef _WIN32
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // On Windows the real platform: the suites run under Wine on a virtual
    // display, and Wine does not pass QT_* variables to Windows programs.
    auto* created = new QApplication(argc, argv);
    language::Install("en");  // as the program starts an English window
    return created;
  }();
  return *app;
}

void CopyDir(const QString& from, const QString& to) {
  QDir().mkpath(to);
  const QDir source(from);
  for (const QString& entry : source.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString path = source.filePath(entry);
    if (QFileInfo(path).isDir())
      CopyDir(path, to + "/" + entry);
    else
      QFile::copy(path, to + "/" + entry);
  }
}

}  // namespace

AppTest::AppTest() {
  App();
  emuDir_ = Native(temp_.path() + "/Quib Emulator/");
  exeDir_ = Native(temp_.path() + "/program/");
  CopyDir(QString(test_support::SourceDir()) + "/samples/emulator", emuDir_);
  QDir().mkpath(exeDir_);
  platform_.setExecutableDir(exeDir_);
  // Backups and every other per-user state go to the temporary folder, never
  // to the real user's.
  stateDir_ = temp_.path() + "/state/";
  for (const char* name : {"XDG_STATE_HOME", "HOME", "LOCALAPPDATA"}) {
    savedEnv_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                     ? std::optional<QByteArray>(qgetenv(name))
                                     : std::nullopt);
  }
  qputenv("XDG_STATE_HOME", QFile::encodeName(stateDir_));
  qputenv("HOME", QFile::encodeName(temp_.path() + "/home"));
  qputenv("LOCALAPPDATA", QFile::encodeName(stateDir_));
}

AppTest::~AppTest() {
  form_.reset();
  for (const auto& [name, value] : savedEnv_) {
    if (value)
      qputenv(name, *value);
    else
      qunsetenv(name);
  }
}

QString AppTest::Native(const QString& path) { return QDir::toNativeSeparators(path); }

void AppTest::WriteIni(const QString& extraLines) {
  QString text = "[Settings]\r\nQuib path=" + emuDir_ + "\r\n";
  for (const QString& line : extraLines.split('\n', Qt::SkipEmptyParts)) text += line + "\r\n";
  platform_.setProfileText(IniPath(), text);
}

TForm1* AppTest::Start() {
  form_ = std::make_unique<TForm1>();
  if (!form_->FormCreate()) {
    form_.reset();
    return nullptr;
  }
  form_->show();
  QApplication::processEvents();
  return form_.get();
}

void AppTest::Close() {
  if (form_) form_->close();
  QApplication::processEvents();
}

std::string AppTest::ReadFile(const QString& name) const {
  QFile file(emuDir_ + name);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

void AppTest::WriteFile(const QString& name, const std::string& bytes) const {
  QFile file(emuDir_ + name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void AppTest::RemoveFile(const QString& name) const { QFile::remove(emuDir_ + name); }

std::string AppTest::Line(const Document& doc, const std::string& key) {
  const int index = FindKey(doc, key);
  return index < 0 ? "<none>" : doc[static_cast<std::size_t>(index)];
}

void AppTest::Replace(const QString& file, const std::string& from, const std::string& to) {
  std::string text = ReadFile(file);
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from << " not in " << file.toStdString();
  text.replace(at, from.size(), to);
  WriteFile(file, text);
}

bool AppTest::HasLine(const QString& file, const std::string& line) const {
  return ReadFile(file).find("\n" + line + "\r\n") != std::string::npos;
}

void AppTest::ShowPage(const char* name) {
  TPageControl* pages = form_->PageControl;
  for (int i = 0; i < pages->count(); ++i) {
    if (pages->page(i)->objectName() == QLatin1String(name)) {
      pages->setCurrentIndex(i);
      emit pages->changedByUser(i);
    }
  }
  QApplication::processEvents();
}

void AppTest::Click(QAbstractButton* button) {
  const bool box =
      qobject_cast<QCheckBox*>(button) != nullptr || qobject_cast<QRadioButton*>(button) != nullptr;
  const QPoint at = box ? QPoint(6, button->height() / 2) : button->rect().center();
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void AppTest::Choose(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void AppTest::Choose(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text);
  ASSERT_GE(index, 0) << text.toStdString();
  Choose(combo, index);
}

void AppTest::Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  if (text.isEmpty())
    QTest::keyClick(edit, Qt::Key_Backspace);
  else
    QTest::keyClicks(edit, text);
}

void AppTest::Apply() {
  platform_.queueAnswer(platform::Answer::Yes);
  QTest::mouseClick(form_->findChild<QPushButton*>("ApplyButton"), Qt::LeftButton);
}
