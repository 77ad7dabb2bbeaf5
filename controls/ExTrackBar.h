// A track bar that can write value labels at its ticks: a number for each
// labelled value, optionally scaled by a factor and followed by a unit text,
// plus labels for the smallest and the largest value at the ends of the
// channel. Otherwise it is a plain QSlider: minimum()/maximum(), value(),
// pageStep(), tickInterval(), tickPosition(), orientation() and valueChanged()
// all behave as usual.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSlider>
#include <QString>
#include <cstdint>
#include <vector>

// How LabelsFactor is applied to a value before it is shown.
enum TLabelsFactorOperation { foMul, foDiv };

// tsAuto: a tick at every tickInterval(); tsManual: only ticks placed by the
// program (this control places none); tsNone: no ticks.
enum TTickStyle { tsNone, tsAuto, tsManual };

// Where the tick marks sit: below (right of) the channel, above (left of) it,
// or on both sides.
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

class TExTrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TExTrackBar(QWidget* parent = nullptr);
  explicit TExTrackBar(Qt::Orientation orientation, QWidget* parent = nullptr);
  ~TExTrackBar() override;

  // As the native track bar, a vertical bar has its minimum at the top: the
  // thumb moves down as the value grows, and the up keys and the wheel turned
  // up lower the value. Hides QAbstractSlider::setOrientation, which has no
  // hook of its own.
  void setOrientation(Qt::Orientation orientation);

  // Background colour, also the brush of the labels. While ParentColor is
  // true it is the parent's window colour; SetColor clears ParentColor.
  QColor Color() const;
  void SetColor(const QColor& colour);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool value);

  // The labels' font is the widget's font; SetFont clears ParentFont, and
  // SetParentFont(true) takes the parent's font again.
  QFont Font() const { return font(); }
  void SetFont(const QFont& value);
  bool ParentFont() const;
  void SetParentFont(bool value);

  bool Labels() const { return labels_; }
  void SetLabels(bool value);
  bool LabelsFirstLast() const { return labels_first_last_; }
  void SetLabelsFirstLast(bool value);
  std::int32_t LabelsLeftTop() const { return labels_left_top_; }
  void SetLabelsLeftTop(std::int32_t value);
  QString LabelsText() const { return labels_text_; }
  void SetLabelsText(const QString& value);
  std::int32_t LabelsFactor() const { return labels_factor_; }
  void SetLabelsFactor(std::int32_t value);  // 0 is ignored
  TLabelsFactorOperation LabelsFactorOperation() const { return labels_factor_operation_; }
  void SetLabelsFactorOperation(TLabelsFactorOperation value);
  std::int32_t LabelsInterval() const { return labels_interval_; }
  void SetLabelsInterval(std::int32_t value);  // below 1 is taken as 1

  // SelEnable asks for a selection range (SelStart to SelEnd) painted in the
  // channel. The bar is always created without it; SetSelEnable switches it
  // on the existing bar, and a rebuild after a colour change applies it again.
  bool SelEnable() const { return sel_enable_; }
  void SetSelEnable(bool value);
  bool ShowsSelRange() const { return shows_sel_range_; }
  int SelStart() const { return sel_start_; }
  void SetSelStart(int value);
  int SelEnd() const { return sel_end_; }
  void SetSelEnd(int value);

  TTickStyle TickStyle() const;
  void SetTickStyle(TTickStyle value);
  TTickMark TickMarks() const;
  void SetTickMarks(TTickMark value);

  // The text of the label of value v (factor, rounding, LabelsText).
  QString LabelText(int v) const;

  // One label as painting places it: its text and its top left corner.
  struct Placement {
    QString text;
    QPoint at;
  };
  // The labels the next paint draws, inner labels first, then the lower and
  // the upper end label. Empty when Labels is false or the tick style is not
  // automatic.
  std::vector<Placement> LabelLayout() const;

  // The position along the bar, in client pixels, of the centre of the thumb
  // when it stands at value v.
  int ValuePosition(int v) const;

  // The values that carry a tick mark: Min, every tick interval after it, and
  // Max. Empty when the bar shows no ticks.
  std::vector<int> TickValues() const;
  // The colour of every tick mark: a shade of the background, the same with
  // or without focus.
  QColor TickColour() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Init();
  void Rebuild();
  void PaintSelRange(class QPainter& painter) const;
  void PaintTicks(class QPainter& painter) const;

  bool parent_color_ = true;
  QColor color_;
  bool labels_ = true;
  bool labels_first_last_ = true;
  std::int32_t labels_left_top_ = 30;
  QString labels_text_;
  std::int32_t labels_factor_ = 1;
  TLabelsFactorOperation labels_factor_operation_ = foMul;
  std::int32_t labels_interval_ = 1;
  bool sel_enable_ = false;
  bool shows_sel_range_ = false;
  int sel_start_ = 0;
  int sel_end_ = 0;
  bool manual_ticks_ = false;
  TickPosition marks_ = TicksBelow;  // the marks while no ticks are shown
};
