#include "shell/masterpoints/MasterPointPage.h"

#include "document/MorvaneDoc.h"
#include "shell/masterpoints/EditMasterPoints.h"

#include <QVBoxLayout>

CMasterPointPage::CMasterPointPage(CEditMasterPoints& sheet, const std::string& caption,
                                   unsigned uGridId, bool bReadOnly)
    : m_Sheet(sheet), m_strCaption(caption), m_pLayout(new QVBoxLayout(this)),
      m_pGrid(new CMasterPtEditGrid(uGridId, bReadOnly, this))
{
    m_FirstActivationMode.TurnOn();
    m_pLayout->addWidget(m_pGrid);
    m_pGrid->m_OnPointsChanged = [this] { MarkPointsChanged(); };
}

bool CMasterPointPage::OnSetActive()
{
    if (m_FirstActivationMode.IsOn())
    {
        m_pGrid->RelayoutColumns();
        m_FirstActivationMode.TurnOff();
    }
    m_Sheet.m_pActivePage = this;
    return true;
}

bool CMasterPointPage::OnKillActive()
{
    m_pGrid->EndCellEdit();
    m_Sheet.m_pActivePage = this;
    return true;
}

void CMasterPointPage::MarkPointsChanged()
{
    if (CMorvaneDoc* pDoc = Document())
        pDoc->m_MasterPointFile.MarkNewContent();
}

CMorvaneDoc* CMasterPointPage::Document() const
{
    return m_Sheet.Document();
}
