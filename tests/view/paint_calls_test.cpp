// Every drawing call of a paint, for a set of designs (hostile ones among them) in both
// orientations and several client sizes, against fingerprints taken from the paint as first
// written: a faster paint must make exactly the same calls. The replay check shows that the
// recorded calls decide every pixel, so equal calls mean equal image bits.
#include <gtest/gtest.h>

#include <QPainter>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/test_files.h"
#include "document/veskdoc.h"
#include "framework/dc.h"
#include "view/veskview.h"

namespace {

struct Variant {
  int vertical;
  int extras;  // fingerboard and data on
  int width;
  int height;
};

// Both orientations with everything shown, at the window's size, a 4K screen and an odd narrow
// one; and the plain drawing at the window's size.
const Variant kVariants[] = {
    {0, 1, 800, 600}, {1, 1, 800, 600}, {0, 1, 3840, 2160}, {1, 1, 3840, 2160},
    {0, 1, 123, 457}, {1, 1, 123, 457}, {0, 0, 800, 600},   {1, 0, 800, 600},
};

struct DesignCase {
  const char* name;
  const char* file;               // under tests/data/fuzz; empty: the new design
  void (*change)(CVeskDoc& doc);  // after the load, or null
  uint64_t fingerprint;
};

// FNV-1a over the calls' fields.
void PrintTo(const DesignCase& c, std::ostream* os) {
  *os << c.name;
}

class Fingerprint {
 public:
  void Add(uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      m_hash ^= (v >> (8 * i)) & 0xFF;
      m_hash *= 1099511628211ULL;
    }
  }
  void Add(const DrawCall& c) {
    Add(static_cast<uint64_t>(c.kind));
    for (int v : {c.x1, c.y1, c.x2, c.y2, c.penWidth, c.brush})
      Add(static_cast<uint64_t>(static_cast<int64_t>(v)));
    Add(c.color);
    for (const QChar ch : c.text) Add(ch.unicode());
    Add(static_cast<uint64_t>(c.text.size()));
  }
  uint64_t Value() const { return m_hash; }

 private:
  uint64_t m_hash = 14695981039346656037ULL;
};

// The image the view paints, and the calls it made.
QImage PaintRecorded(CVeskView& view, int width, int height, DrawCalls* calls) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(0xFFFF00FF);
  QPainter painter(&image);
  CDC dc(&painter, CRect(0, 0, width, height));
  dc.RecordInto(calls);
  view.OnDraw(&dc);
  return image;
}

// The calls again, through a fresh device context, with pens and brushes made from the records.
QImage Replay(const DrawCalls& calls, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(0xFFFF00FF);
  QPainter painter(&image);
  CDC dc(&painter, CRect(0, 0, width, height));
  std::vector<std::unique_ptr<CPen>> pens;
  auto select = [&](const DrawCall& c) {
    pens.push_back(std::make_unique<CPen>(PS_SOLID, c.penWidth, c.color));
    dc.SelectObject(pens.back().get());
  };
  for (const DrawCall& c : calls) {
    switch (c.kind) {
      case DrawCall::Fill:
        dc.FillSolidRect(c.x1, c.y1, c.x2 - c.x1, c.y2 - c.y1, c.color);
        break;
      case DrawCall::Line:
        select(c);
        dc.MoveTo(c.x1, c.y1);
        dc.LineTo(c.x2, c.y2);
        break;
      case DrawCall::Ellipse:
        select(c);
        dc.SelectStockObject(c.brush);
        dc.Ellipse(c.x1, c.y1, c.x2, c.y2);
        break;
      case DrawCall::Text:
        dc.TextOut(c.x1, c.y1, c.text);
        break;
    }
  }
  return image;
}

class PaintCalls : public ::testing::TestWithParam<DesignCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.OnNewDocument());
    const std::string file = GetParam().file;
    if (!file.empty()) {
      const QByteArray bytes =
          testfiles::ReadBytes(QStringLiteral(VESK_TEST_DATA_DIR "/fuzz/") + QString::fromStdString(file));
      ASSERT_FALSE(bytes.isEmpty()) << file;
      ASSERT_TRUE(doc.LoadFromBytes(bytes, QString::fromStdString(file), nullptr)) << file;
    }
    if (GetParam().change) GetParam().change(doc);
    view.SetDocument(&doc);
  }
  CVeskDoc doc;
  CVeskView view;
};

TEST_P(PaintCalls, AreThoseOfTheFirstPaintAndDecideEveryPixel) {
  Fingerprint all;
  size_t count = 0;
  for (const Variant& v : kVariants) {
    view.m_vertical = v.vertical;
    view.m_showFingerboard = v.extras;
    view.m_showData = v.extras;
    DrawCalls calls;
    const QImage painted = PaintRecorded(view, v.width, v.height, &calls);
    EXPECT_TRUE(painted == Replay(calls, v.width, v.height))
        << "vertical " << v.vertical << ", " << v.width << "x" << v.height;
    for (const DrawCall& c : calls) all.Add(c);
    count += calls.size();
  }
  EXPECT_GT(count, kVariants[0].extras ? 1u : 0u);
  EXPECT_EQ(all.Value(), GetParam().fingerprint)
      << "calls: " << count << ", fingerprint 0x" << std::hex << all.Value();
}

// Fits that fail paint only the white area; the others draw the outline, the hole and the frets
// from whatever values the file or the change left. The rows marked "shared layout" were retaken
// when the paint's frets moved to the fret layout the templates share, which ends the walk and
// refuses unusable widths its own way; the rest are the first paint's.
const DesignCase kDesigns[] = {
    {"new_design", "", nullptr, 0xae7a3f16d432f52c},
    {"design_120", "design-120", nullptr, 0x3d84438e5d188136},
    {"joint_fret_14", "design-120-joint14", nullptr, 0xaa546330f21d9e5b},
    {"waist_wider_than_bouts", "waist-wider-than-bouts", nullptr, 0xe407ae8dd502daad},
    {"a3_infinite", "a3-inf", nullptr, 0xe407ae8dd502daad},
    {"length_denormal", "length-denormal", nullptr, 0x2ca018a66b77ee6c},
    {"hole_at_saddle", "hole-at-saddle", nullptr, 0x4cf9602ad952d17e},  // shared layout
    {"hole_before_first_fret", "hole-before-first-fret", nullptr, 0x9e8bc91cc8648fbc},
    {"hole_beyond_saddle", "hole-beyond-saddle", nullptr, 0xce85d85a60c4bfc5},  // shared layout
    {"hole_diameter_max", "hole-diameter-max", nullptr, 0x18d427cb2243fb5},
    {"hole_position_nan", "hole-position-nan", nullptr, 0x29ae8c343b5216a8},  // shared layout
    {"joint_fret_0", "joint-fret-0", nullptr, 0x461c0b9ec10a90b},
    {"joint_fret_100000", "joint-fret-100000", nullptr, 0x8ca290927d4fdb2a},
    {"scale_0_hole_positive", "scale-0-hole-positive", nullptr, 0xe6620fe5a5bfac49},
    {"scale_nan", "scale-nan", nullptr, 0x461c0b9ec10a90b},
    {"widths_max", "widths-max", nullptr, 0x461c0b9ec10a90b},  // shared layout
    {"widths_nan", "widths-nan", nullptr, 0x461c0b9ec10a90b},  // shared layout
    {"tiny_body_huge_scale", "design-120",
     [](CVeskDoc& d) { d.m_length = d.m_lowerBout = d.m_upperBout = 1e-300; }, 0x88e15a59140ab24b},
    {"diameter_1e8", "design-120", [](CVeskDoc& d) { d.m_holeDiameter = 1e8; }, 0xfaadc3fe91c4857a},
};

INSTANTIATE_TEST_SUITE_P(Designs, PaintCalls, ::testing::ValuesIn(kDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
