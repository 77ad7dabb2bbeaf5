// The checkout the tests were built from: they read the sample emulator
// directory and other files of it from there.
#pragma once

namespace test_support {

// The checkout's folder, without a trailing separator.
const char* SourceDir();

}  // namespace test_support
