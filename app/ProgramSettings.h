// The program's own settings file, "Quib Configurator.ini" (section
// "Settings"): where it lives, what it holds, and the user's readme beside
// the program.
#pragma once

#include <QString>
#include <optional>

class QWidget;

// The folder's name with a separator at its end (none added to an empty one),
// in the system's spelling.
QString WithSeparator(QString dir);

// Where "Quib Configurator.ini" lives: in the user's configuration folder,
// unless a writable one already sits beside the executable; on Windows beside
// the executable unless that folder cannot be written.
QString ProgramSettingsFile();

// The user's readme the About page opens: beside the executable, else where an
// installation puts it (share/doc/quib-configurator/ beside bin/).
QString ProgramReadme();

// What the settings file holds; absent keys read as their defaults.
struct ProgramSettings {
  int left = 100;
  int top = 100;
  QString quibPath;  // with its separator, or empty
  int activePage = 0;
  bool missingPictureWarning = true;
  bool showMessageWhenApplying = true;
  bool showNESWarning = true;
  int preferredCfgFile = 0;
  bool loadRomOnRun = false;
  QString lastRomPath;  // with its separator, or empty
};

// Start-up reads the window's place and the emulator directory first, and the
// rest only once a directory is known.
void ReadPlaceAndPath(const QString& file, ProgramSettings& settings);
void ReadTheRest(const QString& file, ProgramSettings& settings);
// Writes every key, in the order the close has always written them.
void WriteProgramSettings(const QString& file, const ProgramSettings& settings);

// The emulator directory the close records: a directory named on the command
// line is used for that run only, so the one recorded at start-up stays,
// unless the user located another or none was recorded.
QString DirectoryToRecord(const QString& quibPath, const QString& commandLineDir,
                          const QString& recordedAtStart);

// The locate dialog: the folder (with its separator) of the file the user
// picks, or nothing when cancelled.
std::optional<QString> AskForEmulatorDirectory(QWidget* parent, const QString& current);

// The emulator directory a path named on the command line stands for (a file
// names its folder); empty for an empty path.
QString CommandLineDirectory(const QString& path);

// Earlier versions kept the room of the pages in the user's cache folder
// ("page-size"); the file is removed when found. Nothing there is opened (a
// FIFO would block), and only a plain file or a link is removed.
void RemoveOldPageSizeRecord();
