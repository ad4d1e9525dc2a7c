// One fuzz input for the point readers: the bytes read as a text point file and as a DXF (every
// layer, and one named layer), each result checked. Shared by the libFuzzer target and the replay.
#pragma once

#include <string>
#include <string_view>

// Empty when every check held; otherwise what broke.
std::string RunPointsInput(std::string_view bytes);
