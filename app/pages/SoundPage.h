// The Sound page: sound card, sampling rate, the FM unit, its engine and the
// OPL speed, edited per build through the build tab tcSoundOS. Every handler
// writes only into the document of the tab shown.
#pragma once

#include "app/Page.h"
#include "ui_SoundPage.h"

class SoundPage : public Page {
  Q_OBJECT

 public:
  explicit SoundPage(PageContext& context);
  void Fill(FillStep step) override;

  // Handlers.
  void tcSoundOSChange();
  void SoundcardChange();
  void SamplingRateChange();
  void FMClick();
  void FMEngineChange();
  void FMSpeedChange();

  // The remembered tab: the last tab whose document was shown.
  int RememberedTab() const;

  Ui::SoundPage ui;

 private:
  // The document of the tab shown; nullptr when that build's file is absent.
  Document* TabDocument() const;
  // FMEngine and FMSpeed, with their labels, follow the FM box.
  void EnablingRule();
  // Refuses OPL where it cannot work, stores the engine (unless filling) and
  // enables the OPL speed exactly for OPL.
  void EngineRules(bool write);
};
