#include "controls/Accessible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTabBar>
#include <QVariant>
#include <QWidget>

#include "controls/ExTrackBar.h"

namespace accessible {

namespace {

constexpr const char* kValue = "quibAccessibleValue";
constexpr const char* kRole = "quibAccessibleRole";
constexpr const char* kStrip = "quibTabStrip";

// A widget whose value is the text SetValue gave it.
class ValueWidget : public QAccessibleWidget {
 public:
  ValueWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Value(widget());
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Button) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& name) override {
    // A press is what Space does on the focused control.
    if (name == pressAction()) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
      QCoreApplication::sendEvent(widget(), &press);
      return;
    }
    QAccessibleWidget::doAction(name);
  }
};

// The labelled track bar: a slider whose value reads as its label does.
class TrackBar : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit TrackBar(TExTrackBar* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Bar()->LabelText(Bar()->value()).trimmed();
    return QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return Bar()->value(); }
  void setCurrentValue(const QVariant& value) override { Bar()->setValue(value.toInt()); }
  QVariant maximumValue() const override { return Bar()->maximum(); }
  QVariant minimumValue() const override { return Bar()->minimum(); }
  QVariant minimumStepSize() const override { return Bar()->singleStep(); }

 private:
  TExTrackBar* Bar() const { return static_cast<TExTrackBar*>(widget()); }
};

// One tab of a TabList.
class TabItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TabItem(QWidget* owner, int index) : owner_(owner), index_(index) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }
  bool isValid() const override { return List() != nullptr && index_ < List()->tabs().count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return owner_ ? QAccessible::queryAccessibleInterface(owner_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return QString();
    return WithoutAccessKey(List()->tabs().caption(index_));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect r = List()->tabs().rect(index_);
    return QRect(owner_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.selectable = true;
    s.focusable = true;
    s.selected = List()->tabs().current() == index_;
    s.focused = s.selected && owner_->hasFocus();
    s.invisible = !owner_->isVisible() || List()->tabs().rect(index_).isEmpty();
    s.disabled = !owner_->isEnabled();
    return s;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && isValid()) List()->tabs().select(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  TabList* List() const {
    if (owner_ == nullptr) return nullptr;
    return dynamic_cast<TabList*>(QAccessible::queryAccessibleInterface(owner_));
  }
  QPointer<QWidget> owner_;
  int index_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("TExTrackBar"))
    return new TrackBar(static_cast<TExTrackBar*>(widget));
  if (className == QLatin1String("QTabBar") && widget->property(kStrip).toBool()) {
    auto* bar = static_cast<QTabBar*>(widget);
    QPointer<QTabBar> guard(bar);
    return new TabList(bar, {[guard] { return guard ? guard->count() : 0; },
                             [guard](int i) { return guard ? guard->tabText(i) : QString(); },
                             [guard](int i) { return guard ? guard->tabRect(i) : QRect(); },
                             [guard] { return guard ? guard->currentIndex() : -1; },
                             [guard](int i) {
                               if (guard) guard->setCurrentIndex(i);
                             }});
  }
  const QVariant role = widget->property(kRole);
  if (role.isValid() && className == QLatin1String(widget->metaObject()->className()))
    return new ValueWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
  return nullptr;
}

Listener& TheListener() {
  static Listener listener;
  return listener;
}

// Qt makes a widget's interface as soon as anything about it changes (its
// name set by a window layout, say), before the widget was marked as ours;
// such an interface is dropped, and the next question makes ours.
template <typename Ours>
void Renew(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  if (iface != nullptr && dynamic_cast<Ours*>(iface) == nullptr)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

}  // namespace

void InstallFactory() { QAccessible::installFactory(&Factory); }

QString WithoutAccessKey(const QString& caption) {
  QString text = caption;
  text.replace(QLatin1String("&&"), QString(QChar(1)));
  text.remove(QLatin1Char('&'));
  text.replace(QChar(1), QLatin1Char('&'));
  return text;
}

void SetListener(Listener listener) { TheListener() = std::move(listener); }

void AnnounceValue(QObject* object, const QVariant& value) {
  if (TheListener()) TheListener()(object, value);
  // Without a screen reader nothing listens: no interface is made for it.
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(object, value);
  QAccessible::updateAccessibility(&event);
}

void SetValue(QWidget* widget, QAccessible::Role role, const QString& value) {
  InstallFactory();
  const QVariant before = widget->property(kValue);
  const bool changed = before.isValid() && before.toString() != value;
  widget->setProperty(kRole, static_cast<int>(role));
  widget->setProperty(kValue, value);
  if (!before.isValid()) Renew<ValueWidget>(widget);
  if (changed) AnnounceValue(widget, value);
}

QString Value(const QWidget* widget) { return widget->property(kValue).toString(); }

void MarkTabStrip(QTabBar* tabs) {
  InstallFactory();
  tabs->setProperty(kStrip, true);
  Renew<TabList>(tabs);
  QObject::connect(tabs, &QTabBar::currentChanged, tabs, [tabs](int index) {
    AnnounceValue(tabs, WithoutAccessKey(tabs->tabText(index)));
  });
}

TabList::TabList(QWidget* widget, Tabs tabs)
    : QAccessibleWidget(widget, QAccessible::PageTabList), tabs_(std::move(tabs)) {}

TabList::~TabList() {
  for (QAccessible::Id id : items_)
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

int TabList::TabCount() const { return tabs_.count ? tabs_.count() : 0; }

int TabList::childCount() const {
  return TabCount() + static_cast<int>(QAccessibleWidget::childCount());
}

QAccessibleInterface* TabList::child(int index) const {
  if (index < 0) return nullptr;
  const int tabs = TabCount();
  if (index >= tabs) return QAccessibleWidget::child(index - tabs);
  if (items_.size() < static_cast<std::size_t>(tabs))
    items_.resize(static_cast<std::size_t>(tabs), 0);
  QAccessible::Id& id = items_[static_cast<std::size_t>(index)];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new TabItem(widget(), index));
  return QAccessible::accessibleInterface(id);
}

int TabList::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  if (child->role() == QAccessible::PageTab && child->object() == nullptr) {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i] != 0 && QAccessible::accessibleInterface(items_[i]) == child)
        return static_cast<int>(i);
    return -1;
  }
  const int own = QAccessibleWidget::indexOfChild(child);
  return own < 0 ? -1 : own + TabCount();
}

QString TabList::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) {
    const int current = tabs_.current ? tabs_.current() : -1;
    return current >= 0 ? WithoutAccessKey(tabs_.caption(current)) : QString();
  }
  return QAccessibleWidget::text(t);
}

}  // namespace accessible
