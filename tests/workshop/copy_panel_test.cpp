// The Copy panel's logic offscreen: each kind of file loaded (and a bad one refused with nothing
// changed), a match on points from a known design finding it, Cancel stopping a match, the
// matched design used as one undoable change, and a picture scaled by two clicked points.
#include "workshop/copy_panel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <functional>

#include "geometry/fit_shape.h"
#include "test_files.h"
#include "trace_scene.h"
#include "workshop/design_session.h"
#include "workshop/drawing_view.h"
#include "workshop/number_field.h"
#include "workshop/template_settings.h"

namespace {

// Not the default design, so a match that found the default would fail.
constexpr DesignShape kKnown = {47, 18, 11.5, 14.5, 0.01, -0.2, 0, -0.4};
// Small, for a quick picture: 4 pixels a millimetre.
constexpr DesignShape kSmall = {24.5, 9.25, 6, 7, 0.02, -0.125, 0, -0.25};

QByteArray PointTable(const DesignShape& shape, int count) {
  const FittedOutline outline = FitOutline(shape);
  QByteArray text = "# x y\n";
  for (int i = 0; i < count; ++i) {
    const Point2 p = outline.At(180.0 * i / (count - 1));
    text += QByteArray::number(p.x, 'g', 17) + ' ' + QByteArray::number(p.y, 'g', 17) + '\n';
  }
  return text;
}

QByteArray TemplateDxf() {
  Design design;
  TemplateSettings settings;
  settings.output.format = TemplateFormat::Dxf;
  return ExportTemplateBytes(design, FitOutline(design.shape), settings, QStringLiteral("copy"))
      .value()
      .bytes;
}

QByteArray ScenePicture(bool square) {
  Scene scene{"copy", kSmall, false, 4.0, square ? 0.0 : 10.0, square, 0.0, 0.0, 0.5, 0};
  const std::vector<unsigned char> bytes = RenderScene(scene);
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

struct CopyFixture {
  QTemporaryDir dir;
  DesignSession session;
  DrawingView view;
  CopyPanel panel{&session, &view};

  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(testfiles::WriteBytes(path, bytes));
    return path;
  }
  // Runs one piece of the panel's work to its end.
  void run(const std::function<void()>& start) {
    QSignalSpy finished(&panel, &CopyPanel::workFinished);
    start();
    ASSERT_TRUE(finished.count() == 1 || finished.wait(120000));
  }
};

struct LoadRow {
  const char* name;
  const char* file;
  std::function<QByteArray()> bytes;
  CopyKind kind;
  const char* says;  // in the panel's line
};
void PrintTo(const LoadRow& row, std::ostream* os) {
  *os << row.name;
}

class CopyLoadTest : public ::testing::TestWithParam<LoadRow> {};

TEST_P(CopyLoadTest, ReadsEachKind) {
  CopyFixture f;
  const LoadRow& row = GetParam();
  f.run([&] { f.panel.load(f.write(row.file, row.bytes())); });
  ASSERT_TRUE(f.panel.source().has_value()) << f.panel.message().toStdString();
  EXPECT_EQ(f.panel.source()->kind, row.kind);
  EXPECT_TRUE(f.panel.message().contains(QLatin1String(row.says))) << f.panel.message().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, CopyLoadTest,
    ::testing::Values(LoadRow{"Table", "stations.txt", [] { return PointTable(kKnown, 40); },
                              CopyKind::Points, "40 points from a table"},
                      LoadRow{"TemplateDxf", "body.dxf", TemplateDxf, CopyKind::Dxf, "from a DXF"},
                      LoadRow{"PictureWithSquare", "scan.png", [] { return ScenePicture(true); },
                              CopyKind::Picture, "A picture"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyPanel, ADxfWithSeveralLayersOffersThem) {
  CopyFixture f;
  f.run([&] { f.panel.load(f.write("body.dxf", TemplateDxf())); });
  EXPECT_GT(f.panel.layerBox()->count(), 1);
  EXPECT_TRUE(f.panel.layerBox()->isEnabled());
}

TEST(CopyPanel, APictureIsScaledByItsCheckSquare) {
  CopyFixture f;
  f.run([&] { f.panel.load(f.write("scan.png", ScenePicture(true))); });
  ASSERT_TRUE(f.panel.source().has_value());
  EXPECT_TRUE(f.panel.source()->scaled);
  EXPECT_EQ(f.panel.source()->scale, QStringLiteral("check square"));
}

TEST(CopyPanel, AFileThatCannotBeReadChangesNothing) {
  CopyFixture f;
  f.run([&] { f.panel.load(f.write("stations.txt", PointTable(kKnown, 40))); });
  const std::size_t before = f.panel.points().size();
  for (const QString& bad :
       {f.write("noise.txt", "these are not points\n"), f.dir.filePath("missing.txt"), f.dir.path()}) {
    f.run([&] { f.panel.load(bad); });
    EXPECT_TRUE(f.panel.message().startsWith(QStringLiteral("Cannot read")))
        << f.panel.message().toStdString();
    EXPECT_FALSE(f.panel.message().contains(QLatin1Char('\n')));
    EXPECT_EQ(f.panel.points().size(), before);
    EXPECT_TRUE(f.panel.source()->path.endsWith(QStringLiteral("stations.txt")));
  }
}

TEST(CopyPanel, AMatchFindsTheDesignThePointsCameFrom) {
  CopyFixture f;
  f.run([&] { f.panel.load(f.write("stations.txt", PointTable(kKnown, 60))); });
  f.run([&] { f.panel.match(); });
  ASSERT_TRUE(f.panel.result().has_value()) << f.panel.message().toStdString();
  const DesignValues want = kKnown.ToArray();
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(f.panel.result()->values[i], want[i], 1e-4) << i;
  EXPECT_LT(f.panel.result()->rms, 1e-6);
  EXPECT_TRUE(f.panel.message().startsWith(QStringLiteral("RMS")));
}

TEST(CopyPanel, CancelStopsAMatch) {
  CopyFixture f;
  f.run([&] { f.panel.load(f.write("stations.txt", PointTable(kKnown, 400))); });
  f.panel.alignBox()->setChecked(true);
  f.run([&] {
    f.panel.match();
    f.panel.cancelWork();
  });
  EXPECT_FALSE(f.panel.result().has_value());
  EXPECT_TRUE(f.panel.message().contains(QStringLiteral("cancelled")));
}

TEST(CopyPanel, UsingTheMatchedDesignIsOneUndoableChange) {
  CopyFixture f;
  f.session.apply([] {
    Design d;
    d.holeDefined = 1;
    return d;
  }());
  const Design before = f.session.design();
  f.run([&] { f.panel.load(f.write("stations.txt", PointTable(kKnown, 60))); });
  f.run([&] { f.panel.match(); });
  ASSERT_TRUE(f.panel.result().has_value());
  f.panel.useMatchedDesign();
  EXPECT_EQ(f.session.design().shape.ToArray(), f.panel.result()->values);
  EXPECT_EQ(f.session.design().holeDefined, 1);  // the soundhole and fingerboard stay
  EXPECT_TRUE(f.session.isModified());
  f.session.undoStack()->undo();
  EXPECT_EQ(f.session.design().shape.ToArray(), before.shape.ToArray());
  EXPECT_FALSE(f.session.isModified());
}

TEST(CopyPanel, TwoClickedPointsAndTheirDistanceScaleAPicture) {
  CopyFixture f;
  f.run([&] { f.panel.load(f.write("photo.png", ScenePicture(false))); });
  ASSERT_TRUE(f.panel.source().has_value()) << f.panel.message().toStdString();
  EXPECT_FALSE(f.panel.source()->scaled);
  const QPointF a(10.0, 20.0), b(310.0, 420.0);  // 500 shown pixels apart
  f.panel.setPicking(CopyPanel::Picking::Scale);
  for (const QPointF& p : {a, b}) emit f.view.modelClicked(f.panel.pictureToPlane().map(p));
  f.panel.distanceField()->setText(QStringLiteral("12.5"));
  f.panel.applyScale();
  const QTransform plane = f.panel.pictureToPlane();
  EXPECT_NEAR(QLineF(plane.map(a), plane.map(b)).length(), 12.5, 1e-9);
}

TEST(CopyPanel, ATracedPictureMatchesItsDesign) {
  CopyFixture f;
  f.run([&] { f.panel.load(f.write("scan.png", ScenePicture(true))); });
  f.run([&] { f.panel.trace(); });
  ASSERT_GT(f.panel.points().size(), 100u) << f.panel.message().toStdString();
  f.run([&] { f.panel.match(); });
  ASSERT_TRUE(f.panel.result().has_value()) << f.panel.message().toStdString();
  EXPECT_LT(HalfOutlineRmsMm(kSmall, DesignShape::FromArray(f.panel.result()->values)), 0.5);
  // The picture moves with the points onto the design: a traced point and its pixel agree.
  const QPointF pixel =
      f.panel.pictureToPlane().inverted().map(QPointF(f.panel.points()[0].x, f.panel.points()[0].y));
  const Point2 moved = f.panel.result()->points[0].point;
  EXPECT_LT(QLineF(f.view.underlayToModel().map(pixel), QPointF(moved.x, moved.y)).length(), 1e-9);
}

}  // namespace
