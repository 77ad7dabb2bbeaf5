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

QString ChangedOnDiskQuestion(const QStringList& files) {
  return (files.size() == 1
              ? QCoreApplication::translate("TForm1",
                                            "This file was changed on disk after it was loaded:")
              : QCoreApplication::translate(
                    "TForm1", "These files were changed on disk after they were loaded:")) +
         "\r" + files.join("\r") + "\r\r" +
         QCoreApplication::translate(
             "TForm1",
             "Do you want to overwrite the changes made there with your settings?\r\r"
             "Choose No to cancel this Apply; \"Undo changes\" on the Miscellaneous page "
             "then loads the files as they are now.");
}

std::filesystem::path EmulatorFile(const QString& dir, const char* name) {
#ifdef _WIN32
  // UTF-16, as the system takes it: no letter is lost to the ANSI code page.
  return std::filesystem::path((dir + name).toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(dir + name).toStdString());
#endif
}

void EmulatorDocuments::CreateDocuments(const QString& dir) {
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
  loadedPath_.clear();
  std::array<Document, kEmulatorFiles.size()> read;
  std::map<std::filesystem::path, FileStamp> stamps;
  // While the settings files are read, any line may show the version mark,
  // and their names are noted for their indexes.
  std::array<LineNotes, 2> notes;
  for (LineNotes& n : notes) {
    n.mark = "QUIB 0.72";
    n.noteNames = true;
  }
  for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i) {
    if (DocumentOf(i) == nullptr) continue;
    const std::filesystem::path file = EmulatorFile(dir, kEmulatorFiles[i]);
    LoadDocument(read[i], file, &stamps[file], LineForm::Normalized,
                 i < notes.size() ? &notes[i] : nullptr);
  }
  stamps_ = std::move(stamps);
  for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i)
    if (Document* doc = DocumentOf(i)) *doc = std::move(read[i]);
  loadedPath_ = dir;
  return {notes[0].marked, notes[1].marked, std::move(notes[0].names), std::move(notes[1].names)};
}

std::vector<save_set::Entry> EmulatorDocuments::Entries(const QString& dir) const {
  std::vector<save_set::Entry> entries;
  for (std::size_t i = 0; i < kEmulatorFiles.size(); ++i)
    if (const Document* doc = DocumentOf(i))
      entries.push_back({EmulatorFile(dir, kEmulatorFiles[i]), DocumentBytes(*doc)});
  return entries;
}

std::vector<std::filesystem::path> EmulatorDocuments::ChangedOnDisk(
    const std::vector<save_set::Entry>& entries) const {
  std::vector<std::filesystem::path> changed;
  for (const save_set::Entry& entry : entries) {
    const auto stamp = stamps_.find(entry.path);
    if (stamp == stamps_.end() || !StillAsLoaded(entry.path, stamp->second))
      changed.push_back(entry.path);
  }
  return changed;
}

void EmulatorDocuments::RememberSaved(const std::vector<save_set::Entry>& entries,
                                      const std::vector<std::filesystem::path>& saved) {
  for (const save_set::Entry& entry : entries) {
    if (std::find(saved.begin(), saved.end(), entry.path) != saved.end())
      stamps_[entry.path] = StampOfWritten(entry.bytes, entry.path);
  }
}

bool EmulatorDocuments::Save(const std::vector<save_set::Entry>& entries, backups::Store& backups,
                             const std::function<bool(const QStringList&)>& confirm) {
  // What each file must still hold when it is replaced: what was read, or
  // what the user agreed to overwrite.
  std::map<std::filesystem::path, FileStamp> expected = stamps_;
  auto overwrite = [&](const std::vector<std::filesystem::path>& changed) {
    QStringList names;
    for (const std::filesystem::path& path : changed)
      names << QDir::toNativeSeparators(
          QFile::decodeName(QByteArray::fromStdString(path.string())));
    if (!confirm(names)) return false;
    for (const std::filesystem::path& path : changed) {
      FileStamp now;
      try {
        ReadFileBytes(path, &now);
        expected[path] = now;
      } catch (const FileError&) {
        expected.erase(path);
      }
    }
    return true;
  };
  if (const auto changed = ChangedOnDisk(entries); !changed.empty() && !overwrite(changed))
    return false;
  for (;;) {
    // The files about to be replaced are kept as a backup set, complete and
    // flushed, and each must still hold what is expected (else the user is
    // asked again); a backup that cannot be written stops here. Then every
    // file is written beside its target and replaced, in order, and a
    // failure puts back the ones before.
    backups::SaveHooks hooks;
    hooks.loaded = &expected;
    hooks.lockWait = saveLockWait;
    try {
      backups::SaveWithBackup(entries, backups, hooks);
    } catch (const backups::ChangedOnDiskError& error) {
      if (!overwrite(error.files())) return false;
      continue;
    } catch (const save_set::SaveSetError& error) {
      RememberSaved(entries, error.saved());
      throw;
    }
    std::vector<std::filesystem::path> all;
    for (const save_set::Entry& entry : entries) all.push_back(entry.path);
    RememberSaved(entries, all);
    return true;
  }
}
