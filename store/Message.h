// The texts the store composes for the user (why a file could not be read,
// written or backed up, why a save stopped...), kept in a form the window can
// show in its language while the store stays free of Qt: an English pattern
// with %1 ... %9 and what goes in them. Patterns are marked with
// QT_TRANSLATE_NOOP("Files", ...), where lupdate finds them, and translated by
// the window (Translated in app/Text.h); what goes in them, paths, is shown as
// it is. A reason the system gave keeps its error number beside the words the
// store found for it, so the window can ask the system for that reason in its
// own language. The store's errors carry one (StoreError), and their what() is
// its English text.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

class StoreMessage {
 public:
  // Where the patterns' translations are looked up.
  static constexpr const char* kScope = "Files";

  enum class Kind {
    Verbatim,  // text shown as it is
    Pattern,   // a translated pattern, parts() going into its %1, %2 ...
    Sequence,  // parts() shown one after another
    System,    // a reason the system gave: code() and, as the store found it, text()
  };

  // What a System reason's code() numbers.
  enum class Codes {
    Errno,    // the C library's error numbers
    Windows,  // Windows error codes (GetLastError)
  };

  // No text.
  StoreMessage() = default;
  // pattern must be a literal marked QT_TRANSLATE_NOOP("Files", ...); args
  // go into %1, %2 ... in that order.
  explicit StoreMessage(const char* pattern, std::vector<StoreMessage> args = {})
      : kind_(Kind::Pattern), pattern_(pattern), parts_(std::move(args)) {}
  // A path, a number or a reason the system gave, never translated.
  static StoreMessage Verbatim(std::string text) {
    StoreMessage message;
    message.text_ = std::move(text);
    return message;
  }
  // A reason the system gave for an error, text being its words as the store
  // found them (what English() holds).
  static StoreMessage System(Codes codes, int code, std::string text) {
    StoreMessage message;
    message.kind_ = Kind::System;
    message.codes_ = codes;
    message.code_ = code;
    message.text_ = std::move(text);
    return message;
  }
  // Appends more text after this one.
  StoreMessage& operator+=(StoreMessage more) {
    if (kind_ != Kind::Sequence) {
      StoreMessage first = std::move(*this);
      *this = StoreMessage();
      kind_ = Kind::Sequence;
      if (!first.empty()) parts_.push_back(std::move(first));
    }
    parts_.push_back(std::move(more));
    return *this;
  }

  Kind kind() const { return kind_; }
  // Of a Pattern.
  const char* pattern() const { return pattern_; }
  // Of a Verbatim or a System.
  const std::string& text() const { return text_; }
  // Of a System.
  Codes codes() const { return codes_; }
  int code() const { return code_; }
  // The arguments of a Pattern, the parts of a Sequence.
  const std::vector<StoreMessage>& parts() const { return parts_; }
  bool empty() const { return kind_ == Kind::Verbatim && text_.empty(); }

  // The English text: every pattern with its arguments put in.
  std::string English() const {
    std::string out;
    AppendEnglish(out);
    return out;
  }

 private:
  void AppendEnglish(std::string& out) const;

  Kind kind_ = Kind::Verbatim;
  const char* pattern_ = nullptr;
  Codes codes_ = Codes::Errno;
  int code_ = 0;
  std::string text_;
  std::vector<StoreMessage> parts_;
};

// Walks a pattern in one pass: literal(from, count) for each stretch of text,
// argument(n) for each %n (n from 1 to count, one digit). A % not followed by
// such a digit is text; what an argument holds is never looked at again, so a
// "%2" in a path stays as it is.
template <class Unit, class Literal, class Argument>
void WalkPattern(std::basic_string_view<Unit> pattern, std::size_t count, Literal&& literal,
                 Argument&& argument) {
  std::size_t from = 0;
  for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
    if (pattern[i] != Unit('%')) continue;
    const Unit digit = pattern[i + 1];
    if (digit < Unit('1') || digit > Unit('9')) continue;
    const std::size_t n = static_cast<std::size_t>(digit - Unit('0'));
    if (n > count) continue;
    if (i > from) literal(pattern.data() + from, i - from);
    argument(n);
    from = i + 2;
    ++i;
  }
  if (pattern.size() > from) literal(pattern.data() + from, pattern.size() - from);
}

inline void StoreMessage::AppendEnglish(std::string& out) const {
  switch (kind_) {
    case Kind::Verbatim:
    case Kind::System:
      out += text_;
      break;
    case Kind::Sequence:
      for (const StoreMessage& part : parts_) part.AppendEnglish(out);
      break;
    case Kind::Pattern:
      WalkPattern(
          std::string_view(pattern_), parts_.size(),
          [&](const char* text, std::size_t size) { out.append(text, size); },
          [&](std::size_t n) { parts_[n - 1].AppendEnglish(out); });
      break;
  }
}

// A file or folder name in quotes, as the window's language quotes one.
inline StoreMessage Quoted(std::string name) {
  return StoreMessage(QT_TRANSLATE_NOOP("Files", "\"%1\""),
                      {StoreMessage::Verbatim(std::move(name))});
}

// Names in quotes, separated by commas.
inline StoreMessage QuotedList(const std::vector<std::string>& names) {
  StoreMessage list;
  for (const std::string& name : names) {
    if (!list.empty()) list += StoreMessage::Verbatim(", ");
    list += Quoted(name);
  }
  return list;
}

// An error whose text for the user is a StoreMessage; what() is its English
// text. Copying one never throws, as an exception's copy must not.
class StoreError : public std::runtime_error {
 public:
  explicit StoreError(StoreMessage message)
      : std::runtime_error(message.English()),
        message_(std::make_shared<const StoreMessage>(std::move(message))) {}
  const StoreMessage& message() const { return *message_; }

 private:
  std::shared_ptr<const StoreMessage> message_;
};
