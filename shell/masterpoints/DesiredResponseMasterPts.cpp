#include "shell/masterpoints/DesiredResponseMasterPts.h"

#include "document/MasterPointEditing.h"
#include "document/MorvaneDoc.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "shell/dialogs/DialogDataExchange.h"
#include "shell/dialogs/SettingsRules.h"
#include "shell/masterpoints/EditMasterPoints.h"
#include "shell/masterpoints/LowerToleranceMasterPoints.h"
#include "shell/masterpoints/UpperToleranceMasterPts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace
{
constexpr unsigned kClearQuestion = 232; // "Do you want to clear all the Master Points?"
} // namespace

CDesiredResponseMasterPts::CDesiredResponseMasterPts(CEditMasterPoints& sheet)
    : CMasterPointPage(sheet, "Desired Response Pts.", 1044, false),
      m_pUpperOffset(new QLineEdit(this)), m_pLowerOffset(new QLineEdit(this))
{
    m_pUpperOffset->setObjectName("UpperOffset");
    m_pLowerOffset->setObjectName("LowerOffset");
    auto* offsets = new QFormLayout;
    offsets->addRow("Upper Tolerance Pts. Offset in db", m_pUpperOffset);
    offsets->addRow("Lower Tolerance Pts. Offset in db", m_pLowerOffset);
    Layout()->addLayout(offsets);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, void (CDesiredResponseMasterPts::*)()> kButtons[] = {
        {"Offset Upper Pts", &CDesiredResponseMasterPts::OnOffsetUpperPts},
        {"Offset Lower Pts.", &CDesiredResponseMasterPts::OnOffsetLowerPts},
        {"Clear", &CDesiredResponseMasterPts::OnClear}};
    for (const auto& [text, handler] : kButtons)
    {
        auto* button = new QPushButton(text, this);
        button->setObjectName(text);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, h = handler] { (this->*h)(); });
    }
    auto* close = new QPushButton("Close", this);
    close->setObjectName("Close");
    connect(close, &QPushButton::clicked, this, [this] { m_Sheet.CloseEditor(); });
    buttons->addWidget(close);
    Layout()->addLayout(buttons);
    Grid().m_OnPointDeleted = [this](int nRow) { OnPointDeleted(nRow); };
    ShowOffsets();
}

bool CDesiredResponseMasterPts::OnSetActive()
{
    CMasterPointPage::OnSetActive();
    ShowOffsets();
    return true;
}

bool CDesiredResponseMasterPts::OnKillActive()
{
    const bool bTaken = TakeTypedOffsets();
    return CMasterPointPage::OnKillActive() && bTaken;
}

void CDesiredResponseMasterPts::ShowOffsets()
{
    const CMorvaneDoc* pDoc = Document();
    if (!pDoc)
        return;
    const std::pair<QLineEdit*, double> boxes[] = {{m_pUpperOffset, pDoc->m_dUpperToleranceDb},
                                                   {m_pLowerOffset, pDoc->m_dLowerToleranceDb}};
    for (const auto& [pEdit, value] : boxes)
        if (!pEdit->isModified())
            pEdit->setText(QString::fromStdString(DialogData::FormatDouble(value)));
}

std::string CDesiredResponseMasterPts::OffsetRefusal(const QLineEdit* pEdit, double& value) const
{
    return DialogData::DoubleRefusal(pEdit->text().toStdString(),
                                     ToleranceRange(pEdit == m_pUpperOffset), &value);
}

bool CDesiredResponseMasterPts::TakeOffset(QLineEdit* pEdit, double& tolerance)
{
    if (!pEdit->isModified())
        return true;
    double value = 0.0;
    if (const std::string refusal = OffsetRefusal(pEdit, value); !refusal.empty())
    {
        // The typing stays in the box for correcting, as in the settings sheet.
        ShowMessage(refusal);
        pEdit->setFocus();
        pEdit->selectAll();
        return false;
    }
    tolerance = value;
    pEdit->setModified(false);
    pEdit->setText(QString::fromStdString(DialogData::FormatDouble(tolerance)));
    return true;
}

bool CDesiredResponseMasterPts::TakeTypedOffsets()
{
    CMorvaneDoc* pDoc = Document();
    if (!pDoc)
        return false;
    return TakeOffset(m_pUpperOffset, pDoc->m_dUpperToleranceDb) &&
           TakeOffset(m_pLowerOffset, pDoc->m_dLowerToleranceDb);
}

double CDesiredResponseMasterPts::Offset(const QLineEdit* pEdit,
                                         double CMorvaneDoc::*pTolerance) const
{
    double value = 0.0;
    if (pEdit->isModified() && OffsetRefusal(pEdit, value).empty())
        return value;
    const CMorvaneDoc* pDoc = Document();
    return pDoc ? pDoc->*pTolerance : 0.0;
}

double CDesiredResponseMasterPts::UpperOffset() const
{
    return Offset(m_pUpperOffset, &CMorvaneDoc::m_dUpperToleranceDb);
}

double CDesiredResponseMasterPts::LowerOffset() const
{
    return Offset(m_pLowerOffset, &CMorvaneDoc::m_dLowerToleranceDb);
}

void CDesiredResponseMasterPts::RebuildTolerance(QLineEdit* pEdit, double CMorvaneDoc::*pTolerance,
                                                 CMasterPtEditGrid& tolerance)
{
    CMorvaneDoc* pDoc = Document();
    if (!pDoc || !TakeOffset(pEdit, pDoc->*pTolerance))
        return;
    OffsetPoints(Grid(), tolerance, pDoc->*pTolerance);
    MarkPointsChanged();
}

void CDesiredResponseMasterPts::OnOffsetUpperPts()
{
    RebuildTolerance(m_pUpperOffset, &CMorvaneDoc::m_dUpperToleranceDb, m_Sheet.UpperPage().Grid());
}

void CDesiredResponseMasterPts::OnOffsetLowerPts()
{
    RebuildTolerance(m_pLowerOffset, &CMorvaneDoc::m_dLowerToleranceDb, m_Sheet.LowerPage().Grid());
}

void CDesiredResponseMasterPts::OnClear()
{
    if (!m_Sheet.Ask(CResourceString(kClearQuestion)))
        return;
    ClearAllGrids(m_Sheet.Grids());
    MarkPointsChanged();
}

void CDesiredResponseMasterPts::OnPointDeleted(int nRow)
{
    DeleteMatchingRow(nRow, Grid(), m_Sheet.UpperPage().Grid());
    DeleteMatchingRow(nRow, Grid(), m_Sheet.LowerPage().Grid());
    MarkPointsChanged();
}
