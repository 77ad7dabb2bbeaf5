// The one place where the emulator's 8-bit text (Windows-1252) meets QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Document text to QString.
QString ToQ(std::string_view text);
// QString to document text; characters the code page lacks become "?".
std::string FromQ(const QString& text);
