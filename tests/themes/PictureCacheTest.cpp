#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>

#include "themes/ThemePreview.h"

namespace {

// Pictures of 1 KB (16 x 16) or, for names starting with "big", 16 KB; every
// read counted per file name.
class PictureCache : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::map<QString, int> reads;

  preview::PictureReader Counting() {
    return [this](const QString& name) {
      const QString file = QFileInfo(name).fileName();
      ++reads[file];
      const int side = file.startsWith("big") ? 64 : 16;
      return QImage(side, side, QImage::Format_RGB32);
    };
  }
  QString Make(const QString& name) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return f.fileName();
  }
};

TEST_F(PictureCache, KeepsTheRecentlyUsedPicturesWithinItsBudget) {
  preview::CachedPictureReader cache(Counting(), 3 * 1024);
  const QString a = Make("a"), b = Make("b"), c = Make("c"), d = Make("d");
  for (const QString& name : {a, b, c, a}) EXPECT_FALSE(cache(name).isNull());
  EXPECT_EQ(cache.Reads(), 3);
  EXPECT_EQ(cache.CachedBytes(), 3 * 1024);
  cache(d);  // b is the least recently used and goes
  cache(a);
  cache(b);  // read again; c goes
  cache(c);
  EXPECT_EQ(reads, (std::map<QString, int>{{"a", 1}, {"b", 2}, {"c", 2}, {"d", 1}}));
  EXPECT_EQ(cache.CachedBytes(), 3 * 1024);
}

TEST_F(PictureCache, APictureLargerThanTheBudgetIsReadButNotKept) {
  preview::CachedPictureReader cache(Counting(), 8 * 1024);
  const QString small = Make("small"), big = Make("big");
  cache(small);
  EXPECT_EQ(cache(big).size(), QSize(64, 64));
  EXPECT_EQ(cache(big).size(), QSize(64, 64));
  cache(small);
  EXPECT_EQ(reads[QStringLiteral("big")], 2);
  EXPECT_EQ(reads[QStringLiteral("small")], 1);
  EXPECT_EQ(cache.CachedBytes(), 1024);
}

TEST_F(PictureCache, RemembersAFewFilesAtMost) {
  preview::CachedPictureReader cache([](const QString&) { return QImage(); });
  for (std::size_t i = 0; i <= preview::CachedPictureReader::kMaxEntries; ++i)
    cache(Make(QString::number(i)));
  cache(dir.filePath("0"));  // the first one was forgotten
  EXPECT_EQ(cache.Reads(), static_cast<int>(preview::CachedPictureReader::kMaxEntries) + 2);
  cache(dir.filePath("2"));
  EXPECT_EQ(cache.Reads(), static_cast<int>(preview::CachedPictureReader::kMaxEntries) + 2);
}

}  // namespace
