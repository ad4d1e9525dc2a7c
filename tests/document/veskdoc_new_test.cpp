// CVeskDoc::OnNewDocument: the new-design values, the cleared flags and the first fit.
#include <gtest/gtest.h>

#include "counting_view.h"
#include "doc_fields.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"

TEST(VeskDocNew, HoldsExactlyTheNewDesignValuesAndFits) {
  CVeskDoc doc;
  FillWithMarkers(doc);
  doc.m_jointFret = 12;
  doc.SetPathName("/tmp/old design");
  doc.SetModifiedFlag();
  CountingView view;
  view.SetDocument(&doc);
  g_shapeState.fitValid = 0;

  ASSERT_TRUE(doc.OnNewDocument());

  const DocFields expected{
      {49.0, 18.5, 12.0, 14.0, 0.0, -0.25, 0.0, -0.5, 8.8, 0.0, 65.0, 5.2, 6.2, 0.0}, 1, 0, 12};
  EXPECT_EQ(DocFields::Of(doc), expected);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "Untitled");
  EXPECT_EQ(IsFitValid(), 1);
  EXPECT_EQ(view.updates, 1);
}

TEST(VeskDocNew, KeepsTheJointFretWhichNothingReadsWhileTheFlagIsClear) {
  CVeskDoc doc;
  doc.m_holeDefined = 1;
  doc.m_jointFret = 14;
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(doc.m_holeDefined, 0);
  EXPECT_EQ(doc.m_jointFret, 14);
}

TEST(VeskDocNew, FitsTheDefaultsToTheirMeasurements) {
  CVeskDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  // The outline reaches the body length at the tail end and starts at the neck end.
  EXPECT_NEAR(OutlineX(0.0), 49.0, 1e-9);
  EXPECT_NEAR(OutlineX(180.0), 0.0, 1e-9);
}

TEST(VeskDocNew, FreshDocumentHoldsTheNewDesignValuesUnfitted) {
  // A document made for an open whose file has no soundhole block shows New's soundhole values.
  const CVeskDoc doc;
  const DocFields expected{
      {49.0, 18.5, 12.0, 14.0, 0.0, -0.25, 0.0, -0.5, 8.8, 0.0, 65.0, 5.2, 6.2, 0.0}, 0, 0, 0};
  EXPECT_EQ(DocFields::Of(doc), expected);
  EXPECT_FALSE(doc.IsModified());
}
