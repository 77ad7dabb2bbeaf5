// The main window's side of the Changes and Restore windows: the files Apply
// writes, the backup store of its emulator directory, writing a set back
// (itself backed up first) and reloading every page afterwards, and opening
// the Changes window.
#pragma once

#include <vector>

#include "app/ChangesDialog.h"
#include "store/Backups.h"

class TForm1;

std::vector<PlannedFile> FilesApplyWrites(const TForm1& form);
backups::Store BackupStoreOf(const TForm1& form);
void RestoreBackupSet(TForm1& form, const backups::BackupSet& set);
void ShowChanges(TForm1& form);
