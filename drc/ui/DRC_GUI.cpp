#include "drc/ui/DRC_GUI.h"

#include "drc/DrcThresholdScale.h"
#include "drc/ui/ChoiceComboBox.h"
#include "drc/ui/ScaleSlider.h"
#include "drc/ui/SpinButtonCtrl.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{
const QColor kAboveColor(255, 0, 0); // the view's line above the threshold
const QColor kBelowColor(0, 0, 255);
const QColor kNotInForce(128, 128, 128);

void SetTextColor(QLabel* pLabel, const QColor& color)
{
    QPalette palette = pLabel->palette();
    palette.setColor(QPalette::WindowText, color);
    pLabel->setPalette(palette);
}

QLabel* NamedLabel(const char* pText, const char* pName)
{
    auto* label = new QLabel(pText);
    label->setObjectName(pName);
    return label;
}

CChoiceComboBox* NamedBox(const char* pName)
{
    auto* box = new CChoiceComboBox;
    box->setObjectName(pName);
    return box;
}
} // namespace

CDRC_GUI::CDRC_GUI(CDRC_Manager* pManager, QWidget* pParent)
    : CControlDialog(pParent), m_pManager(pManager)
{
    setObjectName("DRC_GUI");
    BuildControls();
    OnInitDialog();
}

QWidget* CDRC_GUI::BuildThresholdColumn()
{
    using namespace DrcThreshold;
    std::vector<CScaleSlider::CMark> marks;
    const char* texts[] = {"0.0",   "-10.0", "-20.0", "-30.0", "-40.0",
                           "-50.0", "-60.0", "-70.0", "-80.0"};
    // The 10 dB marks from -10 dB to -80 dB, and the two ends.
    const std::vector<int> ticks = {27, 53, 80, 107, 133, 160, 187, 213};
    marks.push_back({0, texts[0]});
    for (std::size_t i = 0; i < ticks.size(); ++i)
        marks.push_back({ticks[i], texts[i + 1]});
    marks.push_back({kSliderMax, "-89.625"});
    m_slThreshold = new CScaleSlider(kSliderMax, 27, ticks, marks);
    m_slThreshold->GetSlider()->setObjectName("ThresholdSlider");
    m_slThreshold->setMinimumHeight(260);
    m_spThreshold = new CSpinButtonCtrl;
    m_spThreshold->setObjectName("ThresholdSpin");
    // Reversed, so that the up arrow moves toward 0 dB like the slider's top.
    m_spThreshold->SetRange(kSliderMax, kSliderMin);
    m_spThreshold->SetAccel({{0, 1}, {1, 4}, {2, 8}});
    m_edThreshold = new QLineEdit;
    m_edThreshold->setObjectName("ThresholdText");
    m_edThreshold->setReadOnly(true);
    m_edThreshold->setMaximumWidth(110);

    auto* column = new QWidget;
    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Threshold"), 0, 0, 1, 2);
    layout->addWidget(m_slThreshold, 1, 0);
    layout->addWidget(m_spThreshold, 1, 1, Qt::AlignVCenter);
    layout->addWidget(m_edThreshold, 2, 0, 1, 2);
    return column;
}

QWidget* CDRC_GUI::BuildChoiceColumn()
{
    m_stAboveCompression = NamedLabel("Compression", "AboveCompressionLabel");
    m_stAboveExpansion = NamedLabel("Expansion", "AboveExpansionLabel");
    m_stBelowCompression = NamedLabel("Compression", "BelowCompressionLabel");
    m_stBelowExpansion = NamedLabel("Expansion", "BelowExpansionLabel");
    m_cbAboveCompression = NamedBox("AboveCompression");
    m_cbAboveExpansion = NamedBox("AboveExpansion");
    m_cbBelowCompression = NamedBox("BelowCompression");
    m_cbBelowExpansion = NamedBox("BelowExpansion");
    m_cbEnergyTime = NamedBox("EnergyTime");
    m_cbAttackTime = NamedBox("AttackTime");
    m_cbDecayTime = NamedBox("DecayTime");

    const auto pair = [](const char* pTitle, QLabel* l1, QWidget* b1, QLabel* l2, QWidget* b2)
    {
        auto* group = new QGroupBox(pTitle);
        auto* grid = new QGridLayout(group);
        grid->addWidget(l1, 0, 0);
        grid->addWidget(b1, 0, 1);
        grid->addWidget(l2, 1, 0);
        grid->addWidget(b2, 1, 1);
        return group;
    };
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pair("Above Threshold", m_stAboveCompression, m_cbAboveCompression,
                           m_stAboveExpansion, m_cbAboveExpansion));
    layout->addWidget(pair("Below Threshold", m_stBelowCompression, m_cbBelowCompression,
                           m_stBelowExpansion, m_cbBelowExpansion));
    auto* times = new QGridLayout;
    times->addWidget(new QLabel("Energy Level\nDetection Time"), 0, 0);
    times->addWidget(m_cbEnergyTime, 0, 1);
    times->addWidget(new QLabel("Attack Time"), 1, 0);
    times->addWidget(m_cbAttackTime, 1, 1);
    times->addWidget(new QLabel("Decay Time"), 2, 0);
    times->addWidget(m_cbDecayTime, 2, 1);
    layout->addLayout(times);
    layout->addStretch(1);
    m_pApply = new QPushButton("Apply");
    m_pApply->setObjectName("Apply");
    // Enter applies nothing in this dialog.
    m_pApply->setAutoDefault(false);
    layout->addWidget(m_pApply, 0, Qt::AlignRight);
    return column;
}

void CDRC_GUI::BuildControls()
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildThresholdColumn());
    layout->addSpacing(12);
    layout->addWidget(BuildChoiceColumn(), 1);

    connect(m_slThreshold->GetSlider(), &QSlider::valueChanged, this,
            [this](int nPosition) { OnSliderMoved(nPosition); });
    m_spThreshold->m_StepRequested = [this](int nNew) { return OnSpinStep(nNew); };
    m_spThreshold->m_PositionChanged = [this](int nPosition) { OnSpinMoved(nPosition); };
    m_cbAboveCompression->m_OnCloseUp = [this]
    { OnCloseUp(m_AboveCompressionChosen, m_AboveExpansionChosen); };
    m_cbAboveExpansion->m_OnCloseUp = [this]
    { OnCloseUp(m_AboveExpansionChosen, m_AboveCompressionChosen); };
    m_cbBelowCompression->m_OnCloseUp = [this]
    { OnCloseUp(m_BelowCompressionChosen, m_BelowExpansionChosen); };
    m_cbBelowExpansion->m_OnCloseUp = [this]
    { OnCloseUp(m_BelowExpansionChosen, m_BelowCompressionChosen); };
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnApply(); });
}

void CDRC_GUI::FillBox(CChoiceComboBox* pBox, const CDrcChoice* pTable, int nCount, int nSelected)
{
    pBox->clear();
    for (int i = 0; i < nCount; ++i)
        pBox->addItem(pTable[i].szLabel);
    pBox->setCurrentIndex(nSelected >= 0 && nSelected < nCount ? nSelected : 0);
}

void CDRC_GUI::OnInitDialog()
{
    // The dialog shows the model's setting: reopening the design keeps it.
    const CDRC_Manager& m = *m_pManager;
    const CDrcSetting s = m.GetSetting();
    const int nPosition = DrcThreshold::DbToPosition(s.dThreshold);
    {
        const QSignalBlocker blocker(m_slThreshold->GetSlider());
        m_slThreshold->GetSlider()->setValue(nPosition);
    }
    MoveThreshold(nPosition);
    FillBox(m_cbAboveCompression, m.m_pAboveCompressionTable, m.m_nAboveCompressionCount,
            s.nAboveCompression);
    FillBox(m_cbAboveExpansion, m.m_pAboveExpansionTable, m.m_nAboveExpansionCount,
            s.nAboveExpansion);
    FillBox(m_cbBelowExpansion, m.m_pBelowExpansionTable, m.m_nBelowExpansionCount,
            s.nBelowExpansion);
    FillBox(m_cbBelowCompression, m.m_pBelowCompressionTable, m.m_nBelowCompressionCount,
            s.nBelowCompression);
    FillBox(m_cbEnergyTime, m.m_pTimeTable, m.m_nTimeCount, s.nEnergyTime);
    FillBox(m_cbDecayTime, m.m_pTimeTable, m.m_nTimeCount, s.nDecayTime);
    FillBox(m_cbAttackTime, m.m_pTimeTable, m.m_nTimeCount, s.nAttackTime);
    m_AboveCompressionChosen.SetState(s.bAboveCompression ? 1 : 0);
    m_AboveExpansionChosen.SetState(s.bAboveCompression ? 0 : 1);
    m_BelowExpansionChosen.SetState(s.bBelowExpansion ? 1 : 0);
    m_BelowCompressionChosen.SetState(s.bBelowExpansion ? 0 : 1);
    UpdateLabelColors();
}

void CDRC_GUI::MoveThreshold(int nPosition)
{
    m_edThreshold->setText(QString::fromStdString(DrcThreshold::PositionText(nPosition)));
    m_Threshold = DrcThreshold::PositionToDb(nPosition);
    m_spThreshold->SetPos(nPosition);
}

void CDRC_GUI::OnSliderMoved(int nPosition)
{
    MoveThreshold(nPosition);
}

bool CDRC_GUI::OnSpinStep(int nNewPosition) const
{
    return nNewPosition >= DrcThreshold::kSliderMin && nNewPosition <= DrcThreshold::kSliderMax;
}

void CDRC_GUI::OnSpinMoved(int nPosition)
{
    // The slider follows the spin without reporting the move as its own.
    {
        const QSignalBlocker blocker(m_slThreshold->GetSlider());
        m_slThreshold->GetSlider()->setValue(nPosition);
    }
    MoveThreshold(nPosition);
}

void CDRC_GUI::OnCloseUp(CMode& chosen, CMode& other)
{
    chosen.TurnOn();
    other.TurnOff();
    UpdateLabelColors();
}

void CDRC_GUI::UpdateLabelColors()
{
    SetTextColor(m_stAboveCompression, m_AboveCompressionChosen.IsOn() ? kAboveColor : kNotInForce);
    SetTextColor(m_stAboveExpansion, m_AboveExpansionChosen.IsOn() ? kAboveColor : kNotInForce);
    SetTextColor(m_stBelowCompression, m_BelowCompressionChosen.IsOn() ? kBelowColor : kNotInForce);
    SetTextColor(m_stBelowExpansion, m_BelowExpansionChosen.IsOn() ? kBelowColor : kNotInForce);
}

CDrcSetting CDRC_GUI::GetSetting() const
{
    CDrcSetting s;
    s.dThreshold = m_Threshold;
    s.bAboveCompression = m_AboveCompressionChosen.IsOn();
    s.nAboveCompression = m_cbAboveCompression->currentIndex();
    s.nAboveExpansion = m_cbAboveExpansion->currentIndex();
    s.bBelowExpansion = m_BelowExpansionChosen.IsOn();
    s.nBelowCompression = m_cbBelowCompression->currentIndex();
    s.nBelowExpansion = m_cbBelowExpansion->currentIndex();
    s.nEnergyTime = m_cbEnergyTime->currentIndex();
    s.nAttackTime = m_cbAttackTime->currentIndex();
    s.nDecayTime = m_cbDecayTime->currentIndex();
    return s;
}

void CDRC_GUI::OnApply()
{
    if (m_pManager)
        m_pManager->ApplySetting(GetSetting());
}
