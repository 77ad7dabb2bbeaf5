#include "app/pages/TemplatesPage.h"

#include <QSignalBlocker>
#include <QTabBar>

#include "app/Links.h"
#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/FileNameTemplate.h"
#include "app/logic/WordTables.h"
#include "controls/LinkLabel.h"

namespace {

constexpr const char* kVgmAccuracy = "music_vgm_log_accuracy";
constexpr int kWavTab = 1;

}  // namespace

TemplatesPage::TemplatesPage(PageContext& context)
    : Page(context, context.PageWidget("Screenshots")),
      soundPage_(context.PageWidget("SoundLogging")) {
  shots.setupUi(page_);
  sound.setupUi(soundPage_);
  SetValues(shots.Ext, logic::kScreenshotExtensions);
  shots.Ext->setCurrentIndex(-1);
  sound.formatTabRow->addWidget(context.tcSoundFormat);
  sound.formatTabRow->addStretch(1);
  Label35 = MakeLink(sound.SoundFormatPanel, "Label35", links::kCommunityMusicName,
                     links::kCommunityMusic, [&context](QLabel* link) { context.URL1Click(link); });
  sound.linkRow->addWidget(Label35);
  sound.linkRow->addStretch(1);

  auto guarded = [this](void (TemplatesPage::*handler)()) {
    return [this, handler] { context_.Guarded([this, handler] { (this->*handler)(); }); };
  };
  const Fields s = ShotFields();
  const Fields f = SoundFields();
  for (QLineEdit* edit : {s.part1, s.numFN, s.part2, s.numNum, s.part3})
    connect(edit, &QLineEdit::textChanged, this, guarded(&TemplatesPage::Part1Change));
  connect(shots.Ext, &QComboBox::activated, this, guarded(&TemplatesPage::Part1Change));
  for (QLineEdit* edit : {f.part1, f.numFN, f.part2, f.numNum, f.part3})
    connect(edit, &QLineEdit::textChanged, this, guarded(&TemplatesPage::SoundPart1Change));
  connect(context.tcSoundFormat, &QTabBar::currentChanged, this,
          guarded(&TemplatesPage::tcSoundFormatChange));
  connect(sound.cbVGMSampleAccurate, &QCheckBox::toggled, this,
          guarded(&TemplatesPage::cbVGMSampleAccurateClick));
}

TemplatesPage::Fields TemplatesPage::ShotFields() const {
  return {shots.Part1, shots.NumFN, shots.Part2, shots.NumNum, shots.Part3, shots.PreviewText};
}

TemplatesPage::Fields TemplatesPage::SoundFields() const {
  return {sound.SoundPart1,  sound.SoundNumFN, sound.SoundPart2,
          sound.SoundNumNum, sound.SoundPart3, sound.SoundPreviewText};
}

bool TemplatesPage::WavTab() const { return context_.tcSoundFormat->currentIndex() == kWavTab; }

void TemplatesPage::Fill(FillStep step) {
  if (step == FillStep::Screenshots) {
    FillScreenshots();
  } else if (step == FillStep::SoundAndLogging) {
    tcSoundFormatChange();
    FillGuard guard;
    if (Document* preferred = context_.PreferredDocument())
      sound.cbVGMSampleAccurate->setChecked(
          logic::VgmAccuracyTicked(ReadValue(*preferred, kVgmAccuracy)));
  }
}

void TemplatesPage::BuildStep(const Fields& f, const std::string& extension, std::string_view key,
                              bool write) {
  logic::TemplateFields fields{FromQ(f.part1->text()), FromQ(f.numFN->text()),
                               FromQ(f.part2->text()), FromQ(f.numNum->text()),
                               FromQ(f.part3->text())};
  const std::string tmpl = logic::BuildTemplate(fields, extension);
  // A digit count of "0" has just been mended to "1"; show it.
  if (FromQ(f.numNum->text()) != fields.digits) {
    const QSignalBlocker block(f.numNum);
    f.numNum->setText(ToQ(fields.digits));
  }
  if (write) context_.Documents.WriteValueToBoth(key, logic::SpacesToStars(tmpl));
  f.preview->setText(ToQ(logic::PreviewTemplate(tmpl)));
}

std::string TemplatesPage::ParseStep(const Fields& f, std::string_view key) {
  Document* preferred = context_.PreferredDocument();
  const logic::ParsedTemplate parsed =
      logic::ParseTemplate(preferred ? ReadValue(*preferred, key) : std::string());
  const std::pair<QLineEdit*, const std::string*> shown[] = {{f.part1, &parsed.fields.part1},
                                                             {f.numFN, &parsed.fields.nameLength},
                                                             {f.part2, &parsed.fields.part2},
                                                             {f.numNum, &parsed.fields.digits},
                                                             {f.part3, &parsed.fields.part3}};
  for (const auto& [edit, text] : shown) {
    // Filling stores nothing: the fields' handler stays quiet meanwhile.
    const QSignalBlocker block(edit);
    edit->setText(ToQ(*text));
  }
  return parsed.extension;
}

void TemplatesPage::FillScreenshots() {
  FillGuard guard;
  const std::string extension = ParseStep(ShotFields(), logic::kScreenshotTemplateKey);
  shots.Ext->setCurrentIndex(logic::ScreenshotExtensionIndex(extension).value_or(-1));
  BuildStep(ShotFields(), logic::ScreenshotSuffix(FromQ(shots.Ext->currentText())),
            logic::kScreenshotTemplateKey, false);
}

void TemplatesPage::Part1Change() {
  BuildStep(ShotFields(), logic::ScreenshotSuffix(FromQ(shots.Ext->currentText())),
            logic::kScreenshotTemplateKey, true);
}

void TemplatesPage::SoundPart1Change() {
  BuildStep(SoundFields(), FromQ(sound.FormatExtLabel->text()), logic::SoundTemplateKey(WavTab()),
            true);
}

void TemplatesPage::tcSoundFormatChange() {
  FillGuard guard;
  const bool wav = WavTab();
  sound.FormatExtLabel->setText(ToQ(wav ? logic::kWavExtension : logic::kVgmExtension));
  sound.cbVGMSampleAccurate->setVisible(!wav);
  const std::string_view key = logic::SoundTemplateKey(wav);
  ParseStep(SoundFields(), key);
  BuildStep(SoundFields(), FromQ(sound.FormatExtLabel->text()), key, false);
}

void TemplatesPage::cbVGMSampleAccurateClick() {
  context_.Documents.WriteValueToBoth(
      kVgmAccuracy, logic::VgmAccuracyWord(sound.cbVGMSampleAccurate->isChecked()));
}
