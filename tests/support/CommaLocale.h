// A locale whose decimal point is a comma, for tests that must hold whatever
// the locale: built by localedef from a small definition into a scratch
// folder, which LOCPATH names while the object lives. Needs only localedef
// and its character maps (Debian's "locales" package), no generated system
// locale.
#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace test_support {

#ifdef _WIN32

// Windows brings its locales with it: German writes a decimal comma.
class ScopedCommaLocale {
 public:
  ScopedCommaLocale() = default;
  ScopedCommaLocale(const ScopedCommaLocale&) = delete;
  ScopedCommaLocale& operator=(const ScopedCommaLocale&) = delete;
  const std::string& error() const { return error_; }
  static const char* name() { return "German_Germany.1252"; }

 private:
  std::string error_;
};

#else

class ScopedCommaLocale {
 public:
  ScopedCommaLocale() {
    if (const char* old = std::getenv("LOCPATH")) previous_ = old;
    std::string pattern = (std::filesystem::temp_directory_path() / "quib-locale-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      error_ = "no scratch folder";
      return;
    }
    dir_ = pattern;
    std::ofstream(dir_ / "comma.src") << "LC_NUMERIC\n"
                                         "decimal_point \",\"\n"
                                         "thousands_sep \".\"\n"
                                         "grouping 3\n"
                                         "END LC_NUMERIC\n";
    // -c: the categories left undefined are filled in, with warnings.
    const std::string command = "localedef -c -i '" + (dir_ / "comma.src").string() + "' '" +
                                (dir_ / kName).string() + "' >/dev/null 2>&1";
    [[maybe_unused]] const int status = std::system(command.c_str());
    if (!std::filesystem::exists(dir_ / kName / "LC_NUMERIC")) {
      error_ = "localedef could not build a locale (install the locales package)";
      return;
    }
    ::setenv("LOCPATH", dir_.c_str(), 1);
  }
  ~ScopedCommaLocale() {
    if (previous_)
      ::setenv("LOCPATH", previous_->c_str(), 1);
    else
      ::unsetenv("LOCPATH");
    std::error_code ec;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
  }
  ScopedCommaLocale(const ScopedCommaLocale&) = delete;
  ScopedCommaLocale& operator=(const ScopedCommaLocale&) = delete;

  // Empty when the locale is ready under name().
  const std::string& error() const { return error_; }
  static const char* name() { return kName; }

 private:
  static constexpr const char* kName = "qq_QQ";
  std::filesystem::path dir_;
  std::optional<std::string> previous_;
  std::string error_;
};

#endif  // _WIN32

}  // namespace test_support
