#include "app/PageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <algorithm>

#include "controls/Accessible.h"

namespace {
constexpr int kIconSize = 16;
constexpr int kTabPadding = 14;

// A screen reader sees the tabs as a tab list, the pages after them.
QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("TPageControl")) return nullptr;
  QPointer<TPageControl> control(static_cast<TPageControl*>(object));
  return new accessible::TabList(
      control, {[control] { return control ? control->count() : 0; },
                [control](int i) { return control ? control->tabText(i) : QString(); },
                [control](int i) { return control ? control->tabRect(i) : QRect(); },
                [control] { return control ? control->currentIndex() : -1; },
                [control](int i) {
                  if (control) control->selectTab(i);
                }});
}
}  // namespace

TPageControl::TPageControl(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this)) {
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
  QAccessible::installFactory(&AccessibleFactory);
}

int TPageControl::addPage(QWidget* page, const QString& caption) {
  tabs_.push_back({caption, {}, {}, 0});
  stack_->addWidget(page);
  if (current_ < 0) {
    current_ = 0;
    stack_->setCurrentIndex(0);
  }
  Relayout();
  return static_cast<int>(tabs_.size()) - 1;
}

int TPageControl::count() const { return static_cast<int>(tabs_.size()); }
QWidget* TPageControl::page(int index) const { return stack_->widget(index); }
int TPageControl::indexOf(const QWidget* page) const {
  return stack_->indexOf(const_cast<QWidget*>(page));
}
QWidget* TPageControl::activePage() const { return stack_->currentWidget(); }
QString TPageControl::tabText(int index) const {
  return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].caption : QString();
}
QRect TPageControl::tabRect(int index) const {
  EnsureLayout();
  return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].rect : QRect();
}
int TPageControl::rowCount() const {
  EnsureLayout();
  return rows_;
}

void TPageControl::setCurrentIndex(int index) {
  if (index < 0 || index >= count() || index == current_) return;
  current_ = index;
  stack_->setCurrentIndex(index);
  Relayout();
  accessible::AnnounceValue(this, tabText(index));
  emit currentChanged(index);
}

void TPageControl::selectTab(int index) { SelectByUser(index); }

void TPageControl::SelectByUser(int index) {
  if (index < 0 || index >= count() || index == current_) return;
  setCurrentIndex(index);
  emit changedByUser(index);
}

void TPageControl::SelectNeighbour(int step) {
  if (count() > 0) SelectByUser((current_ + step % count() + count()) % count());
}

void TPageControl::setTabIcon(int index, const QIcon& icon) {
  if (index < 0 || index >= count()) return;
  tabs_[static_cast<std::size_t>(index)].icon = icon;
  Relayout();
}

int TPageControl::TabHeight() const { return std::max(fontMetrics().height(), kIconSize) + 8; }

int TPageControl::tabAt(const QPoint& pos) const {
  EnsureLayout();
  for (int i = 0; i < count(); ++i)
    if (tabs_[static_cast<std::size_t>(i)].rect.contains(pos)) return i;
  return -1;
}

void TPageControl::Relayout() {
  dirty_ = true;
  if (isVisible()) Layout();
}

void TPageControl::EnsureLayout() const {
  if (dirty_) const_cast<TPageControl*>(this)->Layout();
}

void TPageControl::Layout() {
  dirty_ = false;
  laidOutWidth_ = this->width();
  const int width = std::max(1, this->width());
  const int height = TabHeight();
  // Flow the tabs into rows in page order: as few rows as fit, then the tabs
  // spread evenly over them so no row is left with a lone stretched tab.
  std::vector<int> widths;
  int total = 0;
  int greedyRows = 1;
  int x = 0;
  for (int i = 0; i < count(); ++i) {
    Tab& tab = tabs_[static_cast<std::size_t>(i)];
    int w = fontMetrics().horizontalAdvance(tab.caption) + kTabPadding + 8;
    if (!tab.icon.isNull()) w += kIconSize + 4;
    tab.rect.setSize(QSize(w, height));
    widths.push_back(w);
    total += w;
    if (x > 0 && x + w > width) {
      ++greedyRows;
      x = 0;
    }
    x += w;
  }
  std::vector<std::vector<int>> rows(static_cast<std::size_t>(greedyRows));
  const double share = static_cast<double>(total) / greedyRows;
  int before = 0;
  bool fits = true;
  std::vector<int> used(rows.size(), 0);
  for (int i = 0; i < count(); ++i) {
    const int w = widths[static_cast<std::size_t>(i)];
    std::size_t r = static_cast<std::size_t>((before + w / 2) / share);
    r = std::min(r, rows.size() - 1);
    rows[r].push_back(i);
    used[r] += w;
    if (used[r] > width && rows[r].size() > 1) fits = false;
    before += w;
  }
  if (!fits) {
    // Fall back to filling each row as far as it goes.
    rows.assign(1, {});
    x = 0;
    for (int i = 0; i < count(); ++i) {
      const int w = widths[static_cast<std::size_t>(i)];
      if (x > 0 && x + w > width) {
        rows.emplace_back();
        x = 0;
      }
      rows.back().push_back(i);
      x += w;
    }
  }
  rows.erase(std::remove_if(rows.begin(), rows.end(), [](const auto& r) { return r.empty(); }),
             rows.end());
  rows_ = static_cast<int>(rows.size());
  // The row holding the selected tab is drawn last, next to the page.
  int selectedRow = 0;
  for (int r = 0; r < rows_; ++r)
    for (int i : rows[static_cast<std::size_t>(r)])
      if (i == current_) selectedRow = r;
  std::vector<int> order;
  for (int r = 0; r < rows_; ++r)
    if (r != selectedRow) order.push_back(r);
  order.push_back(selectedRow);
  for (int line = 0; line < rows_; ++line) {
    const auto& row = rows[static_cast<std::size_t>(order[static_cast<std::size_t>(line)])];
    // Stretch every row but a lone one to the full width, as wrapped tabs are.
    int used = 0;
    for (int i : row) used += tabs_[static_cast<std::size_t>(i)].rect.width();
    const int extra = rows_ > 1 && !row.empty() ? (width - used) / static_cast<int>(row.size()) : 0;
    int left = 0;
    for (std::size_t k = 0; k < row.size(); ++k) {
      Tab& tab = tabs_[static_cast<std::size_t>(row[k])];
      int w = tab.rect.width() + extra;
      if (rows_ > 1 && k + 1 == row.size()) w = width - left;
      tab.rect = QRect(left, line * height, w, height);
      tab.row = line;
      left += w;
    }
  }
  PlaceStack();
  update();
}

void TPageControl::PlaceStack() {
  const int height = TabHeight();
  stack_->setGeometry(2, rows_ * height + 2, this->width() - 4,
                      this->height() - rows_ * height - 4);
}

void TPageControl::resizeEvent(QResizeEvent*) {
  // The tabs flow by the width alone; a new height only moves the page's
  // bottom edge.
  if (dirty_ || width() != laidOutWidth_) {
    Layout();
  } else {
    PlaceStack();
    update();
  }
}

void TPageControl::showEvent(QShowEvent* event) {
  EnsureLayout();
  QWidget::showEvent(event);
}

bool TPageControl::event(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Relayout();
  return QWidget::event(event);
}

void TPageControl::paintEvent(QPaintEvent*) {
  EnsureLayout();
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = QRect(0, rows_ * TabHeight() - 1, width(), height() - rows_ * TabHeight() + 1);
  frame.shape = QTabBar::RoundedNorth;
  frame.tabBarRect = QRect(0, 0, width(), rows_ * TabHeight());
  frame.tabBarSize = frame.tabBarRect.size();
  if (current_ >= 0) frame.selectedTabRect = tabs_[static_cast<std::size_t>(current_)].rect;
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
  // Some styles paint a selected tab well beyond its rectangle; keep the tabs
  // to their rows (and the pane's top edge, which the selected tab covers).
  painter.setClipRect(QRect(0, 0, width(), rows_ * TabHeight() + 2));
  for (int i = 0; i < count(); ++i) {
    const Tab& tab = tabs_[static_cast<std::size_t>(i)];
    QStyleOptionTab option;
    option.initFrom(this);
    option.rect = tab.rect;
    option.text = tab.caption;
    option.icon = tab.icon;
    option.iconSize = QSize(kIconSize, kIconSize);
    option.shape = QTabBar::RoundedNorth;
    option.position = QStyleOptionTab::Middle;
    option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (i == current_) {
      option.state |= QStyle::State_Selected;
      if (hasFocus()) option.state |= QStyle::State_HasFocus;
    }
    if (underMouse() && tab.rect.contains(mapFromGlobal(QCursor::pos())))
      option.state |= QStyle::State_MouseOver;
    painter.drawControl(QStyle::CE_TabBarTab, option);
  }
}

void TPageControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  SelectByUser(tabAt(event->position().toPoint()));
}

void TPageControl::keyPressEvent(QKeyEvent* event) {
  // Ctrl+Tab is the window's shortcut, wherever the focus is.
  if (hasFocus() && event->key() == Qt::Key_Right) {
    SelectNeighbour(1);
  } else if (hasFocus() && event->key() == Qt::Key_Left) {
    SelectNeighbour(-1);
  } else {
    QWidget::keyPressEvent(event);
  }
}
