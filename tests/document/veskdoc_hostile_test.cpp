// Files holding values no dialog would accept: they load, then fit or fail cleanly, and save back
// as they came. Under the sanitizer build any undefined behaviour on the way ends the test.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <random>

#include "common/design_bytes.h"
#include "common/test_files.h"
#include "doc_fields.h"
#include "framework/archive.h"
#include "geometry/outline.h"
#include "geometry/shape_state.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kHostile[] = {std::numeric_limits<double>::quiet_NaN(),
                           -std::numeric_limits<double>::quiet_NaN(),
                           kInf,
                           -kInf,
                           std::numeric_limits<double>::max(),
                           -std::numeric_limits<double>::max(),
                           1e300,
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::min(),
                           -1e-300,
                           -49.0,
                           0.0,
                           -0.0};

class HostileFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  // Opens bytes from a file into doc, checks the outcome is coherent, and returns what the
  // document stores (into memory: the file service's own saving is tested elsewhere, and its
  // sync to disk would make hundreds of rounds slow).
  QByteArray LoadCheckAndSave(const QByteArray& bytes, CVeskDoc& doc) {
    const QString in = dir.filePath("in");
    EXPECT_TRUE(testfiles::WriteBytes(in, bytes));
    QString error;
    EXPECT_TRUE(doc.OnOpenDocument(in, &error)) << error.toStdString();
    ExpectCoherentFit(doc);
    QByteArray stored;
    QBuffer buffer(&stored);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    doc.Serialize(ar);
    return stored;
  }

  // A fit either failed or left an outline with finite numbers to draw.
  static void ExpectCoherentFit(const CVeskDoc& doc) {
    ASSERT_TRUE(doc.m_fitValid == 0 || doc.m_fitValid == 1);
    EXPECT_EQ(doc.m_fitValid, IsFitValid());
    if (doc.m_fitValid == 0) return;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(std::isfinite(g_shapeState.coeff[i]));
    EXPECT_TRUE(std::isfinite(g_shapeState.verticalScale));
    EXPECT_NE(g_shapeState.verticalScale, 0.0);
  }

  QTemporaryDir dir;
};

}  // namespace

TEST_F(HostileFile, EachFieldHoldingEachHostileValueLoadsAndSavesBackUnchanged) {
  for (int field = 0; field < 14; ++field) {
    for (double value : kHostile) {
      SCOPED_TRACE(testing::Message() << "field " << field << " value " << value);
      designbytes::Record r;
      r.holeDefined = 1;
      (field < 8 ? r.shape[field] : r.block[field - 8]) = value;
      const QByteArray bytes = designbytes::Bytes(r);
      CVeskDoc doc;
      EXPECT_EQ(LoadCheckAndSave(bytes, doc), bytes);
    }
  }
}

TEST_F(HostileFile, EveryShapeValueNotANumberOrInfiniteFailsTheFit) {
  for (double value : {std::numeric_limits<double>::quiet_NaN(), kInf, -kInf}) {
    designbytes::Record r;
    for (double& d : r.shape) d = value;
    CVeskDoc doc;
    LoadCheckAndSave(designbytes::Bytes(r), doc);
    EXPECT_EQ(doc.m_fitValid, 0);
  }
}

TEST_F(HostileFile, ExtremeFlagsAndJointFretsLoadAndSaveBack) {
  const int32_t ints[] = {std::numeric_limits<int32_t>::min(), -14, -1, 0, 1, 12, 14, 19, 1000,
                          std::numeric_limits<int32_t>::max()};
  for (int32_t flag : ints) {
    for (int32_t joint : ints) {
      designbytes::Record r;
      r.holeDefined = flag;
      r.jointFret = joint;
      const QByteArray bytes = designbytes::Bytes(r, true);  // a block behind a zero flag is ignored
      CVeskDoc doc;
      EXPECT_EQ(LoadCheckAndSave(bytes, doc), bytes.left(flag != 0 ? 120 : 68));
      EXPECT_EQ(doc.m_holeDefined, flag);
      if (flag != 0) {
        EXPECT_EQ(doc.m_jointFret, joint);
      }
    }
  }
}

// Random bit patterns: every double, NaN payloads included, and every int32 the bytes can spell.
TEST_F(HostileFile, RandomBytesLoadAndSaveBackBitForBit) {
  std::mt19937_64 random(20240611);
  for (int round = 0; round < 300; ++round) {
    QByteArray bytes(120, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xff);
    if (round % 3 == 0) bytes.replace(64, 4, QByteArray(4, '\0'));  // some with the flag clear
    const bool flagSet = bytes.mid(64, 4) != QByteArray(4, '\0');
    CVeskDoc doc;
    SCOPED_TRACE(bytes.toHex().toStdString());
    EXPECT_EQ(LoadCheckAndSave(bytes, doc), bytes.left(flagSet ? 120 : 68));
  }
}

// Plausible designs with random values: bouts and waist in any order and sign.
TEST_F(HostileFile, RandomMeasurementsFitOrFailCleanly) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> size(-60.0, 60.0), coeff(-3.0, 3.0);
  for (int round = 0; round < 200; ++round) {
    designbytes::Record r;
    for (int i = 0; i < 4; ++i) r.shape[i] = size(random);
    for (int i = 4; i < 8; ++i) r.shape[i] = coeff(random);
    CVeskDoc doc;
    LoadCheckAndSave(designbytes::Bytes(r), doc);
  }
}
