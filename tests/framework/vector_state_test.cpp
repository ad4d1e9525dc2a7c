// ClearUpperVectorState and the device context leave the upper halves of the vector registers
// clean, read back from the processor's record of which register state is in use (XINUSE).
#include "framework/vector_state.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "framework/dc.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <cpuid.h>

namespace {

// XGETBV with ECX = 1 reports which state components are in use; bit 2 is the upper halves.
bool CanReadInUse() {
  unsigned a, b, c, d;
  if (!__builtin_cpu_supports("avx") || __get_cpuid_max(0, nullptr) < 0xD) return false;
  __cpuid_count(0xD, 1, a, b, c, d);
  return (a & 4u) != 0;
}

bool UpperHalvesInUse() {
  unsigned lo, hi;
  asm volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
  return (lo & 4u) != 0;
}

// What Qt's hash leaves behind: a 256-bit value written to a register and not cleared. Plain
// assembly, so that the compiler adds no clearing of its own on the way out.
__attribute__((noinline)) void DirtyUpperHalves() {
  asm volatile("vpcmpeqd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
}

class VectorState : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!CanReadInUse()) GTEST_SKIP() << "this processor does not report its register state in use";
    DirtyUpperHalves();
    ASSERT_TRUE(UpperHalvesInUse()) << "the test could not dirty the registers";
  }
};

TEST_F(VectorState, ClearingLeavesTheUpperHalvesUnused) {
  ClearUpperVectorState();
  EXPECT_FALSE(UpperHalvesInUse());
}

TEST_F(VectorState, EveryDeviceContextCallThatPaintsReturnsThemClean) {
  QImage image(16, 16, QImage::Format_RGB32);
  QPainter painter(&image);
  CDC dc(&painter, CRect(0, 0, 16, 16));
  EXPECT_FALSE(UpperHalvesInUse()) << "construction";
  CPen pen(PS_SOLID, 1, 0);
  const std::function<void()> calls[] = {
      [&] { dc.FillSolidRect(0, 0, 16, 16, RGB(255, 255, 255)); },
      [&] { dc.SelectObject(&pen); },
      [&] { dc.SelectStockObject(NULL_BRUSH); },
      [&] { dc.LineTo(9, 5); },
      [&] { dc.Ellipse(1, 1, 9, 9); },
      [&] { dc.TextOut(0, 0, QStringLiteral("39")); },
  };
  int i = 0;
  for (const auto& call : calls) {
    DirtyUpperHalves();
    call();
    EXPECT_FALSE(UpperHalvesInUse()) << "call " << i++;
  }
}

}  // namespace

#else
TEST(VectorState, HasNothingToClearOnThisArchitecture) {
  ClearUpperVectorState();
}
#endif
