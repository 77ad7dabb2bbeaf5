#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/Language.h"
#include "app/ProgramSettings.h"
#include "app/Unit1.h"
#include "platform/Platform.h"
#include "platform/Process.h"

namespace {

void SetNames() {
  QCoreApplication::setApplicationName("Quib Configurator");
  QCoreApplication::setApplicationVersion(QUIB_VERSION);
}

// The command line without the options Qt's GUI application takes for
// itself (-platform offscreen, -style fusion, ...); sets display when one of
// them names a display or a platform.
QStringList WithoutQtOptions(const QStringList& args, bool& display) {
  static const QStringList withValue = {"platform",        "platformpluginpath",
                                        "platformtheme",   "plugin",
                                        "qwindowgeometry", "qwindowicon",
                                        "qwindowtitle",    "display",
                                        "geometry",        "style",
                                        "stylesheet",      "session"};
  static const QStringList alone = {"reverse", "widgetcount", "nograb", "dograb"};
  QStringList kept;
  for (qsizetype i = 0; i < args.size(); ++i) {
    QString name = args[i];
    if (i == 0 || !name.startsWith('-') || name == "--") {
      kept << args.mid(i, name == "--" ? -1 : 1);
      if (name == "--") break;
      continue;
    }
    name.remove(0, name.startsWith("--") ? 2 : 1);
    const QString bare = name.section('=', 0, 0);
    if (alone.contains(bare)) continue;
    if (!withValue.contains(bare)) {
      kept << args[i];
      continue;
    }
    if (bare == "platform" || bare == "display") display = true;
    if (!name.contains('=')) ++i;  // the value follows
  }
  return kept;
}

bool Given(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

// Whether Qt can find a display. Without one its platform plugin ends the
// program with an abort, so the lack is told before the window exists.
bool DisplayAvailable(bool named) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)named;
  return true;
#else
  return named || Given("QT_QPA_PLATFORM") || Given("DISPLAY") || Given("WAYLAND_DISPLAY");
#endif
}

struct Options {
  QString language;  // already matched to a shipped one, or empty
  QStringList dirs;
};

// Reads the command line with a core application only, so --help, --version
// and mistakes are answered without a display. Returns the exit status when
// the program is to end here.
std::optional<int> ParseArguments(int argc, char* argv[], Options& options) {
  QCoreApplication core(argc, argv);
  SetNames();

  // --language is looked at before the parser runs, so that --help speaks it.
  QString commandLine;
  bool displayNamed = false;
  const QStringList args = WithoutQtOptions(QCoreApplication::arguments(), displayNamed);
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == "--language" && i + 1 < args.size()) commandLine = args[i + 1];
    if (args[i].startsWith("--language=")) commandLine = args[i].mid(11);
  }
  const QString stored = platform::Current().ReadProfileString(ProgramSettingsFile(), "Settings",
                                                               "Language", QString());
  const QString code = language::Choose(commandLine, stored, QLocale::system().uiLanguages());
  language::Install(code);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Edits the settings files of the Quib emulator."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption languageOption(
      "language",
      QCoreApplication::translate("main",
                                  "The language of the window: %1, or \"system\" for the "
                                  "system's (the default).")
          .arg("en, " +
               QStringList(language::kShipped.begin(), language::kShipped.end()).join(", ")),
      "CODE");
  parser.addOption(languageOption);
  parser.addPositionalArgument(
      "EMULATOR_DIR",
      QCoreApplication::translate("main",
                                  "The emulator directory to open (the folder of quib.cfg); "
                                  "without it, the one opened last."),
      "[EMULATOR_DIR]");
  parser.process(args);  // answers --help and --version, and ends on a mistake

  const QString asked = parser.value(languageOption);
  if (parser.isSet(languageOption) && asked.compare("system", Qt::CaseInsensitive) != 0 &&
      language::Match(asked).isEmpty()) {
    std::fprintf(stderr, "quib-configurator: %s\n",
                 qPrintable(QCoreApplication::translate("main",
                                                        "no translation for language \"%1\" "
                                                        "(see --help)")
                                .arg(asked)));
    return 2;
  }
  options.dirs = parser.positionalArguments();
  if (options.dirs.size() > 1) {
    std::fprintf(stderr, "quib-configurator: %s\n",
                 qPrintable(QCoreApplication::translate(
                     "main", "give at most one emulator directory (see --help)")));
    return 2;
  }
  if (!DisplayAvailable(displayNamed)) {
    std::fprintf(stderr, "quib-configurator: %s\n",
                 qPrintable(QCoreApplication::translate(
                     "main",
                     "no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                     "is set); start it from a desktop session, set DISPLAY, or run it "
                     "under xvfb-run")));
    return 1;
  }
  options.language = code;
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  platform::IgnoreFileSizeSignal();
  Options options;
  if (const auto status = ParseArguments(argc, argv, options)) return *status;

  QApplication app(argc, argv);
  SetNames();
  QApplication::setDesktopFileName("org.example.quibconfigurator");
  language::Install(options.language);

  TForm1 form;  // registers the program's pictures, the icon among them
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/icons/%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  if (!options.dirs.isEmpty()) form.SetStartDirectory(options.dirs.front());
  if (!form.FormCreate()) return 0;
  form.show();
  return QApplication::exec();
}
