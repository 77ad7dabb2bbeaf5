#include "tests/access/Walk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <map>

namespace walk {

namespace {

bool Shown(const QWidget* w, const QWidget* window) {
  return w->window() == window && w != window && w->isVisibleTo(window);
}

// The control a widget belongs to: a field inside a spin box stands for the
// spin box, a combo box's field for the combo box.
QWidget* ControlOf(QWidget* w) {
  if (w == nullptr) return nullptr;
  QWidget* parent = w->parentWidget();
  if (parent != nullptr && parent->focusProxy() == w) return parent;
  if (w->focusProxy() != nullptr && w->focusProxy()->isAncestorOf(w)) return w->focusProxy();
  return w;
}

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

std::string Describe(const QWidget* w) {
  std::string out = w->metaObject()->className();
  out += " " + w->objectName().toStdString();
  QString caption;
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) caption = b->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) caption = l->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) caption = g->title();
  if (!caption.isEmpty()) out += " '" + Text(caption) + "'";
  return out;
}

std::vector<QWidget*> Controls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!Shown(w, window) || !(w->focusPolicy() & Qt::TabFocus)) continue;
    if (ControlOf(w) != w) continue;
    controls.push_back(w);
  }
  return controls;
}

std::vector<AccessKey> AccessKeys(QWidget* window) {
  std::vector<AccessKey> keys;
  auto add = [&](QWidget* owner, const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty()) keys.push_back({key, text, owner});
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!Shown(w, window)) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, g->title());
    if (auto* l = qobject_cast<QLabel*>(w);
        l != nullptr && l->textFormat() != Qt::RichText &&
        !(l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
      add(w, l->text());
    if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i)) add(w, tabs->tabText(i));
  }
  return keys;
}

std::vector<std::string> AccessKeyFaults(QWidget* window) {
  std::vector<std::string> faults;
  std::map<QString, std::vector<const AccessKey*>> byKey;
  const std::vector<AccessKey> keys = AccessKeys(window);
  for (const AccessKey& key : keys) {
    byKey[key.key.toString()].push_back(&key);
    if (auto* label = qobject_cast<QLabel*>(key.owner)) {
      if (label->buddy() == nullptr)
        faults.push_back("label without a buddy shows its '&': " + Describe(label));
      else if (!Shown(label->buddy(), window))
        faults.push_back("label's buddy is hidden: " + Describe(label));
    }
    const QString letter = key.key.toString().section('+', -1);
    if (letter.size() != 1 || !letter[0].isLetterOrNumber())
      faults.push_back("access key that is no letter or digit: " + Text(key.text));
  }
  for (const auto& [key, owners] : byKey) {
    if (owners.size() < 2) continue;
    std::string fault = Text(key) + " given twice:";
    for (const AccessKey* owner : owners) fault += " [" + Describe(owner->owner) + "]";
    faults.push_back(fault);
  }
  return faults;
}

std::vector<QWidget*> TabChain(QWidget* window) {
  std::vector<QWidget*> chain;
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) return chain;
  std::vector<QWidget*> controls = Controls(window);
  const auto first =
      std::find_if(controls.begin(), controls.end(), [](QWidget* w) { return w->isEnabled(); });
  if (first == controls.end()) return chain;
  // Focus goes to the window's first control in its focus chain.
  QWidget* start = nullptr;
  for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
    QWidget* control = ControlOf(w);
    if (std::find(controls.begin(), controls.end(), control) != controls.end() &&
        control->isEnabled()) {
      start = control;
      break;
    }
  }
  if (start == nullptr) start = *first;
  start->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  QWidget* current = ControlOf(QApplication::focusWidget());
  if (current == nullptr) return chain;
  const QWidget* begin = current;
  for (std::size_t steps = 0; steps < 2 * controls.size() + 4; ++steps) {
    chain.push_back(current);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    current = ControlOf(QApplication::focusWidget());
    if (current == nullptr || current == begin) break;
  }
  return chain;
}

std::vector<std::string> TabChainFaults(QWidget* window) {
  std::vector<std::string> faults;
  const std::vector<QWidget*> chain = TabChain(window);
  if (chain.empty()) return {"Tab reaches nothing"};
  for (QWidget* control : Controls(window))
    if (control->isEnabled() && std::find(chain.begin(), chain.end(), control) == chain.end())
      faults.push_back("Tab never reaches " + Describe(control));
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    if (std::count(chain.begin(), chain.end(), chain[i]) > 1) {
      faults.push_back("Tab comes to " + Describe(chain[i]) + " twice");
      break;
    }
    const QRect a = InWindow(chain[i]);
    const QRect b = InWindow(chain[i + 1]);
    // Back to the left on the same row or on one above it.
    if (b.center().x() < a.left() &&
        b.center().y() < a.center().y() + std::min(a.height(), b.height()) / 4)
      faults.push_back("Tab goes back from " + Describe(chain[i]) + " to " +
                       Describe(chain[i + 1]));
  }
  if (!faults.empty()) {
    std::string order = "order:";
    for (const QWidget* control : chain) order += " " + control->objectName().toStdString();
    faults.push_back(order);
  }
  return faults;
}

}  // namespace walk
