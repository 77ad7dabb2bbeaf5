// The Miscellaneous page's "Sega fanboy settings": two joke settings shared by
// both builds, one of which switches on the emulator's unofficial NES support
// and warns about it. The page's other group, "Configurator settings", is
// the main window's; the page lays out both.
#pragma once

#include "app/Page.h"
#include "ui_MiscPage.h"

class QGroupBox;

class MiscPage : public Page {
  Q_OBJECT

 public:
  explicit MiscPage(PageContext& context);
  void Fill(FillStep step) override;

  // Stores the box and, when the user has just ticked it, warns about NES
  // support unless that warning was switched off.
  void MarioIsAFatPlumberClick();

 private:
  // Shows mario_is_a_fat_plumber, first adding the key with 0 to the
  // preferred document when it reads empty.
  void FillMario();

  Ui::MiscPage ui;
  QGroupBox* group_ = nullptr;
};
