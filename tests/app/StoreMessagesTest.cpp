// The store's messages in every shipped language: real failures of loading,
// saving and backing up in a scratch folder keep their English text, and in
// each language show no English left, every path and the system's reason as
// they are.
#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Language.h"
#include "app/Text.h"
#include "store/AtomicFile.h"
#include "store/Backups.h"
#include "store/SaveSet.h"
#include "store/ZIniReader.h"
#include "tests/app/AppFixture.h"

#ifndef _WIN32
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The English stretches of every pattern in a message that hold words (two
// in a row), which a translation must not show.
void EnglishWords(const StoreMessage& message, QStringList& out) {
  if (message.kind() == StoreMessage::Kind::Pattern) {
    static const QRegularExpression place("%\\d"), words("[A-Za-z]{2,}\\W+[A-Za-z]{2,}");
    for (const QString& piece : QString::fromUtf8(message.pattern()).split(place))
      if (words.match(piece).hasMatch()) out << piece;
  }
  for (const StoreMessage& part : message.parts()) EnglishWords(part, out);
}

// The patterns of a message that hold letters, each of which every language
// translates.
void Patterns(const StoreMessage& message, std::vector<const char*>& out) {
  static const QRegularExpression letter("[A-Za-z]");
  if (message.kind() == StoreMessage::Kind::Pattern &&
      QString::fromUtf8(message.pattern()).contains(letter))
    out.push_back(message.pattern());
  for (const StoreMessage& part : message.parts()) Patterns(part, out);
}

class StoreMessages : public AppTest {
 protected:
  StoreMessages() {
    // A "%1" in a path must come through as it is.
    emu_ = fs::path(StateDir().toStdString()) / "emu %1 \xC3\xBC";
    root_ = fs::path(StateDir().toStdString()) / "backups";
    fs::create_directories(emu_);
    Write(emu_ / "a.cfg", "a=1\r\n");
    Write(emu_ / "b.cfg", "b=1\r\n");
  }
  ~StoreMessages() override { language::Install("en"); }

  backups::Store Store() const { return backups::Store(root_, emu_); }

  // Saves both files with a backup; afterFirst runs once the first is replaced.
  void Save(const std::function<void()>& afterFirst = {},
            std::chrono::milliseconds lockWait = backups::kLockWait) {
    save_set::PreparedSet prepared({{emu_ / "a.cfg", "a=2\r\n"}, {emu_ / "b.cfg", "b=2\r\n"}});
    backups::Store store = Store();
    backups::SaveHooks hooks;
    hooks.lockWait = lockWait;
    hooks.afterReplace = [&](std::size_t i) {
      if (i == 0 && afterFirst) afterFirst();
    };
    backups::CommitWithBackup(prepared, store, hooks);
  }

  // A file turned into an empty folder, which no file replaces.
  static void MakeFolder(const fs::path& path) {
    fs::remove(path);
    fs::create_directory(path);
  }

  fs::path emu_, root_;
};

TEST_F(StoreMessages, RealFailuresKeepTheirEnglishAndShowNoneOfItTranslated) {
  const std::string isDir = atomic_file::SystemReason(EISDIR);
  std::string set;  // the backup set a case names
  struct Case {
    const char* name;
    std::function<void()> fail;  // throws a StoreError
    std::string english;         // {emu}, {root}, {set} and {isdir} are put in
    std::vector<std::string> kept;
  } cases[] = {
      {"the save lock is held",
       [&] {
         const backups::SaveLock other(Store());
         Save({}, std::chrono::milliseconds(0));
       },
       "Nothing was saved: another Quib Configurator is saving the files in \"{emu}\" right now. "
       "Try again when it is done; files it changed meanwhile are then shown as changed on disk.",
       {"{emu}"}},
      {"a settings file is a FIFO",
       [&] {
         ::mkfifo((emu_ / "c.cfg").c_str(), 0644);
         ReadFileBytes(emu_ / "c.cfg");
       },
       "Cannot open file \"{emu}/c.cfg\". It is not a regular file.",
       {"{emu}/c.cfg"}},
      {"a folder stands where a file is written",
       [&] {
         MakeFolder(emu_ / "b.cfg");
         save_set::PreparedSet({{emu_ / "b.cfg", "b=2\r\n"}});
       },
       "Nothing was saved: Cannot create file \"{emu}/b.cfg\". {isdir}",
       {"{emu}/b.cfg", "{isdir}"}},
      {"the backup folder is a link",
       [&] {
         fs::create_directory(emu_.parent_path() / "elsewhere");
         fs::create_directory_symlink(emu_.parent_path() / "elsewhere", root_);
         Save();
       },
       "Nothing was saved: the files it would replace could not be backed up first.\rThe backup "
       "folder \"{root}\" is a symbolic link. Backups are never kept or read through one: remove "
       "it, or move it away, and try again.",
       {"{root}"}},
      {"the second file cannot be replaced",
       [&] { Save([&] { MakeFolder(emu_ / "b.cfg"); }); },
       "Nothing was saved: Cannot create file \"{emu}/b.cfg\". {isdir} The files already replaced "
       "were put back.",
       {"{emu}/b.cfg", "{isdir}"}},
      {"the first file cannot be put back either",
       [&] {
         Save([&] {
           MakeFolder(emu_ / "a.cfg");
           MakeFolder(emu_ / "b.cfg");
         });
       },
       "Not all settings files were saved: Cannot create file \"{emu}/b.cfg\". {isdir}\r\n"
       "\"{emu}/a.cfg\" holds the new settings and could not be put back ({isdir}); its old "
       "contents are in \"{set}/a.cfg\".\r\nAs they were: \"{emu}/b.cfg\".",
       {"{emu}/a.cfg", "{emu}/b.cfg", "{set}/a.cfg", "{isdir}"}},
      {"a backup set is gone",
       [&] {
         backups::Store store = Store();
         const backups::BackupSet made = store.Create({emu_ / "a.cfg"});
         set = made.folder.string();
         fs::remove_all(made.folder);
         store.Read(made);
       },
       "The backup set \"{set}\" is missing.",
       {"{set}"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(emu_);
    fs::remove_all(root_);
    fs::create_directories(emu_);
    Write(emu_ / "a.cfg", "a=1\r\n");
    Write(emu_ / "b.cfg", "b=1\r\n");
    set.clear();
    std::optional<StoreMessage> message;
    std::string what;
    try {
      c.fail();
    } catch (const StoreError& error) {
      message = error.message();
      what = error.what();
    }
    ASSERT_TRUE(message.has_value());
    // The set a failed put back keeps.
    std::error_code ec;
    for (const auto& folder : fs::directory_iterator(Store().Folder(), ec))
      if (set.empty() && folder.is_directory()) set = folder.path().string();
    auto fill = [&](std::string text) {
      const std::vector<std::pair<std::string, std::string>> values = {
          {"{emu}", emu_.string()}, {"{root}", root_.string()}, {"{set}", set}, {"{isdir}", isDir}};
      for (const auto& [token, value] : values)
        for (std::size_t at; (at = text.find(token)) != std::string::npos;)
          text.replace(at, token.size(), value);
      return text;
    };
    EXPECT_EQ(what, fill(c.english));
    // Without a translation the window shows the very same text.
    EXPECT_EQ(Translated(*message), QString::fromUtf8(what));

    QStringList english;
    EnglishWords(*message, english);
    std::vector<const char*> patterns;
    Patterns(*message, patterns);
    ASSERT_FALSE(english.isEmpty());
    for (const char* code : language::kShipped) {
      language::Install(code);
      const QString shown = Translated(*message);
      for (const std::string& kept : c.kept)
        EXPECT_TRUE(shown.contains(QString::fromUtf8(fill(kept)))) << code << ": " << fill(kept);
      for (const QString& piece : english)
        EXPECT_FALSE(shown.contains(piece))
            << code << ": \"" << piece.toStdString() << "\" in " << shown.toStdString();
      for (const char* pattern : patterns)
        EXPECT_NE(QCoreApplication::translate(StoreMessage::kScope, pattern),
                  QString::fromUtf8(pattern))
            << code << ": " << pattern;
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

}  // namespace

#endif
