#include "app/RestoreDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/Text.h"
#include "platform/Platform.h"

TRestoreForm::TRestoreForm(QWidget* parent, std::vector<backups::BackupSet> sets,
                           std::function<bool(const backups::BackupSet&)> restore)
    : QDialog(parent), sets_(std::move(sets)), restore_(std::move(restore)) {
  setObjectName("RestoreForm");
  setWindowTitle(tr("Restore"));
  resize(620, 360);

  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(sets_.empty() ? tr("No files have been backed up yet: a backup "
                                              "is made each time Apply replaces them.")
                                         : tr("Before each Apply the files it replaced were "
                                              "kept. Choose the set to write back:"),
                           this);
  label->setObjectName("lblRestore");
  label->setWordWrap(true);
  layout->addWidget(label);

  lvBackups_ = new QTreeWidget(this);
  lvBackups_->setObjectName("lvBackups");
  lvBackups_->setAccessibleName(tr("Backup sets"));
  lvBackups_->setAccessibleDescription(label->text());
  lvBackups_->setRootIsDecorated(false);
  lvBackups_->setHeaderLabels({tr("Time"), tr("Files"), tr("Size")});
  for (const backups::BackupSet& set : sets_) {
    QStringList names;
    for (const backups::SetFile& file : set.files) names << QString::fromStdString(file.name);
    auto* item = new QTreeWidgetItem(
        lvBackups_, {ShownTime(set), names.join(", "),
                     QLocale::c().formattedDataSize(static_cast<qint64>(set.bytes))});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  lvBackups_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  lvBackups_->header()->setStretchLastSection(false);
  lvBackups_->resizeColumnToContents(0);
  if (!sets_.empty()) lvBackups_->setCurrentItem(lvBackups_->topLevelItem(0));
  layout->addWidget(lvBackups_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  btnRestoreSet_ = new QPushButton(tr("&Restore"), this);
  btnRestoreSet_->setObjectName("btnRestoreSet");
  btnRestoreSet_->setEnabled(!sets_.empty());
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("btnCancel");
  buttons->addWidget(btnRestoreSet_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(btnRestoreSet_, &QPushButton::clicked, this, [this] { RestoreClick(); });
  connect(lvBackups_, &QTreeWidget::itemActivated, this, [this] { RestoreClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TRestoreForm::RestoreClick() {
  const int index = lvBackups_->indexOfTopLevelItem(lvBackups_->currentItem());
  if (index < 0 || index >= static_cast<int>(sets_.size())) return;
  const backups::BackupSet& set = sets_[static_cast<std::size_t>(index)];
  QStringList names;
  for (const backups::SetFile& file : set.files) names << QString::fromStdString(file.name);

  const QString text =
      tr("Write back the files kept at %1?\r%2\r\rThe files there now are backed up first. "
         "Every page is then loaded again from the files: changes not yet applied are lost.")
          .arg(ShownTime(set), names.join(", "));
  if (platform::Message(this, tr("Restore"), text, platform::Icon::Question,
                        platform::Buttons::YesNo, platform::Answer::No) != platform::Answer::Yes)
    return;
  if (restore_(set)) accept();
}
