#include "blitters/BlitterNameForm.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "ui_BlitterNameForm.h"

std::function<int(TBlitterNameForm&)> TBlitterNameForm::ModalHook;

TBlitterNameForm::TBlitterNameForm(QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::BlitterNameForm>()) {
  ui_->setupUi(this);
  Edit1 = ui_->Edit1;
  Edit1->setAccessibleName(windowTitle());
  Button1 = ui_->Button1;
  Button2 = ui_->Button2;
  // A fixed dialog frame: no resizing, no help button.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  if (owner != nullptr) setFont(owner->font());
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  // The client area is 206 by 59 pixels, or what the buttons' font needs.
  const QSize hint = sizeHint();
  setFixedSize(std::max(206, hint.width()), std::max(59, hint.height()));
  FormCreate();
}

void TBlitterNameForm::FormCreate() {
  const QWidget* owner = parentWidget();
  if (owner == nullptr) return;
  move(owner->x() + (owner->width() - width()) / 2, owner->y() + (owner->height() - height()) / 2);
}

TBlitterNameForm::~TBlitterNameForm() = default;

void TBlitterNameForm::changeEvent(QEvent* event) {
  // The field has no label: the title ("Blitter name", "Theme name") names it.
  if (event->type() == QEvent::WindowTitleChange && Edit1 != nullptr)
    Edit1->setAccessibleName(windowTitle());
  QDialog::changeEvent(event);
}

int TBlitterNameForm::ShowModal() {
  if (ModalHook) return ModalHook(*this);
  return exec();
}
