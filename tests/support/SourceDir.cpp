#include "tests/support/SourceDir.h"

namespace test_support {

// Only this file holds the path: every other test file compiles to the same
// object wherever the checkout lies, so a compiler cache serves a new clone.
const char* SourceDir() { return QUIB_SOURCE_DIR; }

}  // namespace test_support
