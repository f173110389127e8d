#include "shell/filtereditor/FilterPage.h"

#include "shell/filtereditor/UserCreatedFilters.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CFilterPage::CFilterPage(const CFilterPageSetup& setup, CDocumentSource document,
                         CUserCreatedFilters& sheet)
    : m_Setup(setup), m_Document(std::move(document)), m_Sheet(sheet),
      m_pGrid(new CFilterEditGrid(setup.nGridId, setup.nKind, this))
{
    auto* layout = new QVBoxLayout(this);
    if (!setup.strTitle.empty())
        layout->addWidget(new QLabel(QString::fromStdString(setup.strTitle), this));
    layout->addWidget(m_pGrid);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, void (CFilterPage::*)()> kButtons[] = {
        {"Close", nullptr}, {"Clear", &CFilterPage::OnClear}, {"Clear All", nullptr}};
    for (const auto& [text, handler] : kButtons)
    {
        auto* button = new QPushButton(text, this);
        button->setObjectName(text);
        buttons->addWidget(button);
        if (handler)
            connect(button, &QPushButton::clicked, this, [this, h = handler] { (this->*h)(); });
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(findChild<QPushButton*>("Close"), &QPushButton::clicked, this,
            [this] { m_Sheet.CloseEditor(); });
    connect(findChild<QPushButton*>("Clear All"), &QPushButton::clicked, this,
            [this] { m_Sheet.ClearAllGrids(); });

    m_pGrid->m_OnEdited = [this] { OnGridEdited(); };
    m_pGrid->m_OnOrderAssigned = [this]
    {
        if (CMorvaneDoc* pDoc = Document())
            pDoc->m_FiltersInGridMode.TurnOn();
    };
    m_pGrid->m_OnDeleteRequest = [this](const std::string& name) { OnDeleteRequest(name); };
}

bool CFilterPage::OnSetActive()
{
    FiltersToGrid();
    m_Sheet.m_pLastActivePage = this;
    return true;
}

bool CFilterPage::OnKillActive()
{
    if (m_GridEditedMode.IsOn())
    {
        GridToFilters();
        m_GridEditedMode.TurnOff();
    }
    return true;
}

void CFilterPage::OnGridEdited()
{
    m_GridEditedMode.TurnOn();
    if (CMorvaneDoc* pDoc = Document())
        pDoc->m_ParameterFile.m_ChangedMode.TurnOn();
}

void CFilterPage::OnClear()
{
    m_Sheet.ClearGrid(Grid(), true);
    GridToFilters();
}

// The filter goes from the grid and, at once, from the document's list, so that the
// drawn filters and the files never hold a filter the grid no longer shows.
void CFilterPage::OnDeleteRequest(const std::string& name)
{
    const int nRows = Grid().GetRows();
    if (!Grid().DeleteFilter(name, true) || Grid().GetRows() == nRows)
        return;
    OnGridEdited();
    GridToFilters();
}
