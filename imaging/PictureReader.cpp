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

// Whether the picture converted to 4 bytes a pixel stays within the limit.
bool FitsOnceConverted(const QSize& size) {
  return size.width() > 0 && size.height() > 0 &&
         std::uint64_t{4} * static_cast<std::uint64_t>(size.width()) *
                 static_cast<std::uint64_t>(size.height()) <=
             pcx::kAllocationLimit;
}

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
    // The whole file is read at once: one larger than any picture we accept is
    // not read at all.
    if (static_cast<std::uint64_t>(info.size()) > pcx::kAllocationLimit) return {};
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
  // Qt's readers refuse pictures over their allocation limit; ours is the same
  // whatever the environment set. The picture becomes 4 bytes per pixel here
  // whatever the file stores, so a size the header announces is checked first.
  reader.setAllocationLimit(static_cast<int>(pcx::kAllocationLimit >> 20));
  if (const QSize size = reader.size(); size.isValid() && !FitsOnceConverted(size)) return {};
  QImage image = reader.read();
  if (image.isNull() || !FitsOnceConverted(image.size())) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace imaging
