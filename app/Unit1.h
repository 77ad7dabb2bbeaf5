// The main window: the frame and its shortcuts, start-up, the loader that
// fills every page, the commands (apply, undo, run) and the close. It holds
// the module state every page works with (the emulator directory, the warning
// switches) and the emulator's documents, the five files; the pages see them
// through a PageContext.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/EmulatorFiles.h"
#include "app/RunEmulator.h"
#include "app/TabPictures.h"
#include "platform/Platform.h"
#include "themes/QuibTheme.h"

class ConfiguratorSettingsGroup;
class NoticeBar;
class DiskFollower;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class TPageControl;
class Page;
struct PageContext;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // ---- The emulator's documents --------------------------------------------
  EmulatorDocuments Documents;

  // ---- Module state -------------------------------------------------------
  QString QuibPath;     // the emulator directory, ending with the separator
  QString LastRomPath;  // folder of the last game file chosen, with separator
  bool MissingPictureWarning = true;
  bool ShowMessageWhenApplying = true;
  bool ShowNESWarning = true;
  int CurrentBlitterOS = 0;             // build of the blitter tab shown
  TQuibTheme CurrentTheme;              // the theme built at the last selection
  std::array<ImageList, 5> ImageLists;  // 0: page tabs, 1..4: the tab strips

  // The preferred document: Quib or QuibW, as "Prefer settings from" says,
  // falling back to the one that exists; nullptr when no item is selected.
  Document* PreferredDocument() { return Documents.PreferredOf(PreferIndex()); }
  // A file of the emulator directory, as a path for the store.
  std::filesystem::path QuibFile(const char* name) const { return EmulatorFile(QuibPath, name); }

  // ---- Start-up and loading ------------------------------------------------
  // Returns false when the program must end (no emulator directory).
  bool FormCreate();
  void FormShow();
  void LocateQuib();
  void LoadSettings();
  // Fills every page again from the documents as they are, reading nothing
  // (after they took in changes made on disk).
  void ShowDocuments();
  QString SettingsFile() const;
  // An emulator directory named on the command line, given before
  // FormCreate: it is used instead of the stored one, as if located with the
  // "..." button. A file stands for its directory.
  void SetStartDirectory(const QString& path);
  QString ReadmeFile() const;

  // ---- Commands ------------------------------------------------------------
  // Saves every document to its file, all or none (store/SaveSet.h); a file
  // changed on disk gets the window's edits made on it, after the user
  // answered which side keeps each part both changed. Returns false when the
  // user cancelled that question; throws when the files could not be saved.
  bool SaveSettings();
  // Returns false when nothing was saved because the user cancelled.
  bool ApplyButtonClick();
  void OKButtonClick();
  void CancelButtonClick();
  void UndoButtonClick();
  void rgPreferSettingsFromClick();
  void ResetWarningsButtonClick();
  void QuibPathButtonClick();
  void PageControlChange();
  void btnRunQuibClick(int tag);
  void RunButtonClick();
  void URL1Click(QLabel* label);
  void CheckQuibRunning();

  // Runs a handler; a file error (or any other) is shown as the application's
  // general error handler does and stops the handler. Returns false then.
  bool Guarded(const std::function<void()>& handler);
  void ShowException(const std::exception& error);
  // A message box over the window (once shown). A Yes/No box defaults to Yes
  // unless another default button is given.
  platform::Answer Message(const QString& caption, const QString& text, platform::Icon icon,
                           platform::Buttons buttons = platform::Buttons::Ok,
                           platform::Answer defaultButton = platform::Answer::Yes,
                           bool foreground = false);

  // ---- Controls ------------------------------------------------------------
  // The bar above the pages that tells of changes on disk; the window grows
  // by its height while it shows.
  NoticeBar* Notice = nullptr;
  TPageControl* PageControl = nullptr;
  QWidget* PageWidget(const char* objectName) const;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QPushButton* ApplyButton = nullptr;
  QPushButton* RunButton = nullptr;
  QPushButton* ChangesButton = nullptr;
  QTabBar* tcGUIOS = nullptr;
  QTabBar* tcSoundOS = nullptr;
  QTabBar* tcBlitterOS = nullptr;
  QTabBar* tcSoundFormat = nullptr;
  // "Configurator settings" on the Miscellaneous page, and its controls.
  ConfiguratorSettingsGroup* ConfiguratorSettings = nullptr;
  QLineEdit* edtLocation = nullptr;
  QPushButton* QuibPathButton = nullptr;
  QPushButton* btnRunQuib = nullptr;
  QPushButton* btnRunQuibW = nullptr;
  QCheckBox* cbLoadRomOnRun = nullptr;
  QPushButton* UndoButton = nullptr;
  QPushButton* ResetWarningsButton = nullptr;
  QGroupBox* rgPreferSettingsFrom = nullptr;
  // The selected item of rgPreferSettingsFrom (-1: none).
  int PreferIndex() const;
  TRomOpenDialog RomOpenDialog;

  // The page classes, in fill order.
  const std::vector<Page*>& Pages() const { return pages_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWindow();
  void ConnectConfiguratorSettings();
  void FormCloseQuery();
  // Gives the pages the room the tallest and widest of them needs, and the
  // window the size that goes with it.
  void FitPages();
  // The window's size around the pages, the notice bar and the button row.
  void FitWindow();
  void FillPages(LineNames quibNames, LineNames quibwNames);

  std::unique_ptr<PageContext> context_;  // what the pages see of the window
  DiskFollower* follower_ = nullptr;      // follows the files while the window is open
  std::vector<Page*> pages_;
  QString startDir_;  // named on the command line, or empty
  // The directory the settings file recorded at start-up (see
  // DirectoryToRecord).
  QString storedQuibPath_;
  bool shown_ = false;
  bool closed_ = false;
};
