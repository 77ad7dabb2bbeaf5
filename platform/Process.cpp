#include "platform/Process.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace platform {

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool ArgumentsPrint(int argc, const char* const argv[]) {
  if (argc > 2) return true;
  for (int i = 1; i < argc; ++i)
    if (argv[i] != nullptr && argv[i][0] == '-') return true;
  return false;
}

void UseDirectWriteText() {
#ifdef _WIN32
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    ::_putenv_s("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
#endif
}

void UseParentConsoleForOutput(int argc, char* argv[]) {
#ifdef _WIN32
  if (!ArgumentsPrint(argc, argv)) return;
  // A handle the parent gave (a pipe, a file) is kept: only the missing ones
  // go to the console.
  const auto given = [](DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
  };
  const bool out = given(STD_OUTPUT_HANDLE);
  const bool err = given(STD_ERROR_HANDLE);
  if (!out || !err) {
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) {
      // Started without a console or any output (a shortcut): Qt's command
      // line parser then shows its message in a box.
      if (!out && !err) return;
    } else {
      if (!out && std::freopen("CONOUT$", "w", stdout) != nullptr)
        std::setvbuf(stdout, nullptr, _IONBF, 0);
      if (!err) std::freopen("CONOUT$", "w", stderr);
    }
  }
  // There is somewhere to print: the parser prints rather than showing a box.
  ::_putenv_s("QT_COMMAND_LINE_PARSER_NO_GUI_MESSAGE_BOXES", "1");
#else
  (void)argc;
  (void)argv;
#endif
}

}  // namespace platform
