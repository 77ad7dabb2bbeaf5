// The Blitter page: the blitters of one build at a time (build tab
// tcBlitterOS), the properties of the blitter shown, edited in place in the
// blitter document, and the four buttons that add, rename, delete and
// uncomment blitters.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "app/Page.h"

class QComboBox;
namespace Ui {
class BlitterPage;
}

class BlitterPage : public Page {
  Q_OBJECT

 public:
  explicit BlitterPage(PageContext& context);
  ~BlitterPage() override;

  void Fill(FillStep step) override;

  // Shows the blitters of the build of the tab selected. Runs as a fill:
  // nothing reaches a document.
  void tcBlitterOSChange();
  // Shows the blitter selected in BlittersCombo and remembers the selection in
  // the build's settings document (no write while a fill runs).
  void BlittersComboChange();
  void FillBlittersCombo();

  void BlitterResChange();
  void BlitterDriverChange();
  void BlitterBlitterChange();
  // Serves both the refresh rate and the colour depth box.
  void BlitterRefreshRateChange(QComboBox* sender);
  void BlitterVSynchClick();
  void BlitterFlippedClick();
  void cbTripleBufferingClick();
  void cbFullscreenStretchClick();

  void AddBlitterButtonClick();
  void RenameBlitterButtonClick();
  void DeleteBlitterButtonClick();
  void UncommentBlittersButtonClick();

 private:
  int Build() const;
  std::string ShownName() const;
  void FlagChanged(int flag, bool ticked);
  // Asks for a blitter name in the blitter name dialog; nothing when it was
  // cancelled.
  std::optional<QString> AskBlitterName(const QString* current);

  std::unique_ptr<Ui::BlitterPage> ui_;
};
