// What a screen reader is told about the controls this program draws itself:
// their name, role and value, and when the value changes. Qt's own controls
// tell it themselves; these fill the gaps.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QTabBar;

namespace accessible {

// Gives a widget a role and a value a screen reader reads (a colour, the
// name of the theme a picture shows), and announces a changed value. The
// first call must come before anything asks for the widget's interface
// (call it from the widget's constructor).
void SetValue(QWidget* widget, QAccessible::Role role, const QString& value);
// The value SetValue gave (empty when none).
QString Value(const QWidget* widget);

// Makes the interfaces below known to Qt (once; every call after the first
// does nothing). The labelled track bar calls it when it is made.
void InstallFactory();

// Tells a screen reader that an object's value changed.
void AnnounceValue(QObject* object, const QVariant& value);
// Hears every AnnounceValue as well (tests listen here: Qt passes the
// announcements on only while a screen reader is active). Empty: nobody.
using Listener = std::function<void(QObject*, const QVariant&)>;
void SetListener(Listener listener);

// A tab strip whose selected caption is its value, announced when another
// tab is selected. Call before anything asks for the strip's interface.
void MarkTabStrip(QTabBar* tabs);

// A row of tabs a widget draws: each tab is a child of role PageTab that can
// be pressed, the selected tab's caption is the row's value, and the widget's
// own child widgets follow the tabs.
class TabList : public QAccessibleWidget {
 public:
  struct Tabs {
    std::function<int()> count;
    std::function<QString(int)> caption;
    std::function<QRect(int)> rect;  // in the widget's coordinates
    std::function<int()> current;
    std::function<void(int)> select;
  };
  TabList(QWidget* widget, Tabs tabs);
  ~TabList() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text t) const override;

  const Tabs& tabs() const { return tabs_; }

 private:
  int TabCount() const;

  Tabs tabs_;
  mutable std::vector<QAccessible::Id> items_;  // one per tab, made when asked
};

// The caption of a tab or button as a screen reader says it: "&" marks gone.
QString WithoutAccessKey(const QString& caption);

}  // namespace accessible
