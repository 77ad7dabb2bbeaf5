#include "app/pages/MiscPage.h"

#include <QGroupBox>
#include <QVBoxLayout>
#include <vector>

#include "app/ConfiguratorSettings.h"
#include "app/PageContext.h"

namespace {

constexpr const char* kMarioKey = "mario_is_a_fat_plumber";

}  // namespace

MiscPage::MiscPage(PageContext& context) : Page(context, context.PageWidget("Miscellaneous")) {
  group_ = new QGroupBox(page_);
  ui.setupUi(group_);
  // This page's group above the window's "Configurator settings".
  auto* layout = new QVBoxLayout(page_);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(group_);
  layout->addWidget(context.ConfiguratorSettings);
  layout->addStretch(1);
  // Tab goes through this group first, then through the configurator's
  // settings below it.
  std::vector<QWidget*> settings;
  for (QWidget* w = context.Window.nextInFocusChain(); w != &context.Window;
       w = w->nextInFocusChain())
    if (w->focusPolicy() != Qt::NoFocus && context.ConfiguratorSettings->isAncestorOf(w))
      settings.push_back(w);
  QWidget* previous = ui.MarioIsAFatPlumber;
  for (QWidget* w : settings) {
    QWidget::setTabOrder(previous, w);
    previous = w;
  }

  bind_.Check(ui.NESSucks, "nes_sucks", context.Shared());
  connect(ui.MarioIsAFatPlumber, &QCheckBox::toggled, this,
          [this] { context_.Guarded([this] { MarioIsAFatPlumberClick(); }); });
}

void MiscPage::Fill(FillStep step) {
  switch (step) {
    case FillStep::MessagesAndNes:
      bind_.Fill({ui.NESSucks});
      break;
    case FillStep::Mario:
      FillMario();
      break;
    default:
      break;
  }
}

void MiscPage::FillMario() {
  Document* doc = context_.PreferredDocument();
  if (doc == nullptr) return;
  // The emulator wants the key present; it is added straight to the document,
  // since the store writes nothing while the window is being filled.
  if (ReadValue(*doc, kMarioKey).empty()) doc->push_back(std::string(kMarioKey) + "=0");
  FillGuard fill;
  ui.MarioIsAFatPlumber->setChecked(ReadInteger(*doc, kMarioKey) != 0);
}

void MiscPage::MarioIsAFatPlumberClick() {
  const bool ticked = ui.MarioIsAFatPlumber->isChecked();
  context_.Documents.WriteIntegerToBoth(kMarioKey, ticked ? 1 : 0);
  // Only a change the user makes warns: a fill (LoadingFinished cleared) is
  // the program showing what the file says.
  if (!LoadingFinished || !context_.Window.isVisible() || !ticked || !context_.ShowNESWarning)
    return;
  const platform::Answer answer = context_.Message(
      tr("Warning"),
      tr("Please remember that Quib's NES support is unofficial and unsupported.\r"
         "It will only play a few NES games.\r"
         "There are better NES emulators available.\r"
         "PLEASE DO NOT E-MAIL THE AUTHOR OF QUIB OR THE AUTHOR OF QUIB CONFIGURATOR ABOUT NES "
         "EMULATION.\r"
         "\r"
         "Show this message again?"),
      platform::Icon::Information, platform::Buttons::YesNo);
  if (answer == platform::Answer::No) context_.ShowNESWarning = false;
}
