// The notice bar: a slim bar at the top of the main window that tells of
// something that happened outside the window (a settings file changed on
// disk), with buttons to act on it. It is hidden until shown, a notice
// replaces the one shown, and the window grows by the bar's height while it
// shows. Its buttons come first in the window's Tab order; F6 takes the keys
// to them, Escape there closes the bar. A screen reader hears it as an alert.
#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QLabel;
class QHBoxLayout;
class QPushButton;

class NoticeBar : public QFrame {
  Q_OBJECT

 public:
  struct Action {
    QString caption;
    QString objectName;
    std::function<void()> run;
  };
  explicit NoticeBar(QWidget* parent);

  // Shows text with these buttons (and a close button, objectName
  // "NoticeCloseButton"), replacing any notice shown; a button closes the bar
  // and runs its action (which may show another notice).
  void Show(const QString& text, std::vector<Action> actions);
  void Dismiss();
  // The text shown; empty while the bar is hidden.
  QString Text() const { return text_; }

 signals:
  // A notice was shown, replaced or dismissed: the bar's height changed.
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The index-th action button, made when first needed (in the Tab order
  // before the close button).
  QPushButton* Button(std::size_t index);
  void Run(std::size_t index);

  QLabel* label_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
  QPushButton* close_ = nullptr;
  std::vector<QPushButton*> pool_;
  std::vector<Action> actions_;
  QString text_;
};

// The texts of the notices and their buttons, in the window's language.
// "quib.cfg and quib.blt changed on disk.", and when conflicts > 0 how many
// of the window's changes were changed there too.
QString ChangedOnDiskNotice(const QStringList& files, int conflicts);
// "Quib rewrote quib.cfg and undid 3 of the settings you applied: a, b, c"
// (the first five names, then "…").
QString UndidNotice(const QString& file, const QStringList& settings);
QString SeeChangeCaption();   // "See the change"
QString ApplyAgainCaption();  // "Apply them again"
QString KeepCaption();        // "Keep"
