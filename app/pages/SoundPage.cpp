#include "app/pages/SoundPage.h"

#include <QSignalBlocker>
#include <QTabBar>

#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/WordTables.h"

namespace {

constexpr const char* kSoundCard = "sound_card";
constexpr const char* kSoundRate = "sound_rate";
constexpr const char* kFmEnabled = "fm_enabled";
constexpr const char* kFmEmulator = "fm_emulator";
constexpr const char* kOplSpeed = "opl_speed";
constexpr const char* kTag = "tag";

logic::Build TabBuild(int tab) { return tab == 1 ? logic::Build::QuibW : logic::Build::Quib; }

}  // namespace

SoundPage::SoundPage(PageContext& context) : Page(context, context.PageWidget("Sound")) {
  ui.setupUi(page_);
  SetValues(ui.SamplingRate, logic::kSamplingRates);
  SetItems(ui.FMEngine, logic::Captions(logic::kFmEngines), logic::kFmEngineNote);
  ui.soundTabRow->addWidget(context.tcSoundOS);
  ui.soundTabRow->addStretch(1);
  context.tcSoundOS->setProperty(kTag, 0);
  ui.FMEngine->setCurrentIndex(-1);
  ui.SamplingRate->setMaximumWidth(ui.SamplingRate->fontMetrics().horizontalAdvance("000000") + 48);
  ui.FMSpeed->setMaximumWidth(ui.SamplingRate->maximumWidth());

  auto guarded = [this](void (SoundPage::*handler)()) {
    return [this, handler] { context_.Guarded([this, handler] { (this->*handler)(); }); };
  };
  connect(context.tcSoundOS, &QTabBar::currentChanged, this, guarded(&SoundPage::tcSoundOSChange));
  connect(ui.Soundcard, &QComboBox::activated, this, guarded(&SoundPage::SoundcardChange));
  connect(ui.SamplingRate, &QComboBox::editTextChanged, this,
          guarded(&SoundPage::SamplingRateChange));
  connect(ui.FM, &QCheckBox::clicked, this, guarded(&SoundPage::FMClick));
  connect(ui.FMEngine, &QComboBox::activated, this, guarded(&SoundPage::FMEngineChange));
  connect(ui.FMSpeed, &QLineEdit::textChanged, this, guarded(&SoundPage::FMSpeedChange));
}

void SoundPage::Fill(FillStep step) {
  if (step != FillStep::SoundAndLogging) return;
  {
    const QSignalBlocker block(context_.tcSoundOS);
    context_.tcSoundOS->setCurrentIndex(context_.Documents.QuibCfgPresent ? 0 : 1);
  }
  tcSoundOSChange();
}

int SoundPage::RememberedTab() const { return context_.tcSoundOS->property(kTag).toInt(); }

Document* SoundPage::TabDocument() const {
  return context_.Documents.BuildDocument(context_.tcSoundOS->currentIndex());
}

void SoundPage::tcSoundOSChange() {
  QTabBar* tabs = context_.tcSoundOS;
  const int tab = tabs->currentIndex();
  Document* doc = TabDocument();
  if (doc == nullptr) {
    // That build's settings file is not loaded: go back, change nothing.
    const QSignalBlocker block(tabs);
    tabs->setCurrentIndex(RememberedTab());
    return;
  }
  FillGuard guard;
  const logic::Build build = TabBuild(tab);

  SetItems(ui.Soundcard, logic::SoundCards(build), logic::kSoundCardNote);
  ui.Soundcard->setCurrentIndex(
      logic::SoundCardIndex(build, ReadInteger(*doc, kSoundCard)).value_or(-1));

  const QString rate = ToQ(ReadValue(*doc, kSoundRate));
  ui.SamplingRate->setCurrentIndex(ui.SamplingRate->findText(rate, Qt::MatchExactly));
  ui.SamplingRate->setEditText(rate);
  ui.FMSpeed->setText(ToQ(ReadValue(*doc, kOplSpeed)));

  ui.FM->setChecked(logic::FmEnabledTicked(ReadValue(*doc, kFmEnabled)));
  // A word that names no engine leaves the selection as it was.
  if (const std::optional<int> engine = logic::FmEngineIndex(ReadValue(*doc, kFmEmulator)))
    ui.FMEngine->setCurrentIndex(*engine);

  tabs->setProperty(kTag, tab);
  EnablingRule();
  EngineRules(false);
}

void SoundPage::SoundcardChange() {
  const int index = ui.Soundcard->currentIndex();
  if (Document* doc = TabDocument(); doc != nullptr && index >= 0)
    WriteInteger(*doc, kSoundCard, index);
}

void SoundPage::SamplingRateChange() {
  if (Document* doc = TabDocument())
    WriteValue(*doc, kSoundRate, FromQ(ui.SamplingRate->currentText()));
}

void SoundPage::FMSpeedChange() {
  if (Document* doc = TabDocument()) WriteValue(*doc, kOplSpeed, FromQ(ui.FMSpeed->text()));
}

void SoundPage::FMClick() {
  if (Document* doc = TabDocument())
    WriteValue(*doc, kFmEnabled, logic::FmEnabledWord(ui.FM->isChecked()));
  EnablingRule();
  EngineRules(true);
}

void SoundPage::FMEngineChange() { EngineRules(true); }

void SoundPage::EnablingRule() {
  const bool on = ui.FM->isChecked();
  ui.Label42->setEnabled(on);
  ui.FMEngine->setEnabled(on);
  ui.Label19->setEnabled(on);
  ui.FMSpeed->setEnabled(on);
}

void SoundPage::EngineRules(bool write) {
  const int selected = ui.FMEngine->currentIndex();
  const logic::FmEngineRuleResult rules = logic::ApplyFmEngineRules(
      selected < 0 ? std::nullopt : std::optional<int>(selected), platform::Current().IsWindowsNT(),
      TabBuild(context_.tcSoundOS->currentIndex()));
  if (rules.showNtMessage) {
    context_.Message(tr("Error"), Caption(logic::kOplOnNtMessage), platform::Icon::Error);
    ui.FMEngine->setCurrentIndex(rules.engine.value_or(-1));
  }
  if (!rules.engine) return;
  if (write && rules.word) {
    if (Document* doc = TabDocument()) WriteValue(*doc, kFmEmulator, *rules.word);
  }
  if (rules.oplSpeedEnabled) {
    ui.Label19->setEnabled(*rules.oplSpeedEnabled);
    ui.FMSpeed->setEnabled(*rules.oplSpeedEnabled);
  }
}
