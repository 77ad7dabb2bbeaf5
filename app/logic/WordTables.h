// The settings pages' vocabulary: the captions their lists show, the words the
// emulator's files hold for them, and the rules that turn one into the other.
// Pure data and pure functions; the pages hold the controls and the documents.
//
// Texts are Windows-1252 bytes, as held in the documents. Item indices are the
// lists' own, from 0. A lookup that finds nothing returns std::nullopt; what
// the page then does (no selection, or the selection stays as it was) is told
// at each lookup.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/logic/Translatable.h"

namespace logic {

// One item of a list and the word stored for it.
struct WordEntry {
  std::string_view caption;
  std::string_view word;
};
using WordTable = std::span<const WordEntry>;
using CaptionList = std::span<const std::string_view>;

// The emulator's builds, in the order of the build tabs.
enum class Build { Quib = 0, QuibW = 1, QuibNix = 2 };

// --- Generic lookups ---------------------------------------------------------

// Index of the entry whose word equals value exactly (case counts).
std::optional<int> FindWord(WordTable table, std::string_view value);
// Index of the entry whose caption equals value without regard to case.
std::optional<int> FindCaptionNoCase(WordTable table, std::string_view value);
std::optional<int> FindCaptionNoCase(CaptionList captions, std::string_view value);
// Index of the item whose caption, turned to lower case, equals value exactly.
std::optional<int> FindLowerCaption(CaptionList captions, std::string_view value);
// Index of the item whose text equals value exactly.
std::optional<int> FindCaption(CaptionList captions, std::string_view value);
// The word at index, or nothing when index is no entry of the table.
std::optional<std::string_view> WordAt(WordTable table, int index);
// The captions of a table, in order, for filling a list.
std::vector<std::string_view> Captions(WordTable table);
// Lower case under Windows-1252 rules (refresh rate, TV type, FM engine).
std::string ToLowerWord(std::string_view text);

// --- GUI page ------------------------------------------------------------------

// Video driver lists (gui_video_driver; also the Blitter page): Quib 9,
// QuibW 9, QuibNix 2 entries.
WordTable VideoDrivers(Build build);
// The driver item for a stored word: exact match in the build's list; no
// match (a word of another build included) leaves no item selected.
std::optional<int> VideoDriverIndex(Build build, std::string_view value);

inline constexpr std::array<std::string_view, 5> kGuiResolutions = {
    "640x480", "800x600", "1024x768", "1280x1024", "1600x1200"};
inline constexpr std::array<std::string_view, 7> kRefreshRates = {"Auto", "50",  "60", "75",
                                                                  "90",   "100", "120"};
// gui_refresh_rate is stored as the combo box's text in lower case.
std::string RefreshRateWord(std::string_view text);
// The item whose lower-case caption equals the stored value exactly ("auto"
// selects "Auto", "Auto" and "85" select nothing and are shown as text).
std::optional<int> RefreshRateIndex(std::string_view value);

// --- Emulation page ------------------------------------------------------------

// sprite_flickering: Automatic/auto, On/yes, Off/no. Lookup by exact word; no
// match: the selection stays as it was.
extern const std::array<WordEntry, 3> kSpriteFlickering;
std::optional<int> SpriteFlickeringIndex(std::string_view value);

// country: Rest of the world/us/eur, Japan/jap. Exactly "jap" gives 1, any
// other value 0.
extern const std::array<WordEntry, 2> kCountries;
int CountryIndex(std::string_view value);

// tv_type: NTSC/ntsc, PAL/SECAM/pal/secam. Lookup by caption without regard to
// case; no match: no item selected. Writing stores the caption in lower case.
extern const std::array<WordEntry, 2> kTvTypes;
std::optional<int> TvTypeIndex(std::string_view value);

// 3-D mode (3dglasses_mode, 3dglasses_com_port).
inline constexpr std::array<std::string_view, 5> kThreeDModes = {
    QT_TRANSLATE_NOOP("Captions", "Show both sides"),
    QT_TRANSLATE_NOOP("Captions", "Show left side"),
    QT_TRANSLATE_NOOP("Captions", "Show right side"),
    QT_TRANSLATE_NOOP("Captions", "Use glasses on COM port 1"),
    QT_TRANSLATE_NOOP("Captions", "Use glasses on COM port 2")};
// The item for the stored numbers: the mode's index, or for mode 3 the port
// plus 2; nothing outside the list (no item selected).
std::optional<int> ThreeDIndex(std::int32_t mode, std::int32_t port);
struct ThreeDSetting {
  std::int32_t mode;
  std::optional<std::int32_t> port;  // written only for the COM port items
};
// What choosing an item writes; nothing for an index outside the list.
std::optional<ThreeDSetting> ThreeDWrite(int index);

// frameskip_mode: "&Manual" stores "standard", "A&utomatic" "auto"; only an
// exact "auto" selects "A&utomatic".
inline constexpr std::string_view kFrameskipManual = "standard";
inline constexpr std::string_view kFrameskipAuto = "auto";
bool FrameskipIsAuto(std::string_view value);

// --- Input page ----------------------------------------------------------------

// rapidfire: bit 0 P1RF1, bit 1 P1RF2, bit 2 P2RF1, bit 3 P2RF2.
std::int32_t RapidFireMask(bool p1Button1, bool p1Button2, bool p2Button1, bool p2Button2);
// The four boxes in the order above; higher bits are ignored.
std::array<bool, 4> RapidFireBoxes(std::int32_t value);

enum class JoySuffix { None, Port, Card };
struct JoyDriver {
  std::string_view caption;
  std::string_view base;
  JoySuffix suffix;
};
// joy_driver: the twenty drivers of JoyPadDriverCombo.
extern const std::array<JoyDriver, 20> kJoyDrivers;
// The note of the list's "None" (see CAPTION_WITH_NOTE).
inline constexpr const char* kJoyDriverNote = "no joypad driver";
inline constexpr std::array<std::string_view, 3> kLptPorts = {"LPT1", "LPT2", "LPT3"};
inline constexpr std::array<std::string_view, 3> kIfSegaCards = {"ISA", "PCI", "PCI2"};

// The joypad controls' state: the selected items (nothing: no selection) and
// whether the port and card controls, with their labels, are enabled.
struct JoyControls {
  std::optional<int> driver;
  std::optional<int> port;
  std::optional<int> card;
  bool portEnabled = false;
  bool cardEnabled = false;

  bool operator==(const JoyControls&) const = default;
};

// The driver rule, run when the user changes any joypad list: enables the port
// or card list the driver needs, picks "LPT1" or "ISA" when that list has no
// selection, and gives the word to store (base word + suffix in lower case).
// The returned controls keep the other list's selection, so a port or card
// chosen earlier comes back with its driver. No word without a driver.
struct JoyRuleResult {
  JoyControls controls;
  std::optional<std::string> word;
};
JoyRuleResult ApplyJoyDriverRule(const JoyControls& current);

// The controls for a stored joy_driver word, starting from the lists' current
// port and card selections: plain words first (exact match), then the first
// letter of a word longer than two characters, with the port or card from its
// last character. Writes nothing.
JoyControls DecodeJoyDriver(std::string_view value, std::optional<int> currentPort,
                            std::optional<int> currentCard);

// --- Sound page ----------------------------------------------------------------

// Sound card lists (sound_card holds the item index): Quib 8, QuibW 4,
// QuibNix 1 entries.
CaptionList SoundCards(Build build);
// The note of the lists' "None" (see CAPTION_WITH_NOTE).
inline constexpr const char* kSoundCardNote = "no sound card";
// The item for the stored number; nothing when it is no index of the list.
std::optional<int> SoundCardIndex(Build build, std::int32_t value);

inline constexpr std::array<std::string_view, 3> kSamplingRates = {"22050", "44100", "48000"};

// fm_emulator: None/none, OPL/opl, Digital/digital (the caption in lower case).
extern const std::array<WordEntry, 3> kFmEngines;
// The note of the list's "None" (see CAPTION_WITH_NOTE).
inline constexpr const char* kFmEngineNote = "no FM engine";
inline constexpr int kFmEngineOpl = 1;
inline constexpr int kFmEngineDigital = 2;
// The item whose lower-case caption equals value exactly; no match: the
// selection stays as it was.
std::optional<int> FmEngineIndex(std::string_view value);

// fm_enabled: ticked exactly for "yes".
std::string_view FmEnabledWord(bool ticked);
bool FmEnabledTicked(std::string_view value);

// The engine rules: OPL is refused for QuibW on the Windows NT family and
// turned into Digital, with the message kOplOnNtMessage; the OPL speed field
// is enabled exactly for OPL. Without a selected engine the rules stop.
inline constexpr std::string_view kOplOnNtMessage =
    QT_TRANSLATE_NOOP("Captions", "OPL is not possible under Windows NT/2000/XP");
struct FmEngineRuleResult {
  std::optional<int> engine;
  bool showNtMessage = false;
  std::optional<bool> oplSpeedEnabled;   // nothing: left to the enabling rule
  std::optional<std::string_view> word;  // fm_emulator to write (not during a fill)
};
FmEngineRuleResult ApplyFmEngineRules(std::optional<int> engine, bool windowsNt, Build tab);

// --- Sound logging -------------------------------------------------------------

// music_vgm_log_accuracy: "sample" when ticked, "frame" when cleared; ticked
// on load exactly for "sample".
std::string_view VgmAccuracyWord(bool ticked);
bool VgmAccuracyTicked(std::string_view value);

// --- Blitter page --------------------------------------------------------------

// The captions of the filter box, item by item as kBlitterFilterWords
// (blitters/BlitterBlocks.h).
// clang-format off
inline constexpr std::array<std::string_view, 8> kBlitterFilterCaptions = {
    QT_TRANSLATE_NOOP("Captions", "Normal"),
    //: An image filter: every pixel drawn twice as wide and high.
    QT_TRANSLATE_NOOP("Captions", "Double"),
    QT_TRANSLATE_NOOP("Captions", "Scanlines"),
    QT_TRANSLATE_NOOP("Captions", "TV mode"),
    QT_TRANSLATE_NOOP("Captions", "TV mode (doubled)"),
    QT_TRANSLATE_NOOP("Captions", "Eagle"),
    QT_TRANSLATE_NOOP("Captions", "hq2x"),
    QT_TRANSLATE_NOOP("Captions", "Parallel")};
// clang-format on

// --- Messages and Debugging pages --------------------------------------------

// The languages of quib.msg: every line that begins with "[", without its first
// and last characters, in file order.
std::vector<std::string> LanguageNames(const std::vector<std::string>& msgLines);
// The language item for the stored value (with "*" for spaces): the first name
// that matches without regard to case, else the first name; nothing for an
// empty list.
std::optional<int> LanguageIndex(const std::vector<std::string>& names, std::string_view value);

inline constexpr std::array<std::string_view, 2> kTileViewerSizes = {"448", "512"};
// The item whose text equals value exactly; no match: the selection stays as
// it was ("448" when the window is new).
std::optional<int> TileViewerIndex(std::string_view value);

// --- Donation calculator ---------------------------------------------------------

// The suggested donation for the two fields' texts: "US$" and
// (S / 5 + M) / 5pi with two decimals and a point, or empty text when either
// field is not a whole number or is negative.
std::string SuggestedDonation(std::string_view cpuSpeedText, std::string_view gfxMemoryText);
// The whole number a field holds (optional sign, decimal digits, within 32
// bits), or -1.
std::int64_t DonationFieldValue(std::string_view text);

// Where the donation picture goes for a pointer at (x, y) in the group box's
// coordinates: centred on the pointer, its left kept within 8 and
// boxWidth - width - 8 and its top within 88 and 184.
struct PicturePosition {
  int left;
  int top;
  bool operator==(const PicturePosition&) const = default;
};
PicturePosition FollowPointer(int x, int y, int pictureWidth, int pictureHeight, int boxWidth);

}  // namespace logic
