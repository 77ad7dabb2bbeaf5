#include "store/SaveSet.h"

#include "store/ZIniReader.h"

namespace save_set {

namespace {

StoreMessage QuotedPaths(const std::vector<std::filesystem::path>& paths) {
  std::vector<std::string> names;
  for (const std::filesystem::path& path : paths) names.push_back(path.string());
  return QuotedList(names);
}

StoreMessage NothingSaved(const StoreMessage& why) {
  return StoreMessage(QT_TRANSLATE_NOOP("Files", "Nothing was saved: %1"), {why});
}

}  // namespace

PreparedSet::PreparedSet(std::vector<Entry> entries,
                         const std::vector<std::filesystem::path>& temps)
    : entries_(std::move(entries)) {
  files_.reserve(entries_.size());
  std::vector<std::filesystem::path> all;
  for (const Entry& entry : entries_) all.push_back(entry.path);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    try {
      files_.emplace_back(entries_[i].path, entries_[i].bytes,
                          i < temps.size() ? temps[i] : std::filesystem::path());
    } catch (const FileError& error) {
      files_.clear();  // removes every temporary file made so far
      throw SaveSetError(NothingSaved(error.message()), {}, std::move(all));
    }
  }
}

void PreparedSet::CommitAll(const std::function<void(std::size_t)>& afterEach) {
  if (committed_) return;
  committed_ = true;
  std::vector<std::filesystem::path> saved;
  for (std::size_t i = 0; i < files_.size(); ++i) {
    try {
      files_[i].Commit();
      saved.push_back(entries_[i].path);
    } catch (const FileError& error) {
      std::vector<std::filesystem::path> notSaved, damaged;
      if (files_[i].damaged()) damaged.push_back(entries_[i].path);
      if (files_[i].replaced()) saved.push_back(entries_[i].path);
      for (std::size_t j = i + (files_[i].replaced() ? 1 : 0); j < files_.size(); ++j) {
        files_[j].Discard();
        notSaved.push_back(entries_[j].path);
      }
      StoreMessage text;
      if (saved.empty() && damaged.empty()) {
        text = NothingSaved(error.message());
      } else {
        text = StoreMessage(QT_TRANSLATE_NOOP("Files", "Not all settings files were saved: %1"),
                            {error.message()});
        const StoreMessage lineBreak = StoreMessage::Verbatim("\r\n");
        if (!saved.empty()) {
          text += lineBreak;
          text += StoreMessage(QT_TRANSLATE_NOOP("Files", "Saved: %1."), {QuotedPaths(saved)});
        }
        text += lineBreak;
        text += StoreMessage(QT_TRANSLATE_NOOP("Files", "Not saved: %1."), {QuotedPaths(notSaved)});
        if (!damaged.empty()) {
          text += lineBreak;
          text += StoreMessage(QT_TRANSLATE_NOOP("Files", "%1 may hold part of the new settings."),
                               {QuotedPaths(damaged)});
        }
      }
      throw SaveSetError(std::move(text), std::move(saved), std::move(notSaved), std::move(damaged),
                         error.message());
    }
    if (afterEach) afterEach(i);
  }
}

}  // namespace save_set
