#include "tests/store/CrashAt.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>

namespace {

long armedAt = -1;  // -1: not counting
long counted = 0;
std::vector<std::string> calls;
std::map<int, std::string> paths;  // what each descriptor opened
std::string failFlush, failWrites;

template <class F>
F Real(const char* name) {
  return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

std::string PathAt(int dir, const char* name) {
  if (name[0] == '/' || dir == AT_FDCWD) return name;
  const auto at = paths.find(dir);
  return (at != paths.end() ? at->second : "?") + "/" + name;
}

// Counts a call; true when it is the one to end the process at.
bool Count(const std::string& what) {
  if (armedAt < 0) return false;
  calls.push_back(what);
  return ++counted == armedAt;
}

void Crash() { ::_exit(crash_at::kCrashed); }

void Note(int fd, const std::string& path) {
  if (fd >= 0) paths[fd] = path;
}

bool Writes(int flags) { return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0; }

}  // namespace

namespace crash_at {

void Arm(long at) {
  armedAt = at;
  counted = 0;
  calls.clear();
}
long Disarm() {
  armedAt = -1;
  return counted;
}
const std::vector<std::string>& Log() { return calls; }
void FailFlushOf(const std::string& path) { failFlush = path; }
void FailWritesTo(const std::string& path) { failWrites = path; }

}  // namespace crash_at

extern "C" {

#define MODE_ARG                       \
  mode_t mode = 0;                     \
  if (flags & (O_CREAT | O_TMPFILE)) { \
    va_list args;                      \
    va_start(args, flags);             \
    mode = va_arg(args, mode_t);       \
    va_end(args);                      \
  }

int open(const char* path, int flags, ...) {
  MODE_ARG
  if (Writes(flags) && Count(std::string("open ") + path)) Crash();
  const int fd = Real<int (*)(const char*, int, ...)>("open")(path, flags, mode);
  Note(fd, path);
  return fd;
}
int open64(const char* path, int flags, ...) {
  MODE_ARG
  return open(path, flags, mode);
}
int openat(int dir, const char* name, int flags, ...) {
  MODE_ARG
  const std::string path = PathAt(dir, name);
  if (Writes(flags) && Count("open " + path)) Crash();
  const int fd = Real<int (*)(int, const char*, int, ...)>("openat")(dir, name, flags, mode);
  Note(fd, path);
  return fd;
}
int openat64(int dir, const char* name, int flags, ...) {
  MODE_ARG
  return openat(dir, name, flags, mode);
}
int close(int fd) {
  paths.erase(fd);
  return Real<int (*)(int)>("close")(fd);
}

ssize_t write(int fd, const void* data, size_t size) {
  static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
  if (paths.count(fd) != 0 && Count("write " + paths[fd])) {
    real(fd, data, size / 2);
    Crash();
  }
  return real(fd, data, size);
}
ssize_t pwrite(int fd, const void* data, size_t size, off_t at) {
  static const auto real = Real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
  if (Count("write " + paths[fd])) {
    real(fd, data, size / 2, at);
    Crash();
  }
  if (!failWrites.empty() && paths[fd] == failWrites) {
    real(fd, data, size / 2, at);
    errno = EIO;
    return -1;
  }
  return real(fd, data, size, at);
}
ssize_t pwrite64(int fd, const void* data, size_t size, off_t at) {
  return pwrite(fd, data, size, at);
}

#define COUNTED(ret, name, params, args, what) \
  ret name params NOEXCEPT {                   \
    if (Count(what)) Crash();                  \
    return Real<ret(*) params>(#name) args;    \
  }

#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, ftruncate, (int fd, off_t size), (fd, size), "truncate " + paths[fd])
#undef NOEXCEPT
#define NOEXCEPT
COUNTED(int, fdatasync, (int fd), (fd), "fsync " + paths[fd])
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, rename, (const char* from, const char* to), (from, to),
        std::string("rename ") + from + " " + to)
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, renameat, (int a, const char* from, int b, const char* to), (a, from, b, to),
        "rename " + PathAt(a, from) + " " + PathAt(b, to))
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, renameat2, (int a, const char* from, int b, const char* to, unsigned flags),
        (a, from, b, to, flags), "rename " + PathAt(a, from) + " " + PathAt(b, to))
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, unlink, (const char* path), (path), std::string("unlink ") + path)
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, unlinkat, (int dir, const char* name, int flags), (dir, name, flags),
        "unlink " + PathAt(dir, name))
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, remove, (const char* path), (path), std::string("unlink ") + path)
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, rmdir, (const char* path), (path), std::string("unlink ") + path)
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, mkdir, (const char* path, mode_t mode), (path, mode), std::string("mkdir ") + path)
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, mkdirat, (int dir, const char* name, mode_t mode), (dir, name, mode),
        "mkdir " + PathAt(dir, name))
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, link, (const char* from, const char* to), (from, to), std::string("link ") + to)
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, linkat, (int a, const char* from, int b, const char* to, int flags),
        (a, from, b, to, flags), "link " + PathAt(b, to))
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, fchmod, (int fd, mode_t mode), (fd, mode), "chmod " + paths[fd])
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, fchown, (int fd, uid_t user, gid_t group), (fd, user, group), "chown " + paths[fd])
#undef NOEXCEPT
#define NOEXCEPT noexcept
COUNTED(int, fsetxattr, (int fd, const char* name, const void* value, size_t size, int flags),
        (fd, name, value, size, flags), "setxattr " + paths[fd])
#undef NOEXCEPT
#define NOEXCEPT
COUNTED(int, fallocate, (int fd, int mode, off_t at, off_t size), (fd, mode, at, size),
        "fallocate " + paths[fd])

int fsync(int fd) {
  if (Count("fsync " + paths[fd])) Crash();
  if (!failFlush.empty() && paths[fd] == failFlush) {
    errno = EIO;
    return -1;
  }
  return Real<int (*)(int)>("fsync")(fd);
}

}  // extern "C"
