// Base of every page class: a page reacts to the loader's fill steps and owns
// the bindings of its controls.
#pragma once

#include <QObject>

#include "app/Binding.h"
#include "app/FillSteps.h"

class TForm1;
class QWidget;

class Page : public QObject {
  Q_OBJECT

 public:
  Page(TForm1& form, QWidget* page);
  // Runs for every fill step of the loader, in order; a page acts on its own.
  virtual void Fill(FillStep step) { (void)step; }

 protected:
  TForm1& form_;
  QWidget* page_;
  Bindings bind_;
};
