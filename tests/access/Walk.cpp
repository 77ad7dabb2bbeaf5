#include "tests/access/Walk.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <map>

#include "app/NoticeBar.h"
#include "app/PageControl.h"
#include "themes/ThemeEditor.h"

namespace walk {

namespace {

bool Shown(const QWidget* w, const QWidget* window) {
  return w->window() == window && w != window && w->isVisibleTo(window);
}

// The control a widget belongs to: a spin box's field stands for the spin
// box, a combo box's field for the combo box.
QWidget* ControlOf(QWidget* w) {
  if (w == nullptr) return nullptr;
  QWidget* parent = w->parentWidget();
  if (parent != nullptr && parent->focusProxy() == w) return parent;
  if (w->focusProxy() != nullptr && w->focusProxy()->isAncestorOf(w)) return w->focusProxy();
  return w;
}

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

std::string Describe(const QWidget* w) {
  std::string out = std::string(w->metaObject()->className()) + " " + w->objectName().toStdString();
  QString caption;
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) caption = b->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) caption = l->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) caption = g->title();
  return caption.isEmpty() ? out : out + " '" + caption.toStdString() + "'";
}

std::vector<QWidget*> TabChain(QWidget* window, const std::vector<QWidget*>& controls) {
  std::vector<QWidget*> chain;
  if (!Activate(window)) return chain;
  // The focus starts at the window's first enabled control in its focus chain.
  for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
    QWidget* control = ControlOf(w);
    if (control->isEnabled() && std::count(controls.begin(), controls.end(), control)) {
      control->setFocus(Qt::TabFocusReason);
      break;
    }
  }
  QWidget* const begin = ControlOf(QApplication::focusWidget());
  for (QWidget* current = begin; current != nullptr && chain.size() < 2 * controls.size() + 4;) {
    chain.push_back(current);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    current = ControlOf(QApplication::focusWidget());
    if (current == begin) break;
  }
  return chain;
}

// The widgets met walking an accessibility tree, with their interfaces.
void Collect(QAccessibleInterface* iface, std::map<QObject*, QAccessibleInterface*>& found,
             int depth = 0) {
  if (iface == nullptr || depth > 64) return;
  if (iface->object() != nullptr) found.emplace(iface->object(), iface);
  for (int i = 0; i < iface->childCount(); ++i) Collect(iface->child(i), found, depth + 1);
}

}  // namespace

bool Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  for (int i = 0; i < 100; ++i) {
    if (QApplication::activeWindow() == window &&
        QGuiApplication::focusWindow() == window->windowHandle())
      return true;
    QTest::qWait(10);
  }
  return false;
}

std::vector<QWidget*> Controls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (Shown(w, window) && (w->focusPolicy() & Qt::TabFocus) && ControlOf(w) == w)
      controls.push_back(w);
  return controls;
}

Faults AccessKeyFaults(QWidget* window) {
  Faults faults;
  std::map<QString, std::string> owners;  // by key
  auto add = [&](QWidget* owner, const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (key.isEmpty()) return;
    std::string& who = owners[key.toString()];
    if (!who.empty())
      faults.push_back(key.toString().toStdString() + " given twice: [" + who + "] [" +
                       Describe(owner) + "]");
    who = Describe(owner);
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!Shown(w, window)) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, g->title());
    if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i)) add(w, tabs->tabText(i));
    auto* label = qobject_cast<QLabel*>(w);
    if (label == nullptr || label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
      continue;
    add(w, label->text());
    if (!QKeySequence::mnemonic(label->text()).isEmpty() &&
        (label->buddy() == nullptr || !Shown(label->buddy(), window)))
      faults.push_back("label without a buddy shows its '&': " + Describe(label));
  }
  return faults;
}

Faults TabChainFaults(QWidget* window) {
  Faults faults;
  const std::vector<QWidget*> controls = Controls(window);
  const std::vector<QWidget*> chain = TabChain(window, controls);
  if (chain.empty()) return {"Tab reaches nothing"};
  // Of a row of radio buttons Tab reaches the one ticked; the arrows move on.
  auto reached = [&](QWidget* control) {
    auto* radio = qobject_cast<QRadioButton*>(control);
    return std::any_of(chain.begin(), chain.end(), [&](QWidget* w) {
      return w == control || (radio != nullptr && radio->autoExclusive() &&
                              qobject_cast<QRadioButton*>(w) != nullptr &&
                              w->parentWidget() == radio->parentWidget());
    });
  };
  for (QWidget* control : controls)
    if (control->isEnabled() && !reached(control))
      faults.push_back("Tab never reaches " + Describe(control));
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    if (std::count(chain.begin(), chain.end(), chain[i]) > 1)
      faults.push_back("Tab comes to " + Describe(chain[i]) + " twice");
    const QRect a = InWindow(chain[i]);
    const QRect b = InWindow(chain[i + 1]);
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

Faults AccessibleFaults(QWidget* window) {
  static const std::map<std::string, QAccessible::Role> kRoles = {
      {"QPushButton", QAccessible::Button},       {"QCheckBox", QAccessible::CheckBox},
      {"QRadioButton", QAccessible::RadioButton}, {"QComboBox", QAccessible::ComboBox},
      {"QLineEdit", QAccessible::EditableText},   {"QTabBar", QAccessible::PageTabList},
      {"TPageControl", QAccessible::PageTabList}, {"TExTrackBar", QAccessible::Slider},
      {"TColourSwatch", QAccessible::Button},     {"QPlainTextEdit", QAccessible::EditableText}};
  Faults faults;
  std::map<QObject*, QAccessibleInterface*> found;
  Collect(QAccessible::queryAccessibleInterface(window), found);
  for (QWidget* control : Controls(window)) {
    // A control that hands its focus to a part (a tab widget to its tabs) is
    // read as that part.
    while (control->focusProxy() != nullptr) control = control->focusProxy();
    const auto at = found.find(control);
    if (at == found.end()) {
      faults.push_back("not in the accessibility tree: " + Describe(control));
      continue;
    }
    if (at->second->text(QAccessible::Name).trimmed().isEmpty())
      faults.push_back("no name: " + Describe(control));
    const QAccessible::Role role = at->second->role();
    const auto wanted = kRoles.find(control->metaObject()->className());
    if (role == QAccessible::NoRole || role == QAccessible::Client ||
        (wanted != kRoles.end() && wanted->second != role))
      faults.push_back("wrong role " + std::to_string(role) + ": " + Describe(control));
  }
  return faults;
}

std::string Lines(const Faults& faults) {
  std::string out;
  for (const std::string& fault : faults) out += "\n  " + fault;
  return out;
}

}  // namespace walk

ThemePage* WalkTest::Themes() const {
  for (::Page* page : form()->Pages())
    if (auto* theme = dynamic_cast<ThemePage*>(page)) return theme;
  return nullptr;
}

std::vector<walk::Surface> WalkTest::Surfaces() {
  std::vector<walk::Surface> surfaces;
  if (form() == nullptr && Start() == nullptr) return surfaces;
  TPageControl* pages = form()->PageControl;
  for (int i = 0; i < pages->count(); ++i) {
    const QByteArray name = pages->page(i)->objectName().toUtf8();
    surfaces.push_back({"main window, page " + pages->tabText(i).toStdString(), form(),
                        [this, name] { ShowPage(name.constData()); }});
  }
  ShowPage("Theme");
  Click(Themes()->btnEditTheme());
  TThemeEditorForm* editor = Themes()->ThemeEditor();
  auto* editorPages = editor->findChild<QTabWidget*>("PageControl");
  for (int i = 0; i < editorPages->count(); ++i)
    surfaces.push_back({"theme editor, page " + editorPages->tabText(i).toStdString(), editor,
                        [editorPages, i] { editorPages->setCurrentIndex(i); }});
  chooser_ = std::make_unique<TColourChooserForm>(editor);
  surfaces.push_back({"colour chooser", chooser_.get(), [this] { chooser_->SetColour(0x336699); }});
  nameDialog_ = std::make_unique<TBlitterNameForm>(form());
  surfaces.push_back({"blitter name dialog", nameDialog_.get(), [] {}});
  Click(Find<QPushButton>("ChangesButton"));
  QApplication::processEvents();
  surfaces.push_back({"Changes window", form()->findChild<TChangesForm*>("ChangesForm"), [] {}});
  restore_ = std::make_unique<TRestoreForm>(form(), std::vector<backups::BackupSet>{},
                                            [](const backups::BackupSet&) { return false; });
  surfaces.push_back({"Restore window", restore_.get(), [] {}});
  conflicts_ = std::make_unique<TConflictsForm>(
      form(), std::vector<ConflictRow>{{"quib.cfg", "sound_volume", "20", "30", "40"},
                                       {"quib.cfg", "fb_width", "320", "640", std::nullopt}});
  surfaces.push_back({"conflicts dialog", conflicts_.get(), [] {}});
  // The notice bar above a page, with two buttons.
  surfaces.push_back({"main window with a notice", form(), [this] {
                        ShowPage("GUI");
                        form()->Notice->Show(
                            ChangedOnDiskNotice({"quib.cfg"}, 1),
                            {{SeeChangeCaption(), "SeeChange", {}}, {KeepCaption(), "Keep", {}}});
                      }});
  return surfaces;
}

void WalkTest::HideAllBut(const QWidget* window) {
  for (QWidget* other : QApplication::topLevelWidgets())
    if (other != window && other != form()) other->hide();
}

void WalkTest::Show(const walk::Surface& surface) {
  HideAllBut(surface.window);
  surface.window->show();
  surface.show();
  surface.window->raise();
  QApplication::processEvents();
}
