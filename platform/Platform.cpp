#include "platform/Platform.h"

#include "platform/PlatformSystem.h"

namespace platform {
namespace {

Platform* installed = nullptr;

// The argument as the C runtime of the started program splits it back into
// one argv entry: quoted, an inner double quote escaped, and backslashes
// doubled where they stand before a double quote.
QString QuoteArgument(const QString& argument) {
  QString quoted = QStringLiteral("\"");
  int backslashes = 0;
  for (const QChar c : argument) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"') {
      quoted += QString(backslashes * 2 + 1, u'\\');
    } else {
      quoted += QString(backslashes, u'\\');
    }
    backslashes = 0;
    quoted += c;
  }
  quoted += QString(backslashes * 2, u'\\');
  quoted += u'"';
  return quoted;
}

}  // namespace

QString CommandLine(const QString& program, const QString& argument) {
  // The program is named up to the next double quote, which no file name on
  // Windows holds, so it is quoted as it is.
  QString line = u'"' + program + u'"';
  if (!argument.isEmpty()) line += u' ' + QuoteArgument(argument);
  return line;
}

Platform& Current() { return installed != nullptr ? *installed : SystemPlatform(); }

void Install(Platform* platform) { installed = platform; }

Platform* Installed() { return installed; }

Answer Message(QWidget* parent, const QString& caption, const QString& text, Icon icon,
               Buttons buttons, Answer defaultButton, bool foreground) {
  MessageRequest request;
  request.caption = caption;
  request.text = text;
  request.icon = icon;
  request.buttons = buttons;
  request.defaultButton = buttons == Buttons::Ok ? Answer::Ok : defaultButton;
  request.foreground = foreground;
  return Current().MessageBox(parent, request);
}

}  // namespace platform
