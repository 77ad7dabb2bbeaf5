// Walks the windows a keyboard or screen reader user meets: the controls of
// one surface (a page of the main window with the button row, a page of the
// theme editor, a dialog), their access keys and the order Tab visits them.
#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace walk {

// What the user sees at one time in one window: showing it brings it up.
struct Surface {
  std::string name;
  QWidget* window;
  std::function<void()> show;
};

// A control's access key and the text that gives it.
struct AccessKey {
  QKeySequence key;
  QString text;
  QWidget* owner;
};

// The controls of the window shown now (hidden pages and other windows left
// out) that Tab can reach, enabled or not.
std::vector<QWidget*> Controls(QWidget* window);
// Every access key of the window shown now: buttons, group box titles, tab
// captions and labels (of their buddies).
std::vector<AccessKey> AccessKeys(QWidget* window);
// Faults in the access keys: one key given twice, a label whose "&" shows as
// text because it has no buddy, a key letter that does not print.
std::vector<std::string> AccessKeyFaults(QWidget* window);
// Presses Tab from the first control until the focus comes back and returns
// the controls visited, in order.
std::vector<QWidget*> TabChain(QWidget* window);
// Faults of the Tab chain: a reachable control it skips, a step that goes
// back against the reading order (to the left in the same row or above).
std::vector<std::string> TabChainFaults(QWidget* window);

// "QLabel TextLabel 'Caption'": a control for a message.
std::string Describe(const QWidget* widget);

}  // namespace walk
