// Process-wide set-up done once at the start of the program, before any file
// is written.
#pragma once

namespace platform {

// A file-size limit (ulimit -f) makes a write that passes it fail with EFBIG,
// an ordinary write error with its message, instead of ending the program in
// the middle of a save with temporary files left behind.
void IgnoreFileSizeSignal();

// On Windows the program is a GUI program, which gets no console: when the
// command line holds an option (--help, --version, or a wrong one, each of
// which prints something) or too many arguments, the program writes to the
// console it was started from, if any. Output that already goes to a file or
// pipe stays there. Elsewhere, nothing to do.
void UseParentConsoleForOutput(int argc, char* argv[]);

// On Windows, unless QT_QPA_PLATFORM says otherwise, Qt draws text with
// DirectWrite (its default from Qt 6.8): with the GDI engine, Qt 6.4's line
// edits show no text at all under Wine. Elsewhere, nothing to do.
void UseDirectWriteText();

// Whether these arguments make the program print and end rather than open its
// window (an option, or more than one directory).
bool ArgumentsPrint(int argc, const char* const argv[]);

}  // namespace platform
