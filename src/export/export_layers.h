// The parts a template can hold and the colour each is drawn in, the same in all formats, so that a
// laser or CAM program can tell the cut lines from the marks. A part names what a layer is for; a
// template may have several layers of one part (one per offset, say).
#pragma once

#include <QString>
#include <array>

enum class Part { Outline, Offsets, Centreline, Soundhole, Frets, Stations, Check, Title };

inline constexpr std::array<Part, 8> kAllParts = {Part::Outline,   Part::Offsets, Part::Centreline,
                                                  Part::Soundhole, Part::Frets,   Part::Stations,
                                                  Part::Check,     Part::Title};

// A set of parts as bits, one per Part.
class PartSet {
 public:
  static PartSet All() { return PartSet((1u << kAllParts.size()) - 1u); }
  static PartSet None() { return PartSet(0u); }
  bool Has(Part part) const { return (m_bits & Bit(part)) != 0u; }
  void Add(Part part) { m_bits |= Bit(part); }
  bool operator==(const PartSet& other) const { return m_bits == other.m_bits; }

 private:
  explicit PartSet(unsigned bits) : m_bits(bits) {}
  static unsigned Bit(Part part) { return 1u << static_cast<unsigned>(part); }
  unsigned m_bits;
};

struct LayerStyle {
  unsigned char red = 0, green = 0, blue = 0;
  int aci = 7;  // AutoCAD colour index for DXF
};

// Black is kept for the outline alone; red for the check square alone.
LayerStyle DefaultStyle(Part part);

// The lower-case name a user types: outline, offsets, centreline, ...
QString PartName(Part part);
// Accepts the names of PartName; false (part untouched) for anything else.
bool ParsePart(const QString& text, Part* part);
