#include "app/Recovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <system_error>

#include "app/ChangesCommands.h"
#include "app/Text.h"
#include "app/Unit1.h"
#include "platform/Platform.h"
#include "store/Backups.h"

namespace {

QString Shown(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path.string())));
}

QStringList ShownList(const std::vector<std::filesystem::path>& paths) {
  QStringList list;
  for (const std::filesystem::path& path : paths) list << Shown(path);
  return list;
}

}  // namespace

void SettleUnfinishedApply(TForm1& form) {
  std::optional<backups::Store> store;
  try {
    store.emplace(BackupStoreOf(form));
  } catch (const backups::BackupError&) {
    return;  // no folder for backups at all: Apply says so when it is used
  }
  // Nothing was ever saved from this folder: nothing to look at (and no
  // backup folder to make for it).
  std::error_code missing;
  if (!std::filesystem::exists(std::filesystem::symlink_status(store->Folder(), missing))) return;
  std::vector<backups::UnfinishedApply> found;
  try {
    // Under the lock, so that an Apply running in another Configurator is
    // not taken for one cut short.
    const backups::SaveLock lock(*store, std::chrono::milliseconds(500));
    found = store->Unfinished();
  } catch (const backups::BusyError&) {
    return;
  }
  if (found.empty()) return;
  // Only the last one matters for what the files hold; the older ones were
  // overtaken by later saves.
  for (std::size_t i = 1; i < found.size(); ++i) store->Keep(found[i]);
  const backups::UnfinishedApply& apply = found.front();
  if (apply.replaced.empty() && apply.partly.empty()) {
    store->Keep(apply);  // it stopped before replacing anything
    return;
  }
  QString text = QCoreApplication::translate(
                     "Recovery",
                     "The Apply made at %1 did not finish (the program ended, or the power "
                     "went). ")
                     .arg(ShownTime(apply.set));
  if (!apply.replaced.empty())
    text += QCoreApplication::translate("Recovery", "It had replaced:") + "\r" +
            ShownList(apply.replaced).join("\r") + "\r";
  if (!apply.partly.empty())
    text += QCoreApplication::translate(
                "Recovery", "These files hold neither their old nor their new settings:") +
            "\r" + ShownList(apply.partly).join("\r") + "\r";
  text +=
      "\r" + QCoreApplication::translate(
                 "Recovery",
                 "Do you want to put the emulator's folder back as it was before that Apply?\r\r"
                 "Yes writes back the files kept before it (what they hold now is kept as a backup "
                 "too); No keeps the files as they are now.");
  platform::MessageRequest request;
  request.caption = QCoreApplication::translate("Recovery", "Apply not finished");
  request.text = text;
  request.icon = platform::Icon::Warning;
  request.buttons = platform::Buttons::YesNo;
  request.defaultButton = platform::Answer::Yes;
  if (platform::Current().MessageBox(form.isVisible() ? &form : nullptr, request) ==
      platform::Answer::Yes)
    store->PutBack(apply);
  else
    store->Keep(apply);
}
