#include "tests/support/WriterProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace test_support {

namespace {

// A path as the writer names it: the Linux writer under Wine takes the Linux
// name, which Wine's own call gives (absent on Windows: an empty name).
QString NameFor(Writer writer, const QString& path) {
  if (writer == Writer::Own) return path;
#ifdef _WIN32
  using Call = char*(__cdecl*)(const wchar_t*);
  const auto call = reinterpret_cast<Call>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  const std::wstring windowsName = QDir::toNativeSeparators(path).toStdWString();
  if (char* name = call == nullptr ? nullptr : call(windowsName.c_str())) {
    const QString result = QString::fromUtf8(name);  // the Linux names are UTF-8
    HeapFree(GetProcessHeap(), 0, name);
    return result;
  }
#endif
  return {};
}

}  // namespace

std::vector<Writer> Writers() {
#ifdef _WIN32
  if (!qEnvironmentVariableIsEmpty("QUIB_LINUX_WRITER")) return {Writer::Own, Writer::Linux};
#endif
  return {Writer::Own};
}

std::string RunWriter(const QString& how, const QString& target, const QByteArray& bytes,
                      Writer writer) {
  // The source lies outside the folders the tests watch.
  QTemporaryDir temp;
  const QString source = temp.filePath("source"), done = temp.filePath("done");
  QFile file(source);
  if (!temp.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    return "cannot write " + source.toStdString();
  file.close();
  const auto name = [writer](const QString& path) { return NameFor(writer, path); };
  const QStringList arguments{"--done", name(done), how, name(target), name(source)};
  if (arguments.contains(QString())) return "no Linux names for the files (not under Wine?)";
  // Wine starts a Linux program on its own, without a handle to wait on: the
  // writer tells through the done file when it is done.
  const QString program =
      writer == Writer::Own ? QString(QUIB_TEST_WRITER) : qEnvironmentVariable("QUIB_LINUX_WRITER");
  if (!QProcess::startDetached(program, arguments)) return "the writer did not start";
  // The done file cannot be opened until it is there, nor on Windows while
  // the writer is renaming it.
  const QDeadlineTimer deadline(30000);
  QFile status(done);
  while (!status.open(QIODevice::ReadOnly)) {
    if (deadline.hasExpired()) return "the writer did not finish within 30 s";
    QThread::msleep(2);
  }
  const QByteArray code = status.readAll();
  return code == "0" ? std::string() : "the writer ended with " + code.toStdString();
}

}  // namespace test_support
