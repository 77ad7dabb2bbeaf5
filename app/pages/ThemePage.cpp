#include "app/pages/ThemePage.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <limits>

#include "app/Links.h"
#include "app/OneLine.h"
#include "app/PageContext.h"
#include "app/Text.h"
#include "controls/Accessible.h"
#include "controls/LinkLabel.h"
#include "themes/ThemeEditor.h"
#include "ui_ThemePage.h"

namespace {

const char* const kUncommentQuestion = QT_TRANSLATE_NOOP(
    "ThemePage",
    "This is an automated function and may not correctly uncomment all of the themes.\r"
    "It works fine on my standard Quib.thm but could possibly mess up a modified file.\r"
    "Do you want to continue?");

}  // namespace

ThemePage::ThemePage(PageContext& context)
    : Page(context, context.PageWidget("Theme")), ui_(std::make_unique<Ui::ThemePage>()) {
  ui_->setupUi(page_);
  // A screen reader reads the name of the theme the preview shows.
  accessible::SetValue(ui_->ThemePreview, QAccessible::Graphic, QString());
  ui_->LinkRow->addWidget(MakeLink(page_, "Label47", tr("Quib themes page"),
                                   QString::fromLatin1(links::kQuibThemesPage),
                                   [&context](QLabel* link) { context.URL1Click(link); }));
  ui_->LinkRow->addStretch(1);

  connect(ui_->ThemesCombo, &QComboBox::activated, this, [this] { ThemesComboChange(); });
  connect(ui_->UncommentThemes, &QPushButton::clicked, this, [this] { UncommentThemesClick(); });
  connect(ui_->btnEditTheme, &QPushButton::clicked, this,
          [this] { context_.Guarded([this] { btnEditThemeClick(); }); });
  ui_->ThemePreview->installEventFilter(this);
  // The preview shows the selected theme once the window is first filled,
  // and again whenever the page comes to the front (painted first).
  connect(this, &Page::windowShown, this,
          [this] { context_.Guarded([this] { ThemesComboChange(); }); });
  connect(this, &Page::shown, this, [this] {
    QApplication::processEvents();
    context_.Guarded([this] { ThemesComboChange(); });
  });
  // Leaving the page closes an open editor, which drops its unsaved edits.
  connect(this, &Page::hidden, this, [this] {
    if (editor_ != nullptr && editor_->isVisible()) editor_->close();
  });
}

ThemePage::~ThemePage() = default;

QComboBox* ThemePage::ThemesCombo() const { return ui_->ThemesCombo; }
QLabel* ThemePage::ThemePreview() const { return ui_->ThemePreview; }
QPushButton* ThemePage::UncommentThemes() const { return ui_->UncommentThemes; }
QPushButton* ThemePage::btnEditTheme() const { return ui_->btnEditTheme; }
TThemeEditorForm* ThemePage::ThemeEditor() const { return editor_; }

void ThemePage::Fill(FillStep step) {
  if (step != FillStep::Themes) return;
  ListThemes();
  SelectStoredTheme();
  // Undo reloads the documents under an open editor: it must edit the theme
  // now selected, read again, not the record of the theme selected before.
  if (editor_ != nullptr && editor_->isVisible()) ThemesComboChange();
}

void ThemePage::ListThemes() {
  QComboBox* combo = ui_->ThemesCombo;
  const int remembered = combo->currentIndex();
  combo->setUpdatesEnabled(false);
  combo->clear();
  names_ = ListThemeNames(context_.Documents.ThemeDoc);
  for (const std::string& name : names_) combo->addItem(ToQ(name));
  combo->setUpdatesEnabled(true);
  ui_->UncommentThemes->setEnabled(HasCommentedThemes(context_.Documents.ThemeDoc));
  // An empty list leaves nothing selected (-1 stays -1).
  combo->setCurrentIndex(std::min(remembered, combo->count() - 1));
}

void ThemePage::RenameSelectedItem(const std::string& name) {
  const int index = ui_->ThemesCombo->currentIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= names_.size()) return;
  names_[static_cast<std::size_t>(index)] = name;
  ui_->ThemesCombo->setItemText(index, ToQ(name));
}

void ThemePage::SelectStoredTheme() {
  QComboBox* combo = ui_->ThemesCombo;
  const Document* preferred = context_.PreferredDocument();
  if (preferred != nullptr) {
    const std::string stored = ReadValue(*preferred, "theme");
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (SameName(names_[i], stored)) {
        combo->setCurrentIndex(static_cast<int>(i));
        break;
      }
    }
  }
  if (combo->currentIndex() < 0 && combo->count() > 0) combo->setCurrentIndex(0);
}

void ThemePage::ThemesComboChange() {
  const int index = ui_->ThemesCombo->currentIndex();
  const std::string name = index >= 0 && static_cast<std::size_t>(index) < names_.size()
                               ? names_[static_cast<std::size_t>(index)]
                               : std::string();
  // A name without a header (only with an empty list) reads the lines before
  // the first header.
  const Document block = CollectThemeBlock(context_.Documents.ThemeDoc,
                                           FindThemeHeader(context_.Documents.ThemeDoc, name));
  TQuibTheme theme;
  ReadTheme(theme, block);
  context_.CurrentTheme = theme;
  DrawThemePreview(context_.CurrentTheme);
  {
    const auto hold = lock_.Acquire();
    if (LoadThemeIntoEditor) LoadThemeIntoEditor();
  }
  // With no theme selected there is no name to store; writing an empty one
  // would delete the user's "theme" line.
  if (index >= 0) context_.Documents.WriteValueToBoth("theme", name);
}

preview::PreviewContext ThemePage::PreviewContext(bool askMissingPicture) {
  preview::PreviewContext context;
  context.emulatorDir = context_.QuibPath;
  // The resolution of the emulator's interface, as the GUI page's GUIRes
  // shows it, only scales the background picture.
  if (const auto* resolution = context_.Window.findChild<QComboBox*>("GUIRes"))
    context.resolution = resolution->currentText();
  context.pictureMissing = [this, askMissingPicture](const QString& storedName) {
    if (!askMissingPicture || !context_.MissingPictureWarning) return;
    QWidget* parent = context_.Window.isVisible() ? &context_.Window : nullptr;
    if (platform::Current().MessageBox(parent, preview::MissingPictureQuestion(storedName)) ==
        platform::Answer::No)
      context_.MissingPictureWarning = false;
  };
  return context;
}

void ThemePage::DrawThemePreview(const TQuibTheme& theme, bool askMissingPicture) {
  if (lock_.Locked()) return;
  if (!ui_->ThemePreview->isVisible()) {
    // Nobody sees the preview now: the question comes at once, as with a
    // drawing, and the drawing itself when the preview is shown.
    const auto hold = lock_.Acquire();
    preview::CheckPicture(theme, PreviewContext(askMissingPicture));
    waiting_ = theme;
    return;
  }
  waiting_.reset();
  if (const auto picture =
          preview::DrawThemePreview(lock_, theme, PreviewContext(askMissingPicture))) {
    ui_->ThemePreview->setPixmap(QPixmap::fromImage(*picture));
    accessible::SetValue(ui_->ThemePreview, QAccessible::Graphic, ui_->ThemesCombo->currentText());
  }
}

bool ThemePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_->ThemePreview && event->type() == QEvent::Show && waiting_) {
    const TQuibTheme theme = *waiting_;
    DrawThemePreview(theme, false);  // asked about when it was chosen
  }
  return Page::eventFilter(watched, event);
}

void ThemePage::UncommentThemesClick() {
  if (context_.Message(tr("Warning"), tr(kUncommentQuestion), platform::Icon::Warning,
                       platform::Buttons::YesNo) == platform::Answer::No)
    return;
  Document& doc = context_.Documents.ThemeDoc;
  const Document before = doc;
  UncommentThemeLines(doc);
  // The lines just uncommented take the form key=value at once, as the next
  // reading of the file would give them, so that the lookups find them. Lines
  // added since the load (a theme saved under a name with blanks around an
  // "=") stay as they are.
  for (std::size_t i = 0; i < doc.size(); ++i) {
    if (doc[i] == before[i]) continue;
    Document line{doc[i]};
    NormalizeLines(line);
    doc[i] = std::move(line.front());
  }
  const QString selected = ui_->ThemesCombo->currentText();
  ListThemes();
  SelectStoredTheme();
  // An open editor must not go on editing one theme while another is selected
  // (its Save would write over the wrong block).
  if (editor_ != nullptr && editor_->isVisible() && ui_->ThemesCombo->currentText() != selected)
    ThemesComboChange();
}

void ThemePage::btnEditThemeClick() {
  if (editor_ == nullptr) {
    ThemeEditorHost host;
    host.ThemeDoc = &context_.Documents.ThemeDoc;
    host.ThemesCombo = ui_->ThemesCombo;
    host.QuibPath = [this] { return context_.QuibPath; };
    host.SelectedName = [this] {
      const int index = ui_->ThemesCombo->currentIndex();
      return index >= 0 && static_cast<std::size_t>(index) < names_.size()
                 ? names_[static_cast<std::size_t>(index)]
                 : std::string();
    };
    host.ListThemes = [this] { ListThemes(); };
    host.RenameSelectedItem = [this](const std::string& name) { RenameSelectedItem(name); };
    host.ThemesComboChange = [this] { ThemesComboChange(); };
    // The selection already asked about a missing picture; the editor's
    // redraws, one per slider step, do not ask again.
    host.DrawThemePreview = [this](const TQuibTheme& theme) { DrawThemePreview(theme, false); };
    editor_ = new TThemeEditorForm(&context_.Window, std::move(host));
    // The authors go into one line of quib.thm, as every field of the window.
    OneLineValidator::KeepAll(editor_);
    LoadThemeIntoEditor = [this] {
      if (editor_ != nullptr) editor_->LoadThemeIntoEditor(context_.CurrentTheme);
    };
  }
  // Another emulator directory brings its own pictures.
  if (editor_->ListedFolder() != context_.QuibPath) editor_->FormCreate();
  const auto hold = lock_.Acquire();
  // Beside the main window's right edge, or its left edge when the screen
  // ends before the editor would.
  const QRect main = context_.Window.frameGeometry();
  const int width = editor_->frameGeometry().width();
  int left = main.x() + main.width();
  const QScreen* screen = context_.Window.screen();
  const int screenRight = screen != nullptr ? screen->geometry().x() + screen->geometry().width()
                                            : std::numeric_limits<int>::max();
  if (left + width > screenRight) left = main.x() - width;
  editor_->move(left, main.y());
  editor_->show();
  editor_->activateWindow();
  ThemesComboChange();
}
