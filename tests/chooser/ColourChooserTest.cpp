#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <set>

#include "controls/ExTrackBar.h"
#include "tests/chooser/TestApplication.h"
#include "themes/ColourChooser.h"

namespace {

class ColourChooserTest : public ::testing::Test {
 protected:
  ColourChooserTest() {
    EnsureApplication();
    owner = std::make_unique<QWidget>();
    form = new TColourChooserForm(owner.get());
  }
  ~ColourChooserTest() override { TColourChooserForm::ModalHook = nullptr; }

  // Loads a colour and shows the window through the hook, as the editor does.
  void Open(ThemeColour colour) {
    form->SetColour(colour);
    TColourChooserForm::ModalHook = [](TColourChooserForm&) { return int(QDialog::Accepted); };
    form->ShowModal();
  }

  // Replaces a field's text by typing it, one key after the other.
  static void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
  }

  static bool IsRed(const QLineEdit* field) {
    return field->palette().color(QPalette::Text) == QColor(255, 0, 0);
  }

  std::vector<int> Rgb() const {
    return {form->tbRed->value(), form->tbGreen->value(), form->tbBlue->value()};
  }
  std::vector<int> Hsl() const {
    return {form->tbHue->value(), form->tbSat->value(), form->tbLum->value()};
  }
  std::vector<QString> HslTexts() const {
    return {form->ebHue->text(), form->ebSat->text(), form->ebLum->text()};
  }

  std::unique_ptr<QWidget> owner;
  TColourChooserForm* form;  // owned by owner
};

TEST_F(ColourChooserTest, BuiltAsTheEditorExpects) {
  EXPECT_EQ(form->windowTitle(), "Colour chooser");
  EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_GE(form->width(), 225);
  EXPECT_GE(form->height(), 283);
  EXPECT_EQ(form->ebHTML->text(), "ebHTML");
  EXPECT_EQ(form->ebRed->maxLength(), 3);
  EXPECT_EQ(form->ebHTML->maxLength(), 32767);
  EXPECT_EQ(form->tbRed->maximum(), 255);
  EXPECT_EQ(form->tbHue->maximum(), 239);
  EXPECT_EQ(form->tbLum->maximum(), 240);
  EXPECT_EQ(form->tbRed->tickInterval(), 16);
  EXPECT_EQ(form->tbSat->tickInterval(), 20);
  for (TExTrackBar* bar : form->findChildren<TExTrackBar*>()) {
    EXPECT_FALSE(bar->Labels());
    EXPECT_EQ(bar->LabelsInterval(), 2);
    EXPECT_EQ(bar->pageStep(), 10);
    EXPECT_EQ(bar->value(), 0);
  }
  EXPECT_TRUE(form->Button1->isDefault());
}

TEST_F(ColourChooserTest, SetColourFillsEveryFieldAndTheSwatchFollowsOnShowing) {
  form->SetColour(0x0080FF);  // R 255, G 128, B 0
  EXPECT_EQ(Rgb(), (std::vector<int>{255, 128, 0}));
  EXPECT_EQ(Hsl(), (std::vector<int>{20, 240, 120}));
  EXPECT_EQ(form->ebHTML->text(), "#FF8000");
  EXPECT_EQ(form->ebRed->text(), "255");
  EXPECT_EQ(form->ebHue->text(), "20");
  EXPECT_NE(form->ResultColour(), 0x0080FFu);  // not repainted before showing

  int seen = -1;
  TColourChooserForm::ModalHook = [&seen](TColourChooserForm& chooser) {
    seen = static_cast<int>(chooser.ResultColour());
    chooser.Button1->click();
    return chooser.result();
  };
  EXPECT_EQ(form->ShowModal(), QDialog::Accepted);
  EXPECT_EQ(seen, 0x0080FF);
  EXPECT_EQ(form->ResultColour(), 0x0080FFu);

  for (ThemeColour colour : {0x000000u, 0xFFFFFFu, 0x808080u, 0x123456u}) {
    Open(colour);
    EXPECT_EQ(form->ResultColour(), colour);
  }
  Open(0x0000FF);
  EXPECT_EQ(Hsl(), (std::vector<int>{0, 240, 120}));
  Open(0x00FF00);
  EXPECT_EQ(Hsl(), (std::vector<int>{80, 240, 120}));
  Open(0xFF0000);
  EXPECT_EQ(Hsl(), (std::vector<int>{159, 240, 120}));
}

// The guard: a bar moved by a handler does not run its own handler, so the
// HSL bars are not recomputed from the RGB they just produced.
TEST_F(ColourChooserTest, MovingAnHslBarSetsRgbWithoutFeedingBack) {
  Open(0xFF0000);  // pure blue
  form->tbLum->setValue(100);
  form->tbLum->setValue(120);
  EXPECT_EQ(Rgb(), (std::vector<int>{0, 6, 255}));
  EXPECT_EQ(Hsl(), (std::vector<int>{159, 240, 120}));  // not 158, the hue of (0, 6, 255)
  EXPECT_EQ(form->ebHTML->text(), "#0006FF");
  EXPECT_EQ(form->ResultColour(), 0xFF0600u);

  Open(0x808080);
  form->tbHue->setValue(10);
  EXPECT_EQ(Rgb(), (std::vector<int>{128, 128, 128}));
  EXPECT_EQ(HslTexts(), (std::vector<QString>{"10", "0", "120"}));

  form->tbGreen->setValue(0);
  EXPECT_EQ(HslTexts(), (std::vector<QString>{"199", "240", "60"}));
  EXPECT_EQ(form->ebGreen->text(), "0");
}

TEST_F(ColourChooserTest, TypedRgbIsClampedByTheBarAndKeepsItsText) {
  Open(0x000000);
  Type(form->ebRed, "300");
  EXPECT_EQ(form->tbRed->value(), 255);
  EXPECT_EQ(form->ebRed->text(), "300");
  EXPECT_EQ(form->ebHTML->text(), "#FF0000");
  EXPECT_EQ(form->ResultColour(), 0x0000FFu);
  EXPECT_FALSE(IsRed(form->ebRed));

  Type(form->ebRed, "-");
  EXPECT_TRUE(IsRed(form->ebRed));
  EXPECT_EQ(form->tbRed->value(), 255);  // the lone "-" changed nothing
  QTest::keyClicks(form->ebRed, "5");
  EXPECT_EQ(form->tbRed->value(), 0);
  EXPECT_EQ(form->ebRed->text(), "-5");
  EXPECT_FALSE(IsRed(form->ebRed));
  EXPECT_EQ(form->ebHTML->text(), "#000000");
}

TEST_F(ColourChooserTest, AFieldThatDoesNotParseTurnsRedAndChangesNothing) {
  Open(0x336699);
  const std::vector<int> hsl = Hsl();
  Type(form->ebGreen, "");
  EXPECT_TRUE(IsRed(form->ebGreen));
  Type(form->ebBlue, "q");
  EXPECT_TRUE(IsRed(form->ebBlue));
  EXPECT_EQ(Rgb(), (std::vector<int>{0x99, 0x66, 0x33}));
  EXPECT_EQ(Hsl(), hsl);
  EXPECT_EQ(form->ebHTML->text(), "#996633");
  EXPECT_EQ(form->ResultColour(), 0x336699u);

  // Both fields parse again: the group's texts return to the normal colour.
  Type(form->ebGreen, "$10");
  EXPECT_TRUE(IsRed(form->ebGreen));  // ebBlue still holds "q"
  Type(form->ebBlue, "x20");
  EXPECT_FALSE(IsRed(form->ebGreen));
  EXPECT_FALSE(IsRed(form->ebBlue));
  EXPECT_EQ(Rgb(), (std::vector<int>{0x99, 0x10, 0x20}));

  Type(form->ebSat, "s");
  EXPECT_TRUE(IsRed(form->ebSat));
  EXPECT_EQ(Rgb(), (std::vector<int>{0x99, 0x10, 0x20}));
  Type(form->ebSat, "0");
  EXPECT_FALSE(IsRed(form->ebSat));
  EXPECT_EQ(form->ebSat->text(), "0");
  EXPECT_EQ(form->tbRed->value(), form->tbBlue->value());  // a grey now
}

TEST_F(ColourChooserTest, HtmlFieldTakesEitherCaseAndAnyFirstCharacter) {
  Open(0x000000);
  Type(form->ebHTML, "#ff8000");
  EXPECT_EQ(Rgb(), (std::vector<int>{255, 128, 0}));
  EXPECT_EQ(form->ebHTML->text(), "#ff8000");  // not rewritten while typed in
  EXPECT_EQ(form->ebRed->text(), "255");
  EXPECT_EQ(form->ebHue->text(), "20");
  EXPECT_FALSE(IsRed(form->ebHTML));
  Type(form->ebHTML, "x1A2B3C");
  EXPECT_EQ(form->ResultColour(), 0x3C2B1Au);

  for (const char* bad : {"#FF800", "#GG0000", "#FF80001"}) {
    form->ebHTML->setText(bad);  // pasted
    EXPECT_TRUE(IsRed(form->ebHTML)) << bad;
    EXPECT_EQ(form->ResultColour(), 0x3C2B1Au) << bad;
  }
  // The fields keep their colours from one use to the next.
  Open(0x000000);
  EXPECT_TRUE(IsRed(form->ebHTML));
}

TEST_F(ColourChooserTest, CancelEscapeAndLosingTheFocusCloseWithCancel) {
  TColourChooserForm::ModalHook = [](TColourChooserForm& chooser) {
    chooser.Button2->click();
    return chooser.result();
  };
  form->SetColour(0x010203);
  EXPECT_EQ(form->ShowModal(), QDialog::Rejected);

  form->SetColour(0x010203);
  form->show();
  QTest::keyClick(form, Qt::Key_Escape);
  EXPECT_TRUE(form->isHidden());
  EXPECT_EQ(form->result(), QDialog::Rejected);

  // Another window takes the activation.
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == form->tbRed; }));
  ASSERT_TRUE(form->isVisible());
  form->setResult(QDialog::Accepted);
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->isHidden(); }, 2000));
  EXPECT_EQ(form->result(), QDialog::Rejected);
}

// The colours of a bar's tick strip: the rows between the channel and the
// control's bottom edge.
std::set<QRgb> TickStripColours(TExTrackBar* bar) {
  const QImage image = bar->grab().toImage();
  std::set<QRgb> colours;
  for (int y = image.height() - 6; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
  return colours;
}

TEST_F(ColourChooserTest, EveryTrackBarDrawsItsTicksAlikeWhateverHasTheFocus) {
  form->SetColour(0x0080FF);
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  const std::vector<TExTrackBar*> bars = {form->tbRed, form->tbGreen, form->tbBlue,
                                          form->tbHue, form->tbSat,   form->tbLum};
  // Moving the focus with the keyboard, from the red bar onwards (the styles
  // mark keyboard focus), must leave every bar without it looking alike.
  for (int step = 0; step < 12; ++step) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    std::set<QRgb> first;
    for (TExTrackBar* bar : bars) {
      if (bar == focused) continue;
      const std::set<QRgb> colours = TickStripColours(bar);
      EXPECT_EQ(colours.size(), 2u) << bar->objectName().toStdString();  // ticks on the ground
      if (first.empty())
        first = colours;
      else
        EXPECT_EQ(colours, first) << bar->objectName().toStdString() << " after " << step
                                  << " tabs";
    }
    EXPECT_TRUE(first.count(form->tbRed->TickColour().rgb() & 0xFFFFFF));
    QTest::keyClick(focused, Qt::Key_Tab);
  }
}

// A click that waits in the queue when the window opens closes it inside the
// modal loop, not before the loop starts (which would leave it waiting).
TEST_F(ColourChooserTest, AClickWaitingAtShowingEndsTheModalLoop) {
  form->SetColour(0x445566);
  bool stuck = false;
  QTimer::singleShot(0, form, [this] { form->Button1->click(); });
  QTimer::singleShot(3000, form, [this, &stuck] {
    stuck = true;
    form->show();  // a hidden window's done() leaves the loop running
    form->done(QDialog::Rejected);
  });
  EXPECT_EQ(form->ShowModal(), QDialog::Accepted);
  EXPECT_FALSE(stuck);
  EXPECT_EQ(form->ResultColour(), 0x445566u);
}

}  // namespace
