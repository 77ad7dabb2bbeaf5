// A whole emulator directory made by the fuzzer, loaded into the real window
// (offscreen, with the platform double answering): the six files are the input
// split at each 0x1E byte, in the order quib.cfg, quibw.cfg, quib.blt,
// quib.inp, quib.thm, quib.msg (a missing part leaves quibw.cfg out, the rest
// empty). Every page is filled and shown, Apply writes the files, the window is
// started again on what it wrote, and a second Apply must change nothing and
// leave no other file behind.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/PageControl.h"
#include "app/Unit1.h"
#include "platform/PlatformDouble.h"

namespace {

constexpr const char* kFiles[] = {"quib.cfg", "quibw.cfg", "quib.blt",
                                  "quib.inp", "quib.thm",  "quib.msg"};

struct Scratch {
  QTemporaryDir temp;
  QString emuDir = temp.path() + "/emulator/";
  QString exeDir = temp.path() + "/program/";
};

Scratch& Dirs() {
  static Scratch scratch;
  return scratch;
}

using Files = std::map<QString, QByteArray>;

// Every file of the emulator directory with its bytes.
Files Snapshot() {
  Files files;
  const QDir dir(Dirs().emuDir);
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    QFile file(dir.filePath(name));
    files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }
  return files;
}

// Starts the window on the directory, shows every page, presses Apply and
// closes the window.
void StartShowAndApply() {
  platform::ScopedDouble platform;
  platform.setExecutableDir(Dirs().exeDir);
  platform.setProfileText(Dirs().exeDir + "Quib Configurator.ini",
                          "[Settings]\r\nQuib path=" + Dirs().emuDir + "\r\n");
  auto form = std::make_unique<TForm1>();
  if (form->FormCreate()) {
    form->show();
    QApplication::processEvents();
    TPageControl* pages = form->PageControl;
    for (int i = 0; pages != nullptr && i < pages->count() && form->isVisible(); ++i) {
      pages->setCurrentIndex(i);
      emit pages->changedByUser(i);
      QApplication::processEvents();
    }
    if (auto* apply = form->findChild<QPushButton*>("ApplyButton"); apply && form->isVisible()) {
      platform.queueAnswer(platform::Answer::Yes);
      apply->click();
    }
    form->close();
    QApplication::processEvents();
  }
  form.reset();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(*argc, *argv);
  QDir().mkpath(Dirs().emuDir);
  QDir().mkpath(Dirs().exeDir);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  QDir emu(Dirs().emuDir);
  for (const QString& name : emu.entryList(QDir::Files | QDir::Hidden | QDir::System))
    emu.remove(name);
  std::size_t start = 0;
  for (int i = 0; i < 6; ++i) {
    const bool present = start <= input.size();
    if (!present && i == 1) continue;
    const std::size_t end = present ? std::min(input.find('\x1e', start), input.size()) : start;
    QFile file(Dirs().emuDir + kFiles[i]);
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    if (present) file.write(input.data() + start, static_cast<qint64>(end - start));
    start = end + 1;
  }

  StartShowAndApply();
  const Files first = Snapshot();
  StartShowAndApply();
  const Files second = Snapshot();
  if (second != first) std::abort();
  for (const auto& [name, bytes] : second)
    if (std::find(std::begin(kFiles), std::end(kFiles), name) == std::end(kFiles)) std::abort();
  return 0;
}
