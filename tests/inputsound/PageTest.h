// Shared helpers of the Input, Sound and template page tests: starting on a
// page, typing into fields and choosing drop-down items as the user does.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/PageControl.h"
#include "tests/app/AppFixture.h"

class PageTest : public AppTest {
 protected:
  // Starts the window with the sample files (after edits to them) on a page.
  TForm1* StartOn(int page, const QString& ini = QString()) {
    WriteIni(ini);
    TForm1* form = Start();
    if (form != nullptr) {
      form->PageControl->setCurrentIndex(page);
      QApplication::processEvents();
    }
    return form;
  }

  // Replaces the text of a name line in one of the sample files.
  void SetKey(const QString& file, const std::string& key, const std::string& line) {
    std::string text = ReadFile(file);
    const std::size_t at = text.find("\n" + key);
    ASSERT_NE(at, std::string::npos) << key;
    const std::size_t end = text.find('\n', at + 1);
    text.replace(at + 1, end - at - 1, line + "\r");
    WriteFile(file, text);
  }




  static QString Key(const Document& doc, const std::string& key) {
    return QString::fromStdString(Line(doc, key));
  }
};
