// Runs a program as a child process and waits for it: the benchmarks that time whole programs
// (start-up, vesk-cli) use it so that loading, linking and Qt's set-up count as a user sees them.
#pragma once

#include <string>
#include <vector>

// The environment of this process with the given "NAME=value" entries set or replaced.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& overrides);

// Runs argv[0] with its arguments and the environment, output discarded. Returns the exit code, or
// -1 when the program could not be started or did not exit normally. cpuSeconds, when given,
// receives the child's user and system processor time, which a busy machine disturbs far less
// than the wall clock.
int RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               double* cpuSeconds = nullptr);

// A fresh folder under the system's temporary folder, for settings and output files; removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};
