#include "loudness/ui/LoudnessPageWidget.h"

#include "framework/core/Services.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CLoudnessPageWidget::CLoudnessPageWidget(std::unique_ptr<CCreateLoudnessPage> page,
                                         CLoudnessManager& manager, QWidget* parent)
    : QWidget(parent), m_pPage(std::move(page)), m_Manager(manager)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeBoxes(m_pPage->GetFields(), this, false));
    if (m_pPage->IsCoefficientPage())
    {
        auto* base = new QGroupBox("Decimal or Hex", this);
        auto* row = new QHBoxLayout(base);
        m_pDecimal = new QRadioButton("Decimal", base);
        m_pHex = new QRadioButton("Hex", base);
        m_pDecimal->setObjectName("decimal");
        m_pHex->setObjectName("hex");
        row->addWidget(m_pDecimal);
        row->addWidget(m_pHex);
        layout->addWidget(base);
        connect(m_pDecimal, &QRadioButton::clicked, this, [this] { Convert(false); });
        connect(m_pHex, &QRadioButton::clicked, this, [this] { Convert(true); });
    }
    if (m_pPage->HasScaling())
    {
        auto* group = new QGroupBox("Calculate Plot Gain", this);
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(MakeBoxes(m_pPage->GetScalingFields(), group, true));
        layout->addWidget(group);
    }
    layout->addStretch(1);
    Refresh();
}

QWidget* CLoudnessPageWidget::MakeBoxes(const std::vector<CCreateLoudnessPage::CField>& fields,
                                        QWidget* parent, bool bWithCalculate)
{
    auto* holder = new QWidget(parent);
    auto* form = new QFormLayout(holder);
    form->setContentsMargins(0, 0, 0, 0);
    for (const CCreateLoudnessPage::CField& field : fields)
    {
        // In the scaling group the button stands between Plot Volume and Plot Gain.
        if (bWithCalculate && field.nId == CCreateLoudnessPage::IDC_PLOT_GAIN)
        {
            m_pCalculate = new QPushButton("Calculate Plot Gain", holder);
            m_pCalculate->setObjectName("calculatePlotGain");
            form->addRow(QString(), m_pCalculate);
            connect(m_pCalculate, &QPushButton::clicked, this, [this] { OnCalculatePlotGain(); });
        }
        auto* box = new QLineEdit(holder);
        box->setObjectName(QString("box%1").arg(field.nId));
        m_Boxes[field.nId] = box;
        form->addRow(QString::fromStdString(field.label), box);
        // Only what the user types is a change: texts the page writes are not.
        connect(box, &QLineEdit::textEdited, this,
                [this, id = field.nId](const QString& text)
                {
                    m_pPage->OnEdited(id, text.toStdString());
                    if (m_OnModified)
                        m_OnModified();
                });
    }
    return holder;
}

QLineEdit* CLoudnessPageWidget::Box(int nId) const
{
    const auto found = m_Boxes.find(nId);
    return found == m_Boxes.end() ? nullptr : found->second;
}

void CLoudnessPageWidget::Refresh()
{
    for (const auto& [id, box] : m_Boxes)
    {
        const QString text = QString::fromStdString(m_pPage->GetText(id));
        if (box->text() != text)
            box->setText(text);
    }
    if (m_pDecimal)
    {
        m_pDecimal->setChecked(!m_pPage->IsHex());
        m_pHex->setChecked(m_pPage->IsHex());
    }
}

void CLoudnessPageWidget::Refuse(const CCreateLoudnessPage::CRefusal& refusal)
{
    Refresh();
    if (m_OnRefusal)
        m_OnRefusal();
    Services::MessageBox().Show(refusal.message);
    if (QLineEdit* box = Box(refusal.nId))
    {
        box->setFocus();
        box->selectAll();
    }
}

void CLoudnessPageWidget::Convert(bool bToHex)
{
    const auto refusal = bToHex ? m_pPage->OnHex() : m_pPage->OnDecimal();
    if (refusal)
        Refuse(*refusal);
    else
        Refresh();
}

void CLoudnessPageWidget::OnCalculatePlotGain()
{
    if (const auto refusal = m_pPage->OnCalculatePlotGain(m_Manager))
    {
        Refuse(*refusal);
        return;
    }
    Refresh();
    if (m_OnModified)
        m_OnModified();
}

bool CLoudnessPageWidget::Apply()
{
    std::string name;
    if (const auto refusal = m_pPage->Apply(m_Manager, name))
    {
        Refuse(*refusal);
        return false;
    }
    return true;
}

bool CLoudnessPageWidget::FillFrom(const CLoudnessInfo* pInfo,
                                   const CLoudnessGainOffset* pGainOffset)
{
    const bool bFilled = m_pPage->SetLoudnessInfo(pInfo, pGainOffset);
    Refresh();
    return bFilled;
}
