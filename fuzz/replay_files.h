// The corpus replays' shared main: every file of the folders (or the files) named, in name order,
// through one harness check. Fails on the first broken check, or when it found no input.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

inline int ReplayFiles(int argc, char** argv, const char* program, std::string (*run)(std::string_view)) {
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
    std::fprintf(stderr, "usage: %s CORPUS_DIR|FILE...: no input found\n", program);
    return 2;
  }
  for (const auto& path : files) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string broken = run(bytes);
    if (!broken.empty()) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), broken.c_str());
      return 1;
    }
  }
  std::printf("replayed %zu inputs\n", files.size());
  return 0;
}
