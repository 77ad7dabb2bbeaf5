#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include "platform/Platform.h"
#include "platform/PlatformQt.h"
#include "tests/platform/QtPrinters.h"

using namespace platform;

TEST(PlatformQt, ConvertsFiltersToQtsForm) {
  EXPECT_EQ(QtFilter("Quib|quib.exe;quibw.exe|All files|*.*"),
            "Quib (quib.exe quibw.exe);;All files (*)");
  EXPECT_EQ(QtFilter("All roms (*.sms;*.gg)|*.sms; *.gg|Game Gear (*.gg)|*.gg"),
            "All roms (*.sms;*.gg) (*.sms *.gg);;Game Gear (*.gg) (*.gg)");
  EXPECT_EQ(QtFilter(""), "");
  EXPECT_EQ(QtFilter("Name without patterns"), "");
  EXPECT_EQ(QtFilter("Empty||Pictures|*.png;;*.bmp|Dangling"), "Pictures (*.png *.bmp)");
}

TEST(PlatformQt, ShowsCarriageReturnsAsLineBreaks) {
  EXPECT_EQ(DisplayText("Settings saved.\r\rDo you want to see this message again?"),
            "Settings saved.\n\nDo you want to see this message again?");
  EXPECT_EQ(DisplayText("a\r\nb\rc\nd"), "a\nb\nc\nd");
}

TEST(PlatformQt, CommandLineQuotesProgramAndArgument) {
  EXPECT_EQ(CommandLine("C:\\Program Files\\Quib\\quib.exe", ""),
            "\"C:\\Program Files\\Quib\\quib.exe\"");
  EXPECT_EQ(CommandLine("C:\\Program Files\\Quib\\quibw.exe", "D:\\My roms\\Sonic 2.sms"),
            "\"C:\\Program Files\\Quib\\quibw.exe\" \"D:\\My roms\\Sonic 2.sms\"");
  // A double quote in the argument cannot end it early.
  EXPECT_EQ(CommandLine("/q/quib.exe", "/r/a \"b\" c.sms"),
            "\"/q/quib.exe\" \"/r/a \\\"b\\\" c.sms\"");
  EXPECT_EQ(CommandLine("/q/quib.exe", "dir\\\\\"x"), "\"/q/quib.exe\" \"dir\\\\\\\\\\\"x\"");
  EXPECT_EQ(CommandLine("q.exe", "ends\\"), "\"q.exe\" \"ends\\\\\"");
}

TEST(PlatformQt, RunsWindowsProgramsThroughWineOnlyWhenNeeded) {
  const Launch wine = PlanLaunch("/q/Quib dir/QUIBW.EXE", "/r/a b.sms", false, "/usr/bin/wine");
  EXPECT_EQ(wine.program, "/usr/bin/wine");
  EXPECT_EQ(wine.arguments, QStringList({"/q/Quib dir/QUIBW.EXE", "/r/a b.sms"}));

  const Launch wineAlone = PlanLaunch("/q/quib.exe", "", false, "/usr/bin/wine");
  EXPECT_EQ(wineAlone.arguments, QStringList({"/q/quib.exe"}));

  for (const Launch& direct : {PlanLaunch("/q/quib.exe", "g.sms", true, "/usr/bin/wine"),
                               PlanLaunch("/q/quib.exe", "g.sms", false, ""),
                               PlanLaunch("/q/quib", "g.sms", false, "/usr/bin/wine")}) {
    EXPECT_EQ(direct.arguments, QStringList({"g.sms"}));
    EXPECT_NE(direct.program, "/usr/bin/wine");
  }
  EXPECT_TRUE(PlanLaunch("/q/quib", "", true, "").arguments.isEmpty());
}

TEST(PlatformQt, TellsAddressesFromFiles) {
  EXPECT_EQ(ShellUrl("https://example.org/quib/"), QUrl("https://example.org/quib/"));
  EXPECT_EQ(ShellUrl("mailto:someone@example.org?subject=Quib Configurator").scheme(), "mailto");
  const QUrl file = ShellUrl("/home/me/Quib dir/Quib.txt");
  EXPECT_TRUE(file.isLocalFile());
  EXPECT_EQ(file.toLocalFile(), "/home/me/Quib dir/Quib.txt");
  EXPECT_TRUE(ShellUrl("C:\\Quib\\Quib.txt").isLocalFile());

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString odd = dir.filePath("notes:readme.txt");
  QFile(odd).open(QIODevice::WriteOnly);
  EXPECT_EQ(ShellUrl(odd).toLocalFile(), odd);

  QtPlatform real;
  EXPECT_FALSE(real.ShellExecute("print", odd));  // only "open" and "edit" exist
}

namespace {

// A program that writes the number of its arguments and each argument on a
// line of its own to <its path>.args, then creates <its path>.done. Shell
// built-ins only, so it runs with any PATH.
QString MakeArgvRecorder(const QString& path) {
  QFile script(path);
  script.open(QIODevice::WriteOnly);
  script.write(
      "#!/bin/sh\n"
      "printf '%s\\n' \"$#\" \"$@\" > \"$0.args\"\n"
      ": > \"$0.done\"\n");
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path + ".args";
}

QStringList WaitForLines(const QString& path) {
  QElapsedTimer timer;
  timer.start();
  const QString done = path.chopped(4) + "done";
  while (!QFileInfo::exists(done) && timer.elapsed() < 10000) QThread::msleep(20);
  QFile::remove(done);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace

TEST(PlatformQt, StartsAProgramWithExactlyOneArgument) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir("Quib dir"));
  const QString program = dir.filePath("Quib dir/run quib");
  const QString args = MakeArgvRecorder(program);
  const QString game = dir.filePath("my \"best\" game; 'x' $HOME.sms");

  QtPlatform real;
  ASSERT_TRUE(real.StartProcess(program, game));
  EXPECT_EQ(WaitForLines(args), QStringList({"1", game}));

  QFile::remove(args);
  ASSERT_TRUE(real.StartProcess(program, ""));
  EXPECT_EQ(WaitForLines(args), QStringList({"0"}));

  EXPECT_FALSE(real.StartProcess(dir.filePath("no such program"), game));
}

TEST(PlatformQt, StartsAWindowsProgramThroughWineFromThePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString args = MakeArgvRecorder(dir.filePath("wine"));
  const QString program = dir.filePath("quibw.exe");  // not executable
  QFile(program).open(QIODevice::WriteOnly);

  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(dir.path()));
  QtPlatform real;
  const bool started = real.StartProcess(program, "/roms/a b.sms");
  qputenv("PATH", path);
  ASSERT_TRUE(started);
  EXPECT_EQ(WaitForLines(args), QStringList({"2", program, "/roms/a b.sms"}));
}

TEST(PlatformQt, ReadsAndWritesProfileFilesAsUtf8) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath("Quib Configurator.ini");
  QtPlatform real;
  EXPECT_EQ(real.ReadProfileString(file, "Settings", "Quib path", "none"), "none");
  ASSERT_TRUE(real.WriteProfileString(file, "Settings", "Quib path", "/home/zoë/Quib/"));
  ASSERT_TRUE(real.WriteProfileString(file, "Settings", "Left", "100"));
  EXPECT_EQ(real.ReadProfileString(file, "SETTINGS", "quib path", ""), "/home/zoë/Quib/");
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_EQ(raw.readAll(),
            QByteArray("[Settings]\r\nQuib path=/home/zo\xc3\xab/Quib/\r\nLeft=100\r\n"));
  EXPECT_FALSE(real.WriteProfileString(dir.filePath("gone/x.ini"), "Settings", "Left", "1"));
}

TEST(PlatformQt, KnowsItsOwnFolder) {
  QtPlatform real;
  EXPECT_FALSE(real.IsWindowsNT());
  const QString dir = real.ExecutableDir();
  ASSERT_TRUE(dir.endsWith('/'));
  EXPECT_TRUE(QFileInfo::exists(dir + "test_platform"));
}
