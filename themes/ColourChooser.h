// The colour chooser: a small modal tool window in which one colour is picked
// by red, green and blue, by hue, saturation and luminance, or by its HTML
// text, each following the others. The theme editor creates it once, loads a
// swatch's colour with SetColour, shows it modally and takes ResultColour()
// when the user pressed OK.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <memory>

#include "themes/QuibTheme.h"

class QLineEdit;
class QPushButton;
class QGroupBox;
class TExTrackBar;
namespace Ui {
class ColourChooserForm;
}

// The swatch that shows the chosen colour: a rectangle filled with one colour.
class TColourShape : public QWidget {
  Q_OBJECT

 public:
  explicit TColourShape(QWidget* parent = nullptr);
  ThemeColour FillColour() const { return fill_; }
  void SetFillColour(ThemeColour colour);  // does not repaint at once

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ThemeColour fill_ = 0xFFFFFF;
};

class TColourChooserForm : public QDialog {
  Q_OBJECT

 public:
  // owner is the theme editor; the chooser is a tool window of it.
  explicit TColourChooserForm(QWidget* owner);
  ~TColourChooserForm() override;

  // colour = R + 256 * G + 65536 * B. Loads the RGB bars and fields, the HTML
  // field and the HSL bars and fields; the swatch follows when the window is
  // shown.
  void SetColour(ThemeColour colour);

  // Shows the window modally and returns QDialog::Accepted or Rejected. FormShow
  // runs first. When ModalHook is set it answers instead of the user: it gets
  // the window (to work its controls) and returns the result; nothing is
  // shown. Tests set it; the program leaves it empty.
  int ShowModal();
  static std::function<int(TColourChooserForm&)> ModalHook;

  // The fill colour of ColourPreview: the chosen colour once the window closed.
  ThemeColour ResultColour() const;

  // Brings every field and the swatch in line with the RGB bars and puts the
  // focus on tbRed.
  void FormShow();
  // The window lost the keyboard focus: it closes with the result Cancel.
  void WMKillFocus();

  // Change handlers. Each does nothing while another one (or SetColour) runs.
  void tbRedChange();
  void tbHueChange();
  void ebRedChange(QLineEdit* sender);
  void ebHueChange(QLineEdit* sender);
  void ebHTMLChange();

  QGroupBox* GroupBox1 = nullptr;
  TExTrackBar* tbRed = nullptr;
  TExTrackBar* tbGreen = nullptr;
  TExTrackBar* tbBlue = nullptr;
  QLineEdit* ebRed = nullptr;
  QLineEdit* ebGreen = nullptr;
  QLineEdit* ebBlue = nullptr;
  QLineEdit* ebHTML = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  TExTrackBar* tbHue = nullptr;
  TExTrackBar* tbSat = nullptr;
  TExTrackBar* tbLum = nullptr;
  QLineEdit* ebHue = nullptr;
  QLineEdit* ebSat = nullptr;
  QLineEdit* ebLum = nullptr;
  TColourShape* ColourPreview = nullptr;
  QPushButton* Button1 = nullptr;  // OK
  QPushButton* Button2 = nullptr;  // Cancel

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void UpdateRGBFields();
  void UpdateHSLFields();
  void UpdateHTMLField();
  void UpdatePreview();
  void RGBToHSLBars();
  void HSLToRGBBars();
  static void PaintFieldText(QLineEdit* field, bool valid);

  std::unique_ptr<Ui::ColourChooserForm> ui_;
  bool updating_ = false;  // the update guard shared by every handler
  bool showing_ = false;   // inside showEvent
};
