// The Emulation page: sprite flickering, country, TV type, 3-D glasses, frame
// skipping and the BIOS logo. Every setting is shared by both builds: read from
// the preferred document, written into both settings documents.
#pragma once

#include <memory>

#include "app/Page.h"

namespace Ui {
class EmulationPage;
}

class EmulationPage : public Page {
  Q_OBJECT

 public:
  explicit EmulationPage(PageContext& context);
  ~EmulationPage() override;

  void Fill(FillStep step) override;

  // Stores the 3-D item as a mode, and for the glasses items the COM port.
  void ThreeDComboChange();
  void FSRadioStandardClick();
  void FSRadioAutoClick();

 private:
  void FillFrameSkip();
  void FillGlasses();

  std::unique_ptr<Ui::EmulationPage> ui_;
};
