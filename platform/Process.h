// Process-wide set-up done once at the start of the program, before any file
// is written.
#pragma once

namespace platform {

// A file-size limit (ulimit -f) makes a write that passes it fail with EFBIG,
// an ordinary write error with its message, instead of ending the program in
// the middle of a save with temporary files left behind.
void IgnoreFileSizeSignal();

}  // namespace platform
