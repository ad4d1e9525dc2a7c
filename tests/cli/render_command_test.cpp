// vesk-cli render: the picture is the view's own paint, the layout JSON, and every bad argument
// or file gets a message and its exit status.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "cli/cli_command.h"
#include "cli/cmd_render.h"
#include "common/file_size_limit.h"
#include "common/test_files.h"
#include "document/design.h"
#include "document/veskdoc.h"
#include "geometry/fit_shape.h"
#include "view/veskview.h"

namespace {

const QString kClassical = QStringLiteral(VESK_TEST_DATA_DIR "/classical.design");

class RenderCommand : public ::testing::Test {
 protected:
  int Run(QStringList args) {
    args.prepend(QStringLiteral("render"));
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = cli::RunRenderCommand(args);
    out = QString::fromStdString(::testing::internal::GetCapturedStdout());
    err = QString::fromStdString(::testing::internal::GetCapturedStderr());
    return status;
  }
  QJsonObject Json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  QString out, err;
};

// The same design painted by a view here.
QImage PaintedByAView(const QString& file, QSize size, bool vertical, bool fingerboard, bool data) {
  CVeskDoc doc;
  doc.OnNewDocument();
  if (!file.isEmpty()) {
    EXPECT_TRUE(doc.OnOpenDocument(file, nullptr));
  }
  CVeskView view;
  view.SetDocument(&doc);
  view.m_vertical = vertical;
  view.m_showFingerboard = fingerboard;
  view.m_showData = data;
  QImage image(size, QImage::Format_RGB32);
  view.PaintInto(&image);
  return image;
}

TEST_F(RenderCommand, ANewDesignAt800By600IsTheViewsPaint) {
  ASSERT_EQ(Run({"-o", Path("new.png")}), cli::kOk) << err.toStdString();
  const QImage png(Path("new.png"));
  ASSERT_EQ(png.size(), QSize(800, 600));
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), PaintedByAView({}, {800, 600}, false, false, false));
}

TEST_F(RenderCommand, AFileWithEveryDisplaySwitchedOn) {
  ASSERT_EQ(
      Run({kClassical, "-o", Path("c.png"), "--size", "600x800", "--vertical", "--fingerboard", "--data"}),
      cli::kOk)
      << err.toStdString();
  const QImage png(Path("c.png"));
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
            PaintedByAView(kClassical, {600, 800}, true, true, true));
  EXPECT_NE(png, PaintedByAView(kClassical, {600, 800}, true, false, true)) << "--fingerboard shows";
}

TEST_F(RenderCommand, LayoutJsonInBothOrientations) {
  ASSERT_EQ(Run({"--layout-json"}), cli::kOk);
  QJsonObject json = Json();
  EXPECT_EQ(json["scale"].toDouble(), 16);
  EXPECT_EQ(json["offsetX"].toDouble(), 8.5);
  EXPECT_EQ(json["offsetY"].toDouble(), 448.5);
  EXPECT_EQ(json["angleStep"].toDouble(), 180.0 / std::ceil(FitOutline(Design{}.shape).SideLength(1.0) * 16));
  EXPECT_EQ(json["fitValid"].toInt(), 1);

  ASSERT_EQ(Run({"--layout-json", "--vertical", "-o", Path("v.png")}), cli::kOk);
  json = Json();
  EXPECT_EQ(json["scale"].toDouble(), 12);
  EXPECT_EQ(json["offsetX"].toDouble(), 400.5);
  EXPECT_EQ(json["offsetY"].toDouble(), 6.5);
  EXPECT_TRUE(QFile::exists(Path("v.png")));
}

TEST_F(RenderCommand, AnEmptyClientPaintsOnlyForTheLayout) {
  ASSERT_EQ(Run({"--layout-json", "--size", "0x0"}), cli::kOk) << err.toStdString();
  EXPECT_EQ(Json()["scale"].toDouble(), std::floor(-8 / 49.0));
  EXPECT_EQ(Run({"--size", "0x0", "-o", Path("empty.png")}), cli::kUsage);
  EXPECT_TRUE(err.contains("no pixels")) << err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("empty.png")));
  EXPECT_EQ(Run({"--size", "1x1", "-o", Path("one.png")}), cli::kOk);
  EXPECT_EQ(QImage(Path("one.png")).size(), QSize(1, 1));
}

TEST_F(RenderCommand, BadSizesAreUsageErrors) {
  for (const char* size : {"-5x4", "5x-4", "abc", "800x", "x600", "800*600", " 800x600", "1e3x600",
                           "800x600x2", "100000x100000", "16385x1", "10000x10000", "9999999999x1"}) {
    EXPECT_EQ(Run({"--size", size, "-o", Path("bad.png")}), cli::kUsage) << size;
    EXPECT_TRUE(err.contains("--size")) << size << ": " << err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("bad.png"))) << size;
  }
  EXPECT_EQ(Run({"--size", "16384x4096", "--layout-json"}), cli::kOk);
}

TEST_F(RenderCommand, UsageErrors) {
  EXPECT_EQ(Run({}), cli::kUsage) << "neither -o nor --layout-json";
  EXPECT_EQ(Run({"a", "b", "-o", Path("x.png")}), cli::kUsage);
  EXPECT_EQ(Run({"--bogus", "-o", Path("x.png")}), cli::kUsage);
  EXPECT_EQ(Run({"-o"}), cli::kUsage);
}

TEST_F(RenderCommand, UnreadableFilesAreFileErrorsAndWriteNothing) {
  QFile shortFile(Path("short.design"));
  ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
  shortFile.write(QByteArray(10, '\0'));
  shortFile.close();
  for (const QString& file : {Path("missing.design"), dir.path(), Path("short.design")}) {
    EXPECT_EQ(Run({file, "-o", Path("x.png")}), cli::kFileError) << file.toStdString();
    EXPECT_FALSE(err.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("x.png")));
  }
}

TEST_F(RenderCommand, AnUnwritableOutputIsAFileError) {
  EXPECT_EQ(Run({"-o", Path("no/such/folder/x.png")}), cli::kFileError);
  EXPECT_TRUE(err.contains("cannot be written")) << err.toStdString();
}

TEST_F(RenderCommand, ADesignThatDoesNotFitGivesAWhitePictureAndStatus1) {
  QFile file(Path("nan.design"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const double nan = std::nan("");
  file.write(reinterpret_cast<const char*>(&nan), 8);
  file.write(QByteArray(60, '\0'));
  file.close();
  EXPECT_EQ(Run({Path("nan.design"), "-o", Path("white.png"), "--layout-json"}), cli::kFitFailed);
  EXPECT_EQ(Json()["fitValid"].toInt(), 0);
  QImage white(800, 600, QImage::Format_RGB32);
  white.fill(Qt::white);
  EXPECT_EQ(QImage(Path("white.png")).convertToFormat(QImage::Format_RGB32), white);
}

// The installed program, with no platform named and no display.
TEST_F(RenderCommand, TheProgramNeedsNoDisplay) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(VESK_CLI_PATH), {"render", "-o", Path("p.png"), "--data"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  EXPECT_EQ(QImage(Path("p.png")).size(), QSize(800, 600));

  process.start(QStringLiteral(VESK_CLI_PATH), {"fit"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0);
}

// The disk fills up while the picture is written: vesk-cli says why and leaves the old picture whole.
TEST_F(RenderCommand, AFullDiskKeepsTheOldPictureAndSaysWhy) {
  const QString path = Path("p.png");
  ASSERT_EQ(Run({kClassical, "--data", "-o", path}), cli::kOk) << err.toStdString();
  const QByteArray old = testfiles::ReadBytes(path);
  ASSERT_GT(old.size(), 1024) << "the picture must be larger than the limit";
  const QByteArray program = QByteArrayLiteral(VESK_CLI_PATH), design = kClassical.toLocal8Bit(),
                   out = path.toLocal8Bit();
  const testfiles::ChildResult child = testfiles::RunUnderFileSizeLimit(1024, [&] {
    execl(program.constData(), program.constData(), "render", design.constData(), "-o", out.constData(),
          static_cast<char*>(nullptr));
    return 101;
  });
  EXPECT_EQ(child.exitStatus, cli::kFileError);
  const QString message =
      QStringLiteral("vesk-cli: %1: cannot be written: %2\n").arg(path, std::strerror(EFBIG));
  EXPECT_EQ(child.stderrText.toStdString(), message.toStdString());
  EXPECT_EQ(testfiles::ReadBytes(path), old);
  EXPECT_EQ(testfiles::Entries(dir.path()), QStringList{"p.png"});
}

}  // namespace
