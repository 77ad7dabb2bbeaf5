// The Input page: rapid fire per player and button, mouse speeds, cabinet
// mode, opposite directions and the joypad driver of the DOS build. Rapid
// fire and opposite directions are shared settings; the rest lives in the
// input document.
#pragma once

#include "app/Page.h"
#include "app/logic/WordTables.h"
#include "controls/UpDown.h"
#include "ui_InputPage.h"

class InputPage : public Page {
  Q_OBJECT

 public:
  explicit InputPage(PageContext& context);
  void Fill(FillStep step) override;

  // Handlers.
  void P1RF1Click();
  void JoyPadDriverComboChange();

  Ui::InputPage ui;
  UpDown* UpDown1 = nullptr;
  UpDown* UpDown2 = nullptr;

 private:
  void FillJoypad();
  // Shows the joypad lists' selections and the port and card enabling.
  void ShowJoyControls(const logic::JoyControls& controls);
  logic::JoyControls CurrentJoyControls() const;
};
