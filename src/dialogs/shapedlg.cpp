// CShapeDlg: data exchange and Calc.
#include "dialogs/shapedlg.h"

#include "dialogs/dialog_ids.h"
#include "dialogs/dialog_templates.h"
#include "dialogs/dialog_view_link.h"
#include "document/veskdoc.h"
#include "framework/data_exchange.h"
#include "geometry/fit_shape.h"

CShapeDlg::CShapeDlg(QWidget* parent)
    : CInputDialog(ShapeDialogTemplate(), parent),
      m_a4(0.0),
      m_a6(0.0),
      m_length(0.0),
      m_lowerBout(0.0),
      m_upperBout(0.0),
      m_waist(0.0),
      m_a3(0.0),
      m_a5(0.0) {}

void CShapeDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_A4, m_a4);
  DDX_Text(pDX, IDC_A6, m_a6);
  DDX_Text(pDX, IDC_LENGTH, m_length);
  DDX_Text(pDX, IDC_LOWERBOUT, m_lowerBout);
  DDX_Text(pDX, IDC_UPPERBOUT, m_upperBout);
  DDX_Text(pDX, IDC_WAIST, m_waist);
  DDX_Text(pDX, IDC_A3, m_a3);
  DDX_Text(pDX, IDC_A5, m_a5);
}

bool CShapeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_pDoc) {
    m_length = m_pDoc->m_length;
    m_lowerBout = m_pDoc->m_lowerBout;
    m_waist = m_pDoc->m_waist;
    m_upperBout = m_pDoc->m_upperBout;
    m_a3 = m_pDoc->m_a3;
    m_a4 = m_pDoc->m_a4;
    m_a5 = m_pDoc->m_a5;
    m_a6 = m_pDoc->m_a6;
  }
  UpdateData(false);
  return true;
}

// A refused field does not stop Calc: it goes on with the members as the exchange left them.
void CShapeDlg::OnCalc() {
  UpdateData(true);
  if (!m_pDoc) return;
  if (!(m_lowerBout > m_waist && m_upperBout > m_waist)) {
    MessageBox("Waist must be less than both bouts");
    return;
  }
  const int fit = FitShape(m_length, m_lowerBout, m_waist, m_upperBout, m_a3, m_a4, m_a5, m_a6);
  m_pDoc->m_fitValid = fit == 0 ? 1 : 0;
  if (fit != 0) {
    MessageBox("Calculation failed");
    return;
  }
  m_pDoc->m_length = m_length;
  m_pDoc->m_lowerBout = m_lowerBout;
  m_pDoc->m_waist = m_waist;
  m_pDoc->m_upperBout = m_upperBout;
  m_pDoc->m_a3 = m_a3;
  m_pDoc->m_a4 = m_a4;
  m_pDoc->m_a5 = m_a5;
  m_pDoc->m_a6 = m_a6;
  m_pDoc->SetModifiedFlag(true);
  if (m_pView) m_pView->Invalidate();
}

std::vector<double*> CShapeDlg::LengthFields() {
  return {&m_a4, &m_a6, &m_length, &m_lowerBout, &m_upperBout, &m_waist, &m_a3, &m_a5};
}
