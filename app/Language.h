// The language the window speaks: chosen from the command line, the
// program's settings file or the system, and the translators installed for it.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

namespace language {

// The languages shipped besides English, as Qt names them.
inline constexpr std::array<const char*, 5> kShipped = {"de", "fr", "es", "pt_BR", "ja"};

// The shipped language a user's name for one stands for ("de-AT", "de_DE",
// "pt" and "pt_PT" give "de" and "pt_BR"; any English "en"), or an empty
// string when none is shipped.
QString Match(const QString& name);

// The language to use: the command line's, else the settings file's (both
// may name "system"), else the first of the system's languages that is
// shipped or English; "en" when none is. The command line's and the
// settings file's names are taken through Match; an unknown one is skipped.
QString Choose(const QString& commandLine, const QString& stored, const QStringList& system);

// Installs the translations of the program and of Qt's own dialogs for a
// language into the running application (English needs only the plural forms
// of its counts). Translators installed earlier by this function are removed
// first.
void Install(const QString& code);

// The language Install last installed ("en" before any).
QString Current();

// The locale the window writes dates and times in: the system's when the
// window speaks the system's language (so a British system keeps its own
// order of day and month), else that of the language last installed.
QLocale Locale();

}  // namespace language
