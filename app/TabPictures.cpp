#include "app/TabPictures.h"

#include <QDir>

#include "imaging/PictureReader.h"
#include "platform/Platform.h"

QImage StripPictures::Strip(const QString& name) {
  const auto known = read_.find(name);
  if (known != read_.end()) return known->second;
  if (!files_) {
    dir_ = platform::Current().ExecutableDir();
    files_ = QDir(dir_).entryList({"*.bmp"}, QDir::Files);
  }
  // The file name is matched without regard to case, as on Windows; the
  // exact spelling wins when several match.
  const QString wanted = name + ".bmp";
  QString found;
  for (const QString& file : *files_) {
    if (file == wanted) {
      found = file;
      break;
    }
    if (found.isEmpty() && file.compare(wanted, Qt::CaseInsensitive) == 0) found = file;
  }
  QImage strip;
  if (!found.isEmpty()) strip.load(QDir(dir_).filePath(found));
  // A replacement that cannot be read falls back to the built-in strip.
  if (strip.isNull()) strip = imaging::ReadBuiltIn(":/strips/" + wanted);
  if (!strip.isNull()) {
    // Magenta is the transparent colour: one pass over the strip, as the
    // colours a cell shows are those of its 24-bit form.
    const QImage rgb = strip.convertToFormat(QImage::Format_RGB888);
    QImage keyed(rgb.size(), QImage::Format_ARGB32);
    for (int y = 0; y < rgb.height(); ++y) {
      const uchar* in = rgb.constScanLine(y);
      auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
      for (int x = 0; x < rgb.width(); ++x, in += 3) {
        const QRgb colour = qRgb(in[0], in[1], in[2]);
        out[x] = colour == qRgb(255, 0, 255) ? 0 : colour;
      }
    }
    strip = keyed;
  }
  read_.emplace(name, strip);
  return strip;
}

void StripPictures::LoadImageStrip(const QString& name, ImageList& list, int row) {
  const QImage strip = Strip(name);
  if (strip.isNull() || strip.width() < 16) return;
  list.clear();
  const int cells = strip.width() / 16;
  for (int i = 0; i < cells; ++i)
    list.push_back(QPixmap::fromImage(strip.copy(16 * i, 16 * row, 16, 16)));
}
