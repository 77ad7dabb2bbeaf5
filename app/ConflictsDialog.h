// The question Apply asks when a setting was changed both in the window and
// on disk since the files were read, each to another value: for each such
// setting, which of the two values to keep. Nothing is saved until every
// setting is answered; Cancel saves nothing.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// One setting (or block of lines) that both the window and someone else changed.
struct ConflictRow {
  QString file;     // "quib.cfg"
  QString setting;  // a key such as "sound_volume", or a block header such as "[Smooth::WIN]"
  // Its value when loaded, in the window and on disk now (the lines of a
  // block joined with "\n"); nullopt: not in the file.
  std::optional<QString> loaded, window, disk;
};

// A table of the settings, one row each, whose "In the window" and "On disk
// now" cells are the two answers of the row: clicked, or chosen with the
// arrow keys and Space.
class TConflictsForm : public QDialog {
  Q_OBJECT

 public:
  // The columns of the table.
  enum Column { FileColumn, SettingColumn, LoadedColumn, WindowColumn, DiskColumn, kColumns };

  // owner is the main window: the dialog takes its font and is centred over it.
  TConflictsForm(QWidget* owner, std::vector<ConflictRow> rows);

  // The rows asked about.
  const std::vector<ConflictRow>& Rows() const { return rows_; }
  // One answer per row once every row is answered (true keeps the window's
  // value, false the disk's); empty while a row is unanswered.
  std::vector<bool> Choices() const;
  // Answers a row as its cell is clicked (keep: the window's value).
  void Choose(int row, bool keepWindow);

  // Shows the dialog modally and returns QDialog::Accepted or Rejected. When
  // ModalHook is set it answers instead of the user: it gets the dialog (to
  // answer through its controls) and returns the result, and nothing is
  // shown. Tests set it; the program leaves it empty.
  int ShowModal();
  static std::function<int(TConflictsForm&)> ModalHook;

 private:
  void Fill();
  // Keeps one tick per row and enables Apply once every row has one.
  void CellChanged(QTableWidgetItem* item);

  std::vector<ConflictRow> rows_;
  QTableWidget* table_ = nullptr;
  QPushButton* okButton_ = nullptr;
  bool settling_ = false;  // CellChanged is changing cells itself
};

// Asks which value each conflicting setting keeps: one answer per row, true
// for the window's value; nullopt when the user cancels.
std::optional<std::vector<bool>> AskConflicts(QWidget* owner, std::vector<ConflictRow> rows);
