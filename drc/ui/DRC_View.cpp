#include "drc/ui/DRC_View.h"

#include "drc/DRC_Manager.h"
#include "graph/ResourceString.h"

namespace
{
constexpr double kBottom = -89.625; // dB, both axes
constexpr unsigned kInputTitleId = 270;
constexpr unsigned kTitleId = 280;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
} // namespace

CDRC_View::CDRC_View(CDRC_Manager& manager, QWidget* pParent)
    : CCompressionGraphView(220, pParent), m_pManager(&manager)
{
    setObjectName("DRC_View");
    m_pManager->SetView(this);
}

CDRC_View::~CDRC_View()
{
    m_pManager->SetView(nullptr);
    m_CurveArray.clear();
    m_pManager = nullptr;
    delete m_pDRCGUI;
}

void CDRC_View::OnInitialUpdate()
{
    InitializeGraph(kBottom, 5.0, 10.0);
    const std::string titles[1] = {CResourceString(kInputTitleId)};
    m_HorizontalScale.Init(m_Graph.m_BottomRegion, m_Graph.m_PlotRegion, 1, titles, m_DataWindow,
                           5.0, 10.0, 20, 100, false, 4, 0, 0, 8, nullptr);
    BuildLegend();
    SetLineCurve(m_RatioLine, {{kBottom, kBottom}, {0.0, 0.0}}, kBlack, "Ratio = 1:1");
    m_CurveArray = {&m_RatioLine, &m_CRLine, &m_ERLine, &m_VertThresholdLine, &m_HorzThresholdLine};
    // The other four lines show the model's current setting.
    for (const CCompressionCurve& line : m_pManager->ViewLines())
        ReplaceCurve(line);
    InitializeReadout();
    ShowControlDialog();
}

CDRC_GUI* CDRC_View::ShowControlDialog()
{
    return ShowDialog(m_pDRCGUI, m_pManager);
}

void CDRC_View::ReplaceCurve(const CCompressionCurve& curve)
{
    CCurveLine* const lines[] = {&m_VertThresholdLine, &m_HorzThresholdLine, &m_CRLine, &m_ERLine};
    if (curve.nIndex < 0 || curve.nIndex >= int(std::size(lines)))
        return;
    SetLineCurve(*lines[curve.nIndex], curve.points, curve.color, curve.label);
}

void CDRC_View::BuildLegend()
{
    // Canvas units from the left end of the plot's bottom edge; texts stand on their
    // heights.
    const int X0 = 5;
    const int Y0 = m_Graph.GetBorder();
    m_Annotation.m_ViewFont.SetSize(60);
    m_Annotation.m_Title.SetText(CResourceString(kTitleId));
    m_Annotation.m_Title.SetPosition(X0, Y0 + 560);
    const struct
    {
        int nLineY;
        COLORREF color;
        unsigned nLabelId;
        int nLabelY;
    } rows[] = {{40, kBlack, 276, 0},
                {200, kGreen, 279, 160},
                {360, kBlue, 278, 320},
                {520, kRed, 277, 480}};
    for (const auto& row : rows)
    {
        CSimpleLine line;
        line.m_Points[0] = {X0 + 20, Y0 + row.nLineY};
        line.m_Points[1] = {X0 + 120, Y0 + row.nLineY};
        line.m_nPenWidth = m_Graph.m_nRegionPenWidth;
        line.m_Color = row.color;
        m_Annotation.m_Lines.Add(line);
        CGraphLabel label(CResourceString(row.nLabelId));
        label.SetPosition(X0 + 140, Y0 + row.nLabelY);
        m_Annotation.m_FirstLabels.Add(label);
    }
    // The values: the threshold, the ratio below and the ratio above it.
    for (int y : {80, 240, 400})
    {
        CGraphLabel value;
        value.SetPosition(X0 + 140, Y0 + y);
        m_Annotation.m_SecondLabels.Add(value);
    }
}

void CDRC_View::RefreshTexts()
{
    if (m_Annotation.m_SecondLabels.GetSize() < 3)
        return; // before the initial update
    m_Annotation.m_SecondLabels.GetAt(0)->SetText(m_pManager->FormatThresholdDb());
    m_Annotation.m_SecondLabels.GetAt(1)->SetText(m_pManager->FormatBelowRatioLabel());
    m_Annotation.m_SecondLabels.GetAt(2)->SetText(m_pManager->FormatAboveRatioLabel());
}
