#include "themes/ThemeEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <algorithm>

#include "blitters/BlitterNameForm.h"
#include "controls/Accessible.h"
#include "controls/ExTrackBar.h"
#include "platform/Platform.h"
#include "store/Cp1252.h"
#include "themes/ColourChooser.h"
#include "themes/ColourMath.h"
#include "ui_ThemeEditor.h"

static void InitThemeEditorResources() { Q_INIT_RESOURCE(themeeditor); }

namespace {

QString ToQString(std::string_view text) {
  return QString::fromStdU16String(cp1252::ToUtf16(text));
}

std::string FromQString(const QString& text) {
  return cp1252::FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                               static_cast<std::size_t>(text.size())));
}

QColor ToQColor(ThemeColour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

// The picture extensions the Themes folder is searched for, matched exactly.
bool ListedExtension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf('.');
  if (dot < 0) return false;
  const QString extension = fileName.mid(dot + 1);
  return extension == "png" || extension == "pcx" || extension == "bmp" || extension == "tga";
}

// The item of cbPictures standing for a picture the list does not hold keeps
// the stored name in this role.
constexpr int kStoredNameRole = Qt::UserRole + 1;

}  // namespace

// ---------------------------------------------------------------------------
// TColourSwatch

TColourSwatch::TColourSwatch(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(49, 18);
  // A screen reader reads the colour as it is written in the theme file.
  accessible::SetValue(this, QAccessible::Button, ToQString(ThemeColourToStr(colour_)));
}

void TColourSwatch::SetColour(ThemeColour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  accessible::SetValue(this, QAccessible::Button, ToQString(ThemeColourToStr(colour_)));
  update();
}

void TColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(ToQColor(colour_));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (hasFocus()) {
    // A dotted frame inside the border, in a colour that shows on any fill.
    QPen pen(Qt::white, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

void TColourSwatch::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (Editor != nullptr && !Editor->Dragging()) Editor->ColourMouseDown(this);
}

void TColourSwatch::keyPressEvent(QKeyEvent* event) {
  if (Editor == nullptr || Editor->Dragging()) return QWidget::keyPressEvent(event);
  // Copy and paste carry a colour from swatch to swatch as a drag does,
  // without a mouse: as its "#RRGGBB" text, to and from any program.
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(ToQString(ThemeColourToStr(colour_)));
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    Editor->PasteColour(this, QGuiApplication::clipboard()->text());
    return;
  }
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Editor->EditColour(this);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

// ---------------------------------------------------------------------------
// TThemeEditorForm

TThemeEditorForm::TThemeEditorForm(QWidget* owner, ThemeEditorHost host)
    : QDialog(owner), ui_(std::make_unique<Ui::ThemeEditorForm>()), host_(std::move(host)) {
  InitThemeEditorResources();
  if (owner != nullptr) setFont(owner->font());
  ui_->setupUi(this);
  // The tabs take the focus for the page control: they carry its name.
  ui_->PageControl->tabBar()->setAccessibleName(ui_->PageControl->accessibleName());
  // A fixed dialog frame with only the system menu; not modal.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setModal(false);
  theme_ = &spare_;

  BuildSwatchTable();
  for (const SwatchField& entry : swatches_) entry.swatch->Editor = this;

  for (TExTrackBar* bar : {ui_->tbTitleBarGradientStart, ui_->tbTitleBarGradientFinish,
                           ui_->tbMenuGradientStart, ui_->tbMenuGradientFinish}) {
    bar->SetLabels(false);
    bar->SetLabelsFactor(1);
    bar->SetLabelsFactorOperation(foMul);
    bar->SetLabelsInterval(2);
    bar->SetSelEnable(false);
  }

  // Pictures of games, for decoration only.
  ui_->Image1->setPixmap(QPixmap(":/themeeditor/racing.png"));
  ui_->Image2->setPixmap(QPixmap(":/themeeditor/platform-jumper.png"));
  ui_->Image3->setPixmap(QPixmap(":/themeeditor/space-shooter.png"));

  connect(ui_->cbPictures, &QComboBox::activated, this, [this] { cbPicturesChange(); });
  connect(ui_->cbPictureMode, &QComboBox::activated, this, [this] { cbPicturesChange(); });
  connect(ui_->cbSpecial, &QComboBox::activated, this, [this] { cbSpecialChange(); });
  connect(ui_->edAuthor, &QLineEdit::textChanged, this, [this] { edAuthorChange(); });
  connect(ui_->tbTitleBarGradientStart, &QSlider::valueChanged, this,
          [this] { tbTitleBarGradientStartChange(); });
  connect(ui_->tbTitleBarGradientFinish, &QSlider::valueChanged, this,
          [this] { tbTitleBarGradientFinishChange(); });
  connect(ui_->tbMenuGradientStart, &QSlider::valueChanged, this,
          [this] { tbMenuGradientStartChange(); });
  connect(ui_->tbMenuGradientFinish, &QSlider::valueChanged, this,
          [this] { tbMenuGradientFinishChange(); });
  connect(ui_->btnOpenImage, &QPushButton::clicked, this, [this] { btnOpenImageClick(); });
  connect(ui_->btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
  connect(ui_->btnSaveAs, &QPushButton::clicked, this, [this] { btnSaveAsClick(); });
  connect(ui_->btnReset, &QPushButton::clicked, this, [this] { btnResetClick(); });
  connect(ui_->Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(ui_->btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });

  // The five buttons share the row, each in proportion to what its caption
  // needs and never less (the layout would share it out evenly otherwise,
  // and a long caption would overlap its neighbour).
  int index = 0;
  for (QPushButton* button :
       {ui_->btnSave, ui_->btnSaveAs, ui_->btnReset, ui_->Button1, ui_->btnDelete}) {
    const int need = button->fontMetrics().horizontalAdvance(button->text().remove('&')) + 18;
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    button->setMinimumWidth(need);
    ui_->ButtonRow->setStretch(index++, need);
  }

  FormCreate();
  // The client area is 329 by 302 pixels, or what the font and the captions
  // need (the button row's room is its minimum: the buttons ignore their hints).
  const QSize hint = sizeHint().expandedTo(minimumSizeHint());
  setFixedSize(std::max(329, hint.width()), std::max(302, hint.height()));
}

TThemeEditorForm::~TThemeEditorForm() = default;

void TThemeEditorForm::BuildSwatchTable() {
  Ui::ThemeEditorForm& u = *ui_;
  swatches_ = {{
      {u.csBackground, &TQuibTheme::BackgroundColor},
      {u.csLines, &TQuibTheme::BackgroundGridColor},
      {u.csWindowBackground, &TQuibTheme::WindowBackgroundColor},
      {u.csWindowBorder, &TQuibTheme::WindowBorderColor},
      {u.csTitleBarLeft, &TQuibTheme::WindowTitlebarColor},
      {u.csTitleBarCaptionActive, &TQuibTheme::WindowTitlebarTextColor},
      {u.csTitleBarCaptionInactive, &TQuibTheme::WindowTitlebarTextUnactiveColor},
      {u.csTitleBarRight, &TQuibTheme::WindowTitlebarGradientColor},
      {u.csTextActive, &TQuibTheme::WindowTextColor},
      {u.csTextHighlight, &TQuibTheme::WindowTextHighlightColor},
      {u.csWindowSeparators, &TQuibTheme::WindowSeparatorsColor},
      {u.csMenuTop, &TQuibTheme::MenuBackgroundColor},
      {u.csMenuBorder, &TQuibTheme::MenuBorderColor},
      {u.csMenuHighlight, &TQuibTheme::MenuSelectionColor},
      {u.csMenuTextActive, &TQuibTheme::MenuTextColor},
      {u.csMenuTextInactive, &TQuibTheme::MenuTextUnactiveColor},
      {u.csMenuBottom, &TQuibTheme::MenuGradientColor},
      {u.csWidgetBackground, &TQuibTheme::WidgetGenericBackgroundColor},
      {u.csWidgetSelection, &TQuibTheme::WidgetGenericSelectionColor},
      {u.csWidgetBorder, &TQuibTheme::WidgetGenericBorderColor},
      {u.csWidgetTextActive, &TQuibTheme::WidgetGenericTextColor},
      {u.csWidgetTextInactive, &TQuibTheme::WidgetGenericTextUnactiveColor},
      {u.csListboxBackground, &TQuibTheme::WidgetListboxBackgroundColor},
      {u.csListboxBorder, &TQuibTheme::WidgetListboxBorderColor},
      {u.csListboxSelection, &TQuibTheme::WidgetListboxSelectionColor},
      {u.csListboxText, &TQuibTheme::WidgetListboxTextColor},
      {u.csScrollbarFill, &TQuibTheme::WidgetScrollbarBackgroundColor},
      {u.csScrollbarScroller, &TQuibTheme::WidgetScrollbarScrollerColor},
      {u.csStatusbarFill, &TQuibTheme::WidgetStatusbarBackgroundColor},
      {u.csStatusbarBorder, &TQuibTheme::WidgetStatusbarBorderColor},
      {u.csStatusbarText, &TQuibTheme::WidgetStatusbarTextColor},
  }};
}

QString TThemeEditorForm::ThemesFolder() const {
  return (host_.QuibPath ? host_.QuibPath() : QString()) + "Themes/";
}

void TThemeEditorForm::FormCreate() {
  // Every file of the folder (hidden and system files too), no folders.
  listedFolder_ = host_.QuibPath ? host_.QuibPath() : QString();
  QStringList names;
  const QDir folder(ThemesFolder());
  for (const QString& name :
       folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort))
    if (ListedExtension(name)) names << name;
  std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  names.prepend(tr("<default>"));
  ui_->cbPictures->clear();
  ui_->cbPictures->addItems(names);
  unlisted_.clear();
}

void TThemeEditorForm::Redraw() {
  if (host_.DrawThemePreview) host_.DrawThemePreview(*theme_);
}

// ---------------------------------------------------------------------------
// Loading a theme

void TThemeEditorForm::LoadThemeIntoEditor(TQuibTheme& theme) {
  theme_ = &theme;
  // Showing a theme changes no field of it: the handlers that the controls
  // run meanwhile leave the record alone, so that a gradient beyond 0 to 100,
  // or a picture the list spells in other letters, is saved as it was read.
  showing_ = true;
  for (const SwatchField& entry : swatches_) entry.swatch->SetColour(theme.*entry.field);

  // Setting the start slider may push the finish slider, and the other way
  // round; the finish slider is set last, so a pair read backwards shows
  // both at the finish value.
  const auto setPair = [](TExTrackBar* start, TExTrackBar* finish, int from, int to) {
    start->setValue(from);
    finish->setValue(to);
  };
  setPair(ui_->tbTitleBarGradientStart, ui_->tbTitleBarGradientFinish, theme.TitlebarGradientStart,
          theme.TitlebarGradientFinish);
  setPair(ui_->tbMenuGradientStart, ui_->tbMenuGradientFinish, theme.MenuGradientStart,
          theme.MenuGradientFinish);

  ui_->edAuthor->setText(ToQString(theme.Authors));
  ui_->cbSpecial->setCurrentIndex(
      theme.Effect >= 0 && theme.Effect < ui_->cbSpecial->count() ? theme.Effect : -1);

  SetPictureItem(theme.BackgroundPicture);
  ui_->cbPictureMode->setCurrentIndex(
      theme.PictureMode >= 0 && theme.PictureMode < ui_->cbPictureMode->count() ? theme.PictureMode
                                                                                : -1);
  cbPicturesChange();
  showing_ = false;

  // Save, Rename and Delete work on the selected theme's block.
  const bool hasBlock = host_.ThemeDoc != nullptr && host_.SelectedName &&
                        host_.ThemesCombo != nullptr && host_.ThemesCombo->currentIndex() >= 0 &&
                        FindThemeHeader(*host_.ThemeDoc, host_.SelectedName()) >= 0;
  ui_->btnSave->setEnabled(hasBlock);
  ui_->Button1->setEnabled(hasBlock);
  ui_->btnDelete->setEnabled(hasBlock);
}

void TThemeEditorForm::SetPictureItem(const std::string& stored) {
  QComboBox* combo = ui_->cbPictures;
  // The item of a previous theme's unlisted picture goes.
  if (!unlisted_.empty()) {
    combo->removeItem(combo->count() - 1);
    unlisted_.clear();
  }
  if (stored.empty()) {
    combo->setCurrentIndex(0);
    return;
  }
  const QString name = ToQString(stored);
  // Pictures of the list are stored as "Themes/" and the file's name.
  if (name.size() > 7 && name.left(7).compare("Themes/", Qt::CaseInsensitive) == 0) {
    const QString file = name.mid(7);
    for (int i = 1; i < combo->count(); ++i) {
      if (combo->itemText(i).compare(file, Qt::CaseInsensitive) == 0) {
        combo->setCurrentIndex(i);
        return;
      }
    }
  }
  // Another folder, an extension in upper case or a missing file: the editor
  // keeps the stored name as an item of its own rather than dropping it.
  unlisted_ = stored;
  combo->addItem(name);
  combo->setItemData(combo->count() - 1, ToQString(stored), kStoredNameRole);
  combo->setCurrentIndex(combo->count() - 1);
}

// ---------------------------------------------------------------------------
// Field handlers

void TThemeEditorForm::cbPicturesChange() {
  QComboBox* pictures = ui_->cbPictures;
  QComboBox* mode = ui_->cbPictureMode;
  const int index = pictures->currentIndex();
  const QVariant stored = pictures->itemData(index, kStoredNameRole);
  const QString file = stored.isValid()
                           ? (host_.QuibPath ? host_.QuibPath() : QString()) + stored.toString()
                           : ThemesFolder() + pictures->currentText();
  ui_->btnOpenImage->setEnabled(index > 0 && QFileInfo(file).isFile());
  if (index > 0) {
    mode->setEnabled(true);
    if (mode->currentIndex() < 0) mode->setCurrentIndex(0);
  } else {
    mode->setEnabled(false);
    mode->setCurrentIndex(-1);
  }
  if (showing_) return;
  if (index > 0) {
    theme_->BackgroundPicture =
        stored.isValid() ? unlisted_ : "Themes/" + FromQString(pictures->currentText());
    theme_->PictureMode = mode->currentIndex();
  } else {
    theme_->BackgroundPicture.clear();
  }
  Redraw();
}

void TThemeEditorForm::cbSpecialChange() {
  theme_->Effect = ui_->cbSpecial->currentIndex();
  Redraw();
}

void TThemeEditorForm::edAuthorChange() {
  if (showing_) return;
  theme_->Authors = FromQString(ui_->edAuthor->text());
}

void TThemeEditorForm::tbTitleBarGradientStartChange() {
  TExTrackBar* a = ui_->tbTitleBarGradientStart;
  TExTrackBar* b = ui_->tbTitleBarGradientFinish;
  if (b->value() < a->value()) b->setValue(a->value());
  if (showing_) return;
  theme_->TitlebarGradientStart = a->value();
  Redraw();
}

void TThemeEditorForm::tbTitleBarGradientFinishChange() {
  TExTrackBar* a = ui_->tbTitleBarGradientStart;
  TExTrackBar* b = ui_->tbTitleBarGradientFinish;
  if (b->value() < a->value()) a->setValue(b->value());
  if (showing_) return;
  theme_->TitlebarGradientFinish = b->value();
  Redraw();
}

void TThemeEditorForm::tbMenuGradientStartChange() {
  TExTrackBar* a = ui_->tbMenuGradientStart;
  TExTrackBar* b = ui_->tbMenuGradientFinish;
  if (b->value() < a->value()) b->setValue(a->value());
  if (showing_) return;
  theme_->MenuGradientStart = a->value();
  Redraw();
}

void TThemeEditorForm::tbMenuGradientFinishChange() {
  TExTrackBar* a = ui_->tbMenuGradientStart;
  TExTrackBar* b = ui_->tbMenuGradientFinish;
  if (b->value() < a->value()) a->setValue(b->value());
  if (showing_) return;
  theme_->MenuGradientFinish = b->value();
  Redraw();
}

void TThemeEditorForm::StoreSwatches() {
  for (const SwatchField& entry : swatches_) theme_->*entry.field = entry.swatch->Colour();
  Redraw();
}

void TThemeEditorForm::btnOpenImageClick() {
  const QVariant stored = ui_->cbPictures->currentData(kStoredNameRole);
  const QString file = stored.isValid()
                           ? (host_.QuibPath ? host_.QuibPath() : QString()) + stored.toString()
                           : ThemesFolder() + ui_->cbPictures->currentText();
  if (!QFileInfo(file).isFile()) return;
  const QString path = QDir::toNativeSeparators(file);
  if (!platform::Current().ShellExecute("edit", path))
    platform::Current().ShellExecute("open", path);
}

// ---------------------------------------------------------------------------
// Drag and drop of swatches

void TThemeEditorForm::ColourMouseDown(TColourSwatch* swatch) {
  dragged_ = swatch;
  swatch->setCursor(Qt::DragMoveCursor);
  qApp->installEventFilter(this);
}

void TThemeEditorForm::EndDrag() {
  qApp->removeEventFilter(this);
  if (dragged_ != nullptr) dragged_->unsetCursor();
  dragged_ = nullptr;
}

bool TThemeEditorForm::eventFilter(QObject* watched, QEvent* event) {
  if (dragged_ == nullptr || !watched->isWidgetType()) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove:
      DragMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      return true;
    case QEvent::MouseButtonRelease:
      DragRelease(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      return true;
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) CancelDrag();
      return true;
    default:
      return QDialog::eventFilter(watched, event);
  }
}

TColourSwatch* TThemeEditorForm::SwatchAt(QPoint globalPos) const {
  auto* swatch = qobject_cast<TColourSwatch*>(childAt(mapFromGlobal(globalPos)));
  return swatch != nullptr && swatch->Editor == this ? swatch : nullptr;
}

void TThemeEditorForm::PageControlDragOver(QPoint globalPos) {
  QTabBar* tabs = ui_->PageControl->tabBar();
  const QPoint at = tabs->mapFromGlobal(globalPos);
  if (!tabs->rect().contains(at)) return;
  const int tab = tabs->tabAt(at);
  if (tab >= 0 && tab != ui_->PageControl->currentIndex()) ui_->PageControl->setCurrentIndex(tab);
}

void TThemeEditorForm::DragMove(QPoint globalPos) {
  if (dragged_ == nullptr) return;
  PageControlDragOver(globalPos);
  dragged_->setCursor(DragOverColour(SwatchAt(globalPos)) ? Qt::DragMoveCursor
                                                          : Qt::ForbiddenCursor);
}

void TThemeEditorForm::DragRelease(QPoint globalPos) {
  TColourSwatch* source = dragged_;
  if (source == nullptr) return;
  EndDrag();
  TColourSwatch* target = SwatchAt(globalPos);
  if (target != nullptr) DropColour(target, source);
  ColourEndDrag(source, target);
}

void TThemeEditorForm::CancelDrag() {
  TColourSwatch* source = dragged_;
  if (source == nullptr) return;
  EndDrag();
  ColourEndDrag(source, nullptr);
}

void TThemeEditorForm::DropColour(TColourSwatch* target, TColourSwatch* source) {
  target->SetColour(source->Colour());
  StoreSwatches();
}

bool TThemeEditorForm::PasteColour(TColourSwatch* target, const QString& text) {
  const QString trimmed = text.trimmed();
  const auto rgb = trimmed.startsWith('#') ? ParseHtmlColour(trimmed.toStdString()) : std::nullopt;
  if (!rgb) return false;
  target->SetColour(PackColour(*rgb));
  StoreSwatches();
  return true;
}

void TThemeEditorForm::ColourEndDrag(TColourSwatch* source, TColourSwatch* target) {
  if (target != source) return;
  EditColour(source);
}

void TThemeEditorForm::EditColour(TColourSwatch* swatch) {
  if (chooser_ == nullptr) chooser_ = new TColourChooserForm(this);
  // Just below the swatch, left edges aligned.
  chooser_->move(swatch->mapToGlobal(QPoint(0, swatch->height())));
  chooser_->SetColour(swatch->Colour());
  if (chooser_->ShowModal() != QDialog::Accepted) return;
  const ThemeColour chosen = chooser_->ResultColour();
  if (chosen == swatch->Colour()) return;
  swatch->SetColour(chosen);
  StoreSwatches();
}

// ---------------------------------------------------------------------------
// Buttons

std::string TThemeEditorForm::AskThemeName() {
  TBlitterNameForm dialog(this);
  dialog.setWindowTitle(tr("Theme name"));
  dialog.Button1->setText(tr("OK"));
  dialog.Button2->setText(tr("Cancel"));
  if (host_.ThemesCombo != nullptr) dialog.Edit1->setText(host_.ThemesCombo->currentText());
  if (dialog.ShowModal() != QDialog::Accepted) return {};
  // A pasted line break would split the header over two lines of the file:
  // the name ends where the field's first line ends.
  QString name = dialog.Edit1->text();
  const qsizetype lineBreak = name.indexOf(QRegularExpression("[\r\n]"));
  if (lineBreak >= 0) name.truncate(lineBreak);
  return FromQString(name);
}

bool TThemeEditorForm::NameListed(const std::string& name, int except) const {
  if (host_.ThemeDoc == nullptr) return false;
  const std::vector<std::string> names = ListThemeNames(*host_.ThemeDoc);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (static_cast<int>(i) != except && SameName(names[i], name)) return true;
  return false;
}

void TThemeEditorForm::NameExistsMessage() {
  platform::Message(this, tr("Name already exists!"),
                    tr("The name you chose already exists! Please choose another name."),
                    platform::Icon::Error);
}

void TThemeEditorForm::btnSaveClick() {
  if (host_.ThemeDoc == nullptr || !host_.SelectedName) return;
  // With no theme selected there is no block to write over; Save as adds one.
  if (host_.ThemesCombo == nullptr || host_.ThemesCombo->currentIndex() < 0) return;
  SaveThemeBlock(*host_.ThemeDoc, host_.SelectedName(), *theme_);
}

void TThemeEditorForm::btnSaveAsClick() {
  if (host_.ThemeDoc == nullptr) return;
  const std::string name = AskThemeName();
  if (name.empty()) return;
  if (NameListed(name)) return NameExistsMessage();
  AppendTheme(*host_.ThemeDoc, name, *theme_);
  if (host_.ListThemes) host_.ListThemes();
  if (host_.ThemesCombo != nullptr)
    host_.ThemesCombo->setCurrentIndex(host_.ThemesCombo->count() - 1);
  if (host_.ThemesComboChange) host_.ThemesComboChange();
}

void TThemeEditorForm::Button1Click() {
  if (host_.ThemeDoc == nullptr || !host_.SelectedName || host_.ThemesCombo == nullptr) return;
  const int index = host_.ThemesCombo->currentIndex();
  if (index < 0) return;
  const std::string old = host_.SelectedName();
  const std::string name = AskThemeName();
  if (name.empty() || name == old) return;
  // Two headers of one name would leave the second theme out of reach of
  // every lookup; only a change of letter case may keep the name.
  if (NameListed(name, index)) return NameExistsMessage();
  if (!RenameThemeHeader(*host_.ThemeDoc, old, name)) return;
  // Only the selected item changes: with two headers that differ only in
  // letter case, reading the list again would show the new name elsewhere.
  if (host_.RenameSelectedItem) host_.RenameSelectedItem(name);
}

void TThemeEditorForm::btnDeleteClick() {
  if (host_.ThemeDoc == nullptr || !host_.SelectedName || host_.ThemesCombo == nullptr) return;
  if (host_.ThemesCombo->currentIndex() < 0) return;
  const std::string name = host_.SelectedName();
  if (platform::Message(this, tr("Please confirm theme deletion"),
                        tr("Are you sure you want to delete this theme:\r%1").arg(ToQString(name)),
                        platform::Icon::Question, platform::Buttons::YesNo,
                        platform::Answer::No) != platform::Answer::Yes)
    return;
  if (!DeleteThemeBlock(*host_.ThemeDoc, name)) return;
  if (host_.ListThemes) host_.ListThemes();
  if (host_.ThemesComboChange) host_.ThemesComboChange();
}

void TThemeEditorForm::btnResetClick() {
  if (host_.ThemesComboChange) host_.ThemesComboChange();
}

void TThemeEditorForm::FormClose() {
  // Unsaved edits go: the preview shows the stored theme again.
  if (host_.ThemesComboChange) host_.ThemesComboChange();
}

void TThemeEditorForm::closeEvent(QCloseEvent* event) {
  CancelDrag();
  FormClose();
  QDialog::closeEvent(event);
}

void TThemeEditorForm::keyPressEvent(QKeyEvent* event) {
  // Escape does not close the editor (closing drops the unsaved edits).
  if (event->key() == Qt::Key_Escape) {
    CancelDrag();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
