// A program for the process tests on Windows: writes the arguments the C
// runtime split from its command line, UTF-8, each followed by a NUL byte, to
// the file QUIB_ECHO_FILE names.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t* argv[]) {
  const wchar_t* target = ::_wgetenv(L"QUIB_ECHO_FILE");
  if (target == nullptr) return 2;
  std::string out;
  for (int i = 1; i < argc; ++i) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, bytes.data(), size, nullptr, nullptr);
    out += bytes;  // with its NUL
  }
  // Written beside and renamed, so the test never reads half a file.
  const std::wstring part = std::wstring(target) + L".part";
  FILE* file = ::_wfopen(part.c_str(), L"wb");
  if (file == nullptr) return 3;
  std::fwrite(out.data(), 1, out.size(), file);
  std::fclose(file);
  return ::MoveFileExW(part.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
