// The main window: start-up, locating the emulator, loading every setting into
// the pages, applying, undoing and closing, and running the emulator. It owns
// the module state every page works with (the emulator directory, the warning
// switches and the documents).
#pragma once

#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <exception>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/Binding.h"
#include "platform/Platform.h"
#include "store/SaveSet.h"
#include "store/ZIniReader.h"
#include "themes/QuibTheme.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class TPageControl;
class Page;
class TForm1;

// A page class of the window (one per page or page group): the pages, by
// component name, it puts its controls on, and how it is made.
struct PageMaker {
  using Make = std::function<Page*(TForm1&)>;
  std::vector<const char*> tabs;
  Make make;
};

// A list of 16 by 16 images with magenta as the transparent colour.
using ImageList = std::vector<QPixmap>;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // ---- Module state -------------------------------------------------------
  QString QuibPath;     // the emulator directory, ending with the separator
  QString LastRomPath;  // folder of the last game file chosen, with separator
  bool MissingPictureWarning = true;
  bool ShowMessageWhenApplying = true;
  bool ShowNESWarning = true;
  bool QuibCfgPresent = false;
  bool QuibWCfgPresent = false;
  std::unique_ptr<Document> QuibDoc;    // quib.cfg, only when QuibCfgPresent
  std::unique_ptr<Document> QuibWDoc;   // quibw.cfg, only when QuibWCfgPresent
  Document BlitterDoc;                  // quib.blt
  Document InputDoc;                    // quib.inp
  Document ThemeDoc;                    // quib.thm
  Document CurrentBlock;                // the blitter block being edited
  int CurrentBlitterOS = 0;             // build of the blitter tab shown
  TQuibTheme CurrentTheme;              // the theme built at the last selection
  std::array<ImageList, 5> ImageLists;  // 0: page tabs, 1..4: the tab strips
  std::array<bool, 5> ImageListUsed{};

  // The preferred document: Quib or QuibW, as "Prefer settings from" says,
  // falling back to the one that exists; nullptr when no item is selected.
  Document* PreferredDocument();
  // The settings document of a build (0 Quib, 1 QuibW); nullptr when absent.
  Document* BuildDocument(int build);
  void WriteValueToBoth(std::string_view key, std::string_view value);
  void WriteIntegerToBoth(std::string_view key, std::int32_t number);
  // Shared keys: read from the preferred document, written into both.
  KeyScope Shared();
  // A file of the emulator directory, as a path for the store.
  std::filesystem::path QuibFile(const char* name) const;

  // ---- Start-up and loading ------------------------------------------------
  // Returns false when the program must end (no emulator directory).
  bool FormCreate();
  void FormShow();
  void LocateQuib();
  void LoadSettings();
  void LoadImageStrip(const QString& name, ImageList& list, int row);
  void SetPageImages(TPageControl* control, const ImageList& list);
  void SetTabImages(QTabBar* tabs, const QString& strip);
  // Where "Quib Configurator.ini" lives: in the user's configuration folder,
  // unless a writable one already sits beside the executable; on Windows
  // beside the executable unless that folder cannot be written.
  static QString SettingsFile();
  // An emulator directory named on the command line, given before
  // FormCreate: it is used instead of the stored one, as if located with the
  // "..." button. A file stands for its directory.
  void SetStartDirectory(const QString& path);
  // The user's readme the About page opens: beside the executable, else where
  // an installation puts it (share/doc/quib-configurator/ beside bin/).
  QString ReadmeFile() const;

  // ---- Commands ------------------------------------------------------------
  // Saves every document to its file, all or none (store/SaveSet.h). Returns
  // false when the user chose not to overwrite files changed on disk; throws
  // when the files could not be saved.
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
  platform::Answer Message(const QString& caption, const QString& text, platform::Icon icon,
                           platform::Buttons buttons = platform::Buttons::Ok,
                           bool foreground = false);

  // ---- Controls ------------------------------------------------------------
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
  // "Configurator settings" on the Miscellaneous page.
  QGroupBox* ConfiguratorSettings = nullptr;
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
  void SetPreferIndex(int index);

  // Hooks of the Theme page and the theme editor, set when they exist.
  std::function<void()> ThemesComboChange;
  std::function<void()> CloseThemeEditor;

  // The game file dialog's memory within one run.
  QString RomDialogFileName;

  // The page classes built so far, in fill order. Start-up builds the page
  // shown (and the Theme page, whose choice is checked at once) before the
  // window is first drawn, and every other page right after; each is filled
  // from the documents when it is built. Any input, Apply and the Changes
  // window build what is missing first.
  const std::vector<Page*>& Pages() const { return pages_; }
  // Builds (and fills, when the documents have been loaded) every page class
  // not built yet.
  void BuildAllPages();
  bool AllPagesBuilt() const { return builtCount_ == makers_.size(); }
  // Called once the window has been drawn for the first time, before the
  // remaining pages are built (used by the start-up benchmark).
  std::function<void()> FirstPainted;
  // The emulator directory the documents were last read from in full; empty
  // when the last load failed.
  const QString& LoadedPath() const { return loadedPath_; }
  // The files SaveSettings writes, with their bytes, in the order written.
  std::vector<save_set::Entry> FilesToSave() const;

  // What each emulator file held when it was last read or saved, by path.
  const std::map<std::filesystem::path, FileStamp>& LoadedStamps() const { return stamps_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildWindow();
  void BuildConfiguratorSettings();
  void FormCloseQuery();
  // Builds the page classes that put controls on any of these pages (all
  // that are missing when the list is empty), measures the pages they
  // complete before filling them, and fills them when a load has filled the
  // others.
  void BuildPages(const std::vector<QString>& tabs);
  // The room the pages need: the largest minimum size of any page, and never
  // less than the window's designed size.
  QSize PagesRoom() const;
  // Gives the pages this room and the window the size that goes with it.
  void FitPages(QSize room);
  // After the first drawing: the remaining pages, and the window's size
  // checked against all of them.
  void FinishStartUp();
  // Gives the About page's links their hints (the files they open).
  void ApplyLabelTips(QWidget* root);
  // A tab strip's picture with magenta made transparent: a file of that name
  // beside the program (any letter case), else the built-in one. Each is read
  // once while the window starts.
  QImage StripImage(const QString& name);
  // The tab strips of the pages get their tabs (and pictures) when the page
  // they stand on is built.
  void AddStripTabs(QWidget* page);
  void SetStripIcons(QTabBar* tabs, int slot);
  void ReadProgramSettings();
  // Asks whether files changed on disk since they were read may be
  // overwritten; true when none changed or the user said Yes.
  bool ConfirmOverwritingChangedFiles(const std::vector<save_set::Entry>& entries);
  // Notes what the saved files hold now.
  void RememberSaved(const save_set::PreparedSet& prepared,
                     const std::vector<std::filesystem::path>& saved);

  std::vector<Page*> pages_;
  std::vector<PageMaker> makers_;
  std::vector<Page*> built_;  // by maker; nullptr until built
  std::size_t builtCount_ = 0;
  std::vector<QSize> pageRoom_;  // by page index; invalid until measured
  QSize appliedRoom_;            // the room the window was given
  QString roomKey_;              // what the recorded room depends on
  std::optional<QSize> recordedRoom_;
  bool filled_ = false;  // whether a load has filled the pages
  bool painted_ = false;
  bool finishing_ = false;
  bool paintReported_ = false;
  bool loading_ = false;
  bool roomChecked_ = false;  // whether the room was measured with every page built
  // Hints of the About page's links, set at FormCreate (the page may come later).
  std::vector<std::pair<QString, QString>> labelTips_;
  struct TabStrip {
    QTabBar* bar;
    QStringList captions;  // the tabs still to add
    int images;            // its image list, -1 before FormCreate
  };
  std::vector<TabStrip> strips_;
  std::map<QString, QImage> stripPictures_;
  QString stripDir_;
  std::optional<QStringList> stripFiles_;  // the program folder's pictures, once listed
  // The emulator directory the documents were last read from, all of them.
  QString loadedPath_;
  QString startDir_;  // named on the command line, or empty
  // The directory the settings file recorded at start-up: a directory named on
  // the command line is used for that run only, so the close records this one
  // again unless the user located another or none was recorded.
  QString storedQuibPath_;
  std::map<std::filesystem::path, FileStamp> stamps_;
  QList<QRadioButton*> preferButtons_;
  bool shown_ = false;
  bool closed_ = false;
};

// Every page class that exists, in the order the pages are filled.
std::vector<PageMaker> PageMakers();
