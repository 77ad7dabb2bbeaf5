// Keeping both: the edits the window made to a document since it was read,
// recorded as the store makes them, and made again on the file as it is on
// disk now, so that what someone else wrote there meanwhile stays.
//
// What is recorded. Each routine that changes an emulator document (a
// setting's value, a deleted setting, a blitter or theme block stored, added,
// renamed or deleted, lines uncommented) opens an Edit once it is sure to
// change it and before it does. The Edit names the parts of the document it
// changes and says how to make the same change to another document. A part
// is a setting (the first line of its name, as FindKey finds it) or a block
// (a header line, found as a whole line in any letter case, and the lines
// after it up to the next line that starts with "["). The first time a part
// is named, its lines are noted as they were: its lines as loaded. An edit
// whose changes reach beyond parts it could name (uncommenting every block)
// names none; the document as it was before it is then kept, and later parts
// take their loaded lines from that copy.
//
// The merge. Loaded = the parts as noted, mine = the window's document,
// theirs = the file as it is now, read as the window reads it. The parts of
// one edit belong together (a rename joins the old block and the new one);
// each such group is decided as one:
//   - theirs as loaded: the window's edits of the group are made again, in
//     the order they were made;
//   - mine as loaded, or theirs equal to mine: theirs stays;
//   - otherwise the group is a conflict, and the user keeps mine (the group's
//     parts get the window's lines) or theirs (they stay as on disk).
// Edits that name no part are made again always, in their place among the
// others. Every part the window did not edit is as on disk.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/ZIniReader.h"

namespace merge {

struct Part {
  enum class Kind : unsigned char { Setting, Block };
  Kind kind = Kind::Setting;
  // A setting's key, or a block's whole header line, as the edit gave it.
  std::string name;
};
Part Setting(std::string_view key);
Part Block(std::string_view header);
// Whether two parts are the same part of a document (names in any case).
bool SamePart(const Part& a, const Part& b);

// A part's lines in a document: one line for a setting, the header and the
// lines of its block for a block; nullopt when the document lacks the part.
using Lines = std::optional<Document>;
Lines LinesOf(const Document& doc, const Part& part);
// Gives the document's part these lines: in its place when it has the part,
// at the end when it has not; nullopt removes the part.
void SetLines(Document& doc, const Part& part, const Lines& lines);

class Journal;

// SetLines on a document, recorded as an edit of the part when the document
// has a journal.
void SetLinesEdit(Document& doc, const Part& part, const Lines& lines);

// Opened by a routine that is about to change doc. When doc has a journal and
// no other Edit of it is open (a routine calling another records once), the
// parts are noted and redo is kept: it makes the same change to another
// document (it is run with the store's writes allowed).
class Edit {
 public:
  using Redo = std::function<void(Document&)>;
  Edit(Document& doc, std::vector<Part> parts, Redo redo);
  // For one setting whose line the routine has found already (-1: none).
  Edit(Document& doc, const Part& setting, int line, Redo redo);
  ~Edit();
  Edit(const Edit&) = delete;
  Edit& operator=(const Edit&) = delete;

 private:
  Journal* journal_ = nullptr;
};

// Records the edits made to one document while it lives. The document must
// outlive it and stay at its address.
class Journal {
 public:
  explicit Journal(Document& doc);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  const Document& document() const { return *doc_; }
  // Whether no edit was recorded since the load (or the last Clear).
  bool empty() const { return steps_.empty(); }
  // The document as it is now counts as loaded (after it was saved).
  void Clear();

  // An edited part with its lines as loaded, in the order first named.
  struct Noted {
    Part part;
    Lines loaded;
    std::size_t group = 0;
  };
  const std::vector<Noted>& parts() const { return parts_; }
  // The parts whose lines in the document differ from their loaded lines.
  std::vector<const Noted*> Edited() const;

 private:
  friend class Edit;
  friend class Merge;
  struct Step {
    std::vector<std::size_t> parts;  // indexes into parts_; empty: a whole-document edit
    Edit::Redo redo;
  };
  // known: the part's lines in the document now, when the caller has them.
  std::size_t Note(const Part& part, const Lines* known = nullptr);
  void Open(std::vector<std::size_t> parts, Edit::Redo redo);
  std::size_t GroupOf(std::size_t part) const;
  void Join(std::size_t a, std::size_t b);

  Document* doc_;
  std::vector<Noted> parts_;
  std::unordered_map<std::string, std::size_t> byName_;
  std::vector<std::size_t> groupOf_;  // a union of parts, by their first part
  std::vector<Step> steps_;
  std::optional<Document> before_;  // the document before its first whole-document edit
  int open_ = 0;
};

// How a conflict is answered.
enum class Keep : unsigned char { Mine, Theirs };

// One group of parts both the window and someone else changed, each to other
// lines.
struct Conflict {
  std::vector<Part> parts;
  std::vector<Lines> loaded, mine, theirs;  // one per part
};

// A merge of one document: what the journal recorded, made again on theirs.
class Merge {
 public:
  // mine is the journal's document. names, when given, are those LoadDocument
  // noted of theirs' lines.
  Merge(const Journal& journal, Document theirs, LineNames names = {});
  ~Merge();
  Merge(const Merge&) = delete;
  Merge& operator=(const Merge&) = delete;

  const std::vector<Conflict>& conflicts() const { return conflicts_; }
  // The merged document; keep holds one answer per conflict (missing answers
  // keep mine). TakeResult gives it without a copy of theirs, once.
  Document Result(const std::vector<Keep>& keep = {}) const;
  Document TakeResult(const std::vector<Keep>& keep = {});
  // The file as it was read.
  const Document& theirs() const { return theirs_; }
  // Whether the result differs from theirs by some edit of the window's
  // (keep as for Result).
  bool ChangesTheirs(const std::vector<Keep>& keep = {}) const;

  // After the window's document became Result(keep) without the user being
  // asked (the file changed under the open window): the groups where theirs
  // stayed are no longer edits, and are forgotten with their edits; groups in
  // conflict stay edits with their loaded lines, to be asked about at the
  // next merge. Called before TakeResult.
  void Settle(Journal& journal) const;

 private:
  enum class Decision : unsigned char { Redo, Theirs, Conflict };
  // Makes the window's edits again on doc (theirs or a copy of it, with an
  // index when the edits change settings only).
  void Build(Document& doc, const std::vector<Keep>& keep) const;
  Decision DecisionOf(std::size_t part) const;
  const Journal& journal_;
  Document theirs_;
  std::unique_ptr<KeyIndex> theirsIndex_;  // while theirs_ is read or edited here
  std::vector<Decision> decisions_;        // by part, the same for a group's parts
  std::vector<std::size_t> conflictOf_;    // by part: its group's index into conflicts_
  std::vector<Conflict> conflicts_;
  // Whether lookups may go through a KeyIndex: the journal changes settings only.
  bool indexed_ = false;
};

}  // namespace merge
