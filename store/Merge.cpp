#include "store/Merge.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <utility>

#include "store/Cp1252.h"

namespace merge {

namespace {

// The journals alive on this thread, by document (a handful at most).
thread_local std::vector<std::pair<const Document*, Journal*>> journals;

Journal* JournalOf(const Document& doc) {
  for (const auto& [document, journal] : journals)
    if (document == &doc) return journal;
  return nullptr;
}

bool StartsBlock(const std::string& line) { return !line.empty() && line.front() == '['; }

// The first line of the part and the line after it; first == doc.size() when
// the document lacks it.
std::pair<std::size_t, std::size_t> RangeOf(const Document& doc, const Part& part) {
  if (part.kind == Part::Kind::Setting) {
    const int line = FindKey(doc, part.name);
    if (line < 0) return {doc.size(), doc.size()};
    return {static_cast<std::size_t>(line), static_cast<std::size_t>(line) + 1};
  }
  for (std::size_t i = 0; i < doc.size(); ++i) {
    if (!cp1252::EqualNoCase(doc[i], part.name)) continue;
    std::size_t end = i + 1;
    while (end < doc.size() && !StartsBlock(doc[end])) ++end;
    return {i, end};
  }
  return {doc.size(), doc.size()};
}

std::string KeyOf(const Part& part) {
  return (part.kind == Part::Kind::Setting ? "s" : "b") + cp1252::ToLower(part.name);
}

}  // namespace

Part Setting(std::string_view key) { return {Part::Kind::Setting, std::string(key)}; }
Part Block(std::string_view header) { return {Part::Kind::Block, std::string(header)}; }

bool SamePart(const Part& a, const Part& b) {
  return a.kind == b.kind && cp1252::EqualNoCase(a.name, b.name);
}

Lines LinesOf(const Document& doc, const Part& part) {
  const auto [first, end] = RangeOf(doc, part);
  if (first == doc.size()) return std::nullopt;
  return Document(doc.begin() + static_cast<std::ptrdiff_t>(first),
                  doc.begin() + static_cast<std::ptrdiff_t>(end));
}

void SetLines(Document& doc, const Part& part, const Lines& lines) {
  const ReplayWrites writes;
  if (part.kind == Part::Kind::Setting) {
    // Through the store, so that an index of the document stays true.
    if (!lines || lines->empty()) {
      DeleteKey(doc, part.name);
      return;
    }
    const int line = FindKey(doc, part.name);
    if (line >= 0) {
      doc[static_cast<std::size_t>(line)] = lines->front();
    } else {
      doc.push_back(lines->front());
    }
    return;
  }
  const auto [first, end] = RangeOf(doc, part);
  const auto at = doc.erase(doc.begin() + static_cast<std::ptrdiff_t>(first),
                            doc.begin() + static_cast<std::ptrdiff_t>(end));
  if (lines) doc.insert(at, lines->begin(), lines->end());
}

namespace {

// Gives a group's parts their lines. A part the document lacks goes where the
// first of the group's parts it has was (a renamed block keeps its place).
void GiveLines(Document& doc, const std::vector<Part>& parts, const std::vector<Lines>& lines) {
  std::size_t place = doc.size();
  for (const Part& part : parts) place = std::min(place, RangeOf(doc, part).first);
  for (std::size_t p = 0; p < parts.size(); ++p) {
    const auto [first, end] = RangeOf(doc, parts[p]);
    if (first < doc.size() || !lines[p] || place >= doc.size()) {
      SetLines(doc, parts[p], lines[p]);
      continue;
    }
    doc.insert(doc.begin() + static_cast<std::ptrdiff_t>(place), lines[p]->begin(),
               lines[p]->end());
  }
}

}  // namespace

void SetLinesEdit(Document& doc, const Part& part, const Lines& lines) {
  const Edit edit(doc, {part}, [part, lines](Document& other) { SetLines(other, part, lines); });
  SetLines(doc, part, lines);
}

// ---------------------------------------------------------------------------
// Recording

Edit::Edit(Document& doc, std::vector<Part> parts, Redo redo) {
  Journal* journal = JournalOf(doc);
  if (journal == nullptr || journal->open_ > 0) return;
  journal_ = journal;
  if (parts.empty() && !journal->before_) journal->before_ = doc;
  std::vector<std::size_t> noted;
  for (const Part& part : parts) noted.push_back(journal->Note(part));
  journal->Open(std::move(noted), std::move(redo));
}

Edit::Edit(Document& doc, const Part& setting, int line, Redo redo) {
  Journal* journal = JournalOf(doc);
  if (journal == nullptr || journal->open_ > 0) return;
  journal_ = journal;
  const Lines known = line < 0 ? Lines() : Lines(Document{doc[static_cast<std::size_t>(line)]});
  journal->Open({journal->Note(setting, &known)}, std::move(redo));
}

void Journal::Open(std::vector<std::size_t> parts, Edit::Redo redo) {
  ++open_;
  for (std::size_t i = 1; i < parts.size(); ++i) Join(parts[0], parts[i]);
  steps_.push_back({std::move(parts), std::move(redo)});
}

Edit::~Edit() {
  if (journal_ != nullptr) --journal_->open_;
}

Journal::Journal(Document& doc) : doc_(&doc) { journals.emplace_back(&doc, this); }

Journal::~Journal() {
  std::erase_if(journals, [this](const auto& entry) { return entry.second == this; });
}

void Journal::Clear() {
  parts_.clear();
  byName_.clear();
  groupOf_.clear();
  steps_.clear();
  before_.reset();
}

std::size_t Journal::Note(const Part& part, const Lines* known) {
  const auto [found, added] = byName_.try_emplace(KeyOf(part), parts_.size());
  if (!added) return found->second;
  parts_.push_back(
      {part, known != nullptr && !before_ ? *known : LinesOf(before_ ? *before_ : *doc_, part),
       parts_.size()});
  groupOf_.push_back(parts_.size() - 1);
  return parts_.size() - 1;
}

std::size_t Journal::GroupOf(std::size_t part) const {
  while (groupOf_[part] != part) part = groupOf_[part];
  return part;
}

void Journal::Join(std::size_t a, std::size_t b) {
  const std::size_t ga = GroupOf(a), gb = GroupOf(b);
  if (ga == gb) return;
  groupOf_[std::max(ga, gb)] = std::min(ga, gb);
  for (std::size_t i = 0; i < parts_.size(); ++i) parts_[i].group = GroupOf(i);
}

std::vector<const Journal::Noted*> Journal::Edited() const {
  std::vector<const Noted*> edited;
  const KeyIndex index(doc_);
  for (const Noted& noted : parts_)
    if (LinesOf(*doc_, noted.part) != noted.loaded) edited.push_back(&noted);
  return edited;
}

// ---------------------------------------------------------------------------
// Merging

Merge::Merge(const Journal& journal, Document theirs, LineNames names)
    : journal_(journal), theirs_(std::move(theirs)) {
  const std::vector<Journal::Noted>& parts = journal.parts_;
  indexed_ =
      !journal.before_ && std::all_of(parts.begin(), parts.end(), [](const Journal::Noted& noted) {
        return noted.part.kind == Part::Kind::Setting;
      });
  // Theirs is read through an index of its names, kept for the edits made on
  // it when they change settings only.
  theirsIndex_ = std::make_unique<KeyIndex>(&theirs_, std::move(names));

  // Each group is decided once, from all of its parts: first whether the disk
  // left it as loaded, then, only for the others, how mine compares.
  std::vector<std::size_t> group(parts.size());
  for (std::size_t i = 0; i < parts.size(); ++i) group[i] = journal.GroupOf(i);
  std::vector<Lines> disk(parts.size());
  std::vector<char> asLoaded(parts.size(), 1), mineAsLoaded(parts.size(), 1), same(parts.size(), 1);
  std::size_t changed = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    disk[i] = LinesOf(theirs_, parts[i].part);
    asLoaded[group[i]] &= disk[i] == parts[i].loaded;
  }
  for (std::size_t i = 0; i < parts.size(); ++i) changed += !asLoaded[group[i]];
  // A few lookups read the window's document from the top; many, an index.
  const KeyIndex mineIndex(changed > 16 ? journal.doc_ : nullptr);
  std::vector<Lines> mine(parts.size());
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::size_t g = group[i];
    if (asLoaded[g]) continue;
    mine[i] = LinesOf(*journal.doc_, parts[i].part);
    mineAsLoaded[g] &= mine[i] == parts[i].loaded;
    same[g] &= disk[i] == mine[i];
  }
  if (!indexed_) theirsIndex_.reset();

  decisions_.assign(parts.size(), Decision::Theirs);
  conflictOf_.assign(parts.size(), 0);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::size_t g = group[i];
    if (g == i) {
      decisions_[i] = asLoaded[g]                  ? Decision::Redo
                      : mineAsLoaded[g] || same[g] ? Decision::Theirs
                                                   : Decision::Conflict;
      if (decisions_[i] == Decision::Conflict) {
        conflictOf_[i] = conflicts_.size();
        conflicts_.emplace_back();
      }
    } else {
      decisions_[i] = decisions_[g];
      conflictOf_[i] = conflictOf_[g];
    }
    if (decisions_[i] != Decision::Conflict) continue;
    Conflict& conflict = conflicts_[conflictOf_[i]];
    conflict.parts.push_back(parts[i].part);
    conflict.loaded.push_back(parts[i].loaded);
    conflict.mine.push_back(std::move(mine[i]));
    conflict.theirs.push_back(std::move(disk[i]));
  }
}

Merge::~Merge() = default;

bool Merge::ChangesTheirs(const std::vector<Keep>& keep) const {
  for (const Journal::Step& step : journal_.steps_) {
    if (step.parts.empty()) return true;
    const std::size_t first = step.parts.front();
    if (decisions_[first] == Decision::Redo) return true;
    if (decisions_[first] == Decision::Conflict) {
      const std::size_t c = conflictOf_[first];
      if (c >= keep.size() || keep[c] == Keep::Mine) return true;
    }
  }
  return false;
}

Document Merge::Result(const std::vector<Keep>& keep) const {
  Document doc = theirs_;
  const KeyIndex index(indexed_ ? &doc : nullptr);
  Build(doc, keep);
  return doc;
}

Document Merge::TakeResult(const std::vector<Keep>& keep) {
  Build(theirs_, keep);
  theirsIndex_.reset();
  return std::move(theirs_);
}

void Merge::Build(Document& doc, const std::vector<Keep>& keep) const {
  const ReplayWrites writes;
  const std::vector<Journal::Noted>& parts = journal_.parts_;
  std::vector<char> given(parts.size(), 0);
  for (const Journal::Step& step : journal_.steps_) {
    if (step.parts.empty()) {
      step.redo(doc);
      continue;
    }
    const std::size_t first = step.parts.front();
    switch (decisions_[first]) {
      case Decision::Redo:
        step.redo(doc);
        break;
      case Decision::Theirs:
        break;
      case Decision::Conflict: {
        const std::size_t c = conflictOf_[first];
        if (c < keep.size() && keep[c] == Keep::Theirs) break;
        // Mine: the group's parts get the window's lines, once, where the
        // group was first edited.
        if (given[first]) break;
        const Conflict& conflict = conflicts_[c];
        GiveLines(doc, conflict.parts, conflict.mine);
        for (std::size_t i = 0; i < parts.size(); ++i)
          if (conflictOf_[i] == c && decisions_[i] == Decision::Conflict) given[i] = 1;
        break;
      }
    }
  }
}

void Merge::Settle(Journal& journal) const {
  // Parts where theirs stayed are forgotten with their edits; the others keep
  // their places, renumbered.
  std::vector<std::size_t> renumbered(journal.parts_.size(), SIZE_MAX);
  std::vector<Journal::Noted> kept;
  for (std::size_t i = 0; i < journal.parts_.size(); ++i) {
    if (decisions_[i] == Decision::Theirs) continue;
    renumbered[i] = kept.size();
    kept.push_back(std::move(journal.parts_[i]));
  }
  std::vector<Journal::Step> steps;
  for (Journal::Step& step : journal.steps_) {
    if (!step.parts.empty() && renumbered[step.parts.front()] == SIZE_MAX) continue;
    for (std::size_t& part : step.parts) part = renumbered[part];
    steps.push_back(std::move(step));
  }
  journal.parts_ = std::move(kept);
  journal.steps_ = std::move(steps);
  journal.byName_.clear();
  journal.groupOf_.resize(journal.parts_.size());
  for (std::size_t i = 0; i < journal.parts_.size(); ++i) {
    journal.byName_.emplace(KeyOf(journal.parts_[i].part), i);
    journal.groupOf_[i] = i;
  }
  for (std::size_t i = 0; i < journal.parts_.size(); ++i) journal.parts_[i].group = i;
  for (const Journal::Step& step : journal.steps_)
    for (std::size_t i = 1; i < step.parts.size(); ++i) journal.Join(step.parts[0], step.parts[i]);
  // Parts named from now on were loaded as the disk has them.
  if (journal.before_) journal.before_ = theirs_;
}

}  // namespace merge
