// The "Configurator settings" group of the Miscellaneous page: where the
// emulator is, running it, undoing changes, the warnings and which settings
// file is read first. The window connects its commands to the controls.
#pragma once

#include <QGroupBox>

#include "ui_ConfiguratorSettings.h"

class QButtonGroup;

class ConfiguratorSettingsGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit ConfiguratorSettingsGroup(QWidget* parent);

  // The selected item of rgPreferSettingsFrom (-1: none).
  int PreferIndex() const;
  // Selects an item; any other number selects none.
  void SetPreferIndex(int index);
  // The items and run buttons of the builds whose settings file is there.
  void EnableBuilds(bool quib, bool quibw);

  Ui::ConfiguratorSettings ui;

 signals:
  // A click on either item of rgPreferSettingsFrom.
  void preferenceClicked();

 private:
  QButtonGroup* prefer_ = nullptr;
};
