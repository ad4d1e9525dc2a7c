// Exhaustive file damage: every truncation and every single bit flip of the 68- and 120-byte
// designs, and hostile values in every field, each opened as File > Open opens a file. Each one
// loads with the file's values and a clean fit outcome, or is refused with the incomplete-design
// message and the document (fields, title, modified flag) and the shape state as they were. After
// each, a paint with everything switched on ends, in both orientations.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cfloat>
#include <climits>
#include <cmath>

#include "design_check.h"
#include "design_paint.h"
#include "design_state.h"
#include "design_variants.h"
#include "document/veskdoc.h"
#include "geometry/shape_state.h"
#include "view/veskview.h"

namespace {

QByteArray Fixture(const char* name) {
  QFile f(QStringLiteral(VESK_TEST_DATA_DIR "/fuzz/") + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Tally {
  int loaded = 0;
  int refused = 0;
};

class FileDamage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    ASSERT_EQ(m_design68.size(), 68);
    ASSERT_EQ(m_design120.size(), 120);
    m_view.SetDocument(&m_doc);  // every load repaints a real view, as in the window
    OpenPrevious();
  }

  // The state every case starts from: another design, opened from its own file and then marked
  // modified, so that a refused load that touched the title, the flag or the fit would show.
  void OpenPrevious() {
    QByteArray previous = WithDouble(m_design120, 0, 45.5);
    previous = WithDouble(previous, 8, 17.25);
    previous = WithInt(previous, 116, 14);
    const QString path = Write(QStringLiteral("previous-design"), previous);
    QString error;
    ASSERT_TRUE(m_doc.OnOpenDocument(path, &error)) << error.toStdString();
    ASSERT_EQ(m_doc.m_fitValid, 1);
    m_doc.SetModifiedFlag(true);
    m_previous = CaptureDesignState(m_doc);
  }

  // Puts the starting state back after a case that loaded, without another fit.
  void RestorePrevious() {
    double* lengths[] = {&m_doc.m_length,       &m_doc.m_lowerBout,   &m_doc.m_waist,
                         &m_doc.m_upperBout,    &m_doc.m_a3,          &m_doc.m_a4,
                         &m_doc.m_a5,           &m_doc.m_a6,          &m_doc.m_holeDiameter,
                         &m_doc.m_holePosition, &m_doc.m_scaleLength, &m_doc.m_nutWidth,
                         &m_doc.m_fret12Width,  &m_doc.m_fret19Width};
    for (size_t i = 0; i < m_previous.lengths.size(); ++i) *lengths[i] = m_previous.lengths[i];
    m_doc.m_fitValid = m_previous.fitValid;
    m_doc.m_holeDefined = m_previous.holeDefined;
    m_doc.m_jointFret = m_previous.jointFret;
    m_doc.SetPathName(m_dir.filePath(m_previous.title));
    m_doc.SetModifiedFlag(m_previous.modified);
    g_shapeState = m_previous.shape;
  }

  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
      ADD_FAILURE() << "cannot write " << path.toStdString();
    }
    return path;
  }

  // Opens each variant from its own file and checks what the open left behind.
  Tally OpenEach(const std::vector<DesignVariant>& variants) {
    Tally tally;
    for (const DesignVariant& v : variants) {
      const QString path = Write(v.name, v.bytes);
      LoadOutcome outcome;
      outcome.loaded = m_doc.OnOpenDocument(path, &outcome.error);
      const std::string broken = CheckLoad(v.bytes, m_previous, m_doc, outcome);
      EXPECT_EQ(broken, "") << v.name.toStdString();
      if (outcome.loaded) {
        ++tally.loaded;
        EXPECT_EQ(m_doc.GetTitle(), v.name);
        EXPECT_FALSE(m_doc.IsModified()) << v.name.toStdString();
      } else {
        ++tally.refused;
        EXPECT_TRUE(outcome.error.startsWith(QDir::toNativeSeparators(path))) << outcome.error.toStdString();
      }
      // Small images keep the thousands of paints quick under the sanitizers.
      QImage image(64, 64, QImage::Format_RGB32);
      EXPECT_EQ(PaintBothOrientations(m_view, image), "") << v.name.toStdString();
      if (outcome.loaded) RestorePrevious();
      QFile::remove(path);
    }
    return tally;
  }

  QTemporaryDir m_dir;
  CVeskDoc m_doc;
  CVeskView m_view;
  DesignState m_previous;
  const QByteArray m_design68 = Fixture("design-68");
  const QByteArray m_design120 = Fixture("design-120");
};

const std::vector<double> kHostileDoubles = {
    std::nan(""), HUGE_VAL, -HUGE_VAL, 0.0, -0.0, std::nextafter(0.0, 1.0), DBL_MAX, -DBL_MAX};
const std::vector<int32_t> kHostileInts = {INT_MIN, -1, 0, 1, 12, 14, INT_MAX};

TEST_F(FileDamage, BothUndamagedDesignsLoadAndFit) {
  const Tally t = OpenEach({{"design-68", m_design68}, {"design-120", m_design120}});
  EXPECT_EQ(t.loaded, 2);
  // The restore after each load must give back exactly the starting state.
  EXPECT_EQ(DesignStateDifference(m_previous, CaptureDesignState(m_doc)), "");
}

TEST_F(FileDamage, EveryTruncationIsRefusedAndChangesNothing) {
  std::vector<DesignVariant> variants = Truncations("design-68", m_design68);
  const std::vector<DesignVariant> more = Truncations("design-120", m_design120);
  variants.insert(variants.end(), more.begin(), more.end());
  ASSERT_EQ(variants.size(), 68u + 120u);
  const Tally t = OpenEach(variants);
  EXPECT_EQ(t.refused, 68 + 120);
}

// Only a flipped bit of the 68-byte design's flag asks for a soundhole block the file does not
// have; every other flip gives a complete file (a flag flipped to 0 in the 120-byte one included).
TEST_F(FileDamage, EverySingleBitFlipLoadsOrIsRefusedCleanly) {
  std::vector<DesignVariant> variants = BitFlips("design-68", m_design68);
  const std::vector<DesignVariant> more = BitFlips("design-120", m_design120);
  variants.insert(variants.end(), more.begin(), more.end());
  ASSERT_EQ(variants.size(), 1504u);
  const Tally t = OpenEach(variants);
  EXPECT_EQ(t.refused, 32);
  EXPECT_EQ(t.loaded, 1504 - 32);
}

TEST_F(FileDamage, HostileValueInEveryDoubleFieldLoads) {
  std::vector<DesignVariant> variants = DoubleFieldValues("design-68", m_design68, kHostileDoubles);
  const std::vector<DesignVariant> more = DoubleFieldValues("design-120", m_design120, kHostileDoubles);
  variants.insert(variants.end(), more.begin(), more.end());
  ASSERT_EQ(variants.size(), (8u + 14u) * kHostileDoubles.size());
  const Tally t = OpenEach(variants);
  EXPECT_EQ(t.loaded, static_cast<int>(variants.size()));
}

// The joint fret of the 120-byte design takes any value; its flag any non-zero value. In the
// 68-byte design only a flag of 0 describes the file.
TEST_F(FileDamage, HostileValueInBothIntFields) {
  const Tally full = OpenEach(IntFieldValues("design-120", m_design120, kHostileInts));
  EXPECT_EQ(full.loaded, 2 * static_cast<int>(kHostileInts.size()));
  const Tally shape = OpenEach(IntFieldValues("design-68", m_design68, kHostileInts));
  EXPECT_EQ(shape.loaded, 1);
  EXPECT_EQ(shape.refused, static_cast<int>(kHostileInts.size()) - 1);
}

}  // namespace
