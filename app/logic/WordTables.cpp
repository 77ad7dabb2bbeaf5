#include "app/logic/WordTables.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "app/logic/FileNameTemplate.h"
#include "app/logic/Translatable.h"
#include "store/Cp1252.h"

namespace logic {
namespace {

constexpr std::array<WordEntry, 9> kQuibDrivers = {{
    {QT_TRANSLATE_NOOP("Captions", "Autodetect"), "auto"},
    //: A video driver: the mode that works on any card (not "secure").
    {QT_TRANSLATE_NOOP("Captions", "Safe"), "safe"},
    {QT_TRANSLATE_NOOP("Captions", "VGA"), "vga"},
    {QT_TRANSLATE_NOOP("Captions", "Mode X"), "modex"},
    {QT_TRANSLATE_NOOP("Captions", "Vesa 1"), "vesa1"},
    {QT_TRANSLATE_NOOP("Captions", "Vesa 2 (banked)"), "vesa2b"},
    {QT_TRANSLATE_NOOP("Captions", "Vesa 2 (linear)"), "vesa2l"},
    {QT_TRANSLATE_NOOP("Captions", "Vesa 3"), "vesa3"},
    {QT_TRANSLATE_NOOP("Captions", "VBE AF"), "vbeaf"},
}};

constexpr std::array<WordEntry, 9> kQuibWDrivers = {{
    {QT_TRANSLATE_NOOP("Captions", "Autodetect"), "auto"},
    {QT_TRANSLATE_NOOP("Captions", "Autodetect (windowed)"), "auto_win"},
    {QT_TRANSLATE_NOOP("Captions", "Safe"), "safe"},
    {QT_TRANSLATE_NOOP("Captions", "DirectX (auto)"), "directx"},
    {QT_TRANSLATE_NOOP("Captions", "DirectX (software)"), "directx_soft"},
    {QT_TRANSLATE_NOOP("Captions", "DirectX (safe)"), "directx_safe"},
    {QT_TRANSLATE_NOOP("Captions", "DirectX (windowed)"), "directx_win"},
    {QT_TRANSLATE_NOOP("Captions", "DirectX (windowed overlay)"), "directx_ovl"},
    {QT_TRANSLATE_NOOP("Captions", "GDI (windowed)"), "gdi"},
}};

constexpr std::array<WordEntry, 2> kQuibNixDrivers = {{
    {QT_TRANSLATE_NOOP("Captions", "Autodetect"), "auto"},
    {QT_TRANSLATE_NOOP("Captions", "XDFS"), "xdfs"},
}};

constexpr std::array<std::string_view, 8> kQuibSoundCards = {
    CAPTION_WITH_NOTE("Captions", "None", "no sound card"),
    QT_TRANSLATE_NOOP("Captions", "Sound Blaster"),
    QT_TRANSLATE_NOOP("Captions", "Sound Blaster AWE32"),
    QT_TRANSLATE_NOOP("Captions", "Pro Audio Spectrum"),
    QT_TRANSLATE_NOOP("Captions", "Ultrasound Max"),
    QT_TRANSLATE_NOOP("Captions", "Ultrasound"),
    QT_TRANSLATE_NOOP("Captions", "Windows Sound System"),
    QT_TRANSLATE_NOOP("Captions", "Ensoniq Soundscape")};
constexpr std::array<std::string_view, 4> kQuibWSoundCards = {
    CAPTION_WITH_NOTE("Captions", "None", "no sound card"),
    QT_TRANSLATE_NOOP("Captions", "Microsoft Sound Mapper"),
    QT_TRANSLATE_NOOP("Captions", "DirectX (experimental)"),
    QT_TRANSLATE_NOOP("Captions", "DirectX")};
constexpr std::array<std::string_view, 1> kQuibNixSoundCards = {
    CAPTION_WITH_NOTE("Captions", "None", "no sound card")};

// Indices of the drivers that the first-letter rule can choose.
constexpr int kJoyFirstSuffixed = 14;
constexpr int kJoyDb9 = 14;
constexpr int kJoyNec = 15;
constexpr int kJoySnes = 16;
constexpr int kJoyPsx = 17;
constexpr int kJoyN64 = 18;
constexpr int kJoyIfSega = 19;

std::optional<int> InRange(std::int64_t index, std::size_t size) {
  if (index < 0 || index >= static_cast<std::int64_t>(size)) return std::nullopt;
  return static_cast<int>(index);
}

// The enabling part of the driver rule: which list the driver needs, and the
// default item of that list when it has no valid selection.
void EnableForDriver(JoyControls& c) {
  c.portEnabled = false;
  c.cardEnabled = false;
  if (!c.driver || *c.driver < 0 || *c.driver >= static_cast<int>(kJoyDrivers.size())) return;
  switch (kJoyDrivers[*c.driver].suffix) {
    case JoySuffix::None:
      break;
    case JoySuffix::Port:
      c.portEnabled = true;
      if (!c.port || !InRange(*c.port, kLptPorts.size())) c.port = 0;
      break;
    case JoySuffix::Card:
      c.cardEnabled = true;
      if (!c.card || !InRange(*c.card, kIfSegaCards.size())) c.card = 0;
      break;
  }
}

}  // namespace

const std::array<WordEntry, 3> kSpriteFlickering = {{
    {QT_TRANSLATE_NOOP("Captions", "Automatic"), "auto"},
    {QT_TRANSLATE_NOOP("Captions", "On"), "yes"},
    {QT_TRANSLATE_NOOP("Captions", "Off"), "no"},
}};

const std::array<WordEntry, 2> kCountries = {{
    {QT_TRANSLATE_NOOP("Captions", "Rest of the world"), "us/eur"},
    {QT_TRANSLATE_NOOP("Captions", "Japan"), "jap"},
}};

const std::array<WordEntry, 2> kTvTypes = {{
    {"NTSC", "ntsc"},
    {"PAL/SECAM", "pal/secam"},
}};

const std::array<JoyDriver, 20> kJoyDrivers = {{
    {CAPTION_WITH_NOTE("Captions", "None", "no joypad driver"), "none", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Autodetect"), "auto", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "2 button"), "2b", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "4 button"), "4b", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "6 button"), "6b", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "8 button"), "8b", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Dual (2 pads/sticks)"), "dual", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "MS Sidewinder"), "sidewinder", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Flight Stick Pro"), "fspro", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Wingman Extreme"), "wingex", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Wingman Warrior"), "wingwar", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Gravis Gamepad Pro"), "gamepadpro", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Gravis GRiP"), "grip", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "Gravis GRiP 4"), "grip4", JoySuffix::None},
    {QT_TRANSLATE_NOOP("Captions", "DB9 (eg. SMS pad)"), "db9", JoySuffix::Port},
    {QT_TRANSLATE_NOOP("Captions", "PC Engine/Turbo Grafx"), "nec", JoySuffix::Port},
    {QT_TRANSLATE_NOOP("Captions", "SNES"), "snes", JoySuffix::Port},
    {QT_TRANSLATE_NOOP("Captions", "PlayStation"), "psx", JoySuffix::Port},
    {QT_TRANSLATE_NOOP("Captions", "N64"), "n64", JoySuffix::Port},
    {QT_TRANSLATE_NOOP("Captions", "IfSega"), "ifsega", JoySuffix::Card},
}};

const std::array<WordEntry, 3> kFmEngines = {{
    {CAPTION_WITH_NOTE("Captions", "None", "no FM engine"), "none"},
    {QT_TRANSLATE_NOOP("Captions", "OPL"), "opl"},
    {QT_TRANSLATE_NOOP("Captions", "Digital"), "digital"},
}};

// --- Generic lookups -------------------------------------------------------------

std::optional<int> FindWord(WordTable table, std::string_view value) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].word == value) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> FindCaptionNoCase(WordTable table, std::string_view value) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (cp1252::EqualNoCase(table[i].caption, value)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> FindCaptionNoCase(CaptionList captions, std::string_view value) {
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (cp1252::EqualNoCase(captions[i], value)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> FindLowerCaption(CaptionList captions, std::string_view value) {
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (cp1252::ToLower(captions[i]) == value) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> FindCaption(CaptionList captions, std::string_view value) {
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (captions[i] == value) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<std::string_view> WordAt(WordTable table, int index) {
  if (!InRange(index, table.size())) return std::nullopt;
  return table[static_cast<std::size_t>(index)].word;
}

std::vector<std::string_view> Captions(WordTable table) {
  std::vector<std::string_view> out;
  out.reserve(table.size());
  for (const WordEntry& e : table) out.push_back(e.caption);
  return out;
}

std::string ToLowerWord(std::string_view text) { return cp1252::ToLower(text); }

// --- GUI page --------------------------------------------------------------------

WordTable VideoDrivers(Build build) {
  switch (build) {
    case Build::Quib:
      return kQuibDrivers;
    case Build::QuibW:
      return kQuibWDrivers;
    case Build::QuibNix:
      return kQuibNixDrivers;
  }
  return {};
}

std::optional<int> VideoDriverIndex(Build build, std::string_view value) {
  return FindWord(VideoDrivers(build), value);
}

std::string RefreshRateWord(std::string_view text) { return cp1252::ToLower(text); }

std::optional<int> RefreshRateIndex(std::string_view value) {
  return FindLowerCaption(kRefreshRates, value);
}

// --- Emulation page --------------------------------------------------------------

std::optional<int> SpriteFlickeringIndex(std::string_view value) {
  return FindWord(kSpriteFlickering, value);
}

int CountryIndex(std::string_view value) { return value == kCountries[1].word ? 1 : 0; }

std::optional<int> TvTypeIndex(std::string_view value) {
  return FindCaptionNoCase(WordTable(kTvTypes), value);
}

std::optional<int> ThreeDIndex(std::int32_t mode, std::int32_t port) {
  std::int64_t index = mode;
  if (mode == 3) index = static_cast<std::int64_t>(port) + 2;
  return InRange(index, kThreeDModes.size());
}

std::optional<ThreeDSetting> ThreeDWrite(int index) {
  if (!InRange(index, kThreeDModes.size())) return std::nullopt;
  if (index <= 2) return ThreeDSetting{index, std::nullopt};
  return ThreeDSetting{3, index - 2};
}

bool FrameskipIsAuto(std::string_view value) { return value == kFrameskipAuto; }

// --- Input page ------------------------------------------------------------------

std::int32_t RapidFireMask(bool p1Button1, bool p1Button2, bool p2Button1, bool p2Button2) {
  return (p1Button1 ? 1 : 0) + (p1Button2 ? 2 : 0) + (p2Button1 ? 4 : 0) + (p2Button2 ? 8 : 0);
}

std::array<bool, 4> RapidFireBoxes(std::int32_t value) {
  return {(value & 1) != 0, (value & 2) != 0, (value & 4) != 0, (value & 8) != 0};
}

JoyRuleResult ApplyJoyDriverRule(const JoyControls& current) {
  JoyRuleResult result{current, std::nullopt};
  JoyControls& c = result.controls;
  EnableForDriver(c);
  if (!c.driver || !InRange(*c.driver, kJoyDrivers.size())) {
    c.driver = std::nullopt;
    return result;
  }
  const JoyDriver& driver = kJoyDrivers[static_cast<std::size_t>(*c.driver)];
  std::string word(driver.base);
  if (driver.suffix == JoySuffix::Port) word += cp1252::ToLower(kLptPorts[*c.port]);
  if (driver.suffix == JoySuffix::Card) word += cp1252::ToLower(kIfSegaCards[*c.card]);
  result.word = std::move(word);
  return result;
}

JoyControls DecodeJoyDriver(std::string_view value, std::optional<int> currentPort,
                            std::optional<int> currentCard) {
  JoyControls c;
  c.port = currentPort;
  c.card = currentCard;
  for (int i = 0; i < kJoyFirstSuffixed; ++i) {
    if (kJoyDrivers[i].base == value) {
      c.driver = i;
      EnableForDriver(c);
      return c;
    }
  }
  if (value.size() <= 2) return c;
  switch (value[0]) {
    case 'd':
      c.driver = kJoyDb9;
      break;
    case 'i':
      c.driver = kJoyIfSega;
      break;
    case 'n':
      c.driver = value[1] == 'e' ? kJoyNec : kJoyN64;
      break;
    case 'p':
      c.driver = kJoyPsx;
      break;
    case 's':
      c.driver = kJoySnes;
      break;
    default:
      return c;
  }
  EnableForDriver(c);
  const char last = value.back();
  if (*c.driver == kJoyIfSega) {
    if (last == '2') c.card = 2;
    if (last == 'a') c.card = 0;
    if (last == 'i') c.card = 1;
  } else {
    c.port = InRange(static_cast<unsigned char>(last) - static_cast<int>('1'), kLptPorts.size());
  }
  return c;
}

// --- Sound page ------------------------------------------------------------------

CaptionList SoundCards(Build build) {
  switch (build) {
    case Build::Quib:
      return kQuibSoundCards;
    case Build::QuibW:
      return kQuibWSoundCards;
    case Build::QuibNix:
      return kQuibNixSoundCards;
  }
  return {};
}

std::optional<int> SoundCardIndex(Build build, std::int32_t value) {
  return InRange(value, SoundCards(build).size());
}

std::optional<int> FmEngineIndex(std::string_view value) {
  for (std::size_t i = 0; i < kFmEngines.size(); ++i) {
    if (cp1252::ToLower(kFmEngines[i].caption) == value) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string_view FmEnabledWord(bool ticked) { return ticked ? "yes" : "no"; }

bool FmEnabledTicked(std::string_view value) { return value == "yes"; }

FmEngineRuleResult ApplyFmEngineRules(std::optional<int> engine, bool windowsNt, Build tab) {
  FmEngineRuleResult result;
  result.engine = engine && InRange(*engine, kFmEngines.size()) ? engine : std::nullopt;
  if (windowsNt && tab == Build::QuibW && result.engine == kFmEngineOpl) {
    result.showNtMessage = true;
    result.engine = kFmEngineDigital;
  }
  if (!result.engine) return result;
  const WordEntry& chosen = kFmEngines[static_cast<std::size_t>(*result.engine)];
  result.word = chosen.word;
  result.oplSpeedEnabled = *result.engine == kFmEngineOpl;
  return result;
}

// --- Sound logging ---------------------------------------------------------------

std::string_view VgmAccuracyWord(bool ticked) { return ticked ? "sample" : "frame"; }

bool VgmAccuracyTicked(std::string_view value) { return value == "sample"; }

// --- Messages and Debugging pages --------------------------------------------------

std::vector<std::string> LanguageNames(const std::vector<std::string>& msgLines) {
  std::vector<std::string> names;
  for (const std::string& line : msgLines) {
    if (line.empty() || line[0] != '[') continue;
    names.push_back(line.size() < 2 ? std::string() : line.substr(1, line.size() - 2));
  }
  return names;
}

std::optional<int> LanguageIndex(const std::vector<std::string>& names, std::string_view value) {
  if (names.empty()) return std::nullopt;
  const std::string shown = StarsToSpaces(value);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (cp1252::EqualNoCase(names[i], shown)) return static_cast<int>(i);
  }
  return 0;
}

std::optional<int> TileViewerIndex(std::string_view value) {
  return FindCaption(kTileViewerSizes, value);
}

// --- Donation calculator -----------------------------------------------------------

std::int64_t DonationFieldValue(std::string_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  if (at == text.size()) return -1;
  std::int64_t value = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
    if (value > static_cast<std::int64_t>(INT32_MAX) + 1) return -1;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return -1;
  return value;
}

std::string SuggestedDonation(std::string_view cpuSpeedText, std::string_view gfxMemoryText) {
  const std::int64_t speed = DonationFieldValue(cpuSpeedText);
  const std::int64_t memory = DonationFieldValue(gfxMemoryText);
  if (speed < 0 || memory < 0) return std::string();
  constexpr double kFivePi = 15.707963267948966;
  const double donation =
      (static_cast<double>(speed) / 5.0 + static_cast<double>(memory)) / kFivePi;
  // to_chars ignores the locale, so the decimal separator is always a point.
  char digits[64];
  const std::to_chars_result r =
      std::to_chars(digits, digits + sizeof digits, donation, std::chars_format::fixed, 2);
  if (r.ec != std::errc()) return std::string();
  return "US$" + std::string(digits, r.ptr);
}

PicturePosition FollowPointer(int x, int y, int pictureWidth, int pictureHeight, int boxWidth) {
  const std::int64_t left = std::max<std::int64_t>(
      8, std::min<std::int64_t>(static_cast<std::int64_t>(x) - pictureWidth / 2,
                                static_cast<std::int64_t>(boxWidth) - pictureWidth - 8));
  const std::int64_t top = std::max<std::int64_t>(
      88, std::min<std::int64_t>(static_cast<std::int64_t>(y) - pictureHeight / 2, 184));
  return {static_cast<int>(left), static_cast<int>(top)};
}

}  // namespace logic
