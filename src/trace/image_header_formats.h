// The per-format header readers behind ReadImageHeader; each takes a file whose signature has
// already been recognised.
#pragma once

#include <string_view>

#include "geometry/result.h"
#include "trace/image_header.h"

Result<ImageHeader> ReadPngHeader(std::string_view bytes);
Result<ImageHeader> ReadJpegHeader(std::string_view bytes);
Result<ImageHeader> ReadTiffHeader(std::string_view bytes);
