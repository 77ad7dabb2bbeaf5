// Shared by the window benchmarks: one offscreen application, a copy of the
// sample emulator directory in a temporary folder, the platform double naming
// it (so no real user's settings are read or written), and medians.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "platform/PlatformDouble.h"

namespace bench {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "quib-bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

inline void CopyDir(const QString& from, const QString& to) {
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

// A sample emulator directory and the program's settings naming it.
class Sample {
 public:
  Sample() {
    emuDir_ = temp_.path() + "/emulator/";
    CopyDir(QString(QUIB_SOURCE_DIR) + "/samples/emulator", emuDir_);
    const QString exeDir = temp_.path() + "/program/";
    QDir().mkpath(exeDir);
    platform_.setExecutableDir(exeDir);
    platform_.setProfileText(exeDir + "Quib Configurator.ini",
                             "[Settings]\r\nQuib path=" + emuDir_ + "\r\n");
  }
  const QString& EmuDir() const { return emuDir_; }

 private:
  QTemporaryDir temp_;
  QString emuDir_;
  platform::ScopedDouble platform_;
};

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <typename F>
double Seconds(F&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace bench
