#include "app/Text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cstring>

#include "app/Language.h"
#include "store/Backups.h"
#include "store/Cp1252.h"
#include "store/Message.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(__GLIBC__)
#include <locale.h>
#endif

QString ToQ(std::string_view text) {
  const std::u16string wide = cp1252::ToUtf16(text);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQ(const QString& text) {
  return cp1252::FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                               static_cast<std::size_t>(text.size())));
}

QString Caption(std::string_view caption, const char* note) {
  // A translation looked up with a note it lacks is found without it.
  return QCoreApplication::translate("Captions", std::string(caption).c_str(), note);
}

void SetItems(QComboBox* combo, std::span<const std::string_view> captions, const char* note) {
  combo->clear();
  for (const std::string_view caption : captions) combo->addItem(Caption(caption, note));
}

void SetValues(QComboBox* combo, std::span<const std::string_view> values) {
  combo->clear();
  for (const std::string_view value : values) combo->addItem(ToQ(value));
}

namespace {

#ifdef _WIN32

// The system's words for a Windows error code in a language, when Windows has
// that language's messages; empty otherwise.
QString WindowsReason(DWORD code, const QString& language) {
  const QString name = QLocale(language).name().replace('_', '-');
  const LCID locale = ::LocaleNameToLCID(reinterpret_cast<LPCWSTR>(name.utf16()), 0);
  if (locale == 0) return {};
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, LANGIDFROMLCID(locale), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  QString text;
  if (length > 0 && buffer != nullptr)
    text = QString::fromWCharArray(buffer, static_cast<qsizetype>(length)).simplified();
  if (buffer != nullptr) ::LocalFree(buffer);
  return text;
}

#elif defined(__GLIBC__)

// The C library's words for an error number in a language: those of the
// language's UTF-8 locale, or English where that locale is not installed (or
// its messages are not: then the C library answers in English itself).
QString ErrnoReason(int err, const QString& language) {
  const auto open = [](const QString& name) {
    return ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, name.toLatin1().constData(), nullptr);
  };
  locale_t locale = language == "en" ? nullptr : open(QLocale(language).name() + ".UTF-8");
  if (locale == nullptr) locale = open("C");
  if (locale == nullptr) return {};
  const QString text = QString::fromUtf8(::strerror_l(err, locale));
  ::freelocale(locale);
  return text;
}

#endif

// A reason the system gave, in the window's language as far as the system has
// it, else as the store found it.
QString SystemReason(const StoreMessage& reason) {
  QString text;
#ifdef _WIN32
  if (reason.codes() == StoreMessage::Codes::Windows)
    text = WindowsReason(static_cast<DWORD>(reason.code()), language::Current());
#elif defined(__GLIBC__)
  if (reason.codes() == StoreMessage::Codes::Errno)
    text = ErrnoReason(reason.code(), language::Current());
#endif
  if (text.isEmpty()) return QString::fromLocal8Bit(reason.text());
  while (text.endsWith('.') || text.endsWith(QChar(0x3002))) text.chop(1);  // "." or "。"
  //: A reason the system gave for an error (its own words in %1), made a
  //: sentence of the message it stands in.
  return QCoreApplication::translate("Files", "%1.").arg(text);
}

void AppendTranslated(QString& out, const StoreMessage& message) {
  switch (message.kind()) {
    case StoreMessage::Kind::Verbatim:
      out += QString::fromLocal8Bit(message.text());
      break;
    case StoreMessage::Kind::System:
      out += SystemReason(message);
      break;
    case StoreMessage::Kind::Sequence:
      for (const StoreMessage& part : message.parts()) AppendTranslated(out, part);
      break;
    case StoreMessage::Kind::Pattern: {
      const QString pattern = QCoreApplication::translate(StoreMessage::kScope, message.pattern());
      WalkPattern(
          std::u16string_view(reinterpret_cast<const char16_t*>(pattern.utf16()),
                              static_cast<std::size_t>(pattern.size())),
          message.parts().size(),
          [&](const char16_t* text, std::size_t size) {
            out.append(QStringView(text, static_cast<qsizetype>(size)));
          },
          [&](std::size_t n) { AppendTranslated(out, message.parts()[n - 1]); });
      break;
    }
  }
}

}  // namespace

QString Translated(const StoreMessage& message) {
  QString text;
  AppendTranslated(text, message);
  return text;
}

QString ErrorText(const std::exception& error) {
  if (const auto* stored = dynamic_cast<const StoreError*>(&error))
    return Translated(stored->message());
  if (const auto* shown = dynamic_cast<const WindowError*>(&error)) return shown->text();
  return QString::fromLocal8Bit(error.what());
}

QString ShownTime(const backups::BackupSet& set) {
  const QString stamp = QString::fromStdString(set.stamp);
  // «2026-12-07T23-59-12.042Z», in UTC.
  static const QRegularExpression kStamp(
      R"(^(\d{4})-(\d{2})-(\d{2})T(\d{2})-(\d{2})-(\d{2})\.(\d{3})Z$)");
  const QRegularExpressionMatch match = kStamp.match(stamp);
  if (!match.hasMatch()) return stamp;
  const auto part = [&match](int n) { return match.captured(n).toInt(); };
  const QDateTime utc(QDate(part(1), part(2), part(3)), QTime(part(4), part(5), part(6), part(7)),
                      Qt::UTC);
  if (!utc.isValid()) return stamp;
  const QLocale locale = language::Locale();
  // The short time with its seconds, written as the locale writes the
  // minutes after the hours ("HH:mm" gives "HH:mm:ss", "H.mm" "H.mm.ss").
  QString time = locale.timeFormat(QLocale::ShortFormat);
  if (const qsizetype minutes = time.indexOf("mm"); minutes > 0 && !time.contains('s'))
    time.insert(minutes + 2, time[minutes - 1] + QString("ss"));
  return locale.toString(utc.toLocalTime(), locale.dateFormat(QLocale::ShortFormat) + ' ' + time);
}
