#include "tests/support/WriterProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace test_support {

namespace {

#ifdef _WIN32
// A Windows path as a Linux program under Wine names it: Wine's own call,
// absent on Windows.
QString UnixPathOf(const QString& path) {
  using Call = char*(__cdecl*)(const wchar_t*);
  const auto call = reinterpret_cast<Call>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (call == nullptr) return {};
  char* unix = call(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
  if (unix == nullptr) return {};
  const QString result = QString::fromUtf8(unix);  // the Linux names are UTF-8
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

QString LinuxWriter() { return qEnvironmentVariable("QUIB_LINUX_WRITER"); }

// Wine starts a Linux program on its own, without a handle to wait on: the
// writer reports through a file when it is done.
std::string RunDetached(const QString& program, const QStringList& arguments,
                        const QString& doneFile) {
  if (!QProcess::startDetached(program, arguments)) return "the Linux writer did not start";
  const QDeadlineTimer deadline(30000);
  while (!QFile::exists(doneFile)) {
    if (deadline.hasExpired()) return "the Linux writer did not finish within 30 s";
    QThread::msleep(2);
  }
  QFile done(doneFile);
  if (!done.open(QIODevice::ReadOnly)) return "cannot read the Linux writer's report";
  const QByteArray status = done.readAll();
  return status == "0" ? std::string() : "the Linux writer ended with " + status.toStdString();
}
#endif

}  // namespace

bool HaveLinuxWriter() {
#ifdef _WIN32
  return !LinuxWriter().isEmpty();
#else
  return true;
#endif
}

std::string RunWriter(const QString& how, const QString& target, const QByteArray& bytes,
                      Writer writer) {
  return RunWriter(how, {{target, bytes}}, writer);
}

std::string RunWriter(const QString& how,
                      const std::vector<std::pair<QString, QByteArray>>& targets, Writer writer) {
  // The sources lie outside the folders the tests watch.
  QTemporaryDir sources;
  if (!sources.isValid()) return "no temporary folder";
  QStringList paths;
  for (std::size_t i = 0; i < targets.size(); ++i) {
    paths << targets[i].first;
    if (how == "remove") continue;
    const QString source = sources.filePath(QString::number(i));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(targets[i].second) != targets[i].second.size())
      return "cannot write " + source.toStdString();
    paths << source;
  }
  QString program = QUIB_TEST_WRITER;
#ifdef _WIN32
  if (writer == Writer::Linux) {
    program = LinuxWriter();
    if (program.isEmpty()) return "no Linux writer (QUIB_LINUX_WRITER) under Wine";
    const QString done = sources.filePath("done");
    QStringList arguments{"--done", UnixPathOf(done), how};
    for (const QString& path : paths) arguments << UnixPathOf(path);
    if (arguments.contains(QString())) return "no Linux names for the files (not under Wine?)";
    return RunDetached(program, arguments, done);
  }
#else
  (void)writer;  // the own writer is a Linux program
#endif
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, QStringList{how} + paths);
  if (!process.waitForFinished(30000))
    return "the writer did not finish: " + process.errorString().toStdString();
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return "the writer failed: " + process.readAll().toStdString();
  return {};
}

}  // namespace test_support
