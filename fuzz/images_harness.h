// One fuzz input for the picture reader and the trace: the bytes as a picture file, its header, its
// decoding and the whole trace, each result checked. Shared by the libFuzzer target and the replay.
#pragma once

#include <string>
#include <string_view>

// Empty when every check held; otherwise what broke.
std::string RunImageInput(std::string_view bytes);
