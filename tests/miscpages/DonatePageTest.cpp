// The Donate page: the calculator and the picture that follows the pointer,
// through the real window.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QTest>
#include <locale>
#include <string>

#include "app/Links.h"
#include "app/PageControl.h"
#include "tests/app/AppFixture.h"

namespace {

class DonatePage : public AppTest {
 protected:
  void SetUp() override {
    WriteIni("Active page=1");  // the Donate page, laid out as the user sees it
    ASSERT_NE(Start(), nullptr);
    box_ = Find<QGroupBox>("GroupBox12");
    picture_ = Find<QLabel>("imgPayPal");
    cpu_ = Find<QLineEdit>("edtCPUSpeed");
    memory_ = Find<QLineEdit>("edtGFXMem");
    donation_ = Find<QLineEdit>("edtDonation");
  }
  QString Suggest(const QString& speed, const QString& memory) {
    cpu_->setText(speed);
    memory_->setText(memory);
    return donation_->text();
  }
  // The pointer moves over a control, at pos in that control's coordinates.
  QPoint MoveOver(QWidget* control, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), control->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
    return picture_->pos();
  }

  QGroupBox* box_ = nullptr;
  QLabel* picture_ = nullptr;
  QLineEdit* cpu_ = nullptr;
  QLineEdit* memory_ = nullptr;
  QLineEdit* donation_ = nullptr;
};

TEST_F(DonatePage, SuggestsTheDonationFromBothFields) {
  EXPECT_EQ(cpu_->text(), "600");
  EXPECT_EQ(memory_->text(), "64");
  EXPECT_EQ(donation_->text(), "US$11.71");
  EXPECT_TRUE(donation_->isReadOnly());
  EXPECT_EQ(Suggest("1000", "128"), "US$20.88");
  EXPECT_EQ(Suggest("3000", "256"), "US$54.49");
  EXPECT_EQ(Suggest("5", "1"), "US$0.13");
  EXPECT_EQ(Suggest("0", "0"), "US$0.00");
  EXPECT_EQ(Suggest("601", "0"), "US$7.65");        // S / 5 is a real division
  EXPECT_EQ(Suggest("100000", "0"), "US$1273.24");  // no thousands separator
  for (const char* bad : {"", "12a", "-1", "1.5", " 5"}) {
    EXPECT_EQ(Suggest(bad, "64"), "") << bad;
    EXPECT_EQ(Suggest("600", bad), "") << bad;
  }
}

// Numbers shown with a comma wherever a library would ask the locale.
struct CommaPunct : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST_F(DonatePage, ThePointStaysWhateverTheLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaPunct));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QString result = Suggest("3000", "256");
  const QString large = Suggest("100000", "0");
  std::locale::global(previous);
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(result, "US$54.49");
  EXPECT_EQ(large, "US$1273.24");
}

TEST_F(DonatePage, TypingInEitherFieldRecomputes) {
  memory_->selectAll();
  QTest::keyClick(memory_, Qt::Key_Delete);
  EXPECT_EQ(donation_->text(), "");
  QTest::keyClicks(memory_, "128");
  cpu_->selectAll();
  QTest::keyClicks(cpu_, "1000");
  EXPECT_EQ(donation_->text(), "US$20.88");
  // The field is the result only: nothing typed there changes it.
  QTest::keyClicks(donation_, "9");
  EXPECT_EQ(donation_->text(), "US$20.88");
}

TEST_F(DonatePage, PictureFollowsThePointerWithinItsLimits) {
  ASSERT_EQ(box_->width(), 296);
  ASSERT_EQ(picture_->size(), QSize(62, 31));
  EXPECT_EQ(picture_->parentWidget(), box_);
  EXPECT_EQ(MoveOver(box_, {150, 130}), QPoint(150 - 31, 130 - 15));
  EXPECT_EQ(MoveOver(box_, {0, 130}).x(), 8);
  EXPECT_EQ(MoveOver(box_, {295, 130}).x(), 226);
  EXPECT_EQ(MoveOver(box_, {150, 0}).y(), 88);
  EXPECT_EQ(MoveOver(box_, {150, box_->height() - 1}).y(), 184);
  EXPECT_EQ(MoveOver(box_, {-50, 1000}), QPoint(8, 184));
}

TEST_F(DonatePage, PointerOverAControlCountsInTheBoxsCoordinates) {
  for (const char* name : {"Label53", "edtCPUSpeed", "MHz", "Label54", "edtGFXMem", "MB", "Label55",
                           "edtDonation", "Label56", "imgPayPal"}) {
    QWidget* control = Find<QWidget>(name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), box_) << name;
    EXPECT_TRUE(control->hasMouseTracking()) << name;
  }
  EXPECT_TRUE(box_->hasMouseTracking());

  QWidget* note = Find<QWidget>("Label56");
  const QPoint inBox = note->pos() + QPoint(120, 5);
  EXPECT_EQ(MoveOver(note, {120, 5}),
            QPoint(std::clamp(inBox.x() - 31, 8, 226), std::clamp(inBox.y() - 15, 88, 184)));
  QWidget* field = Find<QWidget>("edtGFXMem");
  const QPoint over = MoveOver(field, {50, 4});
  EXPECT_EQ(over.x(), field->x() + 50 - 31);
  EXPECT_EQ(over.y(), 88);  // the fields lie above the lowest top

  // Over the picture itself the picture stays centred on the pointer.
  MoveOver(box_, {140, 150});
  const QPoint before = picture_->pos();
  EXPECT_EQ(MoveOver(picture_, {31, 15}), before);
  EXPECT_EQ(MoveOver(picture_, {41, 20}), before + QPoint(10, 5));
  MoveOver(box_, {10, 150});
  EXPECT_EQ(MoveOver(picture_, {0, 15}).x(), 8);
}

TEST_F(DonatePage, ClickingThePictureOpensTheDonationPage) {
  ASSERT_TRUE(picture_->isVisible());
  EXPECT_EQ(picture_->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(picture_->pixmap().isNull());
  QTest::mouseClick(picture_, Qt::LeftButton, Qt::NoModifier, QPoint(30, 15));
  const auto calls = platform_.shellCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].verb, "open");
  EXPECT_EQ(calls[0].target, links::kDonationPage);
  // A right click opens nothing.
  QTest::mouseClick(picture_, Qt::RightButton, Qt::NoModifier, QPoint(30, 15));
  EXPECT_EQ(platform_.shellCalls().size(), 1u);
}

}  // namespace
