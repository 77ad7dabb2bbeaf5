#include "app/ConfiguratorSettings.h"

#include <QButtonGroup>
#include <algorithm>
#include <initializer_list>

namespace {

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

}  // namespace

ConfiguratorSettingsGroup::ConfiguratorSettingsGroup(QWidget* parent) : QGroupBox(parent) {
  ui.setupUi(this);
  ui.QuibPathButton->setFixedWidth(ui.QuibPathButton->fontMetrics().horizontalAdvance("...") + 20);
  prefer_ = new QButtonGroup(ui.rgPreferSettingsFrom);
  int id = 0;
  for (QRadioButton* radio : {ui.rgPreferSettingsFrom_Quib, ui.rgPreferSettingsFrom_QuibW}) {
    prefer_->addButton(radio, id++);
    connect(radio, &QRadioButton::clicked, this, &ConfiguratorSettingsGroup::preferenceClicked);
  }
  // The left column (Run Quib, Undo changes, Reset warnings) and Run QuibW
  // beside it share one width, so the column has one straight edge.
  ShareButtonWidth({ui.btnRunQuib, ui.btnRunQuibW, ui.UndoButton, ui.ResetWarningsButton});
}

int ConfiguratorSettingsGroup::PreferIndex() const { return prefer_->checkedId(); }

void ConfiguratorSettingsGroup::SetPreferIndex(int index) {
  if (QAbstractButton* item = prefer_->button(index)) {
    item->setChecked(true);
    return;
  }
  prefer_->setExclusive(false);
  for (QAbstractButton* item : prefer_->buttons()) item->setChecked(false);
  prefer_->setExclusive(true);
}

void ConfiguratorSettingsGroup::EnableBuilds(bool quib, bool quibw) {
  ui.rgPreferSettingsFrom_Quib->setEnabled(quib);
  ui.btnRunQuib->setEnabled(quib);
  ui.rgPreferSettingsFrom_QuibW->setEnabled(quibw);
  ui.btnRunQuibW->setEnabled(quibw);
}
