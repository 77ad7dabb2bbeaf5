// File name templates of the screenshots and sound dumps: the five fields the
// pages show, the template they are joined into, the split of a stored
// template back into fields, and the preview of the name a template gives.
//
// Texts are Windows-1252 bytes, as held in the documents.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace logic {

// Every space turned into "*" (how templates and language names are stored).
std::string SpacesToStars(std::string_view text);
// Every "*" turned into a space (how they are shown).
std::string StarsToSpaces(std::string_view text);

// The fields of a template page. nameLength and digits hold "*" for "no limit"
// and "no minimum".
struct TemplateFields {
  std::string part1;
  std::string nameLength = "*";
  std::string part2;
  std::string digits = "*";
  std::string part3;

  bool operator==(const TemplateFields&) const = default;
};

// The screenshot extensions offered by the page, in item order.
inline constexpr std::array<std::string_view, 4> kScreenshotExtensions = {"pcx", "bmp", "tga",
                                                                          "png"};
inline constexpr std::string_view kVgmExtension = ".vgm";
inline constexpr std::string_view kWavExtension = ".wav";

inline constexpr std::string_view kScreenshotTemplateKey = "screenshots_filename_template";
inline constexpr std::string_view kVgmTemplateKey = "music_vgm_filename_template";
inline constexpr std::string_view kWavTemplateKey = "music_wav_filename_template";

// The key that the Sound logging fields edit for the format tab shown.
std::string_view SoundTemplateKey(bool wavTab);

// The item of kScreenshotExtensions that equals ext without regard to case.
std::optional<int> ScreenshotExtensionIndex(std::string_view ext);

// Joins the fields into a template that ends with extension (".png", ".vgm";
// "." alone when no screenshot extension is chosen). A digit count of exactly
// "0" is first turned into "1" in fields, so the page can show the mended text.
// The result holds spaces; store it through SpacesToStars.
std::string BuildTemplate(TemplateFields& fields, std::string_view extension);

// Convenience for the screenshots page: "." followed by the chosen extension
// item's text (empty when none is chosen).
std::string ScreenshotSuffix(std::string_view extText);

// A stored template split back into fields.
struct ParsedTemplate {
  TemplateFields fields;
  // The last three characters of the text after the number placeholder: the
  // screenshot extension as stored (the sound pages ignore it).
  std::string extension;
};

// Splits a template as stored (with "*" for spaces). A placeholder that is
// missing is taken as found at the very start: the text before it is empty and
// one character of what follows is skipped. Nothing is cut to any length.
ParsedTemplate ParseTemplate(std::string_view stored);

// The name a template gives for the game name and running number: "%s" and
// "%.Ns" (N digits, empty for 0) stand for the name, cut to N characters; after
// the name, "%d" and "%0Md" (M digits, empty for none, at most
// kMaxPreviewDigits) stand for the number, padded with zeros to M digits. Only
// the first name placeholder and the first number placeholder after it are
// replaced; every other character, any other "%" included, is shown as typed.
std::string FormatTemplate(std::string_view tmpl, std::string_view gameName, int number);

inline constexpr int kMaxPreviewDigits = 255;
inline constexpr std::string_view kPreviewGameName = "Sonic the Hedgehog 2";
inline constexpr int kPreviewNumber = 5;

// What the pages show below the fields: FormatTemplate for the fifth file
// saved from "Sonic the Hedgehog 2.sms".
std::string PreviewTemplate(std::string_view tmpl);

}  // namespace logic
