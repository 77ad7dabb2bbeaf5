// The store's saving and loading on Windows: replacing through the system's
// own calls, read-only files, files other programs hold open, and names with
// letters beyond ASCII. Built only for Windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "store/AtomicFile.h"
#include "store/Apply.h"
#include "store/Cp1252.h"
#include "store/SaveSet.h"
#include "store/ZIniReader.h"

namespace fs = std::filesystem;

namespace {

class WindowsFiles : public ::testing::Test {
 protected:
  StoreWrites writes_;
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quib-win-" + std::to_string(::GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(dir_, ec))
      ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(dir_, ec);
  }

  static void Put(const fs::path& p, const std::string& bytes) {
    HANDLE h = ::CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD wrote = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
    ::CloseHandle(h);
  }
  static std::string Get(const fs::path& p) {
    HANDLE h = ::CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(1 << 16, '\0');
    DWORD got = 0;
    ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    ::CloseHandle(h);
    bytes.resize(got);
    return bytes;
  }
  // The names in the folder, to see that no temporary or backup file stays.
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names.push_back(entry.path().filename().wstring());
    return names;
  }
  static std::string SystemText(DWORD code) {
    char buffer[512] = {};
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               code, 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, n);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
      text.pop_back();
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
  }

  fs::path dir_;
};

TEST_F(WindowsFiles, ReplacesAnExistingFileKeepingItsAttributes) {
  const fs::path p = dir_ / "quib.cfg";
  Put(p, "old=1\n");
  ASSERT_TRUE(::SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  SaveDocument(Document{"new=2", "", "; comment"}, p);
  EXPECT_EQ(Get(p), "new=2\r\n\r\n; comment\r\n");
  EXPECT_TRUE(::GetFileAttributesW(p.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"quib.cfg"});

  // A second save over the file just written, and a new file beside it.
  SaveDocument(Document{"third"}, p);
  SaveDocument(Document{}, dir_ / "new.cfg");
  EXPECT_EQ(Get(p), "third\r\n");
  EXPECT_EQ(Get(dir_ / "new.cfg"), "");
  EXPECT_EQ(Names().size(), 2u);
}

TEST_F(WindowsFiles, ReadOnlyFileIsRefusedAndLeftAsItWas) {
  const fs::path p = dir_ / "quib.thm";
  Put(p, "old\r\n");
  ASSERT_TRUE(::SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_READONLY));
  try {
    SaveDocument(Document{"new"}, p);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.kind(), FileError::Kind::Create);
    EXPECT_EQ(e.fileName(), p.string());
    EXPECT_EQ(e.reason(), SystemText(ERROR_ACCESS_DENIED));
  }
  EXPECT_EQ(Get(p), "old\r\n");
  EXPECT_TRUE(::GetFileAttributesW(p.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"quib.thm"});
}

TEST_F(WindowsFiles, FileHeldOpenByAnotherHandleIsNeverHalfWritten) {
  const fs::path p = dir_ / "quib.blt";
  Put(p, "old\r\n");
  // Another program reading and writing it, without letting it be renamed.
  HANDLE other =
      ::CreateFileW(p.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  try {
    SaveDocument(Document{"new"}, p);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.kind(), FileError::Kind::Create);
    // The reason says the file is in use, not that some removal failed.
    EXPECT_EQ(e.reason(), SystemText(ERROR_SHARING_VIOLATION));
  }
  ::CloseHandle(other);
  EXPECT_EQ(Get(p), "old\r\n");
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"quib.blt"});

  // Once the other program lets go, the save goes through.
  SaveDocument(Document{"new"}, p);
  EXPECT_EQ(Get(p), "new\r\n");

  // A reader that allows renaming does not stop the save, and keeps reading
  // the old contents through its handle.
  other =
      ::CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  SaveDocument(Document{"newer"}, p);
  char buffer[16] = {};
  DWORD got = 0;
  ::ReadFile(other, buffer, sizeof buffer, &got, nullptr);
  ::CloseHandle(other);
  EXPECT_EQ(std::string(buffer, got), "new\r\n");
  EXPECT_EQ(Get(p), "newer\r\n");
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"quib.blt"});
}

TEST_F(WindowsFiles, LoadingWhileAnotherProgramWritesIsRefused) {
  const fs::path p = dir_ / "quib.inp";
  Put(p, "a=1\r\n");
  HANDLE writer = ::CreateFileW(p.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  Document doc = {"kept"};
  EXPECT_THROW(LoadDocument(doc, p), FileError);
  EXPECT_EQ(doc, Document{"kept"});
  ::CloseHandle(writer);
  LoadDocument(doc, p);
  EXPECT_EQ(doc, Document{"a=1"});
}

TEST_F(WindowsFiles, LineBreaksAreReadInEveryFormAndWrittenAsCrLf) {
  // Binary reading: no CR is dropped and a Ctrl-Z does not end the file.
  const fs::path p = dir_ / "quibw.cfg";
  Put(p, "a=1\r\nb=2\nc=3\rd=\x1a\r\n\r\nlast");
  Document doc;
  LoadDocument(doc, p);
  EXPECT_EQ(doc, (Document{"a=1", "b=2", "c=3", "d=\x1a", "", "last"}));
  SaveDocument(doc, p);
  EXPECT_EQ(Get(p), "a=1\r\nb=2\r\nc=3\r\nd=\x1a\r\n\r\nlast\r\n");
}

TEST_F(WindowsFiles, NamesWithWindows1252LettersWork) {
  // The folder and file names as the emulator's users spell them, in
  // Windows-1252 bytes: letters that Latin-1 lacks (Š, Œ, Ÿ) as well.
  const std::string folder =
      "\xC9mulateur \x8A\x8C\x9F \xD1"
      "and\xFA";
  const std::string file = "quib-\xE6\xF8\xE5.cfg";
  const fs::path dir = dir_ / fs::path(cp1252::ToUtf16(folder));
  const fs::path p = dir / fs::path(cp1252::ToUtf16(file));
  EXPECT_EQ(dir.filename().wstring(), L"\u00C9mulateur \u0160\u0152\u0178 \u00D1and\u00FA");
  fs::create_directories(dir);

  SaveDocument(Document{"name=\xC9t\xE9"}, p);
  EXPECT_EQ(Get(p), "name=\xC9t\xE9\r\n");
  SaveDocument(Document{"name=again"}, p);
  Document doc;
  LoadDocument(doc, p);
  EXPECT_EQ(doc, Document{"name=again"});
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  // The same name reached through UTF-8 is the same file.
  const fs::path utf8 = dir_ / fs::path(u8"\u00C9mulateur \u0160\u0152\u0178 \u00D1and\u00FA") /
                        fs::path(u8"quib-\u00E6\u00F8\u00E5.cfg");
  LoadDocument(doc, utf8);
  EXPECT_EQ(doc, Document{"name=again"});

  // Messages name the file in the ANSI code page, so the letters survive
  // wherever that page has them.
  const fs::path missing = dir / fs::path(cp1252::ToUtf16("\xDFmissing.cfg"));
  try {
    LoadDocument(doc, missing);
    FAIL() << "no error";
  } catch (const FileError& e) {
    if (::GetACP() == 1252) {
      EXPECT_EQ(e.fileName().substr(e.fileName().size() - 12), "\xDFmissing.cfg");
      EXPECT_NE(e.fileName().find(folder), std::string::npos);
    }
    EXPECT_EQ(e.kind(), FileError::Kind::Open);
  }
}

TEST_F(WindowsFiles, PreparedFileWaitsUntilCommitAndVanishesWhenDiscarded) {
  const fs::path p = dir_ / "quib.cfg";
  Put(p, "old\r\n");
  {
    atomic_file::PendingFile pending(p, "new\r\n");
    EXPECT_EQ(Get(p), "old\r\n");
    EXPECT_EQ(Get(pending.temp()), "new\r\n");
    EXPECT_EQ(pending.temp().parent_path(), dir_);
  }
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"quib.cfg"});
  atomic_file::PendingFile pending(p, "new\r\n");
  pending.Commit();
  EXPECT_TRUE(pending.temp().empty());
  EXPECT_EQ(Get(p), "new\r\n");
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"quib.cfg"});
}

// The five files of an Apply are saved as one on Windows too: a read-only
// file among them stops the save before any file is replaced.
TEST_F(WindowsFiles, SetOfFilesIsSavedWholeOrNotAtAll) {
  const std::vector<std::wstring> names = {L"quib.cfg", L"quib.blt", L"quib.thm"};
  for (const auto& name : names) Put(dir_ / name, "old\r\n");
  ASSERT_TRUE(::SetFileAttributesW((dir_ / L"quib.thm").c_str(), FILE_ATTRIBUTE_READONLY));
  std::vector<save_set::Entry> entries;
  for (const auto& name : names) entries.push_back({dir_ / name, "new\r\n"});
  try {
    save_set::PreparedSet set(entries);
    ADD_FAILURE() << "prepared";
  } catch (const save_set::SaveSetError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Nothing was saved:", 0), 0u) << e.what();
  }
  for (const auto& name : names) EXPECT_EQ(Get(dir_ / name), "old\r\n");
  EXPECT_EQ(Names().size(), 3u);  // no temporary file stays

  ::SetFileAttributesW((dir_ / L"quib.thm").c_str(), FILE_ATTRIBUTE_NORMAL);
  save_set::PreparedSet set(entries);
  set.CommitAll();
  for (const auto& name : names) EXPECT_EQ(Get(dir_ / name), "new\r\n");
  EXPECT_EQ(Names().size(), 3u);
}

TEST_F(WindowsFiles, SavingIntoAFolderThatIsMissingOrAFolderFails) {
  EXPECT_THROW(SaveDocument(Document{"a"}, dir_ / "gone" / "quib.cfg"), FileError);
  fs::create_directories(dir_ / "quib.cfg");
  EXPECT_THROW(SaveDocument(Document{"a"}, dir_ / "quib.cfg"), FileError);
  EXPECT_TRUE(fs::is_directory(dir_ / "quib.cfg"));
}

// A file with a second name is written in place, so both names keep showing
// one file (a replacement would split them).
TEST_F(WindowsFiles, HardLinkedFileIsWrittenInPlaceAndStaysLinked) {
  const fs::path p = dir_ / "quib.cfg";
  Put(p, "old contents\r\n");
  ASSERT_TRUE(::CreateHardLinkW((dir_ / "linked.cfg").c_str(), p.c_str(), nullptr));
  {
    atomic_file::PendingFile pending(p, "new\r\n");
    EXPECT_TRUE(pending.inPlace());
    EXPECT_EQ(Get(pending.temp()), "old contents\r\n");
    pending.Commit();
  }
  EXPECT_EQ(Get(p), "new\r\n");
  EXPECT_EQ(Get(dir_ / "linked.cfg"), "new\r\n");
  EXPECT_EQ(Names().size(), 2u);
}

// ReplaceFileW may fail after moving the old file to the backup name; the
// old file then goes back under its own name.
TEST_F(WindowsFiles, AReplacementFailedInItsSecondStepPutsTheOldFileBack) {
  const fs::path p = dir_ / "quib.cfg";
  const fs::path backup = dir_ / "quib.cfg.~backup.tmp";
  Put(backup, "old\r\n");
  EXPECT_TRUE(atomic_file::RecoverFailedReplace(p, backup));
  EXPECT_EQ(Get(p), "old\r\n");
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"quib.cfg"});
  Put(backup, "other\r\n");  // the target is there: nothing is moved
  EXPECT_TRUE(atomic_file::RecoverFailedReplace(p, backup));
  EXPECT_EQ(Get(p), "old\r\n");
  EXPECT_FALSE(atomic_file::RecoverFailedReplace(dir_ / "none.cfg", dir_ / "no-backup.tmp"));
}

// A file the emulator holds open without letting it be renamed stops an
// Apply half-way: the files replaced before it are put back.
TEST_F(WindowsFiles, AFileHeldOpenHalfWayThroughAnApplyLeavesEveryFileAsItWas) {
  const fs::path emulator = dir_ / "emulator";
  fs::create_directories(emulator);
  std::vector<save_set::Entry> entries;
  for (const char* name : {"quib.cfg", "quib.blt", "quib.thm"}) {
    Put(emulator / name, "old\r\n");
    entries.push_back({emulator / name, "new\r\n"});
  }
  HANDLE held =
      ::CreateFileW((emulator / "quib.blt").c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  backups::Store store(dir_ / "state", emulator);
  try {
    backups::SaveWithBackup(entries, store);
    ADD_FAILURE() << "saved";
  } catch (const save_set::SaveSetError& e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("Nothing was saved:", 0), 0u) << text;
    EXPECT_NE(text.find("The files already replaced were put back."), std::string::npos) << text;
  }
  ::CloseHandle(held);
  for (const char* name : {"quib.cfg", "quib.blt", "quib.thm"})
    EXPECT_EQ(Get(emulator / name), "old\r\n") << name;
  EXPECT_EQ(std::distance(fs::directory_iterator(emulator), fs::directory_iterator()), 3);
  EXPECT_TRUE(store.List().empty());
}

}  // namespace
