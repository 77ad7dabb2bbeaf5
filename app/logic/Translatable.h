// Marks a caption of a Qt-free table as text the window shows: lupdate finds
// it by this name, and the window shows it translated (Caption in
// app/Text.h). The table keeps the English text.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
