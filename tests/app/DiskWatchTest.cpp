// The watcher of the emulator's files against changes a second process makes
// (under Wine a Linux program too, whose changes reach Wine only through the
// Linux kernel). Silence is shown against a witness, a second watcher that
// must have spoken first, and against a later change's signal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/DiskWatch.h"
#include "tests/support/WriterProcess.h"

using test_support::RunWriter;
using test_support::Writer;

namespace {

const QStringList kFiles{"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"};

// A watch of files and the signals it gave.
struct Spied : DiskWatch {
  Spied(const QString& dir, const QStringList& files) { Watch(dir, files); }
  QSignalSpy spy{this, &DiskWatch::changed};
  bool Await(int n) const {
    return QTest::qWaitFor([&] { return spy.count() >= n; }, 3000);
  }
  QStringList Last() const { return spy.last().at(0).toStringList(); }
};

class DiskWatchTest : public ::testing::Test {
 protected:
  DiskWatchTest() {
    static int argc = 0;
    static const QCoreApplication* app = new QCoreApplication(argc, nullptr);
    (void)app;
    QDir().mkpath(dir_);
    for (const QString& file : kFiles) EXPECT_EQ(RunWriter("inplace", dir_ + file, "[S]\r\n"), "");
  }
  // Changes quib.cfg and awaits the count-th signal, naming it alone: what
  // came before has been announced by then.
  void Mark(const Spied& watch, int count) const {
    ASSERT_EQ(RunWriter("inplace", dir_ + "quib.cfg", "[Settings]\r\nMark=1\r\n"), "");
    ASSERT_TRUE(watch.Await(count));
    EXPECT_EQ(watch.Last(), QStringList{"quib.cfg"});
    EXPECT_EQ(watch.spy.count(), count);
  }

  QTemporaryDir temp_;
  const QString dir_ = QDir::toNativeSeparators(temp_.path() + "/Quib Emulator/");
};

TEST_F(DiskWatchTest, EachWayOfChangingAFileIsAnnouncedNamingIt) {
  // The writer's steps, each awaited on its own. "open": this process holds
  // the file open, so a file replaced lives on, and its watch with it.
  QList<QStringList> ways = {{"inplace"}, {"rename"}, {"remove", "inplace"}, {"rename", "inplace"}};
#ifndef _WIN32  // Windows renames nothing over a file held open
  ways.append({"open", "rename", "inplace"});
#endif
  int writes = 0;
  for (const Writer writer : test_support::Writers())
    for (const QStringList& way : ways) {
      SCOPED_TRACE(way.join(", ").toStdString() + (writer == Writer::Own ? "" : " by Linux"));
      const QString file = kFiles[writes % kFiles.size()];
      QFile open(dir_ + file);
      ASSERT_TRUE(!way.contains("open") || open.open(QIODevice::ReadOnly));
      Spied watch(dir_, kFiles);
      for (int step = 1; const QString& how : way.mid(way.contains("open") ? 1 : 0)) {
        // Each write of its own size, so no two leave the file alike.
        ASSERT_EQ(RunWriter(how, dir_ + file, QByteArray(++writes, 'x'), writer), "");
        ASSERT_TRUE(watch.Await(step++)) << how.toStdString();
        EXPECT_EQ(watch.Last(), QStringList{file});
      }
    }
}

// Changes follow each other (each once a quick witness saw it) for longer than
// the quiet time: one signal after the last; with a long quiet time, one once
// the longest wait is over; held twice, released once, none till released.
TEST_F(DiskWatchTest, ABurstIsOneSignalAfterTheQuietTimeTheLongestWaitOrTheRelease) {
  for (const Writer writer : test_support::Writers()) {
    Spied watch(dir_, kFiles), capped(dir_, kFiles), held(dir_, kFiles), witness(dir_, kFiles);
    watch.quiet = capped.longest = std::chrono::seconds(1);
    watch.longest = capped.quiet = std::chrono::minutes(1);
    held.quiet = std::chrono::milliseconds(5);
    witness.quiet = witness.longest = std::chrono::milliseconds(50);
    held.Hold();
    held.Hold();
    const QDeadlineTimer burst(1500);
    for (int i = 0; i < kFiles.size() || !burst.hasExpired(); ++i) {
      const QString file = dir_ + kFiles[i % kFiles.size()];
      ASSERT_EQ(RunWriter(i % 2 ? "inplace" : "rename", file, QByteArray(i, 'x'), writer), "");
      ASSERT_TRUE(witness.Await(i + 1));
      if (i == 1) held.Release();  // still held once
    }
    EXPECT_EQ(watch.spy.count() + held.spy.count(), 0);
    EXPECT_GE(capped.spy.count(), 1);
    held.Release();
    ASSERT_TRUE(held.Await(1) && watch.Await(1));
    EXPECT_EQ(held.Last(), kFiles);
    EXPECT_EQ(watch.Last(), kFiles);
    Mark(watch, 2);
  }
}

TEST_F(DiskWatchTest, OtherFilesOfTheFolderAreNotAnnounced) {
  for (const Writer writer : test_support::Writers()) {
    Spied watch(dir_, kFiles), witness(dir_, {"notes.txt"});
    witness.quiet = 2 * watch.quiet;
    for (int i = 1; const char* how : {"inplace", "rename", "remove"}) {
      ASSERT_EQ(RunWriter(how, dir_ + "notes.txt", "notes", writer), "");
      ASSERT_TRUE(witness.Await(i++)) << how;
    }
    Mark(watch, 1);
  }
}

}  // namespace
