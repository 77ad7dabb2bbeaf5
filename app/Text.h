// The one place where the emulator's 8-bit text (Windows-1252) meets QString.
#pragma once

#include <QString>
#include <span>
#include <string>
#include <string_view>

class QComboBox;

// Document text to QString.
QString ToQ(std::string_view text);
// QString to document text; characters the code page lacks become "?".
std::string FromQ(const QString& text);

// Replaces a drop-down's items with these captions (document text), so a list
// is defined once, beside the words and rules that go with it.
void SetItems(QComboBox* combo, std::span<const std::string_view> captions);
