#include "store/SaveSet.h"

#include "store/ZIniReader.h"

namespace save_set {

namespace {

std::string QuotedList(const std::vector<std::filesystem::path>& paths) {
  std::string text;
  for (const std::filesystem::path& path : paths) {
    if (!text.empty()) text += ", ";
    text += "\"" + path.string() + "\"";
  }
  return text;
}

}  // namespace

PreparedSet::PreparedSet(std::vector<Entry> entries) : entries_(std::move(entries)) {
  files_.reserve(entries_.size());
  std::vector<std::filesystem::path> all;
  for (const Entry& entry : entries_) all.push_back(entry.path);
  for (const Entry& entry : entries_) {
    try {
      files_.emplace_back(entry.path, entry.bytes);
    } catch (const FileError& error) {
      files_.clear();  // removes every temporary file made so far
      throw SaveSetError(std::string("Nothing was saved: ") + error.what(), {}, std::move(all));
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
      for (std::size_t j = i; j < files_.size(); ++j) {
        files_[j].Discard();
        notSaved.push_back(entries_[j].path);
      }
      std::string text;
      if (saved.empty() && damaged.empty()) {
        text = std::string("Nothing was saved: ") + error.what();
      } else {
        text = std::string("Not all settings files were saved: ") + error.what();
        if (!saved.empty()) text += "\r\nSaved: " + QuotedList(saved) + ".";
        text += "\r\nNot saved: " + QuotedList(notSaved) + ".";
        if (!damaged.empty())
          text += "\r\n" + QuotedList(damaged) + " may hold part of the new settings.";
      }
      throw SaveSetError(text, std::move(saved), std::move(notSaved), std::move(damaged),
                         error.what());
    }
    if (afterEach) afterEach(i);
  }
}

}  // namespace save_set
