// Blitter blocks: the blocks of quib.blt as the Blitter page shows, edits, adds,
// renames, deletes and uncomments them.
//
// Every routine works on the blitter document (the lines of quib.blt) and,
// where the page edits the shown blitter, on the current block (that blitter's
// lines as the page last loaded them). A blitter is named as the page lists it
// (without "[", suffix and "]") together with its build, the index of the build
// tab: 0 Quib ("::DOS"), 1 QuibW ("::WIN"), 2 QuibNix ("::UNIX").
//
// No blitter: when the name's header is not in the document (an empty list, a
// selection outside the list, the empty name, or a listed line that is not a
// well-formed header), every routine leaves the document and the current block
// as they are.
//
// Fills: the routines behind the page's edit handlers (the Set/Change/Tick/
// Clear ones) do nothing while LoadingFinished is false, like the store's
// writes, so showing a blitter never changes the blitter document whatever
// handlers the toolkit runs while the page is filled. The management routines
// (Add, Rename, Delete, Uncomment) and StoreBlitterBlock answer only to their
// caller and do not look at the flag.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/ZIniReader.h"

// ---- Builds and fixed lists -------------------------------------------------

inline constexpr int kBlitterBuildCount = 3;
inline constexpr std::array<std::string_view, kBlitterBuildCount> kBlitterSuffixes = {
    "::DOS", "::WIN", "::UNIX"};

// Items of the resolution box; item 5 is a separator, never a resolution.
inline constexpr std::array<std::string_view, 9> kBlitterResItems = {
    "320x200",    "320x240", "400x300", "512x384", "640x480",
    "----------", "160x144", "256x192", "256x240"};
inline constexpr int kBlitterResSeparator = 5;

inline constexpr std::array<std::string_view, 7> kBlitterRefreshRateItems = {
    "Auto", "50", "60", "75", "90", "100", "120"};
inline constexpr std::array<std::string_view, 4> kBlitterColourDepthItems = {"Auto", "16", "24",
                                                                             "32"};

// The image filters: the word stored for each item of the filter box (whose
// captions the Blitter page shows, logic::kBlitterFilterCaptions).
inline constexpr std::array<std::string_view, 8> kBlitterFilterWords = {
    "normal", "double", "scanlines", "tvmode", "tvmode_double", "eagle", "hq2x", "parallel"};

// Suffix of a build; empty text for a number that names no build.
std::string_view BlitterSuffix(int build);

// "[" + name + suffix + "]".
std::string BlitterHeader(std::string_view name, int build);

// ---- Finding, listing, loading and storing ----------------------------------

// Header lookup: index of the first line equal to the blitter's header as a
// whole line, case-insensitively; -1 when there is none, for the empty name and
// for an unknown build.
int FindBlitterHeader(const Document& doc, std::string_view name, int build);

// The names the blitter list shows, in file order: from the second line on,
// each line that starts with "[" and holds the build's suffix anywhere
// (case counts) gives the text from its second character, line length minus
// suffix length minus 2 characters long (empty when that is not positive).
std::vector<std::string> BlitterNames(const Document& doc, int build);

// Index to show for a stored selection: the selection itself when it lies in a
// list of count names, otherwise -1 (nothing selected).
int BlitterIndexInList(int stored, int count);

// The lines of the blitter's block: after its header, up to the next line that
// starts with "[" or the end. Empty lines and comments are taken too. No
// blitter: an empty block.
Document LoadBlitterBlock(const Document& doc, std::string_view name, int build);

// Replaces the blitter's block in the document by the non-empty lines of block
// followed by exactly one empty line. False, and nothing changed, when the
// blitter is not in the document.
bool StoreBlitterBlock(Document& doc, std::string_view name, int build, const Document& block);

// ---- Showing a blitter ------------------------------------------------------

// What the page shows for a block: the four switches and the raw values (empty
// when the key is absent).
struct BlitterBlockView {
  bool vsync = false;
  bool flipped = false;
  bool tripleBuffering = false;
  bool stretch = false;
  std::string res;
  std::string refreshRate;  // empty: the page selects "Auto"
  std::string driver;
  std::string filter;
  std::string colourDepth;
};
BlitterBlockView ViewBlitterBlock(const Document& block);

// Index to select in a word list for a stored value: 0 for the empty value,
// the index of the word equal to it (case counts), or -1 when no word matches
// (the page then keeps what the box showed).
int MatchBlitterWord(std::span<const std::string_view> words, std::string_view value);

// ---- Editing the shown blitter ----------------------------------------------

// Writes key=value into the current block (through the store, keeping a
// comment tail) and stores the block. False, and nothing changed, during a fill
// or with no blitter.
bool SetBlitterValue(Document& doc, Document& block, std::string_view name, int build,
                     std::string_view key, std::string_view value);

// The resolution box's first-character rule. A text that starts with "1".."9"
// is kept as typed (selectItem false). Anything else picks the item after the
// selected one: the first item with none selected, "160x144" instead of the
// separator, and the first item again after the last one.
struct BlitterResPick {
  bool selectItem = false;
  int itemIndex = -1;  // the item to select when selectItem
  std::string value;   // the resolution to store
};
BlitterResPick PickBlitterRes(std::string_view text, int selectedIndex);

// The resolution handler: applies PickBlitterRes and stores its value as res.
// Returns the pick so the page can select its item (also when nothing was
// written).
BlitterResPick ChangeBlitterRes(Document& doc, Document& block, std::string_view name, int build,
                                std::string_view text, int selectedIndex);

// Stores the filter word of a filter index; an index outside 0..7 does nothing.
bool ChangeBlitterFilter(Document& doc, Document& block, std::string_view name, int build,
                         int filterIndex);

// Stores the refresh rate in lower case ("Auto" becomes "auto").
bool ChangeBlitterRefreshRate(Document& doc, Document& block, std::string_view name, int build,
                              std::string_view text);

// Stores the colour depth as typed ("Auto" stays "Auto").
bool ChangeBlitterColourDepth(Document& doc, Document& block, std::string_view name, int build,
                              std::string_view text);

// ---- Flag switches ----------------------------------------------------------

// The four switch boxes, in this order everywhere (the index into
// BlitterFlagStates).
enum class BlitterFlag { VSync = 0, Flipped = 1, TripleBuffering = 2, Stretch = 3 };
inline constexpr int kBlitterFlagCount = 4;

struct BlitterFlagBox {
  BlitterFlag flag;
  std::string_view objectName;  // the check box
  std::string_view caption;
  std::string_view word;              // the whole line that switches the option on
  std::array<BlitterFlag, 2> clears;  // boxes a tick clears first, in order
  int clearCount;
};

inline constexpr std::array<BlitterFlagBox, kBlitterFlagCount> kBlitterFlagBoxes = {{
    {BlitterFlag::VSync, "BlitterVSynch", "&VSync", "vsync", {BlitterFlag::Flipped}, 1},
    {BlitterFlag::Flipped,
     "BlitterFlipped",
     "&Flipped",
     "flip",
     {BlitterFlag::VSync, BlitterFlag::TripleBuffering},
     2},
    {BlitterFlag::TripleBuffering,
     "cbTripleBuffering",
     "Tri&ple buffered",
     "triple_buffering",
     {BlitterFlag::VSync, BlitterFlag::Flipped},
     2},
    {BlitterFlag::Stretch, "cbFullscreenStretch", "&Stretch", "stretch", {}, 0},
}};

const BlitterFlagBox& BlitterFlagBoxOf(BlitterFlag flag);

// Tick state of each box, indexed by BlitterFlag.
using BlitterFlagStates = std::array<bool, kBlitterFlagCount>;

// Whether the block holds a line equal to the word (whole line, any case).
bool HasBlitterFlagWord(const Document& block, std::string_view word);

// The states the block switches on.
BlitterFlagStates BlitterFlagStatesOf(const Document& block);

// A box was ticked. boxes holds the page's box states and receives the new
// ones (set them without running handlers): the boxes the tick clears are
// cleared in order, each that was ticked removing its word and storing the
// block; then the word is added (above the block's first empty line, or at its
// end) unless already there, and the block stored. False, and nothing changed,
// during a fill or with no blitter.
bool TickBlitterFlag(Document& doc, Document& block, std::string_view name, int build,
                     BlitterFlag flag, BlitterFlagStates& boxes);

// A box was cleared: removes every line equal to its word and stores the block.
// False, and nothing changed, during a fill or with no blitter.
bool ClearBlitterFlag(Document& doc, Document& block, std::string_view name, int build,
                      BlitterFlag flag, BlitterFlagStates& boxes);

// ---- Managing blitters ------------------------------------------------------

// Appends a new blitter of the build at the very end of the document: its
// header and res, blitter and driver defaults, normalised, and one empty line.
// Returns the index of the new blitter in BlitterNames (the list's last), or -1
// and nothing changed for the empty name. An empty document gets an empty
// first line, since a header on the first line is never listed.
int AddBlitter(Document& doc, std::string_view name, int build);

// Rewrites the blitter's header with the new name; the block stays. False, and
// nothing changed, for an empty new name, a new name equal to the old one
// (case counts) or no blitter. The blitter keeps its position in the list.
bool RenameBlitter(Document& doc, std::string_view name, std::string_view newName, int build);

// Removes the blitter's header and the lines after it up to the next line that
// holds a "[" anywhere. selectedIndex is the deleted blitter's position in the
// list; returns the position to select afterwards (the same, or the new last
// one, -1 for an empty list). No blitter: nothing removed.
int DeleteBlitter(Document& doc, std::string_view name, int build, int selectedIndex);

// Makes every commented header active and, under each header, the first line
// of each of the keys res, blitter and driver and the first "flip" or "vsync"
// line. An active line counts as the first of its kind. The lines made active
// are normalised. shownName is the name the page shows; returns its position
// in the new list (compared without regard to case), -1 when it is not there,
// so the page can show that blitter again.
int UncommentBlitters(Document& doc, std::string_view shownName, int build);

// The line without the ";" characters at its start.
std::string StripLeadingSemicolons(std::string_view line);
