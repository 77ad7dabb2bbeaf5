#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>

#include "app/Unit1.h"
#include "platform/Process.h"

int main(int argc, char* argv[]) {
  platform::IgnoreFileSizeSignal();
  platform::UseParentConsoleForOutput(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quib Configurator");
  QApplication::setApplicationVersion(QUIB_VERSION);
  QApplication::setDesktopFileName("org.example.quibconfigurator");

  QCommandLineParser parser;
  parser.setApplicationDescription("Edits the settings files of the Quib emulator.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("EMULATOR_DIR",
                               "The emulator directory to open (the folder of quib.cfg); "
                               "without it, the one opened last.",
                               "[EMULATOR_DIR]");
  parser.process(app);
  const QStringList dirs = parser.positionalArguments();
  if (dirs.size() > 1) {
    std::fputs("quib-configurator: give at most one emulator directory (see --help)\n", stderr);
    return 2;
  }

  TForm1 form;  // registers the program's pictures, the icon among them
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  if (!dirs.isEmpty()) form.SetStartDirectory(dirs.front());
  if (!form.FormCreate()) return 0;
  form.show();
  return QApplication::exec();
}
