// Keeping both on cases drawn from the input's bytes by the generator of the
// merge's test (tests/support/MergeCases.h), held to the same promises.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/MergeCases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault = mergecases::Play(mergecases::Random(data, size), 8);
  if (fault.empty()) return 0;
  std::fprintf(stderr, "%s\n", fault.c_str());
  std::abort();
}
