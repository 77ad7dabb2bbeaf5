#include "app/ChangesCommands.h"

#include "app/ChangesDialog.h"
#include "app/Unit1.h"
#include "store/Message.h"

std::vector<PlannedFile> FilesApplyWrites(const TForm1& form) {
  std::vector<PlannedFile> files;
  // Apply refuses documents that were not all read from this directory.
  if (form.Documents.LoadedPath().isEmpty() || form.Documents.LoadedPath() != form.QuibPath)
    return files;
  for (EmulatorDocuments::Planned& file : form.Documents.Plan(form.QuibPath))
    files.push_back({file.entry.path.filename().string(), std::move(file.entry.path),
                     std::move(file.entry.bytes), file.changedOnDisk});
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

void ShowDiskChange(TForm1& form, const std::vector<DiskFileChange>& files) {
  TChangesForm::Hooks hooks;
  hooks.planned = [&form, files] {
    std::vector<PlannedFile> planned;
    for (const DiskFileChange& file : files)
      planned.push_back(
          {file.name, form.QuibFile(file.name.c_str()), file.after, false, file.before});
    return planned;
  };
  hooks.store = [&form] { return BackupStoreOf(form); };
  hooks.explanation = TChangesForm::tr(
      "What changed in each file on disk, compared with the file as the window last read it.");
  auto* dialog = new TChangesForm(&form, std::move(hooks));
  dialog->setObjectName("DiskChangeForm");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void ShowChanges(TForm1& form) {
  if (auto* open = form.findChild<TChangesForm*>("ChangesForm");
      open != nullptr && open->isVisible()) {
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
