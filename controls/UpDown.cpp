#include "controls/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The object name is fixed ("Up", "Down"); the caption is what a reader and the
// tool tip say.
QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name,
                         const QString& caption) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setAccessibleName(caption);
  button->setToolTip(caption);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
  button->setFixedWidth(16);
  return button;
}

}  // namespace

UpDown::UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max), position_(position) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  //: The button that raises the number beside it by one.
  up_ = ArrowButton(this, Qt::UpArrow, "Up", tr("Up"));
  //: The button that lowers the number beside it by one.
  down_ = ArrowButton(this, Qt::DownArrow, "Down", tr("Down"));
  column->addWidget(up_);
  column->addWidget(down_);
  setFixedSize(16, associate->sizeHint().height());
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  associate->installEventFilter(this);
}

void UpDown::Step(int delta) {
  // The field may hold anything; a number in it is where the step starts,
  // otherwise the buttons go on from their own last position.
  bool ok = false;
  const int shown = associate_->text().trimmed().toInt(&ok);
  const long long from = ok ? shown : position_;
  position_ = static_cast<int>(std::clamp<long long>(from + delta, min_, max_));
  const QString text = QString::number(position_);
  if (associate_->text() != text) associate_->setText(text);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
