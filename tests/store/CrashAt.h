// Ends this process at a chosen call that changes the disk, as a crash or a
// power cut would, and logs those calls: the calls themselves (open for
// writing, write, truncate, flush, rename, remove, link, make folder, change
// mode or owner) are replaced in the test program by ones that count.
#pragma once

#include <string>
#include <vector>

namespace crash_at {

// From now on the calls are counted from 1; the one numbered `at` ends the
// process with status kCrashed before it happens (a write first writes half
// its bytes). 0 counts and logs without ending anything.
void Arm(long at);
// Stops counting. The number of calls counted.
long Disarm();
// The calls counted since Arm: «fsync <path>», «rename <from> <to>» ...
const std::vector<std::string>& Log();
// From now on fsync of the folder `path` fails with EIO (empty: none).
void FailFlushOf(const std::string& path);
// From now on every write into the file `path` fails with EIO after writing
// half its bytes (empty: none).
void FailWritesTo(const std::string& path);

inline constexpr int kCrashed = 77;

}  // namespace crash_at
