#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/PlatformDouble.h"
#include "platform/PlatformQt.h"
#include "platform/PlatformSystem.h"
#include "tests/platform/QtPrinters.h"

using namespace platform;

namespace {

MessageRequest YesNo(const QString& text, Answer defaultButton = Answer::Yes) {
  MessageRequest request;
  request.caption = "Warning";
  request.text = text;
  request.icon = Icon::Warning;
  request.buttons = Buttons::YesNo;
  request.defaultButton = defaultButton;
  return request;
}

}  // namespace

TEST(PlatformDouble, AnswersMessageBoxesFromTheScriptThenWithTheDefault) {
  PlatformDouble fake;
  fake.queueAnswer(Answer::No);
  fake.queueAnswer(Answer::Yes);

  MessageRequest ok;
  ok.caption = "Error";
  ok.text = "You need to locate Quib";
  ok.foreground = true;
  EXPECT_EQ(fake.MessageBox(nullptr, ok), Answer::Ok);  // takes nothing from the script
  EXPECT_EQ(fake.MessageBox(nullptr, YesNo("first")), Answer::No);
  EXPECT_EQ(fake.MessageBox(nullptr, YesNo("second", Answer::No)), Answer::Yes);
  EXPECT_EQ(fake.pendingAnswers(), 0u);
  EXPECT_EQ(fake.MessageBox(nullptr, YesNo("third", Answer::No)), Answer::No);
  EXPECT_EQ(fake.MessageBox(nullptr, YesNo("fourth")), Answer::Yes);
  EXPECT_EQ(fake.MessageBox(nullptr, YesNo("unset default", Answer::Ok)), Answer::Yes);

  const auto messages = fake.messages();
  ASSERT_EQ(messages.size(), 6u);
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_TRUE(messages[0].foreground);
  EXPECT_EQ(messages[1].text, "first");
  EXPECT_EQ(messages[3].defaultButton, Answer::No);
  EXPECT_EQ(fake.calls()[1].answer, Answer::No);
}

TEST(PlatformDouble, AnswersFileDialogsInTurnAndCancelsWhenOutOfAnswers) {
  PlatformDouble fake;
  fake.queueOpenFile(QString("/games/Quib/quibw.exe"));
  fake.queueOpenFile(std::nullopt);
  OpenFileRequest request;
  request.title = "Load ROM...";
  request.initialDir = "/roms/";
  EXPECT_EQ(fake.OpenFile(nullptr, request), "/games/Quib/quibw.exe");
  EXPECT_EQ(fake.OpenFile(nullptr, request), std::nullopt);
  EXPECT_EQ(fake.OpenFile(nullptr, request), std::nullopt);
  ASSERT_EQ(fake.openFileRequests().size(), 3u);
  EXPECT_EQ(fake.openFileRequests()[2].initialDir, "/roms/");
  EXPECT_EQ(fake.calls()[0].chosenFile, "/games/Quib/quibw.exe");
}

TEST(PlatformDouble, RecordsEveryCallInOrder) {
  PlatformDouble fake;
  fake.setWindowsNT(true);
  fake.addWindow("Quib - 8-bit or die!");
  fake.setExecutableDir("/opt/configurator/");
  fake.setStartResult(false);

  EXPECT_FALSE(fake.StartProcess("/q/Quib dir/quib.exe", "/r/Sonic 2.sms"));
  EXPECT_TRUE(fake.ShellExecute("edit", "/q/Themes/pic.png"));
  EXPECT_TRUE(fake.FindWindow("AllegroWindow", "Quib - 8-bit or die!"));
  EXPECT_FALSE(fake.FindWindow("AllegroWindow", "Quib - 8-bit or die"));
  EXPECT_TRUE(fake.IsWindowsNT());
  EXPECT_EQ(fake.ExecutableDir(), "/opt/configurator/");
  fake.removeWindow("Quib - 8-bit or die!");
  EXPECT_FALSE(fake.FindWindow("AllegroWindow", "Quib - 8-bit or die!"));

  std::vector<CallKind> kinds;
  for (const RecordedCall& call : fake.calls()) kinds.push_back(call.kind);
  EXPECT_EQ(kinds, (std::vector<CallKind>{CallKind::StartProcess, CallKind::ShellExecute,
                                          CallKind::FindWindow, CallKind::FindWindow,
                                          CallKind::IsWindowsNT, CallKind::ExecutableDir,
                                          CallKind::FindWindow}));
  ASSERT_EQ(fake.started().size(), 1u);
  EXPECT_EQ(fake.started()[0].argument, "/r/Sonic 2.sms");
  EXPECT_EQ(fake.started()[0].commandLine, "\"/q/Quib dir/quib.exe\" \"/r/Sonic 2.sms\"");
  EXPECT_EQ(fake.shellCalls()[0].verb, "edit");
  EXPECT_EQ(fake.findWindowCalls()[1].title, "Quib - 8-bit or die");
  fake.clearCalls();
  EXPECT_TRUE(fake.calls().empty());
}

TEST(PlatformDouble, KeepsProfileFilesInMemory) {
  PlatformDouble fake;
  const QString ini = "/opt/configurator/Quib Configurator.ini";
  EXPECT_EQ(fake.ReadProfileString(ini, "Settings", "Left", "100"), "100");
  EXPECT_EQ(fake.profileText(ini), std::nullopt);

  EXPECT_TRUE(fake.WriteProfileString(ini, "Settings", "Left", "12"));
  EXPECT_TRUE(fake.WriteProfileString(ini, "Settings", "Quib path", "/q/Quib dir/"));
  EXPECT_TRUE(fake.WriteProfileString(ini, "settings", "left", "13"));
  EXPECT_EQ(fake.profileText(ini), "[Settings]\r\nLeft=13\r\nQuib path=/q/Quib dir/\r\n");
  EXPECT_EQ(fake.ReadProfileString(ini, "Settings", "Quib path", ""), "/q/Quib dir/");
  ASSERT_EQ(fake.profileWrites().size(), 3u);
  EXPECT_EQ(fake.profileWrites()[1].key, "Quib path");

  fake.setProfileText(ini, "[Settings]\nShow NES warning=0\n");
  EXPECT_EQ(fake.ReadProfileString(ini, "Settings", "Show NES warning", "1"), "0");
  fake.setProfileWriteFails(true);
  EXPECT_FALSE(fake.WriteProfileString(ini, "Settings", "Show NES warning", "1"));
  EXPECT_EQ(fake.profileText(ini), "[Settings]\nShow NES warning=0\n");
}

TEST(PlatformDouble, CanUseRealProfileFiles) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString ini = dir.filePath("Quib Configurator.ini");
  PlatformDouble fake;
  fake.useRealProfileFiles(true);
  EXPECT_TRUE(fake.WriteProfileString(ini, "Settings", "Top", "7"));
  EXPECT_EQ(fake.ReadProfileString(ini, "Settings", "Top", ""), "7");
  EXPECT_EQ(fake.profileText(ini), std::nullopt);
  QFile file(ini);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "[Settings]\r\nTop=7\r\n");
}

TEST(PlatformDouble, ScopedDoublesInstallAndPutBack) {
  EXPECT_EQ(Installed(), nullptr);
  EXPECT_EQ(&Current(), &SystemPlatform());
  {
    ScopedDouble outer;
    EXPECT_EQ(&Current(), &outer);
    {
      ScopedDouble inner;
      EXPECT_EQ(&Current(), &inner);
      Current().IsWindowsNT();
      EXPECT_EQ(inner.calls().size(), 1u);
      EXPECT_TRUE(outer.calls().empty());
    }
    EXPECT_EQ(&Current(), &outer);
  }
  EXPECT_EQ(Installed(), nullptr);
}
