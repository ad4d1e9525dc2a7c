// Recognises the format by its signature, reads its header, and checks the size against the limit.
#include "trace/image_header.h"

#include <string>

#include "trace/image_header_formats.h"
#include "trace/tiff_fields.h"

Result<ImageHeader> ReadTiffHeader(std::string_view bytes) {
  const Result<TiffFields> f = ReadTiffFields(bytes, true);
  if (!f.ok()) return f.error();
  ImageHeader h;
  h.format = ImageFormat::Tiff;
  h.width = f->width;
  h.height = f->height;
  h.orientation = f->orientation;
  h.tiffOrientationAt = f->orientationAt;
  h.tiffBigEndian = f->bigEndian;
  h.dpiX = DotsPerInch(f->resolutionX, f->resolutionUnit);
  h.dpiY = DotsPerInch(f->resolutionY, f->resolutionUnit);
  if (h.dpiX > 0.0 && h.dpiY > 0.0) h.resolutionSource = "TIFF resolution";
  return h;
}

std::optional<ImageFormat> SniffImageFormat(std::string_view bytes) {
  const std::string_view head = bytes.substr(0, 8);
  if (head == std::string_view("\x89PNG\r\n\x1a\n", 8)) return ImageFormat::Png;
  if (head.substr(0, 3) == "\xFF\xD8\xFF") return ImageFormat::Jpeg;
  const std::string_view tiff = head.substr(0, 4);
  if (tiff == std::string_view("II*\0", 4) || tiff == std::string_view("MM\0*", 4) ||
      tiff == std::string_view("II+\0", 4) || tiff == std::string_view("MM\0+", 4))
    return ImageFormat::Tiff;
  return std::nullopt;
}

Result<ImageHeader> ReadImageHeader(std::string_view bytes) {
  const std::optional<ImageFormat> format = SniffImageFormat(bytes);
  if (!format) return Error{"not a PNG, JPEG or TIFF picture"};
  Result<ImageHeader> h = *format == ImageFormat::Png    ? ReadPngHeader(bytes)
                          : *format == ImageFormat::Jpeg ? ReadJpegHeader(bytes)
                                                         : ReadTiffHeader(bytes);
  if (!h.ok()) return h;
  if (h->width == 0 || h->height == 0) return Error{"the picture is empty (0 pixels)"};
  const std::uint64_t pixels = std::uint64_t(h->width) * h->height;
  if (pixels > kMaxImagePixels)
    return Error{std::to_string(h->width) + " x " + std::to_string(h->height) +
                 " pixels: more than the limit of 100 megapixels"};
  if (!(h->dpiX > 0.0 && h->dpiY > 0.0)) h->dpiX = h->dpiY = 0.0, h->resolutionSource = "";
  return h;
}
