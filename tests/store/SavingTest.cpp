// Reading settings files safely, telling whether they changed on disk, and
// saving: owners and hard links kept, several files saved all or none.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Process.h"
#include "store/FileStamp.h"
#include "store/SaveSet.h"
#include "store/ZIniReader.h"
#include "tests/support/ChildProcess.h"

namespace fs = std::filesystem;
using save_set::Entry;
using save_set::PreparedSet;
using save_set::SaveSetError;
using test_support::InChild;

namespace {

class Saving : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quib-saving-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path Put(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static struct stat Stat(const fs::path& p) {
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
    return st;
  }
  // Every name in the folder, sorted: shows leftover temporary files.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  // The reason of the FileError that loading p throws, or "" without one.
  static std::string LoadRefusal(const fs::path& p) {
    Document doc{"kept"};
    try {
      LoadDocument(doc, p);
    } catch (const FileError& e) {
      EXPECT_EQ(doc, Document{"kept"});
      EXPECT_EQ(e.fileName(), p.string());
      return e.reason();
    }
    return "";
  }

  fs::path dir_;
};

TEST_F(Saving, OnlyRegularFilesOfASaneSizeAreRead) {
  // A FIFO without a writer would block a plain open forever.
  const fs::path fifo = dir_ / "quib.cfg";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_EQ(LoadRefusal(fifo), "It is not a regular file.");
  const fs::path zero = dir_ / "quib.thm";
  fs::create_symlink("/dev/zero", zero);  // would read until memory runs out
  EXPECT_EQ(LoadRefusal(zero), "It is not a regular file.");
  EXPECT_EQ(LoadRefusal(dir_), "It is not a regular file.");

  // Sparse files: no disk space is used.
  const fs::path huge = Put("quib.blt", "");
  fs::resize_file(huge, kMaxSettingsFileBytes + 1);
  EXPECT_EQ(LoadRefusal(huge), "It is larger than 256 MB, too large for a settings file.");
  fs::resize_file(huge, 3);
  EXPECT_EQ(LoadRefusal(huge), "");
}

TEST_F(Saving, StampsTellContentChangesFromMereTouches) {
  const fs::path p = Put("quib.cfg", "a=1\r\nb=2\r\n");
  Document doc;
  FileStamp stamp;
  LoadDocument(doc, p, &stamp);
  EXPECT_EQ(stamp.size, 10u);
  EXPECT_EQ(stamp.hash, ContentHash("a=1\r\nb=2\r\n"));
  EXPECT_NE(stamp.mtimeNs, 0);
  EXPECT_TRUE(StillAsLoaded(p, stamp));

  fs::last_write_time(p, fs::last_write_time(p) + std::chrono::hours(1));
  EXPECT_TRUE(StillAsLoaded(p, stamp));  // touched, same bytes
  Put("quib.cfg", "a=1\r\nb=3\r\n");     // same size, other bytes
  EXPECT_FALSE(StillAsLoaded(p, stamp));
  Put("quib.cfg", "a=1\r\n");
  EXPECT_FALSE(StillAsLoaded(p, stamp));
  fs::remove(p);
  EXPECT_FALSE(StillAsLoaded(p, stamp));
  ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0);
  EXPECT_FALSE(StillAsLoaded(p, stamp));  // and does not block

  const fs::path q = Put("quib.inp", "x");
  const FileStamp written = StampOfWritten("x", q);
  EXPECT_TRUE(StillAsLoaded(q, written));
  EXPECT_EQ(written.mtimeNs, Stat(q).st_mtim.tv_sec * 1000000000 + Stat(q).st_mtim.tv_nsec);
}

TEST_F(Saving, FilesReadInPiecesGiveTheStampOfTheWholeText) {
  // The hash goes on from piece to piece: the stamp of a file read in many
  // pieces is that of its whole text, and the check before saving agrees.
  const std::size_t n = kReadPieceBytes;
  const std::string texts[] = {
      "k=v\n" + std::string(3 * n, 'x') + "\n" + std::string(n, 'y') + "\r",
      std::string(n, 'z') + "\n\n" + std::string(n - 2, '\0') + "\r\n", std::string(n, 'e')};
  for (const std::string& text : texts) {
    const fs::path p = Put("quib.cfg", text);
    Document doc;
    FileStamp stamp;
    LoadDocument(doc, p, &stamp);
    EXPECT_EQ(doc, ParseDocument(text));
    EXPECT_EQ(stamp.size, text.size());
    EXPECT_EQ(stamp.hash, ContentHash(text));
    EXPECT_EQ(ReadFileBytes(p), text);
    EXPECT_TRUE(StillAsLoaded(p, stamp));
    Put("quib.cfg", text.substr(0, text.size() - 1) + "!");  // the last byte of the last piece
    EXPECT_FALSE(StillAsLoaded(p, stamp));
  }
  // Pieces of any sizes hash as their whole; every byte and the length count.
  const std::string bytes = "key=value ; a comment that runs on\r\nnext=1\r\n";
  for (std::size_t cut1 = 0; cut1 <= bytes.size(); ++cut1)
    for (std::size_t cut2 = cut1; cut2 <= bytes.size(); cut2 += 3) {
      ContentHasher hasher;
      hasher.Add(std::string_view(bytes).substr(0, cut1));
      hasher.Add(std::string_view(bytes).substr(cut1, cut2 - cut1));
      hasher.Add(std::string_view(bytes).substr(cut2));
      EXPECT_EQ(hasher.Value(), ContentHash(bytes)) << cut1 << " " << cut2;
    }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string changed = bytes;
    changed[i] ^= 0x20;
    EXPECT_NE(ContentHash(changed), ContentHash(bytes)) << i;
  }
  EXPECT_NE(ContentHash(std::string("ab\0", 3)), ContentHash("ab"));
  EXPECT_NE(ContentHash(""), ContentHash(std::string(1, '\0')));
}

TEST_F(Saving, LinesNormalizedWhileReadMatchNormalizingAfterwards) {
  // Name lines with blanks around "=", one running over the edge of a piece,
  // next to comments that must stay as they are.
  const std::size_t n = kReadPieceBytes;
  const std::string text = std::string(n - 6, ';') + "\r\n  key  =  value ; tail \t\r" +
                           " ; note = kept \n\tx\t=\t1\nplain\n =\r\n" + std::string(n, 'v') +
                           " = w \r\n";
  const fs::path p = Put("quib.cfg", text);
  Document normalized;
  FileStamp stamp;
  LoadDocument(normalized, p, &stamp, LineForm::Normalized);
  Document after = ParseDocument(text);
  NormalizeLines(after);
  EXPECT_EQ(normalized, after);
  ASSERT_EQ(normalized.size(), 7u);
  EXPECT_EQ(normalized[1], "key=value ; tail");
  EXPECT_EQ(normalized[2], " ; note = kept ");
  EXPECT_EQ(normalized[3], "x=1");
  EXPECT_EQ(normalized[5], "=");
  EXPECT_EQ(normalized[6], std::string(n, 'v') + "=w");
  EXPECT_EQ(stamp.hash, ContentHash(text));  // the stamp is of the bytes on disk
}

TEST_F(Saving, ReplacingKeepsOwnerGroupAndMode) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving files to another user needs root";
  // Root saves a file of another user: it stays theirs, still private.
  const fs::path p = Put("quib.cfg", "old\r\n");
  ASSERT_EQ(::chown(p.c_str(), test_support::NobodyUid(), test_support::NobodyGid()), 0);
  ASSERT_EQ(::chmod(p.c_str(), 02600), 0);
  const ino_t before = Stat(p).st_ino;
  SaveDocument(Document{"new"}, p);
  const struct stat after = Stat(p);
  EXPECT_EQ(Read(p), "new\r\n");
  EXPECT_NE(after.st_ino, before);  // replaced, not written in place
  EXPECT_EQ(after.st_uid, test_support::NobodyUid());
  EXPECT_EQ(after.st_gid, test_support::NobodyGid());
  EXPECT_EQ(after.st_mode & 07777, 02600u);
  EXPECT_EQ(Names(), std::vector<std::string>{"quib.cfg"});
}

TEST_F(Saving, AnotherUsersSharedFileIsWrittenInPlaceAndStaysTheirs) {
  // A file of root's that everyone may write, in a folder everyone may write:
  // nobody cannot give a new file to root, so the file is written in place.
  if (::geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
  const fs::path p = Put("quib.cfg", "old contents\r\n");
  ASSERT_EQ(::chmod(p.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir_.c_str(), 0777), 0);
  const struct stat before = Stat(p);
  EXPECT_EQ(InChild(
                [&] {
                  SaveDocument(Document{"new"}, p);
                  return std::string();
                },
                true),
            "");
  const struct stat after = Stat(p);
  EXPECT_EQ(Read(p), "new\r\n");
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_mode & 07777, 0666u);
  EXPECT_EQ(Names(), std::vector<std::string>{"quib.cfg"});  // the copy of the old is gone
}

TEST_F(Saving, HardLinkedFilesAreWrittenInPlaceAndStayLinked) {
  const fs::path p = Put("quib.cfg", "a much longer old content\r\n");
  const fs::path other = dir_ / "elsewhere.cfg";
  fs::create_hard_link(p, other);
  ::chmod(p.c_str(), 0640);
  atomic_file::PendingFile pending(p, "short\r\n");
  EXPECT_TRUE(pending.inPlace());
  // Until the write, the old contents wait in a private copy beside the file.
  ASSERT_FALSE(pending.temp().empty());
  EXPECT_EQ(Read(pending.temp()), "a much longer old content\r\n");
  EXPECT_EQ(Stat(pending.temp()).st_mode & 0777, 0600u);
  EXPECT_EQ(Read(p), "a much longer old content\r\n");
  pending.Commit();
  EXPECT_EQ(Read(p), "short\r\n");
  EXPECT_EQ(Read(other), "short\r\n");
  EXPECT_EQ(Stat(p).st_nlink, 2u);
  EXPECT_EQ(Stat(p).st_mode & 0777, 0640u);
  EXPECT_EQ(Names(), (std::vector<std::string>{"elsewhere.cfg", "quib.cfg"}));

  // Growing works as well, and a discarded write leaves the file alone.
  SaveDocument(Document{std::string(100000, 'x')}, other);
  EXPECT_EQ(Read(p).size(), 100002u);
  { atomic_file::PendingFile dropped(p, "never\r\n"); }
  EXPECT_EQ(Read(p).size(), 100002u);
  EXPECT_EQ(Names(), (std::vector<std::string>{"elsewhere.cfg", "quib.cfg"}));
}

// A write in place that fails half-way puts the old contents back.
TEST_F(Saving, AFailedWriteInPlaceRestoresTheOldContents) {
  const fs::path p = Put("quib.cfg", "old contents\r\n");
  fs::create_hard_link(p, dir_ / "linked.cfg");
  const std::string report = InChild([&]() -> std::string {
    platform::IgnoreFileSizeSignal();
    atomic_file::PendingFile pending(p, std::string(64 * 1024, 'x'));
    if (!pending.inPlace()) return "not in place";
    // The limit comes after the checks of preparing, so the write itself fails.
    const rlimit limit{16 * 1024, 16 * 1024};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no limit set";
    try {
      pending.Commit();
      return "written";
    } catch (const FileError& e) {
      return e.reason();
    }
  });
  EXPECT_EQ(report, "File too large.");
  EXPECT_EQ(Read(p), "old contents\r\n");
  EXPECT_EQ(Stat(p).st_nlink, 2u);
  EXPECT_EQ(Names(), (std::vector<std::string>{"linked.cfg", "quib.cfg"}));
}

// Three files of which the last cannot be prepared: a folder stands there.
TEST_F(Saving, AFailureWhilePreparingSavesNothing) {
  const fs::path a = Put("quib.cfg", "a\r\n");
  const fs::path b = Put("quib.blt", "b\r\n");
  const fs::path c = dir_ / "quib.thm";
  fs::create_directories(c);
  try {
    PreparedSet set({{a, "A\r\n"}, {b, "B\r\n"}, {c, "C\r\n"}});
    FAIL() << "prepared";
  } catch (const SaveSetError& e) {
    EXPECT_EQ(std::string(e.what()).rfind(
                  "Nothing was saved: Cannot create file \"" + c.string() + "\". ", 0),
              0u)
        << e.what();
    EXPECT_TRUE(e.saved().empty());
    EXPECT_EQ(e.notSaved(), (std::vector<fs::path>{a, b, c}));
  }
  EXPECT_EQ(Read(a), "a\r\n");
  EXPECT_EQ(Read(b), "b\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"quib.blt", "quib.cfg", "quib.thm"}));
}

TEST_F(Saving, APreparedSetShowsWhatItWritesThenReplacesEverything) {
  const fs::path a = Put("quib.cfg", "a\r\n");
  const fs::path b = dir_ / "new.cfg";
  PreparedSet set({{a, "A\r\n"}, {b, "B\r\n"}});
  ASSERT_EQ(set.size(), 2u);
  EXPECT_EQ(set.entry(1).path, b);
  EXPECT_EQ(set.entry(1).bytes, "B\r\n");
  EXPECT_EQ(set.file(0).target(), a);
  EXPECT_EQ(Read(set.file(0).temp()), "A\r\n");
  EXPECT_EQ(Read(a), "a\r\n");  // nothing replaced yet
  EXPECT_FALSE(fs::exists(b));
  set.CommitAll();
  EXPECT_EQ(Read(a), "A\r\n");
  EXPECT_EQ(Read(b), "B\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"new.cfg", "quib.cfg"}));
}

TEST_F(Saving, AReplacementFailingHalfWayNamesWhatWasSavedAndWhatNot) {
  const fs::path a = Put("quib.cfg", "a\r\n");
  const fs::path b = Put("quib.blt", "b\r\n");
  const fs::path c = Put("quib.thm", "c\r\n");
  PreparedSet set({{a, "A\r\n"}, {b, "B\r\n"}, {c, "C\r\n"}});
  // After preparing, a non-empty folder takes the place of the second file.
  fs::remove(b);
  fs::create_directories(b / "inside");
  try {
    set.CommitAll();
    FAIL() << "saved";
  } catch (const SaveSetError& e) {
    const std::string text = e.what();
    EXPECT_EQ(
        text.rfind("Not all settings files were saved: Cannot create file \"" + b.string() + "\". ",
                   0),
        0u)
        << text;
    EXPECT_NE(text.find("\r\nSaved: \"" + a.string() + "\".\r\nNot saved: \"" + b.string() +
                        "\", \"" + c.string() + "\"."),
              std::string::npos)
        << text;
    EXPECT_EQ(e.saved(), std::vector<fs::path>{a});
    EXPECT_EQ(e.notSaved(), (std::vector<fs::path>{b, c}));
  }
  EXPECT_EQ(Read(a), "A\r\n");
  EXPECT_EQ(Read(c), "c\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"quib.blt", "quib.cfg", "quib.thm"}));
}

// With room for only some files (here a file size limit), nothing is saved,
// and the limit is an error with its message instead of the end of the program.
TEST_F(Saving, ASizeLimitIsAnErrorAndSavesNothing) {
  const fs::path a = Put("quib.cfg", "a\r\n");
  const fs::path b = Put("quib.thm", "b\r\n");
  const std::string big(64 * 1024, 'x');
  const std::string report = InChild([&]() -> std::string {
    platform::IgnoreFileSizeSignal();
    const rlimit limit{16 * 1024, 16 * 1024};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no limit set";
    try {
      PreparedSet set({{a, "A\r\n"}, {b, big}});
      return "prepared";
    } catch (const SaveSetError& e) {
      return e.what();
    }
  });
  EXPECT_EQ(report,
            "Nothing was saved: Cannot create file \"" + b.string() + "\". File too large.");
  EXPECT_EQ(Read(a), "a\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"quib.cfg", "quib.thm"}));

  // The same limit on a file written in place is found before writing.
  fs::create_hard_link(b, dir_ / "linked.thm");
  EXPECT_EQ(InChild([&]() -> std::string {
              platform::IgnoreFileSizeSignal();
              const rlimit limit{16 * 1024, 16 * 1024};
              if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no limit set";
              try {
                SaveDocument(Document{big}, b);
                return "saved";
              } catch (const FileError& e) {
                return e.reason();
              }
            }),
            "File too large.");
  EXPECT_EQ(Read(b), "b\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"linked.thm", "quib.cfg", "quib.thm"}));
}

}  // namespace
