#include "drc/ui/QZX2410_DRC_GUI.h"

#include "drc/ui/ScaleSlider.h"
#include "drc/ui/SpinButtonCtrl.h"
#include "framework/core/Services.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>
#include <string>

namespace
{
constexpr int kTickStep = 250; // positions: 25 dB

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// A ratio or an offset as its edit shows it: up to 15 significant digits.
QString NumberText(double value)
{
    return Text(FormatC("%.15g", value));
}

QLineEdit* NamedEdit(const QString& name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

// A value refused: the message, then the edit that holds it, its text selected.
void RefuseAt(QLineEdit* pEdit, const std::string& message)
{
    Services::MessageBox().Show(message);
    pEdit->setFocus();
    pEdit->selectAll();
}

// Two option buttons of which a click selects one and leaves the other pairs alone.
QButtonGroup* PairUp(QWidget* pOwner, QRadioButton* pFirst, QRadioButton* pSecond)
{
    auto* group = new QButtonGroup(pOwner);
    group->addButton(pFirst);
    group->addButton(pSecond);
    return group;
}
} // namespace

CQZX2410_DRC_GUI::CQZX2410_DRC_GUI(CQZX2410_DRC_Manager* pManager, QWidget* pParent)
    : CControlDialog(pParent), m_pManager(pManager), m_Scale(pManager->GetThresholdFloor())
{
    setObjectName("QZX2410_DRC_GUI");
    BuildControls();
    OnInitDialog();
}

QWidget* CQZX2410_DRC_GUI::BuildThreshold(int i, const char* pTitle)
{
    CThresholdControls& c = m_Thresholds[i];
    const QString name = QString("Threshold%1").arg(i + 1);
    std::vector<int> ticks;
    std::vector<CScaleSlider::CMark> marks = {{0, "0.0"}};
    for (int p = kTickStep; p < m_Scale.GetMax(); p += kTickStep)
    {
        ticks.push_back(p);
        marks.push_back({p, Text(FormatC("%.1f", m_Scale.PositionToDb(p)))});
    }
    marks.push_back({m_Scale.GetMax(), Text(FormatC("%.1f", m_Scale.GetFloor()))});
    c.pSlider = new CScaleSlider(m_Scale.GetMax(), kTickStep, ticks, marks);
    c.pSlider->GetSlider()->setObjectName(name + "Slider");
    c.pSlider->setMinimumHeight(220);
    c.pSpin = new CSpinButtonCtrl;
    c.pSpin->setObjectName(name + "Spin");
    // Reversed, so that the up arrow moves toward 0 dB like the slider's top.
    c.pSpin->SetRange(m_Scale.GetMax(), m_Scale.GetMin());
    c.pSpin->SetAccel({{0, 1}, {1, 10}, {2, 100}});
    c.pEdit = NamedEdit(name + "Text");
    c.pEdit->setMaximumWidth(110);

    auto* column = new QWidget;
    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(pTitle), 0, 0, 1, 2);
    layout->addWidget(c.pSlider, 1, 0);
    layout->addWidget(c.pSpin, 1, 1, Qt::AlignVCenter);
    layout->addWidget(c.pEdit, 2, 0, 1, 2);

    connect(c.pSlider->GetSlider(), &QSlider::valueChanged, this,
            [this, i](int nPosition) { MoveThreshold(i, nPosition, false); });
    c.pSpin->m_StepRequested = [this](int nNew)
    { return nNew >= m_Scale.GetMin() && nNew <= m_Scale.GetMax(); };
    c.pSpin->m_PositionChanged = [this, i](int nPosition) { MoveThreshold(i, nPosition, true); };
    connect(c.pEdit, &QLineEdit::editingFinished, this, [this, i] { TakeThresholdText(i); });
    return column;
}

QWidget* CQZX2410_DRC_GUI::BuildRegion(int i)
{
    CRegionControls& r = m_Regions[i];
    const QString name = QString("Region%1").arg(i);
    auto* group = new QGroupBox(QString("Region %1").arg(i));
    r.pCompression = new QRadioButton("Compression");
    r.pCompression->setObjectName(name + "Compression");
    r.pExpansion = new QRadioButton("Expansion");
    r.pExpansion->setObjectName(name + "Expansion");
    r.pRatio = NamedEdit(QString("Ratio%1").arg(i));
    PairUp(this, r.pCompression, r.pExpansion);
    auto* layout = new QGridLayout(group);
    layout->addWidget(r.pCompression, 0, 0);
    layout->addWidget(r.pExpansion, 1, 0);
    layout->addWidget(new QLabel("Ratio"), 0, 1);
    layout->addWidget(r.pRatio, 1, 1);
    return group;
}

QWidget* CQZX2410_DRC_GUI::BuildOffsets()
{
    m_edOffset1 = NamedEdit("Offset1");
    m_edOffset2 = NamedEdit("Offset2");
    m_pDeriveOffset1 = new QRadioButton("Derive Offset1");
    m_pDeriveOffset1->setObjectName("DeriveOffset1");
    m_pSpecifyOffset1 = new QRadioButton("Specify Offset1");
    m_pSpecifyOffset1->setObjectName("SpecifyOffset1");
    PairUp(this, m_pDeriveOffset1, m_pSpecifyOffset1);
    connect(m_pDeriveOffset1, &QRadioButton::clicked, this, [this] { OnOffsetOption(false); });
    connect(m_pSpecifyOffset1, &QRadioButton::clicked, this, [this] { OnOffsetOption(true); });
    auto* offsets = new QWidget;
    auto* layout = new QGridLayout(offsets);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Offset1"), 0, 0);
    layout->addWidget(m_edOffset1, 0, 1);
    layout->addWidget(m_pDeriveOffset1, 0, 2);
    layout->addWidget(new QLabel("Offset2"), 1, 0);
    layout->addWidget(m_edOffset2, 1, 1);
    layout->addWidget(m_pSpecifyOffset1, 1, 2);
    return offsets;
}

void CQZX2410_DRC_GUI::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* thresholds = new QHBoxLayout;
    thresholds->addWidget(BuildThreshold(0, "Threshold1"));
    thresholds->addSpacing(12);
    thresholds->addWidget(BuildThreshold(1, "Threshold2"));
    layout->addLayout(thresholds);
    for (int i = 0; i < 3; ++i)
        layout->addWidget(BuildRegion(i));
    layout->addWidget(BuildOffsets());
    m_pApply = new QPushButton("Apply");
    m_pApply->setObjectName("Apply");
    m_pApply->setAutoDefault(false);
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnApply(); });
    layout->addWidget(m_pApply, 0, Qt::AlignRight);
}

void CQZX2410_DRC_GUI::OnInitDialog()
{
    // The dialog shows the model's setting: reopening the design keeps it.
    const CQZX2410_DRC_Setting s = m_pManager->GetSetting();
    const double thresholds[2] = {s.dThreshold1, s.dThreshold2};
    for (int i = 0; i < 2; ++i)
    {
        CThresholdControls& c = m_Thresholds[i];
        const int nPosition = m_Scale.OpeningPosition(thresholds[i]);
        {
            const QSignalBlocker blocker(c.pSlider->GetSlider());
            c.pSlider->GetSlider()->setValue(nPosition);
        }
        c.pSpin->SetPos(nPosition);
        m_Threshold[i] = thresholds[i];
        c.strAccepted = Text(DoubleToString(thresholds[i]));
        c.pEdit->setText(c.strAccepted);
    }
    for (int i = 0; i < 3; ++i)
    {
        (s.bRegionCompression[i] ? m_Regions[i].pCompression : m_Regions[i].pExpansion)
            ->setChecked(true);
        m_Regions[i].pRatio->setText(NumberText(s.dRatio[i]));
    }
    (s.bSpecifyOffset1 ? m_pSpecifyOffset1 : m_pDeriveOffset1)->setChecked(true);
    m_edOffset1->setEnabled(s.bSpecifyOffset1);
    m_edOffset1->setText(NumberText(s.dOffset1));
    m_edOffset2->setText(NumberText(s.dOffset2));
    // The words and the view's curve of the setting shown.
    m_pManager->CalculateDrcCurve();
}

void CQZX2410_DRC_GUI::MoveThreshold(int i, int nPosition, bool bMoveSlider)
{
    CThresholdControls& c = m_Thresholds[i];
    c.strAccepted = Text(m_Scale.PositionText(nPosition));
    c.pEdit->setText(c.strAccepted);
    m_Threshold[i] = m_Scale.PositionToDb(nPosition);
    if (bMoveSlider)
    {
        // The slider follows without reporting the move as its own.
        const QSignalBlocker blocker(c.pSlider->GetSlider());
        c.pSlider->GetSlider()->setValue(nPosition);
    }
    else
        c.pSpin->SetPos(nPosition);
}

bool CQZX2410_DRC_GUI::TakeThresholdText(int i)
{
    CThresholdControls& c = m_Thresholds[i];
    if (c.pEdit->text() == c.strAccepted || m_bTakingThreshold)
        return true;
    // Only this threshold's controls change: what was typed elsewhere stays.
    double dB = 0.0;
    std::string error;
    if (!m_Scale.ReadThreshold(c.pEdit->text().toStdString(), dB, error))
    {
        m_bTakingThreshold = true;
        Services::MessageBox().Show(FormatC("Threshold%d: %s", i + 1, error.c_str()));
        c.pEdit->setText(c.strAccepted);
        m_bTakingThreshold = false;
        return false;
    }
    m_Threshold[i] = dB;
    c.strAccepted = c.pEdit->text();
    const int nPosition = m_Scale.TypedPosition(dB);
    c.pSpin->SetPos(nPosition);
    const QSignalBlocker blocker(c.pSlider->GetSlider());
    c.pSlider->GetSlider()->setValue(nPosition);
    return true;
}

std::optional<double> CQZX2410_DRC_GUI::ReadNumber(QLineEdit* pEdit, const char* pField)
{
    const std::optional<double> value = ParseWholeDouble(pEdit->text().toStdString());
    if (!value)
        RefuseAt(pEdit, FormatC("Please enter a number for %s.", pField));
    return value;
}

void CQZX2410_DRC_GUI::OnOffsetOption(bool bSpecify)
{
    // The choice reaches the model with the rest of the setting on Apply.
    m_edOffset1->setEnabled(bSpecify);
}

bool CQZX2410_DRC_GUI::OnApply()
{
    CQZX2410_DRC_Setting s = m_pManager->GetSetting();
    for (int i = 0; i < 2; ++i)
        if (!TakeThresholdText(i))
        {
            m_Thresholds[i].pEdit->setFocus();
            return false;
        }
    s.dThreshold1 = m_Threshold[0];
    s.dThreshold2 = m_Threshold[1];
    static const char* const kRatioNames[3] = {"the ratio of Region 0", "the ratio of Region 1",
                                               "the ratio of Region 2"};
    for (int i = 0; i < 3; ++i)
    {
        QLineEdit* pRatio = m_Regions[i].pRatio;
        const std::optional<double> ratio = ReadNumber(pRatio, kRatioNames[i]);
        if (!ratio)
            return false;
        s.dRatio[i] = *ratio;
        const bool bCompression = m_Regions[i].pCompression->isChecked();
        if (!bCompression && !m_Regions[i].pExpansion->isChecked())
            MORVANE_CHECK_FAILED();
        s.bRegionCompression[i] = bCompression;
        // The model's own check, at the box that holds the ratio.
        if (const std::string error = CQZX2410_DRC_Manager::RatioError(i, bCompression, *ratio);
            !error.empty())
        {
            RefuseAt(pRatio, error);
            return false;
        }
    }
    // Offset1 is read only while it is specified; its edit is disabled otherwise.
    s.bSpecifyOffset1 = m_pSpecifyOffset1->isChecked();
    if (s.bSpecifyOffset1)
    {
        const std::optional<double> offset1 = ReadNumber(m_edOffset1, "Offset1");
        if (!offset1)
            return false;
        s.dOffset1 = *offset1;
    }
    const std::optional<double> offset2 = ReadNumber(m_edOffset2, "Offset2");
    if (!offset2)
        return false;
    s.dOffset2 = *offset2;
    return m_pManager->ApplySetting(s);
}
