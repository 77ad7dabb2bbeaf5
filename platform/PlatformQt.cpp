#include "platform/PlatformQt.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <string>

#include "platform/PlatformSystem.h"
#include "platform/ProfileFile.h"

namespace platform {

QString QtFilter(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& raw : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
      const QString pattern = raw.trimmed();
      if (pattern.isEmpty()) continue;
      patterns << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
    }
    if (patterns.isEmpty()) continue;
    filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return filters.join(QStringLiteral(";;"));
}

QString DisplayText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(u'\r', u'\n');
  return shown;
}

Launch PlanLaunch(const QString& program, const QString& argument, bool executable,
                  const QString& winePath) {
  Launch launch{program, {}};
  if (!argument.isEmpty()) launch.arguments << argument;
  if (!executable && !winePath.isEmpty() &&
      program.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) {
    launch.arguments.prepend(program);
    launch.program = winePath;
  }
  return launch;
}

QUrl ShellUrl(const QString& target) {
  if (QFileInfo::exists(target)) return QUrl::fromLocalFile(target);
  const QUrl url(target);
  if (url.isValid() && url.scheme().size() > 1) return url;
  return QUrl::fromLocalFile(target);
}

// The few Xlib calls the window search needs, found at run time so that the
// program neither links against libX11 nor needs it installed.
namespace {

struct XDisplay;
using XWindow = unsigned long;
using XAtom = unsigned long;
using XErrorHandler = int (*)(XDisplay*, void*);

struct Xlib {
  XDisplay* (*OpenDisplay)(const char*);
  XWindow (*DefaultRootWindow)(XDisplay*);
  int (*QueryTree)(XDisplay*, XWindow, XWindow*, XWindow*, XWindow**, unsigned int*);
  int (*FetchName)(XDisplay*, XWindow, char**);
  int (*GetWindowProperty)(XDisplay*, XWindow, XAtom, long, long, int, XAtom, XAtom*, int*,
                           unsigned long*, unsigned long*, unsigned char**);
  XAtom (*InternAtom)(XDisplay*, const char*, int);
  int (*Free)(void*);
  int (*CloseDisplay)(XDisplay*);
  XErrorHandler (*SetErrorHandler)(XErrorHandler);
};

template <typename F>
bool Resolve(void* library, const char* name, F& function) {
  function = reinterpret_cast<F>(dlsym(library, name));
  return function != nullptr;
}

const Xlib* LoadXlib() {
  static const Xlib* const loaded = []() -> const Xlib* {
    void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static Xlib x;
    const bool ok = Resolve(library, "XOpenDisplay", x.OpenDisplay) &&
                    Resolve(library, "XDefaultRootWindow", x.DefaultRootWindow) &&
                    Resolve(library, "XQueryTree", x.QueryTree) &&
                    Resolve(library, "XFetchName", x.FetchName) &&
                    Resolve(library, "XGetWindowProperty", x.GetWindowProperty) &&
                    Resolve(library, "XInternAtom", x.InternAtom) &&
                    Resolve(library, "XFree", x.Free) &&
                    Resolve(library, "XCloseDisplay", x.CloseDisplay) &&
                    Resolve(library, "XSetErrorHandler", x.SetErrorHandler);
    return ok ? &x : nullptr;
  }();
  return loaded;
}

// A window may go away while it is looked at; its errors are ignored instead
// of ending the program as Xlib's default handler would.
int IgnoreXError(XDisplay*, void*) { return 0; }

class WindowSearch {
 public:
  WindowSearch(const Xlib& x, XDisplay* display, const QString& title)
      : x_(x), display_(display), title_(title) {
    netWmName_ = x_.InternAtom(display_, "_NET_WM_NAME", 0);
    utf8String_ = x_.InternAtom(display_, "UTF8_STRING", 0);
  }

  // Looks at the children of window, and below them down to depth levels.
  bool Below(XWindow window, int depth) {
    XWindow root = 0;
    XWindow parent = 0;
    XWindow* children = nullptr;
    unsigned int count = 0;
    if (x_.QueryTree(display_, window, &root, &parent, &children, &count) == 0) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
      found = Title(children[i]) == std::optional<QString>(title_) ||
              (depth > 1 && Below(children[i], depth - 1));
    }
    if (children != nullptr) x_.Free(children);
    return found;
  }

 private:
  std::optional<QString> Title(XWindow window) {
    XAtom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (x_.GetWindowProperty(display_, window, netWmName_, 0, 1024, 0, utf8String_, &type, &format,
                             &items, &remaining, &data) == 0 &&
        data != nullptr) {
      std::optional<QString> name;
      if (type == utf8String_ && format == 8) {
        name =
            QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(items));
      }
      x_.Free(data);
      if (name) return name;
    }
    char* legacy = nullptr;
    if (x_.FetchName(display_, window, &legacy) != 0 && legacy != nullptr) {
      const QString name = QString::fromLatin1(legacy);
      x_.Free(legacy);
      return name;
    }
    return std::nullopt;
  }

  const Xlib& x_;
  XDisplay* display_;
  QString title_;
  XAtom netWmName_ = 0;
  XAtom utf8String_ = 0;
};

}  // namespace

bool FindX11Window(const QString& title) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
  const Xlib* x = LoadXlib();
  if (x == nullptr) return false;
  XDisplay* display = x->OpenDisplay(nullptr);
  if (display == nullptr) return false;
  const XErrorHandler previous = x->SetErrorHandler(IgnoreXError);
  WindowSearch search(*x, display, title);
  const bool found = search.Below(x->DefaultRootWindow(display), 3);
  x->CloseDisplay(display);
  x->SetErrorHandler(previous);
  return found;
}

Answer QtPlatform::MessageBox(QWidget* parent, const MessageRequest& request) {
  QMessageBox box(parent);
  box.setWindowTitle(request.caption);
  // Plain text: a file name with "<" in it is no markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(DisplayText(request.text));
  switch (request.icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case Icon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  if (request.buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.defaultButton == Answer::No ? QMessageBox::No : QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
  }
  if (request.foreground) {
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.show();
    box.raise();
    box.activateWindow();
  }
  box.exec();
  if (request.buttons == Buttons::Ok) return Answer::Ok;
  // Escape (or closing the box) answers No.
  return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

std::optional<QString> QtPlatform::OpenFile(QWidget* parent, const OpenFileRequest& request) {
  QFileDialog dialog(parent, request.title, request.initialDir);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // Filters show their names only, and match without regard to case, since
  // the files usually come from a system that ignores case.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);

  QString filter = QtFilter(request.filter);
  const bool wildcards = request.fileName.contains(u'*') || request.fileName.contains(u'?');
  if (wildcards) {
    // A proposed name with wildcards narrows the list, as typing it would;
    // it becomes the first filter instead of a file name to accept.
    const QString first = request.fileName + QStringLiteral(" (") + request.fileName + u')';
    filter = filter.isEmpty() ? first : first + QStringLiteral(";;") + filter;
  }
  if (!filter.isEmpty()) dialog.setNameFilter(filter);
  if (!request.fileName.isEmpty() && !wildcards) dialog.selectFile(request.fileName);

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(QFileInfo(files.first()).absoluteFilePath());
}

bool QtPlatform::StartProcess(const QString& program, const QString& argument) {
  const QFileInfo info(program);
  const bool executable = info.isFile() && info.isExecutable();
  const QString wine =
      executable ? QString() : QStandardPaths::findExecutable(QStringLiteral("wine"));
  const Launch launch = PlanLaunch(program, argument, executable, wine);
  return QProcess::startDetached(launch.program, launch.arguments);
}

bool QtPlatform::ShellExecute(const QString& verb, const QString& target) {
  // The Linux desktop has no "edit" action; opening is the nearest.
  if (verb.compare(QStringLiteral("open"), Qt::CaseInsensitive) != 0 &&
      verb.compare(QStringLiteral("edit"), Qt::CaseInsensitive) != 0) {
    return false;
  }
  if (target.isEmpty()) return false;
  return QDesktopServices::openUrl(ShellUrl(target));
}

bool QtPlatform::FindWindow(const QString& /*className*/, const QString& title) {
  return FindX11Window(title);
}

bool QtPlatform::IsWindowsNT() { return false; }

QString QtPlatform::ExecutableDir() {
  QString dir;
  if (QCoreApplication::instance() != nullptr) {
    dir = QCoreApplication::applicationDirPath();
  } else {
    dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    dir = QFileInfo(dir).absolutePath();
  }
  return dir.endsWith(u'/') ? dir : dir + u'/';
}

QString QtPlatform::UserConfigDir() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) return QString();
  return base + QStringLiteral("/quib-configurator/");
}

QString QtPlatform::UserCacheDir() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (base.isEmpty()) return QString();
  return base + QStringLiteral("/quib-configurator/");
}

namespace {

std::filesystem::path ProfilePath(const QString& file) {
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

std::string Bytes(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

QString QtPlatform::ReadProfileString(const QString& file, const QString& section,
                                      const QString& key, const QString& defaultValue) {
  return QString::fromStdString(
      profile::ReadFile(ProfilePath(file), Bytes(section), Bytes(key), Bytes(defaultValue)));
}

bool QtPlatform::WriteProfileString(const QString& file, const QString& section, const QString& key,
                                    const QString& value) {
  return profile::WriteFile(ProfilePath(file), Bytes(section), Bytes(key), Bytes(value));
}

Platform& SystemPlatform() {
  static QtPlatform platform;
  return platform;
}

}  // namespace platform
