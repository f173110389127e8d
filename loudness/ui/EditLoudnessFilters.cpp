#include "loudness/ui/EditLoudnessFilters.h"

#include "loudness/LoudnessManager.h"
#include "loudness/LoudnessStrings.h"
#include "loudness/ui/LoudnessGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
struct CPageNames
{
    const char* tab;
    const char* title;
};
constexpr CPageNames kPages[kLoudnessKindCount] = {
    {"EQ Base Type", "EQ Based Filters"},
    {"Treble Base Type", "Treble Based Filters"},
    {"Bass Base Type", "Bass Based Filters"},
    {"User Input Base Coefficients", "User Input Base Coefficient Filters"},
    {"User Input Loudness Coefficients", "User Input Loudness Coefficient Filters"},
};

QPushButton* Button(const char* text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}
} // namespace

CEditLoudnessFilterPage::CEditLoudnessFilterPage(const QString& title, int nMethodType,
                                                 CLoudnessManager& manager, QWidget* parent)
    : QWidget(parent), m_nMethodType(nMethodType), m_Manager(manager),
      m_pGrid(new CLoudnessGrid(this))
{
    setWindowTitle(title);
    // The grid has its columns and headings from the start, whether its tab was opened or not.
    m_pGrid->SetMethodType(nMethodType);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pGrid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel("Right Click on Row", this));
    buttons->addStretch(1);
    QPushButton* close = Button("Close", "close", this);
    QPushButton* clear = Button("Clear", "clear", this);
    QPushButton* clearAll = Button("Clear All", "clearAll", this);
    for (QPushButton* button : {close, clear, clearAll})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, [this] { OnClose(); });
    connect(clear, &QPushButton::clicked, this, [this] { OnClear(); });
    connect(clearAll, &QPushButton::clicked, this, [this] { OnClearAll(); });
}

void CEditLoudnessFilterPage::OnClear()
{
    m_Manager.ClearLoudnessFilters(m_nMethodType);
}

void CEditLoudnessFilterPage::OnClearAll()
{
    m_Manager.ClearAllLoudnessFilters();
}

void CEditLoudnessFilterPage::OnClose()
{
    // The sheet's own window, whichever family's device is selected.
    window()->close();
}

CEditLoudnessFilters::CEditLoudnessFilters(CLoudnessManager& manager, QWidget* parent)
    : QTabWidget(parent), m_Manager(manager)
{
    setObjectName("EditLoudnessFilters");
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
    {
        m_Pages[std::size_t(kind)] =
            new CEditLoudnessFilterPage(kPages[kind].title, kind, manager, this);
        addTab(m_Pages[std::size_t(kind)], kPages[kind].tab);
    }
}

CEditLoudnessFilters::~CEditLoudnessFilters()
{
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        if (m_Manager.Grid(kind) == &Page(kind).Grid())
            m_Manager.SetGrid(kind, nullptr);
}

void CEditLoudnessFilters::RegisterGrids()
{
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
    {
        CLoudnessGrid& grid = Page(kind).Grid();
        grid.SetManager(&m_Manager);
        m_Manager.SetGrid(kind, &grid);
        grid.DeleteAllRows();
        const CLoudnessInfoArray& list = *m_Manager.List(kind);
        if (list.GetSize() > 0)
            grid.SetMethodType(kind);
        for (int i = 0; i < list.GetSize(); ++i)
            grid.AddRow(*list.GetAt(i));
    }
}
