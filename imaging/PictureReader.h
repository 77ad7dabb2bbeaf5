// Reading theme pictures: one call gives a file's picture as 24-bit colour,
// whatever its format. The format is chosen by the file's extension: PCX by our
// own decoder, TGA by our own decoder with Qt's image-formats plugin behind it,
// everything else (PNG, BMP, JPEG, ...) through Qt's image readers.
#pragma once

#include <QImage>
#include <QString>

namespace imaging {

// The picture in QImage::Format_RGB32, or a null image when the file is
// missing, of an unknown format, cannot be decoded or would take more memory
// than pcx::kAllocationLimit (with every reader, ours and Qt's).
QImage ReadPicture(const QString& fileName);

// A picture compiled into the program (or another file whose format is known
// from its extension), as its decoder gives it. The image-format plugins are
// neither asked nor loaded for it.
QImage ReadBuiltIn(const QString& fileName);

// Decodes PCX data held in memory (Format_RGB32; null when unreadable).
QImage DecodePcx(const QByteArray& data);
// Decodes TGA data held in memory with our own decoder (no plugin).
QImage DecodeTga(const QByteArray& data);

}  // namespace imaging
