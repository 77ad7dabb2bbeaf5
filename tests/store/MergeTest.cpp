// Keeping both, held to what store/Merge.h promises: random cases played a
// few rounds each (tests/support/MergeCases.h; a failure names its seed and
// shows the documents), and a table of cases the generator seldom meets.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "blitters/BlitterBlocks.h"
#include "store/Merge.h"
#include "store/ZIniReader.h"
#include "tests/support/MergeCases.h"

namespace {

using merge::Keep;

TEST(MergeProperty, RandomCasesKeepEveryPromise) {
  for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
    const std::string fault = mergecases::Play(mergecases::Random(seed), 3);
    ASSERT_TRUE(fault.empty()) << "seed " << seed << ": " << fault;
  }
}

// The lines of a text, split at "|".
Document Split(std::string_view text) {
  Document doc(1);
  for (const char c : text) {
    if (c == '|')
      doc.emplace_back();
    else
      doc.back().push_back(c);
  }
  return doc;
}

TEST(MergeCases, TrickyOnes) {
  const StoreWrites writes;
  const auto addK = [](const char* line) {
    return [line](Document& d) { d.insert(d.begin(), line); };
  };
  const struct {
    const char* what;
    const char* loaded;
    std::function<void(Document&)> window, disk;
    std::size_t conflicts;
    const char* keptMine;    // the result when every answer keeps mine
    const char* keptTheirs;  // and theirs
  } cases[] = {
      {"a block renamed in the window while its lines changed on disk",
       "; b|[A::WIN]|res=1||[B::WIN]|res=2|", [](Document& d) { RenameBlitter(d, "a", "C", 1); },
       [](Document& d) { d[2] = "res=3"; }, 1, "; b|[C::WIN]|res=1||[B::WIN]|res=2|",
       "; b|[A::WIN]|res=3||[B::WIN]|res=2|"},
      {"a setting added on both sides with the same value", "a=1",
       [](Document& d) { WriteValue(d, "k", "5"); }, addK("k=5"), 0, "k=5|a=1", "k=5|a=1"},
      {"a setting added on both sides with different values", "a=1",
       [](Document& d) { WriteValue(d, "k", "5"); }, addK("k=6"), 1, "k=5|a=1", "k=6|a=1"},
      // The commented block after a deleted blitter stays, given to the block
      // before it: that block is part of the edit.
      {"a blitter deleted in the window while its lines changed on disk",
       "; b|[P::WIN]|res=1||[B::WIN]|res=2|;[T::WIN]|;res = 3|",
       [](Document& d) { DeleteBlitter(d, "B", 1, 0); }, [](Document& d) { d[5] = "res=5"; }, 1,
       "; b|[P::WIN]|res=1||;[T::WIN]|;res = 3|",
       "; b|[P::WIN]|res=1||[B::WIN]|res=5|;[T::WIN]|;res = 3|"},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.what);
    Document mine = Split(t.loaded);
    const merge::Journal journal(mine);
    t.window(mine);
    Document theirs = Split(t.loaded);
    t.disk(theirs);
    const merge::Merge m(journal, theirs);
    EXPECT_EQ(m.conflicts().size(), t.conflicts);
    EXPECT_EQ(m.Result(std::vector<Keep>(t.conflicts, Keep::Mine)), Split(t.keptMine));
    EXPECT_EQ(m.Result(std::vector<Keep>(t.conflicts, Keep::Theirs)), Split(t.keptTheirs));
  }
}

}  // namespace
