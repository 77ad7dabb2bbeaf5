// The Donate page: a small joke calculator that suggests a donation from the
// processor's speed and the video memory, and a donation button picture that
// follows the pointer around the group box. Touches no document.
#pragma once

#include <QPoint>
#include <QPointF>
#include <optional>

#include "app/Page.h"
#include "ui_DonatePage.h"

class DonatePage : public Page {
  Q_OBJECT

 public:
  explicit DonatePage(PageContext& context);

  // Recomputes the suggested donation from the two fields (both fields).
  void edtCPUSpeedChange();
  // Moves the picture for a pointer at pos in the coordinates of control,
  // which is GroupBox12 or a control inside it.
  void GroupBox12MouseMove(QWidget* control, QPoint pos);
  // Opens the donation page in the user's browser.
  void imgPayPalClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Ui::DonatePage ui;
  // Where the pointer was, on the screen, at the last move handled.
  std::optional<QPointF> lastPointer_;
};
