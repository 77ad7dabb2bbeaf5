// The question about settings changed in two places, answered through its
// real table and buttons, with the mouse and with the keyboard alone; the
// notice bar over the main window; and the English wording of the notices.
#include <QAccessible>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "app/ConflictsDialog.h"
#include "app/NoticeBar.h"
#include "app/PageControl.h"
#include "controls/Accessible.h"
#include "tests/app/AppFixture.h"

namespace {

std::vector<ConflictRow> Rows() {
  return {{"quib.cfg", "sound_volume", "20", "30", "40"},
          {"quib.cfg", "fb_width", "320", "640", std::nullopt},
          {"quib.blt", "[Smooth::WIN]", "scale=2\nname=Smooth", std::nullopt, "scale=3"}};
}

class ConflictsDialog : public AppTest {};

// What the user does: clicks the middle of a cell, or a button.
void ClickCell(TConflictsForm& form, int row, int column) {
  auto* table = form.findChild<QTableWidget*>("ConflictsTable");
  const QRect cell = table->visualItemRect(table->item(row, column));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}
void Press(TConflictsForm& form, const char* button) {
  QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
}

TEST_F(ConflictsDialog, IsAnsweredThroughItsTableAndButtons) {
  const int mine = TConflictsForm::WindowColumn, theirs = TConflictsForm::DiskColumn;
  const struct {
    const char* what;
    std::function<void(TConflictsForm&)> steps;  // then OK, if the dialog is still open
    std::optional<std::vector<bool>> answer;
  } cases[] = {
      {"a click per row, one changed",
       [&](TConflictsForm& form) {
         ClickCell(form, 0, mine);
         ClickCell(form, 1, theirs);
         ClickCell(form, 1, theirs);  // a second click keeps the answer
         EXPECT_FALSE(form.findChild<QPushButton*>("ConflictsOkButton")->isEnabled());
         ClickCell(form, 2, mine);
         ClickCell(form, 2, theirs);
         ClickCell(form, 2, TConflictsForm::LoadedColumn);  // no answer
       },
       std::vector<bool>{true, false, false}},
      {"all mine", [](TConflictsForm& form) { Press(form, "AllMineButton"); },
       std::vector<bool>{true, true, true}},
      {"all theirs, then one mine",
       [&](TConflictsForm& form) {
         Press(form, "AllTheirsButton");
         ClickCell(form, 1, mine);
       },
       std::vector<bool>{false, true, false}},
      {"keyboard alone",
       [](TConflictsForm& form) {
         for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space,
                                   Qt::Key_Down, Qt::Key_Space, Qt::Key_Return})
           QTest::keyClick(form.focusWidget(), key);
       },
       std::vector<bool>{true, false, false}},
      {"cancel after answering",
       [](TConflictsForm& form) {
         Press(form, "AllMineButton");
         Press(form, "ConflictsCancelButton");
       },
       std::nullopt},
  };
  for (const auto& c : cases) {
    TConflictsForm::ModalHook = [&](TConflictsForm& form) {
      form.show();
      auto* ok = form.findChild<QPushButton*>("ConflictsOkButton");
      EXPECT_FALSE(ok->isEnabled()) << c.what;
      EXPECT_EQ(form.focusWidget(), form.findChild<QTableWidget*>("ConflictsTable")) << c.what;
      c.steps(form);
      if (form.isVisible()) QTest::mouseClick(ok, Qt::LeftButton);
      return form.result();
    };
    EXPECT_EQ(AskConflicts(nullptr, Rows()), c.answer) << c.what;
  }
  TConflictsForm::ModalHook = nullptr;
}

// A screen reader hears each answer with the setting and its three values,
// and whether it is ticked.
TEST_F(ConflictsDialog, ScreenReadersHearEachAnswerWithItsValues) {
  TConflictsForm dialog(nullptr, Rows());
  dialog.show();
  QAccessibleInterface* cell =
      QAccessible::queryAccessibleInterface(dialog.findChild<QTableWidget*>("ConflictsTable"))
          ->tableInterface()
          ->cellAt(1, TConflictsForm::DiskColumn);
  ASSERT_NE(cell, nullptr);
  const QString description = cell->text(QAccessible::Description);
  for (const char* part : {"fb_width", "quib.cfg", "320", "640"})
    EXPECT_TRUE(description.contains(part)) << description.toStdString();
  EXPECT_FALSE(cell->state().checked);
  ClickCell(dialog, 1, TConflictsForm::DiskColumn);
  EXPECT_TRUE(cell->state().checked);
}

// The bar stands above the pages, the window growing by its height, and is
// announced; a button closes it and runs its action, which may show the next
// notice; F6 takes the keys to it and Escape there closes the bar alone.
TEST_F(ConflictsDialog, NoticeBarShowsAboveThePagesAndRunsItsButtons) {
  WriteIni();
  TForm1* window = Start();
  ASSERT_NE(window, nullptr);
  NoticeBar* bar = window->Notice;
  const int height = window->height();
  int kept = 0;
  QVariant heard;
  accessible::SetListener([&](QObject* object, const QVariant& value) {
    if (object == bar) heard = value;
  });
  const auto show = [&] {
    bar->Show("quib.cfg changed on disk.", {{"See", "SeeButton", [&] { bar->Show("next", {}); }},
                                            {"Keep", "KeepButton", [&] { ++kept; }}});
    QApplication::processEvents();
  };
  show();
  accessible::SetListener(nullptr);
  EXPECT_EQ(heard, QVariant(QString("quib.cfg changed on disk.")));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(bar)->role(), QAccessible::AlertMessage);
  EXPECT_LE(bar->geometry().bottom(), window->PageControl->geometry().top());
  EXPECT_EQ(window->height(), height + bar->height());
  Click(bar->findChild<QPushButton*>("KeepButton"));
  EXPECT_EQ(kept, 1);
  EXPECT_TRUE(bar->isHidden());
  EXPECT_EQ(bar->Text(), "");
  EXPECT_EQ(window->height(), height);

  show();
  Click(bar->findChild<QPushButton*>("SeeButton"));
  EXPECT_EQ(bar->Text(), "next");
  EXPECT_TRUE(bar->findChild<QPushButton*>("KeepButton")->isHidden());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_F6);
  EXPECT_EQ(QApplication::focusWidget(), bar->findChild<QPushButton*>("NoticeCloseButton"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(bar->isHidden());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(kept, 1);
}

TEST_F(ConflictsDialog, NoticesAreWordedForTheirCounts) {
  const std::pair<QString, QString> cases[] = {
      {ChangedOnDiskNotice({"quib.cfg"}, 0), "quib.cfg changed on disk."},
      {ChangedOnDiskNotice({"quib.cfg", "quib.blt"}, 1),
       "quib.cfg and quib.blt changed on disk. 1 of your changes was also changed there; Apply "
       "will ask which to keep."},
      {ChangedOnDiskNotice({"quib.cfg", "quib.blt", "quib.thm"}, 2),
       "quib.cfg, quib.blt and quib.thm changed on disk. 2 of your changes were also changed "
       "there; Apply will ask which to keep."},
      {UndidNotice("quib.cfg", {"a"}),
       "Quib rewrote quib.cfg and undid the setting you applied: a"},
      {UndidNotice("quib.cfg", {"a", "b", "c", "d", "e", "f", "g"}),
       "Quib rewrote quib.cfg and undid 7 of the settings you applied: a, b, c, d, e, \u2026"},
  };
  for (const auto& [shown, wanted] : cases) EXPECT_EQ(shown.toStdString(), wanted.toStdString());
}

}  // namespace
