#include "store/ZIniReader.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>

#include "store/Cp1252.h"
#include "store/LineNames.h"
#include "store/Merge.h"

namespace {

// The store writes while some StoreWrites scope is open and no fill runs.
int openWriteScopes = 0;
int runningFills = 0;
int replays = 0;
bool storeMayWrite = false;

void Update() { storeMayWrite = (openWriteScopes > 0 && runningFills == 0) || replays > 0; }

}  // namespace

const bool& LoadingFinished = storeMayWrite;

StoreWrites::StoreWrites() {
  ++openWriteScopes;
  Update();
}
StoreWrites::~StoreWrites() {
  --openWriteScopes;
  Update();
}

ReplayWrites::ReplayWrites() {
  ++replays;
  Update();
}
ReplayWrites::~ReplayWrites() {
  --replays;
  Update();
}

FillGuard::FillGuard() {
  ++runningFills;
  Update();
}
FillGuard::~FillGuard() {
  --runningFills;
  Update();
}

namespace {

StoreMessage FileErrorText(FileError::Kind kind, const std::string& name,
                           const StoreMessage& reason) {
  const char* pattern = kind == FileError::Kind::Open
                            ? QT_TRANSLATE_NOOP("Files", "Cannot open file \"%1\". %2")
                            : QT_TRANSLATE_NOOP("Files", "Cannot create file \"%1\". %2");
  return StoreMessage(pattern, {StoreMessage::Verbatim(name), reason});
}

}  // namespace

FileError::FileError(Kind kind, std::string fileName, StoreMessage reason)
    : StoreError(FileErrorText(kind, fileName, reason)),
      kind_(kind),
      fileName_(std::move(fileName)),
      reason_(std::move(reason)) {}

StoreMessage NotRegularFile() {
  return StoreMessage(QT_TRANSLATE_NOOP("Files", "It is not a regular file."));
}

StoreMessage TooLargeFile() {
  return StoreMessage(
      QT_TRANSLATE_NOOP("Files", "It is larger than %1 MB, too large for a settings file."),
      {StoreMessage::Verbatim(std::to_string(kMaxSettingsFileBytes >> 20))});
}

std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) { return cp1252::EqualNoCase(a, b); }

namespace {

// The name of a line: the text before its first "="; nothing without one.
bool NameOf(const std::string& line, std::string_view& name) {
  const void* eq = std::memchr(line.data(), '=', line.size());
  if (eq == nullptr) return false;
  name = std::string_view(line.data(),
                          static_cast<std::size_t>(static_cast<const char*>(eq) - line.data()));
  return true;
}

}  // namespace

std::uint32_t NameHash(std::string_view name) {
  const auto hash = static_cast<std::uint32_t>(cp1252::HashNoCase(name) >> 32);
  return hash == 0 ? 1 : hash;
}

namespace {

int ScanForKey(const Document& doc, std::string_view key) {
  std::string_view name;
  for (std::size_t i = 0; i < doc.size(); ++i)
    if (NameOf(doc[i], name) && SameName(name, key)) return static_cast<int>(i);
  return -1;
}

// The first line of every name in a document, in an open-addressing table of
// (name hash, line + 1) pairs. It is made on the first lookup (or at once from
// the names noted while the document was read) and made again whenever the
// document is no longer the one it was made for as far as its storage and line
// count tell, or a line was removed; lines added at the end are taken in.
class NameIndex {
 public:
  explicit NameIndex(const Document* doc) : doc_(doc) {}
  const Document* doc() const { return doc_; }
  int users = 1;

  int Find(std::string_view key) {
    if (!Current())
      Build();
    else if (doc_->size() > size_)
      TakeAppended();
    const std::uint32_t hash = NameHash(key);
    std::string_view name;
    for (std::size_t s = Home(hash);; s = Next(s)) {
      const std::uint64_t entry = slots_[s];
      if (entry == 0) return -1;
      if (static_cast<std::uint32_t>(entry >> 32) != hash) continue;
      const std::size_t line = static_cast<std::uint32_t>(entry) - 1;
      if (NameOf((*doc_)[line], name) && SameName(name, key)) return static_cast<int>(line);
    }
  }

  // The store added the last line of the document.
  void Appended() {
    if (built_ && doc_->size() == size_ + 1) {
      data_ = doc_->data();
      TakeAppended();
    } else {
      built_ = false;
    }
  }
  // The store removed a line (a later line of its name may now come first).
  void Removed() { built_ = false; }

  // Made at once from the names noted while the document was read, one hash a
  // line.
  void BuildFrom(const LineNames& names) {
    Clear();
    // The slot of a line some lines ahead is fetched while this one goes in.
    constexpr std::size_t kAhead = 24;
    const std::uint32_t* hashes = names.hashes.data();
    const std::size_t count = names.hashes.size();
    for (std::size_t i = 0; i < count; ++i) {
      if (i + kAhead < count) __builtin_prefetch(&slots_[Home(hashes[i + kAhead])]);
      if (hashes[i] != 0) Insert(i, hashes[i]);
    }
    Built();
  }

 private:
  std::size_t Home(std::uint32_t hash) const {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(hash) * slots_.size()) >> 32);
  }
  std::size_t Next(std::size_t s) const { return s + 1 == slots_.size() ? 0 : s + 1; }
  // The document is the one indexed, perhaps with lines added at its end.
  bool Current() const { return built_ && doc_->data() == data_ && doc_->size() >= size_; }

  void TakeAppended() {
    if ((used_ + doc_->size() - size_) * 4 > slots_.size() * 3) {
      Build();
      return;
    }
    std::string_view name;
    for (; size_ < doc_->size(); ++size_)
      if (NameOf((*doc_)[size_], name)) Insert(size_, NameHash(name));
  }

  // Adds a line that has a name unless an earlier line already has that name.
  // The lines are read only when their hashes meet.
  void Insert(std::size_t line, std::uint32_t hash) {
    for (std::size_t s = Home(hash);; s = Next(s)) {
      const std::uint64_t entry = slots_[s];
      if (entry == 0) {
        slots_[s] = (static_cast<std::uint64_t>(hash) << 32) | (line + 1);
        ++used_;
        return;
      }
      if (static_cast<std::uint32_t>(entry >> 32) != hash) continue;
      const std::size_t earlier = static_cast<std::uint32_t>(entry) - 1;
      std::string_view name, other;
      if (NameOf((*doc_)[line], name) && NameOf((*doc_)[earlier], other) && SameName(other, name))
        return;
    }
  }

  // An empty table for the document's lines: at most two thirds full once
  // they are in, so that probes stay short and appends rarely rebuild.
  void Clear() {
    slots_.assign(doc_->size() + doc_->size() / 2 + 16, 0);
    used_ = 0;
  }
  void Built() {
    data_ = doc_->data();
    size_ = doc_->size();
    built_ = true;
  }

  void Build() {
    const Document& doc = *doc_;
    Clear();
    // In batches: the table slots of a batch are fetched before they are used.
    constexpr std::size_t kBatch = 16;
    std::uint32_t hashes[kBatch];
    std::size_t lines[kBatch];
    std::string_view name;
    for (std::size_t first = 0; first < doc.size(); first += kBatch) {
      const std::size_t last = std::min(doc.size(), first + kBatch);
      std::size_t n = 0;
      for (std::size_t i = first; i < last; ++i) {
        if (!NameOf(doc[i], name)) continue;
        hashes[n] = NameHash(name);
        lines[n] = i;
        __builtin_prefetch(&slots_[Home(hashes[n])]);
        ++n;
      }
      for (std::size_t k = 0; k < n; ++k) Insert(lines[k], hashes[k]);
    }
    Built();
  }

 private:
  const Document* doc_;
  bool built_ = false;
  const std::string* data_ = nullptr;
  std::size_t size_ = 0;
  std::vector<std::uint64_t> slots_;
  std::size_t used_ = 0;
};

// The indexes alive on this thread (few: one per document being filled).
thread_local std::vector<std::unique_ptr<NameIndex>> indexes;

NameIndex* IndexOf(const Document& doc) {
  for (const auto& index : indexes)
    if (index->doc() == &doc) return index.get();
  return nullptr;
}

}  // namespace

KeyIndex::KeyIndex(const Document* doc) : doc_(doc) {
  if (doc_ == nullptr) return;
  // Line numbers go into 32 bits; a longer document is read from the top.
  if (doc_->size() >= UINT32_MAX / 2) {
    doc_ = nullptr;
    return;
  }
  if (NameIndex* index = IndexOf(*doc_))
    ++index->users;
  else
    indexes.push_back(std::make_unique<NameIndex>(doc_));
}

KeyIndex::KeyIndex(const Document* doc, LineNames&& names) : KeyIndex(doc) {
  const LineNames taken = std::move(names);
  if (doc_ == nullptr || taken.hashes.size() != doc_->size()) return;
  // A new index (not one that nests in another) starts from the names.
  if (NameIndex* index = IndexOf(*doc_); index->users == 1) index->BuildFrom(taken);
}

KeyIndex::~KeyIndex() {
  if (doc_ == nullptr) return;
  for (auto it = indexes.begin(); it != indexes.end(); ++it) {
    if ((*it)->doc() != doc_) continue;
    if (--(*it)->users == 0) indexes.erase(it);
    return;
  }
}

int FindKey(const Document& doc, std::string_view key) {
  if (!indexes.empty())
    if (NameIndex* index = IndexOf(doc)) return index->Find(key);
  return ScanForKey(doc, key);
}

std::size_t Normalize(std::string& line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos) return eq;
  if (std::memchr(line.data(), ';', eq) != nullptr) return eq;  // a comment
  const std::string_view view(line);
  const std::string_view name = TrimBlanks(view.substr(0, eq));
  const std::string_view value = TrimBlanks(view.substr(eq + 1));
  if (name.size() == eq && value.size() == view.size() - eq - 1) return eq;  // already trimmed
  // In place: each part only moves towards the front.
  const std::size_t nameAt = static_cast<std::size_t>(name.data() - line.data());
  const std::size_t valueAt = static_cast<std::size_t>(value.data() - line.data());
  const std::size_t nameSize = name.size(), valueSize = value.size();
  char* const text = line.data();
  std::memmove(text, text + nameAt, nameSize);
  text[nameSize] = '=';
  std::memmove(text + nameSize + 1, text + valueAt, valueSize);
  line.resize(nameSize + 1 + valueSize);
  return nameSize;
}

void NormalizeNameLine(std::string& line) { Normalize(line); }

void NormalizeLines(Document* doc) {
  if (doc == nullptr) return;
  for (std::string& line : *doc) NormalizeNameLine(line);
}

std::string ReadValue(const Document& doc, std::string_view key) {
  const int index = FindKey(doc, key);
  if (index < 0) return {};
  std::string_view raw(doc[static_cast<std::size_t>(index)]);
  raw.remove_prefix(raw.find('=') + 1);
  const std::size_t semi = raw.find(';');
  if (semi != std::string_view::npos) raw = raw.substr(0, semi);
  return std::string(TrimBlanks(raw));
}

std::int32_t TextToInteger(std::string_view s) {
  if (s.empty()) return 0;
  bool negative = false;
  std::size_t i = 0;
  if (s[0] == '+' || s[0] == '-') {
    negative = s[0] == '-';
    i = 1;
  }
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    i += 1;
  } else if (i < s.size() && (s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    i += 1;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return 0;
  const std::int64_t limit = negative ? static_cast<std::int64_t>(INT32_MAX) + 1 : INT32_MAX;
  std::int64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return 0;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return 0;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t ReadInteger(const Document& doc, std::string_view key) {
  return TextToInteger(ReadValue(doc, key));
}

namespace {

void RemoveLine(Document& doc, int index) {
  doc.erase(doc.begin() + index);
  if (!indexes.empty())
    if (NameIndex* found = IndexOf(doc)) found->Removed();
}

}  // namespace

void WriteValue(Document& doc, std::string_view key, std::string_view value) {
  if (!LoadingFinished) return;
  const int index = FindKey(doc, key);
  const merge::Edit edit(doc, merge::Setting(key), index,
                         [key = std::string(key), value = std::string(value)](Document& other) {
                           WriteValue(other, key, value);
                         });
  if (index < 0) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    doc.push_back(std::move(line));
    if (!indexes.empty())
      if (NameIndex* index = IndexOf(doc)) index->Appended();
    return;
  }
  std::string& line = doc[static_cast<std::size_t>(index)];
  const std::string_view raw = std::string_view(line).substr(line.find('=') + 1);
  std::string_view tail;
  std::size_t p = raw.find(';');
  if (p != std::string_view::npos) {
    while (p > 0 && raw[p - 1] == ' ') --p;
    tail = raw.substr(p);
  }
  if (value.empty() && tail.empty()) {
    RemoveLine(doc, index);
    return;
  }
  std::string replaced;
  replaced.reserve(key.size() + 1 + value.size() + tail.size());
  replaced.append(key).append("=").append(value).append(tail);
  line = std::move(replaced);
}

void WriteInteger(Document& doc, std::string_view key, std::int32_t number) {
  WriteValue(doc, key, std::to_string(number));
}

void DeleteKey(Document& doc, std::string_view key) {
  if (!LoadingFinished) return;
  const int index = FindKey(doc, key);
  if (index < 0) return;
  const merge::Edit edit(doc, merge::Setting(key), index,
                         [key = std::string(key)](Document& other) { DeleteKey(other, key); });
  RemoveLine(doc, index);
}
