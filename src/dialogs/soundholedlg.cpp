// CSoundholeDlg: data exchange and Calc with the classical placement.
#include "dialogs/soundholedlg.h"

#include <cmath>

#include "dialogs/dialog_ids.h"
#include "dialogs/dialog_templates.h"
#include "dialogs/dialog_view_link.h"
#include "document/veskdoc.h"
#include "framework/data_exchange.h"

namespace {
// The double nearest to -19/12: the 19th fret lies at 1 - 2^(-19/12) of the scale from the nut.
constexpr double kFret19Exponent = -1.5833333333333333;
}  // namespace

CSoundholeDlg::CSoundholeDlg(QWidget* parent)
    : CInputDialog(SoundholeDialogTemplate(), parent),
      m_scaleLength(0.0),
      m_holeDiameter(0.0),
      m_holePosition(0.0),
      m_nutWidth(0.0),
      m_fret12Width(0.0),
      m_fret19Width(0.0),
      m_placement(-1) {}

void CSoundholeDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_SCALELENGTH, m_scaleLength);
  DDX_Text(pDX, IDC_HOLEDIAMETER, m_holeDiameter);
  DDX_Text(pDX, IDC_HOLEPOSITION, m_holePosition);
  DDX_Text(pDX, IDC_NUTWIDTH, m_nutWidth);
  DDX_Text(pDX, IDC_FRET12WIDTH, m_fret12Width);
  DDX_Text(pDX, IDC_FRET19WIDTH, m_fret19Width);
  DDX_Radio(pDX, IDC_FIXED, m_placement);
}

// Every run starts with "Fixed" checked, whatever placement was used before.
bool CSoundholeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_pDoc) {
    m_scaleLength = m_pDoc->m_scaleLength;
    m_holeDiameter = m_pDoc->m_holeDiameter;
    m_holePosition = m_pDoc->m_holePosition;
    m_nutWidth = m_pDoc->m_nutWidth;
    m_fret12Width = m_pDoc->m_fret12Width;
    m_fret19Width = m_pDoc->m_fret19Width;
  }
  m_placement = 0;
  UpdateData(false);
  return true;
}

// The hole's rim passes through the points a sixth of the 19th-fret width either side of the
// centreline at the 19th fret. A 19th-fret width of exactly 0 means "not given": the taper from
// nut to 12th fret is continued. A result that is not a finite real number leaves the typed value;
// false when the position could not be placed so.
bool CSoundholeDlg::PlaceClassically(double radius) {
  const double t = (0.5 - std::pow(2.0, kFret19Exponent)) * m_scaleLength;  // 12th to 19th fret
  if (m_fret19Width == 0.0) {
    const double taper =
        m_nutWidth + (m_fret12Width - m_nutWidth) * (0.5 * m_scaleLength + t) / (0.5 * m_scaleLength);
    if (std::isfinite(taper)) m_fret19Width = taper;
  }
  const double sixth = m_fret19Width / 6;
  const double square = radius * radius - sixth * sixth;
  if (!(square >= 0.0)) return false;  // no real root: the typed position stays
  const double position = t + std::sqrt(square);
  if (!std::isfinite(position)) return false;
  m_holePosition = position;
  return true;
}

// A refused field does not stop Calc: it goes on with the members as the exchange left them. The
// fields are shown again only when they all read: otherwise the refused text (and what the user
// typed after it) would be overwritten with old values, and OK would close as if all were well.
void CSoundholeDlg::OnCalc() {
  const bool read = UpdateData(true);
  if (!m_pDoc) return;
  const double r = 0.5 * m_holeDiameter;
  if (!(r < m_pDoc->m_waist)) {
    MessageBox("Soundhole diameter exceeds waist width.");
    return;
  }
  const bool placed = m_placement != 1 || PlaceClassically(r);
  // A warning only: the values are accepted all the same. It looks along the body's length only.
  if (!placed || !(r < m_holePosition && m_holePosition < m_pDoc->m_length - r))
    MessageBox("Soundhole placement protrudes out of guitar outline.");
  if (read) UpdateData(false);

  m_pDoc->m_scaleLength = m_scaleLength;
  m_pDoc->m_holeDiameter = m_holeDiameter;
  m_pDoc->m_holePosition = m_holePosition;
  m_pDoc->m_nutWidth = m_nutWidth;
  m_pDoc->m_fret12Width = m_fret12Width;
  m_pDoc->m_fret19Width = m_fret19Width;
  m_pDoc->m_jointFret = m_placement == 1 ? 12 : 14;
  m_pDoc->m_holeDefined = 1;
  const bool ready = m_pDoc->m_holeDefined != 0 && m_pDoc->m_jointFret > 0 && m_nutWidth > 0 &&
                     m_fret12Width > 0 && m_fret12Width > m_nutWidth;
  if (m_pView) m_pView->SetFingerboardReady(ready ? 1 : 0);
  m_pDoc->SetModifiedFlag(true);
  if (m_pView) m_pView->Invalidate();
}

std::vector<double*> CSoundholeDlg::LengthFields() {
  return {&m_scaleLength, &m_holeDiameter, &m_holePosition, &m_nutWidth, &m_fret12Width, &m_fret19Width};
}
