// The store's messages in every shipped language: real failures of saving and
// backing up in a scratch folder keep their English text, and in each
// language show no English left, every path and the system's reason as they
// are.
#include <QCoreApplication>
#include <QRegularExpression>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/Language.h"
#include "app/Text.h"
#include "store/Apply.h"
#include "store/ZIniReader.h"
#include "tests/app/AppFixture.h"

#ifndef _WIN32
#include <locale.h>
#include <sys/stat.h>

#include <cstring>

namespace fs = std::filesystem;

namespace {

// The patterns in a message.
void Patterns(const StoreMessage& message, std::vector<QString>& out) {
  if (message.kind() == StoreMessage::Kind::Pattern) out.push_back(message.pattern());
  for (const StoreMessage& part : message.parts()) Patterns(part, out);
}

class StoreMessages : public AppTest {
 protected:
  ~StoreMessages() override { language::Install("en"); }

  // Saves two files with a backup; afterFirst runs once the first is replaced.
  void Save(const std::function<void()>& afterFirst = {}) {
    backups::Store store(root_, emu_);
    backups::SaveHooks hooks;
    hooks.lockWait = std::chrono::milliseconds(0);
    hooks.afterReplace = [&](std::size_t i) {
      if (i == 0 && afterFirst) afterFirst();
    };
    backups::SaveWithBackup({{emu_ / "a.cfg", "a=2"}, {emu_ / "b.cfg", "b=2"}}, store, hooks);
  }

  // A file turned into an empty folder, which no file replaces.
  static void MakeFolder(const fs::path& path) {
    fs::remove(path);
    fs::create_directory(path);
  }

  // A "%1" in a path must come through as it is.
  const fs::path emu_ = fs::path(StateDir().toStdString()) / "emu %1 \xC3\xBC";
  const fs::path root_ = fs::path(StateDir().toStdString()) / "backups";
};

TEST_F(StoreMessages, RealFailuresKeepTheirEnglishAndShowNoneOfItTranslated) {
  std::string set;  // the backup set a message names
  const std::string isDir = atomic_file::SystemReason(EISDIR);
  struct Case {
    const char* name;
    std::function<void()> fail;  // throws a StoreError
    std::string english;         // {emu}, {root}, {set} and {isdir} are put in
  } cases[] = {
      {"the save lock is held",
       [&] {
         const backups::SaveLock other(backups::Store(root_, emu_));
         Save();
       },
       "Nothing was saved: another Quib Configurator is saving the files in \"{emu}\" right now. "
       "Try again when it is done; files it changed meanwhile are then shown as changed on disk."},
      {"the backup folder is a link",
       [&] {
         fs::create_directory_symlink(emu_, root_);
         Save();
       },
       "Nothing was saved: the files it would replace could not be backed up first.\rThe backup "
       "folder \"{root}\" is a symbolic link. Backups are never kept or read through one: remove "
       "it, or move it away, and try again."},
      {"the second file cannot be replaced", [&] { Save([&] { MakeFolder(emu_ / "b.cfg"); }); },
       "Nothing was saved: Cannot create file \"{emu}/b.cfg\". {isdir} The files already replaced "
       "were put back."},
      {"the first file cannot be put back either",
       [&] {
         Save([&] {
           MakeFolder(emu_ / "a.cfg");
           MakeFolder(emu_ / "b.cfg");
         });
       },
       "Not all settings files were saved: Cannot create file \"{emu}/b.cfg\". {isdir}\r\n"
       "\"{emu}/a.cfg\" may hold part of the new settings and could not be put back (It was "
       "replaced by another file while it was being saved.); its old contents are in "
       "\"{set}/a.cfg\".\r\nAs they were: \"{emu}/b.cfg\"."},
      {"a backup set is gone",
       [&] {
         backups::Store store(root_, emu_);
         const backups::BackupSet made = store.Create({emu_ / "a.cfg"});
         set = made.folder.string();
         fs::remove_all(made.folder);
         store.Read(made);
       },
       "The backup set \"{set}\" is missing."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(emu_);
    fs::remove_all(root_);
    fs::create_directories(emu_);
    std::ofstream(emu_ / "a.cfg") << "a=1";
    std::ofstream(emu_ / "b.cfg") << "b=1";
    set.clear();
    StoreMessage message;
    std::string what;
    try {
      c.fail();
    } catch (const StoreError& error) {
      message = error.message();
      what = error.what();
    }
    std::error_code ec;  // the set a failed put back keeps
    for (const auto& made : fs::directory_iterator(backups::Store(root_, emu_).Folder(), ec))
      if (set.empty() && made.is_directory()) set = made.path().string();
    // The paths and the system's reason, as the message must show them.
    std::vector<std::pair<std::string, std::string>> kept = {
        {"{emu}", emu_.string()}, {"{root}", root_.string()}, {"{set}", set}, {"{isdir}", isDir}};
    std::string english = c.english;
    for (const auto& [token, value] : kept)
      for (std::size_t at; (at = english.find(token)) != std::string::npos;)
        english.replace(at, token.size(), value);
    EXPECT_EQ(what, english);
    // Without a translation the window shows the very same text.
    EXPECT_EQ(Translated(message).toStdString(), what);

    std::vector<QString> patterns;
    Patterns(message, patterns);
    static const QRegularExpression place("%\\d"), letter("[A-Za-z]"),
        words("[A-Za-z]{2,}\\W+[A-Za-z]{2,}");
    for (const char* code : language::kShipped) {
      language::Install(code);
      const QString shown = Translated(message);
      for (const auto& [token, value] : kept) {
        // The system's reason as the window words it, in its language where
        // the system has one.
        const QString want = token == "{isdir}" ? Translated(atomic_file::SystemMessage(EISDIR))
                                                : QString::fromStdString(value);
        EXPECT_TRUE(c.english.find(token) == std::string::npos || shown.contains(want))
            << code << ": " << want.toStdString();
      }
      for (const QString& pattern : patterns) {
        // Every pattern with words has a translation, and none of its
        // English is left.
        EXPECT_TRUE(!pattern.contains(letter) ||
                    QCoreApplication::translate(StoreMessage::kScope,
                                                pattern.toUtf8().constData()) != pattern)
            << code << ": " << pattern.toStdString();
        for (const QString& piece : pattern.split(place))
          EXPECT_FALSE(words.match(piece).hasMatch() && shown.contains(piece))
              << code << ": " << shown.toStdString();
      }
    }
    language::Install("en");
  }
}

// The window shows a store error in its language: the load of a FIFO at
// start-up, in German.
TEST_F(StoreMessages, TheWindowShowsAStoreErrorInItsLanguage) {
  language::Install("de");
  WriteIni();
  RemoveFile("quib.thm");
  const QString fifo = EmuDir() + "quib.thm";
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
  ASSERT_NE(Start(), nullptr);
  ASSERT_FALSE(platform_.messages().empty());
  const QString shown = platform_.messages()[0].text;
  EXPECT_TRUE(shown.contains(fifo)) << shown.toStdString();
  EXPECT_FALSE(shown.contains("Cannot open file")) << shown.toStdString();
  try {
    ReadFileBytes(fifo.toStdString());
    ADD_FAILURE() << "a FIFO was read";
  } catch (const FileError& error) {
    EXPECT_EQ(shown, ErrorText(error));
  }
}

// The system's reason follows the window's language where the C library has
// its words: a file that is not there, shown in German.
TEST_F(StoreMessages, TheSystemsReasonComesInTheWindowsLanguage) {
  const locale_t german = ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "de_DE.UTF-8", nullptr);
  if (german == nullptr)
    GTEST_SKIP() << "no de_DE.UTF-8 locale (Debian: locales, with de_DE.UTF-8 generated)";
  const std::string words = ::strerror_l(ENOENT, german);
  ::freelocale(german);
  if (words == "No such file or directory")
    GTEST_SKIP() << "no German messages of the C library (Debian: libc-l10n)";
  try {
    ReadFileBytes((emu_ / "missing.cfg").string());
    ADD_FAILURE() << "a missing file was read";
  } catch (const FileError& error) {
    language::Install("de");
    const QString shown = ErrorText(error);
    EXPECT_TRUE(shown.contains("Datei oder Verzeichnis nicht gefunden.")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("No such file")) << shown.toStdString();
  }
}

}  // namespace

#endif
