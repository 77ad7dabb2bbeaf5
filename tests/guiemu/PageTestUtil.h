// Helpers shared by the GUI and Emulation page tests: editing the sample
// files before a start, driving the user's choices and applying to disk.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <string>

#include "tests/app/AppFixture.h"

class PageTest : public AppTest {
 protected:
  // The value of a key in a document, or "<none>" when there is no such line.
  static std::string Value(const Document* doc, const std::string& key) {
    if (doc == nullptr) return "<no document>";
    return FindKey(*doc, key) < 0 ? "<none>" : ReadValue(*doc, key);
  }
};
