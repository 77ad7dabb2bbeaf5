// Marks a caption of a Qt-free table as text the window shows: lupdate finds
// it by this name, and the window shows it translated (Caption in
// app/Text.h). The table keeps the English text.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The same for a caption whose English word stands for different words in
// other languages: the "None" of a list, whose translation agrees with the
// list's noun. The note tells the translations apart (lupdate takes it as the
// disambiguation, scripts/translations.sh reads this macro as
// QT_TRANSLATE_NOOP3); the window shows the caption with Caption(caption, note)
// and the same note.
#define CAPTION_WITH_NOTE(scope, x, note) x
