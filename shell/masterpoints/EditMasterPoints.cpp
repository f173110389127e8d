#include "shell/masterpoints/EditMasterPoints.h"

#include "shell/masterpoints/DesiredResponseMasterPts.h"
#include "shell/masterpoints/LowerToleranceMasterPoints.h"
#include "shell/masterpoints/UpperToleranceMasterPts.h"

CEditMasterPoints::CEditMasterPoints(CDocumentSource document, QWidget* parent)
    : CEditorSheet(parent), m_Document(std::move(document)),
      m_pDesired(new CDesiredResponseMasterPts(*this)),
      m_pUpper(new CUpperToleranceMasterPts(*this)),
      m_pLower(new CLowerToleranceMasterPoints(*this)),
      m_pGrids(std::make_unique<CMasterPointGrids>(
          CMasterPointGrids{m_pDesired->Grid(), m_pUpper->Grid(), m_pLower->Grid()}))
{
    setWindowTitle("Edit Master Points");
    for (CMasterPointPage* page :
         {static_cast<CMasterPointPage*>(m_pDesired), static_cast<CMasterPointPage*>(m_pUpper),
          static_cast<CMasterPointPage*>(m_pLower)})
        addTab(page, QString::fromStdString(page->GetCaption()));
    m_pActivePage = m_pDesired;
    connect(this, &QTabWidget::currentChanged, this,
            [this](int index) { OnCurrentChanged(index); });
}

CEditMasterPoints::~CEditMasterPoints() = default;

void CEditMasterPoints::OnCurrentChanged(int index)
{
    auto* page = dynamic_cast<CMasterPointPage*>(widget(index));
    if (!page || m_bRevertingPage)
        return;
    if (m_pActivePage && m_pActivePage != page && !m_pActivePage->OnKillActive())
    {
        m_bRevertingPage = true;
        setCurrentWidget(m_pActivePage);
        m_bRevertingPage = false;
        return;
    }
    page->OnSetActive();
}

void CEditMasterPoints::CommitEdits()
{
    for (CMasterPtGridRows* pGrid : {&m_pGrids->desired, &m_pGrids->upper, &m_pGrids->lower})
        pGrid->EndCellEdit();
    m_pDesired->TakeTypedOffsets();
}

void CEditMasterPoints::hideEvent(QHideEvent* event)
{
    CEditorSheet::hideEvent(event);
    CommitEdits();
}
