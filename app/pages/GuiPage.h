// The GUI page: how the emulator's own interface starts and looks. The video
// mode of the interface belongs to one build and is edited through the build
// tab tcGUIOS; "Start in GUI" and the file browser are shared by both builds.
#pragma once

#include <memory>

#include "app/Page.h"
#include "app/logic/WordTables.h"

namespace Ui {
class GuiPage;
}

class GuiPage : public Page {
  Q_OBJECT

 public:
  explicit GuiPage(PageContext& context);
  ~GuiPage() override;

  void Fill(FillStep step) override;

  // Shows the video settings of the build whose tab is picked; a build whose
  // settings file is not loaded is refused and the remembered tab comes back.
  void tcGUIOSChange();

 private:
  // The build of the tab shown.
  logic::Build TabBuild() const;

  std::unique_ptr<Ui::GuiPage> ui_;
  // The tab strip's tag: the last tab whose document was shown.
  int tcGUIOSTag_ = 0;
  // True while a resolution or refresh field finishes its editing.
  bool finishingEdit_ = false;
};
