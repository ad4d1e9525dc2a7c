// Replays the point readers' fuzz corpus without libFuzzer: every file of the folders named.
// Fails on the first broken check, or when it found no input.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "points_harness.h"

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    if (std::filesystem::is_regular_file(argv[i])) {
      files.emplace_back(argv[i]);
      continue;
    }
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(argv[i], error))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "usage: points_fuzz_replay CORPUS_DIR|FILE...: no input found\n");
    return 2;
  }
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string broken = RunPointsInput(bytes);
    if (!broken.empty()) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), broken.c_str());
      return 1;
    }
  }
  std::printf("replayed %zu inputs\n", files.size());
  return 0;
}
