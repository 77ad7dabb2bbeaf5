#include "app/pages/BlitterPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTabBar>
#include <array>

#include "app/PageContext.h"
#include "app/Text.h"
#include "app/logic/WordTables.h"
#include "blitters/BlitterBlocks.h"
#include "blitters/BlitterNameForm.h"
#include "platform/Platform.h"
#include "ui_BlitterPage.h"

namespace {

logic::WordTable Drivers(int build) {
  return logic::VideoDrivers(static_cast<logic::Build>(build));
}

// Sets a combo box's text from the program: the item that reads so is
// selected, otherwise none, and no handler runs.
void ShowComboText(QComboBox* combo, const QString& text) {
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
  combo->setEditText(text);
}

void SelectItem(QComboBox* combo, int index) {
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(index);
}

// A Yes/No question with No as the default button.
bool Confirm(const PageContext& context, const QString& caption, const QString& text,
             platform::Icon icon) {
  return context.Message(caption, text, icon, platform::Buttons::YesNo, platform::Answer::No) ==
         platform::Answer::Yes;
}

}  // namespace

BlitterPage::BlitterPage(PageContext& context)
    : Page(context, context.PageWidget("Blitters")), ui_(std::make_unique<Ui::BlitterPage>()) {
  ui_->setupUi(page_);
  SetValues(ui_->BlitterRes, kBlitterResItems);
  SetValues(ui_->BlitterRefreshRate, kBlitterRefreshRateItems);
  SetValues(ui_->cbColourDepth, kBlitterColourDepthItems);
  SetItems(ui_->BlitterBlitter, logic::kBlitterFilterCaptions);
  ui_->tabLayout->addWidget(context.tcBlitterOS);
  QWidget::setTabOrder(context.tcBlitterOS, ui_->BlittersCombo);
  for (QComboBox* box : {ui_->BlitterRes, ui_->BlitterRefreshRate, ui_->cbColourDepth}) {
    // Typed values are stored as typed: no completion, no new items on Enter.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
  }
  ui_->BlittersCombo->setMaxVisibleItems(18);
  ui_->BlitterDriver->setMaxVisibleItems(9);

  connect(context.tcBlitterOS, &QTabBar::currentChanged, this, [this] { tcBlitterOSChange(); });
  connect(ui_->BlittersCombo, &QComboBox::activated, this, [this] { BlittersComboChange(); });
  // The resolution handler runs on every keystroke and on every selection.
  connect(ui_->BlitterRes, &QComboBox::editTextChanged, this, [this] { BlitterResChange(); });
  connect(ui_->BlitterRes, &QComboBox::activated, this, [this] { BlitterResChange(); });
  connect(ui_->BlitterDriver, &QComboBox::activated, this, [this] { BlitterDriverChange(); });
  connect(ui_->BlitterBlitter, &QComboBox::activated, this, [this] { BlitterBlitterChange(); });
  for (QComboBox* box : {ui_->BlitterRefreshRate, ui_->cbColourDepth}) {
    connect(box, &QComboBox::editTextChanged, this, [this, box] { BlitterRefreshRateChange(box); });
    connect(box, &QComboBox::activated, this, [this, box] { BlitterRefreshRateChange(box); });
  }
  // The switches act on every change of state, the program's included; their
  // routines leave the block alone while a fill runs.
  connect(ui_->BlitterVSynch, &QCheckBox::toggled, this, [this] { BlitterVSynchClick(); });
  connect(ui_->BlitterFlipped, &QCheckBox::toggled, this, [this] { BlitterFlippedClick(); });
  connect(ui_->cbTripleBuffering, &QCheckBox::toggled, this, [this] { cbTripleBufferingClick(); });
  connect(ui_->cbFullscreenStretch, &QCheckBox::toggled, this,
          [this] { cbFullscreenStretchClick(); });

  connect(ui_->AddBlitterButton, &QPushButton::clicked, this, [this] { AddBlitterButtonClick(); });
  connect(ui_->RenameBlitterButton, &QPushButton::clicked, this,
          [this] { RenameBlitterButtonClick(); });
  connect(ui_->DeleteBlitterButton, &QPushButton::clicked, this,
          [this] { DeleteBlitterButtonClick(); });
  connect(ui_->UncommentBlittersButton, &QPushButton::clicked, this,
          [this] { UncommentBlittersButtonClick(); });
}

BlitterPage::~BlitterPage() = default;

int BlitterPage::Build() const { return context_.CurrentBlitterOS; }

std::string BlitterPage::ShownName() const {
  // With nothing selected the name is empty and belongs to no blitter.
  if (ui_->BlittersCombo->currentIndex() < 0) return {};
  return FromQ(ui_->BlittersCombo->currentText());
}

void BlitterPage::Fill(FillStep step) {
  if (step != FillStep::Blitter) return;
  {
    const QSignalBlocker block(context_.tcBlitterOS);
    context_.tcBlitterOS->setCurrentIndex(context_.Documents.QuibCfgPresent ? 0 : 1);
  }
  tcBlitterOSChange();
}

// ---------------------------------------------------------------------------
// Showing blitters

void BlitterPage::FillBlittersCombo() {
  const QSignalBlocker block(ui_->BlittersCombo);
  ui_->BlittersCombo->clear();
  for (const std::string& name : BlitterNames(context_.Documents.BlitterDoc, Build()))
    ui_->BlittersCombo->addItem(ToQ(name));
}

void BlitterPage::tcBlitterOSChange() {
  const FillGuard fill;
  context_.CurrentBlitterOS = context_.tcBlitterOS->currentIndex();
  {
    const QSignalBlocker block(ui_->BlitterDriver);
    ui_->BlitterDriver->clear();
    for (const logic::WordEntry& entry : Drivers(Build()))
      ui_->BlitterDriver->addItem(Caption(entry.caption));
    ui_->BlitterDriver->setCurrentIndex(-1);
  }
  FillBlittersCombo();
  const int count = ui_->BlittersCombo->count();
  int index = count > 0 ? 0 : -1;
  if (const Document* settings = context_.Documents.BuildDocument(Build()))
    index = BlitterIndexInList(ReadInteger(*settings, "blitter"), count);
  SelectItem(ui_->BlittersCombo, index);
  BlittersComboChange();
}

void BlitterPage::BlittersComboChange() {
  const std::string name = ShownName();
  BlitterBlockView view;
  {
    // Showing a blitter never changes the blitter document: the switches'
    // routines and the value handlers do nothing meanwhile.
    const FillGuard fill;
    context_.Documents.CurrentBlock =
        LoadBlitterBlock(context_.Documents.BlitterDoc, name, Build());
    view = ViewBlitterBlock(context_.Documents.CurrentBlock);
    ui_->BlitterVSynch->setChecked(view.vsync);
    ui_->BlitterFlipped->setChecked(view.flipped);
    ShowComboText(ui_->BlitterRes, ToQ(view.res));
    {
      const QSignalBlocker block(ui_->BlitterRefreshRate);
      ui_->BlitterRefreshRate->setCurrentIndex(-1);
      if (!view.refreshRate.empty())
        ui_->BlitterRefreshRate->setEditText(ToQ(view.refreshRate));
      else
        ui_->BlitterRefreshRate->setCurrentIndex(0);
    }
    std::vector<std::string_view> driverWords;
    for (const logic::WordEntry& entry : Drivers(Build())) driverWords.push_back(entry.word);
    // A word no item stands for (another build's driver, say) leaves the
    // selection as it was.
    if (const int driver = MatchBlitterWord(driverWords, view.driver); driver >= 0)
      SelectItem(ui_->BlitterDriver, driver);
    if (const int filter = MatchBlitterWord(kBlitterFilterWords, view.filter); filter >= 0)
      SelectItem(ui_->BlitterBlitter, filter);
  }
  // Remembered only for a blitter of the list: an empty list keeps the stored
  // selection rather than writing -1.
  const int selected = ui_->BlittersCombo->currentIndex();
  if (Document* settings = context_.Documents.BuildDocument(Build());
      settings != nullptr && selected >= 0)
    WriteInteger(*settings, "blitter", selected);
  const FillGuard fill;
  ShowComboText(ui_->cbColourDepth, ToQ(view.colourDepth));
  ui_->cbFullscreenStretch->setChecked(view.stretch);
  ui_->cbTripleBuffering->setChecked(view.tripleBuffering);
}

// ---------------------------------------------------------------------------
// Editing the blitter shown

void BlitterPage::BlitterResChange() {
  QComboBox* res = ui_->BlitterRes;
  const BlitterResPick pick =
      ChangeBlitterRes(context_.Documents.BlitterDoc, context_.Documents.CurrentBlock, ShownName(),
                       Build(), FromQ(res->currentText()), res->currentIndex());
  if (pick.selectItem && LoadingFinished) SelectItem(res, pick.itemIndex);
}

void BlitterPage::BlitterDriverChange() {
  const std::optional<std::string_view> word =
      logic::WordAt(Drivers(Build()), ui_->BlitterDriver->currentIndex());
  if (word)
    SetBlitterValue(context_.Documents.BlitterDoc, context_.Documents.CurrentBlock, ShownName(),
                    Build(), "driver", *word);
}

void BlitterPage::BlitterBlitterChange() {
  ChangeBlitterFilter(context_.Documents.BlitterDoc, context_.Documents.CurrentBlock, ShownName(),
                      Build(), ui_->BlitterBlitter->currentIndex());
}

void BlitterPage::BlitterRefreshRateChange(QComboBox* sender) {
  const std::string text = FromQ(sender->currentText());
  if (sender == ui_->cbColourDepth)
    ChangeBlitterColourDepth(context_.Documents.BlitterDoc, context_.Documents.CurrentBlock,
                             ShownName(), Build(), text);
  else
    ChangeBlitterRefreshRate(context_.Documents.BlitterDoc, context_.Documents.CurrentBlock,
                             ShownName(), Build(), text);
}

void BlitterPage::FlagChanged(int flag, bool ticked) {
  const std::array<QCheckBox*, kBlitterFlagCount> boxes = {
      ui_->BlitterVSynch, ui_->BlitterFlipped, ui_->cbTripleBuffering, ui_->cbFullscreenStretch};
  BlitterFlagStates states{};
  for (std::size_t i = 0; i < boxes.size(); ++i) states[i] = boxes[i]->isChecked();
  const auto which = static_cast<BlitterFlag>(flag);
  const bool changed =
      ticked ? TickBlitterFlag(context_.Documents.BlitterDoc, context_.Documents.CurrentBlock,
                               ShownName(), Build(), which, states)
             : ClearBlitterFlag(context_.Documents.BlitterDoc, context_.Documents.CurrentBlock,
                                ShownName(), Build(), which, states);
  if (!changed) return;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const QSignalBlocker block(boxes[i]);
    boxes[i]->setChecked(states[i]);
  }
}

void BlitterPage::BlitterVSynchClick() {
  FlagChanged(static_cast<int>(BlitterFlag::VSync), ui_->BlitterVSynch->isChecked());
}

void BlitterPage::BlitterFlippedClick() {
  FlagChanged(static_cast<int>(BlitterFlag::Flipped), ui_->BlitterFlipped->isChecked());
}

void BlitterPage::cbTripleBufferingClick() {
  FlagChanged(static_cast<int>(BlitterFlag::TripleBuffering), ui_->cbTripleBuffering->isChecked());
}

void BlitterPage::cbFullscreenStretchClick() {
  FlagChanged(static_cast<int>(BlitterFlag::Stretch), ui_->cbFullscreenStretch->isChecked());
}

// ---------------------------------------------------------------------------
// Managing blitters

std::optional<QString> BlitterPage::AskBlitterName(const QString* current) {
  // The dialog lives for this one question only.
  TBlitterNameForm dialog(&context_.Window);
  dialog.setWindowTitle(tr("Blitter name"));
  dialog.Button1->setText(context_.OKButton->text());
  dialog.Button2->setText(context_.CancelButton->text());
  if (current != nullptr) dialog.Edit1->setText(*current);
  if (dialog.ShowModal() != QDialog::Accepted) return std::nullopt;
  // A pasted line break would split the header over two lines of the file:
  // the name ends where the field's first line ends.
  QString name = dialog.Edit1->text();
  const qsizetype lineBreak = name.indexOf(QRegularExpression("[\r\n]"));
  if (lineBreak >= 0) name.truncate(lineBreak);
  return name;
}

void BlitterPage::AddBlitterButtonClick() {
  const std::optional<QString> name = AskBlitterName(nullptr);
  if (!name || name->isEmpty()) return;
  const int index = AddBlitter(context_.Documents.BlitterDoc, FromQ(*name), Build());
  if (index < 0) return;
  FillBlittersCombo();
  SelectItem(ui_->BlittersCombo, index);
  BlittersComboChange();
}

void BlitterPage::RenameBlitterButtonClick() {
  const int index = ui_->BlittersCombo->currentIndex();
  // No blitter selected: nothing to rename, so nothing is asked.
  if (index < 0) return;
  const QString current = ui_->BlittersCombo->currentText();
  const std::optional<QString> name = AskBlitterName(&current);
  if (!name || name->isEmpty() || *name == current) return;
  if (!RenameBlitter(context_.Documents.BlitterDoc, FromQ(current), FromQ(*name), Build())) return;
  {
    const QSignalBlocker block(ui_->BlittersCombo);
    ui_->BlittersCombo->setItemText(index, *name);
    ui_->BlittersCombo->setCurrentIndex(index);
  }
  BlittersComboChange();
}

void BlitterPage::DeleteBlitterButtonClick() {
  if (!Confirm(context_, tr("Please confirm blitter deletion"),
               tr("Are you sure you want to delete this blitter:\r%1")
                   .arg(ui_->BlittersCombo->currentText()),
               platform::Icon::Question))
    return;
  const int index = DeleteBlitter(context_.Documents.BlitterDoc, ShownName(), Build(),
                                  ui_->BlittersCombo->currentIndex());
  FillBlittersCombo();
  SelectItem(ui_->BlittersCombo, index);
  BlittersComboChange();
}

void BlitterPage::UncommentBlittersButtonClick() {
  if (!Confirm(context_, tr("Warning"),
               tr("This is an automated function and should correctly uncomment all of the "
                  "blitters.\rIt works OK with my standard Quib.blt, but could possibly mess up a "
                  "modified file.\rNote that the uncommented blitters might need some tweaking to "
                  "work as well as possible.\r\rAre you sure you want to continue?"),
               platform::Icon::Warning))
    return;
  const int index = UncommentBlitters(context_.Documents.BlitterDoc, ShownName(), Build());
  FillBlittersCombo();
  SelectItem(ui_->BlittersCombo, index);
  // The current block still holds the lines read before; showing the blitter
  // again reads it afresh, so the next edit cannot put stale lines back.
  BlittersComboChange();
}
