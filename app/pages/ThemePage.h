// The Theme page: the choice of the emulator's active theme among those of
// the theme document, its preview in the colours of the theme, and the button
// that switches on the themes quib.thm carries commented out. The name of the
// active theme is shared by both builds (key "theme").
#pragma once

#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Page.h"
#include "themes/ThemePreview.h"

namespace Ui {
class ThemePage;
}

class QComboBox;
class QLabel;
class QPushButton;
class TThemeEditorForm;

class ThemePage : public Page {
  Q_OBJECT

 public:
  explicit ThemePage(PageContext& context);
  ~ThemePage() override;

  void Fill(FillStep step) override;

  // Refills ThemesCombo from the theme document's headers, keeping the
  // selected index where it still exists, and enables UncommentThemes when
  // the document holds commented-out themes.
  void ListThemes();
  // Puts a new name in place of the selected item, which stays selected; the
  // other items are left as they are.
  void RenameSelectedItem(const std::string& name);
  // Selects the theme named by "theme" of the preferred document (letter case
  // ignored); without such an item the selection stays, and with none at all
  // the first item is selected. Runs no handler.
  void SelectStoredTheme();
  // The selection handler: reads the selected theme's block into the current
  // theme, draws it and stores its name as the active theme.
  void ThemesComboChange();
  // Draws a theme into ThemePreview unless the preview is locked. A missing
  // background picture is asked about only when askMissingPicture is set.
  // While the page is hidden only that question is asked; the drawing waits
  // until the preview is shown.
  void DrawThemePreview(const TQuibTheme& theme, bool askMissingPicture = true);
  void UncommentThemesClick();
  // Opens the theme editor beside the main window (created on first use) and
  // loads the selected theme into it.
  void btnEditThemeClick();
  // The theme editor once it has been opened (nullptr before).
  TThemeEditorForm* ThemeEditor() const;

  // The preview's redraw lock (the preview's tag). Work that would redraw
  // several times holds it and draws once at the end.
  preview::PreviewLock& PreviewLock() { return lock_; }
  // Set by the theme editor once it exists: loads the current theme into the
  // editor's controls. Runs with the preview locked.
  std::function<void()> LoadThemeIntoEditor;

  QComboBox* ThemesCombo() const;
  QLabel* ThemePreview() const;
  QPushButton* UncommentThemes() const;
  QPushButton* btnEditTheme() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  preview::PreviewContext PreviewContext(bool askMissingPicture);

  std::unique_ptr<Ui::ThemePage> ui_;
  std::vector<std::string> names_;  // the names ThemesCombo shows, as stored
  preview::PreviewLock lock_;
  QPointer<TThemeEditorForm> editor_;  // owned by the main window
  std::optional<TQuibTheme> waiting_;  // drawn when the preview is next shown
};
