// Changing files from a second process, as another program would while the
// window is open: runs quib-test-writer (tests/support/TestWriter.cpp), built
// with the tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace test_support {

// Which program writes: the one built with the tests, or, in a Windows build
// run under Wine, a Linux build of it named by the environment variable
// QUIB_LINUX_WRITER (as Wine names it, Z:\...), whose changes reach the
// Windows program only through the Linux kernel, as any Linux program's do.
enum class Writer { Own, Linux };
// The writers to run here: the own one, and under Wine the Linux one when named.
std::vector<Writer> Writers();

// Changes target and waits for the writer to end: how is "rename" (bytes to
// a file beside it, renamed over it), "inplace" (truncated or made, then
// written) or "remove" (bytes unused). Returns what went wrong, empty when
// all went well.
std::string RunWriter(const QString& how, const QString& target, const QByteArray& bytes = {},
                      Writer writer = Writer::Own);

}  // namespace test_support
