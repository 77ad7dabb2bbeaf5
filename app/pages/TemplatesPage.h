// The Screenshots and Sound logging pages: the file name templates of
// screenshots and sound dumps, edited as five fields plus an extension, with
// a preview of the name a template gives. The Sound logging page also holds
// the VGM accuracy switch and a link to the community's music section.
#pragma once

#include <string>
#include <string_view>

#include "app/Page.h"
#include "app/logic/FileNameTemplate.h"
#include "ui_ScreenshotsPage.h"
#include "ui_SoundLoggingPage.h"

class TemplatesPage : public Page {
  Q_OBJECT

 public:
  explicit TemplatesPage(PageContext& context);
  void Fill(FillStep step) override;

  // Handlers.
  void Part1Change();
  void SoundPart1Change();
  void tcSoundFormatChange();
  void cbVGMSampleAccurateClick();

  Ui::ScreenshotsPage shots;
  Ui::SoundLoggingPage sound;
  QLabel* Label35 = nullptr;

 private:
  // The five fields of one page and its preview label.
  struct Fields {
    QLineEdit* part1;
    QLineEdit* numFN;
    QLineEdit* part2;
    QLineEdit* numNum;
    QLineEdit* part3;
    QLabel* preview;
  };
  Fields ShotFields() const;
  Fields SoundFields() const;
  bool WavTab() const;

  // Joins the fields into the template, stores it (unless write is false, as
  // at the end of a fill) and renews the preview.
  void BuildStep(const Fields& fields, const std::string& extension, std::string_view key,
                 bool write);
  // Shows the stored template of key in the fields, writing nothing; returns
  // the stored extension.
  std::string ParseStep(const Fields& fields, std::string_view key);
  void FillScreenshots();

  QWidget* soundPage_;
};
