// What a page sees of the main window: the emulator's documents and the
// shared keys, the module state pages read and write, the controls the
// window lends to pages (the build and format tabs, the "Configurator
// settings" group), and the window's questions. The main window fills one in
// and hands it to every page it creates; nothing else of the window is within
// a page's reach.
#pragma once

#include <QString>
#include <functional>

#include "app/Binding.h"
#include "app/EmulatorFiles.h"
#include "platform/Platform.h"
#include "themes/QuibTheme.h"

class ConfiguratorSettingsGroup;
class QLabel;
class QPushButton;
class QTabBar;
class QWidget;

struct PageContext {
  // The main window: the parent of the pages' dialogs and editors.
  QWidget& Window;
  // The emulator's documents.
  EmulatorDocuments& Documents;

  // ---- Module state -------------------------------------------------------
  const QString& QuibPath;  // the emulator directory, ending with the separator
  bool& MissingPictureWarning;
  bool& ShowNESWarning;
  int& CurrentBlitterOS;     // build of the blitter tab shown
  TQuibTheme& CurrentTheme;  // the theme built at the last selection

  // ---- Controls of the window that pages place ------------------------------
  QTabBar* tcGUIOS;
  QTabBar* tcSoundOS;
  QTabBar* tcBlitterOS;
  QTabBar* tcSoundFormat;
  // "Configurator settings", with "Prefer settings from".
  ConfiguratorSettingsGroup* ConfiguratorSettings;
  // Whose captions the blitter name dialog's buttons take.
  const QPushButton* OKButton;
  const QPushButton* CancelButton;

  // ---- What the window does for its pages -----------------------------------
  struct Hooks {
    // A page of the page control, by its object name.
    std::function<QWidget*(const char* objectName)> pageWidget;
    // A message box over the window (once shown).
    std::function<platform::Answer(const QString& caption, const QString& text, platform::Icon icon,
                                   platform::Buttons buttons, platform::Answer defaultButton)>
        message;
    // Runs a handler as the window's own are run: an error is shown and ends it.
    std::function<bool(const std::function<void()>& handler)> guarded;
    // The shared link handler: opens a link label's hint.
    std::function<void(QLabel* label)> openLink;
  } hooks;

  QWidget* PageWidget(const char* objectName) const { return hooks.pageWidget(objectName); }
  // The preferred document: Quib or QuibW, as "Prefer settings from" says,
  // falling back to the one that exists; nullptr when no item is selected.
  Document* PreferredDocument() const;
  // Shared keys: read from the preferred document, written into both.
  KeyScope Shared() const;
  // A file of the emulator directory, as a path for the store.
  std::filesystem::path QuibFile(const char* name) const { return EmulatorFile(QuibPath, name); }

  // A Yes/No box defaults to Yes unless another default button is given.
  platform::Answer Message(const QString& caption, const QString& text, platform::Icon icon,
                           platform::Buttons buttons = platform::Buttons::Ok,
                           platform::Answer defaultButton = platform::Answer::Yes) const {
    return hooks.message(caption, text, icon, buttons, defaultButton);
  }
  // Returns false when the handler failed.
  bool Guarded(const std::function<void()>& handler) const { return hooks.guarded(handler); }
  void URL1Click(QLabel* label) const { hooks.openLink(label); }
};
