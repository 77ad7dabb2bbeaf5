// Link labels: a label drawn as a link (blue, underlined, under a pointing
// hand) whose target is its hint. A click with the left button hands the label
// to `open`, which opens its hint (the main window's shared link handler).
#pragma once

#include <QString>
#include <functional>

class QLabel;
class QWidget;

// Draws label as a link to target.
void ShowAsLink(QLabel* label, const QString& target, std::function<void(QLabel*)> open);
// Makes such a label.
QLabel* MakeLink(QWidget* parent, const char* name, const QString& caption, const QString& target,
                 std::function<void(QLabel*)> open);
