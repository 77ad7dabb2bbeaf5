// The configuration store: the emulator's text files held as documents of
// 8-bit lines, with key lookup, value replacement that keeps the comment tail,
// normalisation of name lines, and loading and saving whole files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "store/FileStamp.h"
#include "store/Message.h"

// One emulator file: its lines without line breaks, Windows-1252 bytes as read.
using Document = std::vector<std::string>;

// While false, WriteValue, WriteInteger and DeleteKey change nothing. It is
// true only while a StoreWrites scope is open (the main window's documents
// open one once its first showing is complete) and no fill runs (FillGuard).
extern const bool& LoadingFinished;

// Lets the store write for its lifetime, except while a fill runs.
class StoreWrites {
 public:
  StoreWrites();
  ~StoreWrites();
  StoreWrites(const StoreWrites&) = delete;
  StoreWrites& operator=(const StoreWrites&) = delete;
};

// Lets the store write for its lifetime even while a fill runs: edits the
// user made are made again on another document (store/Merge.h) whatever the
// window is doing.
class ReplayWrites {
 public:
  ReplayWrites();
  ~ReplayWrites();
  ReplayWrites(const ReplayWrites&) = delete;
  ReplayWrites& operator=(const ReplayWrites&) = delete;
};

// Clears LoadingFinished for the lifetime of a fill, on every exit path. Fills
// nest; the flag comes back only when the outermost one ends.
class FillGuard {
 public:
  FillGuard();
  ~FillGuard();
  FillGuard(const FillGuard&) = delete;
  FillGuard& operator=(const FillGuard&) = delete;
};

// A document that could not be read or written. what() is the text shown to
// the user: Cannot open file "<name>". <reason> (or Cannot create file ...).
class FileError : public StoreError {
 public:
  enum class Kind { Open, Create };
  FileError(Kind kind, std::string fileName, StoreMessage reason);
  Kind kind() const { return kind_; }
  const std::string& fileName() const { return fileName_; }
  // The reason in English, and as shown in the window's language.
  std::string reason() const { return reason_.English(); }
  const StoreMessage& reasonMessage() const { return reason_; }

 private:
  Kind kind_;
  std::string fileName_;
  StoreMessage reason_;
};

// Name comparison of the store: whole name, no trimming, case-insensitive
// under Windows-1252 rules.
bool SameName(std::string_view a, std::string_view b);

// The text without the characters of code 32 or below at either end.
std::string_view TrimBlanks(std::string_view text);

// Index of the first name line whose name is key, or -1.
int FindKey(const Document& doc, std::string_view key);

// The hashes of the names of a document's lines, which LoadDocument can note
// while it reads them (see LineNotes), so that a KeyIndex is made without
// reading the lines again.
struct LineNames {
  // One per line: the hash of its name, or 0 for a line without one.
  std::vector<std::uint32_t> hashes;
};

// Makes lookups in a large document cheap: while a KeyIndex for a document
// exists, FindKey (and every read, write and delete built on it) answers from
// an index of the document's names, made at the first lookup, instead of
// reading the document from the top. The answers are the same as without it.
// The store's own writes keep the index current; besides them, lines may only
// be added at the document's end while the index exists. Indexes of one document nest; a null
// document is skipped.
class KeyIndex {
 public:
  explicit KeyIndex(const Document* doc);
  explicit KeyIndex(const Document& doc) : KeyIndex(&doc) {}
  // With the names LoadDocument noted of the document's lines, which must not
  // have changed since: the index is made at once, from them. Names of another
  // line count are not used.
  KeyIndex(const Document* doc, LineNames&& names);
  ~KeyIndex();
  KeyIndex(const KeyIndex&) = delete;
  KeyIndex& operator=(const KeyIndex&) = delete;

 private:
  const Document* doc_;
};

// Trims every name line around its first "=" (comment lines whose ";" comes
// before the "=" stay as they are). A null document is skipped.
void NormalizeLines(Document* doc);
// The same for one line.
void NormalizeNameLine(std::string& line);
inline void NormalizeLines(Document& doc) { NormalizeLines(&doc); }

std::string ReadValue(const Document& doc, std::string_view key);
std::int32_t ReadInteger(const Document& doc, std::string_view key);

// Converts text to a signed 32-bit integer: optional sign, then decimal digits
// or hexadecimal after "$", "x", "X", "0x" or "0X". Anything else gives 0.
std::int32_t TextToInteger(std::string_view text);

void WriteValue(Document& doc, std::string_view key, std::string_view value);
void WriteInteger(Document& doc, std::string_view key, std::int32_t number);
void DeleteKey(Document& doc, std::string_view key);

// The lines of a file's bytes: lines end at CR LF, LF or a lone CR; every
// other byte (NUL included) is kept.
Document ParseDocument(std::string_view text);

// The largest settings file that is read (256 MB); a larger one is refused.
inline constexpr std::uint64_t kMaxSettingsFileBytes = std::uint64_t{256} << 20;

// Why a file is refused: it is no regular file; it is larger than
// kMaxSettingsFileBytes.
StoreMessage NotRegularFile();
StoreMessage TooLargeFile();

// Every byte of a settings file. The file is opened without waiting (a FIFO or
// a device never blocks the program); anything but a regular file, and a file
// larger than kMaxSettingsFileBytes, is refused with a FileError(Open) that
// says so. When stamp is given it receives the size, modification time and
// content hash of the bytes returned.
std::string ReadFileBytes(const std::filesystem::path& path, FileStamp* stamp = nullptr);

// How many bytes ReadFilePieces reads at a time.
inline constexpr std::size_t kReadPieceBytes = 65536;

// Reads the file as ReadFileBytes does (the same checks, errors and stamp) but
// hands its bytes to take in order, a piece of at most kReadPieceBytes at a
// time, holding no more than one piece. An exception from take stops the read.
void ReadFilePieces(const std::filesystem::path& path, FileStamp* stamp,
                    const std::function<void(std::string_view)>& take);

// Replaces the document's lines with the file's (read by ReadFilePieces, which
// fills stamp when given). Lines end at CR LF, LF or a lone CR; every other
// byte (NUL included) is kept. Throws FileError(Open).
// Normalized: every line goes through NormalizeNameLine as it is read (the same
// lines as NormalizeLines after the load, without walking them again).
// notes, when given, gets what is learnt of the lines on the way.
enum class LineForm { AsRead, Normalized };
struct LineNotes;
void LoadDocument(Document& doc, const std::filesystem::path& path, FileStamp* stamp = nullptr,
                  LineForm form = LineForm::AsRead, LineNotes* notes = nullptr);

// LoadDocument into the strings doc holds: each line of the file is read into
// a string the document had, which keeps its storage (it grows only for a
// longer line), and strings are made or freed only for the difference in line
// count. Should the load fail, doc is left holding some of the file's lines and
// some of its old ones.
void LoadDocumentReusing(Document& doc, const std::filesystem::path& path, FileStamp* stamp,
                         LineForm form, LineNotes* notes = nullptr);

// What LoadDocument notes of the lines (in their final form) while it reads
// them, so that nobody walks them again afterwards.
struct LineNotes {
  // Looked for in every line; an empty mark is not looked for.
  std::string_view mark;
  // Whether some line holds mark.
  bool marked = false;
  // Noted only when asked for, as it costs four bytes a line.
  bool noteNames = false;
  LineNames names;
  // When given, receives every byte read, as read.
  std::string* bytes = nullptr;
};

// The exact bytes SaveDocument writes: every line followed by CR LF.
std::string DocumentBytes(const Document& doc);

// Writes every line followed by CR LF. The file is replaced atomically: the
// lines go to a temporary file in the same directory that is then renamed over
// the target, keeping its permissions; a symbolic link keeps pointing at the
// file it names, which is the one replaced. Throws FileError(Create) and leaves
// the old file untouched on failure.
void SaveDocument(const Document& doc, const std::filesystem::path& path);
