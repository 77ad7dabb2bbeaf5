#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/Message.h"

namespace {

StoreMessage V(const char* text) { return StoreMessage::Verbatim(text); }

TEST(StoreMessage, EnglishPutsEachArgumentInItsPlaceOnce) {
  struct Case {
    const char* name;
    StoreMessage message;
    std::string english;
  } cases[] = {
      {"in order", StoreMessage("Cannot open \"%1\". %2", {V("a.cfg"), V("Gone.")}),
       "Cannot open \"a.cfg\". Gone."},
      {"out of order, twice", StoreMessage("%2 before %1, %2 again", {V("x"), V("y")}),
       "y before x, y again"},
      // What an argument holds is never taken for a place of the pattern.
      {"place in a path", StoreMessage("\"%1\" and %2", {V("/tmp/%2 %1"), V("why")}),
       "\"/tmp/%2 %1\" and why"},
      {"place without an argument", StoreMessage("%1 %3 %", {V("a")}), "a %3 %"},
      {"not a place", StoreMessage("100% %0 %%1", {V("a")}), "100% %0 %a"},
      {"nested",
       StoreMessage("Nothing: %1", {StoreMessage("Cannot \"%1\". %2", {V("f"), V("R.")})}),
       "Nothing: Cannot \"f\". R."},
      {"no arguments", StoreMessage("It is a file."), "It is a file."},
      {"verbatim", V("Permission denied."), "Permission denied."},
      {"nothing", StoreMessage(), ""},
      {"a list", QuotedList({"a", "b"}), "\"a\", \"b\""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.message.English(), c.english) << c.name;
}

}  // namespace
