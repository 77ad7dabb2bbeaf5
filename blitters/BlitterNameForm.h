// The blitter name dialog: one edit field for a blitter's name, with OK and
// Cancel. The Blitter page creates it for one Add or Rename, shows it modally
// and destroys it afterwards.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;
namespace Ui {
class BlitterNameForm;
}

class TBlitterNameForm : public QDialog {
  Q_OBJECT

 public:
  // owner is the main window; the dialog takes its font and is centred over it.
  explicit TBlitterNameForm(QWidget* owner);
  ~TBlitterNameForm() override;

  // Centres the dialog over its owner (the fraction of each half dropped).
  void FormCreate();

  // Shows the dialog modally and returns QDialog::Accepted or Rejected. When
  // ModalHook is set it answers instead of the user: it gets the dialog (to
  // read its captions and fill Edit1) and returns the result, and nothing is
  // shown. Tests set it; the program leaves it empty.
  int ShowModal();
  static std::function<int(TBlitterNameForm&)> ModalHook;

  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;  // OK
  QPushButton* Button2 = nullptr;  // Cancel

 protected:
  void changeEvent(QEvent* event) override;

 private:
  std::unique_ptr<Ui::BlitterNameForm> ui_;
};
