// The window's geometry after start-up: the tab rows, the pages under them
// and the window around them; and the page control's tabs, laid out when
// asked whether or not it has been shown.
#include <QApplication>
#include <QPixmap>

#include "app/PageControl.h"
#include "tests/app/AppFixture.h"

namespace {

class WindowLayout : public AppTest {};

// The tab rows lie above the page, the row of the selected tab last, and
// every tab is found where it is drawn.
void ExpectTabsAbovePage(TPageControl* control) {
  const QWidget* page = control->activePage();
  int bottom = 0;
  for (int i = 0; i < control->count(); ++i) {
    const QRect tab = control->tabRect(i);
    ASSERT_FALSE(tab.isEmpty()) << i;
    bottom = std::max(bottom, tab.bottom());
    EXPECT_EQ(control->tabAt(tab.center()), i);
  }
  EXPECT_EQ(control->tabRect(control->currentIndex()).bottom(), bottom);
  const int top = page->mapTo(control, QPoint(0, 0)).y();
  EXPECT_EQ(top, bottom + 3);
  EXPECT_EQ(top + page->height() + 2, control->height());
}

TEST_F(WindowLayout, PagesFitUnderTheTabRowsAndTheWindowAroundThem) {
  WriteIni();
  TForm1* form = Start();
  ASSERT_NE(form, nullptr);
  TPageControl* control = form->PageControl;
  int tallest = 272;
  for (int i = 0; i < control->count(); ++i)
    tallest = std::max(tallest, control->page(i)->minimumSizeHint().height());
  EXPECT_EQ(control->activePage()->height(), tallest);
  EXPECT_GE(control->rowCount(), 1);
  ExpectTabsAbovePage(control);
  EXPECT_EQ(form->height(), control->height() + 6 + 36);
  EXPECT_EQ(form->width(), control->width() + 12);
  for (int i = control->count() - 1; i >= 0; --i) {
    control->setCurrentIndex(i);
    ExpectTabsAbovePage(control);
    EXPECT_EQ(control->activePage()->height(), tallest);
  }
}

TEST_F(WindowLayout, HiddenPageControlLaysItsTabsOutWhenAsked) {
  TPageControl control;
  control.resize(200, 300);
  QPixmap icon(16, 16);
  icon.fill(Qt::red);
  for (int i = 0; i < 6; ++i) control.addPage(new QWidget, QString("Page number %1").arg(i));
  for (int i = 0; i < 6; ++i) control.setTabIcon(i, QIcon(icon));
  control.setCurrentIndex(2);
  // Six wide tabs do not fit in 200 pixels.
  EXPECT_GT(control.rowCount(), 1);
  const QRect before = control.tabRect(2);
  control.show();
  QApplication::processEvents();
  EXPECT_EQ(control.tabRect(2), before);
  ExpectTabsAbovePage(&control);
  control.resize(2000, 300);
  EXPECT_EQ(control.rowCount(), 1);
  ExpectTabsAbovePage(&control);
  control.resize(2000, 400);  // only taller
  ExpectTabsAbovePage(&control);
}

}  // namespace
