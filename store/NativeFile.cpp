#include "store/NativeFile.h"

#ifdef _WIN32
#include <share.h>
#include <windows.h>
#endif

namespace native_file {

#ifdef _WIN32

std::string DisplayName(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                          nullptr, nullptr);
  return text;
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
  return ::_wfsopen(path.c_str(), L"rb", _SH_DENYWR);
}

#else

std::string DisplayName(const std::filesystem::path& path) { return path.string(); }

std::FILE* OpenForReading(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "rb");
}

#endif

}  // namespace native_file
