#include "app/Binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/Text.h"
#include "store/Cp1252.h"

struct Bindings::Binding {
  enum class Kind { Check, Edit, Combo } kind;
  QWidget* control = nullptr;
  std::string key;
  KeyScope scope;
  Transform toText;
  Transform toValue;
  Decode decode;
  Encode encode;
  After after;
};

KeyScope KeyScope::In(std::function<Document*()> document) {
  KeyScope scope;
  scope.document = document;
  scope.write = [document](std::string_view key, std::string_view value) {
    if (Document* doc = document()) WriteValue(*doc, key, value);
  };
  return scope;
}

Bindings::Bindings(QObject* parent) : QObject(parent) {}
Bindings::~Bindings() = default;

void Bindings::Check(QCheckBox* box, std::string key, KeyScope scope, After after) {
  auto b = std::make_unique<Binding>();
  b->kind = Binding::Kind::Check;
  b->control = box;
  b->key = std::move(key);
  b->scope = std::move(scope);
  b->after = std::move(after);
  Binding* raw = b.get();
  connect(box, &QCheckBox::toggled, this, [this, raw] { Write(*raw); });
  bindings_.push_back(std::move(b));
}

void Bindings::Edit(QLineEdit* edit, std::string key, KeyScope scope, Transform toText,
                    Transform toValue, After after) {
  auto b = std::make_unique<Binding>();
  b->kind = Binding::Kind::Edit;
  b->control = edit;
  b->key = std::move(key);
  b->scope = std::move(scope);
  b->toText = std::move(toText);
  b->toValue = std::move(toValue);
  b->after = std::move(after);
  Binding* raw = b.get();
  connect(edit, &QLineEdit::textChanged, this, [this, raw] { Write(*raw); });
  bindings_.push_back(std::move(b));
}

void Bindings::Combo(QComboBox* combo, std::string key, KeyScope scope, Decode decode,
                     Encode encode, After after) {
  auto b = std::make_unique<Binding>();
  b->kind = Binding::Kind::Combo;
  b->control = combo;
  b->key = std::move(key);
  b->scope = std::move(scope);
  b->decode = std::move(decode);
  b->encode = std::move(encode);
  b->after = std::move(after);
  Binding* raw = b.get();
  connect(combo, &QComboBox::activated, this, [this, raw] { Write(*raw); });
  bindings_.push_back(std::move(b));
}

Bindings::Binding* Bindings::Find(QWidget* control) {
  for (auto& b : bindings_)
    if (b->control == control) return b.get();
  return nullptr;
}

void Bindings::Show(Binding& b) {
  Document* doc = b.scope.document ? b.scope.document() : nullptr;
  if (doc == nullptr) return;
  switch (b.kind) {
    case Binding::Kind::Check:
      static_cast<QCheckBox*>(b.control)->setChecked(ReadInteger(*doc, b.key) != 0);
      break;
    case Binding::Kind::Edit: {
      std::string value = ReadValue(*doc, b.key);
      if (b.toText) value = b.toText(value);
      static_cast<QLineEdit*>(b.control)->setText(ToQ(value));
      break;
    }
    case Binding::Kind::Combo:
      if (const std::optional<int> index = b.decode(ReadValue(*doc, b.key)))
        static_cast<QComboBox*>(b.control)->setCurrentIndex(*index);
      break;
  }
}

void Bindings::Write(Binding& b) {
  switch (b.kind) {
    case Binding::Kind::Check:
      b.scope.write(b.key, static_cast<QCheckBox*>(b.control)->isChecked() ? "1" : "0");
      break;
    case Binding::Kind::Edit: {
      std::string value = FromQ(static_cast<QLineEdit*>(b.control)->text());
      if (b.toValue) value = b.toValue(value);
      b.scope.write(b.key, value);
      break;
    }
    case Binding::Kind::Combo: {
      const int index = static_cast<QComboBox*>(b.control)->currentIndex();
      if (index < 0) break;
      if (const std::optional<std::string> word = b.encode(index)) b.scope.write(b.key, *word);
      break;
    }
  }
  if (b.after) b.after();
}

void Bindings::Fill(std::initializer_list<QWidget*> controls) {
  FillGuard guard;
  if (controls.size() == 0) {
    for (auto& b : bindings_) Show(*b);
    return;
  }
  for (QWidget* control : controls)
    if (Binding* b = Find(control)) Show(*b);
}

void Bindings::Store(QWidget* control) {
  if (Binding* b = Find(control)) Write(*b);
}

Bindings::Decode Bindings::ExactWord(std::vector<std::string> words) {
  return [words = std::move(words)](const std::string& stored) -> std::optional<int> {
    for (std::size_t i = 0; i < words.size(); ++i)
      if (words[i] == stored) return static_cast<int>(i);
    return std::nullopt;
  };
}

Bindings::Decode Bindings::AnyCaseWord(std::vector<std::string> words) {
  return [words = std::move(words)](const std::string& stored) -> std::optional<int> {
    for (std::size_t i = 0; i < words.size(); ++i)
      if (cp1252::EqualNoCase(words[i], stored)) return static_cast<int>(i);
    return std::nullopt;
  };
}

Bindings::Encode Bindings::Word(std::vector<std::string> words) {
  return [words = std::move(words)](int index) -> std::optional<std::string> {
    if (index < 0 || static_cast<std::size_t>(index) >= words.size()) return std::nullopt;
    return words[static_cast<std::size_t>(index)];
  };
}

Bindings::Decode Bindings::IndexValue() {
  return [](const std::string& stored) -> std::optional<int> { return TextToInteger(stored); };
}

Bindings::Encode Bindings::IndexWord() {
  return [](int index) -> std::optional<std::string> { return std::to_string(index); };
}

Bindings::Decode Bindings::ItemText(QComboBox* combo) {
  return [combo](const std::string& stored) -> std::optional<int> {
    const int index = combo->findText(ToQ(stored), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return std::nullopt;
    return index;
  };
}

Bindings::Encode Bindings::ItemWord(QComboBox* combo) {
  return [combo](int index) -> std::optional<std::string> { return FromQ(combo->itemText(index)); };
}
