// The Debugging page: tile viewer size, debug mode, the debugger window's
// sizes and logging, and the memory editor's size, shared by both builds.
#pragma once

#include "app/Page.h"
#include "ui_DebuggingPage.h"

class DebuggingPage : public Page {
  Q_OBJECT

 public:
  explicit DebuggingPage(PageContext& context);
  void Fill(FillStep step) override;

 private:
  Ui::DebuggingPage ui;
};
