#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <limits>

#include "controls/ExTrackBar.h"
#include "tests/chooser/TestApplication.h"

namespace {

class ExTrackBarTest : public ::testing::Test, private ApplicationFirst {
 protected:
  ExTrackBarTest() {
    bar.setRange(0, 10);
    bar.resize(200, 60);
    bar.grab();  // the first paint polishes the bar; later grabs compare alike
  }

  std::vector<QString> Texts() const {
    std::vector<QString> texts;
    for (const auto& label : bar.LabelLayout()) texts.push_back(label.text);
    return texts;
  }

  TExTrackBar bar;
};

TEST_F(ExTrackBarTest, StartsWithItsDocumentedValues) {
  EXPECT_TRUE(bar.Labels());
  EXPECT_TRUE(bar.LabelsFirstLast());
  EXPECT_EQ(bar.LabelsLeftTop(), 30);
  EXPECT_EQ(bar.LabelsFactor(), 1);
  EXPECT_EQ(bar.LabelsFactorOperation(), foMul);
  EXPECT_EQ(bar.LabelsInterval(), bar.pageStep());
  EXPECT_FALSE(bar.SelEnable());
  EXPECT_FALSE(bar.ShowsSelRange());
  EXPECT_TRUE(bar.ParentColor());
  EXPECT_TRUE(bar.ParentFont());
  EXPECT_EQ(bar.TickStyle(), tsAuto);
  EXPECT_EQ(bar.TickMarks(), tmBottomRight);
}

TEST_F(ExTrackBarTest, LabelTextScalesRoundsHalvesToEvenAndAppendsTheUnit) {
  bar.SetLabelsFactor(2);
  bar.SetLabelsFactorOperation(foDiv);
  EXPECT_EQ(bar.LabelText(3), "2");
  EXPECT_EQ(bar.LabelText(5), "2");
  EXPECT_EQ(bar.LabelText(7), "4");
  EXPECT_EQ(bar.LabelText(-5), "-2");
  bar.SetLabelsFactorOperation(foMul);
  bar.SetLabelsText("%");
  EXPECT_EQ(bar.LabelText(3), "6%");
  // A product beyond 32 bits is shown, not wrapped.
  bar.SetLabelsFactor(1000000);
  EXPECT_EQ(bar.LabelText(5000), "5000000000%");

  bar.SetLabelsFactor(0);
  EXPECT_EQ(bar.LabelsFactor(), 1000000);
  bar.SetLabelsInterval(0);
  EXPECT_EQ(bar.LabelsInterval(), 1);
  bar.SetLabelsInterval(7);
  bar.SetLabelsInterval(-5);
  EXPECT_EQ(bar.LabelsInterval(), 1);
}

TEST_F(ExTrackBarTest, InnerLabelsOnlyForMultiplesStrictlyInsideTheRange) {
  bar.SetLabelsInterval(5);
  bar.SetLabelsFirstLast(false);
  EXPECT_EQ(Texts(), std::vector<QString>{"5"});
  bar.SetLabelsFirstLast(true);
  EXPECT_EQ(Texts(), (std::vector<QString>{"5", "0", "10"}));

  // Centred on the value's place, at LabelsLeftTop; the ends stay inside the bar.
  const auto layout = bar.LabelLayout();
  const int width5 = bar.fontMetrics().horizontalAdvance("5");
  EXPECT_EQ(layout[0].at, QPoint(bar.ValuePosition(5) - width5 / 2, 30));
  EXPECT_GE(layout[1].at.x(), 1);
  EXPECT_LT(layout[2].at.x() + bar.fontMetrics().horizontalAdvance("10"), bar.width());
  EXPECT_LT(bar.ValuePosition(0), bar.ValuePosition(5));
  EXPECT_LT(bar.ValuePosition(5), bar.ValuePosition(10));

  bar.SetLabelsInterval(1);
  bar.setRange(-3, -2);  // no value strictly between the ends
  EXPECT_EQ(Texts(), (std::vector<QString>{"-3", "-2"}));
  bar.setRange(-7, 0);
  bar.SetLabelsInterval(3);
  bar.SetLabelsFirstLast(false);
  EXPECT_EQ(Texts(), (std::vector<QString>{"-6", "-3"}));
}

TEST_F(ExTrackBarTest, TurningLabelsOnMovesTopTicksDownAndMakesThemAutomatic) {
  bar.SetLabels(false);
  bar.SetTickMarks(tmTopLeft);
  bar.SetTickStyle(tsManual);
  bar.SetLabels(false);  // no change: nothing moves
  EXPECT_EQ(bar.TickMarks(), tmTopLeft);
  EXPECT_EQ(bar.TickStyle(), tsManual);
  bar.SetLabels(true);
  EXPECT_EQ(bar.TickMarks(), tmBottomRight);
  EXPECT_EQ(bar.TickStyle(), tsAuto);
  EXPECT_EQ(bar.tickPosition(), QSlider::TicksBelow);
  bar.SetTickMarks(tmBoth);
  bar.SetLabels(false);
  EXPECT_EQ(bar.TickMarks(), tmBoth);
  bar.SetLabels(true);
  EXPECT_EQ(bar.TickMarks(), tmBoth);  // only top/left alone moves
}

// The labels are painted over the bar: a grab differs where they sit.
TEST_F(ExTrackBarTest, PaintDrawsTheLabelsOnlyWhenSwitchedOnWithAutomaticTicks) {
  bar.SetLabelsInterval(5);
  bar.SetLabelsLeftTop(40);
  bar.SetLabels(false);
  const QImage plain = bar.grab().toImage();
  bar.SetLabels(true);
  const QImage labelled = bar.grab().toImage();
  ASSERT_EQ(plain.size(), labelled.size());
  int changed = 0;
  int changedAbove = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      if (plain.pixel(x, y) != labelled.pixel(x, y)) (y >= 40 ? changed : changedAbove) += 1;
  EXPECT_GT(changed, 10);
  EXPECT_EQ(changedAbove, 0);

  // Not automatic: the first paint draws nothing and switches Labels off.
  bar.SetTickStyle(tsNone);
  EXPECT_TRUE(bar.Labels());
  bar.grab();
  EXPECT_FALSE(bar.Labels());
  bar.SetTickStyle(tsAuto);
  EXPECT_EQ(bar.grab().toImage(), plain);

  // Disabled, the labels are still drawn (engraved).
  bar.setEnabled(false);
  const QImage disabledPlain = bar.grab().toImage();
  bar.SetLabels(true);
  EXPECT_NE(bar.grab().toImage(), disabledPlain);
}

TEST_F(ExTrackBarTest, SelectionRangeFollowsSelEnableAndSurvivesARebuild) {
  bar.SetLabels(false);
  bar.SetSelStart(2);
  bar.SetSelEnd(6);
  const QImage before = bar.grab().toImage();
  bar.SetSelEnable(true);
  EXPECT_TRUE(bar.ShowsSelRange());
  EXPECT_NE(bar.grab().toImage(), before);
  bar.SetColor(Qt::yellow);  // a colour change builds the bar anew
  EXPECT_FALSE(bar.ParentColor());
  EXPECT_EQ(bar.Color(), QColor(Qt::yellow));
  EXPECT_TRUE(bar.ShowsSelRange());
  bar.SetSelEnable(false);
  EXPECT_FALSE(bar.ShowsSelRange());
  bar.SetParentColor(true);
  EXPECT_EQ(bar.grab().toImage(), before);
}

// A vertical bar has its minimum at the top, and the down key raises the value.
TEST(ExTrackBarVertical, MinimumAtTheTop) {
  EnsureApplication();
  for (const bool fromConstructor : {true, false}) {
    TExTrackBar bar(fromConstructor ? Qt::Vertical : Qt::Horizontal);
    if (!fromConstructor) bar.setOrientation(Qt::Vertical);
    bar.setRange(0, 100);
    bar.resize(40, 200);
    EXPECT_LT(bar.ValuePosition(0), bar.ValuePosition(100));
    bar.setValue(50);
    QTest::keyClick(&bar, Qt::Key_Down);
    EXPECT_EQ(bar.value(), 51);
    QTest::keyClick(&bar, Qt::Key_PageUp);
    EXPECT_EQ(bar.value(), 41);
    bar.setOrientation(Qt::Horizontal);
    EXPECT_GT(bar.ValuePosition(100), bar.ValuePosition(0));
  }
}

TEST_F(ExTrackBarTest, TicksAtEveryIntervalFromMinAndAtMaxWhereverTheyPoint) {
  bar.setRange(0, 255);
  bar.setTickInterval(16);
  std::vector<int> expected;
  for (int v = 0; v < 255; v += 16) expected.push_back(v);
  expected.push_back(255);
  EXPECT_EQ(bar.TickValues(), expected);
  bar.setRange(0, 239);
  bar.setTickInterval(20);
  EXPECT_EQ(bar.TickValues(),
            std::vector<int>({0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 239}));
  // Without an interval: one per single step while they stay apart.
  bar.setRange(-3, 3);
  bar.setTickInterval(0);
  EXPECT_EQ(bar.TickValues(), std::vector<int>({-3, -2, -1, 0, 1, 2, 3}));
  bar.SetTickStyle(tsNone);
  EXPECT_TRUE(bar.TickValues().empty());
  // A huge range does not give more ticks than the bar has pixels.
  bar.SetTickStyle(tsAuto);
  bar.setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  bar.setTickInterval(1);
  EXPECT_LE(bar.TickValues().size(), 202u);
  EXPECT_EQ(bar.TickValues().back(), std::numeric_limits<int>::max());

  // The marks sit on their side of the channel in the tick colour, at the
  // place of each value, on a bar in either orientation.
  bar.setRange(0, 10);
  bar.setTickInterval(5);
  const QRgb tick = bar.TickColour().rgb();
  auto marked = [&](const QImage& image, int x, int y) { return image.pixel(x, y) == tick; };
  QImage image = bar.grab().toImage();
  for (int v : {0, 5, 10}) {
    EXPECT_TRUE(marked(image, bar.ValuePosition(v), bar.height() - 3)) << v;
    EXPECT_FALSE(marked(image, bar.ValuePosition(v), 2)) << v;
  }
  EXPECT_FALSE(marked(image, bar.ValuePosition(3), bar.height() - 3));
  bar.SetTickMarks(tmTopLeft);
  image = bar.grab().toImage();
  EXPECT_TRUE(marked(image, bar.ValuePosition(5), 2));
  EXPECT_FALSE(marked(image, bar.ValuePosition(5), bar.height() - 3));
  bar.setOrientation(Qt::Vertical);
  bar.resize(60, 200);
  bar.SetTickMarks(tmBoth);
  image = bar.grab().toImage();
  for (int v : {0, 5, 10}) {
    EXPECT_TRUE(marked(image, 2, bar.ValuePosition(v))) << v;
    EXPECT_TRUE(marked(image, bar.width() - 3, bar.ValuePosition(v))) << v;
  }
}

TEST_F(ExTrackBarTest, FontAndColourComeFromTheParentUntilSet) {
  QWidget parent;
  parent.setFont(QFont("Sans", 17));
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, Qt::darkCyan);
  parent.setPalette(palette);
  TExTrackBar* child = new TExTrackBar(&parent);
  EXPECT_EQ(child->Font().pointSize(), 17);
  EXPECT_EQ(child->Color(), QColor(Qt::darkCyan));
  child->SetFont(QFont("Sans", 9));
  EXPECT_FALSE(child->ParentFont());
  parent.setFont(QFont("Sans", 21));
  EXPECT_EQ(child->Font().pointSize(), 9);
  child->SetParentFont(true);
  EXPECT_TRUE(child->ParentFont());
  EXPECT_EQ(child->Font().pointSize(), 21);
}

}  // namespace
