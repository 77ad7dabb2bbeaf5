// Test fixture for the main window: a copy of the sample emulator directory in
// a temporary folder, the platform double answering every question, and a
// TForm1 created, shown and loaded in-process (offscreen).
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

class QAbstractButton;
class QComboBox;
class QLineEdit;
#include <QByteArray>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Unit1.h"
#include "platform/PlatformDouble.h"

class AppTest : public ::testing::Test {
 protected:
  AppTest();
  ~AppTest() override;

  // The emulator directory and the program's folder, with a trailing
  // separator, written as the system writes paths ("\\" on Windows), which is
  // how the program shows and stores them.
  QString EmuDir() const { return emuDir_; }
  QString ExeDir() const { return exeDir_; }
  QString IniPath() const { return exeDir_ + "Quib Configurator.ini"; }
  // A path written with "/" as the system writes it.
  static QString Native(const QString& path);
  // The per-user state folder of the run (XDG_STATE_HOME), with a trailing "/".
  QString StateDir() const { return stateDir_; }
  // Names the emulator directory in the program's settings file, with more
  // "key=value" lines of section [Settings] when given.
  void WriteIni(const QString& extraLines = QString());

  // Creates the window, runs FormCreate and shows it (FormShow and the first
  // load). Returns nullptr when FormCreate ended the program.
  TForm1* Start();
  TForm1* form() const { return form_.get(); }
  // Closes the window as the close box does.
  void Close();

  // Files of the emulator directory.
  std::string ReadFile(const QString& name) const;
  void WriteFile(const QString& name, const std::string& bytes) const;
  void RemoveFile(const QString& name) const;

  // Finds a control of the window by its object name; fails the test when absent.
  template <typename T>
  T* Find(const char* name) const {
    T* w = form_ ? form_->findChild<T*>(name) : nullptr;
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
  }
  // The first line of a document whose name is key, or "<none>".
  static std::string Line(const Document& doc, const std::string& key);
  // Replaces the first "from" in a file of the emulator directory; the test
  // fails when it is not there.
  void Replace(const QString& file, const std::string& from, const std::string& to);
  // Whether a file on disk holds this line (with its CR LF).
  bool HasLine(const QString& file, const std::string& line) const;

  // What the user does: selects a page by its component name, clicks a
  // button (a check box or radio button on its box: a wide one's middle may
  // lie beyond its caption), picks a drop-down item, types a field's whole
  // text, presses Apply and confirms the saved message.
  void ShowPage(const char* name);
  static void Click(QAbstractButton* button);
  static void Choose(QComboBox* combo, int index);
  static void Choose(QComboBox* combo, const QString& text);
  static void Type(QLineEdit* edit, const QString& text);
  void Apply();

  platform::ScopedDouble platform_;

 private:
  QTemporaryDir temp_;
  QString emuDir_;
  QString exeDir_;
  QString stateDir_;
  std::vector<std::pair<const char*, std::optional<QByteArray>>> savedEnv_;
  std::unique_ptr<TForm1> form_;
};
