#include "app/EmulatorFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

const char* const kRequiredFilesMissing =
    QT_TRANSLATE_NOOP("TForm1",
                      "One or more of the required configuration files was not found.\r\r"
                      "The required files are:\r"
                      "Either quib.cfg (for Quib) or quibw.cfg (for QuibW)\r"
                      "quib.blt (blitters)\r"
                      "quib.inp (input)\r"
                      "quib.msg (messages)\r"
                      "quib.thm (themes)\r\r"
                      "Do you want to relocate Quib?");

const char* const kVersionMismatch = QT_TRANSLATE_NOOP(
    "TForm1",
    "Quib Configurator has detected that you are running it on a version of Quib other "
    "than the one it was designed for.\r\n"
    "It will continue to run but please note that it is not guaranteed to work well or "
    "at all. It will not destroy your Quib settings.\r\n"
    "You might want to see if a new version of Quib Configurator has been released yet.");

std::filesystem::path EmulatorFile(const QString& dir, const char* name) {
#ifdef _WIN32
  // UTF-16, as the system takes it: no letter is lost to the ANSI code page.
  return std::filesystem::path((dir + name).toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(dir + name).toStdString());
#endif
}

namespace {

// A settings file as it is on disk now, read as a load reads it.
struct DiskFile {
  Document doc;
  LineNames names;
  FileStamp stamp;
  std::string bytes;
};

// nullopt for a file that is gone or cannot be read.
std::optional<DiskFile> ReadNow(const std::filesystem::path& path) {
  DiskFile file;
  LineNotes notes;
  notes.noteNames = true;
  notes.bytes = &file.bytes;
  try {
    LoadDocument(file.doc, path, &file.stamp, LineForm::Normalized, &notes);
  } catch (const FileError&) {
    return std::nullopt;
  }
  file.names = std::move(notes.names);
  return file;
}

}  // namespace

void EmulatorDocuments::CreateDocuments(const QString& dir) {
  for (auto& journal : journals_) journal.reset();
  QuibCfgPresent = QFileInfo::exists(dir + kEmulatorFiles[0]);
  QuibWCfgPresent = QFileInfo::exists(dir + kEmulatorFiles[1]);
  QuibDoc = QuibCfgPresent ? std::make_unique<Document>() : nullptr;
  QuibWDoc = QuibWCfgPresent ? std::make_unique<Document>() : nullptr;
  BlitterDoc.clear();
  InputDoc.clear();
  ThemeDoc.clear();
  CurrentBlock.clear();
}

void EmulatorDocuments::ReleaseDocuments() {
  writes_.reset();
  for (auto& journal : journals_) journal.reset();
  QuibDoc.reset();
  QuibWDoc.reset();
  BlitterDoc.clear();
  InputDoc.clear();
  ThemeDoc.clear();
  CurrentBlock.clear();
}

Document* EmulatorDocuments::DocumentOf(std::size_t file) {
  switch (file) {
    case 0:
      return QuibDoc.get();
    case 1:
      return QuibWDoc.get();
    case 2:
      return &BlitterDoc;
    case 3:
      return &InputDoc;
    case 4:
      return &ThemeDoc;
    default:
      return nullptr;
  }
}

const Document* EmulatorDocuments::DocumentOf(std::size_t file) const {
  return const_cast<EmulatorDocuments*>(this)->DocumentOf(file);
}

Document* EmulatorDocuments::PreferredOf(int item) {
  switch (item) {
    case 0:
      return QuibDoc ? QuibDoc.get() : QuibWDoc.get();
    case 1:
      return QuibWDoc ? QuibWDoc.get() : QuibDoc.get();
    default:
      return nullptr;
  }
}

Document* EmulatorDocuments::BuildDocument(int build) {
  return build == 0 || build == 1 ? DocumentOf(static_cast<std::size_t>(build)) : nullptr;
}

void EmulatorDocuments::WriteValueToBoth(std::string_view key, std::string_view value) {
  if (QuibDoc) WriteValue(*QuibDoc, key, value);
  if (QuibWDoc) WriteValue(*QuibWDoc, key, value);
}

void EmulatorDocuments::WriteIntegerToBoth(std::string_view key, std::int32_t number) {
  if (QuibDoc) WriteInteger(*QuibDoc, key, number);
  if (QuibWDoc) WriteInteger(*QuibWDoc, key, number);
}

void EmulatorDocuments::AllowWrites() {
  if (!writes_) writes_.emplace();
}

bool EmulatorDocuments::RequiredFilesPresent(const QString& dir) const {
  for (const char* name : {"quib.blt", "quib.inp", "quib.msg", "quib.thm"})
    if (!QFileInfo::exists(dir + name)) return false;
  return QuibCfgPresent || QuibWCfgPresent;
}

EmulatorDocuments::Loaded EmulatorDocuments::Load(const QString& dir) {
  const bool sameDir = dir == loadedPath_;
  loadedPath_.clear();
  std::array<Document, kEmulatorFiles.size()> read;
  std::array<std::string, kEmulatorFiles.size()> bytes;
  std::map<std::filesystem::path, FileStamp> stamps;
  // While the settings files are read, any line may show the version mark,
  // and their names are noted for their indexes.
  std::array<LineNotes, kEmulatorFiles.size()> notes;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    notes[i].bytes = &bytes[i];
    if (i >= 2) continue;
    notes[i].mark = "QUIB 0.72";
    notes[i].noteNames = true;
  }
  for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i) {
    if (DocumentOf(i) == nullptr) continue;
    const std::filesystem::path file = EmulatorFile(dir, kEmulatorFiles[i]);
    LoadDocument(read[i], file, &stamps[file], LineForm::Normalized, &notes[i]);
  }
  stamps_ = std::move(stamps);
  seen_ = std::move(bytes);
  unresolved_ = {};
  if (!sameDir) applied_.clear();
  for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i) {
    journals_[i].reset();
    if (Document* doc = DocumentOf(i)) {
      *doc = std::move(read[i]);
      journals_[i] = std::make_unique<merge::Journal>(*doc);
    }
  }
  loadedPath_ = dir;
  return {notes[0].marked, notes[1].marked, std::move(notes[0].names), std::move(notes[1].names)};
}

void EmulatorDocuments::RememberSaved(const std::vector<save_set::Entry>& entries,
                                      const std::vector<std::filesystem::path>& saved) {
  for (const save_set::Entry& entry : entries) {
    if (std::find(saved.begin(), saved.end(), entry.path) != saved.end())
      stamps_[entry.path] = StampOfWritten(entry.bytes, entry.path);
  }
}

std::vector<EmulatorDocuments::Planned> EmulatorDocuments::Plan(const QString& dir) const {
  std::vector<Planned> planned;
  for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i) {
    const Document* doc = DocumentOf(i);
    if (doc == nullptr) continue;
    const std::filesystem::path path = EmulatorFile(dir, kEmulatorFiles[i]);
    const auto stamp = stamps_.find(path);
    const bool changed = stamp == stamps_.end() || !StillAsLoaded(path, stamp->second);
    std::optional<DiskFile> disk;
    if (changed || unresolved_[i]) disk = ReadNow(path);
    if (!disk) {
      planned.push_back({{path, DocumentBytes(*doc)}, changed});
      continue;
    }
    // A file the window did not edit stays as the disk has it.
    if (journals_[i] == nullptr || journals_[i]->empty()) {
      planned.push_back({{path, std::move(disk->bytes)}, true});
      continue;
    }
    merge::Merge merged(*journals_[i], std::move(disk->doc), std::move(disk->names));
    planned.push_back({{path, merged.ChangesTheirs() ? DocumentBytes(merged.TakeResult())
                                                     : std::move(disk->bytes)},
                       true});
  }
  return planned;
}

EmulatorDocuments::Saved EmulatorDocuments::Save(const QString& dir, backups::Store& backups,
                                                 const Resolve& resolve) {
  for (;;) {
    // Each file as Apply finds it: unchanged since read (the document is
    // written), changed on disk (the window's edits are made on it), or gone.
    struct File {
      std::size_t index = 0;
      std::filesystem::path path;
      std::optional<DiskFile> disk;
      std::unique_ptr<merge::Merge> merge;
      std::size_t firstConflict = 0;
      bool written = false;
      std::vector<AppliedPart> applied;
    };
    std::vector<File> files;
    std::vector<FileConflict> conflicts;
    // What each file must still hold when it is replaced.
    std::map<std::filesystem::path, FileStamp> expected = stamps_;
    for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i) {
      if (DocumentOf(i) == nullptr) continue;
      File file;
      file.index = i;
      file.path = EmulatorFile(dir, kEmulatorFiles[i]);
      const auto stamp = stamps_.find(file.path);
      if (stamp == stamps_.end() || !StillAsLoaded(file.path, stamp->second) || unresolved_[i]) {
        file.disk = ReadNow(file.path);
        if (!file.disk) {
          expected.erase(file.path);
        } else {
          expected[file.path] = file.disk->stamp;
          if (!journals_[i]->empty()) {
            file.merge = std::make_unique<merge::Merge>(*journals_[i], std::move(file.disk->doc),
                                                        std::move(file.disk->names));
            file.firstConflict = conflicts.size();
            for (const merge::Conflict& conflict : file.merge->conflicts())
              conflicts.push_back({i, conflict});
          }
        }
      }
      files.push_back(std::move(file));
    }
    std::vector<merge::Keep> keep;
    if (!conflicts.empty()) {
      const std::optional<std::vector<merge::Keep>> answers = resolve(conflicts);
      if (!answers) return Saved::Cancelled;
      keep = *answers;
    }

    std::vector<save_set::Entry> entries;
    std::vector<Document> results(files.size());
    for (std::size_t f = 0; f < files.size(); ++f) {
      File& file = files[f];
      Document& doc = *DocumentOf(file.index);
      const merge::Journal& journal = *journals_[file.index];
      if (file.merge) {
        const std::size_t count = file.merge->conflicts().size();
        const auto first =
            keep.begin() + static_cast<std::ptrdiff_t>(std::min(file.firstConflict, keep.size()));
        const std::vector<merge::Keep> mine(
            first, keep.begin() + static_cast<std::ptrdiff_t>(
                                      std::min(file.firstConflict + count, keep.size())));
        {
          const KeyIndex index(&file.merge->theirs());
          for (const merge::Journal::Noted& noted : journal.parts())
            file.applied.push_back(
                {file.index, noted.part, merge::LinesOf(file.merge->theirs(), noted.part), {}});
        }
        file.written = file.merge->ChangesTheirs(mine);
        results[f] = file.merge->TakeResult(mine);
      } else if (file.disk) {
        results[f] = std::move(file.disk->doc);  // not edited: the disk's version stays
      } else {
        for (const merge::Journal::Noted& noted : journal.parts())
          file.applied.push_back({file.index, noted.part, noted.loaded, {}});
        file.written = true;
      }
      if (file.written)
        entries.push_back({file.path, DocumentBytes(file.merge || file.disk ? results[f] : doc)});
    }

    backups::SaveHooks hooks;
    hooks.loaded = &expected;
    hooks.lockWait = saveLockWait;
    try {
      if (!entries.empty()) backups::SaveWithBackup(entries, backups, hooks);
    } catch (const backups::ChangedOnDiskError&) {
      continue;  // changed again meanwhile: merged anew
    } catch (const save_set::SaveSetError& error) {
      RememberSaved(entries, error.saved());
      throw;
    }

    // Saved: the documents hold what the files hold now.
    bool merged = false;
    applied_.clear();
    for (std::size_t f = 0; f < files.size(); ++f) {
      File& file = files[f];
      Document& doc = *DocumentOf(file.index);
      if (file.merge || file.disk) {
        merged = merged || results[f] != doc;
        doc = std::move(results[f]);
      }
      {
        const KeyIndex index(&doc);
        for (AppliedPart& part : file.applied) {
          part.after = merge::LinesOf(doc, part.part);
          if (part.after != part.before) applied_.push_back(std::move(part));
        }
      }
      if (file.written) {
        seen_[file.index] = DocumentBytes(doc);
      } else if (file.disk) {
        stamps_[file.path] = file.disk->stamp;
        seen_[file.index] = std::move(file.disk->bytes);
      }
      journals_[file.index]->Clear();
    }
    std::vector<std::filesystem::path> all;
    for (const save_set::Entry& entry : entries) all.push_back(entry.path);
    RememberSaved(entries, all);
    unresolved_ = {};
    return merged ? Saved::SavedAndMerged : Saved::Saved;
  }
}

DiskChange EmulatorDocuments::FollowDisk(const QString& dir) {
  DiskChange change;
  if (loadedPath_.isEmpty() || loadedPath_ != dir) return change;
  for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i) {
    Document* doc = DocumentOf(i);
    if (doc == nullptr || journals_[i] == nullptr) continue;
    const std::filesystem::path path = EmulatorFile(dir, kEmulatorFiles[i]);
    const auto stamp = stamps_.find(path);
    if (stamp != stamps_.end() && StillAsLoaded(path, stamp->second)) continue;
    // A file that is gone or cannot be read is left to the next Apply.
    std::optional<DiskFile> disk = ReadNow(path);
    if (!disk) continue;
    change.files.push_back(i);
    {
      const KeyIndex index(&disk->doc);
      for (const AppliedPart& part : applied_)
        if (part.file == i && merge::LinesOf(disk->doc, part.part) == part.before)
          change.undone.push_back(part);
    }
    Document result;
    if (journals_[i]->empty()) {
      result = std::move(disk->doc);
      unresolved_[i] = false;
    } else {
      merge::Merge merged(*journals_[i], std::move(disk->doc), std::move(disk->names));
      change.conflicts += static_cast<int>(merged.conflicts().size());
      unresolved_[i] = !merged.conflicts().empty();
      merged.Settle(*journals_[i]);
      result = merged.TakeResult();
    }
    if (result != *doc) {
      *doc = std::move(result);
      change.documentsChanged = true;
    }
    stamps_[path] = disk->stamp;
    std::string before = std::exchange(seen_[i], std::move(disk->bytes));
    change.bytes.emplace_back(std::move(before), seen_[i]);
  }
  return change;
}

void EmulatorDocuments::ReapplyUndone(const std::vector<AppliedPart>& undone) {
  for (const AppliedPart& part : undone)
    if (Document* doc = DocumentOf(part.file)) merge::SetLinesEdit(*doc, part.part, part.after);
}
