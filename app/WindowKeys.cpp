#include "app/WindowKeys.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <utility>

#include "app/PageControl.h"

void InstallWindowKeys(QWidget* window, QPushButton* defaultButton,
                       const std::function<void()>& cancel, TPageControl* pages) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, cancel);
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), window);
    // A focused push button takes the Enter key itself, as on Windows.
    QObject::connect(enter, &QShortcut::activated, window, [window, defaultButton] {
      auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
      if (focused != nullptr && focused->window() == window && focused->isEnabled())
        focused->animateClick();
      else
        defaultButton->animateClick();
    });
  }
  for (const auto& [keys, step] :
       {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}) {
    auto* turn = new QShortcut(keys, window);
    QObject::connect(turn, &QShortcut::activated, window,
                     [pages, step = step] { pages->SelectNeighbour(step); });
  }
}

void KeepLastInTabOrder(QWidget* window, std::initializer_list<QWidget*> row) {
  // The last control that takes the focus and is not one of the row.
  QWidget* last = window->previousInFocusChain();
  while (last != window && (last->focusPolicy() == Qt::NoFocus ||
                            std::find(row.begin(), row.end(), last) != row.end()))
    last = last->previousInFocusChain();
  for (QWidget* button : row) {
    QWidget::setTabOrder(last, button);
    last = button;
  }
}
