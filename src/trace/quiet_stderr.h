// Drops whatever is written to the process's stderr (file descriptor 2) while it lives: libpng and
// libjpeg print their warnings there directly, past any handler of OpenCV's.
#pragma once

class QuietStderr {
 public:
  explicit QuietStderr(bool active);
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int m_saved = -1;
};
