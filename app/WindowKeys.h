// The main window's keys: Escape cancels, Enter presses the focused button or
// the default one, Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the
// focus is; the button row below the pages ends the Tab order.
#pragma once

#include <functional>
#include <initializer_list>

class QPushButton;
class QWidget;
class TPageControl;

void InstallWindowKeys(QWidget* window, QPushButton* defaultButton,
                       const std::function<void()>& cancel, TPageControl* pages);

// Moves the buttons, in this order, to the end of the window's Tab order.
void KeepLastInTabOrder(QWidget* window, std::initializer_list<QWidget*> row);
