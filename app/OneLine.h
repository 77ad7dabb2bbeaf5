// Keeps a single-line field to one line. A field's text goes into one line of
// a settings file, so a line break pasted into it would split that line in
// two. As in a native single-line edit box, a pasted text is taken only up to
// its first line break.
#pragma once

#include <QLineEdit>
#include <QValidator>

class OneLineValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& text, int& cursor) const override {
    const auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
    qsizetype first = 0;
    while (first < text.size() && !isBreak(text[first])) ++first;
    if (first == text.size()) return Acceptable;
    // What was just inserted ends at the cursor: drop it from the break on.
    if (first < cursor) {
      text.remove(first, cursor - first);
      cursor = static_cast<int>(first);
    }
    text.removeIf(isBreak);
    return Acceptable;
  }

  // Every editable field of a window that has no validator of its own.
  static void KeepAll(QWidget* window) {
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
      if (edit->validator() == nullptr) edit->setValidator(new OneLineValidator(edit));
  }
};
