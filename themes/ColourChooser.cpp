#include "themes/ColourChooser.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "controls/Accessible.h"
#include "controls/ExTrackBar.h"
#include "themes/ColourMath.h"
#include "ui_ColourChooser.h"

namespace {

QColor ToQColor(ThemeColour colour) {
  const TRGB rgb = UnpackColour(colour);
  return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

// A field's text as bytes; a character beyond Latin-1 becomes "?", which no
// parse accepts, and the length stays that of the text.
std::string FieldBytes(const QLineEdit* field) { return field->text().toLatin1().toStdString(); }

}  // namespace

TColourShape::TColourShape(QWidget* parent) : QWidget(parent) {
  accessible::SetValue(this, QAccessible::Graphic, QString::fromStdString(ThemeColourToStr(fill_)));
}

void TColourShape::SetFillColour(ThemeColour colour) {
  fill_ = colour;
  accessible::SetValue(this, QAccessible::Graphic, QString::fromStdString(ThemeColourToStr(fill_)));
}

void TColourShape::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(ToQColor(fill_));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

std::function<int(TColourChooserForm&)> TColourChooserForm::ModalHook;

TColourChooserForm::TColourChooserForm(QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::ColourChooserForm>()) {
  ui_->setupUi(this);
  GroupBox1 = ui_->GroupBox1;
  tbRed = ui_->tbRed;
  tbGreen = ui_->tbGreen;
  tbBlue = ui_->tbBlue;
  ebRed = ui_->ebRed;
  ebGreen = ui_->ebGreen;
  ebBlue = ui_->ebBlue;
  ebHTML = ui_->ebHTML;
  GroupBox2 = ui_->GroupBox2;
  tbHue = ui_->tbHue;
  tbSat = ui_->tbSat;
  tbLum = ui_->tbLum;
  ebHue = ui_->ebHue;
  ebSat = ui_->ebSat;
  ebLum = ui_->ebLum;
  ColourPreview = ui_->ColourPreview;
  Button1 = ui_->Button1;
  Button2 = ui_->Button2;

  // A tool window with a title bar but no buttons on it: it closes only
  // through OK, Cancel, Esc or losing the focus.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  for (TExTrackBar* bar : {tbRed, tbGreen, tbBlue, tbHue, tbSat, tbLum}) {
    bar->SetLabels(false);
    bar->SetLabelsFactor(1);
    bar->SetLabelsFactorOperation(foMul);
    bar->SetLabelsInterval(2);
    bar->SetSelEnable(false);
  }

  for (TExTrackBar* bar : {tbRed, tbGreen, tbBlue})
    connect(bar, &QSlider::valueChanged, this, [this] { tbRedChange(); });
  for (TExTrackBar* bar : {tbHue, tbSat, tbLum})
    connect(bar, &QSlider::valueChanged, this, [this] { tbHueChange(); });
  for (QLineEdit* field : {ebRed, ebGreen, ebBlue})
    connect(field, &QLineEdit::textChanged, this, [this, field] { ebRedChange(field); });
  for (QLineEdit* field : {ebHue, ebSat, ebLum})
    connect(field, &QLineEdit::textChanged, this, [this, field] { ebHueChange(field); });
  connect(ebHTML, &QLineEdit::textChanged, this, [this] { ebHTMLChange(); });
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  // The client area is 225 by 283 pixels, or what the font needs. The buttons
  // may be narrower than the style would like, but never narrower than their
  // captions.
  for (QPushButton* button : {Button1, Button2}) {
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
  }
  const QSize hint = minimumSizeHint();
  setFixedSize(std::max(225, hint.width()), std::max(283, hint.height()));
}

TColourChooserForm::~TColourChooserForm() = default;

void TColourChooserForm::SetColour(ThemeColour colour) {
  updating_ = true;
  const TRGB rgb = UnpackColour(colour);
  tbRed->setValue(rgb.Red);
  tbGreen->setValue(rgb.Green);
  tbBlue->setValue(rgb.Blue);
  UpdateRGBFields();
  UpdateHTMLField();
  RGBToHSLBars();
  UpdateHSLFields();
  updating_ = false;
}

int TColourChooserForm::ShowModal() {
  if (ModalHook) {
    FormShow();
    const int result = ModalHook(*this);
    setResult(result);
    return result;
  }
  return exec();
}

ThemeColour TColourChooserForm::ResultColour() const { return ColourPreview->FillColour(); }

void TColourChooserForm::FormShow() {
  tbRedChange();
  tbRed->setFocus();
}

void TColourChooserForm::WMKillFocus() { done(QDialog::Rejected); }

// No waiting messages are processed while the window is being shown: one that
// closed it there would come before the modal loop starts, which would then
// wait for ever behind a hidden window. The loop handles them instead.
void TColourChooserForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  showing_ = true;
  FormShow();
  showing_ = false;
}

bool TColourChooserForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && isVisible()) WMKillFocus();
  return QDialog::event(event);
}

void TColourChooserForm::tbRedChange() {
  if (updating_) return;
  updating_ = true;
  RGBToHSLBars();
  UpdateRGBFields();
  UpdateHSLFields();
  UpdateHTMLField();
  UpdatePreview();
  updating_ = false;
  // Lets the next movement of a dragged thumb be handled before this returns.
  if (!showing_) QCoreApplication::processEvents();
}

void TColourChooserForm::tbHueChange() {
  if (updating_) return;
  updating_ = true;
  HSLToRGBBars();
  UpdateRGBFields();
  UpdateHSLFields();
  UpdateHTMLField();
  UpdatePreview();
  updating_ = false;
  if (!showing_) QCoreApplication::processEvents();
}

// The other fields of the group keep their typed texts; when all three parse,
// all three show the window-text colour again.
void TColourChooserForm::ebRedChange(QLineEdit* sender) {
  if (updating_) return;
  updating_ = true;
  const auto red = ParseChannelText(FieldBytes(ebRed));
  const auto green = ParseChannelText(FieldBytes(ebGreen));
  const auto blue = ParseChannelText(FieldBytes(ebBlue));
  if (red && green && blue) {
    tbRed->setValue(*red);
    tbGreen->setValue(*green);
    tbBlue->setValue(*blue);
    RGBToHSLBars();
    UpdateHSLFields();
    UpdateHTMLField();
    UpdatePreview();
    for (QLineEdit* field : {ebRed, ebGreen, ebBlue}) PaintFieldText(field, true);
  } else {
    PaintFieldText(sender, false);
  }
  updating_ = false;
}

void TColourChooserForm::ebHueChange(QLineEdit* sender) {
  if (updating_) return;
  updating_ = true;
  const auto hue = ParseChannelText(FieldBytes(ebHue));
  const auto sat = ParseChannelText(FieldBytes(ebSat));
  const auto lum = ParseChannelText(FieldBytes(ebLum));
  if (hue && sat && lum) {
    tbHue->setValue(*hue);
    tbSat->setValue(*sat);
    tbLum->setValue(*lum);
    HSLToRGBBars();
    UpdateRGBFields();
    UpdateHTMLField();
    UpdatePreview();
    for (QLineEdit* field : {ebHue, ebSat, ebLum}) PaintFieldText(field, true);
  } else {
    PaintFieldText(sender, false);
  }
  updating_ = false;
}

void TColourChooserForm::ebHTMLChange() {
  if (updating_) return;
  updating_ = true;
  if (const auto rgb = ParseHtmlColour(FieldBytes(ebHTML))) {
    tbRed->setValue(rgb->Red);
    tbGreen->setValue(rgb->Green);
    tbBlue->setValue(rgb->Blue);
    RGBToHSLBars();
    UpdateHSLFields();
    UpdateRGBFields();
    UpdatePreview();
    PaintFieldText(ebHTML, true);
  } else {
    PaintFieldText(ebHTML, false);
  }
  updating_ = false;
}

void TColourChooserForm::UpdateRGBFields() {
  ebRed->setText(QString::number(tbRed->value()));
  ebGreen->setText(QString::number(tbGreen->value()));
  ebBlue->setText(QString::number(tbBlue->value()));
}

void TColourChooserForm::UpdateHSLFields() {
  ebHue->setText(QString::number(tbHue->value()));
  ebSat->setText(QString::number(tbSat->value()));
  ebLum->setText(QString::number(tbLum->value()));
}

void TColourChooserForm::UpdateHTMLField() {
  ebHTML->setText(
      QString::fromStdString(HtmlColourText({tbRed->value(), tbGreen->value(), tbBlue->value()})));
}

void TColourChooserForm::UpdatePreview() {
  ColourPreview->SetFillColour(PackColour({tbRed->value(), tbGreen->value(), tbBlue->value()}));
  ColourPreview->update();
}

void TColourChooserForm::RGBToHSLBars() {
  const THSLPositions hsl = RGBToHSLPositions(tbRed->value(), tbGreen->value(), tbBlue->value());
  tbHue->setValue(hsl.Hue);
  tbSat->setValue(hsl.Sat);
  tbLum->setValue(hsl.Lum);
}

void TColourChooserForm::HSLToRGBBars() {
  const TRGB rgb = HSLToRGB(tbHue->value(), tbSat->value(), tbLum->value());
  tbRed->setValue(rgb.Red);
  tbGreen->setValue(rgb.Green);
  tbBlue->setValue(rgb.Blue);
}

void TColourChooserForm::PaintFieldText(QLineEdit* field, bool valid) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Text,
                   valid ? QApplication::palette(field).color(QPalette::Text) : QColor(255, 0, 0));
  field->setPalette(palette);
}
