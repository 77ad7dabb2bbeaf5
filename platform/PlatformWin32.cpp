// The platform on Win32. Built only for Windows, in place of PlatformQt.cpp.
#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// <windows.h> must come first; <commdlg.h> and <shellapi.h> build on it.
#include <commdlg.h>
#include <shellapi.h>

// The platform's methods carry the names of the system calls, which
// <windows.h> turns into macros.
#undef MessageBox
#undef FindWindow
#undef ShellExecute

#include <QDir>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/PlatformSystem.h"
#include "platform/ProfileFile.h"

namespace platform {
namespace {

std::wstring Wide(const QString& text) { return text.toStdWString(); }

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

HWND Owner(QWidget* parent) {
  return parent != nullptr ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
}

class Win32Platform : public Platform {
 public:
  Answer MessageBox(QWidget* parent, const MessageRequest& request) override {
    UINT flags = 0;
    switch (request.icon) {
      case Icon::None:
        break;
      case Icon::Error:
        flags |= MB_ICONERROR;
        break;
      case Icon::Warning:
        flags |= MB_ICONWARNING;
        break;
      case Icon::Information:
        flags |= MB_ICONINFORMATION;
        break;
      case Icon::Question:
        flags |= MB_ICONQUESTION;
        break;
    }
    if (request.buttons == Buttons::YesNo) {
      flags |= MB_YESNO;
      if (request.defaultButton == Answer::No) flags |= MB_DEFBUTTON2;
    } else {
      flags |= MB_OK;
    }
    if (request.foreground) flags |= MB_SETFOREGROUND | MB_TOPMOST;
    const HWND owner = Owner(parent);
    if (owner == nullptr) flags |= MB_TASKMODAL;
    const std::wstring text = Wide(request.text);
    const std::wstring caption = Wide(request.caption);
    const int result = ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
    if (request.buttons == Buttons::Ok) return Answer::Ok;
    return result == IDYES ? Answer::Yes : Answer::No;
  }

  std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) override {
    // "Name|patterns|Name|patterns" becomes "Name\0patterns\0...\0\0".
    std::wstring filter = Wide(request.filter);
    if (!filter.empty()) {
      for (wchar_t& c : filter) {
        if (c == L'|') c = L'\0';
      }
      filter.push_back(L'\0');
      filter.push_back(L'\0');
    }
    const std::wstring title = Wide(request.title);
    const std::wstring initialDir = Wide(request.initialDir);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring proposed = Wide(request.fileName);
    proposed.copy(file.data(), std::min(proposed.size(), file.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Owner(parent);
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = OrNull(initialDir);
    dialog.lpstrTitle = OrNull(title);
    // The working directory stays: a program started later inherits it.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (request.mustExist) dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (request.hideReadOnly) dialog.Flags |= OFN_HIDEREADONLY;
    if (!::GetOpenFileNameW(&dialog)) return std::nullopt;
    return QString::fromWCharArray(file.data());
  }

  bool StartProcess(const QString& program, const QString& argument) override {
    const std::wstring line = Wide(CommandLine(program, argument));
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');  // CreateProcessW may write into the command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
      return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
  }

  bool ShellExecute(const QString& verb, const QString& target) override {
    const std::wstring file = Wide(target);
    auto perform = [&file](const std::wstring& action) {
      const HINSTANCE result =
          ::ShellExecuteW(nullptr, action.c_str(), file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return reinterpret_cast<INT_PTR>(result) > 32;
    };
    if (perform(Wide(verb))) return true;
    // Not every file type has an editor; opening it is the next best thing.
    return verb.compare(QStringLiteral("edit"), Qt::CaseInsensitive) == 0 && perform(L"open");
  }

  bool FindWindow(const QString& className, const QString& title) override {
    const std::wstring windowClass = Wide(className);
    const std::wstring caption = Wide(title);
    return ::FindWindowW(OrNull(windowClass), caption.c_str()) != nullptr;
  }

  bool IsWindowsNT() override {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
    const BOOL ok = ::GetVersionExW(&info);
#else
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = ::GetVersionExW(&info);
#pragma GCC diagnostic pop
#endif
    return ok && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  }

  QString ExecutableDir() override {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
      const DWORD length =
          ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
      if (length == 0) return QString();
      if (length < buffer.size()) {
        const QString path = QString::fromWCharArray(buffer.data(), static_cast<int>(length));
        return path.left(path.lastIndexOf(u'\\') + 1);
      }
      buffer.resize(buffer.size() * 2);
    }
  }

  QString UserConfigDir() override {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) return QString();
    return QDir::toNativeSeparators(base + QStringLiteral("/quib-configurator/"));
  }

  QString UserCacheDir() override {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty()) return QString();
    return QDir::toNativeSeparators(base + QStringLiteral("/quib-configurator/"));
  }

  QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                            const QString& defaultValue) override {
    const std::wstring path = Wide(file);
    const std::wstring app = Wide(section);
    const std::wstring name = Wide(key);
    const std::wstring fallback = Wide(defaultValue);
    std::vector<wchar_t> buffer(1024);
    for (;;) {
      const DWORD length =
          ::GetPrivateProfileStringW(app.c_str(), name.c_str(), fallback.c_str(), buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path.c_str());
      // A value that fills the buffer may have been cut short.
      if (length + 1 < buffer.size()) {
        return QString::fromWCharArray(buffer.data(), static_cast<int>(length));
      }
      buffer.resize(buffer.size() * 2);
    }
  }

  bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& value) override {
    // A line break in a value would start new lines of the file; such writes
    // are refused as on every other system.
    if (!profile::CanWrite(section.toStdString(), key.toStdString(), value.toStdString())) {
      return false;
    }
    const std::wstring path = Wide(file);
    const std::wstring app = Wide(section);
    const std::wstring name = Wide(key);
    const std::wstring text = Wide(value);
    return ::WritePrivateProfileStringW(app.c_str(), name.c_str(), text.c_str(), path.c_str()) !=
           FALSE;
  }
};

}  // namespace

Platform& SystemPlatform() {
  static Win32Platform platform;
  return platform;
}

}  // namespace platform

#endif  // _WIN32
