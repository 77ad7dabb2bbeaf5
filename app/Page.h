// Base of every page class: a page reacts to the loader's fill steps and to
// being shown, and owns the bindings of its controls. It sees the main window
// only through its PageContext.
#pragma once

#include <QObject>
#include <vector>

#include "app/Binding.h"
#include "app/FillSteps.h"

struct PageContext;
class QWidget;

class Page : public QObject {
  Q_OBJECT

 public:
  Page(PageContext& context, QWidget* page);
  // Runs for every fill step of the loader, in order; a page acts on its own.
  virtual void Fill(FillStep step) { (void)step; }
  // The page of the page control this class fills.
  QWidget* PageWidget() const { return page_; }

 signals:
  // The window sends these: windowShown once, when it has been shown and its
  // pages filled for the first time; shown when the user brings this page to
  // the front, hidden when the user brings another page there.
  void windowShown();
  void shown();
  void hidden();

 protected:
  PageContext& context_;
  QWidget* page_;
  Bindings bind_;
};

// Creates every page class, in the order the pages are filled.
std::vector<Page*> CreatePages(PageContext& context);
