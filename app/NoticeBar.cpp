#include "app/NoticeBar.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include "controls/Accessible.h"

namespace {

constexpr int kGap = 4;              // between the bar and the pages under it
constexpr std::size_t kButtons = 2;  // action buttons made with the bar
constexpr qsizetype kMaxNames = 5;   // settings named in a notice

QColor Mix(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

}  // namespace

NoticeBar::NoticeBar(QWidget* parent) : QFrame(parent) {
  setObjectName("NoticeBar");
  setAccessibleName(tr("Notice"));
  accessible::SetValue(this, QAccessible::AlertMessage, QString());
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 3, 3, 3 + kGap);
  auto* icon = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(side, side));
  layout->addWidget(icon);
  label_ = new QLabel(this);
  label_->setObjectName("NoticeText");
  label_->setTextFormat(Qt::PlainText);
  label_->setWordWrap(true);
  layout->addWidget(label_, 1);
  buttons_ = new QHBoxLayout;
  layout->addLayout(buttons_);
  for (std::size_t i = 0; i < kButtons; ++i) Button(i)->hide();
  close_ = new QPushButton(this);
  close_->setObjectName("NoticeCloseButton");
  close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close_->setFlat(true);
  close_->setAutoDefault(false);
  close_->setToolTip(tr("Close this notice"));
  close_->setAccessibleName(close_->toolTip());
  close_->installEventFilter(this);
  layout->addWidget(close_);
  connect(close_, &QPushButton::clicked, this, &NoticeBar::Dismiss);
  // F6 goes to the bar while it shows, as it goes to a browser's bars.
  auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
  connect(f6, &QShortcut::activated, this, [this] {
    (!pool_.empty() && pool_.front()->isVisible() ? pool_.front() : close_)
        ->setFocus(Qt::ShortcutFocusReason);
  });
  hide();
}

QPushButton* NoticeBar::Button(std::size_t index) {
  while (pool_.size() <= index) {
    auto* button = new QPushButton(this);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    buttons_->addWidget(button);
    if (close_ != nullptr && !pool_.empty()) {
      QWidget::setTabOrder(pool_.back(), button);
      QWidget::setTabOrder(button, close_);
    }
    const std::size_t at = pool_.size();
    connect(button, &QPushButton::clicked, this, [this, at] { Run(at); });
    pool_.push_back(button);
  }
  return pool_[index];
}

void NoticeBar::Show(const QString& text, std::vector<Action> actions) {
  text_ = text;
  actions_ = std::move(actions);
  label_->setText(text);
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    QPushButton* button = Button(i);
    button->setText(actions_[i].caption);
    button->setObjectName(actions_[i].objectName);
    button->show();
  }
  for (std::size_t i = actions_.size(); i < pool_.size(); ++i) pool_[i]->hide();
  show();
  accessible::SetValue(this, QAccessible::AlertMessage, text);
  if (QAccessible::isActive()) {
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
  }
  emit changed();
}

void NoticeBar::Dismiss() {
  if (isHidden()) return;
  text_.clear();
  actions_.clear();
  hide();
  accessible::SetValue(this, QAccessible::AlertMessage, QString());
  emit changed();
}

void NoticeBar::Run(std::size_t index) {
  if (index >= actions_.size()) return;
  // The bar closes first: the action may show the next notice.
  const std::function<void()> run = actions_[index].run;
  Dismiss();
  if (run) run();
}

bool NoticeBar::eventFilter(QObject* watched, QEvent* event) {
  // Escape on the bar's buttons closes the bar, not the window.
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
      if (event->type() == QEvent::KeyPress) Dismiss();
      event->accept();
      return event->type() == QEvent::KeyPress;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void NoticeBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor base = palette().color(QPalette::Base);
  const QColor accent = palette().color(QPalette::Highlight);
  painter.setPen(Mix(base, accent, 0.55));
  painter.setBrush(Mix(base, accent, 0.15));
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5 - kGap), 4, 4);
}

namespace {

//: Between the names of a list ("quib.cfg, quib.blt and quib.thm").
QString Separator() { return NoticeBar::tr(", "); }

// "quib.cfg, quib.blt and quib.thm".
QString ListOf(const QStringList& names) {
  if (names.size() < 2) return names.join(QString());
  //: The last two names of a list ("quib.cfg, quib.blt and quib.thm").
  return NoticeBar::tr("%1 and %2")
      .arg(names.mid(0, names.size() - 1).join(Separator()), names.back());
}

}  // namespace

QString ChangedOnDiskNotice(const QStringList& files, int conflicts) {
  //: %1 names one file or more ("quib.cfg and quib.blt"); the count is theirs.
  const QString changed =
      NoticeBar::tr("%1 changed on disk.", nullptr, static_cast<int>(files.size()))
          .arg(ListOf(files));
  if (conflicts <= 0) return changed;
  const QString asked =
      NoticeBar::tr("%n of your changes were also changed there; Apply will ask which to keep.",
                    nullptr, conflicts);
  //: Two sentences of a notice, one after the other.
  return NoticeBar::tr("%1 %2").arg(changed, asked);
}

QString UndidNotice(const QString& file, const QStringList& settings) {
  QStringList names = settings.mid(0, kMaxNames);
  if (settings.size() > kMaxNames) names << QString(QChar(0x2026));
  //: %1 is a file, %2 the settings Quib set back to what they were before.
  return NoticeBar::tr("Quib rewrote %1 and undid %n of the settings you applied: %2", nullptr,
                       static_cast<int>(settings.size()))
      .arg(file, names.join(Separator()));
}

QString SeeChangeCaption() { return NoticeBar::tr("See the change"); }

QString ApplyAgainCaption() {
  //: Saves again the settings Quib set back.
  return NoticeBar::tr("Apply them again");
}

QString KeepCaption() {
  //: Leaves the file as it is now on disk.
  return NoticeBar::tr("Keep");
}
