// The Changes window: for every file Apply would write, the differences
// between the file on disk now and the bytes Apply would write. Its Restore
// button opens the list of backup sets (app/RestoreDialog.h).
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/changes/FileDiff.h"
#include "store/Apply.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextDocument;

// A file Apply writes: its name, its path and the exact bytes it receives.
struct PlannedFile {
  std::string name;
  std::filesystem::path path;
  std::string bytes;
  // Someone changed the file on disk since it was loaded (Apply makes the
  // window's edits on it as it is now).
  bool changedOnDisk = false;
  // When given, bytes is compared with these instead of the file on disk.
  std::optional<std::string> against = std::nullopt;
};

// Diffs of the planned files against the disk, read now.
std::vector<changes::FileDiff> CompareWithDisk(const std::vector<PlannedFile>& files);

class TChangesForm : public QDialog {
  Q_OBJECT

 public:
  struct Hooks {
    // The files Apply would write now.
    std::function<std::vector<PlannedFile>()> planned;
    // The store of this emulator directory's backups; throws BackupError.
    std::function<backups::Store()> store;
    // Writes a set back; false when it was not (cancelled or failed). Without
    // it the window offers no Restore.
    std::function<bool(const backups::BackupSet&)> restore;
    // What the differences are, when they are not what Apply would change.
    QString explanation;
  };
  TChangesForm(QWidget* parent, Hooks hooks);

  // Reads the disk again and shows the differences.
  void Refresh();
  const std::vector<changes::FileDiff>& Diffs() const { return diffs_; }

  // The most diff lines shown; the rest are counted.
  static constexpr int kMaxShownLines = 20000;

 private:
  void RestoreClick();
  void Show(const std::vector<changes::FileDiff>& diffs);
  // Writes the diffs into the view's document.
  void Fill(const std::vector<changes::FileDiff>& diffs);

  Hooks hooks_;
  std::vector<changes::FileDiff> diffs_;
  std::vector<bool> changedOnDisk_;  // by file, as diffs_
  QLabel* lblSummary_ = nullptr;
  QPlainTextEdit* edtDiff_ = nullptr;
  QTextDocument* shownDocument_ = nullptr;  // the diff view's, once filled here
  QPushButton* btnRestore_ = nullptr;
};
