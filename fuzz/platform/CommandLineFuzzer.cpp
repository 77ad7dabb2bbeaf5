// The command line that starts a program: split back as the C runtime of the
// started program splits its command line, it gives the program and the one
// argument unchanged, whatever the argument holds.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <QStringList>
#include <cstdlib>

#include "platform/Platform.h"

namespace {

bool Blank(QChar c) { return c == u' ' || c == u'\t'; }

// The program name: up to the closing double quote when it starts with one,
// up to the first blank otherwise.
QString TakeProgram(const QString& line, qsizetype& i) {
  QString program;
  if (i < line.size() && line[i] == u'"') {
    for (++i; i < line.size() && line[i] != u'"'; ++i) program += line[i];
    if (i < line.size()) ++i;
  } else {
    for (; i < line.size() && !Blank(line[i]); ++i) program += line[i];
  }
  return program;
}

// The arguments after the program name: 2n backslashes before a double quote
// give n and the quote opens or closes a quoted part, 2n + 1 give n and a
// literal quote; other backslashes stand as they are; a doubled quote inside a
// quoted part is a literal quote.
QStringList SplitArguments(const QString& line, qsizetype i) {
  QStringList arguments;
  for (;;) {
    while (i < line.size() && Blank(line[i])) ++i;
    if (i >= line.size()) return arguments;
    QString argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !Blank(line[i]))) {
      qsizetype backslashes = 0;
      while (i < line.size() && line[i] == u'\\') {
        ++backslashes;
        ++i;
      }
      if (i < line.size() && line[i] == u'"') {
        argument += QString(backslashes / 2, u'\\');
        if (backslashes % 2 == 1) {
          argument += u'"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
          argument += u'"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument += QString(backslashes, u'\\');
        if (i < line.size() && (quoted || !Blank(line[i]))) argument += line[i++];
      }
    }
    arguments += argument;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string programBytes = input.ConsumeRandomLengthString(64);
  const std::string argumentBytes = input.ConsumeRemainingBytesAsString();
  const QString program =
      QString::fromUtf8(programBytes.data(), static_cast<qsizetype>(programBytes.size()));
  const QString argument =
      QString::fromUtf8(argumentBytes.data(), static_cast<qsizetype>(argumentBytes.size()));
  // No file name holds a double quote.
  if (program.contains(u'"')) return 0;

  const QString line = platform::CommandLine(program, argument);
  qsizetype i = 0;
  if (TakeProgram(line, i) != program) std::abort();
  const QStringList arguments = SplitArguments(line, i);
  if (argument.isEmpty() ? !arguments.isEmpty() : arguments != QStringList{argument}) std::abort();
  return 0;
}
