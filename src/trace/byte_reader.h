// Bounds-checked reads of unsigned integers from a byte buffer, big- or little-endian: every read
// past the end gives nothing instead of touching memory it does not own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

class ByteReader {
 public:
  ByteReader(std::string_view bytes, bool bigEndian) : m_bytes(bytes), m_bigEndian(bigEndian) {}

  std::size_t size() const { return m_bytes.size(); }
  // Whether [offset, offset + length) lies inside the buffer (without overflowing).
  bool Holds(std::size_t offset, std::size_t length) const {
    return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
  }
  std::optional<std::uint32_t> U8(std::size_t offset) const { return Read(offset, 1); }
  std::optional<std::uint32_t> U16(std::size_t offset) const { return Read(offset, 2); }
  std::optional<std::uint32_t> U32(std::size_t offset) const { return Read(offset, 4); }
  std::string_view Slice(std::size_t offset, std::size_t length) const {
    return Holds(offset, length) ? m_bytes.substr(offset, length) : std::string_view();
  }

 private:
  std::optional<std::uint32_t> Read(std::size_t offset, std::size_t length) const {
    if (!Holds(offset, length)) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < length; ++i) {
      const std::size_t at = m_bigEndian ? offset + i : offset + length - 1 - i;
      value = (value << 8) | static_cast<unsigned char>(m_bytes[at]);
    }
    return value;
  }

  std::string_view m_bytes;
  bool m_bigEndian;
};
