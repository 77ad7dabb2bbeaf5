// Notices changes other programs make to the emulator's settings files while
// the window is open. The system tells us of changes (inotify on Linux,
// change notifications on Windows, through QFileSystemWatcher): nothing runs
// while the files stay as they are.
//
// The folder is watched beside the files: a file replaced by a rename (a
// temporary file renamed over it, as this program and many editors save)
// or deleted and made again is a new file, whose watch is set up anew after
// every event. Which names changed is told by the events on their own
// watches and by what the disk says of each file (identity, size, time)
// compared with the last announcement, so a change to another file of the
// folder stays silent.
#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <cstdint>

class DiskWatch : public QObject {
  Q_OBJECT
 public:
  explicit DiskWatch(QObject* parent = nullptr);

  // Watches these files of dir (which ends with its separator) and dir
  // itself; replaces any earlier watch. Files that do not exist yet are
  // noticed when created. What the files are now is the starting point.
  void Watch(const QString& dir, const QStringList& names);
  // Watches nothing; changes not yet announced are forgotten.
  void Stop();

  // While held (count > 0), changes are collected but not announced; once
  // released they are announced after `quiet`, together with what arrives
  // meanwhile. The events of writes made while held (this program's own
  // Apply) may reach us only after the release: they are announced then, so
  // the receiver tells its own writes from others' by what the files hold.
  void Hold();
  void Release();

  std::chrono::milliseconds quiet{300};     // a burst ends after this long without a change
  std::chrono::milliseconds longest{1000};  // announced at the latest this long after the
                                            // first change of a burst

 signals:
  // Some watched file may have changed: once per burst of changes.
  void changed(const QStringList& names);  // the watched names that saw events in the burst

 private:
  // What the disk says of one file, without reading it.
  struct Stamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t mtime = 0;               // in the system's finest unit
    std::uint64_t device = 0, inode = 0;  // which file the name leads to (0 on Windows)
    bool operator==(const Stamp&) const = default;
  };
  static Stamp StampOf(const QString& path);

  void OnEvent(const QString& path);
  // Sets up the watches of files that are not watched or lead to a new file.
  void Rearm();
  void Announce();

  QFileSystemWatcher watcher_;
  QTimer quietTimer_, longestTimer_;
  QString dir_;  // with "/" as separator and at its end
  QStringList names_;
  QHash<QString, Stamp> announced_;    // name -> the file at the last announcement
  QHash<QString, Stamp> watchedFile_;  // name -> the file its watch was set up on
  QSet<QString> evented_;              // names whose own watch saw an event
  bool collecting_ = false;            // a burst is under way or waits for the release
  int holds_ = 0;
};
