// The one place where the emulator's 8-bit text (Windows-1252) meets QString.
#pragma once

#include <QString>
#include <exception>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

class QComboBox;
class StoreMessage;
namespace backups {
struct BackupSet;
}

// Document text to QString.
QString ToQ(std::string_view text);
// QString to document text; characters the code page lacks become "?".
std::string FromQ(const QString& text);

// A caption of the Qt-free tables (marked there with QT_TRANSLATE_NOOP in the
// scope "Captions") in the window's language. A list whose caption carries a
// note (CAPTION_WITH_NOTE) passes it for every item: the others have none
// and are found without it.
QString Caption(std::string_view caption, const char* note = nullptr);

// Replaces a drop-down's items with these captions, in the window's language,
// so a list is defined once, beside the words and rules that go with it.
void SetItems(QComboBox* combo, std::span<const std::string_view> captions,
              const char* note = nullptr);
// Replaces a drop-down's items with values the files hold as they are
// (resolutions, rates, extensions): shown as written, never translated.
void SetValues(QComboBox* combo, std::span<const std::string_view> values);

// A text the store composed (store/Message.h) in the window's language: its
// patterns translated, the paths and the system's reasons in it as they are.
QString Translated(const StoreMessage& message);
// An error's text for the user: a store error's in the window's language,
// any other's as what() says it.
QString ErrorText(const std::exception& error);

// When a backup set was made, as the window shows every time: in local time,
// written as the window's locale writes a short date and a time with seconds
// (language::Locale). A set whose recorded time cannot be read shows it as
// recorded.
QString ShownTime(const backups::BackupSet& set);

// An error the window words itself, already in the user's language. Its
// what() is UTF-8; the text keeps every letter whatever the system's code
// page (a Japanese message on a Western Windows).
class WindowError : public std::runtime_error {
 public:
  explicit WindowError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};
