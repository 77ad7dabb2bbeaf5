// The thin layer between the configurator and the desktop: message boxes, the
// file-open dialog, starting programs, the shell's open/edit, finding a running
// window, the system family, the executable's folder and profile (.ini) files.
// The real implementation uses Qt and POSIX (Win32 behind _WIN32); tests
// install a double that records every call and answers from a script.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace platform {

enum class Icon { None, Error, Warning, Information, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct MessageRequest {
  QString caption;
  QString text;  // line breaks written "\r" (or "\r\n") show as line breaks
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  Answer defaultButton = Answer::Ok;  // Yes for a Yes/No box unless said otherwise
  bool foreground = false;            // bring the box to the foreground
};

struct OpenFileRequest {
  QString title;
  QString filter;  // "Name|patterns|Name|patterns", patterns separated by ";"
  QString initialDir;
  QString fileName;  // proposed file name (may hold wildcards)
  bool mustExist = true;
  bool hideReadOnly = true;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual Answer MessageBox(QWidget* parent, const MessageRequest& request) = 0;
  // The chosen full path, or nothing when cancelled.
  virtual std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) = 0;
  // Starts a program, with one argument unless it is empty, without waiting
  // and without a shell (a double quote inside the argument never splits it).
  // On Windows the command line is CommandLine(program, argument). Returns
  // whether the process could be started.
  virtual bool StartProcess(const QString& program, const QString& argument) = 0;
  // The shell's "open" or "edit" of a web address, mailto: address or file.
  virtual bool ShellExecute(const QString& verb, const QString& target) = 0;
  // Whether a top-level window with this class (ignored off Windows) and exact
  // title exists.
  virtual bool FindWindow(const QString& className, const QString& title) = 0;
  virtual bool IsWindowsNT() = 0;
  // The folder of the running executable, with a trailing separator.
  virtual QString ExecutableDir() = 0;
  // The program's folder in the user's configuration, with a trailing
  // separator: $XDG_CONFIG_HOME/quib-configurator/ (default
  // ~/.config/quib-configurator/), on Windows quib-configurator\ in the local
  // application data. Not created here.
  virtual QString UserConfigDir() = 0;
  // The program's folder for things it can work out again (caches), with a
  // trailing separator: $XDG_CACHE_HOME/quib-configurator/ (default
  // ~/.cache/quib-configurator/), on Windows quib-configurator\ in the local
  // application data's cache. Not created here; empty when there is none.
  virtual QString UserCacheDir() = 0;
  // Profile files with the semantics of the Windows private-profile functions.
  virtual QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                                    const QString& defaultValue) = 0;
  virtual bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                                  const QString& value) = 0;
};

// The command line «"program"» or «"program" "argument"» that starting a
// program amounts to (what WinExec receives on Windows).
QString CommandLine(const QString& program, const QString& argument);

// A message box through the platform in use. Its default button is Ok for a
// box with OK alone, else the one given.
Answer Message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
               Buttons buttons = Buttons::Ok, Answer defaultButton = Answer::Yes,
               bool foreground = false);

// The platform in use: the real one unless a test installed another.
Platform& Current();
// Installs a platform (nullptr goes back to the real one). Not owned.
void Install(Platform* platform);
// The platform a test installed, or nullptr while the real one is in use.
Platform* Installed();

}  // namespace platform
