// Web and mail addresses behind the link labels. These are example addresses
// (example.org / example.com are reserved for documentation) until the
// project has real ones; change them here and nowhere else.
#pragma once

namespace links {

inline constexpr const char* kAuthorWebsite = "https://configurator.example.org/";
inline constexpr const char* kAuthorName = "The Configurator Team";
inline constexpr const char* kAuthorMail =
    "mailto:configurator@example.org?subject=Quib Configurator";
inline constexpr const char* kQuibHomepage = "https://quib.example.org/";
inline constexpr const char* kQuibAuthorName = "The Quib Authors";
inline constexpr const char* kQuibAuthorMail = "mailto:authors@quib.example.org";
inline constexpr const char* kCommunityName = "Eight-Bit Corner";
inline constexpr const char* kCommunitySite = "https://eightbit-corner.example.com/";
inline constexpr const char* kCommunityMusicName = "Eight-Bit Corner music section";
inline constexpr const char* kCommunityMusic = "https://eightbit-corner.example.com/music/";
inline constexpr const char* kQuibThemesPage = "https://quib.example.org/themes/";
inline constexpr const char* kDonationPage = "https://configurator.example.org/donate/";

}  // namespace links
