// One QApplication for the whole test program, created on first use.
#pragma once

#include <QApplication>

inline void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "chooser_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
}

// A first base or member that makes the application before any widget.
struct ApplicationFirst {
  ApplicationFirst() { EnsureApplication(); }
};
