#include "app/DiskWatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#endif

DiskWatch::DiskWatch(QObject* parent) : QObject(parent) {
  quietTimer_.setSingleShot(true);
  longestTimer_.setSingleShot(true);
  connect(&quietTimer_, &QTimer::timeout, this, &DiskWatch::Announce);
  connect(&longestTimer_, &QTimer::timeout, this, &DiskWatch::Announce);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DiskWatch::OnEvent);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DiskWatch::OnEvent);
}

void DiskWatch::Watch(const QString& dir, const QStringList& names) {
  Stop();
  dir_ = QDir::fromNativeSeparators(dir);
  if (!dir_.endsWith(u'/')) dir_ += u'/';
  names_ = names;
  for (const QString& name : names_) announced_.insert(name, StampOf(dir_ + name));
  Rearm();
}

void DiskWatch::Stop() {
  const QStringList paths = watcher_.files() + watcher_.directories();
  if (!paths.isEmpty()) watcher_.removePaths(paths);
  quietTimer_.stop();
  longestTimer_.stop();
  dir_.clear();
  names_.clear();
  announced_.clear();
  watchedFile_.clear();
  evented_.clear();
  collecting_ = false;
}

void DiskWatch::Hold() { ++holds_; }

void DiskWatch::Release() {
  if (holds_ == 0 || --holds_ > 0 || !collecting_) return;
  quietTimer_.start(quiet);
  if (!longestTimer_.isActive()) longestTimer_.start(longest);
}

DiskWatch::Stamp DiskWatch::StampOf(const QString& path) {
  Stamp stamp;
#ifdef _WIN32
  // Only the folder entry is read: opening the file could stand in the way
  // of a program that wants it to itself.
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(
          reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
          GetFileExInfoStandard, &data))
    return stamp;
  stamp.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  stamp.mtime =
      static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                data.ftLastWriteTime.dwLowDateTime);
#else
  struct stat info;
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return stamp;
  stamp.size = static_cast<std::uint64_t>(info.st_size);
  stamp.mtime = std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
  stamp.device = static_cast<std::uint64_t>(info.st_dev);
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
#endif
  stamp.exists = true;
  return stamp;
}

void DiskWatch::OnEvent(const QString& path) {
  if (dir_.isEmpty()) return;  // queued before Stop
  if (path.startsWith(dir_)) {
    const QString name = path.mid(dir_.size());
    if (names_.contains(name)) evented_.insert(name);
  }
  // At once, before the burst ends: a write to a file that replaced a
  // watched one must not go unseen.
  Rearm();
  collecting_ = true;
  quietTimer_.start(quiet);
  if (!longestTimer_.isActive()) longestTimer_.start(longest);
}

void DiskWatch::Rearm() {
  // "C:/" stays as it is; another folder is watched without its last "/".
  const QString folder =
      dir_.endsWith(QLatin1String(":/")) || dir_ == u"/" ? dir_ : dir_.chopped(1);
  if (!watcher_.directories().contains(folder) && QFileInfo(folder).isDir())
    watcher_.addPath(folder);
  const QStringList watched = watcher_.files();
  for (const QString& name : names_) {
    const QString path = dir_ + name;
    // Read before the watch is set up: should the name lead elsewhere
    // meanwhile, the next event finds the watch on the wrong file.
    const Stamp now = StampOf(path);
    const bool isWatched = watched.contains(path);
    if (isWatched && now.exists) {
      const Stamp& before = watchedFile_.value(name);
      if (before.device == now.device && before.inode == now.inode) continue;
    }
    if (isWatched) watcher_.removePath(path);
    watchedFile_.remove(name);
    if (now.exists && watcher_.addPath(path)) watchedFile_.insert(name, now);
  }
}

void DiskWatch::Announce() {
  quietTimer_.stop();
  longestTimer_.stop();
  if (!collecting_ || holds_ > 0) return;  // Release takes up a held burst
  collecting_ = false;
  QStringList names;
  for (const QString& name : names_) {
    const Stamp now = StampOf(dir_ + name);
    if (evented_.contains(name) || now != announced_.value(name)) names.append(name);
    announced_.insert(name, now);
  }
  evented_.clear();
  if (!names.isEmpty()) emit changed(names);
}
