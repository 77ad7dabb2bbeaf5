// A tabbed page control whose tabs wrap into several rows when they do not fit
// in one, the row of the selected tab standing next to the page.
#pragma once

#include <QIcon>
#include <QWidget>
#include <vector>

class QStackedWidget;

class TPageControl : public QWidget {
  Q_OBJECT

 public:
  explicit TPageControl(QWidget* parent = nullptr);

  int addPage(QWidget* page, const QString& caption);
  int count() const;
  QWidget* page(int index) const;
  int indexOf(const QWidget* page) const;
  QWidget* activePage() const;
  int currentIndex() const { return current_; }
  // Selects a page; an index outside the pages changes nothing.
  void setCurrentIndex(int index);
  // Selects a page as a click on its tab does (for a screen reader's press).
  void selectTab(int index);
  void setTabIcon(int index, const QIcon& icon);
  QString tabText(int index) const;
  // The area of a tab in this widget's coordinates (for hit tests).
  QRect tabRect(int index) const;
  int tabAt(const QPoint& pos) const;
  int rowCount() const;
  // Selects the next page (step 1) or the one before (step -1), round the
  // end, as the user does.
  void SelectNeighbour(int step);

 signals:
  // The user selected another page (not emitted for setCurrentIndex).
  void changedByUser(int index);
  void currentChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct Tab {
    QString caption;
    QIcon icon;
    QRect rect;
    int row = 0;
  };
  // Marks the tabs for laying out again; a hidden control waits until it is
  // shown or asked about its tabs, so building it costs one layout.
  void Relayout();
  void EnsureLayout() const;
  void Layout();
  void PlaceStack();
  int TabHeight() const;
  void SelectByUser(int index);

  std::vector<Tab> tabs_;
  int current_ = -1;
  int rows_ = 1;
  bool dirty_ = false;
  int laidOutWidth_ = -1;
  QStackedWidget* stack_;
};
