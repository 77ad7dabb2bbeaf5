#include "app/ConflictsDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

std::function<int(TConflictsForm&)> TConflictsForm::ModalHook;

namespace {

// The two answers of a row are exclusive: their ticks are drawn as radio
// buttons.
class RadioTicks : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_IndicatorItemViewItemCheck) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    QStyleOptionButton radio;
    radio.QStyleOption::operator=(*option);
    QProxyStyle::drawPrimitive(PE_IndicatorRadioButton, &radio, painter, widget);
  }
};

// Marks a value not in the file: its cell is drawn dimmed unless selected.
constexpr int kMissingRole = Qt::UserRole;

// A click anywhere in an answer's cell, or Space on it, ticks it; nothing
// unticks it (the other answer of the row does). A value not in the file is
// dimmed, but takes the selection's text colour when selected (some styles
// draw selected text in the cell's own text colour).
class AnswerCells : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(kMissingRole).toBool() && !(option->state & QStyle::State_Selected))
      option->palette.setColor(QPalette::Text,
                               option->palette.color(QPalette::Disabled, QPalette::Text));
  }
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
    if (!(index.flags() & Qt::ItemIsUserCheckable)) return false;
    bool tick = false;
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      tick = mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      tick = key == Qt::Key_Space || key == Qt::Key_Select;
    }
    if (!tick) return event->type() == QEvent::MouseButtonDblClick;
    model->setData(index, Qt::Checked, Qt::CheckStateRole);
    return true;
  }
};

// A value as one line of the table: a block's lines joined by a return sign.
QString OneLine(const QString& value) {
  QString line = value;
  line.replace("\r\n", "\n");
  return line.replace('\n', QString(" \u21B5 "));
}

}  // namespace

TConflictsForm::TConflictsForm(QWidget* owner, std::vector<ConflictRow> rows)
    : QDialog(owner), rows_(std::move(rows)) {
  setObjectName("ConflictsForm");
  setWindowTitle(tr("Settings changed in two places"));
  if (owner != nullptr) setFont(owner->font());
  setSizeGripEnabled(true);

  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(tr("These settings were changed in this window and also on disk since "
                              "the files were loaded. Choose for each the value to keep: nothing "
                              "is saved until each one is answered."),
                           this);
  label->setObjectName("lblConflicts");
  label->setWordWrap(true);
  layout->addWidget(label);

  table_ = new QTableWidget(static_cast<int>(rows_.size()), kColumns, this);
  table_->setObjectName("ConflictsTable");
  auto* ticks = new RadioTicks;
  ticks->setParent(table_);
  table_->setStyle(ticks);
  table_->setItemDelegate(new AnswerCells(table_));
  table_->setAccessibleName(windowTitle());
  table_->setAccessibleDescription(label->text());
  table_->setHorizontalHeaderLabels(
      {tr("File"), tr("Setting"), tr("When loaded"), tr("In the window"), tr("On disk now")});
  table_->verticalHeader()->hide();
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideRight);
  // Tab leaves the table; the arrow keys move within it.
  table_->setTabKeyNavigation(false);
  Fill();
  QHeaderView* header = table_->horizontalHeader();
  table_->resizeColumnsToContents();
  for (const int column : {LoadedColumn, WindowColumn, DiskColumn})
    header->setSectionResizeMode(column, QHeaderView::Stretch);
  layout->addWidget(table_, 1);

  auto* buttons = new QHBoxLayout;
  auto* allMine = new QPushButton(tr("Keep all from the &window"), this);
  allMine->setObjectName("AllMineButton");
  allMine->setAccessibleDescription(tr("Keeps the window's value of every setting"));
  auto* allTheirs = new QPushButton(tr("Keep all from &disk"), this);
  allTheirs->setObjectName("AllTheirsButton");
  allTheirs->setAccessibleDescription(tr("Keeps the value on disk of every setting"));
  okButton_ = new QPushButton(tr("&Apply"), this);
  okButton_->setObjectName("ConflictsOkButton");
  okButton_->setAccessibleDescription(tr("Saves, once every setting is answered"));
  okButton_->setDefault(true);
  okButton_->setEnabled(rows_.empty());
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("ConflictsCancelButton");
  cancel->setAccessibleDescription(tr("Saves nothing"));
  for (QPushButton* button : {allMine, allTheirs}) buttons->addWidget(button);
  buttons->addStretch(1);
  for (QPushButton* button : {okButton_, cancel}) buttons->addWidget(button);
  layout->addLayout(buttons);

  connect(table_, &QTableWidget::itemChanged, this,
          [this](QTableWidgetItem* item) { CellChanged(item); });
  connect(allMine, &QPushButton::clicked, this, [this] {
    for (int row = 0; row < table_->rowCount(); ++row) Choose(row, true);
  });
  connect(allTheirs, &QPushButton::clicked, this, [this] {
    for (int row = 0; row < table_->rowCount(); ++row) Choose(row, false);
  });
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  if (table_->rowCount() > 0) table_->setCurrentCell(0, WindowColumn);
  table_->setFocus();

  // Wide enough for the file and setting names and some of each value, but
  // at most a little wider than the owner (the values are elided, their tool
  // tips show them whole); tall enough for the rows, up to a dozen; centred
  // over the owner, on its screen.
  const int rowHeight =
      std::max(table_->fontMetrics().height(),
               style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, table_)) +
      8;
  table_->verticalHeader()->setDefaultSectionSize(rowHeight);
  header->setHighlightSections(false);
  const QRect screen =
      (owner != nullptr ? owner->screen() : QApplication::primaryScreen())->availableGeometry();
  int columns = 2 * table_->frameWidth() + 2;
  for (int column = 0; column < kColumns; ++column) {
    const int size = header->sectionSize(column);
    columns += column < LoadedColumn ? size : std::clamp(size, 100, 220);
  }
  const int rowsShown = std::clamp(table_->rowCount(), 2, 12);
  const int tableFrame = header->sizeHint().height() + 2 * table_->frameWidth() + 2;
  const int tableHeight = tableFrame + rowsShown * rowHeight;
  table_->setMinimumHeight(tableFrame + 2 * rowHeight);
  const QMargins margins = layout->contentsMargins();
  const int sides = margins.left() + margins.right();
  const int widest =
      std::min(owner != nullptr ? owner->window()->width() * 11 / 10 : screen.width(),
               screen.width() * 9 / 10);
  const int width = std::max(std::min(std::max(columns + sides, 560), widest),
                             buttons->sizeHint().width() + sides);
  const int height = layout->totalHeightForWidth(width) - table_->sizeHint().height() + tableHeight;
  resize(width, std::min(height, screen.height() * 9 / 10));
  QRect place(QPoint(), size());
  place.moveCenter(owner != nullptr ? owner->window()->geometry().center() : screen.center());
  move(std::max(screen.left(), std::min(place.left(), screen.right() + 1 - place.width())),
       std::max(screen.top(), std::min(place.top(), screen.bottom() + 1 - place.height())));
}

void TConflictsForm::Fill() {
  QFont italic = font();
  italic.setItalic(true);
  const QString missing = tr("(not in the file)");
  for (int row = 0; row < table_->rowCount(); ++row) {
    const ConflictRow& conflict = rows_[static_cast<std::size_t>(row)];
    const std::optional<QString> values[] = {conflict.loaded, conflict.window, conflict.disk};
    const QString shown[] = {values[0].value_or(missing), values[1].value_or(missing),
                             values[2].value_or(missing)};
    //: What a screen reader says of each row of the table: %1 a setting, %2
    //: its file, %3 to %5 its values.
    const QString summary = tr("%1 in %2. When loaded: %3. In the window: %4. On disk now: %5.")
                                .arg(conflict.setting, conflict.file, shown[0], shown[1], shown[2]);
    const QString texts[] = {conflict.file, conflict.setting, shown[0], shown[1], shown[2]};
    for (int column = 0; column < kColumns; ++column) {
      auto* item =
          new QTableWidgetItem(column < LoadedColumn ? texts[column] : OneLine(texts[column]));
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      item->setToolTip(texts[column]);
      item->setData(Qt::AccessibleDescriptionRole, summary);
      if (column >= LoadedColumn && !values[column - LoadedColumn]) {
        item->setFont(italic);
        item->setData(kMissingRole, true);
      }
      if (column == WindowColumn || column == DiskColumn) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::AccessibleTextRole,
                      (column == WindowColumn ? tr("Keep the window's value: %1")
                                              : tr("Keep the value on disk: %1"))
                          .arg(texts[column]));
      }
      table_->setItem(row, column, item);
    }
  }
}

void TConflictsForm::Choose(int row, bool keepWindow) {
  if (QTableWidgetItem* item = table_->item(row, keepWindow ? WindowColumn : DiskColumn))
    item->setCheckState(Qt::Checked);
}

void TConflictsForm::CellChanged(QTableWidgetItem* item) {
  if (settling_ || (item->column() != WindowColumn && item->column() != DiskColumn)) return;
  settling_ = true;
  if (item->checkState() == Qt::Checked) {
    const int other = item->column() == WindowColumn ? DiskColumn : WindowColumn;
    table_->item(item->row(), other)->setCheckState(Qt::Unchecked);
  }
  settling_ = false;
  okButton_->setEnabled(!Choices().empty());
}

std::vector<bool> TConflictsForm::Choices() const {
  std::vector<bool> choices;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const bool mine = table_->item(row, WindowColumn)->checkState() == Qt::Checked;
    if (!mine && table_->item(row, DiskColumn)->checkState() != Qt::Checked) return {};
    choices.push_back(mine);
  }
  return choices;
}

int TConflictsForm::ShowModal() {
  if (ModalHook) return ModalHook(*this);
  return exec();
}

std::optional<std::vector<bool>> AskConflicts(QWidget* owner, std::vector<ConflictRow> rows) {
  const std::size_t count = rows.size();
  if (count == 0) return std::vector<bool>{};
  TConflictsForm form(owner, std::move(rows));
  if (form.ShowModal() != QDialog::Accepted) return std::nullopt;
  std::vector<bool> choices = form.Choices();
  if (choices.size() != count) return std::nullopt;
  return choices;
}
