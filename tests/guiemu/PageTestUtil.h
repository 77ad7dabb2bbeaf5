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
  // Replaces the first "from" in a file of the emulator directory.
  void Replace(const QString& name, const std::string& from, const std::string& to) {
    std::string text = ReadFile(name);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " not in " << name.toStdString();
    text.replace(at, from.size(), to);
    WriteFile(name, text);
  }
  // The user picks an item of a drop-down.
  static void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  // Clicks a check box or radio button on its box (a wide button's middle may
  // lie beyond its caption, where a click does nothing).
  static void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  // Presses Apply and confirms the saved message.
  void Apply() {
    platform_.queueAnswer(platform::Answer::Yes);
    QTest::mouseClick(Find<QPushButton>("ApplyButton"), Qt::LeftButton);
  }
  // Whether a file on disk holds this line (with its CR LF).
  bool HasLine(const QString& name, const std::string& line) const {
    return ReadFile(name).find("\n" + line + "\r\n") != std::string::npos;
  }
  // The value of a key in a document, or "<none>" when there is no such line.
  static std::string Value(const Document* doc, const std::string& key) {
    if (doc == nullptr) return "<no document>";
    return FindKey(*doc, key) < 0 ? "<none>" : ReadValue(*doc, key);
  }
};
