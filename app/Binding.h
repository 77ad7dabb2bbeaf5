// Binds the window's controls to configuration keys with one call each, so a
// page is a list of bindings plus the few handlers that do more than store a
// value. A binding knows where its key lives (KeyScope), how to show the
// stored value (fill) and how to store the control's value (its handler).
//
// Check boxes and edit fields run their handler on every change, programmatic
// ones included, as the loader expects: the store ignores what they write while
// a fill runs. Drop-downs run theirs only on the user's choice (activated), so
// selecting an item from the program runs no handler.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/ZIniReader.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

// Where a key is read from and how it is written.
struct KeyScope {
  // The document the key is read from; nullptr when there is none to read.
  std::function<Document*()> document;
  // Writes a value (through the store, so nothing happens during a fill).
  std::function<void(std::string_view key, std::string_view value)> write;

  // A document of its own: read from it and written into it.
  static KeyScope In(std::function<Document*()> document);
};

class Bindings : public QObject {
  Q_OBJECT

 public:
  using Decode = std::function<std::optional<int>(const std::string& stored)>;
  using Encode = std::function<std::optional<std::string>(int index)>;
  using Transform = std::function<std::string(const std::string&)>;
  using After = std::function<void()>;

  explicit Bindings(QObject* parent = nullptr);
  ~Bindings() override;

  // A check box stored as 1 or 0, shown ticked for any integer other than 0.
  void Check(QCheckBox* box, std::string key, KeyScope scope, After after = {});
  // An edit field stored as typed. toText turns the stored value into the
  // field's text, toValue the text into the stored value (e.g. "*" for spaces).
  void Edit(QLineEdit* edit, std::string key, KeyScope scope, Transform toText = {},
            Transform toValue = {}, After after = {});
  // A drop-down: decode gives the item to select for a stored value (nothing:
  // the selection stays as it was), encode the value to store for an item
  // (nothing: no write).
  void Combo(QComboBox* combo, std::string key, KeyScope scope, Decode decode, Encode encode,
             After after = {});

  // Shows the stored values in these controls (every bound control when the
  // list is empty). Runs as a fill: nothing is written meanwhile.
  void Fill(std::initializer_list<QWidget*> controls = {});
  // Stores the control's value, as its handler does.
  void Store(QWidget* control);

  // Word tables: a value matched to the words exactly, or without regard to
  // case; the word of an item.
  static Decode ExactWord(std::vector<std::string> words);
  static Decode AnyCaseWord(std::vector<std::string> words);
  static Encode Word(std::vector<std::string> words);
  // The item index itself is stored.
  static Decode IndexValue();
  static Encode IndexWord();
  // The item's own text is stored.
  static Decode ItemText(QComboBox* combo);
  static Encode ItemWord(QComboBox* combo);

 private:
  struct Binding;
  Binding* Find(QWidget* control);
  void Show(Binding& b);
  void Write(Binding& b);
  std::vector<std::unique_ptr<Binding>> bindings_;
};
