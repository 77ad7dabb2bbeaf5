// The theme editor: a second, non-modal window that edits the current theme
// field by field (31 colour swatches, the two gradient pairs, the background
// picture and its mode, the effect and the authors), redraws the main
// window's preview after every change and writes the theme into the theme
// document (Save), adds it under a new name (Save as), reads it again (Reset),
// renames or deletes it. Nothing reaches quib.thm until the main window
// applies.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "themes/QuibTheme.h"

class QComboBox;
class QPushButton;
class TColourChooserForm;
class TExTrackBar;
class TThemeEditorForm;
namespace Ui {
class ThemeEditorForm;
}

// A small filled rectangle standing for one theme colour. Pressing a mouse
// button on it starts dragging it at once; the editor decides what a drop or
// a click does. Space or Enter edits its colour as a click does.
class TColourSwatch : public QWidget {
  Q_OBJECT

 public:
  explicit TColourSwatch(QWidget* parent = nullptr);

  ThemeColour Colour() const { return colour_; }
  void SetColour(ThemeColour colour);

  // The editor that handles this swatch's drags (set by the editor).
  TThemeEditorForm* Editor = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ThemeColour colour_ = 0;
};

// What the editor needs of the main window and its Theme page.
struct ThemeEditorHost {
  Document* ThemeDoc = nullptr;       // the theme document
  QComboBox* ThemesCombo = nullptr;   // its text names the theme being edited
  std::function<QString()> QuibPath;  // the emulator directory, with a separator
  // The selected theme's name as stored in the document (empty: none).
  std::function<std::string()> SelectedName;
  std::function<void()> ListThemes;
  // Shows a new name for the selected theme in place, leaving it selected.
  std::function<void(const std::string&)> RenameSelectedItem;
  std::function<void()> ThemesComboChange;
  // Redraws the preview (nothing while it is locked).
  std::function<void(const TQuibTheme&)> DrawThemePreview;
};

class TThemeEditorForm : public QDialog {
  Q_OBJECT

 public:
  // owner is the main window; the editor is a window of its own that lives
  // until the owner goes.
  TThemeEditorForm(QWidget* owner, ThemeEditorHost host);
  ~TThemeEditorForm() override;

  // Lists the pictures of the Themes folder in cbPictures.
  void FormCreate();
  // The emulator directory whose pictures cbPictures lists.
  const QString& ListedFolder() const { return listedFolder_; }
  // Shows the record in every control and makes it the theme this editor edits.
  void LoadThemeIntoEditor(TQuibTheme& theme);
  // Copies every swatch's colour into the edited theme and redraws.
  void StoreSwatches();

  void cbPicturesChange();
  void cbSpecialChange();
  void edAuthorChange();
  void tbTitleBarGradientStartChange();
  void tbTitleBarGradientFinishChange();
  void tbMenuGradientStartChange();
  void tbMenuGradientFinishChange();
  void btnOpenImageClick();
  void btnSaveClick();
  void btnSaveAsClick();
  void btnResetClick();
  void Button1Click();
  void btnDeleteClick();

  // Dragging a swatch: the press on the swatch, every move of the pointer
  // (screen coordinates) and the release, which drops on the swatch under the
  // pointer, if any. Escape cancels. While a drag lasts the editor watches
  // the application's mouse and key events.
  void ColourMouseDown(TColourSwatch* swatch);
  void DragMove(QPoint globalPos);
  void DragRelease(QPoint globalPos);
  void CancelDrag();
  bool Dragging() const { return dragged_ != nullptr; }
  // A swatch under the pointer accepts any dragged swatch.
  bool DragOverColour(TColourSwatch* target) const { return target != nullptr; }
  // Over the page control's tabs the page under the pointer becomes active.
  void PageControlDragOver(QPoint globalPos);
  void DropColour(TColourSwatch* target, TColourSwatch* source);
  // Ctrl+V on a swatch: it takes a "#RRGGBB" text as a dropped colour (and
  // the theme is stored and redrawn). Any other text changes nothing: false.
  bool PasteColour(TColourSwatch* target, const QString& text);
  // The drag of source ended on target (nullptr: on no swatch). Dropping a
  // swatch on itself (a click) edits its colour in the colour chooser.
  void ColourEndDrag(TColourSwatch* source, TColourSwatch* target);
  void EditColour(TColourSwatch* swatch);

  // The theme shown and edited: the main window's current theme.
  TQuibTheme* Theme() const { return theme_; }
  // The colour chooser, once a colour has been edited.
  TColourChooserForm* ColourChooser() const { return chooser_; }
  // The stored picture name this editor keeps for a theme whose picture is
  // not in the list (empty when there is none).
  const std::string& UnlistedPicture() const { return unlisted_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct SwatchField {
    TColourSwatch* swatch;
    ThemeColour TQuibTheme::*field;
  };
  void BuildSwatchTable();
  void FormClose();
  // Asks for a theme name (the name dialog preset with the selected name).
  // Empty when cancelled or left empty.
  std::string AskThemeName();
  bool NameListed(const std::string& name, int except = -1) const;
  void SetPictureItem(const std::string& stored);
  void NameExistsMessage();
  QString ThemesFolder() const;
  void Redraw();
  TColourSwatch* SwatchAt(QPoint globalPos) const;
  void EndDrag();

  std::unique_ptr<Ui::ThemeEditorForm> ui_;
  ThemeEditorHost host_;
  TQuibTheme* theme_ = nullptr;
  TQuibTheme spare_;  // edited until a theme is loaded
  std::array<SwatchField, 31> swatches_{};
  TColourChooserForm* chooser_ = nullptr;
  TColourSwatch* dragged_ = nullptr;
  std::string unlisted_;
  bool showing_ = false;  // LoadThemeIntoEditor is setting the controls
  QString listedFolder_;
  int listed_ = 0;  // items of cbPictures that come from the Themes folder
};
