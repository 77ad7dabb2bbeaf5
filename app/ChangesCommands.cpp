#include "app/ChangesCommands.h"

#include <algorithm>

#include "app/ChangesDialog.h"
#include "app/Unit1.h"
#include "store/Message.h"

std::vector<PlannedFile> FilesApplyWrites(const TForm1& form) {
  std::vector<PlannedFile> files;
  // Apply refuses documents that were not all read from this directory.
  if (form.Documents.LoadedPath().isEmpty() || form.Documents.LoadedPath() != form.QuibPath)
    return files;
  std::vector<save_set::Entry> entries = form.FilesToSave();
  const std::vector<std::filesystem::path> changedOnDisk = form.Documents.ChangedOnDisk(entries);
  for (save_set::Entry& entry : entries) {
    const bool changed =
        std::find(changedOnDisk.begin(), changedOnDisk.end(), entry.path) != changedOnDisk.end();
    files.push_back(
        {entry.path.filename().string(), std::move(entry.path), std::move(entry.bytes), changed});
  }
  return files;
}

backups::Store BackupStoreOf(const TForm1& form) {
  return backups::Store(backups::DefaultRoot(), form.QuibFile(""));
}

void RestoreBackupSet(TForm1& form, const backups::BackupSet& set) {
  backups::Store store = BackupStoreOf(form);
  std::vector<save_set::Entry> files;
  // Only the emulator's settings files are written back, whatever else the
  // folder may hold.
  for (backups::Store::Content& content : store.Read(set)) {
    for (const char* name : kEmulatorFiles)
      if (content.name == name) files.push_back({form.QuibFile(name), std::move(content.bytes)});
  }
  if (files.empty())
    throw backups::BackupError(
        StoreMessage(QT_TRANSLATE_NOOP("Files", "The backup holds none of the settings files.")));
  backups::SaveWithBackup(std::move(files), store);
  form.UndoButtonClick();
}

void ShowChanges(TForm1& form) {
  if (auto* open = form.findChild<TChangesForm*>(); open != nullptr && open->isVisible()) {
    open->Refresh();
    open->raise();
    return;
  }
  TChangesForm::Hooks hooks;
  hooks.planned = [&form] { return FilesApplyWrites(form); };
  hooks.store = [&form] { return BackupStoreOf(form); };
  hooks.restore = [&form](const backups::BackupSet& set) {
    return form.Guarded([&] { RestoreBackupSet(form, set); });
  };
  auto* dialog = new TChangesForm(&form, std::move(hooks));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}
