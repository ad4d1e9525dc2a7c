// The load checker. It reads the bytes on its own (little-endian, fixed offsets) rather than
// through the archive, so that it checks the loader instead of repeating it.
#include "design_check.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

#include "document/veskdoc.h"
#include "geometry/fit_shape.h"

namespace {

constexpr int kShapeBytes = 68;
constexpr int kFullBytes = 120;
constexpr int kHoleFlagOffset = 64;
constexpr int kJointFretOffset = 116;
// The second block's doubles in file order, as indices into DesignState::lengths (scale length
// first, then diameter and position).
constexpr int kSecondBlockFields[6] = {10, 8, 9, 11, 12, 13};

double DoubleAt(const QByteArray& b, int offset) {
  const quint64 bits = qFromLittleEndian<quint64>(b.constData() + offset);
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

int32_t IntAt(const QByteArray& b, int offset) {
  return qFromLittleEndian<qint32>(b.constData() + offset);
}

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool IsComplete(const QByteArray& b) {
  if (b.size() < kShapeBytes) return false;
  return IntAt(b, kHoleFlagOffset) == 0 || b.size() >= kFullBytes;
}

std::string CheckRefused(const DesignState& before, const CVeskDoc& doc, const LoadOutcome& outcome) {
  if (!outcome.error.contains(QLatin1String("is not a complete design")))
    return "refused without the incomplete-design message: " + outcome.error.toStdString();
  const std::string changed = DesignStateDifference(before, CaptureDesignState(doc));
  return changed.empty() ? std::string() : "a refused load changed the " + changed;
}

std::string CheckFields(const QByteArray& bytes, const DesignState& before, const DesignState& after) {
  for (int i = 0; i < 8; ++i)
    if (!SameBits(after.lengths[i], DoubleAt(bytes, i * 8)))
      return "shape value " + std::to_string(i) + " not as read";
  if (after.holeDefined != IntAt(bytes, kHoleFlagOffset)) return "m_holeDefined not as read";
  const bool second = after.holeDefined != 0;
  for (int k = 0; k < 6; ++k) {
    const int field = kSecondBlockFields[k];
    const double expected = second ? DoubleAt(bytes, kShapeBytes + k * 8) : before.lengths[field];
    if (!SameBits(after.lengths[field], expected))
      return "soundhole field " + std::to_string(field) + " wrong";
  }
  const int32_t joint = second ? IntAt(bytes, kJointFretOffset) : before.jointFret;
  if (after.jointFret != joint) return "m_jointFret wrong";
  return {};
}

std::string CheckFit(const DesignState& after) {
  const ShapeState& s = after.shape;
  if (after.fitValid != (s.fitValid == 1 ? 1 : 0) || (s.fitValid != 0 && s.fitValid != 1))
    return "m_fitValid disagrees with the shape state";
  for (int k = 3; k <= 6; ++k)
    if (!SameBits(s.coeff[k], after.lengths[k + 1]))
      return "free coefficient not copied into the shape state";
  if (s.fitValid == 0) {
    if (s.errorText != kMatrixError && s.errorText != kIterationLimitError)
      return "failed fit without its error text";
    return {};
  }
  for (double c : s.coeff)
    if (!std::isfinite(c)) return "valid fit with a coefficient that is not finite";
  if (!std::isfinite(s.verticalScale) || s.verticalScale == 0.0)
    return "valid fit with an unusable vertical scale";
  return {};
}

}  // namespace

std::string CheckLoad(const QByteArray& bytes, const DesignState& before, const CVeskDoc& doc,
                      const LoadOutcome& outcome) {
  const bool complete = IsComplete(bytes);
  if (outcome.loaded != complete)
    return complete ? "a complete design was refused: " + outcome.error.toStdString()
                    : "an incomplete design was accepted";
  if (!outcome.loaded) return CheckRefused(before, doc, outcome);
  const DesignState after = CaptureDesignState(doc);
  std::string broken = CheckFields(bytes, before, after);
  if (broken.empty()) broken = CheckFit(after);
  return broken;
}
