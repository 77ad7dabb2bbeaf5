#include "app/Unit1.h"

#include <QApplication>
#include <QBitmap>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabBar>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <clocale>
#include <initializer_list>

#include "app/ChangesDialog.h"
#include "app/OneLine.h"
#include "app/Page.h"
#include "app/PageControl.h"
#include "app/PageSize.h"
#include "app/Text.h"
#include "imaging/PictureReader.h"

namespace {

constexpr const char* kSection = "Settings";
constexpr int kPageHeight = 272;
constexpr int kButtonRowHeight = 36;
constexpr int kWindowWidth = 560;
// Posted after the first drawing: the remaining pages are built then.
const QEvent::Type kFinishStartUp = static_cast<QEvent::Type>(QEvent::User + 1);

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

// Integers of the program's settings file: decimal, or hexadecimal after
// "0x"; anything else gives the default.
int ParseIniInt(const QString& text, int fallback) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return fallback;
  bool ok = false;
  int value;
  if (t.startsWith("0x", Qt::CaseInsensitive))
    value = static_cast<int>(t.mid(2).toUInt(&ok, 16));
  else
    value = t.toInt(&ok, 10);
  return ok ? value : fallback;
}

// Room between a push button's caption and each of its edges.
constexpr int kCaptionPadding = 12;

// Gives the buttons one width: what the longest caption needs with the usual
// room on both sides, and never less than the style asks for.
void ShareButtonWidth(std::initializer_list<QPushButton*> buttons) {
  int width = 0;
  for (QPushButton* button : buttons) {
    QString caption = button->text();
    caption.replace("&&", QString(QChar(1))).remove('&').replace(QChar(1), '&');
    width = std::max({width, button->sizeHint().width(),
                      button->fontMetrics().horizontalAdvance(caption) + 2 * kCaptionPadding});
  }
  for (QPushButton* button : buttons) button->setFixedWidth(width);
}

// A tab strip without its tabs yet: they are added with its page.
QTabBar* MakeTabStrip(QWidget* parent, const char* name) {
  auto* bar = new QTabBar(parent);
  bar->setObjectName(name);
  bar->setDrawBase(true);
  bar->setExpanding(false);
  bar->setIconSize(QSize(16, 16));
  return bar;
}

QString WithSeparator(QString dir) {
  dir = QDir::toNativeSeparators(dir);
  if (!dir.isEmpty() && !dir.endsWith(QDir::separator())) dir += QDir::separator();
  return dir;
}

}  // namespace

// ---------------------------------------------------------------------------
// Construction

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  Q_INIT_RESOURCE(app);
  setObjectName("Form1");
  setWindowTitle("Quib Configurator");
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildWindow();
  makers_ = PageMakers();
  built_.assign(makers_.size(), nullptr);
  pageRoom_.assign(static_cast<std::size_t>(PageControl->count()), QSize());
  // Every field's text goes into one line of a settings file (the pages'
  // fields get theirs when the pages are built).
  OneLineValidator::KeepAll(this);
  // A page about to be shown is built first.
  connect(PageControl, &TPageControl::currentAboutToChange, this, [this](int index) {
    if (shown_ && !AllPagesBuilt()) BuildPages({PageControl->page(index)->objectName()});
  });
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
  PageControl = new TPageControl(this);
  PageControl->setObjectName("PageControl");
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
  ChangesButton = makeButton("ChangesButton", tr("&Changes..."));
  ChangesButton->setToolTip(tr("Shows what Apply would change in each file, and restores backups"));
  buttons->addStretch(1);
  OKButton = makeButton("OKButton", tr("OK"));
  CancelButton = makeButton("CancelButton", tr("Cancel"));
  ApplyButton = makeButton("ApplyButton", tr("Apply"));
  RunButton = makeButton("RunButton", tr("Apply && run"));
  OKButton->setDefault(true);
  layout->addWidget(buttonRow);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { CancelButtonClick(); });
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    // A focused push button takes the Enter key itself, as on Windows.
    connect(enter, &QShortcut::activated, this, [this] {
      auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
      if (focused != nullptr && focused->window() == this && focused->isEnabled())
        focused->animateClick();
      else
        OKButton->animateClick();
    });
  }
  auto* nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
  connect(nextPage, &QShortcut::activated, this, [this] {
    PageControl->setCurrentIndex((PageControl->currentIndex() + 1) % PageControl->count());
    PageControlChange();
  });
  auto* previousPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
  connect(previousPage, &QShortcut::activated, this, [this] {
    const int n = PageControl->count();
    PageControl->setCurrentIndex((PageControl->currentIndex() + n - 1) % n);
    PageControlChange();
  });

  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
  connect(ApplyButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { ApplyButtonClick(); }); });
  connect(RunButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { RunButtonClick(); }); });
  connect(ChangesButton, &QPushButton::clicked, this, [this] {
    Guarded([this] {
      if (filled_) BuildAllPages();
      ShowChanges(*this);
    });
  });
  connect(PageControl, &TPageControl::changedByUser, this, [this] { PageControlChange(); });

  tcGUIOS = MakeTabStrip(PageWidget("GUI"), "tcGUIOS");
  tcSoundOS = MakeTabStrip(PageWidget("Sound"), "tcSoundOS");
  tcBlitterOS = MakeTabStrip(PageWidget("Blitters"), "tcBlitterOS");
  tcSoundFormat = MakeTabStrip(PageWidget("SoundLogging"), "tcSoundFormat");
  strips_ = {{tcGUIOS, {"&Quib", "Quib&W"}, -1},
             {tcSoundOS, {"&Quib", "Quib&W"}, -1},
             {tcBlitterOS, {"&Quib", "Quib&W", "Quib&Nix"}, -1},
             {tcSoundFormat, {"&VGM", "&WAV"}, -1}};

  BuildConfiguratorSettings();
}

void TForm1::BuildConfiguratorSettings() {
  QWidget* misc = PageWidget("Miscellaneous");
  auto* pageLayout = new QVBoxLayout(misc);
  pageLayout->setContentsMargins(8, 8, 8, 8);
  ConfiguratorSettings = new QGroupBox(tr("Configurator settings"), misc);
  ConfiguratorSettings->setObjectName("ConfiguratorSettings");
  pageLayout->addWidget(ConfiguratorSettings);
  pageLayout->addStretch(1);

  auto* grid = new QGridLayout(ConfiguratorSettings);
  auto* label = new QLabel(tr("&Quib location:"), ConfiguratorSettings);
  label->setObjectName("Label37");
  edtLocation = new QLineEdit(ConfiguratorSettings);
  edtLocation->setObjectName("edtLocation");
  edtLocation->setReadOnly(true);
  label->setBuddy(edtLocation);
  QuibPathButton = new QPushButton("...", ConfiguratorSettings);
  QuibPathButton->setObjectName("QuibPathButton");
  QuibPathButton->setFixedWidth(QuibPathButton->fontMetrics().horizontalAdvance("...") + 20);
  QuibPathButton->setToolTip(tr("Locate Quib"));
  auto* locationRow = new QHBoxLayout;
  locationRow->addWidget(edtLocation, 1);
  locationRow->addWidget(QuibPathButton);
  grid->addWidget(label, 0, 0);
  grid->addLayout(locationRow, 0, 1, 1, 3);

  btnRunQuib = new QPushButton(tr("&Run Quib"), ConfiguratorSettings);
  btnRunQuib->setObjectName("btnRunQuib");
  btnRunQuib->setProperty("tag", 0);
  btnRunQuibW = new QPushButton(tr("Run Qu&ibW"), ConfiguratorSettings);
  btnRunQuibW->setObjectName("btnRunQuibW");
  btnRunQuibW->setProperty("tag", 1);
  cbLoadRomOnRun = new QCheckBox(tr("Load ROM on run"), ConfiguratorSettings);
  cbLoadRomOnRun->setObjectName("cbLoadRomOnRun");
  cbLoadRomOnRun->setToolTip(
      tr("When ticked, the run buttons first ask for a game file to load.\n"
         "Cancelling that question starts the emulator without a game."));
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(btnRunQuib);
  runRow->addWidget(btnRunQuibW);
  runRow->addWidget(cbLoadRomOnRun);
  runRow->addStretch(1);
  grid->addLayout(runRow, 1, 0, 1, 4);

  UndoButton = new QPushButton(tr("&Undo changes"), ConfiguratorSettings);
  UndoButton->setObjectName("UndoButton");
  UndoButton->setToolTip(tr("Reads every settings file again, discarding changes not yet applied"));
  ResetWarningsButton = new QPushButton(tr("Reset &warnings"), ConfiguratorSettings);
  ResetWarningsButton->setObjectName("ResetWarningsButton");
  ResetWarningsButton->setToolTip(tr("Shows again every message you chose not to see"));
  rgPreferSettingsFrom = new QGroupBox(tr("Prefer settings &from"), ConfiguratorSettings);
  rgPreferSettingsFrom->setObjectName("rgPreferSettingsFrom");
  rgPreferSettingsFrom->setToolTip(tr("If only one is available, this setting will be ignored"));
  auto* preferLayout = new QHBoxLayout(rgPreferSettingsFrom);
  auto* group = new QButtonGroup(rgPreferSettingsFrom);
  for (const char* item : {"Quib", "QuibW"}) {
    auto* radio = new QRadioButton(item, rgPreferSettingsFrom);
    radio->setObjectName(QString("rgPreferSettingsFrom_") + item);
    preferLayout->addWidget(radio);
    group->addButton(radio, static_cast<int>(preferButtons_.size()));
    preferButtons_.append(radio);
    connect(radio, &QRadioButton::clicked, this,
            [this] { Guarded([this] { rgPreferSettingsFromClick(); }); });
  }
  auto* commandRow = new QHBoxLayout;
  auto* commandColumn = new QVBoxLayout;
  commandColumn->addWidget(UndoButton);
  commandColumn->addWidget(ResetWarningsButton);
  commandRow->addLayout(commandColumn);
  commandRow->addWidget(rgPreferSettingsFrom, 1);
  grid->addLayout(commandRow, 2, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  // The left column (Run Quib, Undo changes, Reset warnings) and Run QuibW
  // beside it share one width, so the column has one straight edge.
  ShareButtonWidth({btnRunQuib, btnRunQuibW, UndoButton, ResetWarningsButton});

  connect(QuibPathButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { QuibPathButtonClick(); }); });
  connect(btnRunQuib, &QPushButton::clicked, this,
          [this] { Guarded([this] { btnRunQuibClick(0); }); });
  connect(btnRunQuibW, &QPushButton::clicked, this,
          [this] { Guarded([this] { btnRunQuibClick(1); }); });
  connect(UndoButton, &QPushButton::clicked, this,
          [this] { Guarded([this] { UndoButtonClick(); }); });
  connect(ResetWarningsButton, &QPushButton::clicked, this, [this] { ResetWarningsButtonClick(); });
}

int TForm1::PreferIndex() const {
  for (int i = 0; i < preferButtons_.size(); ++i)
    if (preferButtons_[i]->isChecked()) return i;
  return -1;
}

void TForm1::SetPreferIndex(int index) {
  if (index >= 0 && index < preferButtons_.size()) {
    preferButtons_[index]->setChecked(true);
    return;
  }
  auto* group = preferButtons_.front()->group();
  group->setExclusive(false);
  for (QRadioButton* b : preferButtons_) b->setChecked(false);
  group->setExclusive(true);
}

// ---------------------------------------------------------------------------
// Documents

Document* TForm1::PreferredDocument() {
  switch (PreferIndex()) {
    case 0:
      return QuibCfgPresent ? QuibDoc.get() : QuibWDoc.get();
    case 1:
      return QuibWCfgPresent ? QuibWDoc.get() : QuibDoc.get();
    default:
      return nullptr;
  }
}

Document* TForm1::BuildDocument(int build) {
  if (build == 0) return QuibCfgPresent ? QuibDoc.get() : nullptr;
  if (build == 1) return QuibWCfgPresent ? QuibWDoc.get() : nullptr;
  return nullptr;
}

void TForm1::WriteValueToBoth(std::string_view key, std::string_view value) {
  if (QuibCfgPresent && QuibDoc) WriteValue(*QuibDoc, key, value);
  if (QuibWCfgPresent && QuibWDoc) WriteValue(*QuibWDoc, key, value);
}

void TForm1::WriteIntegerToBoth(std::string_view key, std::int32_t number) {
  if (QuibCfgPresent && QuibDoc) WriteInteger(*QuibDoc, key, number);
  if (QuibWCfgPresent && QuibWDoc) WriteInteger(*QuibWDoc, key, number);
}

KeyScope TForm1::Shared() {
  KeyScope scope;
  scope.document = [this] { return PreferredDocument(); };
  scope.write = [this](std::string_view key, std::string_view value) {
    WriteValueToBoth(key, value);
  };
  return scope;
}

std::filesystem::path TForm1::QuibFile(const char* name) const {
#ifdef _WIN32
  // UTF-16, as the system takes it: no letter is lost to the ANSI code page.
  return std::filesystem::path((QuibPath + name).toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(QuibPath + name).toStdString());
#endif
}

// ---------------------------------------------------------------------------
// Messages and errors

platform::Answer TForm1::Message(const QString& caption, const QString& text, platform::Icon icon,
                                 platform::Buttons buttons, bool foreground) {
  platform::MessageRequest request;
  request.caption = caption;
  request.text = text;
  request.icon = icon;
  request.buttons = buttons;
  request.defaultButton =
      buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
  request.foreground = foreground;
  return platform::Current().MessageBox(isVisible() ? this : nullptr, request);
}

void TForm1::ShowException(const std::exception& error) {
  QString text = QString::fromLocal8Bit(error.what());
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

QString TForm1::SettingsFile() {
  auto& p = platform::Current();
  const QString exeDir = p.ExecutableDir();
  const QString beside = exeDir + "Quib Configurator.ini";
  const QFileInfo file(beside);
  // The file is replaced through a temporary file in its folder, so the
  // folder must take new files and an existing file must be writable.
  const bool besideWritable =
      QFileInfo(exeDir).isWritable() && (!file.exists() || file.isWritable());
#ifdef _WIN32
  // Beside the program, where Windows users keep it.
  if (besideWritable) return beside;
#else
  // In the user's configuration folder, unless a file already sits beside
  // the program (a portable copy): that one goes on being used.
  if (file.exists() && besideWritable) return beside;
#endif
  const QString config = p.UserConfigDir();
  if (config.isEmpty()) return beside;
  QDir().mkpath(config);
  return config + "Quib Configurator.ini";
}

QImage TForm1::StripImage(const QString& name) {
  const auto known = stripPictures_.find(name);
  if (known != stripPictures_.end()) return known->second;
  if (!stripFiles_) {
    stripDir_ = platform::Current().ExecutableDir();
    stripFiles_ = QDir(stripDir_).entryList({"*.bmp"}, QDir::Files);
  }
  // The file name is matched without regard to case, as on Windows; the
  // exact spelling wins when several match.
  const QString wanted = name + ".bmp";
  QString found;
  for (const QString& file : *stripFiles_) {
    if (file == wanted) {
      found = file;
      break;
    }
    if (found.isEmpty() && file.compare(wanted, Qt::CaseInsensitive) == 0) found = file;
  }
  QImage strip;
  if (!found.isEmpty()) strip.load(QDir(stripDir_).filePath(found));
  // A replacement that cannot be read falls back to the built-in strip.
  if (strip.isNull()) strip = imaging::ReadBuiltIn(":/strips/" + wanted);
  if (!strip.isNull()) {
    // Magenta is the transparent colour: one pass over the strip, as the
    // colours a cell shows are those of its 24-bit form.
    const QImage rgb = strip.convertToFormat(QImage::Format_RGB888);
    QImage keyed(rgb.size(), QImage::Format_ARGB32);
    for (int y = 0; y < rgb.height(); ++y) {
      const uchar* in = rgb.constScanLine(y);
      auto* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
      for (int x = 0; x < rgb.width(); ++x, in += 3) {
        const QRgb colour = qRgb(in[0], in[1], in[2]);
        out[x] = colour == qRgb(255, 0, 255) ? 0 : colour;
      }
    }
    strip = keyed;
  }
  stripPictures_.emplace(name, strip);
  return strip;
}

void TForm1::LoadImageStrip(const QString& name, ImageList& list, int row) {
  const QImage strip = StripImage(name);
  if (strip.isNull() || strip.width() < 16) return;
  list.clear();
  const int cells = strip.width() / 16;
  for (int i = 0; i < cells; ++i)
    list.push_back(QPixmap::fromImage(strip.copy(16 * i, 16 * row, 16, 16)));
}

void TForm1::SetPageImages(TPageControl* control, const ImageList& list) {
  for (int i = 0; i < control->count(); ++i)
    control->setTabIcon(i, static_cast<std::size_t>(i) < list.size()
                               ? QIcon(list[static_cast<std::size_t>(i)])
                               : QIcon());
}

void TForm1::SetTabImages(QTabBar* tabs, const QString& strip) {
  std::size_t slot = 0;
  while (slot < ImageListUsed.size() && ImageListUsed[slot]) ++slot;
  if (slot == ImageListUsed.size()) return;
  ImageListUsed[slot] = true;
  LoadImageStrip(strip, ImageLists[slot], 0);
  for (TabStrip& s : strips_)
    if (s.bar == tabs) s.images = static_cast<int>(slot);
  SetStripIcons(tabs, static_cast<int>(slot));
}

void TForm1::SetStripIcons(QTabBar* tabs, int slot) {
  if (slot < 0) return;
  const ImageList& list = ImageLists[static_cast<std::size_t>(slot)];
  for (int i = 0; i < tabs->count(); ++i)
    tabs->setTabIcon(i, static_cast<std::size_t>(i) < list.size()
                            ? QIcon(list[static_cast<std::size_t>(i)])
                            : QIcon());
}

void TForm1::AddStripTabs(QWidget* page) {
  for (TabStrip& s : strips_) {
    if (s.captions.isEmpty() || s.bar->parentWidget() != page) continue;
    for (const QString& caption : s.captions) s.bar->addTab(caption);
    s.captions.clear();
    SetStripIcons(s.bar, s.images);
  }
}

void TForm1::LocateQuib() {
  platform::OpenFileRequest request;
  request.title = tr("Please locate Quib or QuibW (or press Cancel)");
  request.fileName = "Quib*.exe";
  request.filter = "Quib|quib.exe;quibw.exe|" + tr("All files") + "|*.*";
  request.initialDir = QuibPath;
  request.mustExist = true;
  request.hideReadOnly = true;
  const std::optional<QString> chosen = platform::Current().OpenFile(this, request);
  if (!chosen) return;
  QuibPath = WithSeparator(QFileInfo(*chosen).absolutePath());
}

void TForm1::SetStartDirectory(const QString& path) {
  if (path.isEmpty()) {
    startDir_.clear();
    return;
  }
  const QFileInfo info(path);
  startDir_ =
      WithSeparator(QDir::cleanPath(info.isFile() ? info.absolutePath() : info.absoluteFilePath()));
}

QString TForm1::ReadmeFile() const {
  const QString exeDir = platform::Current().ExecutableDir();
  const QString beside = exeDir + "readme.txt";
  if (QFileInfo::exists(beside)) return beside;
  const QString installed = QDir::cleanPath(exeDir + "../share/doc/quib-configurator/readme.txt");
  if (QFileInfo::exists(installed)) return QDir::toNativeSeparators(installed);
  return beside;
}

void TForm1::ReadProgramSettings() {
  const QString ini = SettingsFile();
  auto& p = platform::Current();
  auto readInt = [&](const char* key, int fallback) {
    return ParseIniInt(p.ReadProfileString(ini, kSection, key, QString()), fallback);
  };
  move(readInt("Left", 100), readInt("Top", 100));
  QuibPath = p.ReadProfileString(ini, kSection, "Quib path", QString());
  if (!QuibPath.isEmpty()) QuibPath = WithSeparator(QuibPath);
}

bool TForm1::FormCreate() {
  // Numbers with fractions always use a point.
  std::setlocale(LC_NUMERIC, "C");
  ImageListUsed[0] = true;
  LoadImageStrip("Tabs", ImageLists[0], 0);
  SetPageImages(PageControl, ImageLists[0]);
  SetTabImages(tcBlitterOS, "OSes");
  SetTabImages(tcSoundOS, "OSes");
  SetTabImages(tcGUIOS, "OSes");
  SetTabImages(tcSoundFormat, "SoundFormats");
  // The strips are read again by the next start only.
  stripPictures_.clear();
  stripFiles_.reset();

  ReadProgramSettings();
  storedQuibPath_ = QuibPath;
  if (!startDir_.isEmpty()) QuibPath = startDir_;
  if (QuibPath.isEmpty()) LocateQuib();
  if (QuibPath.isEmpty()) {
    Message(tr("Error"),
            tr("You need to locate Quib so this program can load its settings files.\r"
               "This program will now close."),
            platform::Icon::Error, platform::Buttons::Ok, true);
    return false;
  }

  const QString ini = SettingsFile();
  auto& p = platform::Current();
  auto readInt = [&](const char* key, int fallback) {
    return ParseIniInt(p.ReadProfileString(ini, kSection, key, QString()), fallback);
  };
  // The stored page, or the Donate page when the stored index names none.
  const int active = readInt("Active page", 0);
  PageControl->setCurrentIndex(active >= 0 && active < PageControl->count() ? active : 1);
  MissingPictureWarning = readInt("Missing picture warning", 1) != 0;
  ShowMessageWhenApplying = readInt("Show message when applying", 1) != 0;
  ShowNESWarning = readInt("Show NES warning", 1) != 0;
  // The program only ever stores 0 or 1; a negative number would leave no
  // preferred document and the blitter, input and theme files would be saved
  // empty, so it counts as 0.
  const int preferred = readInt("Preferred cfg file", 0);
  SetPreferIndex(preferred >= 1 ? 1 : 0);
  cbLoadRomOnRun->setChecked(readInt("Load ROM on run", 0) != 0);
  LastRomPath = p.ReadProfileString(ini, kSection, "Last ROM path", QString());
  if (!LastRomPath.isEmpty()) LastRomPath = WithSeparator(LastRomPath);

  QuibCfgPresent = QFileInfo::exists(QuibPath + "quib.cfg");
  QuibWCfgPresent = QFileInfo::exists(QuibPath + "quibw.cfg");
  if (QuibCfgPresent) QuibDoc = std::make_unique<Document>();
  if (QuibWCfgPresent) QuibWDoc = std::make_unique<Document>();
  preferButtons_[0]->setEnabled(QuibCfgPresent);
  btnRunQuib->setEnabled(QuibCfgPresent);
  preferButtons_[1]->setEnabled(QuibWCfgPresent);
  btnRunQuibW->setEnabled(QuibWCfgPresent);
  BlitterDoc.clear();
  InputDoc.clear();
  ThemeDoc.clear();
  CurrentBlock.clear();

  // The pages, built before the window is shown. With the room the pages
  // needed last time (same program, style, font and screen) recorded, only
  // what start-up needs is built now: the page shown, and the Theme page,
  // whose choice is checked at once (with the GUI page when the preview is
  // shown, for its resolution; with the Sound page on Windows NT, whose fill
  // may warn). The others follow the first drawing.
  roomKey_ = page_size::Key();
  recordedRoom_ = page_size::Read(platform::Current().UserCacheDir(), roomKey_);
  if (recordedRoom_) {
    const QString active = PageControl->activePage()->objectName();
    std::vector<QString> now{active, "Theme"};
    if (active == "Theme") now.push_back("GUI");
    if (platform::Current().IsWindowsNT()) now.push_back("Sound");
    BuildPages(now);
  } else {
    BuildPages({});
  }

  QString readme = ReadmeFile();
#ifdef _WIN32
  readme = readme.toLower();
#endif
  labelTips_ = {{"lblReadme", readme},
                {"lblQuibTxt", QuibPath + "Quib.txt"},
                {"lblQuibWTxt", QuibPath + "QuibW.txt"}};
  ApplyLabelTips(this);
  return true;
}

void TForm1::ApplyLabelTips(QWidget* root) {
  if (labelTips_.empty()) return;
  for (QLabel* label : root->findChildren<QLabel*>()) {
    for (const auto& [name, tip] : labelTips_)
      if (label->objectName() == name) label->setToolTip(tip);
  }
}

QSize TForm1::PagesRoom() const {
  // The pages are kPageHeight pixels high whatever the number of tab rows,
  // or as high as the tallest page needs with this desktop's fonts.
  QSize room(kWindowWidth - 12, kPageHeight);
  for (const QSize& hint : pageRoom_)
    if (hint.isValid()) room = room.expandedTo(hint);
  return room;
}

void TForm1::FitPages(QSize room) {
  appliedRoom_ = room;
  PageControl->setFixedWidth(room.width() + 4);
  const int tabs = PageControl->height() - PageControl->activePage()->height();
  PageControl->setFixedHeight(room.height() + std::max(tabs, 0));
  const QMargins margins = this->layout()->contentsMargins();
  setFixedSize(PageControl->width() + margins.left() + margins.right(),
               PageControl->height() + margins.top() + kButtonRowHeight);
}

void TForm1::BuildPages(const std::vector<QString>& tabs) {
  auto wanted = [&](const PageMaker& maker) {
    if (tabs.empty()) return true;
    for (const char* tab : maker.tabs)
      if (std::find(tabs.begin(), tabs.end(), QLatin1String(tab)) != tabs.end()) return true;
    return false;
  };
  std::vector<Page*> fresh;
  for (std::size_t i = 0; i < makers_.size(); ++i) {
    if (built_[i] != nullptr || !wanted(makers_[i])) continue;
    for (const char* tab : makers_[i].tabs) AddStripTabs(PageWidget(tab));
    built_[i] = makers_[i].make(*this);
    ++builtCount_;
    fresh.push_back(built_[i]);
  }
  if (fresh.empty()) return;
  pages_.clear();
  for (Page* page : built_)
    if (page != nullptr) pages_.push_back(page);

  // A page is complete when every class that puts controls on it is built;
  // it is measured then, before a fill changes what its lists hold.
  auto complete = [&](const QString& name) {
    for (std::size_t i = 0; i < makers_.size(); ++i)
      for (const char* tab : makers_[i].tabs)
        if (name == QLatin1String(tab) && built_[i] == nullptr) return false;
    return true;
  };
  for (int i = 0; i < PageControl->count(); ++i) {
    QWidget* page = PageControl->page(i);
    QSize& room = pageRoom_[static_cast<std::size_t>(i)];
    if (room.isValid() || !complete(page->objectName())) continue;
    OneLineValidator::KeepAll(page);
    ApplyLabelTips(page);
    room = page->minimumSizeHint();
  }

  // Pages built after a load show what the documents hold, as if they had
  // taken part in it: every fill step in order, nothing written meanwhile.
  if (!filled_) return;
  FillGuard fill;
  const KeyIndex quibIndex(QuibDoc.get()), quibwIndex(QuibWDoc.get());
  for (int step = kFirstFillStep; step <= kLastFillStep; ++step)
    for (Page* page : fresh) page->Fill(static_cast<FillStep>(step));
}

void TForm1::BuildAllPages() {
  if (!AllPagesBuilt()) BuildPages({});
  if (!shown_ || roomChecked_) return;
  // Every page is measured now: the window takes the room they need if the
  // recorded room was not it, and the room is recorded for the next start.
  roomChecked_ = true;
  const QSize room = PagesRoom();
  if (room != appliedRoom_) FitPages(room);
  if (room != recordedRoom_) page_size::Store(platform::Current().UserCacheDir(), roomKey_, room);
}

void TForm1::FinishStartUp() {
  if (painted_ && !paintReported_) {
    paintReported_ = true;
    if (FirstPainted) FirstPainted();
  }
  if (finishing_ || loading_ || closed_ || (AllPagesBuilt() && roomChecked_)) return;
  finishing_ = true;
  BuildAllPages();
  finishing_ = false;
}

bool TForm1::event(QEvent* event) {
  if (event->type() == kFinishStartUp) {
    FinishStartUp();
    return true;
  }
  const bool handled = QWidget::event(event);
  // The first drawing is done: what start-up left for later follows at once.
  if (event->type() == QEvent::UpdateRequest && painted_ && !paintReported_) FinishStartUp();
  return handled;
}

void TForm1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  // Drawn without an update request (an expose): finish on the next turn.
  QCoreApplication::postEvent(this, new QEvent(kFinishStartUp));
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
  // With the room the pages needed last time recorded, the window takes it
  // now and the pages FormCreate left are built after the first drawing;
  // otherwise every page is measured now.
  if (recordedRoom_) {
    FitPages(*recordedRoom_);
  } else {
    BuildPages({});
    FitPages(PagesRoom());
    roomChecked_ = true;
    page_size::Store(platform::Current().UserCacheDir(), roomKey_, appliedRoom_);
  }
  Guarded([this] { LoadSettings(); });
  if (closed_) return;
  if (ThemesComboChange) Guarded([this] { ThemesComboChange(); });
  LoadingFinished = true;
  CheckQuibRunning();
}

void TForm1::LoadSettings() {
  if (!isVisible() || closed_) return;
  FillGuard fill;
  // Pages are not built while a load runs (a question it asks lets the
  // window be drawn); the first drawing's work follows the load.
  struct Loading {
    TForm1& form;
    bool outer;
    explicit Loading(TForm1& f) : form(f), outer(!f.loading_) { form.loading_ = true; }
    ~Loading() {
      if (!outer) return;
      form.loading_ = false;
      if (form.painted_ && !form.AllPagesBuilt())
        QCoreApplication::postEvent(&form, new QEvent(kFinishStartUp));
    }
  } loading(*this);

  const bool filesPresent =
      QFileInfo::exists(QuibPath + "quib.blt") && QFileInfo::exists(QuibPath + "quib.inp") &&
      QFileInfo::exists(QuibPath + "quib.msg") && QFileInfo::exists(QuibPath + "quib.thm") &&
      (QuibCfgPresent || QuibWCfgPresent);
  if (!filesPresent) {
    const platform::Answer answer =
        Message(tr("Error"),
                tr("One or more of the required configuration files was not found.\r\r"
                   "The required files are:\r"
                   "Either quib.cfg (for Quib) or quibw.cfg (for QuibW)\r"
                   "quib.blt (blitters)\r"
                   "quib.inp (input)\r"
                   "quib.msg (messages)\r"
                   "quib.thm (themes)\r\r"
                   "Do you want to relocate Quib?"),
                platform::Icon::Error, platform::Buttons::YesNo, true);
    if (answer == platform::Answer::Yes) {
      LocateQuib();
      Message(tr("Restart required"), tr("Please restart the program to try again."),
              platform::Icon::Information);
    }
    close();
    return;
  }

  // Every file is read before any document changes: a file that cannot be
  // read stops the load with all documents as the last complete load left
  // them, never half from one load and half from another, and with nothing
  // that may be saved until a load succeeds. What each file held is noted, so
  // that a save can tell whether someone else changed it since.
  loadedPath_.clear();
  Document quib, quibw, blitters, input, themes;
  std::map<std::filesystem::path, FileStamp> stamps;
  // While the settings files are read, any line may show the version mark,
  // and their names are noted for their indexes.
  LineNotes quibNotes, quibwNotes;
  for (LineNotes* notes : {&quibNotes, &quibwNotes}) {
    notes->mark = "QUIB 0.72";
    notes->noteNames = true;
  }
  auto load = [&](Document& doc, const char* name, LineNotes* notes = nullptr) {
    const std::filesystem::path file = QuibFile(name);
    LoadDocument(doc, file, &stamps[file], LineForm::Normalized, notes);
  };
  if (QuibCfgPresent) load(quib, "quib.cfg", &quibNotes);
  if (QuibWCfgPresent) load(quibw, "quibw.cfg", &quibwNotes);
  load(blitters, "quib.blt");
  load(input, "quib.inp");
  load(themes, "quib.thm");
  stamps_ = std::move(stamps);
  if (QuibCfgPresent) *QuibDoc = std::move(quib);
  if (QuibWCfgPresent) *QuibWDoc = std::move(quibw);
  BlitterDoc = std::move(blitters);
  InputDoc = std::move(input);
  ThemeDoc = std::move(themes);
  loadedPath_ = QuibPath;

  Document* preferred = PreferredDocument();
  if (preferred == nullptr) return;

  if (!(preferred == QuibDoc.get() ? quibNotes : quibwNotes).marked) {
    Message(
        tr("Version mismatch"),
        tr("Quib Configurator has detected that you are running it on a version of Quib other "
           "than the one it was designed for.\r\n"
           "It will continue to run but please note that it is not guaranteed to work well or "
           "at all. It will not destroy your Quib settings.\r\n"
           "You might want to see if a new version of Quib Configurator has been released yet."),
        platform::Icon::Warning);
  }

  // The fill reads many keys of the settings files, which only the store
  // changes meanwhile: each is read through an index of its names.
  const KeyIndex quibIndex(QuibDoc.get(), std::move(quibNotes.names)),
      quibwIndex(QuibWDoc.get(), std::move(quibwNotes.names));
  filled_ = true;
  const std::vector<Page*> pages = pages_;
  for (int step = kFirstFillStep; step <= kLastFillStep; ++step) {
    if (static_cast<FillStep>(step) == FillStep::Location) edtLocation->setText(QuibPath);
    for (Page* page : pages) page->Fill(static_cast<FillStep>(step));
  }
}

// ---------------------------------------------------------------------------
// Applying, undoing and closing

std::vector<save_set::Entry> TForm1::FilesToSave() const {
  std::vector<save_set::Entry> entries;
  auto add = [&](const Document& doc, const char* name) {
    entries.push_back({QuibFile(name), DocumentBytes(doc)});
  };
  if (QuibCfgPresent) add(*QuibDoc, "quib.cfg");
  if (QuibWCfgPresent) add(*QuibWDoc, "quibw.cfg");
  add(BlitterDoc, "quib.blt");
  add(InputDoc, "quib.inp");
  add(ThemeDoc, "quib.thm");
  return entries;
}

bool TForm1::ConfirmOverwritingChangedFiles(const std::vector<save_set::Entry>& entries) {
  QStringList changed;
  for (const save_set::Entry& entry : entries) {
    const auto stamp = stamps_.find(entry.path);
    if (stamp == stamps_.end() || !StillAsLoaded(entry.path, stamp->second))
      changed << QDir::toNativeSeparators(
          QFile::decodeName(QByteArray::fromStdString(entry.path.string())));
  }
  if (changed.isEmpty()) return true;
  platform::MessageRequest request;
  request.caption = tr("Settings files changed on disk");
  request.text =
      (changed.size() == 1 ? tr("This file was changed on disk after it was loaded:")
                           : tr("These files were changed on disk after they were loaded:")) +
      "\r" + changed.join("\r") + "\r\r" +
      tr("Do you want to overwrite the changes made there with your settings?\r\r"
         "Choose No to cancel this Apply; \"Undo changes\" on the Miscellaneous page "
         "then loads the files as they are now.");
  request.icon = platform::Icon::Warning;
  request.buttons = platform::Buttons::YesNo;
  request.defaultButton = platform::Answer::No;
  return platform::Current().MessageBox(isVisible() ? this : nullptr, request) ==
         platform::Answer::Yes;
}

void TForm1::RememberSaved(const save_set::PreparedSet& prepared,
                           const std::vector<std::filesystem::path>& saved) {
  for (std::size_t i = 0; i < prepared.size(); ++i) {
    const save_set::Entry& entry = prepared.entry(i);
    if (std::find(saved.begin(), saved.end(), entry.path) != saved.end())
      stamps_[entry.path] = StampOfWritten(entry.bytes, entry.path);
  }
}

bool TForm1::SaveSettings() {
  // A page's fill may complete a document (a key the emulator wants present).
  if (filled_) BuildAllPages();
  // Documents that were never read from the emulator directory (its files
  // could not all be read) would replace its files with other contents.
  if (loadedPath_.isEmpty() || loadedPath_ != QuibPath) {
    throw std::runtime_error(
        tr("Nothing was saved: the settings files in \"%1\" could not all be read")
            .arg(QuibPath)
            .toLocal8Bit()
            .toStdString());
  }
  // 1. What is saved, and whether someone else changed those files since.
  std::vector<save_set::Entry> entries = FilesToSave();
  if (!ConfirmOverwritingChangedFiles(entries)) return false;
  // 2. Every file written and flushed beside its target; a failure here
  //    removes them all and replaces nothing.
  save_set::PreparedSet prepared(std::move(entries));
  // 3. The files about to be replaced are kept as a backup set, complete
  //    and flushed; a backup that cannot be written stops here. Then every
  //    file is replaced, in order.
  std::vector<std::filesystem::path> all;
  for (std::size_t i = 0; i < prepared.size(); ++i) all.push_back(prepared.entry(i).path);
  backups::Store store = BackupStoreOf(*this);
  try {
    backups::CommitWithBackup(prepared, store);
  } catch (const save_set::SaveSetError& error) {
    RememberSaved(prepared, error.saved());
    throw;
  }
  RememberSaved(prepared, all);
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
  if (PageControl->activePage() == PageWidget("Theme")) {
    QApplication::processEvents();
    if (ThemesComboChange) Guarded([this] { ThemesComboChange(); });
  } else if (CloseThemeEditor) {
    CloseThemeEditor();
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!closed_) FormCloseQuery();
  event->accept();
}

void TForm1::FormCloseQuery() {
  closed_ = true;
  for (ImageList& list : ImageLists) list.clear();
  QuibDoc.reset();
  QuibWDoc.reset();
  BlitterDoc.clear();
  InputDoc.clear();
  ThemeDoc.clear();
  CurrentBlock.clear();

  const QString ini = SettingsFile();
  auto& p = platform::Current();
  auto write = [&](const char* key, const QString& value) {
    p.WriteProfileString(ini, kSection, key, value);
  };
  write("Left", QString::number(pos().x()));
  write("Top", QString::number(pos().y()));
  const bool commandLineRun =
      !startDir_.isEmpty() && QuibPath == startDir_ && !storedQuibPath_.isEmpty();
  write("Quib path", commandLineRun ? storedQuibPath_ : QuibPath);
  write("Active page", QString::number(PageControl->currentIndex()));
  write("Missing picture warning", MissingPictureWarning ? "1" : "0");
  write("Show message when applying", ShowMessageWhenApplying ? "1" : "0");
  write("Show NES warning", ShowNESWarning ? "1" : "0");
  write("Preferred cfg file", QString::number(PreferIndex()));
  write("Load ROM on run", cbLoadRomOnRun->isChecked() ? "1" : "0");
  write("Last ROM path", LastRomPath);
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------
// Running the emulator

void TForm1::btnRunQuibClick(int tag) {
  const QString program = QuibPath + (tag == 0 ? "quib.exe" : "quibw.exe");
  QString game;
  if (cbLoadRomOnRun->isChecked()) {
    platform::OpenFileRequest request;
    request.title = tr("Load ROM...");
    request.filter = tr("All roms") +
                     " (*.sms;*.gg;*.sg;*.sc;*.sf7;*.rom;*.col;*.zip)|"
                     "*.sms;*.gg;*.sg;*.sc;*.sf7;*.rom;*.col;*.zip|Master System (*.sms)|*.sms|"
                     "Game Gear (*.gg)|*.gg|SG-1000 (*.sg)|*.sg|SC-3000 (*.sc)|*.sc|"
                     "SF-7000 (*.sf7)|*.sf7|ColecoVision (*.rom;*.col)|*.rom;*.col|" +
                     tr("Zipped roms") + " (*.zip)|*.zip|" + tr("All files") + " (*.*)|*.*";
    if (RomDialogFileName.isEmpty()) {
      request.initialDir = LastRomPath;
    } else {
      const QFileInfo last(RomDialogFileName);
      request.initialDir = WithSeparator(last.absolutePath());
      request.fileName = last.fileName();
    }
    request.mustExist = true;
    request.hideReadOnly = true;
    if (const std::optional<QString> chosen = platform::Current().OpenFile(this, request)) {
      game = QDir::toNativeSeparators(*chosen);
      RomDialogFileName = game;
      LastRomPath = WithSeparator(QFileInfo(game).absolutePath());
    }
  }
  platform::Current().StartProcess(program, game);
}

void TForm1::RunButtonClick() {
  if (!ApplyButtonClick()) return;
  btnRunQuibClick(PreferIndex() == 0 ? 0 : 1);
}

void TForm1::CheckQuibRunning() {
  if (platform::Current().FindWindow("AllegroWindow", "Quib - 8-bit or die!")) {
    Message(tr("Quib is running"),
            tr("It looks like Quib is running - your settings will be overwritten when it quits. "
               "Try not to use Quib Configurator when Quib is running to avoid confusion."),
            platform::Icon::Error);
  }
}

void TForm1::URL1Click(QLabel* label) {
  platform::Current().ShellExecute("open", label->toolTip());
}

// Hints stay on screen for 20 seconds.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // The window is first drawn when the system exposes it: the drawing is
  // done here, and what start-up left for later follows at once.
  if (event->type() == QEvent::Expose && !painted_ && shown_ &&
      watched == static_cast<QObject*>(windowHandle())) {
    watched->event(event);
    if (painted_) FinishStartUp();
    return true;  // delivered here, not a second time
  }
  // The user acts on the window only once every page is there.
  if (shown_ && !AllPagesBuilt() && !loading_) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::ShortcutOverride:
      case QEvent::Wheel:
      case QEvent::TouchBegin: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) FinishStartUp();
        break;
      }
      default:
        break;
    }
  }
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
