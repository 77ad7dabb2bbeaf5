// The question about settings changed in two places, answered through its
// real table with the mouse and with the keyboard alone; the notice bar over
// the main window; and the English wording of the notices.
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/ConflictsDialog.h"
#include "app/NoticeBar.h"
#include "controls/Accessible.h"
#include "tests/app/AppFixture.h"

namespace {

class ConflictsDialog : public AppTest {};
const std::vector<ConflictRow> kRows = {{"quib.cfg", "fb_width", "320", "640", std::nullopt},
                                        {"quib.blt", "[Smooth::WIN]", "2\n3", std::nullopt, "4"}};

// The steps of a case: a button to press, a cell to click ("1D": row 1's
// value on disk, by the initials of the columns FSLWD) or a key; Return then
// answers once every row is answered.
TEST_F(ConflictsDialog, IsAnsweredByItsCellsButtonsAndKeys) {
  const std::pair<const char*, std::optional<std::vector<bool>>> cases[] = {
      {"0W 0W 1W 1D 1L", {{true, false}}},  // a change of mind; L answers nothing
      {"1D 0L", std::nullopt},
      {"AllTheirsButton 1W", {{false, true}}},
      {"Space Down Right Space", {{true, false}}},
  };
  for (const auto& [steps, answer] : cases) {
    TConflictsForm form(nullptr, kRows);
    form.show();
    auto* table = form.findChild<QTableWidget*>();
    for (const QString& step : (QString(steps) + " Return").split(' ')) {
      const int row = step[0].digitValue(), column = QString("FSLWD").indexOf(step.back());
      if (auto* button = form.findChild<QPushButton*>(step))
        QTest::mouseClick(button, Qt::LeftButton);
      else if (row >= 0)
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(row, column)).center());
      else
        QTest::keySequence(form.focusWidget(), QKeySequence(step));
    }
    EXPECT_EQ(form.result() ? std::optional(form.Choices()) : std::nullopt, answer) << steps;
  }
}

// A screen reader hears each cell of a row with its setting, file and values.
TEST_F(ConflictsDialog, ScreenReadersHearTheWholeRow) {
  TConflictsForm form(nullptr, kRows);
  auto* table = QAccessible::queryAccessibleInterface(form.findChild<QTableWidget*>());
  QAccessibleInterface* cell = table->tableInterface()->cellAt(0, TConflictsForm::DiskColumn);
  for (const char* word : {"fb_width", "quib.cfg", "320", "640"})
    EXPECT_TRUE(cell->text(QAccessible::Description).contains(word)) << word;
}

// The bar stands above the pages and first in the Tab order, the window
// growing by its height, and is heard as an alert; a button closes it, then
// runs its action, which may show the next notice; F6 takes the keys to it
// and Escape there closes the bar alone.
TEST_F(ConflictsDialog, NoticeBarStandsFirstAndAnswersItsButtonsAndKeys) {
  WriteIni();
  TForm1* window = Start();
  ASSERT_NE(window, nullptr);
  NoticeBar* bar = window->Notice;
  const int height = window->height();
  bar->Show("one", {{"Go", "GoButton", [&] { bar->Show(bar->isHidden() ? "two" : "", {}); }}});
  QApplication::processEvents();
  EXPECT_EQ(accessible::Value(bar), "one");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(bar)->role(), QAccessible::AlertMessage);
  EXPECT_LE(bar->geometry().bottom(), window->findChild<QWidget*>("PageControl")->y());
  EXPECT_EQ(window->height(), height + bar->height());
  EXPECT_EQ(window->nextInFocusChain(), bar);  // and so its buttons come first
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  for (const QString text : {"two", ""}) {
    QTest::keyClick(window, Qt::Key_F6);
    QTest::keyClick(QApplication::focusWidget(), text.isEmpty() ? Qt::Key_Escape : Qt::Key_Space);
    EXPECT_EQ(bar->Text(), text);
  }
  EXPECT_TRUE(bar->isHidden() && window->isVisible());
  EXPECT_EQ(window->height(), height);
}

TEST_F(ConflictsDialog, NoticesAreWordedForTheirCounts) {
  const std::pair<QString, QString> cases[] = {
      {ChangedOnDiskNotice({"a", "b"}, 0), "a and b changed on disk."},
      {ChangedOnDiskNotice({"a", "b", "c"}, 1),
       "a, b and c changed on disk. 1 of your changes was also changed there; Apply will ask "
       "which to keep."},
      {UndidNotice("f", {"a"}), "Quib rewrote f and undid the setting you applied: a"},
      {UndidNotice("f", {"a", "b", "c", "d", "e", "f", "g"}),
       "Quib rewrote f and undid 7 of the settings you applied: a, b, c, d, e, \u2026"},
  };
  for (const auto& [shown, wanted] : cases) EXPECT_EQ(shown.toStdString(), wanted.toStdString());
}

}  // namespace
