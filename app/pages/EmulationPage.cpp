#include "app/pages/EmulationPage.h"

#include <QRadioButton>

#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/WordTables.h"
#include "ui_EmulationPage.h"

namespace {

// The stored words of a word table, in item order.
std::vector<std::string> Words(logic::WordTable table) {
  std::vector<std::string> words;
  for (const logic::WordEntry& entry : table) words.emplace_back(entry.word);
  return words;
}

}  // namespace

EmulationPage::EmulationPage(PageContext& context)
    : Page(context, context.PageWidget("Emulation")), ui_(std::make_unique<Ui::EmulationPage>()) {
  Ui::EmulationPage& ui = *ui_;
  ui.setupUi(page_);
  SetItems(ui.SpriteFlickerCombo, logic::Captions(logic::kSpriteFlickering));
  SetItems(ui.Country, logic::Captions(logic::kCountries));
  SetValues(ui.TVType, logic::Captions(logic::kTvTypes));
  SetItems(ui.ThreeDCombo, logic::kThreeDModes);
  // A new window shows no choice until the documents are read.
  for (QComboBox* combo : {ui.SpriteFlickerCombo, ui.Country, ui.TVType, ui.ThreeDCombo})
    combo->setCurrentIndex(-1);

  const KeyScope shared = context.Shared();
  bind_.Combo(
      ui.SpriteFlickerCombo, "sprite_flickering", shared,
      [](const std::string& stored) { return logic::SpriteFlickeringIndex(stored); },
      Bindings::Word(Words(logic::kSpriteFlickering)));
  bind_.Combo(
      ui.Country, "country", shared,
      [](const std::string& stored) -> std::optional<int> { return logic::CountryIndex(stored); },
      Bindings::Word(Words(logic::kCountries)));
  QComboBox* tvType = ui.TVType;
  bind_.Combo(
      ui.TVType, "tv_type", shared,
      [](const std::string& stored) { return logic::TvTypeIndex(stored); },
      [tvType](int index) -> std::optional<std::string> {
        if (index < 0 || index >= tvType->count()) return std::nullopt;
        return logic::ToLowerWord(FromQ(tvType->itemText(index)));
      });
  bind_.Edit(ui.FSEditStandard, "frameskip_normal_speed", shared);
  bind_.Edit(ui.FSEditAuto, "frameskip_auto_speed", shared);
  bind_.Check(ui.BiosLogo, "bios_logo", shared);

  connect(ui.ThreeDCombo, &QComboBox::activated, this, [this] { ThreeDComboChange(); });
  connect(ui.FSRadioStandard, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) FSRadioStandardClick();
  });
  connect(ui.FSRadioAuto, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) FSRadioAutoClick();
  });
}

EmulationPage::~EmulationPage() = default;

void EmulationPage::Fill(FillStep step) {
  Ui::EmulationPage& ui = *ui_;
  switch (step) {
    case FillStep::FrameSkip:
      FillFrameSkip();
      break;
    case FillStep::Emulation:
      bind_.Fill({ui.BiosLogo, ui.SpriteFlickerCombo, ui.Country});
      // A TV type that matches no caption leaves no item selected.
      ui.TVType->setCurrentIndex(-1);
      bind_.Fill({ui.TVType});
      break;
    case FillStep::Glasses:
      FillGlasses();
      break;
    default:
      break;
  }
}

void EmulationPage::FillFrameSkip() {
  Ui::EmulationPage& ui = *ui_;
  const Document* doc = context_.PreferredDocument();
  if (doc == nullptr) return;
  {
    FillGuard fill;
    if (logic::FrameskipIsAuto(ReadValue(*doc, "frameskip_mode")))
      ui.FSRadioAuto->setChecked(true);
    else
      ui.FSRadioStandard->setChecked(true);
  }
  bind_.Fill({ui.FSEditStandard, ui.FSEditAuto});
}

void EmulationPage::FillGlasses() {
  const Document* doc = context_.PreferredDocument();
  if (doc == nullptr) return;
  const std::int32_t mode = ReadInteger(*doc, "3dglasses_mode");
  const std::int32_t port = mode == 3 ? ReadInteger(*doc, "3dglasses_com_port") : 0;
  ui_->ThreeDCombo->setCurrentIndex(logic::ThreeDIndex(mode, port).value_or(-1));
}

void EmulationPage::ThreeDComboChange() {
  const auto setting = logic::ThreeDWrite(ui_->ThreeDCombo->currentIndex());
  if (!setting) return;
  context_.Documents.WriteIntegerToBoth("3dglasses_mode", setting->mode);
  if (setting->port) context_.Documents.WriteIntegerToBoth("3dglasses_com_port", *setting->port);
}

void EmulationPage::FSRadioStandardClick() {
  context_.Documents.WriteValueToBoth("frameskip_mode", logic::kFrameskipManual);
}

void EmulationPage::FSRadioAutoClick() {
  context_.Documents.WriteValueToBoth("frameskip_mode", logic::kFrameskipAuto);
}
