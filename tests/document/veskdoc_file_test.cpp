// The design file: what New and a soundhole design save, files written by hand load field for
// field, save then open is lossless, and every incomplete file is refused with nothing changed.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <limits>

#include "common/design_bytes.h"
#include "common/test_files.h"
#include "counting_view.h"
#include "doc_fields.h"
#include "geometry/fit_shape.h"
#include "geometry/outline.h"
#include "same_shape_state.h"

namespace {

QString Fixture(const char* name) {
  return QStringLiteral(VESK_TEST_DATA_DIR "/") + name;
}

class DesignFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(testfiles::WriteBytes(path, bytes));
    return path;
  }
  QByteArray Saved(CVeskDoc& doc) {
    const QString path = dir.filePath("saved");
    QString error;
    EXPECT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    return testfiles::ReadBytes(path);
  }
  QTemporaryDir dir;
};

// The values of tests/data/soundhole_design.bin, as its README lists them.
DocFields SoundholeFixtureFields(int32_t fitValid) {
  return {{48.5, 15.25, 10.5, 12.0, 0.125, -0.375, 0.0625, -0.4375, 8.5, 14.5, 64.0, 5.0, 6.0, 6.5},
          fitValid,
          1,
          14};
}

}  // namespace

TEST_F(DesignFile, NewDesignSavesTheSixtyEightBytesOfTheWorkedExample) {
  CVeskDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  const QByteArray bytes = Saved(doc);
  ASSERT_EQ(bytes.size(), 68);
  EXPECT_EQ(bytes.left(8).toHex(' '), QByteArray("00 00 00 00 00 80 48 40"));
  EXPECT_EQ(bytes.right(4).toHex(), QByteArray("00000000"));
  EXPECT_EQ(bytes, testfiles::ReadBytes(Fixture("new_design.bin")));
  EXPECT_EQ(doc.LastFileSize(), 68);
}

TEST_F(DesignFile, SoundholeDesignSavesOneHundredTwentyBytesWithTheJointFretLast) {
  CVeskDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  doc.m_holeDefined = 1;
  for (int32_t joint : {12, 14}) {
    doc.m_jointFret = joint;
    const QByteArray bytes = Saved(doc);
    ASSERT_EQ(bytes.size(), 120);
    EXPECT_EQ(bytes.right(4), QByteArray::fromHex(joint == 12 ? "0c000000" : "0e000000"));
    designbytes::Record r;
    r.holeDefined = 1;
    r.jointFret = joint;
    EXPECT_EQ(bytes, designbytes::Bytes(r));
  }
}

TEST_F(DesignFile, SavingChangesNeitherTheFieldsNorTheShapeState) {
  CVeskDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  doc.m_length = std::numeric_limits<double>::quiet_NaN();  // saved as it stands, also unfitted
  const DocFields before = DocFields::Of(doc);
  const ShapeState state = g_shapeState;
  const QByteArray bytes = Saved(doc);
  EXPECT_EQ(bytes.left(8), QByteArray::fromHex("000000000000f87f"));
  EXPECT_EQ(DocFields::Of(doc), before);
  EXPECT_TRUE(designbytes::SameShapeState(g_shapeState, state));
}

TEST_F(DesignFile, HandWrittenFileLoadsFieldForFieldAndRefits) {
  CVeskDoc doc;
  FillWithMarkers(doc);
  doc.m_fitValid = 0;
  doc.SetModifiedFlag();
  CountingView view;
  view.SetDocument(&doc);
  QString error;
  ASSERT_TRUE(doc.OnOpenDocument(Fixture("soundhole_design.bin"), &error)) << error.toStdString();
  const int expectedFit = FitShape(48.5, 15.25, 10.5, 12.0, 0.125, -0.375, 0.0625, -0.4375) == 0 ? 1 : 0;
  EXPECT_EQ(expectedFit, 1);
  EXPECT_EQ(DocFields::Of(doc), SoundholeFixtureFields(expectedFit));
  EXPECT_EQ(doc.GetTitle(), "soundhole_design.bin");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.LastFileSize(), 120);
  EXPECT_GE(view.updates, 1);
}

TEST_F(DesignFile, SaveThenOpenGivesEveryFieldBackBitForBitAndRecomputesTheFit) {
  designbytes::Record r;
  const double awkward[] = {
      -0.0,  5e-324, std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity(),
      1e300, 0.1};
  for (int i = 0; i < 6; ++i) r.block[i] = awkward[i];
  r.holeDefined = 1;
  r.jointFret = 14;
  for (bool fitting : {true, false}) {
    r.shape[2] = fitting ? 12.0 : std::numeric_limits<double>::quiet_NaN();
    CVeskDoc writer;
    ASSERT_TRUE(writer.OnOpenDocument(Write("in", designbytes::Bytes(r)), nullptr));
    const QByteArray saved = Saved(writer);
    EXPECT_EQ(saved, designbytes::Bytes(r));

    CVeskDoc reader;
    reader.m_fitValid = fitting ? 0 : 1;  // the opposite of what the fit gives: must not survive
    ASSERT_TRUE(reader.OnOpenDocument(dir.filePath("saved"), nullptr));
    DocFields expected = DocFields::Of(writer);
    EXPECT_EQ(DocFields::Of(reader), expected);
    EXPECT_EQ(reader.m_fitValid, fitting ? 1 : 0);
    EXPECT_EQ(IsFitValid(), reader.m_fitValid);
  }
}

TEST_F(DesignFile, FileWithFlagClearLoadsOnlyItsFirstSixtyEightBytes) {
  CVeskDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  doc.m_holeDiameter = 9.5;
  doc.m_jointFret = 12;
  const DocFields before = DocFields::Of(doc);
  ASSERT_TRUE(doc.OnOpenDocument(Fixture("flag_clear_120.bin"), nullptr));
  EXPECT_EQ(doc.LastFileSize(), 68);
  DocFields expected = SoundholeFixtureFields(1);
  for (int i = 8; i < 14; ++i) expected.lengths[i] = before.lengths[i];  // the block keeps its values
  expected.holeDefined = 0;
  expected.jointFret = 12;
  EXPECT_EQ(DocFields::Of(doc), expected);
  // Saved again, the design is the 68 bytes it came from.
  EXPECT_EQ(Saved(doc), testfiles::ReadBytes(Fixture("flag_clear_120.bin")).left(68));
}

TEST_F(DesignFile, AnyNonZeroFlagCountsAsSetAndIsWrittenBackAsRead) {
  for (int32_t flag : {-1, 2, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
    designbytes::Record r;
    r.holeDefined = flag;
    r.jointFret = ~flag;  // another int32, never equal to the flag
    CVeskDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Write("flag", designbytes::Bytes(r)), nullptr));
    EXPECT_EQ(doc.m_holeDefined, flag);
    EXPECT_EQ(doc.LastFileSize(), 120);
    EXPECT_EQ(Saved(doc), designbytes::Bytes(r));
  }
}

// A document with a design, a name and unsaved changes, a view and a fitted outline: a failed
// open must leave all of it exactly as it was.
class RefusedOpen : public DesignFile {
 protected:
  void SetUp() override {
    DesignFile::SetUp();
    ASSERT_TRUE(doc.OnOpenDocument(Fixture("soundhole_design.bin"), nullptr));
    doc.m_waist = 10.75;
    doc.SetModifiedFlag();
    view.SetDocument(&doc);
    fields = DocFields::Of(doc);
    state = g_shapeState;
  }
  void ExpectRefused(const QString& path, const QString& cause) {
    QString error;
    EXPECT_FALSE(doc.OnOpenDocument(path, &error));
    EXPECT_EQ(error, QDir::toNativeSeparators(path) + ": " + cause);
    EXPECT_EQ(DocFields::Of(doc), fields);
    EXPECT_EQ(doc.GetTitle(), "soundhole_design.bin");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
    EXPECT_TRUE(designbytes::SameShapeState(g_shapeState, state));
  }
  CVeskDoc doc;
  CountingView view;
  DocFields fields{};
  ShapeState state;
};

TEST_F(RefusedOpen, EmptyFile) {
  ExpectRefused(Write("empty", {}), "is not a complete design (the file is empty)");
}

TEST_F(RefusedOpen, EveryLengthShorterThanTheShapeBlock) {
  designbytes::Record r;
  r.shape[0] = 30.0;
  const QByteArray full = designbytes::Bytes(r);
  for (int n = 1; n < 68; ++n) {
    SCOPED_TRACE(n);
    ExpectRefused(Write("short", full.left(n)),
                  QStringLiteral("is not a complete design (too short: %1 of at least 68 bytes)").arg(n));
  }
}

TEST_F(RefusedOpen, FlagSetButEveryLengthShorterThanTheSoundholeBlock) {
  designbytes::Record r;
  r.shape[0] = 30.0;
  r.holeDefined = 1;
  r.jointFret = 14;
  const QByteArray full = designbytes::Bytes(r);
  for (int n = 68; n < 120; ++n) {
    SCOPED_TRACE(n);
    ExpectRefused(
        Write("cut", full.left(n)),
        QStringLiteral("is not a complete design (too short for its soundhole flag: %1 of 120 bytes)")
            .arg(n));
  }
}

TEST_F(RefusedOpen, Folder) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  ExpectRefused(dir.filePath("folder"), "cannot be read: it is a folder");
}

TEST_F(RefusedOpen, MissingFile) {
  const QString path = dir.filePath("absent");
  QString error;
  EXPECT_FALSE(doc.OnOpenDocument(path, &error));
  EXPECT_TRUE(error.startsWith(path + ": cannot be read: ")) << error.toStdString();
  EXPECT_EQ(DocFields::Of(doc), fields);
  EXPECT_EQ(doc.GetTitle(), "soundhole_design.bin");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(designbytes::SameShapeState(g_shapeState, state));
}
