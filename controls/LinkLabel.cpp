#include "controls/LinkLabel.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <utility>

namespace {

// Hands a link label to its open function when it is clicked with the left
// button.
class LinkClick : public QObject {
 public:
  LinkClick(QLabel* label, std::function<void(QLabel*)> open)
      : QObject(label), label_(label), open_(std::move(open)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      open_(label_);
      return true;
    }
    return false;
  }

 private:
  QLabel* label_;
  std::function<void(QLabel*)> open_;
};

}  // namespace

void ShowAsLink(QLabel* label, const QString& target, std::function<void(QLabel*)> open) {
  label->setTextFormat(Qt::PlainText);
  label->setToolTip(target);
  label->setCursor(Qt::PointingHandCursor);
  label->setAttribute(Qt::WA_TranslucentBackground);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  label->setPalette(palette);
  label->installEventFilter(new LinkClick(label, std::move(open)));
}

QLabel* MakeLink(QWidget* parent, const char* name, const QString& caption, const QString& target,
                 std::function<void(QLabel*)> open) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  ShowAsLink(label, target, std::move(open));
  return label;
}
