// The main window's side of the Changes and Restore windows: the files Apply
// writes, the backup store of its emulator directory, writing a set back
// (itself backed up first) and reloading every page afterwards, and opening
// the Changes window.
#pragma once

#include <string>
#include <vector>

#include "app/ChangesDialog.h"
#include "store/Apply.h"

class TForm1;

std::vector<PlannedFile> FilesApplyWrites(const TForm1& form);

// A file that changed on disk while the window was open: what it held before
// and holds now.
struct DiskFileChange {
  std::string name;
  std::string before, after;
};
// Shows the changes in a Changes window of their own.
void ShowDiskChange(TForm1& form, const std::vector<DiskFileChange>& files);
backups::Store BackupStoreOf(const TForm1& form);
void RestoreBackupSet(TForm1& form, const backups::BackupSet& set);
void ShowChanges(TForm1& form);
