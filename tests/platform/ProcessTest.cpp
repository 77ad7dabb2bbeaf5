#include <gtest/gtest.h>

#include <vector>

#include "platform/Process.h"

// Only a command line that makes the program print (an option, or more than
// one directory) takes the console of the program that started it.
TEST(ProcessArguments, PrintWithAnOptionOrTooManyDirectories) {
  struct Case {
    std::vector<const char*> argv;
    bool prints;
  };
  const Case cases[] = {
      {{"quib-configurator"}, false},
      {{"quib-configurator", "C:\\Games\\Quib"}, false},
      {{"quib-configurator", "--version"}, true},
      {{"quib-configurator", "-h"}, true},
      {{"quib-configurator", "C:\\Games\\Quib", "--help"}, true},
      {{"quib-configurator", "a", "b"}, true},
      {{"quib-configurator", ""}, false},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv = c.argv;
    argv.push_back(nullptr);
    EXPECT_EQ(platform::ArgumentsPrint(static_cast<int>(c.argv.size()), argv.data()), c.prints)
        << (c.argv.size() > 1 ? c.argv[1] : "(none)");
  }
}
