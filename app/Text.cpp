#include "app/Text.h"

#include <QComboBox>
#include <QCoreApplication>

#include "store/Cp1252.h"
#include "store/Message.h"

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

void AppendTranslated(QString& out, const StoreMessage& message) {
  switch (message.kind()) {
    case StoreMessage::Kind::Verbatim:
      out += QString::fromLocal8Bit(message.text());
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
