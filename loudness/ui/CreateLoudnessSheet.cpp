#include "loudness/ui/CreateLoudnessSheet.h"

#include "framework/ui/DialogSize.h"
#include "framework/ui/HelpTopic.h"
#include "framework/ui/ScreenPlace.h"
#include "loudness/LoudnessStrings.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CCreateLoudnessSheet::CCreateLoudnessSheet(QWidget* parent)
    : QDialog(parent), m_pTabs(new QTabWidget(this))
{
    setWindowTitle(QString::fromStdString(LoudnessString(IDS_CREATE_LOUDNESS_FILTER)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                             QDialogButtonBox::Apply | QDialogButtonBox::Help,
                                         this);
    m_pApply = buttons->button(QDialogButtonBox::Apply);
    m_pApply->setObjectName("apply");
    buttons->button(QDialogButtonBox::Help)->setObjectName("help");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCreateLoudnessSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCreateLoudnessSheet::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { AskForHelp(this); });
    connect(m_pApply, &QPushButton::clicked, this, [this] { ApplyPages(); });
    UpdateApplyButton();
}

void CCreateLoudnessSheet::AddPage(CLoudnessPageWidget* page)
{
    page->m_OnModified = [this] { UpdateApplyButton(); };
    page->m_OnRefusal = [this, page] { m_pTabs->setCurrentWidget(page); };
    m_pTabs->addTab(page, QString::fromStdString(page->Page().GetTitle()));
}

void CCreateLoudnessSheet::showEvent(QShowEvent* event)
{
    // Placed by now (where it was left, or first over the window it belongs to): made wide
    // enough for its tabs where the screen it stands on allows, and kept on that screen.
    if (m_pTabs->usesScrollButtons())
    {
        ShowEveryTab(*this, *m_pTabs);
        resize(size().expandedTo(minimumSize()));
        KeepOnScreen(*this);
    }
    QDialog::showEvent(event);
}

CLoudnessPageWidget* CCreateLoudnessSheet::PageWidget(int nKind) const
{
    return dynamic_cast<CLoudnessPageWidget*>(m_pTabs->widget(nKind));
}

bool CCreateLoudnessSheet::SetLoudnessInfo(int nKind, const CLoudnessInfo* pInfo,
                                           const CLoudnessGainOffset* pGainOffset)
{
    CLoudnessPageWidget* page = PageWidget(nKind);
    if (!page)
        return false;
    m_pTabs->setCurrentWidget(page);
    return page->FillFrom(pInfo, pGainOffset);
}

bool CCreateLoudnessSheet::ApplyPages()
{
    for (int kind = 0; kind < m_pTabs->count(); ++kind)
    {
        CLoudnessPageWidget* page = PageWidget(kind);
        if (!page->Apply())
        {
            UpdateApplyButton();
            return false;
        }
    }
    UpdateApplyButton();
    return true;
}

void CCreateLoudnessSheet::accept()
{
    if (ApplyPages())
        QDialog::accept();
}

void CCreateLoudnessSheet::UpdateApplyButton()
{
    bool bModified = false;
    for (int kind = 0; kind < m_pTabs->count(); ++kind)
        bModified = bModified || PageWidget(kind)->Page().IsModified();
    m_pApply->setEnabled(bModified);
}
