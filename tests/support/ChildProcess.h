// Runs test code in a forked child process, optionally as the unprivileged
// user "nobody": tests that need permissions to bind (read-only files, other
// users' files) run as root in CI and drop privileges this way instead of
// skipping. The child reports through a pipe; an empty report means success.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

namespace test_support {

// The ids of the user "nobody" and the group "nogroup" (65534 where the
// system does not name them).
inline uid_t NobodyUid() {
  const passwd* user = ::getpwnam("nobody");
  return user != nullptr ? user->pw_uid : 65534;
}
inline gid_t NobodyGid() {
  const group* grp = ::getgrnam("nogroup");
  return grp != nullptr ? grp->gr_gid : 65534;
}

// Runs body in a child process and returns its report: what body returned,
// or a text saying how the child ended when it did not return. With asNobody
// and root privileges the child first becomes nobody:nogroup without
// supplementary groups; without root it stays the user it is, which binds
// permissions just as well.
inline std::string InChild(const std::function<std::string()>& body, bool asNobody = false) {
  int fds[2];
  if (::pipe(fds) != 0) return "pipe failed";
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return "fork failed";
  if (pid == 0) {
    ::close(fds[0]);
    std::string report;
    if (asNobody && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setresgid(NobodyGid(), NobodyGid(), NobodyGid()) != 0 ||
         ::setresuid(NobodyUid(), NobodyUid(), NobodyUid()) != 0)) {
      report = "could not become nobody";
    } else {
      try {
        report = body();
      } catch (const std::exception& error) {
        report = std::string("exception: ") + error.what();
      } catch (...) {
        report = "unknown exception";
      }
    }
    const char* data = report.data();
    std::size_t left = report.size();
    while (left > 0) {
      const ssize_t wrote = ::write(fds[1], data, left);
      if (wrote <= 0) break;
      data += wrote;
      left -= static_cast<std::size_t>(wrote);
    }
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string report;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
    if (got <= 0) break;
    report.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFSIGNALED(status))
    return report + "child ended by signal " + std::to_string(WTERMSIG(status));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return report + "child failed";
  return report;
}

}  // namespace test_support
