#include "app/pages/InputPage.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/WordTables.h"

namespace {

constexpr const char* kRapidFire = "rapidfire";
constexpr const char* kJoyDriver = "joy_driver";

std::optional<int> Selection(const QComboBox* combo) {
  const int index = combo->currentIndex();
  if (index < 0) return std::nullopt;
  return index;
}

}  // namespace

// ---------------------------------------------------------------------------
// InputPage

InputPage::InputPage(PageContext& context) : Page(context, context.PageWidget("Input")) {
  ui.setupUi(page_);
  SetValues(ui.LPTCombo, logic::kLptPorts);
  SetValues(ui.IfSegaCombo, logic::kIfSegaCards);

  UpDown1 = new UpDown(ui.MouseSpeedX, 1, 3, 1, ui.gbMouseSpeed);
  UpDown1->setObjectName("UpDown1");
  UpDown2 = new UpDown(ui.MouseSpeedY, 1, 3, 1, ui.gbMouseSpeed);
  UpDown2->setObjectName("UpDown2");
  ui.mouseGrid->addWidget(UpDown1, 0, 2);
  ui.mouseGrid->addWidget(UpDown2, 1, 2);
  ui.mouseGrid->setHorizontalSpacing(2);
  ui.mouseGrid->setColumnStretch(3, 1);

  for (const logic::JoyDriver& driver : logic::kJoyDrivers)
    ui.JoyPadDriverCombo->addItem(Caption(driver.caption, logic::kJoyDriverNote));
  // The lists start without a selection, the port and card ones disabled.
  ui.JoyPadDriverCombo->setCurrentIndex(-1);
  ui.LPTCombo->setCurrentIndex(-1);
  ui.IfSegaCombo->setCurrentIndex(-1);
  for (QWidget* w : {static_cast<QWidget*>(ui.LPTLabel), static_cast<QWidget*>(ui.LPTCombo),
                     static_cast<QWidget*>(ui.IfSegaLabel), static_cast<QWidget*>(ui.IfSegaCombo)})
    w->setEnabled(false);
  ui.joypadGrid->setColumnStretch(1, 1);

  for (QCheckBox* box : {ui.P1RF1, ui.P1RF2, ui.P2RF1, ui.P2RF2})
    connect(box, &QCheckBox::toggled, this, [this] { P1RF1Click(); });

  const KeyScope input = KeyScope::In([&context] { return &context.Documents.InputDoc; });
  bind_.Check(ui.cbCabinetMode, "cabinet_mode", input);
  bind_.Check(ui.cbAllowOppositeDirections, "allow_opposite_directions", context.Shared());
  bind_.Edit(ui.MouseSpeedX, "mouse_speed_x", input);
  bind_.Edit(ui.MouseSpeedY, "mouse_speed_y", input);

  for (QComboBox* combo : {ui.JoyPadDriverCombo, ui.LPTCombo, ui.IfSegaCombo})
    connect(combo, &QComboBox::activated, this,
            [this] { context_.Guarded([this] { JoyPadDriverComboChange(); }); });
}

void InputPage::Fill(FillStep step) {
  if (step == FillStep::CabinetMode) {
    bind_.Fill({ui.cbCabinetMode});
    return;
  }
  if (step != FillStep::Input) return;
  FillGuard guard;
  if (Document* preferred = context_.PreferredDocument()) {
    const std::array<bool, 4> boxes = logic::RapidFireBoxes(ReadInteger(*preferred, kRapidFire));
    ui.P1RF1->setChecked(boxes[0]);
    ui.P1RF2->setChecked(boxes[1]);
    ui.P2RF1->setChecked(boxes[2]);
    ui.P2RF2->setChecked(boxes[3]);
  }
  FillJoypad();
  bind_.Fill({ui.MouseSpeedX, ui.MouseSpeedY, ui.cbAllowOppositeDirections});
}

void InputPage::FillJoypad() {
  // The joypad belongs to the DOS build: without its settings file the group
  // stays disabled and joy_driver is left alone.
  const bool dos = context_.Documents.QuibCfgPresent;
  ui.gbJoypad->setEnabled(dos);
  if (!dos) {
    for (QWidget* w : ui.gbJoypad->findChildren<QWidget*>()) w->setEnabled(false);
    return;
  }
  ui.JoyPadDriverLabel->setEnabled(true);
  ui.JoyPadDriverCombo->setEnabled(true);
  ShowJoyControls(logic::DecodeJoyDriver(ReadValue(context_.Documents.InputDoc, kJoyDriver),
                                         Selection(ui.LPTCombo), Selection(ui.IfSegaCombo)));
}

logic::JoyControls InputPage::CurrentJoyControls() const {
  logic::JoyControls c;
  c.driver = Selection(ui.JoyPadDriverCombo);
  c.port = Selection(ui.LPTCombo);
  c.card = Selection(ui.IfSegaCombo);
  c.portEnabled = ui.LPTCombo->isEnabled();
  c.cardEnabled = ui.IfSegaCombo->isEnabled();
  return c;
}

void InputPage::ShowJoyControls(const logic::JoyControls& c) {
  ui.JoyPadDriverCombo->setCurrentIndex(c.driver.value_or(-1));
  ui.LPTCombo->setCurrentIndex(c.port.value_or(-1));
  ui.IfSegaCombo->setCurrentIndex(c.card.value_or(-1));
  ui.LPTLabel->setEnabled(c.portEnabled);
  ui.LPTCombo->setEnabled(c.portEnabled);
  ui.IfSegaLabel->setEnabled(c.cardEnabled);
  ui.IfSegaCombo->setEnabled(c.cardEnabled);
}

void InputPage::P1RF1Click() {
  context_.Documents.WriteIntegerToBoth(
      kRapidFire, logic::RapidFireMask(ui.P1RF1->isChecked(), ui.P1RF2->isChecked(),
                                       ui.P2RF1->isChecked(), ui.P2RF2->isChecked()));
}

void InputPage::JoyPadDriverComboChange() {
  const logic::JoyRuleResult result = logic::ApplyJoyDriverRule(CurrentJoyControls());
  ShowJoyControls(result.controls);
  if (result.word) WriteValue(context_.Documents.InputDoc, kJoyDriver, *result.word);
}
