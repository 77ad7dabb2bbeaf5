#include "app/Text.h"

#include <QComboBox>
#include <QCoreApplication>

#include "store/Cp1252.h"

QString ToQ(std::string_view text) {
  const std::u16string wide = cp1252::ToUtf16(text);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string FromQ(const QString& text) {
  return cp1252::FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                               static_cast<std::size_t>(text.size())));
}

QString Caption(std::string_view caption) {
  return QCoreApplication::translate("Captions", std::string(caption).c_str());
}

void SetItems(QComboBox* combo, std::span<const std::string_view> captions) {
  combo->clear();
  for (const std::string_view caption : captions) combo->addItem(Caption(caption));
}

void SetValues(QComboBox* combo, std::span<const std::string_view> values) {
  combo->clear();
  for (const std::string_view value : values) combo->addItem(ToQ(value));
}
