// quib-test-writer: changes a file from a process of its own, as another
// program would, for the tests of what the window notices on disk.
//   quib-test-writer --done <file> rename|inplace|remove <target> <source>
// rename: the source's bytes go to a file beside the target, which is then
// renamed over it; inplace: the target is truncated (or made) and written;
// remove: the target is deleted (the source unused). The exit status goes to the done file,
// which appears whole once the writer is done: the caller may not be able to
// wait for the process (a Windows program under Wine starting a Linux one).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool Write(const fs::path& target, const std::string& bytes) {
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

bool Replace(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);  // over an existing file on Windows too
  return !error;
}

bool Change(const std::string& how, const fs::path& target, const fs::path& source) {
  std::error_code error;
  if (how == "remove") return fs::remove(target, error);
  std::ifstream in(source, std::ios::binary);
  if (!in) return false;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (how == "inplace") return Write(target, bytes);
  fs::path temporary = target;
  temporary += ".writer";
  return how == "rename" && Write(temporary, bytes) && Replace(temporary, target);
}

int Main(const std::vector<fs::path>& args) {
  if (args.size() != 5 || args[0] != "--done") {
    std::fprintf(stderr,
                 "usage: quib-test-writer --done <file> rename|inplace|remove <target> "
                 "<source>\n");
    return 2;
  }
  const bool done = Change(args[2].string(), args[3], args[4]);
  if (!done)
    std::fprintf(stderr, "quib-test-writer: %s %s failed\n", args[2].string().c_str(),
                 args[3].string().c_str());
  fs::path part = args[1];
  part += ".part";
  return Write(part, done ? "0" : "1") && Replace(part, args[1]) && done ? 0 : 1;
}

}  // namespace

#ifdef _WIN32
// Names reach a Windows program whole only in UTF-16.
int wmain(int argc, wchar_t** argv) { return Main({argv + 1, argv + argc}); }
#else
int main(int argc, char** argv) { return Main({argv + 1, argv + argc}); }
#endif
