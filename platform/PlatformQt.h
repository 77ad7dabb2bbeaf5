// The platform on Qt and POSIX, and the pieces of it that are plain functions
// so they can be tested without a display.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "platform/Platform.h"

namespace platform {

// "Name|p1;p2|Name|p1" to Qt's "Name (p1 p2);;Name (p1)". "*.*" becomes "*"
// (it means every file, also one without an extension); a name without
// patterns is dropped.
QString QtFilter(const QString& filter);

// Message text with every "\r\n" and lone "\r" turned into "\n".
QString DisplayText(const QString& text);

// What to start for a program and its argument. A program that is not
// executable itself but ends in ".exe" runs through wine when wine was found.
struct Launch {
  QString program;
  QStringList arguments;
};
Launch PlanLaunch(const QString& program, const QString& argument, bool executable,
                  const QString& winePath);

// The address the shell opens for a target: an existing file, or a target
// that is no URL with a scheme of two letters or more (so "C:\x" is a file),
// is a local file; anything else (http:, mailto:) is taken as it is.
QUrl ShellUrl(const QString& target);

// Whether the X display (DISPLAY) has a top-level window, or a window up to
// two levels below one (a window manager's frames), titled exactly title.
// False without libX11 or an X display.
bool FindX11Window(const QString& title);

class QtPlatform : public Platform {
 public:
  Answer MessageBox(QWidget* parent, const MessageRequest& request) override;
  std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) override;
  bool StartProcess(const QString& program, const QString& argument) override;
  bool ShellExecute(const QString& verb, const QString& target) override;
  bool FindWindow(const QString& className, const QString& title) override;
  bool IsWindowsNT() override;
  QString ExecutableDir() override;
  QString UserConfigDir() override;
  QString UserCacheDir() override;
  QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                            const QString& defaultValue) override;
  bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& value) override;
};

}  // namespace platform
