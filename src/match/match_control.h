// How a caller follows and stops a match that runs on a worker thread: a progress callback and a
// cancel flag, both optional, looked at between solver iterations and between starts.
#pragma once

#include <atomic>
#include <functional>

struct MatchControl {
  std::function<void(double fraction)> progress;  // 0 to 1; called on the matching thread
  const std::atomic<bool>* cancel = nullptr;      // set (from any thread) to stop

  bool Cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
  void Report(double fraction) const {
    if (progress) progress(fraction);
  }
};
