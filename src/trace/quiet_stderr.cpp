// dup the descriptor, point 2 at /dev/null, and put it back.
#include "trace/quiet_stderr.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

QuietStderr::QuietStderr(bool active) {
  if (!active) return;
  std::fflush(stderr);
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null < 0) return;
  m_saved = dup(2);
  if (m_saved >= 0 && dup2(null, 2) < 0) {
    close(m_saved);
    m_saved = -1;
  }
  close(null);
}

QuietStderr::~QuietStderr() {
  if (m_saved < 0) return;
  std::fflush(stderr);
  dup2(m_saved, 2);
  close(m_saved);
}
