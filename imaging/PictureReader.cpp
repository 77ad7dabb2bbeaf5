#include "imaging/PictureReader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "imaging/PcxDecoder.h"
#include "imaging/TgaDecoder.h"

namespace imaging {

namespace {

QImage ToImage(const std::optional<pcx::Picture>& picture) {
  if (!picture) return {};
  QImage image(picture->width, picture->height, QImage::Format_RGB32);
  if (image.isNull()) return {};
  const std::uint8_t* in = picture->rgb.data();
  for (int y = 0; y < picture->height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture->width; ++x, in += 3) line[x] = qRgb(in[0], in[1], in[2]);
  }
  return image;
}

const std::uint8_t* Bytes(const QByteArray& data) {
  return reinterpret_cast<const std::uint8_t*>(data.constData());
}

std::size_t Size(const QByteArray& data) { return static_cast<std::size_t>(data.size()); }

}  // namespace

QImage DecodePcx(const QByteArray& data) { return ToImage(pcx::Decode(Bytes(data), Size(data))); }

QImage DecodeTga(const QByteArray& data) { return ToImage(tga::Decode(Bytes(data), Size(data))); }

QImage ReadBuiltIn(const QString& fileName) {
  QImageReader reader(fileName, QFileInfo(fileName).suffix().toLower().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

QImage ReadPicture(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.isFile()) return {};
  const QByteArray extension = info.suffix().toLower().toLatin1();
  if (extension == "pcx" || extension == "tga") {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    if (extension == "pcx") return DecodePcx(data);
    // Our decoder reads the common TGA kinds (the image-format plugin refuses
    // files without the version 2 footer and run-length encoded ones); the
    // plugin remains for whatever else it can read.
    QImage image = DecodeTga(data);
    if (!image.isNull()) return image;
  }
  QImageReader reader(fileName, extension == "jpg" ? QByteArray("jpeg") : extension);
  // The extension decides: a file whose content does not match it is unreadable.
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  QImage image = reader.read();
  if (image.isNull()) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace imaging
