// The Restore window: the backup sets of the emulator directory, the last
// made first, from which one is chosen and written back.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "store/Backups.h"

class QPushButton;
class QTreeWidget;

// Lists the backup sets (time, files, size); "Restore" asks for confirmation
// and hands the chosen set to the restore hook.
class TRestoreForm : public QDialog {
  Q_OBJECT

 public:
  TRestoreForm(QWidget* parent, std::vector<backups::BackupSet> sets,
               std::function<bool(const backups::BackupSet&)> restore);

 private:
  void RestoreClick();

  std::vector<backups::BackupSet> sets_;
  std::function<bool(const backups::BackupSet&)> restore_;
  QTreeWidget* lvBackups_ = nullptr;
  QPushButton* btnRestoreSet_ = nullptr;
};
