// Every drawing call of a paint, for a set of designs (hostile ones among them) in both
// orientations and several client sizes, against the listing of the paint as first written in
// tests/data/paint_calls/<case>.txt (paint_listing.h gives the form): a faster paint must make
// exactly the same calls. The replay check shows that the recorded calls decide every pixel, so
// equal calls mean equal image bits. After a change to the paint that is meant, rewrite the
// listings and read what moved in the diff:
//   VESK_UPDATE_GOLDENS=1 build/tests/view/tests_view --gtest_filter='Designs/PaintCalls.*'
//   git diff --stat tests/data/paint_calls
#include <gtest/gtest.h>

#include <QPainter>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/draw_call_recorder.h"
#include "common/test_files.h"
#include "document/veskdoc.h"
#include "framework/dc.h"
#include "paint_listing.h"
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
};

void PrintTo(const DesignCase& c, std::ostream* os) {
  *os << c.name;
}

// The image the view paints, and the calls it made.
QImage PaintRecorded(CVeskView& view, int width, int height, DrawCalls* calls) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(0xFFFF00FF);
  *calls = RecordPaint(&image, [&](CDC* dc) { view.OnDraw(dc); });
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
  QString listing;
  size_t count = 0;
  for (const Variant& v : kVariants) {
    view.m_vertical = v.vertical;
    view.m_showFingerboard = v.extras;
    view.m_showData = v.extras;
    DrawCalls calls;
    const QImage painted = PaintRecorded(view, v.width, v.height, &calls);
    EXPECT_TRUE(painted == Replay(calls, v.width, v.height))
        << "vertical " << v.vertical << ", " << v.width << "x" << v.height;
    listing += QStringLiteral("# vertical %1, fingerboard and data %2, %3 x %4: %5 calls\n")
                   .arg(v.vertical)
                   .arg(v.extras)
                   .arg(v.width)
                   .arg(v.height)
                   .arg(calls.size());
    AppendListing(calls, &listing);
    count += calls.size();
  }
  EXPECT_GT(count, kVariants[0].extras ? 1u : 0u);
  const QString golden = QStringLiteral(VESK_TEST_DATA_DIR "/paint_calls/%1.txt").arg(GetParam().name);
  if (qEnvironmentVariableIsSet("VESK_UPDATE_GOLDENS")) {
    ASSERT_TRUE(testfiles::WriteBytes(golden, listing.toUtf8())) << golden.toStdString();
  }
  const QString expected = QString::fromUtf8(testfiles::ReadBytes(golden));
  ASSERT_FALSE(expected.isEmpty()) << "no listing " << golden.toStdString();
  const QString difference = FirstDifference(expected, listing);
  EXPECT_TRUE(difference.isEmpty()) << golden.toStdString() << ", " << difference.toStdString()
                                    << " (VESK_UPDATE_GOLDENS=1 rewrites it: see the top of this file)";
}

// Fits that fail paint only the white area; the others draw the outline, the hole and the frets
// from whatever values the file or the change left. The rows marked "shared layout" were retaken
// when the paint's frets moved to the fret layout the templates share, which ends the walk and
// refuses unusable widths its own way; the rest are the first paint's.
const DesignCase kDesigns[] = {
    {"new_design", "", nullptr},
    {"design_120", "design-120", nullptr},
    {"joint_fret_14", "design-120-joint14", nullptr},
    {"waist_wider_than_bouts", "waist-wider-than-bouts", nullptr},
    {"a3_infinite", "a3-inf", nullptr},
    {"length_denormal", "length-denormal", nullptr},
    {"hole_at_saddle", "hole-at-saddle", nullptr},  // shared layout
    {"hole_before_first_fret", "hole-before-first-fret", nullptr},
    {"hole_beyond_saddle", "hole-beyond-saddle", nullptr},  // shared layout
    {"hole_diameter_max", "hole-diameter-max", nullptr},
    {"hole_position_nan", "hole-position-nan", nullptr},  // shared layout
    {"joint_fret_0", "joint-fret-0", nullptr},
    {"joint_fret_100000", "joint-fret-100000", nullptr},
    {"scale_0_hole_positive", "scale-0-hole-positive", nullptr},
    {"scale_nan", "scale-nan", nullptr},
    {"widths_max", "widths-max", nullptr},  // shared layout
    {"widths_nan", "widths-nan", nullptr},  // shared layout
    {"tiny_body_huge_scale", "design-120",
     [](CVeskDoc& d) { d.m_length = d.m_lowerBout = d.m_upperBout = 1e-300; }},
    {"diameter_1e8", "design-120", [](CVeskDoc& d) { d.m_holeDiameter = 1e8; }},
};

INSTANTIATE_TEST_SUITE_P(Designs, PaintCalls, ::testing::ValuesIn(kDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
