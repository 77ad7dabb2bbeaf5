#include "app/pages/DonatePage.h"

#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>

#include "app/Links.h"
#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/WordTables.h"
#include "imaging/PictureReader.h"

namespace {

// The lowest top the picture may take (see logic::FollowPointer).
constexpr int kLowestPictureTop = 184;

}  // namespace

DonatePage::DonatePage(PageContext& context) : Page(context, context.PageWidget("TabSheet2")) {
  ui.setupUi(page_);

  const QPixmap button = QPixmap::fromImage(imaging::ReadBuiltIn(":/donate/donate-button.png"));
  if (!button.isNull()) ui.imgPayPal->setPixmap(button);
  ui.imgPayPal->setFixedSize(button.isNull() ? QSize(62, 31) : button.size());
  ui.imgPayPal->setCursor(Qt::PointingHandCursor);
  ui.imgPayPal->setToolTip(links::kDonationPage);
  ui.imgPayPal->raise();

  // The box is 296 pixels wide, or as wide as its title needs in the
  // window's language.
  ui.GroupBox12->setFixedWidth(std::max(296, ui.GroupBox12->minimumSizeHint().width()));

  // The box is high enough for the picture at its lowest with the note below.
  const QMargins margins = ui.GroupBox12Layout->contentsMargins();
  const int noteWidth = ui.GroupBox12->maximumWidth() - margins.left() - margins.right();
  ui.GroupBox12->setMinimumHeight(kLowestPictureTop + ui.imgPayPal->height() + 4 +
                                  ui.Label56->heightForWidth(noteWidth) + margins.bottom());
  ui.imgPayPal->move((ui.GroupBox12->maximumWidth() - ui.imgPayPal->width()) / 2,
                     (88 + kLowestPictureTop) / 2);

  // Every control of the box reports pointer moves, buttons pressed or not.
  ui.GroupBox12->setMouseTracking(true);
  ui.GroupBox12->installEventFilter(this);
  for (QWidget* control : ui.GroupBox12->findChildren<QWidget*>()) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
  }

  connect(ui.edtCPUSpeed, &QLineEdit::textChanged, this, [this] { edtCPUSpeedChange(); });
  connect(ui.edtGFXMem, &QLineEdit::textChanged, this, [this] { edtCPUSpeedChange(); });
  edtCPUSpeedChange();
}

void DonatePage::edtCPUSpeedChange() {
  ui.edtDonation->setText(
      ToQ(logic::SuggestedDonation(FromQ(ui.edtCPUSpeed->text()), FromQ(ui.edtGFXMem->text()))));
}

void DonatePage::GroupBox12MouseMove(QWidget* control, QPoint pos) {
  if (control != ui.GroupBox12) pos = control->mapTo(ui.GroupBox12, pos);
  const logic::PicturePosition to = logic::FollowPointer(
      pos.x(), pos.y(), ui.imgPayPal->width(), ui.imgPayPal->height(), ui.GroupBox12->width());
  ui.imgPayPal->move(to.left, to.top);
}

void DonatePage::imgPayPalClick() {
  platform::Current().ShellExecute("open", links::kDonationPage);
}

bool DonatePage::eventFilter(QObject* watched, QEvent* event) {
  auto* control = qobject_cast<QWidget*>(watched);
  if (control == nullptr) return false;
  if (event->type() == QEvent::MouseMove) {
    auto* move = static_cast<QMouseEvent*>(event);
    // A move that a label leaves unhandled goes on to the group box, with the
    // pointer at the same place on the screen: it is one move, handled once.
    // (The box does not move, so the same place always gives the same spot.)
    if (lastPointer_ && *lastPointer_ == move->globalPosition()) return false;
    lastPointer_ = move->globalPosition();
    GroupBox12MouseMove(control, move->position().toPoint());
  } else if (event->type() == QEvent::MouseButtonRelease && control == ui.imgPayPal &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
             ui.imgPayPal->rect().contains(
                 static_cast<QMouseEvent*>(event)->position().toPoint())) {
    imgPayPalClick();
    return true;
  }
  return false;
}
