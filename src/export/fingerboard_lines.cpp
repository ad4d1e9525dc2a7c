// The fret layout turned into line segments, and its status into a reason for the notes.
#include "export/fingerboard_lines.h"

#include "framework/error_text.h"

namespace {

Segment Across(const FretAcross& a) {
  return Segment{Point2{a.at, a.width / 2}, Point2{a.at, -a.width / 2}};
}

QString Why(FretLayoutStatus status, int jointFret) {
  switch (status) {
    case FretLayoutStatus::kOk:
    case FretLayoutStatus::kNotFinite:
      break;
    case FretLayoutStatus::kNoJointFret:
      return QStringLiteral("the joint fret is %1").arg(jointFret);
    case FretLayoutStatus::kNoScaleLength:
      return QStringLiteral("the scale length is not a positive number");
  }
  return QStringLiteral("the fingerboard widths are not finite");
}

}  // namespace

Result<FingerboardLines> LayOutFingerboard(const FingerboardInput& in) {
  const FretLayout layout = LayOutFrets(in);
  if (layout.status != FretLayoutStatus::kOk)
    return ErrorFrom(Why(layout.status, in.jointFret), ErrorKind::Refused);

  FingerboardLines out;
  for (const FretAcross& f : layout.frets) out.frets.push_back(Across(f));
  out.endFret = layout.endFret;
  out.saddle = Across(layout.saddle);
  const FretAcross& s = layout.joint;
  const FretAcross& e = layout.end;
  out.edges[0] = Segment{Point2{s.at, -s.width / 2}, Point2{e.at, -e.width / 2}};
  out.edges[1] = Segment{Point2{s.at, s.width / 2}, Point2{e.at, e.width / 2}};
  return out;
}
