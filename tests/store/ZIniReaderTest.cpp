#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/ZIniReader.h"

namespace fs = std::filesystem;

namespace {

// Runs every test with writes allowed unless it says otherwise.
class Store : public ::testing::Test {
 protected:
  StoreWrites writes_;
};

class StoreFiles : public Store {
 protected:
  void SetUp() override {
    Store::SetUp();
    dir_ = fs::temp_directory_path() /
           ("quib-store-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
    Store::TearDown();
  }
  void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  fs::path dir_;
};

TEST_F(Store, ReadsFirstMatchingNameWithoutRegardToCase) {
  Document doc = {";key=0", "key", "[key=section]", "KEY=1 ; note", "key=2"};
  EXPECT_EQ(ReadValue(doc, "key"), "1");
  EXPECT_EQ(ReadValue(doc, "Key"), "1");
  EXPECT_EQ(ReadValue(doc, ";key"), "0");
  EXPECT_EQ(ReadValue(doc, "missing"), "");
  // Accented Latin-1 letters fold too, other bytes do not.
  Document accented = {"\xC9t\xE9=yes"};  // Été
  EXPECT_EQ(ReadValue(accented, "\xE9T\xC9"), "yes");
  EXPECT_EQ(ReadValue(accented, "\xC9t\xF7"), "");
}

TEST_F(Store, LookupDoesNotTrimNames) {
  Document doc = {"key = value ; note"};
  EXPECT_EQ(ReadValue(doc, "key"), "");
  EXPECT_EQ(ReadValue(doc, "key "), "value");
  NormalizeLines(doc);
  EXPECT_EQ(doc[0], "key=value ; note");
  EXPECT_EQ(ReadValue(doc, "key"), "value");
}

TEST_F(Store, ReadIntegerAcceptsOnlyWholeNumbers) {
  const std::pair<const char*, int> cases[] = {{"-5", -5},
                                               {"+7", 7},
                                               {"$10", 16},
                                               {"x1f", 31},
                                               {"0X10", 16},
                                               {"yes", 0},
                                               {"", 0},
                                               {"99999999999", 0},
                                               {"2147483647", 2147483647},
                                               {"-2147483648", INT32_MIN},
                                               {"2147483648", 0},
                                               {"1.5", 0},
                                               {"0x", 0},
                                               {"-", 0},
                                               {"12abc", 0},
                                               {"$7FFFFFFF", INT32_MAX},
                                               {"$80000000", 0}};
  for (const auto& [text, expected] : cases) {
    Document doc = {std::string("n=") + text};
    EXPECT_EQ(ReadInteger(doc, "n"), expected) << text;
  }
  EXPECT_EQ(ReadInteger(Document{}, "n"), 0);
}

TEST_F(Store, WriteKeepsTheCommentTail) {
  const std::pair<const char*, const char*> cases[] = {
      {"fb_width=320   ; width", "fb_width=400   ; width"},
      {"fb_width=320;width", "fb_width=400;width"},
      {"fb_width=320", "fb_width=400"},
      {"FB_Width=320", "fb_width=400"},
      {"fb_width=", "fb_width=400"},
      {"fb_width=;width", "fb_width=400;width"},
      {"fb_width=1\t; note", "fb_width=400; note"},
  };
  for (const auto& [before, after] : cases) {
    Document doc = {"# head", before, "tail"};
    WriteValue(doc, "fb_width", "400");
    EXPECT_EQ(doc, (Document{"# head", after, "tail"})) << before;
  }
}

TEST_F(Store, WriteAppendsMissingAndDeletesEmpty) {
  Document doc = {"[section]"};
  WriteValue(doc, "fb_width", "400");
  EXPECT_EQ(doc, (Document{"[section]", "fb_width=400"}));
  WriteValue(doc, "fb_width", "");
  EXPECT_EQ(doc, (Document{"[section]"}));
  Document commented = {"fb_width=320 ; width"};
  WriteValue(commented, "fb_width", "");
  EXPECT_EQ(commented, (Document{"fb_width= ; width"}));
  WriteInteger(doc, "n", -12);
  EXPECT_EQ(doc.back(), "n=-12");
}

TEST_F(Store, DuplicatesOnlyTheFirstIsSeen) {
  Document doc = {"key=1", "key=2"};
  WriteValue(doc, "key", "3");
  EXPECT_EQ(doc, (Document{"key=3", "key=2"}));
  DeleteKey(doc, "KEY");
  EXPECT_EQ(doc, (Document{"key=2"}));
  EXPECT_EQ(ReadValue(doc, "key"), "2");
  DeleteKey(doc, "missing");
  EXPECT_EQ(doc.size(), 1u);
}

TEST_F(Store, NothingIsWrittenWhileFilling) {
  Document doc = {"key=1"};
  {
    FillGuard outer;
    {
      FillGuard inner;
      WriteValue(doc, "key", "2");
    }
    EXPECT_FALSE(LoadingFinished);  // only the outermost fill restores it
    WriteValue(doc, "new", "1");
    WriteInteger(doc, "key", 5);
    DeleteKey(doc, "key");
  }
  EXPECT_TRUE(LoadingFinished);
  EXPECT_EQ(doc, (Document{"key=1"}));
  try {
    FillGuard guard;
    throw std::runtime_error("fill failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(LoadingFinished);
}

TEST_F(Store, NormalizeTrimsNameLinesOnly) {
  Document doc = {"  fb_width = 320   ; width of the browser  ",
                  ";a = b",
                  "[Section]",
                  "",
                  "a = b;c = d",
                  "\tx\t=\t\x01y\x7f",
                  "plain text"};
  NormalizeLines(&doc);
  EXPECT_EQ(doc, (Document{"fb_width=320   ; width of the browser", ";a = b", "[Section]", "",
                           "a=b;c = d", "x=y\x7f", "plain text"}));
  NormalizeLines(nullptr);  // an absent document is skipped
}

TEST_F(StoreFiles, LoadSplitsEveryKindOfLineBreakAndKeepsEveryByte) {
  const std::string bytes("a=1\r\nb=2\nc=3\rd\0e\r\n\r\n\xff\x80 end", 26);
  const fs::path p = dir_ / "mixed.cfg";
  Write(p, bytes);
  Document doc = {"old"};
  LoadDocument(doc, p);
  ASSERT_EQ(doc.size(), 6u);
  EXPECT_EQ(doc[0], "a=1");
  EXPECT_EQ(doc[3], std::string("d\0e", 3));
  EXPECT_EQ(doc[4], "");
  EXPECT_EQ(doc[5], "\xff\x80 end");
  SaveDocument(doc, p);
  EXPECT_EQ(Read(p), std::string("a=1\r\nb=2\r\nc=3\r\nd\0e\r\n\r\n\xff\x80 end\r\n", 30));
}

TEST_F(StoreFiles, EmptyFilesAndDocuments) {
  const fs::path p = dir_ / "empty.cfg";
  Write(p, "");
  Document doc = {"x"};
  LoadDocument(doc, p);
  EXPECT_TRUE(doc.empty());
  Write(p, "only\r\n");
  LoadDocument(doc, p);
  EXPECT_EQ(doc, (Document{"only"}));
  SaveDocument(Document{}, p);
  EXPECT_EQ(Read(p), "");
}

TEST_F(StoreFiles, LongLinesSurvive) {
  const std::string line(3 * 1024 * 1024, 'v');
  const fs::path p = dir_ / "long.cfg";
  SaveDocument(Document{"k=" + line, "z=1"}, p);
  Document doc;
  LoadDocument(doc, p);
  ASSERT_EQ(doc.size(), 2u);
  EXPECT_EQ(ReadValue(doc, "k"), line);
}

TEST_F(StoreFiles, LoadFailuresNameTheFile) {
  Document doc = {"kept"};
  const fs::path missing = dir_ / "missing.cfg";
  try {
    LoadDocument(doc, missing);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.kind(), FileError::Kind::Open);
    EXPECT_EQ(e.fileName(), missing.string());
    EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + missing.string() + "\". ", 0),
              0u);
    EXPECT_FALSE(e.reason().empty());
  }
  EXPECT_THROW(LoadDocument(doc, dir_), FileError);  // a directory
  EXPECT_EQ(doc, (Document{"kept"}));
}

// Permissions, symbolic links and privileges as POSIX systems have them; the
// Windows side has its own tests.
#ifndef _WIN32
TEST_F(StoreFiles, SaveIsAtomicAndKeepsPermissions) {
  const fs::path p = dir_ / "quib.cfg";
  Write(p, "old=1\r\n");
  ::chmod(p.c_str(), 0640);
  SaveDocument(Document{"new=2"}, p);
  EXPECT_EQ(Read(p), "new=2\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(p.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(StoreFiles, SaveThroughASymlinkReplacesItsTarget) {
  fs::create_directories(dir_ / "real");
  const fs::path target = dir_ / "real" / "quib.cfg";
  const fs::path link = dir_ / "quib.cfg";
  Write(target, "old\r\n");
  fs::create_symlink("real/quib.cfg", link);
  SaveDocument(Document{"new"}, link);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(target), "new\r\n");
}

// Permission checks do not apply to root, so as root the saves run in a child
// process that has given up its privileges.
template <typename Body>
void AsUnprivileged(Body body) {
  if (::geteuid() != 0) {
    body();
    return;
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    body();
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(StoreFiles, FailedSaveLeavesTheOldFileAndAClosedFolderIsWrittenInPlace) {
  ::chmod(dir_.c_str(), 0755);
  const fs::path p = dir_ / "quib.cfg";
  Write(p, "old=1\r\n");
  ::chmod(p.c_str(), 0444);
  AsUnprivileged([&] {
    try {
      SaveDocument(Document{"new=2"}, p);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.kind(), FileError::Kind::Create);
      EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + p.string() + "\". ", 0), 0u);
    }
  });
  EXPECT_EQ(Read(p), "old=1\r\n");
  // A read-only directory takes no temporary file: its writable file is
  // written in place instead.
  ::chmod(p.c_str(), 0666);
  ::chmod(dir_.c_str(), 0555);
  AsUnprivileged([&] { SaveDocument(Document{"new=2"}, p); });
  EXPECT_EQ(Read(p), "new=2\r\n");
}

#endif  // !_WIN32

TEST_F(StoreFiles, SaveIntoAMissingDirectoryFails) {
  EXPECT_THROW(SaveDocument(Document{"a"}, dir_ / "gone" / "quib.cfg"), FileError);
}

}  // namespace
