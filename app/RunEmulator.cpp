#include "app/RunEmulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/ProgramSettings.h"
#include "platform/Platform.h"

std::optional<QString> TRomOpenDialog::Execute(QWidget* parent, QString& lastRomPath) {
  platform::OpenFileRequest request;
  request.title = QCoreApplication::translate("TForm1", "Load ROM...");
  request.filter = QCoreApplication::translate("TForm1", "All roms") +
                   " (*.sms;*.gg;*.sg;*.sc;*.sf7;*.rom;*.col;*.zip)|"
                   "*.sms;*.gg;*.sg;*.sc;*.sf7;*.rom;*.col;*.zip|Master System (*.sms)|*.sms|"
                   "Game Gear (*.gg)|*.gg|SG-1000 (*.sg)|*.sg|SC-3000 (*.sc)|*.sc|"
                   "SF-7000 (*.sf7)|*.sf7|ColecoVision (*.rom;*.col)|*.rom;*.col|" +
                   QCoreApplication::translate("TForm1", "Zipped roms") + " (*.zip)|*.zip|" +
                   QCoreApplication::translate("TForm1", "All files") + " (*.*)|*.*";
  if (fileName_.isEmpty()) {
    request.initialDir = lastRomPath;
  } else {
    const QFileInfo last(fileName_);
    request.initialDir = WithSeparator(last.absolutePath());
    request.fileName = last.fileName();
  }
  request.mustExist = true;
  request.hideReadOnly = true;
  const std::optional<QString> chosen = platform::Current().OpenFile(parent, request);
  if (!chosen) return std::nullopt;
  fileName_ = QDir::toNativeSeparators(*chosen);
  lastRomPath = WithSeparator(QFileInfo(fileName_).absolutePath());
  return fileName_;
}

void StartQuib(const QString& quibPath, int build, const QString& game) {
  platform::Current().StartProcess(quibPath + (build == 0 ? "quib.exe" : "quibw.exe"), game);
}

bool QuibIsRunning() {
  return platform::Current().FindWindow("AllegroWindow", "Quib - 8-bit or die!");
}

const char* const kQuibRunning = QT_TRANSLATE_NOOP(
    "TForm1",
    "It looks like Quib is running - your settings will be overwritten when it quits. "
    "Try not to use Quib Configurator when Quib is running to avoid confusion.");
