// The backup store: where sets go, what they hold, how many are kept, and
// that a backup which cannot be written leaves nothing behind.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "store/Apply.h"
#include "store/AtomicFile.h"
#include "store/SaveSet.h"
#include "store/ZIniReader.h"

namespace fs = std::filesystem;

namespace {

using namespace std::chrono_literals;

// Makes a folder look last written that long ago. The standard library of
// MinGW cannot set a folder's time on Windows; the system can.
void AgeFolder(const fs::path& folder, std::chrono::hours age) {
#ifdef _WIN32
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time;
  time.LowPart = now.dwLowDateTime;
  time.HighPart = now.dwHighDateTime;
  time.QuadPart -= static_cast<ULONGLONG>(age.count()) * 3600ULL * 10000000ULL;
  FILETIME then{time.LowPart, time.HighPart};
  HANDLE handle = ::CreateFileW(folder.c_str(), FILE_WRITE_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  ::SetFileTime(handle, nullptr, nullptr, &then);
  ::CloseHandle(handle);
#else
  fs::last_write_time(folder, fs::file_time_type::clock::now() - age);
#endif
}

class Backups : public ::testing::Test {
 protected:
  Backups() {
    std::random_device random;
    temp_ = fs::temp_directory_path() / ("quib-backups-" + std::to_string(random()));
    fs::create_directories(temp_ / "Quib Emulator");
    root_ = temp_ / "state";
  }
  ~Backups() override {
    std::error_code ec;
    fs::remove_all(temp_, ec);
  }

  fs::path Emu(const char* name) const { return temp_ / "Quib Emulator" / name; }
  void Write(const fs::path& path, const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  backups::Store MakeStore() const { return backups::Store(root_, temp_ / "Quib Emulator"); }
  // Every entry under the store's folder, by name.
  std::vector<std::string> Entries(const backups::Store& store) const {
    std::vector<std::string> names;
    if (!fs::exists(store.Folder())) return names;
    for (const auto& entry : fs::directory_iterator(store.Folder()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path temp_;
  fs::path root_;
};

const auto kTime =
    std::chrono::sys_days{std::chrono::December / 7 / 2026} + 23h + 59min + 12s + 42ms;

TEST_F(Backups, PathKeyIsTheFolderNameAndAHashOfTheWholePath) {
  const std::string key = backups::PathKey("/games/Quib Emulator").string();
  ASSERT_EQ(key.size(), std::string("Quib Emulator-").size() + 8);
  EXPECT_EQ(key.rfind("Quib Emulator-", 0), 0u);
  EXPECT_EQ(key.find_first_not_of("0123456789abcdef", 14), std::string::npos);
  EXPECT_EQ(backups::PathKey("/games/Quib Emulator/"), key);
  EXPECT_EQ(backups::PathKey("/games/./x/../Quib Emulator"), key);
  EXPECT_NE(backups::PathKey("/other/Quib Emulator"), key);
  // A folder that cannot be opened has no identity: its path names it.
  EXPECT_EQ(backups::FolderKey("/games/Quib Emulator"), key);
}

// Sets an earlier version kept under the folder's path are still listed,
// and new ones are numbered after them.
TEST_F(Backups, SetsKeptUnderThePathAreStillFound) {
  Write(Emu("quib.cfg"), "1");
  auto store = MakeStore();
  const fs::path old =
      root_ / backups::PathKey(temp_ / "Quib Emulator") / "0000000007-2026-01-01T00-00-00.000Z";
  fs::create_directories(old);
  Write(old / "quib.cfg", "0");
  EXPECT_EQ(store.Create({Emu("quib.cfg")}, kTime).sequence, 8u);
  const auto sets = store.List();
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[1].folder, old);
  EXPECT_EQ(store.Read(sets[1])[0].bytes, "0");
}

TEST_F(Backups, CreateKeepsTheBytesOfEveryExistingFileUnderTheUtcTime) {
  const std::string cfg("a=1\nb = 2\r\n\0end", 16);
  Write(Emu("quib.cfg"), cfg);
  Write(Emu("quib.inp"), "");
  auto store = MakeStore();
  const backups::BackupSet set =
      store.Create({Emu("quib.cfg"), Emu("quibw.cfg"), Emu("quib.inp")}, kTime);
  EXPECT_EQ(set.stamp, "2026-12-07T23-59-12.042Z");
  EXPECT_EQ(set.sequence, 1u);
  EXPECT_EQ(set.folder, store.Folder() / "0000000001-2026-12-07T23-59-12.042Z");
  EXPECT_EQ(store.Folder().parent_path(), root_);
  ASSERT_EQ(set.files.size(), 2u);  // no quibw.cfg on disk
  EXPECT_EQ(set.files[0].name, "quib.cfg");
  EXPECT_EQ(set.files[0].size, cfg.size());
  EXPECT_EQ(set.files[1].name, "quib.inp");
  EXPECT_EQ(set.bytes, cfg.size());
  EXPECT_EQ(Read(set.folder / "quib.cfg"), cfg);
  EXPECT_EQ(Entries(store), std::vector<std::string>{set.folder.filename().string()});

  const auto contents = store.Read(set);
  ASSERT_EQ(contents.size(), 2u);
  EXPECT_EQ(contents[0].name, "quib.cfg");
  EXPECT_EQ(contents[0].bytes, cfg);
  EXPECT_EQ(contents[1].bytes, "");
}

// Sets are ordered by the number each is given when made, never by the
// clock: a clock set back makes no set older than it is, and pruning never
// removes the set just made.
TEST_F(Backups, SetsListTheLastMadeFirstWhateverTheClockSays) {
  Write(Emu("quib.cfg"), "1");
  auto store = MakeStore();
  const auto first = store.Create({Emu("quib.cfg")}, kTime);
  Write(Emu("quib.cfg"), "2");
  const auto second = store.Create({Emu("quib.cfg")}, kTime);  // the same millisecond
  Write(Emu("quib.cfg"), "3");
  const auto backInTime = store.Create({Emu("quib.cfg")}, kTime - 24h);
  EXPECT_NE(first.folder, second.folder);
  const auto sets = store.List();
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[0].folder, backInTime.folder);
  EXPECT_EQ(sets[0].stamp, "2026-12-06T23-59-12.042Z");  // as recorded
  EXPECT_EQ(sets[1].folder, second.folder);
  EXPECT_EQ(sets[2].folder, first.folder);
  EXPECT_EQ(store.Read(sets[0])[0].bytes, "3");
  EXPECT_EQ(store.Read(sets[1])[0].bytes, "2");

  store.Prune(2);
  ASSERT_EQ(store.List().size(), 2u);
  EXPECT_EQ(store.List()[0].folder, backInTime.folder);
  store.Prune(0, &backInTime);
  ASSERT_EQ(store.List().size(), 1u);
  EXPECT_EQ(store.List()[0].folder, backInTime.folder);
}

fs::path U8(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

// Folder names have a limit of 255 bytes (or UTF-16 units) on every common
// file system; an emulator folder may use up most of it.
TEST_F(Backups, FolderKeysFitTheNameLimitWhateverTheEmulatorFolderIsCalled) {
  const std::string longName(250, 'q');
  const std::string letters = std::string(119, 'a') + "\xc3\xa9\xc3\xa9";  // é across the cut
  for (const std::string& name : {longName, letters, longName + "x"}) {
    const std::string key = backups::FolderKey(temp_ / U8(name)).string();
    EXPECT_LE(key.size(), backups::kKeyNameBytes + 9) << key;
    EXPECT_EQ(key.find_first_not_of("0123456789abcdef", key.size() - 8), std::string::npos);
    EXPECT_EQ(key[key.size() - 9], '-');
  }
  EXPECT_EQ(backups::FolderKey(temp_ / U8(letters)).string().substr(119, 1), "-");
  EXPECT_NE(backups::FolderKey(temp_ / longName), backups::FolderKey(temp_ / (longName + "x")));

#ifdef _WIN32
  // Windows limits the whole path to 260 characters first.
  const fs::path emulator = temp_ / std::string(180, 'q');
#else
  const fs::path emulator = temp_ / longName;
#endif
  fs::create_directories(emulator);
  Write(emulator / "quib.cfg", "old");
  backups::Store store(root_, emulator);
  backups::SaveWithBackup({{emulator / "quib.cfg", "new"}}, store);
  EXPECT_EQ(Read(emulator / "quib.cfg"), "new");
  ASSERT_EQ(store.List().size(), 1u);
  EXPECT_EQ(store.Read(store.List()[0])[0].bytes, "old");
}

TEST_F(Backups, PruneKeepsTheNewestTwentyAndRemovesOnlyStaleUnfinishedSets) {
  Write(Emu("quib.thm"), "t");
  auto store = MakeStore();
  for (int i = 0; i < 23; ++i) store.Create({Emu("quib.thm")}, kTime + i * 1s);
  // What a crash while writing a set leaves, once long ago and once just now.
  const fs::path stale = store.Folder() / "0000000100-2026-12-01T10-00-00.000Z.partial";
  const fs::path fresh = store.Folder() / "0000000101-2026-12-07T23-59-00.000Z.partial";
  fs::create_directory(stale);
  fs::create_directory(fresh);
  AgeFolder(stale, 48h);
  // Folders the store did not make are left alone.
  fs::create_directory(store.Folder() / "notes");

  store.Prune();
  const auto sets = store.List();
  ASSERT_EQ(sets.size(), backups::kKeptSets);
  EXPECT_EQ(sets.front().stamp, "2026-12-07T23-59-34.042Z");
  EXPECT_EQ(sets.back().stamp, "2026-12-07T23-59-15.042Z");
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(fresh));
  EXPECT_TRUE(fs::exists(store.Folder() / "notes"));
}

TEST_F(Backups, BackupThatCannotBeWrittenThrowsAndLeavesNothing) {
  Write(Emu("quib.cfg"), "x");
  // The state folder is a file: no folder can be made below it, even as root.
  Write(root_, "not a folder");
  auto blocked = MakeStore();
  try {
    blocked.Create({Emu("quib.cfg")}, kTime);
    FAIL() << "no error";
  } catch (const backups::BackupError& error) {
    EXPECT_NE(std::string(error.what()).find("Cannot create the backup folder"), std::string::npos)
        << error.what();
  }
  fs::remove(root_);

  // A file that cannot be read (here a folder in its place) stops the set,
  // and the part already written goes again.
  fs::create_directory(Emu("quib.thm"));
  auto store = MakeStore();
  EXPECT_THROW(store.Create({Emu("quib.cfg"), Emu("quib.thm")}, kTime), backups::BackupError);
  EXPECT_TRUE(Entries(store).empty());
  EXPECT_TRUE(store.List().empty());
}

// The XDG state folder; Windows keeps backups under LOCALAPPDATA.
#ifndef _WIN32
TEST_F(Backups, DefaultRootFollowsTheStateFolderOfTheEnvironment) {
  const auto saved = [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  };
  const auto state = saved("XDG_STATE_HOME");
  const auto home = saved("HOME");
  ::setenv("XDG_STATE_HOME", (temp_ / "xdg").c_str(), 1);
  ::setenv("HOME", (temp_ / "home").c_str(), 1);
  EXPECT_EQ(backups::DefaultRoot(), temp_ / "xdg" / "quib-configurator" / "backups");
  ::setenv("XDG_STATE_HOME", "relative/is/ignored", 1);
  EXPECT_EQ(backups::DefaultRoot(),
            temp_ / "home" / ".local" / "state" / "quib-configurator" / "backups");
  ::unsetenv("XDG_STATE_HOME");
  ::unsetenv("HOME");
  EXPECT_THROW(backups::DefaultRoot(), backups::BackupError);
  for (const auto& [name, value] : {std::pair{"XDG_STATE_HOME", state}, std::pair{"HOME", home}}) {
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
}
#endif

// The write of several files through the store, with a failure injected at
// each step. Removing a prepared temporary file makes its replacement fail,
// which no file permission can do for root.
class SaveWithBackup : public Backups {
 protected:
  SaveWithBackup() {
    Write(Emu("quib.cfg"), "old cfg\n");
    Write(Emu("quib.inp"), "old inp\n");
  }
  std::vector<save_set::Entry> NewFiles() const {
    return {{Emu("quib.cfg"), "new cfg\r\n"}, {Emu("quib.inp"), "new inp\r\n"}};
  }
};

TEST_F(SaveWithBackup, ReplacesEveryFileAfterKeepingTheOldOnes) {
  auto store = MakeStore();
  backups::SaveWithBackup(NewFiles(), store);
  EXPECT_EQ(Read(Emu("quib.cfg")), "new cfg\r\n");
  EXPECT_EQ(Read(Emu("quib.inp")), "new inp\r\n");
  const auto sets = store.List();
  ASSERT_EQ(sets.size(), 1u);
  const auto kept = store.Read(sets[0]);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].bytes, "old cfg\n");
  EXPECT_EQ(kept[1].bytes, "old inp\n");
  // Only the emulator's files are in the emulator directory afterwards.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(temp_ / "Quib Emulator"))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"quib.cfg", "quib.inp"}));

  // Writing the set back restores the bytes exactly, and is itself kept.
  std::vector<save_set::Entry> back;
  for (const auto& file : kept) back.push_back({temp_ / "Quib Emulator" / file.name, file.bytes});
  backups::SaveWithBackup(back, store);
  EXPECT_EQ(Read(Emu("quib.cfg")), "old cfg\n");
  EXPECT_EQ(Read(Emu("quib.inp")), "old inp\n");
  ASSERT_EQ(store.List().size(), 2u);
  EXPECT_EQ(store.Read(store.List()[0])[0].bytes, "new cfg\r\n");
}

// Whichever replacement fails, the folder ends as it was: the files already
// replaced are put back from the set, which then goes.
TEST_F(SaveWithBackup, AFailedReplacementPutsBackTheFilesAlreadyReplaced) {
  for (const std::size_t broken : {0u, 1u, 2u}) {
    SCOPED_TRACE(broken);
    auto store = MakeStore();
    std::vector<save_set::Entry> files = NewFiles();
    files.push_back({Emu("quib.thm"), "new thm\r\n"});  // a file that did not exist
    std::swap(files[0], files[2]);
    backups::SaveHooks hooks;
    hooks.afterBackup = [&](const save_set::PreparedSet& prepared) {
      fs::remove(prepared.file(broken).temp());
    };
    try {
      backups::SaveWithBackup(files, store, hooks);
      FAIL() << "saved";
    } catch (const save_set::SaveSetError& error) {
      const std::string text = error.what();
      EXPECT_EQ(text.rfind("Nothing was saved: Cannot create file ", 0), 0u) << text;
      EXPECT_EQ(text.find(" The files already replaced were put back."),
                broken == 0
                    ? std::string::npos
                    : text.size() - std::strlen(" The files already replaced were put back."))
          << text;
      EXPECT_TRUE(error.saved().empty());
    }
    EXPECT_EQ(Read(Emu("quib.cfg")), "old cfg\n");
    EXPECT_EQ(Read(Emu("quib.inp")), "old inp\n");
    EXPECT_FALSE(fs::exists(Emu("quib.thm")));
    EXPECT_TRUE(store.List().empty());
    EXPECT_TRUE(store.Unfinished().empty());
  }
}

// One saver at a time: a second save of the same folder waits, then says why.
TEST_F(SaveWithBackup, ASecondSaverOfTheSameFolderWaitsThenIsTurnedAway) {
  auto store = MakeStore();
  {
    const backups::SaveLock held(store);
    backups::SaveHooks hooks;
    hooks.lockWait = std::chrono::milliseconds(100);
    EXPECT_THROW(backups::SaveWithBackup(NewFiles(), store, hooks), backups::BusyError);
    EXPECT_EQ(Read(Emu("quib.cfg")), "old cfg\n");
    // Another emulator folder is not held up.
    fs::create_directories(temp_ / "Other");
    backups::Store other(root_, temp_ / "Other");
    backups::SaveWithBackup({{temp_ / "Other" / "quib.cfg", "x"}}, other);
  }
  backups::SaveWithBackup(NewFiles(), store);
  EXPECT_EQ(Read(Emu("quib.cfg")), "new cfg\r\n");
}

}  // namespace
