// Edit > in->cm and cm->in: every length scaled by 2.54 (a true division back), a refit, and the
// integer fields and the modified flag left alone.
#include <gtest/gtest.h>

#include <limits>

#include "counting_view.h"
#include "doc_fields.h"
#include "geometry/outline.h"

namespace {

const std::array<double, 14> kDefaults = {49.0, 18.5, 12.0, 14.0, 0.0, -0.25, 0.0,
                                          -0.5, 8.8,  0.0,  65.0, 5.2, 6.2,   0.0};

// The defaults times 2.54 as IEEE doubles (worked out with Python, in declaration order): 124.46,
// 46.99, 30.48, 35.56, a4 -0.635, a6 -1.27, diameter 22.352, scale 165.1, nut 13.208, 12th 15.748.
const std::array<double, 14> kDefaultsInCm = {
    124.46000000000001, 46.99, 30.48, 35.56, 0.0, -0.635, 0.0, -1.27, 22.352000000000004, 0.0, 165.1, 13.208,
    15.748000000000001, 0.0};

// Twice: 2.54 applied two times, each product rounded.
const std::array<double, 14> kDefaultsInCmTwice = {
    316.1284, 119.3546,           77.4192,  90.3224, 0.0, -1.6129, 0.0, -3.2258, 56.77408000000001, 0.0,
    419.354,  33.548320000000004, 39.99992, 0.0};

CVeskDoc& NewDoc(CVeskDoc& doc) {
  EXPECT_TRUE(doc.OnNewDocument());
  return doc;
}

}  // namespace

TEST(UnitConversion, InToCmOnANewDesignGivesTheCentimetreValues) {
  CVeskDoc doc;
  NewDoc(doc).OnInToCm();
  EXPECT_EQ(DocFields::Of(doc), (DocFields{kDefaultsInCm, 1, 0, doc.m_jointFret}));
  EXPECT_NEAR(doc.m_length, 124.46, 1e-12);
  EXPECT_NEAR(doc.m_holeDiameter, 22.352, 1e-12);
  EXPECT_FALSE(doc.IsModified());
  // Same outline at the new size.
  EXPECT_NEAR(OutlineX(0.0), 124.46, 1e-9);
}

TEST(UnitConversion, InToCmThenCmToInGivesTheDefaultsBackExactly) {
  CVeskDoc doc;
  NewDoc(doc).OnInToCm();
  doc.OnCmToIn();
  EXPECT_EQ(DocFields::Of(doc), (DocFields{kDefaults, 1, 0, doc.m_jointFret}));
}

TEST(UnitConversion, InToCmTwiceScalesTwice) {
  CVeskDoc doc;
  NewDoc(doc).OnInToCm();
  doc.OnInToCm();
  EXPECT_EQ(DocFields::Of(doc), (DocFields{kDefaultsInCmTwice, 1, 0, doc.m_jointFret}));
}

TEST(UnitConversion, CmToInIsATrueDivision) {
  // 49 / 2.54 and 49 * (1 / 2.54) differ in the last bit.
  CVeskDoc doc;
  NewDoc(doc).OnCmToIn();
  EXPECT_EQ(designbytes::Bits(doc.m_length), designbytes::Bits(19.291338582677167));
  EXPECT_NE(designbytes::Bits(doc.m_length), designbytes::Bits(19.291338582677163));
}

TEST(UnitConversion, SoundholeValuesConvertWhileTheFlagIsClearAndIntegersStay) {
  CVeskDoc doc;
  NewDoc(doc);
  doc.m_jointFret = 14;
  doc.OnInToCm();
  EXPECT_EQ(doc.m_holeDefined, 0);
  EXPECT_EQ(doc.m_jointFret, 14);
  EXPECT_EQ(doc.m_scaleLength, 165.1);
  EXPECT_EQ(doc.m_nutWidth, 13.208);
  EXPECT_EQ(doc.m_holePosition, 0.0);
  EXPECT_EQ(doc.m_fret19Width, 0.0);

  doc.m_holeDefined = -3;  // any value a file may bring
  doc.OnCmToIn();
  EXPECT_EQ(doc.m_holeDefined, -3);
  EXPECT_EQ(doc.m_jointFret, 14);
}

TEST(UnitConversion, LeavesTheModifiedFlagAsItWas) {
  CVeskDoc doc;
  NewDoc(doc).SetModifiedFlag();
  doc.OnInToCm();
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);
  doc.OnCmToIn();
  EXPECT_FALSE(doc.IsModified());
}

TEST(UnitConversion, RefitRepaintsOnSuccessOnly) {
  CVeskDoc doc;
  NewDoc(doc);
  CountingView view;
  view.SetDocument(&doc);
  doc.OnInToCm();
  EXPECT_EQ(view.updates, 1);
  EXPECT_EQ(doc.m_fitValid, 1);

  // A length that overflows to infinity: the fit fails, nothing repaints, the values stay converted.
  doc.m_length = std::numeric_limits<double>::max();
  doc.OnInToCm();
  EXPECT_EQ(doc.m_length, std::numeric_limits<double>::infinity());
  EXPECT_EQ(doc.m_fitValid, 0);
  EXPECT_EQ(IsFitValid(), 0);
  EXPECT_EQ(view.updates, 1);
  EXPECT_EQ(doc.m_lowerBout, 46.99 * 2.54);
}
