// Walks what a keyboard or screen reader user meets. A surface is what one
// window shows at a time: a page of the main window with its button row, a
// page of the theme editor, a dialog. The fixture starts the main window on
// the sample emulator directory and opens every window a user can reach.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ChangesDialog.h"
#include "app/ConflictsDialog.h"
#include "app/RestoreDialog.h"
#include "app/pages/ThemePage.h"
#include "blitters/BlitterNameForm.h"
#include "tests/app/AppFixture.h"
#include "themes/ColourChooser.h"

namespace walk {

using Faults = std::vector<std::string>;

// The controls Tab can reach in what the window shows now, enabled or not.
std::vector<QWidget*> Controls(QWidget* window);
// Access keys: one given twice (buttons, group titles, tab captions,
// labels), a label whose "&" shows because it has no buddy.
Faults AccessKeyFaults(QWidget* window);
// Tab from the first control round to it again: a control it skips, one it
// comes to twice, a step back to the left on the same row or above.
Faults TabChainFaults(QWidget* window);
// The accessibility tree from the window: a reachable control missing from
// it, without a name, without a role or with the wrong one for its kind.
Faults AccessibleFaults(QWidget* window);
std::string Lines(const Faults& faults);
// Brings a window to the front and waits until it takes the keys.
bool Activate(QWidget* window);

struct Surface {
  std::string name;
  QWidget* window;
  std::function<void()> show;  // brings it up in its window
};

}  // namespace walk

class WalkTest : public AppTest {
 protected:
  WalkTest() { WriteIni("Preferred cfg file=0"); }
  ThemePage* Themes() const;
  // Every surface, the main window's pages first; the dialogs are opened
  // (and kept) by this call.
  std::vector<walk::Surface> Surfaces();
  // Shows a surface, its window in front.
  void Show(const walk::Surface& surface);
  // Hides every window but this one and the main window: an open modal
  // window would take the keys.
  void HideAllBut(const QWidget* window);

 private:
  std::unique_ptr<TColourChooserForm> chooser_;
  std::unique_ptr<TBlitterNameForm> nameDialog_;
  std::unique_ptr<TRestoreForm> restore_;
  std::unique_ptr<TConflictsForm> conflicts_;
};
