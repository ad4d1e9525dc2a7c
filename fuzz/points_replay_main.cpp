// Replays the point readers' fuzz corpus without libFuzzer.
#include "points_harness.h"
#include "replay_files.h"

int main(int argc, char** argv) {
  return ReplayFiles(argc, argv, "points_fuzz_replay", RunPointsInput);
}
