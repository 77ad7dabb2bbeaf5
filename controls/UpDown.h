// Up-down buttons beside an edit field: they step the number the field shows
// between min and max, while the field itself accepts any text.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent);
  int Position() const { return position_; }
  void Step(int delta);
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* associate_;
  QToolButton* up_;
  QToolButton* down_;
  int min_;
  int max_;
  int position_;
};
