#include "app/Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <clocale>
#include <stdexcept>
#include <utility>

#include "app/ChangesCommands.h"
#include "app/ConfiguratorSettings.h"
#include "app/DiskChanges.h"
#include "app/NoticeBar.h"
#include "app/OneLine.h"
#include "app/Page.h"
#include "app/PageContext.h"
#include "app/PageControl.h"
#include "app/ProgramSettings.h"
#include "app/Recovery.h"
#include "app/Text.h"
#include "app/WindowKeys.h"
#include "controls/Accessible.h"

namespace {

constexpr int kPageHeight = 272;
constexpr int kButtonRowHeight = 36;
constexpr int kWindowWidth = 560;

struct PageInfo {
  const char* caption;
  const char* name;
};
// The pages in tab order, with their component names.
constexpr PageInfo kPages[] = {{QT_TRANSLATE_NOOP("TForm1", "About"), "About"},
                               {QT_TRANSLATE_NOOP("TForm1", "Donate"), "TabSheet2"},
                               {QT_TRANSLATE_NOOP("TForm1", "Blitter"), "Blitters"},
                               {QT_TRANSLATE_NOOP("TForm1", "Debugging"), "TabSheet1"},
                               {QT_TRANSLATE_NOOP("TForm1", "Emulation"), "Emulation"},
                               {QT_TRANSLATE_NOOP("TForm1", "GUI"), "GUI"},
                               {QT_TRANSLATE_NOOP("TForm1", "Input"), "Input"},
                               {QT_TRANSLATE_NOOP("TForm1", "Messages"), "Messages"},
                               {QT_TRANSLATE_NOOP("TForm1", "Miscellaneous"), "Miscellaneous"},
                               {QT_TRANSLATE_NOOP("TForm1", "Screenshots"), "Screenshots"},
                               {QT_TRANSLATE_NOOP("TForm1", "Sound"), "Sound"},
                               {QT_TRANSLATE_NOOP("TForm1", "Sound logging"), "SoundLogging"},
                               {QT_TRANSLATE_NOOP("TForm1", "Theme"), "Theme"}};

QTabBar* MakeTabStrip(QWidget* parent, const char* name, const QString& accessibleName,
                      const QStringList& tabs) {
  auto* bar = new QTabBar(parent);
  bar->setObjectName(name);
  accessible::MarkTabStrip(bar);
  bar->setAccessibleName(accessibleName);
  bar->setDrawBase(true);
  bar->setExpanding(false);
  bar->setIconSize(QSize(16, 16));
  for (const QString& t : tabs) bar->addTab(t);
  return bar;
}

}  // namespace

// ---------------------------------------------------------------------------
// The frame

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  Q_INIT_RESOURCE(app);
  setObjectName("Form1");
  setWindowTitle("Quib Configurator");
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildWindow();
  follower_ = new DiskFollower(*this);
  // Hints stay on screen for 20 seconds (eventFilter).
  qApp->installEventFilter(this);
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

QWidget* TForm1::PageWidget(const char* objectName) const {
  for (int i = 0; i < PageControl->count(); ++i)
    if (PageControl->page(i)->objectName() == QLatin1String(objectName))
      return PageControl->page(i);
  return nullptr;
}

void TForm1::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 0);
  layout->setSpacing(0);
  // Made first, so its buttons come first in the Tab order, as it stands first.
  Notice = new NoticeBar(this);
  layout->addWidget(Notice);
  connect(Notice, &NoticeBar::changed, this, [this] { FitWindow(); });
  PageControl = new TPageControl(this);
  PageControl->setObjectName("PageControl");
  PageControl->setAccessibleName(tr("Pages"));
  for (const PageInfo& info : kPages) {
    auto* page = new QWidget;
    page->setObjectName(info.name);
    PageControl->addPage(page, tr(info.caption));
  }
  layout->addWidget(PageControl, 1);

  // The button row is as high as the space under the page control.
  auto* buttonRow = new QWidget(this);
  buttonRow->setFixedHeight(kButtonRowHeight);
  auto* buttons = new QHBoxLayout(buttonRow);
  buttons->setContentsMargins(0, 0, 0, 0);
  auto makeButton = [&](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, buttonRow);
    b->setObjectName(name);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  // What Apply would write, at the row's left end.
  ChangesButton = makeButton("ChangesButton", tr("Chan&ges..."));
  ChangesButton->setToolTip(tr("Shows what Apply would change in each file, and restores backups"));
  buttons->addStretch(1);
  OKButton = makeButton("OKButton", tr("OK"));
  CancelButton = makeButton("CancelButton", tr("Cancel"));
  ApplyButton = makeButton("ApplyButton", tr("Apply"));
  RunButton = makeButton("RunButton", tr("Apply && run"));
  OKButton->setDefault(true);
  layout->addWidget(buttonRow);

  InstallWindowKeys(
      this, OKButton, [this] { CancelButtonClick(); }, PageControl);

  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
  connect(ApplyButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { ApplyButtonClick(); }); });
  connect(RunButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { RunButtonClick(); }); });
  connect(ChangesButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { ShowChanges(*this); }); });
  connect(PageControl, &TPageControl::changedByUser, this, [this] { PageControlChange(); });

  const QString build = tr("Emulator build");
  tcGUIOS = MakeTabStrip(PageWidget("GUI"), "tcGUIOS", build, {"&Quib", "Quib&W"});
  tcSoundOS = MakeTabStrip(PageWidget("Sound"), "tcSoundOS", build, {"&Quib", "Quib&W"});
  tcBlitterOS =
      MakeTabStrip(PageWidget("Blitters"), "tcBlitterOS", build, {"&Quib", "Quib&W", "Quib&Nix"});
  tcSoundFormat =
      MakeTabStrip(PageWidget("SoundLogging"), "tcSoundFormat", tr("Log format"), {"&VGM", "&WAV"});

  // The Miscellaneous page lays it out with its own group.
  ConfiguratorSettings = new ConfiguratorSettingsGroup(PageWidget("Miscellaneous"));
  ConnectConfiguratorSettings();
}

void TForm1::ConnectConfiguratorSettings() {
  const Ui::ConfiguratorSettings& ui = ConfiguratorSettings->ui;
  edtLocation = ui.edtLocation;
  QuibPathButton = ui.QuibPathButton;
  btnRunQuib = ui.btnRunQuib;
  btnRunQuibW = ui.btnRunQuibW;
  cbLoadRomOnRun = ui.cbLoadRomOnRun;
  UndoButton = ui.UndoButton;
  ResetWarningsButton = ui.ResetWarningsButton;
  rgPreferSettingsFrom = ui.rgPreferSettingsFrom;
  connect(QuibPathButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { QuibPathButtonClick(); }); });
  connect(btnRunQuib, &QPushButton::clicked, this,
          [this] { Guarded([this] { btnRunQuibClick(0); }); });
  connect(btnRunQuibW, &QPushButton::clicked, this,
          [this] { Guarded([this] { btnRunQuibClick(1); }); });
  connect(UndoButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { UndoButtonClick(); }); });
  connect(ResetWarningsButton, &QPushButton::clicked, this, [this] { ResetWarningsButtonClick(); });
  connect(ConfiguratorSettings, &ConfiguratorSettingsGroup::preferenceClicked, this,
          [this] { Guarded([this] { rgPreferSettingsFromClick(); }); });
}

int TForm1::PreferIndex() const { return ConfiguratorSettings->PreferIndex(); }

QString TForm1::SettingsFile() const { return ProgramSettingsFile(); }

QString TForm1::ReadmeFile() const { return ProgramReadme(); }

// ---------------------------------------------------------------------------
// Messages and errors

platform::Answer TForm1::Message(const QString& caption, const QString& text, platform::Icon icon,
                                 platform::Buttons buttons, platform::Answer defaultButton,
                                 bool foreground) {
  return platform::Message(isVisible() ? this : nullptr, caption, text, icon, buttons,
                           defaultButton, foreground);
}

void TForm1::ShowException(const std::exception& error) {
  QString text = ErrorText(error);
  if (!text.isEmpty() && !text.endsWith('.')) text += '.';
  Message("Quib Configurator", text, platform::Icon::Error);
}

bool TForm1::Guarded(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ShowException(error);
  }
  return false;
}

// ---------------------------------------------------------------------------
// Start-up

void TForm1::LocateQuib() {
  if (const std::optional<QString> dir = AskForEmulatorDirectory(this, QuibPath)) QuibPath = *dir;
}

void TForm1::SetStartDirectory(const QString& path) { startDir_ = CommandLineDirectory(path); }

bool TForm1::FormCreate() {
  // Numbers with fractions always use a point.
  std::setlocale(LC_NUMERIC, "C");
  {
    StripPictures strips;
    strips.LoadImageStrip("Tabs", ImageLists[0], 0);
    SetPageImages(PageControl, ImageLists[0]);
    const std::pair<QTabBar*, const char*> bars[] = {{tcBlitterOS, "OSes"},
                                                     {tcSoundOS, "OSes"},
                                                     {tcGUIOS, "OSes"},
                                                     {tcSoundFormat, "SoundFormats"}};
    for (std::size_t i = 0; i < std::size(bars); ++i) {
      strips.LoadImageStrip(bars[i].second, ImageLists[i + 1], 0);
      SetTabImages(bars[i].first, ImageLists[i + 1]);
    }
  }

  const QString ini = SettingsFile();
  ProgramSettings settings;
  ReadPlaceAndPath(ini, settings);
  move(settings.left, settings.top);
  QuibPath = storedQuibPath_ = settings.quibPath;
  if (!startDir_.isEmpty()) QuibPath = startDir_;
  if (QuibPath.isEmpty()) LocateQuib();
  if (QuibPath.isEmpty()) {
    Message(tr("Error"),
            tr("You need to locate Quib so this program can load its settings files.\r"
               "This program will now close."),
            platform::Icon::Error, platform::Buttons::Ok, platform::Answer::Ok, true);
    return false;
  }

  ReadTheRest(ini, settings);
  // The stored page, or the Donate page when the stored index names none.
  const int active = settings.activePage;
  PageControl->setCurrentIndex(active >= 0 && active < PageControl->count() ? active : 1);
  MissingPictureWarning = settings.missingPictureWarning;
  ShowMessageWhenApplying = settings.showMessageWhenApplying;
  ShowNESWarning = settings.showNESWarning;
  // The program only ever stores 0 or 1; a negative number would leave no
  // preferred document and the blitter, input and theme files would be saved
  // empty, so it counts as 0.
  ConfiguratorSettings->SetPreferIndex(settings.preferredCfgFile >= 1 ? 1 : 0);
  cbLoadRomOnRun->setChecked(settings.loadRomOnRun);
  LastRomPath = settings.lastRomPath;

  Documents.CreateDocuments(QuibPath);
  ConfiguratorSettings->EnableBuilds(Documents.QuibCfgPresent, Documents.QuibWCfgPresent);

  context_ = std::make_unique<PageContext>(PageContext{
      .Window = *this,
      .Documents = Documents,
      .QuibPath = QuibPath,
      .MissingPictureWarning = MissingPictureWarning,
      .ShowNESWarning = ShowNESWarning,
      .CurrentBlitterOS = CurrentBlitterOS,
      .CurrentTheme = CurrentTheme,
      .tcGUIOS = tcGUIOS,
      .tcSoundOS = tcSoundOS,
      .tcBlitterOS = tcBlitterOS,
      .tcSoundFormat = tcSoundFormat,
      .ConfiguratorSettings = ConfiguratorSettings,
      .OKButton = OKButton,
      .CancelButton = CancelButton,
      .hooks = {
          .pageWidget = [this](const char* name) { return PageWidget(name); },
          .message =
              [this](const QString& caption, const QString& text, platform::Icon icon,
                     platform::Buttons buttons, platform::Answer defaultButton) {
                return Message(caption, text, icon, buttons, defaultButton);
              },
          .guarded = [this](const std::function<void()>& handler) { return Guarded(handler); },
          .openLink = [this](QLabel* label) { URL1Click(label); }}});
  pages_ = CreatePages(*context_);
  // The pages' controls were made after the button row, which stays last in
  // the Tab order, as it stands below them.
  KeepLastInTabOrder(this, {ChangesButton, OKButton, CancelButton, ApplyButton, RunButton});
  // Every field's text goes into one line of a settings file.
  OneLineValidator::KeepAll(this);
  QString readme = ReadmeFile();
#ifdef _WIN32
  readme = readme.toLower();
#endif
  const std::pair<QString, QString> tips[] = {{"lblReadme", readme},
                                              {"lblQuibTxt", QuibPath + "Quib.txt"},
                                              {"lblQuibWTxt", QuibPath + "QuibW.txt"}};
  for (QLabel* label : findChildren<QLabel*>())
    for (const auto& [name, tip] : tips)
      if (label->objectName() == name) label->setToolTip(tip);
  RemoveOldPageSizeRecord();
  return true;
}

void TForm1::FitPages() {
  // The pages are kPageHeight pixels high whatever the number of tab rows,
  // or as high as the tallest page needs with this desktop's fonts.
  QSize room(kWindowWidth - 12, kPageHeight);
  for (int i = 0; i < PageControl->count(); ++i)
    room = room.expandedTo(PageControl->page(i)->minimumSizeHint());
  PageControl->setFixedWidth(room.width() + 4);
  const int tabs = PageControl->height() - PageControl->activePage()->height();
  PageControl->setFixedHeight(room.height() + std::max(tabs, 0));
  FitWindow();
}

void TForm1::FitWindow() {
  if (!shown_) return;  // FitPages measures the pages first
  const QMargins margins = this->layout()->contentsMargins();
  const int notice = Notice->isHidden() ? 0 : Notice->heightForWidth(PageControl->width());
  const int height = margins.top() + notice + PageControl->height() + kButtonRowHeight;
  const int grown = height - this->height();
  const QRect frame = frameGeometry();
  setFixedSize(PageControl->width() + margins.left() + margins.right(), height);
  // A window the notice made taller stays on its screen.
  const QRect room = screen()->availableGeometry();
  const int below = frame.bottom() + grown - room.bottom();
  if (!Notice->isHidden() && grown > 0 && below > 0 && frame.top() > room.top())
    move(frame.left(), std::max(frame.top() - below, room.top()));
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TForm1::FormShow() {
  // Lay the pages out once so the number of tab rows is known.
  PageControl->resize(kWindowWidth - 8, kPageHeight + 60);
  PageControl->setFixedWidth(kWindowWidth - 8);
  FitPages();
  // An Apply the program could not finish (it ended, or the power went)
  // is settled before the files are read.
  Guarded([this] { SettleUnfinishedApply(*this); });
  Guarded([this] { LoadSettings(); });
  if (closed_) return;
  for (Page* page : pages_) emit page->windowShown();
  Documents.AllowWrites();
  CheckQuibRunning();
}

void TForm1::LoadSettings() {
  if (!isVisible() || closed_) return;
  FillGuard fill;
  if (!Documents.RequiredFilesPresent(QuibPath)) {
    const platform::Answer answer =
        Message(tr("Error"), tr(kRequiredFilesMissing), platform::Icon::Error,
                platform::Buttons::YesNo, platform::Answer::Yes, true);
    if (answer == platform::Answer::Yes) {
      LocateQuib();
      Message(tr("Restart required"), tr("Please restart the program to try again."),
              platform::Icon::Information);
    }
    close();
    return;
  }

  EmulatorDocuments::Loaded loaded = Documents.Load(QuibPath);
  Document* preferred = PreferredDocument();
  if (preferred == nullptr) return;
  if (!(preferred == Documents.QuibDoc.get() ? loaded.quibMarked : loaded.quibwMarked)) {
    Message(tr("Version mismatch"), tr(kVersionMismatch), platform::Icon::Warning);
  }

  FillPages(std::move(loaded.quibNames), std::move(loaded.quibwNames));
  follower_->Start();
}

void TForm1::ShowDocuments() {
  if (!isVisible() || closed_ || PreferredDocument() == nullptr) return;
  FillGuard fill;
  FillPages({}, {});
}

void TForm1::FillPages(LineNames quibNames, LineNames quibwNames) {
  // The fill reads many keys of the settings files, which only the store
  // changes meanwhile: each is read through an index of its names.
  const KeyIndex quibIndex(Documents.QuibDoc.get(), std::move(quibNames)),
      quibwIndex(Documents.QuibWDoc.get(), std::move(quibwNames));
  for (int step = kFirstFillStep; step <= kLastFillStep; ++step) {
    if (static_cast<FillStep>(step) == FillStep::Location) edtLocation->setText(QuibPath);
    for (Page* page : pages_) page->Fill(static_cast<FillStep>(step));
  }
}

// ---------------------------------------------------------------------------
// Commands

bool TForm1::SaveSettings() {
  // Documents that were never read from the emulator directory (its files
  // could not all be read) would replace its files with other contents.
  if (Documents.LoadedPath().isEmpty() || Documents.LoadedPath() != QuibPath) {
    throw WindowError(
        tr("Nothing was saved: the settings files in \"%1\" could not all be read").arg(QuibPath));
  }
  // A file someone else changed since it was read gets the window's edits
  // made on it; what both changed is asked about once. Changes on disk found
  // meanwhile wait until the save is over.
  backups::Store store = BackupStoreOf(*this);
  follower_->Hold();
  const struct Held {
    DiskFollower* follower;
    ~Held() { follower->Release(); }
  } held{follower_};
  const EmulatorDocuments::Saved saved = Documents.Save(
      QuibPath, store,
      [this](
          const std::vector<FileConflict>& conflicts) -> std::optional<std::vector<merge::Keep>> {
        const std::optional<std::vector<bool>> answers =
            AskConflicts(this, ConflictRows(conflicts));
        if (!answers) return std::nullopt;
        std::vector<merge::Keep> keep;
        for (const bool mine : *answers)
          keep.push_back(mine ? merge::Keep::Mine : merge::Keep::Theirs);
        return keep;
      });
  if (saved == EmulatorDocuments::Saved::Cancelled) return false;
  // What the notice said of the files is settled now.
  Notice->Dismiss();
  if (saved == EmulatorDocuments::Saved::SavedAndMerged) ShowDocuments();
  return true;
}

bool TForm1::ApplyButtonClick() {
  if (!SaveSettings()) return false;
  if (ShowMessageWhenApplying &&
      Message(tr("Settings saved"), tr("Settings saved.\r\rDo you want to see this message again?"),
              platform::Icon::Information, platform::Buttons::YesNo) == platform::Answer::No)
    ShowMessageWhenApplying = false;
  return true;
}

void TForm1::OKButtonClick() {
  bool saved = false;
  if (Guarded([&] { saved = SaveSettings(); }) && saved) CancelButtonClick();
}

void TForm1::CancelButtonClick() { close(); }

void TForm1::UndoButtonClick() { LoadSettings(); }

void TForm1::rgPreferSettingsFromClick() { LoadSettings(); }

void TForm1::ResetWarningsButtonClick() {
  MissingPictureWarning = true;
  ShowMessageWhenApplying = true;
  ShowNESWarning = true;
}

void TForm1::QuibPathButtonClick() {
  LocateQuib();
  LoadSettings();
}

void TForm1::PageControlChange() {
  if (!isVisible()) return;
  QWidget* front = PageControl->activePage();
  for (Page* page : pages_)
    if (page->PageWidget() != front) emit page->hidden();
  for (Page* page : pages_)
    if (page->PageWidget() == front) emit page->shown();
}

void TForm1::btnRunQuibClick(int tag) {
  QString game;
  if (cbLoadRomOnRun->isChecked())
    game = RomOpenDialog.Execute(this, LastRomPath).value_or(QString());
  StartQuib(QuibPath, tag, game);
}

void TForm1::RunButtonClick() {
  if (!ApplyButtonClick()) return;
  btnRunQuibClick(PreferIndex() == 0 ? 0 : 1);
}

void TForm1::CheckQuibRunning() {
  if (QuibIsRunning()) Message(tr("Quib is running"), tr(kQuibRunning), platform::Icon::Error);
}

void TForm1::URL1Click(QLabel* label) {
  platform::Current().ShellExecute("open", label->toolTip());
}

// ---------------------------------------------------------------------------
// The close

void TForm1::closeEvent(QCloseEvent* event) {
  if (!closed_) FormCloseQuery();
  event->accept();
}

void TForm1::FormCloseQuery() {
  closed_ = true;
  for (ImageList& list : ImageLists) list.clear();
  Documents.ReleaseDocuments();

  ProgramSettings settings;
  settings.left = pos().x();
  settings.top = pos().y();
  settings.quibPath = DirectoryToRecord(QuibPath, startDir_, storedQuibPath_);
  settings.activePage = PageControl->currentIndex();
  settings.missingPictureWarning = MissingPictureWarning;
  settings.showMessageWhenApplying = ShowMessageWhenApplying;
  settings.showNESWarning = ShowNESWarning;
  settings.preferredCfgFile = PreferIndex();
  settings.loadRomOnRun = cbLoadRomOnRun->isChecked();
  settings.lastRomPath = LastRomPath;
  WriteProgramSettings(SettingsFile(), settings);
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this && !widget->toolTip().isEmpty()) {
      auto* help = static_cast<QHelpEvent*>(event);
      QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), 20000);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
