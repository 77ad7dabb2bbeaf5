#include "tests/app/AppFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

// One application object for the whole test program.
QApplication& App() {
  static int argc = 1;
  static char name[] = "quib-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
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
  LoadingFinished = false;
  emuDir_ = temp_.path() + "/Quib Emulator/";
  exeDir_ = temp_.path() + "/program/";
  CopyDir(QString(QUIB_SOURCE_DIR) + "/samples/emulator", emuDir_);
  QDir().mkpath(exeDir_);
  platform_.setExecutableDir(exeDir_);
}

AppTest::~AppTest() {
  form_.reset();
  LoadingFinished = false;
}

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
