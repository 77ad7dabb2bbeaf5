#include "app/ProgramSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "platform/Platform.h"

namespace {

constexpr const char* kSection = "Settings";

// Integers of the program's settings file: decimal, or hexadecimal after
// "0x"; anything else gives the default.
int ParseIniInt(const QString& text, int fallback) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return fallback;
  bool ok = false;
  int value;
  if (t.startsWith("0x", Qt::CaseInsensitive))
    value = static_cast<int>(t.mid(2).toUInt(&ok, 16));
  else
    value = t.toInt(&ok, 10);
  return ok ? value : fallback;
}

QString ReadText(const QString& file, const char* key) {
  return platform::Current().ReadProfileString(file, kSection, key, QString());
}

int ReadInt(const QString& file, const char* key, int fallback) {
  return ParseIniInt(ReadText(file, key), fallback);
}

QString ReadFolder(const QString& file, const char* key) {
  const QString folder = ReadText(file, key);
  return folder.isEmpty() ? folder : WithSeparator(folder);
}

}  // namespace

QString WithSeparator(QString dir) {
  dir = QDir::toNativeSeparators(dir);
  if (!dir.isEmpty() && !dir.endsWith(QDir::separator())) dir += QDir::separator();
  return dir;
}

QString ProgramSettingsFile() {
  auto& p = platform::Current();
  const QString exeDir = p.ExecutableDir();
  const QString beside = exeDir + "Quib Configurator.ini";
  const QFileInfo file(beside);
  // The file is replaced through a temporary file in its folder, so the
  // folder must take new files and an existing file must be writable.
  const bool besideWritable =
      QFileInfo(exeDir).isWritable() && (!file.exists() || file.isWritable());
#ifdef _WIN32
  // Beside the program, where Windows users keep it.
  if (besideWritable) return beside;
#else
  // In the user's configuration folder, unless a file already sits beside
  // the program (a portable copy): that one goes on being used.
  if (file.exists() && besideWritable) return beside;
#endif
  const QString config = p.UserConfigDir();
  if (config.isEmpty()) return beside;
  QDir().mkpath(config);
  return config + "Quib Configurator.ini";
}

QString ProgramReadme() {
  const QString exeDir = platform::Current().ExecutableDir();
  const QString beside = exeDir + "readme.txt";
  if (QFileInfo::exists(beside)) return beside;
  const QString installed = QDir::cleanPath(exeDir + "../share/doc/quib-configurator/readme.txt");
  if (QFileInfo::exists(installed)) return QDir::toNativeSeparators(installed);
  return beside;
}

void ReadPlaceAndPath(const QString& file, ProgramSettings& settings) {
  settings.left = ReadInt(file, "Left", 100);
  settings.top = ReadInt(file, "Top", 100);
  settings.quibPath = ReadFolder(file, "Quib path");
}

void ReadTheRest(const QString& file, ProgramSettings& settings) {
  settings.activePage = ReadInt(file, "Active page", 0);
  settings.missingPictureWarning = ReadInt(file, "Missing picture warning", 1) != 0;
  settings.showMessageWhenApplying = ReadInt(file, "Show message when applying", 1) != 0;
  settings.showNESWarning = ReadInt(file, "Show NES warning", 1) != 0;
  settings.preferredCfgFile = ReadInt(file, "Preferred cfg file", 0);
  settings.loadRomOnRun = ReadInt(file, "Load ROM on run", 0) != 0;
  settings.lastRomPath = ReadFolder(file, "Last ROM path");
}

void WriteProgramSettings(const QString& file, const ProgramSettings& settings) {
  auto& p = platform::Current();
  auto write = [&](const char* key, const QString& value) {
    p.WriteProfileString(file, kSection, key, value);
  };
  auto flag = [](bool on) { return QString(on ? "1" : "0"); };
  write("Left", QString::number(settings.left));
  write("Top", QString::number(settings.top));
  write("Quib path", settings.quibPath);
  write("Active page", QString::number(settings.activePage));
  write("Missing picture warning", flag(settings.missingPictureWarning));
  write("Show message when applying", flag(settings.showMessageWhenApplying));
  write("Show NES warning", flag(settings.showNESWarning));
  write("Preferred cfg file", QString::number(settings.preferredCfgFile));
  write("Load ROM on run", flag(settings.loadRomOnRun));
  write("Last ROM path", settings.lastRomPath);
}

QString DirectoryToRecord(const QString& quibPath, const QString& commandLineDir,
                          const QString& recordedAtStart) {
  const bool commandLineRun =
      !commandLineDir.isEmpty() && quibPath == commandLineDir && !recordedAtStart.isEmpty();
  return commandLineRun ? recordedAtStart : quibPath;
}

std::optional<QString> AskForEmulatorDirectory(QWidget* parent, const QString& current) {
  platform::OpenFileRequest request;
  request.title =
      QCoreApplication::translate("TForm1", "Please locate Quib or QuibW (or press Cancel)");
  request.fileName = "Quib*.exe";
  request.filter =
      "Quib|quib.exe;quibw.exe|" + QCoreApplication::translate("TForm1", "All files") + "|*.*";
  request.initialDir = current;
  request.mustExist = true;
  request.hideReadOnly = true;
  const std::optional<QString> chosen = platform::Current().OpenFile(parent, request);
  if (!chosen) return std::nullopt;
  return WithSeparator(QFileInfo(*chosen).absolutePath());
}

QString CommandLineDirectory(const QString& path) {
  if (path.isEmpty()) return QString();
  const QFileInfo info(path);
  return WithSeparator(
      QDir::cleanPath(info.isFile() ? info.absolutePath() : info.absoluteFilePath()));
}

void RemoveOldPageSizeRecord() {
  const QString dir = platform::Current().UserCacheDir();
  if (dir.isEmpty()) return;
#ifdef _WIN32
  const std::filesystem::path record((dir + "page-size").toStdWString());
#else
  const std::filesystem::path record(QFile::encodeName(dir + "page-size").toStdString());
#endif
  std::error_code error;
  const auto type = std::filesystem::symlink_status(record, error).type();
  if (type == std::filesystem::file_type::regular || type == std::filesystem::file_type::symlink)
    std::filesystem::remove(record, error);
}
