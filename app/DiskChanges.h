// Keeping both, the window's side: the conflicts of an Apply as the
// conflict dialog lists them, and following the emulator's files while the
// window is open: a change on disk is taken into the documents (the user's
// edits stay), the pages show it, and the notice bar says what happened.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "app/ConflictsDialog.h"
#include "app/DiskWatch.h"
#include "app/EmulatorFiles.h"

class TForm1;

// How the window names a part of a file (a setting's key, a block's header)
// and shows its lines (a setting's text after its "=", a block's lines after
// its header); nullopt stays nullopt.
QString PartName(const merge::Part& part);
std::optional<QString> PartText(const merge::Part& part, const merge::Lines& lines);

// The rows of the conflict dialog: one per conflict, one part after another.
std::vector<ConflictRow> ConflictRows(const std::vector<FileConflict>& conflicts);

class DiskFollower : public QObject {
  Q_OBJECT

 public:
  explicit DiskFollower(TForm1& form);

  // Watches the files of the directory the documents were last read from.
  void Start();
  // While held (a save), changes wait; they are taken in once the last hold
  // ends.
  void Hold();
  void Release();
  // Takes in what changed on disk now, and tells the user.
  void Follow();

 private:
  void Tell(const DiskChange& change);

  TForm1& form_;
  DiskWatch watch_;
};
