// Replays the picture reader's and the trace's fuzz corpus without libFuzzer.
#include "images_harness.h"
#include "replay_files.h"

int main(int argc, char** argv) {
  return ReplayFiles(argc, argv, "images_fuzz_replay", RunImageInput);
}
