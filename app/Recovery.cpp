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
#include "store/Apply.h"

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
  if (!store->Used()) return;
  QWidget* parent = form.isVisible() ? &form : nullptr;
  // A warning, or with Yes and No a question (Yes the default).
  auto say = [&](const QString& text, bool question = false) {
    platform::MessageRequest request;
    request.caption = QCoreApplication::translate("Recovery", "Apply not finished");
    request.text = text;
    request.icon = platform::Icon::Warning;
    if (question) {
      request.buttons = platform::Buttons::YesNo;
      request.defaultButton = platform::Answer::Yes;
    }
    return platform::Current().MessageBox(parent, request);
  };
  // Under the lock from the first look to the last file put back: an Apply
  // running in another Configurator is neither taken for one cut short nor
  // overwritten.
  std::optional<backups::Recovery> recovery;
  try {
    recovery.emplace(*store, std::chrono::milliseconds(500));
  } catch (const backups::BusyError&) {
    return;
  }
  while (const std::optional<backups::UnfinishedApply> apply = recovery->Next()) {
    if (!apply->broken.empty()) {
      say(Translated(apply->broken));
      continue;
    }
    if (!apply->decided) {
      QString text = QCoreApplication::translate(
                         "Recovery",
                         "The Apply made at %1 did not finish (the program ended, or the power "
                         "went). ")
                         .arg(ShownTime(apply->set));
      text += QCoreApplication::translate("Recovery", "It had replaced:") + "\r" +
              ShownList(apply->wrote).join("\r") + "\r";
      text +=
          QCoreApplication::translate("Recovery", "These still hold what they held before it:") +
          "\r" + ShownList(apply->before).join("\r") + "\r";
      if (!apply->other.empty())
        text += QCoreApplication::translate("Recovery",
                                            "These hold neither what they held before it nor what "
                                            "it wrote, and are left as they are:") +
                "\r" + ShownList(apply->other).join("\r") + "\r";
      text += "\r" + QCoreApplication::translate(
                         "Recovery",
                         "Do you want to put the emulator's folder back as it was before that "
                         "Apply?\r\rYes gives the files it had replaced what they held before it "
                         "(what they hold now is kept as a backup too); No keeps every file as it "
                         "is now.");
      if (say(text, true) != platform::Answer::Yes) {
        recovery->Keep(*apply);
        continue;
      }
    }
    try {
      recovery->PutBack(*apply);
    } catch (const backups::ChangedOnDiskError&) {
      // Changed while the question was open: looked at again.
    } catch (const StoreError& error) {
      say(Translated(error.message()));
    }
  }
}
