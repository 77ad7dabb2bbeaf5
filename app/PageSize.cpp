#include "app/PageSize.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QSaveFile>
#include <QScreen>
#include <QStyle>

namespace page_size {

namespace {

constexpr const char* kFileName = "page-size";
// Anything larger is no page size this program made.
constexpr int kLargest = 16384;

}  // namespace

QString Key() {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  QStringList parts;
  parts << program.absoluteFilePath() << QString::number(program.size())
        << QString::number(program.lastModified().toMSecsSinceEpoch()) << QString(qVersion())
        << QGuiApplication::platformName();
  if (const QStyle* style = QApplication::style()) parts << style->name();
  if (const auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    parts << app->styleSheet();
  parts << QApplication::font().toString();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    parts << QString::number(screen->logicalDotsPerInchX())
          << QString::number(screen->logicalDotsPerInchY())
          << QString::number(screen->devicePixelRatio());
  // One line, whatever the parts hold.
  return parts.join(u'|').replace(u'\n', u' ').replace(u'\r', u' ');
}

std::optional<QSize> Read(const QString& dir, const QString& key) {
  if (dir.isEmpty()) return std::nullopt;
  QFile file(QDir(dir).filePath(kFileName));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(u'\n');
  if (lines.size() < 2 || lines[0] != key) return std::nullopt;
  const QStringList numbers = lines[1].split(u' ');
  if (numbers.size() != 2) return std::nullopt;
  bool okWidth = false, okHeight = false;
  const int width = numbers[0].toInt(&okWidth);
  const int height = numbers[1].toInt(&okHeight);
  if (!okWidth || !okHeight || width <= 0 || height <= 0 || width > kLargest || height > kLargest)
    return std::nullopt;
  return QSize(width, height);
}

void Store(const QString& dir, const QString& key, QSize size) {
  if (dir.isEmpty() || !QDir().mkpath(dir)) return;
  QSaveFile file(QDir(dir).filePath(kFileName));
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(
      (key + u'\n' + QString::number(size.width()) + u' ' + QString::number(size.height()) + u'\n')
          .toUtf8());
  file.commit();
}

}  // namespace page_size
