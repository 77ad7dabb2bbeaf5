// The Messages page: the language of the emulator's messages, listed from the
// message file, and two message options. All keys are shared by both builds.
#pragma once

#include <string>
#include <vector>

#include "app/Page.h"
#include "ui_MessagesPage.h"

class MessagesPage : public Page {
  Q_OBJECT

 public:
  explicit MessagesPage(PageContext& context);
  void Fill(FillStep step) override;

  // Reads the language names from quib.msg into LanguagesCombo; the file is
  // read into a temporary list and never kept or written.
  void ListLanguages();

 private:
  Ui::MessagesPage ui;
  std::vector<std::string> languages_;  // the names LanguagesCombo shows
};
