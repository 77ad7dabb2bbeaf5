// The Win32 platform layer against the system's own calls (Wine's, when the
// suite runs under Wine): profile files, starting programs, finding windows,
// message boxes.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/Platform.h"
#include "platform/PlatformSystem.h"
#include "platform/ProfileFile.h"
#include "tests/platform/QtPrinters.h"

// After the program's headers: <windows.h> turns the names of the
// platform's methods into macros.
#include <windows.h>
#undef FindWindow
#undef MessageBox
#undef WriteProfileString

namespace {

using platform::SystemPlatform;

void Save(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::filesystem::path Native(const QString& path) {
  return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
}

struct Key {
  const char* section;
  const char* key;
};

// A file as people and earlier versions leave it: blanks around names and
// values, quotes, comments, a name line before any section, a repeated key
// and a second section of the same name.
const char kHandWritten[] =
    "; written by hand\r\n"
    "Orphan=before any section\r\n"
    "[Settings]\r\n"
    "Left=120\r\n"
    "  Quib path =  C:\\Games\\Quib dir\\  \r\n"
    "Title=\"  padded  \"\r\n"
    "Empty=\r\n"
    "Formula=a=b;c\r\n"
    "Left=130\r\n"
    "\r\n"
    "[Other]\r\n"
    "Top=7\r\n"
    "[settings]\r\n"
    "Top=8\r\n";

const Key kAsked[] = {{"Settings", "Left"},        {"settings", "LEFT"},
                      {" Settings ", "quib PATH"}, {"Settings", "Title"},
                      {"Settings", "Empty"},       {"Settings", "Formula"},
                      {"Settings", "Top"},         {"Other", "Top"},
                      {"Missing", "Left"},         {"Settings", "Width"},
                      {"Settings", "Active page"}, {"New", "Name"}};

}  // namespace

// What the system's profile calls read is what the program's own profile
// code (which the other systems use) reads, and each reads what the other
// wrote.
TEST(Win32Profile, ReadsAndWritesAsTheProgramsOwnProfileCode) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString system = dir.filePath("system.ini");
  const QString own = dir.filePath("own.ini");
  Save(system, kHandWritten);
  Save(own, kHandWritten);

  struct Edit {
    const char* section;
    const char* key;
    const char* value;
  };
  const Edit edits[] = {
      {"Settings", "Left", "64"},                      // replaces the first of two
      {"settings", "quib path", "D:\\Other place\\"},  // any case, blanks around the name
      {"Settings", "Active page", "Sound logging"},    // a new key in a section
      {"New", "Name", "\"quoted\" and = sign"},        // a new section
      {"Other", "Top", ""},                            // an empty value
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.key);
    EXPECT_TRUE(SystemPlatform().WriteProfileString(system, edit.section, edit.key, edit.value));
    EXPECT_TRUE(platform::profile::WriteFile(Native(own), edit.section, edit.key, edit.value));
    for (const Key& asked : kAsked) {
      SCOPED_TRACE(std::string(asked.section) + "/" + asked.key);
      for (const QString& file : {system, own}) {
        const QString bySystem =
            SystemPlatform().ReadProfileString(file, asked.section, asked.key, "(none)");
        const std::string byOwn =
            platform::profile::ReadFile(Native(file), asked.section, asked.key, "(none)");
        EXPECT_EQ(bySystem, QString::fromStdString(byOwn)) << file.toStdString();
      }
      EXPECT_EQ(SystemPlatform().ReadProfileString(system, asked.section, asked.key, "(none)"),
                SystemPlatform().ReadProfileString(own, asked.section, asked.key, "(none)"));
    }
  }
  // Letters beyond ASCII go through the wide calls unharmed.
  EXPECT_TRUE(SystemPlatform().WriteProfileString(system, "Settings", "Quib path", "C:\\Spiele\\"));
  EXPECT_EQ(SystemPlatform().ReadProfileString(system, "Settings", "Quib path", ""),
            "C:\\Spiele\\");
  // A line break would start a line of its own: refused, nothing written.
  EXPECT_FALSE(SystemPlatform().WriteProfileString(system, "Settings", "Left", "1\r\n[Evil]"));
  EXPECT_EQ(SystemPlatform().ReadProfileString(system, "Evil", "Left", "(none)"), "(none)");
}

// The program started gets the argument whole, as its C runtime splits the
// command line: blanks, double quotes, backslashes before quotes and at the
// end, letters beyond ASCII.
TEST(Win32Process, StartsAProgramWithExactlyOneArgument) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // Built beside this suite.
  const QString echo = SystemPlatform().ExecutableDir() + "test_echo_argument.exe";
  ASSERT_TRUE(QFile::exists(echo));
  const QString arguments[] = {"D:\\My roms\\Sonic 2.sms",
                               "a \"quoted\" word",
                               "dir\\\\\"x",
                               "ends in a backslash\\",
                               QString::fromUtf8("Spiele\\Blöcke \"ä\".sms"),
                               "\"",
                               "  "};
  int n = 0;
  for (const QString& argument : arguments) {
    SCOPED_TRACE(argument.toStdString());
    const QString out = QDir::toNativeSeparators(dir.filePath(QString("echo%1.txt").arg(n++)));
    qputenv("QUIB_ECHO_FILE", out.toLocal8Bit());
    ASSERT_TRUE(SystemPlatform().StartProcess(echo, argument));
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(out) && timer.elapsed() < 30000) QThread::msleep(20);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), argument.toUtf8() + '\0');
  }
  EXPECT_FALSE(SystemPlatform().StartProcess(dir.filePath("missing.exe"), "x"));
}

// A top-level window is found by its exact title, with or without its class.
TEST(Win32FindWindow, FindsATopLevelWindowByItsExactTitle) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSW type{};
  type.lpfnWndProc = ::DefWindowProcW;
  type.hInstance = instance;
  type.lpszClassName = L"AllegroWindow";
  ASSERT_NE(::RegisterClassW(&type), 0);
  const QString title = "Quib - 8-bit or die!";
  EXPECT_FALSE(SystemPlatform().FindWindow("AllegroWindow", title));

  const std::wstring almost = (title + " (not quite)").toStdWString();
  HWND window = ::CreateWindowExW(0, L"AllegroWindow", almost.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                                  200, 100, nullptr, nullptr, instance, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(SystemPlatform().FindWindow("AllegroWindow", title));
  const std::wstring exact = title.toStdWString();
  ::SetWindowTextW(window, exact.c_str());
  EXPECT_TRUE(SystemPlatform().FindWindow("AllegroWindow", title));
  EXPECT_TRUE(SystemPlatform().FindWindow("", title));
  EXPECT_FALSE(SystemPlatform().FindWindow("OtherWindow", title));
  const QString unicode = QString::fromUtf8("Quib – ünïcode ☺");
  ::SetWindowTextW(window, unicode.toStdWString().c_str());
  EXPECT_TRUE(SystemPlatform().FindWindow("", unicode));
  ::DestroyWindow(window);
  EXPECT_FALSE(SystemPlatform().FindWindow("", unicode));
  ::UnregisterClassW(L"AllegroWindow", instance);
}

// A question is a system message box: its caption and text as given, letters
// beyond ASCII included, the buttons asked for with the default asked for; the
// button pressed is the answer.
TEST(Win32MessageBox, ShowsTheButtonsAskedForAndAnswersWithTheOnePressed) {
  struct Case {
    platform::Buttons buttons;
    platform::Answer defaultButton;
    int press;  // the button another thread presses
    platform::Answer answer;
  };
  const Case cases[] = {
      {platform::Buttons::YesNo, platform::Answer::Yes, IDNO, platform::Answer::No},
      {platform::Buttons::YesNo, platform::Answer::No, IDYES, platform::Answer::Yes},
      {platform::Buttons::Ok, platform::Answer::Ok, IDOK, platform::Answer::Ok},
  };
  const DWORD thread = ::GetCurrentThreadId();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.press);
    platform::MessageRequest request;
    request.caption = QString::fromUtf8("Quib Configurator – Überschreiben? ☺");
    request.text = QString::fromUtf8("Die Datei „quib.cfg“ wurde geändert.\rÜberschreiben?");
    request.buttons = c.buttons;
    request.defaultButton = c.defaultButton;

    // What the other thread finds on the box before it presses the button.
    struct Seen {
      bool found = false;
      std::wstring caption;
      std::vector<std::wstring> texts;
      bool yes = false, no = false, ok = false;
      int defaultId = 0;
    } seen;
    std::thread presser([&] {
      HWND box = nullptr;
      QElapsedTimer timer;
      timer.start();
      while (box == nullptr && timer.elapsed() < 30000) {
        ::EnumThreadWindows(
            thread,
            [](HWND window, LPARAM found) -> BOOL {
              wchar_t name[16] = {};
              ::GetClassNameW(window, name, 16);
              if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
              *reinterpret_cast<HWND*>(found) = window;
              return FALSE;
            },
            reinterpret_cast<LPARAM>(&box));
        if (box == nullptr) QThread::msleep(20);
      }
      if (box == nullptr) return;
      seen.found = true;
      wchar_t text[512] = {};
      ::GetWindowTextW(box, text, 512);
      seen.caption = text;
      ::EnumChildWindows(
          box,
          [](HWND child, LPARAM texts) -> BOOL {
            wchar_t t[512] = {};
            ::GetWindowTextW(child, t, 512);
            reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(t);
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&seen.texts));
      seen.yes = ::GetDlgItem(box, IDYES) != nullptr;
      seen.no = ::GetDlgItem(box, IDNO) != nullptr;
      seen.ok = ::GetDlgItem(box, IDOK) != nullptr;
      for (const int id : {IDYES, IDNO, IDOK}) {
        const HWND button = ::GetDlgItem(box, id);
        if (button != nullptr &&
            (::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
          seen.defaultId = id;
      }
      ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(c.press, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(box, c.press)));
    });
    const platform::Answer answer = SystemPlatform().MessageBox(nullptr, request);
    presser.join();
    ASSERT_TRUE(seen.found) << "no message box showed";
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(seen.caption, request.caption.toStdWString());
    const std::wstring first =
        QString::fromUtf8("Die Datei „quib.cfg“ wurde geändert.").toStdWString();
    EXPECT_TRUE(std::any_of(seen.texts.begin(), seen.texts.end(), [&](const std::wstring& t) {
      return t.find(first) != std::wstring::npos;
    }));
    const bool yesNo = c.buttons == platform::Buttons::YesNo;
    EXPECT_EQ(seen.yes, yesNo);
    EXPECT_EQ(seen.no, yesNo);
    EXPECT_EQ(seen.ok, !yesNo);
    EXPECT_EQ(seen.defaultId, c.defaultButton == platform::Answer::No    ? IDNO
                              : c.defaultButton == platform::Answer::Yes ? IDYES
                                                                         : IDOK);
  }
}
