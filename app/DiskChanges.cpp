#include "app/DiskChanges.h"

#include <QApplication>
#include <QTimer>

#include "app/ChangesCommands.h"
#include "app/NoticeBar.h"
#include "app/Text.h"
#include "app/Unit1.h"

QString PartName(const merge::Part& part) { return ToQ(part.name); }

std::optional<QString> PartText(const merge::Part& part, const merge::Lines& lines) {
  if (!lines || lines->empty()) return std::nullopt;
  if (part.kind == merge::Part::Kind::Setting) {
    const std::string& line = lines->front();
    const std::size_t eq = line.find('=');
    return ToQ(eq == std::string::npos ? line : line.substr(eq + 1));
  }
  QStringList shown;
  for (std::size_t i = 1; i < lines->size(); ++i)
    if (!(*lines)[i].empty()) shown << ToQ((*lines)[i]);
  return shown.join("; ");
}

std::vector<ConflictRow> ConflictRows(const std::vector<FileConflict>& conflicts) {
  std::vector<ConflictRow> rows;
  for (const FileConflict& file : conflicts) {
    const merge::Conflict& conflict = file.conflict;
    ConflictRow row;
    row.file = QString::fromLatin1(kEmulatorFiles[file.file]);
    // A group (a renamed block) is one row: its parts' names and lines side by side.
    QStringList names;
    std::optional<QString> loaded, window, disk;
    auto add = [](std::optional<QString>& to, const std::optional<QString>& text) {
      if (!text) return;
      to = to ? *to + " | " + *text : *text;
    };
    for (std::size_t p = 0; p < conflict.parts.size(); ++p) {
      const merge::Part& part = conflict.parts[p];
      names << PartName(part);
      add(loaded, PartText(part, conflict.loaded[p]));
      add(window, PartText(part, conflict.mine[p]));
      add(disk, PartText(part, conflict.theirs[p]));
    }
    row.setting = names.join(" | ");
    row.loaded = loaded;
    row.window = window;
    row.disk = disk;
    rows.push_back(std::move(row));
  }
  return rows;
}

DiskFollower::DiskFollower(TForm1& form) : QObject(&form), form_(form) {
  connect(&watch_, &DiskWatch::changed, this, [this] { Follow(); });
}

void DiskFollower::Start() {
  QStringList names;
  for (const char* name : kEmulatorFiles) names << QString::fromLatin1(name);
  if (form_.Documents.LoadedPath().isEmpty())
    watch_.Stop();
  else
    watch_.Watch(form_.Documents.LoadedPath(), names);
}

void DiskFollower::Hold() { watch_.Hold(); }

void DiskFollower::Release() { watch_.Release(); }

void DiskFollower::Follow() {
  // Not under a question or a dialog: the documents must not change beneath
  // what the user is answering. The change waits for it to close.
  if (QApplication::activeModalWidget() != nullptr) {
    QTimer::singleShot(250, this, [this] { Follow(); });
    return;
  }
  if (!form_.isVisible()) return;
  DiskChange change;
  if (!form_.Guarded([&] { change = form_.Documents.FollowDisk(form_.QuibPath); })) return;
  if (change.files.empty()) return;
  if (change.documentsChanged) form_.ShowDocuments();
  Tell(change);
}

void DiskFollower::Tell(const DiskChange& change) {
  if (!change.undone.empty()) {
    QStringList names;
    for (const AppliedPart& part : change.undone) names << PartName(part.part);
    const std::vector<AppliedPart> undone = change.undone;
    form_.Notice->Show(UndidNotice(QString::fromLatin1(kEmulatorFiles[undone.front().file]), names),
                       {{ApplyAgainCaption(), "NoticeApplyAgainButton",
                         [this, undone] {
                           form_.Documents.ReapplyUndone(undone);
                           form_.ShowDocuments();
                           form_.Guarded([this] { form_.ApplyButtonClick(); });
                         }},
                        {KeepCaption(), "NoticeKeepButton", [] {}}});
    return;
  }
  QStringList names;
  std::vector<DiskFileChange> files;
  for (std::size_t f = 0; f < change.files.size(); ++f) {
    names << QString::fromLatin1(kEmulatorFiles[change.files[f]]);
    files.push_back(
        {kEmulatorFiles[change.files[f]], change.bytes[f].first, change.bytes[f].second});
  }
  form_.Notice->Show(ChangedOnDiskNotice(names, change.conflicts),
                     {{SeeChangeCaption(), "NoticeSeeChangeButton",
                       [this, files] { ShowDiskChange(form_, files); }}});
}
