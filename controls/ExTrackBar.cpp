#include "controls/ExTrackBar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

#include "controls/Accessible.h"

namespace {

// The nearest integer, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double x) {
  double whole = std::floor(x);
  const double fraction = x - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<std::int64_t>(whole);
}

QSlider::TickPosition ToPosition(TTickMark mark) {
  switch (mark) {
    case tmTopLeft:
      return QSlider::TicksAbove;
    case tmBoth:
      return QSlider::TicksBothSides;
    case tmBottomRight:
      break;
  }
  return QSlider::TicksBelow;
}

TTickMark ToMark(QSlider::TickPosition position) {
  switch (position) {
    case QSlider::TicksAbove:
      return tmTopLeft;
    case QSlider::TicksBothSides:
      return tmBoth;
    default:
      return tmBottomRight;
  }
}

}  // namespace

TExTrackBar::TExTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) { Init(); }

TExTrackBar::TExTrackBar(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
  Init();
}

TExTrackBar::~TExTrackBar() = default;

void TExTrackBar::setOrientation(Qt::Orientation orientation) {
  QSlider::setOrientation(orientation);
  const bool vertical = orientation == Qt::Vertical;
  setInvertedAppearance(vertical);
  setInvertedControls(vertical);
}

void TExTrackBar::Init() {
  accessible::InstallFactory();
  setOrientation(orientation());
  // A fresh bar shows automatic ticks below (right of) the channel, one per value.
  setTickPosition(TicksBelow);
  setTickInterval(1);
  labels_interval_ = std::max(1, pageStep());
}

QColor TExTrackBar::Color() const {
  if (!parent_color_) return color_;
  const QWidget* parent = parentWidget();
  return (parent != nullptr ? parent->palette() : palette()).color(QPalette::Window);
}

void TExTrackBar::SetColor(const QColor& colour) {
  color_ = colour;
  parent_color_ = false;
  QPalette own = palette();
  own.setColor(QPalette::Window, colour);
  setPalette(own);
  setAutoFillBackground(true);
  Rebuild();
}

void TExTrackBar::SetParentColor(bool value) {
  if (value == parent_color_) return;
  if (!value) {
    SetColor(Color());
    return;
  }
  parent_color_ = true;
  setAutoFillBackground(false);
  setPalette(QPalette());  // nothing resolved: everything comes from the parent again
  Rebuild();
}

void TExTrackBar::SetFont(const QFont& value) { setFont(value); }

bool TExTrackBar::ParentFont() const { return !testAttribute(Qt::WA_SetFont); }

void TExTrackBar::SetParentFont(bool value) {
  if (value == ParentFont()) return;
  setFont(value ? QFont() : font());
  if (!value) setAttribute(Qt::WA_SetFont, true);
}

void TExTrackBar::SetLabels(bool value) {
  if (value == labels_) return;
  labels_ = value;
  if (value) {
    if (tickPosition() == TicksAbove) setTickPosition(TicksBelow);
    if (marks_ == TicksAbove) marks_ = TicksBelow;
    if (TickStyle() != tsAuto) SetTickStyle(tsAuto);
  }
  update();
}

void TExTrackBar::SetLabelsFirstLast(bool value) {
  if (value == labels_first_last_) return;
  labels_first_last_ = value;
  update();
}

void TExTrackBar::SetLabelsLeftTop(std::int32_t value) {
  if (value == labels_left_top_) return;
  labels_left_top_ = value;
  update();
}

void TExTrackBar::SetLabelsText(const QString& value) {
  if (value == labels_text_) return;
  labels_text_ = value;
  update();
}

void TExTrackBar::SetLabelsFactor(std::int32_t value) {
  if (value == 0 || value == labels_factor_) return;
  labels_factor_ = value;
  update();
}

void TExTrackBar::SetLabelsFactorOperation(TLabelsFactorOperation value) {
  if (value == labels_factor_operation_) return;
  labels_factor_operation_ = value;
  update();
}

void TExTrackBar::SetLabelsInterval(std::int32_t value) {
  value = std::max<std::int32_t>(value, 1);
  if (value == labels_interval_) return;
  labels_interval_ = value;
  update();
}

void TExTrackBar::SetSelEnable(bool value) {
  if (value == sel_enable_) return;
  sel_enable_ = value;
  shows_sel_range_ = value;
  update();
}

void TExTrackBar::SetSelStart(int value) {
  if (value == sel_start_) return;
  sel_start_ = value;
  if (shows_sel_range_) update();
}

void TExTrackBar::SetSelEnd(int value) {
  if (value == sel_end_) return;
  sel_end_ = value;
  if (shows_sel_range_) update();
}

TTickStyle TExTrackBar::TickStyle() const {
  if (tickPosition() != NoTicks) return tsAuto;
  return manual_ticks_ ? tsManual : tsNone;
}

void TExTrackBar::SetTickStyle(TTickStyle value) {
  if (value == tsAuto) {
    manual_ticks_ = false;
    if (tickPosition() == NoTicks) setTickPosition(marks_);
    return;
  }
  if (tickPosition() != NoTicks) marks_ = tickPosition();
  manual_ticks_ = value == tsManual;
  setTickPosition(NoTicks);
}

TTickMark TExTrackBar::TickMarks() const {
  return ToMark(tickPosition() != NoTicks ? tickPosition() : marks_);
}

void TExTrackBar::SetTickMarks(TTickMark value) {
  marks_ = ToPosition(value);
  if (tickPosition() != NoTicks) setTickPosition(marks_);
}

QString TExTrackBar::LabelText(int v) const {
  std::int64_t number;
  if (labels_factor_operation_ == foMul)
    number = static_cast<std::int64_t>(v) * labels_factor_;
  else
    number = RoundHalfEven(static_cast<double>(v) / labels_factor_);
  return QString::number(number) + labels_text_;
}

int TExTrackBar::ValuePosition(int v) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.sliderPosition = v;
  option.sliderValue = v;
  const QRect thumb =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  return orientation() == Qt::Horizontal ? thumb.left() + thumb.width() / 2
                                         : thumb.top() + thumb.height() / 2;
}

std::vector<TExTrackBar::Placement> TExTrackBar::LabelLayout() const {
  std::vector<Placement> layout;
  if (!labels_ || TickStyle() != tsAuto) return layout;
  const bool horizontal = orientation() == Qt::Horizontal;
  const QFontMetrics metrics(font());
  auto extent = [&](const QString& text) {
    return horizontal ? metrics.horizontalAdvance(text) : metrics.height();
  };
  auto place = [&](const QString& text, int along) {
    layout.push_back(
        {text, horizontal ? QPoint(along, labels_left_top_) : QPoint(labels_left_top_, along)});
  };

  // Inner labels: the multiples of LabelsInterval strictly between the ends,
  // each centred on its value's place along the bar. A bar cannot show more
  // labels than it has pixels, which keeps huge ranges from looping for ever.
  const std::int64_t low = minimum();
  const std::int64_t high = maximum();
  const std::int64_t step = labels_interval_;
  std::int64_t first = low + 1;
  const std::int64_t rest = ((first % step) + step) % step;
  if (rest != 0) first += step - rest;
  const std::size_t most = static_cast<std::size_t>(std::max(width(), height())) + 1;
  for (std::int64_t v = first; v < high && layout.size() < most; v += step) {
    const QString text = LabelText(static_cast<int>(v));
    place(text, ValuePosition(static_cast<int>(v)) - extent(text) / 2);
  }

  if (labels_first_last_) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect channel =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int t = horizontal ? thumb.width() : thumb.height();
    const int start = horizontal ? channel.left() : channel.top();
    const int end =
        horizontal ? channel.left() + channel.width() : channel.top() + channel.height();
    const int size = horizontal ? width() : height();

    const QString lower = LabelText(minimum());
    place(lower, std::max(1, start + t / 2 - extent(lower) / 2));
    const QString upper = LabelText(maximum());
    int p = end - t / 2 - extent(upper) / 2;
    if (p + extent(upper) >= size) p = size - extent(upper) - 1;
    place(upper, p);
  }
  return layout;
}

void TExTrackBar::PaintSelRange(QPainter& painter) const {
  const int from = std::clamp(std::min(sel_start_, sel_end_), minimum(), maximum());
  const int to = std::clamp(std::max(sel_start_, sel_end_), minimum(), maximum());
  if (to <= from) return;
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect channel =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const int a = ValuePosition(from);
  const int b = ValuePosition(to);
  const QRect band = orientation() == Qt::Horizontal
                         ? QRect(std::min(a, b), channel.center().y() - 2, std::abs(b - a), 4)
                         : QRect(channel.center().x() - 2, std::min(a, b), 4, std::abs(b - a));
  painter.fillRect(band, palette().color(QPalette::Highlight));
}

std::vector<int> TExTrackBar::TickValues() const {
  std::vector<int> values;
  if (tickPosition() == NoTicks) return values;
  const std::int64_t low = minimum();
  const std::int64_t high = maximum();
  std::int64_t step = tickInterval();
  if (step <= 0) {
    // As the styles do: a tick per single step, or per page when single
    // steps would crowd the ticks closer than 3 pixels.
    step = singleStep();
    if (step > 0 && std::abs(ValuePosition(static_cast<int>(std::min(low + step, high))) -
                             ValuePosition(minimum())) < 3)
      step = pageStep();
  }
  step = std::max<std::int64_t>(step, 1);
  // No more ticks than the bar has pixels, however wide the range.
  const std::size_t most = static_cast<std::size_t>(std::max(width(), height())) + 1;
  for (std::int64_t v = low; v < high && values.size() < most; v += step)
    values.push_back(static_cast<int>(v));
  values.push_back(maximum());
  return values;
}

QColor TExTrackBar::TickColour() const { return Color().darker(140); }

// The marks go along the edge of the control on their side of the channel:
// one pixel longer at the two ends, as the styles draw them.
void TExTrackBar::PaintTicks(QPainter& painter) const {
  const std::vector<int> values = TickValues();
  if (values.empty()) return;
  QStyleOptionSlider option;
  initStyleOption(&option);
  const int size =
      std::max(2, style()->pixelMetric(QStyle::PM_SliderTickmarkOffset, &option, this));
  const bool horizontal = orientation() == Qt::Horizontal;
  const bool before =
      tickPosition() & TicksAbove;  // above a horizontal bar, left of a vertical one
  const bool after = tickPosition() & TicksBelow;
  const QRect area = rect();
  painter.save();
  painter.setPen(QPen(TickColour(), 1));
  painter.setBrush(Qt::NoBrush);
  for (const int v : values) {
    const int pos = ValuePosition(v);
    const int inset = v == minimum() || v == maximum() ? 1 : 2;
    if (horizontal) {
      if (before) painter.drawLine(pos, area.top() + inset, pos, area.top() + size);
      if (after) painter.drawLine(pos, area.bottom() - inset, pos, area.bottom() - size);
    } else {
      if (before) painter.drawLine(area.left() + inset, pos, area.left() + size, pos);
      if (after) painter.drawLine(area.right() - inset, pos, area.right() - size, pos);
    }
  }
  painter.restore();
}

void TExTrackBar::paintEvent(QPaintEvent* /*event*/) {
  // The style draws the channel and the thumb; the tick marks are drawn here
  // in one colour, whatever the focus or the state the style was last left
  // in, so that bars side by side look alike. Focus shows on the thumb.
  QPainter painter(this);
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
  style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
  PaintTicks(painter);

  if (labels_ && TickStyle() != tsAuto) labels_ = false;  // no repaint: this paint shows it
  if (shows_sel_range_) PaintSelRange(painter);
  if (!labels_) return;
  painter.setBrush(Qt::NoBrush);
  painter.setFont(font());
  const QFontMetrics metrics(font());
  const bool enabled = isEnabled();
  for (const Placement& label : LabelLayout()) {
    const QRect box(label.at, QSize(metrics.horizontalAdvance(label.text), metrics.height()));
    if (enabled) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label.text);
    } else {
      // Engraved: a light copy one pixel down and right under the dark text.
      painter.setPen(palette().color(QPalette::Light));
      painter.drawText(box.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, label.text);
      painter.setPen(palette().color(QPalette::Dark));
      painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label.text);
    }
  }
}

void TExTrackBar::changeEvent(QEvent* event) {
  QSlider::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
      update();
      break;
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
    case QEvent::ApplicationPaletteChange:
      Rebuild();
      break;
    default:
      break;
  }
}

// After a colour change the bar is built anew: repainted whole, with the
// selection range shown again when SelEnable asks for it.
void TExTrackBar::Rebuild() {
  shows_sel_range_ = sel_enable_;
  update();
}
