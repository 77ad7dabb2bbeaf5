#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "imaging/PictureReader.h"
#include "tests/imaging/PcxWriter.h"
#include "tests/support/SourceDir.h"

namespace {

// A small picture with a different colour in every pixel.
QImage Reference() {
  QImage image(7, 5, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb(x * 36, y * 60, (x * 13 + y * 29) & 0xFF));
  return image;
}

pcxtest::Bytes RgbBytes(const QImage& image) {
  pcxtest::Bytes rgb;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      rgb.push_back(static_cast<std::uint8_t>(qRed(p)));
      rgb.push_back(static_cast<std::uint8_t>(qGreen(p)));
      rgb.push_back(static_cast<std::uint8_t>(qBlue(p)));
    }
  return rgb;
}

// Uncompressed 24-bit TGA, rows bottom up, pixels blue-green-red.
QByteArray Tga(const QImage& image) {
  QByteArray b(18, '\0');
  b[2] = 2;
  b[12] = static_cast<char>(image.width());
  b[14] = static_cast<char>(image.height());
  b[16] = 24;
  for (int y = image.height() - 1; y >= 0; --y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      b.append(static_cast<char>(qBlue(p)));
      b.append(static_cast<char>(qGreen(p)));
      b.append(static_cast<char>(qRed(p)));
    }
  return b;
}

void WriteFile(const QString& name, const QByteArray& data) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
}

QByteArray FromBytes(const pcxtest::Bytes& b) {
  return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

class PictureReader : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(PictureReader, EveryFormatGivesTheSamePixels) {
  const QImage ref = Reference();
  ASSERT_TRUE(ref.save(Path("p.png")));
  ASSERT_TRUE(ref.save(Path("p.BMP"), "BMP"));  // the extension's case does not matter
  WriteFile(Path("p8.pcx"), FromBytes(pcxtest::Write(7, 5, RgbBytes(ref), true)));
  WriteFile(Path("p24.Pcx"), FromBytes(pcxtest::Write(7, 5, RgbBytes(ref), false)));
  WriteFile(Path("p.tga"), Tga(ref));
  const QStringList names = {"p.png", "p.BMP", "p8.pcx", "p24.Pcx", "p.tga"};
  for (const QString& name : names) {
    const QImage image = imaging::ReadPicture(Path(name));
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << name.toStdString();
    EXPECT_EQ(image, ref) << name.toStdString();
  }
}

TEST_F(PictureReader, UnreadableFilesGiveNoPicture) {
  EXPECT_TRUE(imaging::ReadPicture(Path("missing.png")).isNull());
  EXPECT_TRUE(imaging::ReadPicture(dir.path()).isNull());  // a folder
  WriteFile(Path("junk.png"), "not a picture at all");
  EXPECT_TRUE(imaging::ReadPicture(Path("junk.png")).isNull());
  WriteFile(Path("junk.pcx"), QByteArray(300, '\x0A'));
  EXPECT_TRUE(imaging::ReadPicture(Path("junk.pcx")).isNull());
  WriteFile(Path("empty.tga"), QByteArray());
  EXPECT_TRUE(imaging::ReadPicture(Path("empty.tga")).isNull());
  // The extension decides the format: PNG data named .bmp is not read.
  ASSERT_TRUE(Reference().save(Path("png.bmp"), "PNG"));
  EXPECT_TRUE(imaging::ReadPicture(Path("png.bmp")).isNull());
  ASSERT_TRUE(Reference().save(Path("noext"), "PNG"));
  EXPECT_TRUE(imaging::ReadPicture(Path("noext")).isNull());
}

// TGA files our decoder refuses still go to the image-format plugin, which
// must be found.
TEST_F(PictureReader, TgaPluginIsFound) {
  EXPECT_TRUE(QImageReader::supportedImageFormats().contains("tga"));
}

// The sample emulator folder carries one picture in several formats.
TEST(SamplePictures, AgreeWithEachOther) {
  const QDir themes(QString(test_support::SourceDir()) + "/samples/emulator/Themes");
  const QImage ref = imaging::ReadPicture(themes.filePath("pattern.png"));
  if (ref.isNull()) GTEST_SKIP() << "no sample pictures";
  for (const char* name :
       {"pattern.bmp", "pattern.tga", "pattern-rle.tga", "pattern-8bit.pcx", "pattern-24bit.pcx"}) {
    if (!themes.exists(name)) continue;
    EXPECT_EQ(imaging::ReadPicture(themes.filePath(name)), ref) << name;
  }
}

// Qt's readers keep their own allocation limit, but a picture stored in fewer
// bits grows to 4 bytes a pixel once converted: 8 MB of 1-bit pixels would
// become 268 MB.
TEST_F(PictureReader, PicturesOverTheAllocationLimitGiveNoPicture) {
  QImage mono(8192, 8200, QImage::Format_Mono);
  mono.fill(0);
  ASSERT_TRUE(mono.save(Path("mono.png")));
  mono = QImage();
  EXPECT_TRUE(imaging::ReadPicture(Path("mono.png")).isNull());
  QImage small(8192, 8, QImage::Format_Mono);
  small.fill(1);
  ASSERT_TRUE(small.save(Path("small.png")));
  EXPECT_EQ(imaging::ReadPicture(Path("small.png")).size(), QSize(8192, 8));
}

}  // namespace
