#include "app/pages/GuiPage.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/WordTables.h"
#include "ui_GuiPage.h"

GuiPage::GuiPage(PageContext& context)
    : Page(context, context.PageWidget("GUI")), ui_(std::make_unique<Ui::GuiPage>()) {
  Ui::GuiPage& ui = *ui_;
  ui.setupUi(page_);
  SetValues(ui.GUIRes, logic::kGuiResolutions);
  SetValues(ui.GUIRefreshRate, logic::kRefreshRates);
  // The build tab strip heads the per-build panel inside "Video mode".
  ui.tabStripLayout->insertWidget(0, context.tcGUIOS);
  QWidget::setTabOrder(ui.StartInGUI, context.tcGUIOS);
  QWidget::setTabOrder(context.tcGUIOS, ui.GUIRes);
  // Typed text is stored as typed: no completion, and Enter adds no item.
  // When the user leaves a field (or presses Enter), the combo box selects the
  // item whose caption equals the text and reports it as activated; that is no
  // pick and must store nothing (a stored "Auto" stays until edited). The flag
  // is raised before the combo box hears of it and lowered after.
  for (QComboBox* combo : {ui.GUIRes, ui.GUIRefreshRate}) {
    auto* edit = new QLineEdit(combo);
    connect(edit, &QLineEdit::editingFinished, this, [this] { finishingEdit_ = true; });
    combo->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { finishingEdit_ = false; });
    combo->setCompleter(nullptr);
  }
  // Wide enough for the longest caption of either build, so the page does not
  // change its layout when the tab changes.
  for (const logic::Build build : {logic::Build::Quib, logic::Build::QuibW})
    for (const std::string_view caption : logic::Captions(logic::VideoDrivers(build)))
      ui.GUIDriver->addItem(Caption(caption));
  ui.GUIDriver->setMinimumWidth(ui.GUIDriver->sizeHint().width());
  ui.GUIDriver->clear();

  const KeyScope shared = context.Shared();
  const KeyScope tab = KeyScope::In(
      [this] { return context_.Documents.BuildDocument(context_.tcGUIOS->currentIndex()); });

  bind_.Check(ui.StartInGUI, "start_in_gui", shared);
  bind_.Edit(ui.GUIRes->lineEdit(), "gui_video_mode", tab);
  bind_.Combo(
      ui.GUIDriver, "gui_video_driver", tab,
      [this](const std::string& stored) { return logic::VideoDriverIndex(TabBuild(), stored); },
      [this](int index) -> std::optional<std::string> {
        const auto word = logic::WordAt(logic::VideoDrivers(TabBuild()), index);
        if (!word) return std::nullopt;
        return std::string(*word);
      });
  bind_.Edit(ui.GUIRefreshRate->lineEdit(), "gui_refresh_rate", tab, {},
             [](const std::string& text) { return logic::RefreshRateWord(text); });
  bind_.Check(ui.GUIVSynch, "gui_vsync", tab);

  bind_.Edit(ui.FBWidth, "fb_width", shared);
  bind_.Edit(ui.FBHeight, "fb_height", shared);
  bind_.Check(ui.UseVLFN, "fb_uses_db", shared);
  bind_.Check(ui.FBClose, "fb_close_after_load", shared);
  bind_.Check(ui.FSAfterLoad, "fb_fullscreen_after_load", shared);

  // Picking an item whose caption is the text already shown still stores it.
  for (QComboBox* combo : {ui.GUIRes, ui.GUIRefreshRate})
    connect(combo, &QComboBox::activated, this, [this, combo] {
      if (!finishingEdit_) bind_.Store(combo->lineEdit());
    });
  connect(context.tcGUIOS, &QTabBar::currentChanged, this, [this] { tcGUIOSChange(); });
}

GuiPage::~GuiPage() = default;

logic::Build GuiPage::TabBuild() const {
  return context_.tcGUIOS->currentIndex() == 1 ? logic::Build::QuibW : logic::Build::Quib;
}

void GuiPage::Fill(FillStep step) {
  if (step != FillStep::Gui) return;
  Ui::GuiPage& ui = *ui_;
  bind_.Fill({ui.StartInGUI});
  {
    const QSignalBlocker block(context_.tcGUIOS);
    context_.tcGUIOS->setCurrentIndex(context_.Documents.QuibCfgPresent ? 0 : 1);
  }
  tcGUIOSChange();
  bind_.Fill({ui.FBWidth, ui.FBHeight, ui.UseVLFN, ui.FBClose, ui.FSAfterLoad});
}

void GuiPage::tcGUIOSChange() {
  Ui::GuiPage& ui = *ui_;
  const int index = context_.tcGUIOS->currentIndex();
  Document* doc = context_.Documents.BuildDocument(index);
  if (doc == nullptr) {
    const QSignalBlocker block(context_.tcGUIOS);
    context_.tcGUIOS->setCurrentIndex(tcGUIOSTag_);
    return;
  }
  // Showing the build's values is no edit: nothing reaches the documents.
  FillGuard fill;

  ui.GUIRes->setCurrentIndex(-1);
  bind_.Fill({ui.GUIRes->lineEdit()});

  // The item list always belongs to the build shown.
  ui.GUIDriver->clear();
  for (const std::string_view caption : logic::Captions(logic::VideoDrivers(TabBuild())))
    ui.GUIDriver->addItem(Caption(caption));
  ui.GUIDriver->setCurrentIndex(-1);
  bind_.Fill({ui.GUIDriver});

  // The stored text is shown as it is; an item is selected only when its
  // caption in lower case is exactly that text.
  ui.GUIRefreshRate->setCurrentIndex(-1);
  bind_.Fill({ui.GUIRefreshRate->lineEdit()});
  if (const auto item = logic::RefreshRateIndex(ReadValue(*doc, "gui_refresh_rate")))
    ui.GUIRefreshRate->setCurrentIndex(*item);

  bind_.Fill({ui.GUIVSynch});
  tcGUIOSTag_ = index;
}
