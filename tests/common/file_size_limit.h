// A full disk for one child process: its files may grow only to a few bytes, so a write past that
// fails with EFBIG ("File too large") the way a full disk fails with ENOSPC.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <csignal>

namespace testfiles {

struct ChildResult {
  int exitStatus = -1;  // -1 when the child did not exit normally (a signal, a crash)
  QByteArray stderrText;
};

// Runs body() in a forked child under the limit and returns its exit status (body's result) and what
// it wrote to stderr. SIGXFSZ is ignored, so the write fails instead of killing the child; both the
// limit and the ignored signal carry over into a program the child executes.
template <typename Body>
ChildResult RunUnderFileSizeLimit(rlim_t bytes, Body body) {
  ChildResult result;
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return result;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeFds[0]);
    dup2(pipeFds[1], STDERR_FILENO);
    close(pipeFds[1]);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(100);
    _exit(body());
  }
  close(pipeFds[1]);
  char chunk[512];
  for (ssize_t n; (n = read(pipeFds[0], chunk, sizeof chunk)) > 0;) result.stderrText.append(chunk, n);
  close(pipeFds[0]);
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
    result.exitStatus = WEXITSTATUS(status);
  return result;
}

}  // namespace testfiles
