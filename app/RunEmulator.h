// Running the emulator from the window: the game file dialog of the run
// buttons, the command that starts a build, and noticing it runs already.
#pragma once

#include <QString>
#include <optional>

class QWidget;

// The game file dialog. It opens in "Last ROM path" at first, and within one
// run of the program where the last game file was picked.
class TRomOpenDialog {
 public:
  // The chosen file, or nothing when the user cancelled; a chosen file's
  // folder becomes lastRomPath.
  std::optional<QString> Execute(QWidget* parent, QString& lastRomPath);

 private:
  QString fileName_;  // the last file chosen in this run
};

// Starts quib.exe (build 0) or quibw.exe (build 1) of the emulator directory,
// with the game file when one is given; nothing is waited for or checked.
void StartQuib(const QString& quibPath, int build, const QString& game);

// Whether the emulator's window is open (its settings would be written when
// it quits), and what the user is told then.
bool QuibIsRunning();
extern const char* const kQuibRunning;
