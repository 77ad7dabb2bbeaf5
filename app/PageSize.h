// The room the window's pages need is known only once every page is built,
// which start-up leaves until the window has first been drawn. What the pages
// needed the last time, with the same program, toolkit, style, font and
// screen, is kept in the user's cache folder, so that the window opens at its
// final size straight away; the pages are measured again once all are built.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace page_size {

// What the room depends on: the program file, the toolkit's version, the
// style, the application font and the screen's resolution.
QString Key();
// The room recorded under this key in the folder; nothing when there is no
// record, it was made under another key or it cannot be read.
std::optional<QSize> Read(const QString& dir, const QString& key);
// Records the room (replacing the file whole); a folder that cannot be
// written is left alone, since the record only saves time.
void Store(const QString& dir, const QString& key, QSize size);

}  // namespace page_size
