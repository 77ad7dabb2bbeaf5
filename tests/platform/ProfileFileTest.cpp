#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ProfileFile.h"
#ifndef _WIN32
#include "tests/support/ChildProcess.h"
#endif

namespace fs = std::filesystem;
using platform::profile::Read;
using platform::profile::ReadFile;
using platform::profile::Write;
using platform::profile::WriteFile;

namespace {

const char kSettings[] =
    "; written by hand\r\n"
    "Orphan=before any section\r\n"
    "[Settings]\r\n"
    "Left=120\r\n"
    "  Quib path =  /home/me/Quib dir/  \r\n"
    "Show NES warning=0\r\n"
    ";Top=999\r\n"
    "no equals sign here\r\n"
    "Title=\"  padded  \"\r\n"
    "Empty=\r\n"
    "Formula=a=b;c\r\n"
    "Left=130\r\n"
    "\r\n"
    "[Other]\r\n"
    "Top=7\r\n"
    "[settings]\r\n"
    "Top=8\r\n";

}  // namespace

TEST(ProfileRead, FindsKeysOfTheFirstMatchingSectionWithoutRegardToCase) {
  EXPECT_EQ(Read(kSettings, "settings", "LEFT"), "120");  // the first of two
  EXPECT_EQ(Read(kSettings, " Settings ", "quib PATH"), "/home/me/Quib dir/");
  EXPECT_EQ(Read(kSettings, "Settings", "Show NES warning"), "0");
  EXPECT_EQ(Read(kSettings, "OTHER", "top"), "7");
  // Top of the second "[settings]" is never reached: the first section wins.
  EXPECT_EQ(Read(kSettings, "Settings", "Top"), std::nullopt);
}

TEST(ProfileRead, ValuesLoseBlanksAndOnePairOfQuotesOnly) {
  EXPECT_EQ(Read(kSettings, "Settings", "Title"), "  padded  ");
  EXPECT_EQ(Read("[s]\nk=\"a\"b\"\n", "s", "k"), "a\"b");
  EXPECT_EQ(Read("[s]\nk=\"abc\n", "s", "k"), "\"abc");
  EXPECT_EQ(Read("[s]\nk=\"\n", "s", "k"), "\"");
  EXPECT_EQ(Read("[s]\nk=\"\"\n", "s", "k"), "");
  EXPECT_EQ(Read(kSettings, "Settings", "Formula"), "a=b;c");
  EXPECT_EQ(Read(kSettings, "Settings", "Empty"), "");
}

TEST(ProfileRead, MissingSectionsKeysCommentsAndPlainLinesGiveNothing) {
  EXPECT_EQ(Read(kSettings, "Nope", "Left"), std::nullopt);
  EXPECT_EQ(Read(kSettings, "Settings", "Nope"), std::nullopt);
  EXPECT_EQ(Read(kSettings, "Settings", "Orphan"), std::nullopt);
  EXPECT_EQ(Read(kSettings, "Settings", "no equals sign here"), std::nullopt);
  EXPECT_EQ(Read("", "Settings", "Left"), std::nullopt);
  EXPECT_EQ(Read("[Settings", "Settings", "Left"), std::nullopt);
  EXPECT_EQ(Read("[Settings\nLeft=3", "Settings", "Left"), "3");     // unclosed header
  EXPECT_EQ(Read("[Settings]\rLeft=4\r", "Settings", "Left"), "4");  // lone CR breaks
}

TEST(ProfileWrite, CreatesTheFileAndTheSection) {
  EXPECT_EQ(Write("", "Settings", "Quib path", "/home/me/Quib dir/"),
            "[Settings]\r\nQuib path=/home/me/Quib dir/\r\n");
  EXPECT_EQ(Write("[Other]\nA=1", "Settings", "Left", ""),
            "[Other]\r\nA=1\r\n[Settings]\r\nLeft=\r\n");
}

TEST(ProfileWrite, ReplacesOnlyTheFirstMatchAndKeepsEveryOtherLine) {
  const auto written = Write(kSettings, "SETTINGS", "left", "5");
  ASSERT_TRUE(written);
  std::string expected = kSettings;
  expected.replace(expected.find("Left=120"), 8, "Left=5");
  EXPECT_EQ(*written, expected);

  // The text before the "=" stays as it was, blanks included.
  const auto path = Write(kSettings, "Settings", "Quib Path", "/x/");
  ASSERT_TRUE(path);
  EXPECT_NE(path->find("\r\n  Quib path =/x/\r\n"), std::string::npos);
  EXPECT_EQ(Read(*path, "Settings", "Quib path"), "/x/");
}

TEST(ProfileWrite, AppendsAfterTheLastNonBlankLineOfTheSection) {
  const auto written = Write(kSettings, "Settings", "Last ROM path", "/roms/");
  ASSERT_TRUE(written);
  std::string expected = kSettings;
  expected.insert(expected.find("\r\n\r\n[Other]") + 2, "Last ROM path=/roms/\r\n");
  EXPECT_EQ(*written, expected);

  EXPECT_EQ(Write("[A]\n\n\n[B]\nx=1\n", "a", "k", "v"), "[A]\r\nk=v\r\n\r\n\r\n[B]\r\nx=1\r\n");
  EXPECT_EQ(Write("[A]\n;note\n\n", "A", "k", "v"), "[A]\r\n;note\r\nk=v\r\n\r\n");
}

TEST(ProfileWrite, WritesEveryLineWithCrLf) {
  EXPECT_EQ(Write("x\ny\rz", "s", "k", "v"), "x\r\ny\r\nz\r\n[s]\r\nk=v\r\n");
}

TEST(ProfileWrite, KeysWrittenInTurnStayInTheirOrder) {
  std::string text;
  for (const char* key : {"Left", "Top", "Quib path", "Active page", "Show NES warning"}) {
    text = *Write(text, "Settings", key, "1");
  }
  text = *Write(text, "Settings", "top", "2");
  EXPECT_EQ(text,
            "[Settings]\r\nLeft=1\r\nTop=2\r\nQuib path=1\r\nActive page=1\r\n"
            "Show NES warning=1\r\n");
}

TEST(ProfileWrite, RefusesWhatWouldNotReadBack) {
  EXPECT_EQ(Write("", "s", "k", "one\ntwo"), std::nullopt);
  EXPECT_EQ(Write("", "s", "k", "one\rtwo"), std::nullopt);
  EXPECT_EQ(Write("", "s]x", "k", "v"), std::nullopt);
  EXPECT_EQ(Write("", "s\n[t", "k", "v"), std::nullopt);
  EXPECT_EQ(Write("", "s", "a=b", "v"), std::nullopt);
  EXPECT_EQ(Write("", "s", "[k", "v"), std::nullopt);
  EXPECT_EQ(Write("", "s", ";k", "v"), std::nullopt);
  EXPECT_EQ(Write("", "s", "  ", "v"), std::nullopt);
  // Blanks around the names are dropped, as the reader drops them.
  EXPECT_EQ(Write("", " s ", " k ", "v"), "[s]\r\nk=v\r\n");
}

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quib-profile-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    file_ = dir_ / "Quib Configurator.ini";
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(file_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  std::string Contents() const {
    std::ifstream in(file_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Put(const std::string& text) const { std::ofstream(file_, std::ios::binary) << text; }

  fs::path dir_;
  fs::path file_;
};

TEST_F(ProfileFileTest, CreatesReadsAndUpdatesAFile) {
  EXPECT_EQ(ReadFile(file_, "Settings", "Left", "100"), "100");
  ASSERT_TRUE(WriteFile(file_, "Settings", "Left", "12"));
  ASSERT_TRUE(WriteFile(file_, "Settings", "Quib path", "/home/zoë/Quib dir/"));
  EXPECT_EQ(Contents(), "[Settings]\r\nLeft=12\r\nQuib path=/home/zoë/Quib dir/\r\n");
  EXPECT_EQ(ReadFile(file_, "settings", "quib path", ""), "/home/zoë/Quib dir/");
  EXPECT_EQ(ReadFile(file_, "Settings", "Top", "100"), "100");

  Put("# mine\n[Settings]\nLeft=1\n[Keep]\nx=y\n");
  ASSERT_TRUE(WriteFile(file_, "Settings", "Left", "2"));
  EXPECT_EQ(Contents(), "# mine\r\n[Settings]\r\nLeft=2\r\n[Keep]\r\nx=y\r\n");
}

TEST_F(ProfileFileTest, FailuresReturnFalseAndKeepTheOldFile) {
  EXPECT_FALSE(WriteFile(dir_ / "missing" / "x.ini", "s", "k", "v"));
  EXPECT_FALSE(WriteFile(dir_, "s", "k", "v"));  // a folder
  EXPECT_FALSE(WriteFile(file_, "s", "k", "line\nbreak"));
  EXPECT_FALSE(fs::exists(file_));
}

#ifndef _WIN32
TEST_F(ProfileFileTest, UnreadableOrReadOnlyFilesStayAsTheyWere) {
  // Permissions do not bind root: the checks run as nobody, who owns the
  // folder and the file then.
  Put("[s]\nk=old\n");
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(dir_.c_str(), test_support::NobodyUid(), test_support::NobodyGid()), 0);
    ASSERT_EQ(::chown(file_.c_str(), test_support::NobodyUid(), test_support::NobodyGid()), 0);
  }
  fs::permissions(file_, fs::perms::none);
  EXPECT_EQ(test_support::InChild(
                [&] {
                  std::string report;
                  // Cannot be read: not replaced by a file holding only the new key.
                  if (WriteFile(file_, "s", "other", "v")) report += "unreadable file written; ";
                  if (ReadFile(file_, "s", "k", "default") != "default")
                    report += "unreadable file read; ";
                  return report;
                },
                true),
            "");
  fs::permissions(file_, fs::perms::owner_read);
  EXPECT_EQ(test_support::InChild(
                [&] {
                  if (ReadFile(file_, "s", "k", "default") != "old")
                    return "readable file not read";
                  return WriteFile(file_, "s", "k", "new") ? "read-only file written" : "";
                },
                true),
            "");
  EXPECT_EQ(Contents(), "[s]\nk=old\n");
}
#endif
