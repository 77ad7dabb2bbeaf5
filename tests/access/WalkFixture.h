// Starts the main window on the sample emulator directory and opens every
// window a user can reach: each page of the main window, each page of the
// theme editor, the colour chooser, the blitter name dialog, the Changes
// window and its Restore window. Each is a surface to walk.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <memory>
#include <vector>

#include "app/ChangesDialog.h"
#include "app/PageControl.h"
#include "app/pages/ThemePage.h"
#include "blitters/BlitterNameForm.h"
#include "tests/access/Walk.h"
#include "tests/app/AppFixture.h"
#include "themes/ColourChooser.h"
#include "themes/ThemeEditor.h"

class WalkTest : public AppTest {
 protected:
  WalkTest() { WriteIni("Preferred cfg file=0"); }

  ThemePage* Themes() const {
    for (::Page* page : form()->Pages())
      if (auto* theme = dynamic_cast<ThemePage*>(page)) return theme;
    return nullptr;
  }

  // Every surface, the main window's pages first. The dialogs are opened
  // (and kept) by this call.
  std::vector<walk::Surface> Surfaces() {
    std::vector<walk::Surface> surfaces;
    if (form() == nullptr && Start() == nullptr) return surfaces;
    TPageControl* pages = form()->PageControl;
    for (int i = 0; i < pages->count(); ++i) {
      const QString name = pages->page(i)->objectName();
      surfaces.push_back({"main window, page " + pages->tabText(i).toStdString(), form(),
                          [this, name] { ShowPage(name.toUtf8().constData()); }});
    }
    ShowPage("Theme");
    Click(Themes()->btnEditTheme());
    TThemeEditorForm* editor = Themes()->ThemeEditor();
    auto* editorPages = editor->findChild<QTabWidget*>("PageControl");
    for (int i = 0; i < editorPages->count(); ++i)
      surfaces.push_back({"theme editor, page " + editorPages->tabText(i).toStdString(), editor,
                          [editor, editorPages, i] {
                            editor->show();
                            editorPages->setCurrentIndex(i);
                          }});
    chooser_ = std::make_unique<TColourChooserForm>(editor);
    surfaces.push_back({"colour chooser", chooser_.get(), [this] {
                          chooser_->SetColour(0x336699);
                          chooser_->show();
                        }});
    nameDialog_ = std::make_unique<TBlitterNameForm>(form());
    surfaces.push_back({"blitter name dialog", nameDialog_.get(), [this] {
                          nameDialog_->FormCreate();
                          nameDialog_->show();
                        }});
    surfaces.push_back({"Changes window", nullptr, [] {}});
    Click(Find<QPushButton>("ChangesButton"));
    QApplication::processEvents();
    auto* changes = form()->findChild<TChangesForm*>("ChangesForm");
    surfaces.back().window = changes;
    restore_ = std::make_unique<TRestoreForm>(form(), std::vector<backups::BackupSet>{},
                                              [](const backups::BackupSet&) { return false; });
    surfaces.push_back({"Restore window", restore_.get(), [this] { restore_->show(); }});
    return surfaces;
  }

  // Shows a surface, its window in front.
  static void Show(const walk::Surface& surface) {
    surface.show();
    surface.window->show();
    surface.window->raise();
    QApplication::processEvents();
  }

 private:
  std::unique_ptr<TColourChooserForm> chooser_;
  std::unique_ptr<TBlitterNameForm> nameDialog_;
  std::unique_ptr<TRestoreForm> restore_;
};
