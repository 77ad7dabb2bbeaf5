// Random cases for keeping both (store/Merge.h), shared by the merge's test
// and its fuzzer: a document of one kind (a settings file, a blitter file or
// a theme file); in each round the window edits its copy through the store's
// routines, with a journal, and the file on disk gets line edits; then the
// merge must hold to its promises:
//   - onto the file as loaded, it gives the window's document to the byte;
//   - the journal notes every part the window changed, as the file had it,
//     and a rename's two parts as one group;
//   - a group the disk left alone ends as the window left it, one the window
//     left alone (or both changed alike) as on disk, and any other is one
//     conflict showing each side's lines, whose answer gives that side's;
//   - every part the window did not edit is as on disk;
//   - merging the result again with the same answers changes nothing.
// A round ends with an Apply, with the merge taken in unasked (settled: the
// next merge onto that file gives the window's document) or with nothing.
// What the merge cannot tell apart is left out: two headers or settings of
// one name (a part is the first), uncommenting (made again on whatever lines
// there are) and the commented lines a deleted blitter leaves to the block
// before it (which may be another one on disk).
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

namespace mergecases {

// Random numbers from a seed, or from a fuzzer's bytes (zeros once they run
// out).
class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  Random(const std::uint8_t* data, std::size_t size) : data_(data), size_(size), bytes_(true) {}
  // A number below n (0 when n is 0).
  std::size_t operator()(std::size_t n) {
    if (n == 0) return 0;
    if (!bytes_) return engine_() % n;
    if (size_ == 0) return 0;
    --size_;
    return *data_++ % n;
  }
  bool exhausted() const { return bytes_ && size_ == 0; }

 private:
  std::mt19937 engine_;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  bool bytes_ = false;
};

// Plays up to `rounds` rounds (fewer when the bytes run out). Returns the
// first promise broken, with the documents of its round; empty when none.
std::string Play(Random random, int rounds);

}  // namespace mergecases
