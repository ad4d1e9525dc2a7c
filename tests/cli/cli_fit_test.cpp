// vesk-cli fit: usage errors, the default fit checked against its own printed coefficients, and
// a saved design fitting exactly as the same values given as options.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QTemporaryDir>
#include <cmath>

#include "run_cli.h"

namespace {

// y(t) = r(t) sin t / S with r(t) = a0 + a1 cos t + ... + a6 cos 6t, t in degrees, evaluated from
// the JSON's coefficients (printed so that they read back bit for bit).
double OutlineYFromJson(const QJsonObject& fit, double t) {
  const QJsonArray a = fit["coeff"].toArray();
  const double rad = t * 3.141592653589793 / 180.0;
  double r = 0.0;
  for (int k = 0; k < 7; ++k) r += a[k].toDouble() * std::cos(k * rad);
  return r * std::sin(rad) / fit["verticalScale"].toDouble();
}

void ExpectUsageError(const QStringList& args, const QString& mustName) {
  SCOPED_TRACE(args.join(' ').toStdString());
  const CliResult r = RunCli(args);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.OneErrorLine()) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(mustName.toUtf8())) << r.err.toStdString();
}

}  // namespace

TEST(CliFit, UsageErrorsExitTwoWithOneLineNamingTheOption) {
  ExpectUsageError({"fit", "--girth", "3"}, "girth");
  ExpectUsageError({"fit", "--waist"}, "waist");
  for (const char* bad : {"nan", "inf", "-inf", "1e999", "twelve", ""})
    ExpectUsageError({"fit", "--waist", bad}, "--waist");
  ExpectUsageError({"fit", "--a4", "0.1", "--length", "NaN"}, "--length");
}

TEST(CliFit, ALengthOrWidthNotAboveZeroIsRefused) {
  for (const QStringList& args :
       {QStringList{"--length", "0"}, {"--waist", "-1"}, {"--lower-bout", "-0mm"}, {"--upper-bout", "0in"}})
    ExpectUsageError(QStringList{"fit"} + args, args[0] + ": " + args[1] + " is not greater than 0");
}

// A fit that fails says why in the user's words, then the solver's reason, and exits 1.
TEST(CliFit, AFailedFitSaysWhyBeforeTheSolversReason) {
  const struct {
    QStringList args;
    const char* why;
  } runs[] = {{{"--waist", "20"}, "the waist must be narrower than both bouts: Exceeded iteration limit"},
              {{"--a4", "50"}, "the values cannot form a body: Exceeded iteration limit"}};
  for (const auto& run : runs) {
    const CliResult r = RunCli(QStringList{"fit"} + run.args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.startsWith("fit failed after ")) << r.out.toStdString();
    EXPECT_EQ(r.err.toStdString(), std::string("vesk-cli: fit: the design does not fit: ") + run.why + "\n");
  }
}

// Lengths take a unit; a bare number is in --unit, whose new-design values are converted too.
TEST(CliFit, LengthsTakeAUnitAndTheDefaultsFollowTheCommandsUnit) {
  const QByteArray plain = RunCli({"fit", "--json"}).out;
  for (const QStringList& same :
       {QStringList{"--length", "490mm"}, {"--length", "49cm"}, {"--waist", "120mm"}})
    EXPECT_EQ(RunCli(QStringList{"fit", "--json"} + same).out, plain) << same.join(' ').toStdString();
  const QJsonObject inches = RunCli({"fit", "--json", "--unit", "in"}).Json();
  EXPECT_NEAR(inches["length"].toDouble(), 49.0 / 2.54, 1e-12);
  EXPECT_EQ(RunCli({"fit", "--json", "--unit", "in", "--length", "49cm"}).out,
            RunCli({"fit", "--json", "--unit", "in"}).out);
  const CliResult warned = RunCli({"fit", "--length", "490"});
  EXPECT_EQ(warned.exitCode, 0);
  EXPECT_TRUE(
      warned.err.contains("fit: --length: 490 cm is outside the usual 10 to 200 cm of a body length; did "
                          "you mean 490mm?"))
      << warned.err.toStdString();
}

TEST(CliFit, FileTogetherWithShapeOptionsIsAUsageError) {
  ExpectUsageError({"fit", VESK_TEST_DATA_DIR "/new_design.bin", "--waist", "11"}, "waist");
  ExpectUsageError({"fit", VESK_TEST_DATA_DIR "/new_design.bin", VESK_TEST_DATA_DIR "/new_design.bin"},
                   "new_design.bin");
}

TEST(CliFit, DefaultFitMeetsItsMeasurementsAtItsOwnExtrema) {
  const CliResult r = RunCli({"fit", "--json"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QJsonObject fit = r.Json();
  EXPECT_EQ(fit["result"].toInt(-9), 0);
  EXPECT_EQ(fit["fitValid"].toInt(-9), 1);
  EXPECT_NEAR(fit["length"].toDouble(), 49.0, 1e-9);

  const QJsonArray extrema = fit["extrema"].toArray();
  const double lower = extrema[0]["angle"].toDouble();
  const double waist = extrema[1]["angle"].toDouble();
  const double upper = extrema[2]["angle"].toDouble();
  // Tail end at 0 degrees, neck end at 180: lower bout, then waist, then upper bout.
  EXPECT_LT(0.0, lower);
  EXPECT_LT(lower, waist);
  EXPECT_LT(waist, upper);
  EXPECT_LT(upper, 180.0);
  EXPECT_EQ(extrema[0]["kind"].toInt(), 1);
  EXPECT_EQ(extrema[1]["kind"].toInt(), 0);
  EXPECT_EQ(extrema[2]["kind"].toInt(), 1);

  // The search refines each angle to a bracket of 0.001 degrees; at an extremum that moves y only
  // in its second order.
  const double tolerance = 1e-6;
  EXPECT_NEAR(OutlineYFromJson(fit, lower), 18.5, tolerance);
  EXPECT_NEAR(OutlineYFromJson(fit, waist), 12.0, tolerance);
  EXPECT_NEAR(OutlineYFromJson(fit, upper), 14.0, tolerance);
  // And they are extrema: the neighbours a hundredth of a degree away are no wider (no narrower).
  for (double d : {-0.01, 0.01}) {
    EXPECT_LE(OutlineYFromJson(fit, lower + d), OutlineYFromJson(fit, lower));
    EXPECT_GE(OutlineYFromJson(fit, waist + d), OutlineYFromJson(fit, waist));
    EXPECT_LE(OutlineYFromJson(fit, upper + d), OutlineYFromJson(fit, upper));
  }
}

TEST(CliFit, SavedDesignFitsAsTheSameValuesGivenAsOptions) {
  const QStringList options = {"--length",     "48.5",   "--lower-bout", "15.25",  "--waist", "10.5",
                               "--upper-bout", "12",     "--a3",         "0.125",  "--a4",    "-0.375",
                               "--a5",         "0.0625", "--a6",         "-0.4375"};
  for (const char* form : {"--json", ""}) {
    QStringList withOptions = QStringList{"fit"} + options;
    QStringList withFile = {"fit", VESK_TEST_DATA_DIR "/soundhole_design.bin"};
    if (*form) {
      withOptions << form;
      withFile << form;
    }
    const CliResult a = RunCli(withOptions), b = RunCli(withFile);
    EXPECT_EQ(a.exitCode, 0);
    EXPECT_EQ(b.exitCode, 0);
    EXPECT_FALSE(a.out.isEmpty());
    EXPECT_EQ(a.out, b.out);
  }
}

TEST(CliFit, UnreadableFileExitsThree) {
  QTemporaryDir dir;
  const QString missing = dir.filePath("missing.bin");
  const CliResult r = RunCli({"fit", missing, "--json"});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.OneErrorLine());
  EXPECT_TRUE(r.err.contains(missing.toUtf8()));
}
