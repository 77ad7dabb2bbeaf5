// quib-test-writer: changes files from a process of its own, as another
// program would, for tests of what the window notices on disk.
//   quib-test-writer rename|inplace|append <target> <source> [<target> <source>...]
//   quib-test-writer remove <target>...
// Either may begin with "--done <file>": the exit status is then also written
// to that file, which appears whole once the writer is done (for a caller
// that cannot wait for the process itself: a Windows program under Wine
// starting a Linux one).
// rename: the source's bytes go to a temporary file beside the target, which
// is then renamed over it; inplace: the target is truncated (or made) and
// written; append: the bytes are added at its end; remove: the target is
// deleted. Pairs are written one after another, at once. Exits 0 when all
// went well, 1 with a message otherwise, 2 on a wrong command line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

bool Fail(const std::string& what, const fs::path& path) {
  std::fprintf(stderr, "quib-test-writer: %s %s\n", what.c_str(), path.string().c_str());
  return false;
}

bool ReadAll(const fs::path& source, std::string& bytes) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return Fail("cannot read", source);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad() || Fail("cannot read", source);
}

bool WriteAll(const fs::path& target, const std::string& bytes, std::ios::openmode mode) {
  std::ofstream out(target, std::ios::binary | mode);
  if (!out) return Fail("cannot open", target);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail() || Fail("cannot write", target);
}

bool Replace(const fs::path& temporary, const fs::path& target) {
#ifdef _WIN32
  if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
#else
  if (::rename(temporary.c_str(), target.c_str()) == 0) return true;
#endif
  std::error_code ignored;
  fs::remove(temporary, ignored);
  return Fail("cannot rename over", target);
}

long ProcessId() {
#ifdef _WIN32
  return static_cast<long>(GetCurrentProcessId());
#else
  return static_cast<long>(::getpid());
#endif
}

bool Change(const std::string& how, const fs::path& target, const fs::path& source) {
  std::string bytes;
  if (!ReadAll(source, bytes)) return false;
  if (how == "inplace") return WriteAll(target, bytes, std::ios::trunc);
  if (how == "append") return WriteAll(target, bytes, std::ios::app);
  fs::path temporary = target;
  temporary += ".writer-" + std::to_string(ProcessId());
  return WriteAll(temporary, bytes, std::ios::trunc) && Replace(temporary, target);
}

int Run(const std::vector<fs::path>& args) {
  const std::string how = args.empty() ? std::string() : args[0].string();
  if (how == "remove" && args.size() >= 2) {
    for (std::size_t i = 1; i < args.size(); ++i) {
      std::error_code error;
      if (!fs::remove(args[i], error)) {
        Fail("cannot remove", args[i]);
        return 1;
      }
    }
    return 0;
  }
  if ((how != "rename" && how != "inplace" && how != "append") || args.size() < 3 ||
      args.size() % 2 == 0) {
    std::fprintf(stderr,
                 "usage: quib-test-writer rename|inplace|append <target> <source>...\n"
                 "       quib-test-writer remove <target>...\n");
    return 2;
  }
  for (std::size_t i = 1; i < args.size(); i += 2)
    if (!Change(how, args[i], args[i + 1])) return 1;
  return 0;
}

int Main(std::vector<fs::path> args) {
  if (args.size() < 2 || args[0] != "--done") return Run(args);
  const fs::path done = args[1];
  args.erase(args.begin(), args.begin() + 2);
  const int status = Run(args);
  fs::path part = done;
  part += ".part";
  return WriteAll(part, std::to_string(status), std::ios::trunc) && Replace(part, done) ? status
                                                                                        : 1;
}

}  // namespace

#ifdef _WIN32
// Names reach a Windows program whole only in UTF-16.
int wmain(int argc, wchar_t** argv) { return Main(std::vector<fs::path>(argv + 1, argv + argc)); }
#else
int main(int argc, char** argv) { return Main(std::vector<fs::path>(argv + 1, argv + argc)); }
#endif
