// The watcher of the emulator's files against changes a second process makes,
// in each way programs change files. Under Wine a Linux program writes too,
// whose changes reach the Windows program only through the Linux kernel.
// Silence (no signal) is shown against a second watcher with a longer quiet
// time, which must have spoken first, or against a later change's signal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <ostream>
#include <vector>

#include "app/DiskWatch.h"
#include "tests/support/WriterProcess.h"

using test_support::RunWriter;
using test_support::Writer;

namespace {

const QStringList kFiles{"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"};
constexpr int kWithinMs = 2000;  // a change is announced within this time

std::vector<Writer> Writers() {
#ifdef _WIN32
  if (test_support::HaveLinuxWriter()) return {Writer::Own, Writer::Linux};
#endif
  return {Writer::Own};
}

const char* NameOf(Writer writer) { return writer == Writer::Own ? "own" : "Linux"; }

class DiskWatchTest : public ::testing::Test {
 protected:
  DiskWatchTest() {
    static int argc = 1;
    static char name[] = "quib-tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
    dir_ = QDir::toNativeSeparators(temp_.path() + "/Quib Emulator/");
    QDir().mkpath(dir_);
    for (const QString& name : kFiles) {
      QFile file(Path(name));
      EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[Settings]\r\nOne=1\r\n") > 0);
    }
  }
  QString Path(const QString& name) const { return dir_ + name; }
  // Waits until spy holds count signals at least.
  static bool Await(const QSignalSpy& spy, int count, int withinMs = kWithinMs) {
    return QTest::qWaitFor([&] { return spy.count() >= count; }, withinMs);
  }
  static QStringList Names(const QSignalSpy& spy, int index) {
    return spy.at(index).at(0).toStringList();
  }
  // Changes quib.cfg and waits for its own signal: whatever came before it
  // has been announced by then.
  void Mark(const QSignalSpy& spy, int count) const {
    ASSERT_EQ(RunWriter("inplace", Path("quib.cfg"), "[Settings]\r\nMark=1\r\n"), "");
    ASSERT_TRUE(Await(spy, count));
    EXPECT_EQ(Names(spy, count - 1), QStringList{"quib.cfg"});
  }

  QTemporaryDir temp_;
  QString dir_;  // native separators, as the window names the folder
};

enum class Start {
  Present,
  Absent,  // the file is made only after the watch began
  Open,    // this process holds the file open throughout (a file replaced by a
           // rename lives on while open, and its watch with it)
};

struct Way {
  const char* name;
  Start start;
  std::vector<const char*> steps;  // the writer's commands, each awaited on its own
};

const Way kWays[] = {
    {"InPlace", Start::Present, {"inplace"}},
    {"RenamedOver", Start::Present, {"rename"}},
    {"DeletedThenMade", Start::Present, {"remove", "inplace"}},
    {"MadeLater", Start::Absent, {"inplace"}},
    // Each later write reaches only a watch set up on the file the rename
    // brought.
    {"WrittenAfterRename", Start::Present, {"rename", "inplace", "append"}},
    {"RenamedOverTwice", Start::Present, {"rename", "rename", "inplace"}},
#ifndef _WIN32  // Windows renames nothing over a file held open
    {"WrittenAfterRenameOverOpen", Start::Open, {"rename", "inplace"}},
#endif
};

struct WayCase {
  Way way;
  Writer writer;
  int index;
  friend void PrintTo(const WayCase& c, std::ostream* out) {
    *out << c.way.name << " by " << NameOf(c.writer);
  }
};

std::vector<WayCase> WayCases() {
  std::vector<WayCase> cases;
  for (const Writer writer : Writers())
    for (const Way& way : kWays) cases.push_back({way, writer, static_cast<int>(cases.size())});
  return cases;
}

class DiskWatchWays : public DiskWatchTest, public ::testing::WithParamInterface<WayCase> {};

TEST_P(DiskWatchWays, EachChangeIsAnnouncedOnceNamingItsFile) {
  const WayCase& c = GetParam();
  const QString file = kFiles[c.index % kFiles.size()];
  if (c.way.start == Start::Absent) {
    ASSERT_TRUE(QFile::remove(Path(file)));
  }
  QFile open(Path(file));
  if (c.way.start == Start::Open) {
    ASSERT_TRUE(open.open(QIODevice::ReadOnly));
  }
  DiskWatch watch;
  watch.Watch(dir_, kFiles);
  QSignalSpy spy(&watch, &DiskWatch::changed);
  int step = 0;
  for (const char* how : c.way.steps) {
    SCOPED_TRACE(how);
    // Each step of its own size, so no two leave the file alike.
    const QByteArray bytes = QByteArray("[Settings]\r\nStep=") + QByteArray(step + 1, 'x') + "\r\n";
    ASSERT_EQ(RunWriter(how, Path(file), bytes, c.writer), "");
    ASSERT_TRUE(Await(spy, ++step)) << "no signal within " << kWithinMs << " ms";
    EXPECT_EQ(Names(spy, step - 1), QStringList{file});
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, DiskWatchWays, ::testing::ValuesIn(WayCases()),
                         [](const ::testing::TestParamInfo<WayCase>& info) {
                           return std::string(info.param.way.name) + "By" +
                                  NameOf(info.param.writer);
                         });

TEST_F(DiskWatchTest, ABurstOverAllFilesIsOneSignal) {
  for (const Writer writer : Writers()) {
    SCOPED_TRACE(NameOf(writer));
    // The second program writes once a quick witness has seen the first one's
    // changes: well inside the quiet time (long enough for a program to
    // start, under Wine too).
    DiskWatch watch, witness;
    watch.quiet = std::chrono::seconds(1);
    watch.longest = std::chrono::seconds(4);
    witness.quiet = witness.longest = std::chrono::milliseconds(20);
    watch.Watch(dir_, kFiles);
    witness.Watch(dir_, kFiles);
    QSignalSpy spy(&watch, &DiskWatch::changed), seen(&witness, &DiskWatch::changed);
    int runs = 0;
    for (const char* how : {"rename", "inplace"}) {  // each program writes every file in turn
      std::vector<std::pair<QString, QByteArray>> all;
      for (const QString& file : kFiles)
        all.emplace_back(Path(file), QByteArray("[Settings]\r\n") + how);
      ASSERT_EQ(RunWriter(how, all, writer), "") << how;
      ASSERT_TRUE(Await(seen, ++runs));
    }
    ASSERT_TRUE(Await(spy, 1, 6000));
    EXPECT_EQ(Names(spy, 0), kFiles);
    Mark(spy, 2);
    EXPECT_EQ(spy.count(), 2);
  }
}

TEST_F(DiskWatchTest, ABurstIsAnnouncedAfterTheLongestWait) {
  DiskWatch watch;
  watch.quiet = std::chrono::minutes(1);
  watch.Watch(dir_, kFiles);
  QSignalSpy spy(&watch, &DiskWatch::changed);
  ASSERT_EQ(RunWriter("inplace", Path("quib.thm"), "[Theme]\r\n"), "");
  ASSERT_TRUE(Await(spy, 1));
  EXPECT_EQ(Names(spy, 0), QStringList{"quib.thm"});
}

TEST_F(DiskWatchTest, HeldChangesAreAnnouncedOnceWhenReleased) {
  DiskWatch watch, witness;
  witness.quiet = 2 * watch.quiet;
  witness.Watch(dir_, kFiles);
  watch.Watch(dir_, kFiles);
  QSignalSpy spy(&watch, &DiskWatch::changed), seen(&witness, &DiskWatch::changed);
  watch.Hold();
  watch.Hold();
  ASSERT_EQ(RunWriter("rename", Path("quib.blt"), "[Blitter]\r\n"), "");
  ASSERT_TRUE(Await(seen, 1));
  watch.Release();  // still held once
  ASSERT_EQ(RunWriter("inplace", Path("quib.inp"), "[Input]\r\n"), "");
  ASSERT_TRUE(Await(seen, 2));
  EXPECT_EQ(spy.count(), 0);
  watch.Release();
  ASSERT_TRUE(Await(spy, 1));
  EXPECT_EQ(Names(spy, 0), QStringList({"quib.blt", "quib.inp"}));
  Mark(spy, 2);
  EXPECT_EQ(spy.count(), 2);
}

TEST_F(DiskWatchTest, OtherFilesOfTheFolderAreNotAnnounced) {
  for (const Writer writer : Writers()) {
    SCOPED_TRACE(NameOf(writer));
    DiskWatch watch, witness;
    witness.quiet = 2 * watch.quiet;
    witness.Watch(dir_, {"notes.txt"});
    watch.Watch(dir_, kFiles);
    QSignalSpy spy(&watch, &DiskWatch::changed), seen(&witness, &DiskWatch::changed);
    int changes = 0;
    for (const char* how : {"inplace", "append", "rename", "remove"}) {
      ASSERT_EQ(RunWriter(how, Path("notes.txt"), "notes\r\n", writer), "") << how;
      ASSERT_TRUE(Await(seen, ++changes)) << how;
    }
    Mark(spy, 1);
    EXPECT_EQ(spy.count(), 1);
  }
}

}  // namespace
