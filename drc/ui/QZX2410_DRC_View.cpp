#include "drc/ui/QZX2410_DRC_View.h"

#include "drc/QZX2410_DRC_Manager.h"
#include "graph/ResourceString.h"

namespace
{
constexpr double kAxisStep = 25.0; // dB
// Under the input axis stand its values, the region titles and the two offset ranges one
// below the other; the usual 220 canvas units would put the ranges below the canvas.
constexpr int kBorder = 320;
constexpr unsigned kTitleId = 280;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
// The panel's rows, canvas units above the plot's bottom edge, and its columns.
constexpr int kRowStep = 90;
constexpr int kValueX = 360;
constexpr const char* kCaptions[] = {"Region 0: ", "Region 1: ",   "Region 2: ",  "Offset1: ",
                                     "Offset2: ",  "Threshold1: ", "Threshold2: "};
constexpr int kPairs = int(std::size(kCaptions));
} // namespace

CQZX2410_DRC_View::CQZX2410_DRC_View(CQZX2410_DRC_Manager& manager, QWidget* pParent)
    : CCompressionGraphView(kBorder, pParent), m_pManager(&manager)
{
    setObjectName("QZX2410_DRC_View");
    m_pManager->SetView(this);
}

CQZX2410_DRC_View::~CQZX2410_DRC_View()
{
    m_pManager->SetView(nullptr);
    m_CurveArray.clear();
    m_pManager = nullptr;
    delete m_pDRCGUI;
}

void CQZX2410_DRC_View::OnInitialUpdate()
{
    const double dLimit = m_pManager->GetLimit();
    InitializeGraph(dLimit, kAxisStep, kAxisStep);
    const std::string titles[3] = {" Input db   R0", "T1  R1", "T2  R2"};
    m_HorizontalScale.Init(m_Graph.m_BottomRegion, m_Graph.m_PlotRegion, 3, titles, m_DataWindow,
                           kAxisStep, kAxisStep, 20, 100, false, 4, 0, 0, 8, nullptr);
    for (CScaleSpan* span : {&m_HorizontalScale.m_Span1, &m_HorizontalScale.m_Span2})
    {
        span->m_LineColor = kBlue;
        span->m_TextColor = kBlue;
    }
    m_HorizontalScale.m_Span1.m_strText = "OFFSET1";
    m_HorizontalScale.m_Span2.m_strText = "OFFSET2";
    BuildTextPanel();
    // The curve is computed when the control dialog opens; until then it is empty.
    m_RatioCurve.Create(0, 2, PS_SOLID, kBlack, 2, 0, 1, 0, true, true, "1:1 Ratio");
    m_DrcCurve.Create(0, 2, PS_SOLID, kBlue, 1, 0, 1, 0, true, true, "DRC Curve");
    SetLineCurve(m_Threshold1Line,
                 {{m_pManager->GetThreshold1(), 0.0}, {m_pManager->GetThreshold1(), dLimit}},
                 kGreen, "Threshold 1");
    SetLineCurve(m_Threshold2Line,
                 {{m_pManager->GetThreshold2(), 0.0}, {m_pManager->GetThreshold2(), dLimit}},
                 kGreen, "Threshold 2");
    m_CurveArray = {&m_RatioCurve, &m_DrcCurve, &m_Threshold1Line, &m_Threshold2Line};
    InitializeReadout();
    ShowControlDialog();
}

CQZX2410_DRC_GUI* CQZX2410_DRC_View::ShowControlDialog()
{
    return ShowDialog(m_pDRCGUI, m_pManager);
}

void CQZX2410_DRC_View::ReplaceCurve(const CCompressionCurve& curve)
{
    switch (curve.nIndex)
    {
    case 0:
    case 1:
        SetCurvePoints(curve.nIndex == 0 ? m_DrcCurve : m_RatioCurve, curve.points, curve.nWidth,
                       curve.nPenStyle, curve.color, curve.nKind, curve.nTag, curve.label);
        break;
    case 2:
    case 3:
        SetLineCurve(curve.nIndex == 2 ? m_Threshold1Line : m_Threshold2Line, curve.points,
                     curve.color, curve.label);
        break;
    default:
        break;
    }
}

void CQZX2410_DRC_View::BuildTextPanel()
{
    // Canvas units from the left end of the plot's bottom edge, texts standing on their
    // heights: the pairs at the bottom, the legend above them, the title on top.
    const int X0 = 5;
    const int Y0 = m_Graph.GetBorder();
    m_Annotation.m_ViewFont.SetSize(60);
    for (int i = 0; i < kPairs; ++i)
    {
        const int y = Y0 + (kPairs - 1 - i) * kRowStep;
        CGraphLabel caption(kCaptions[i]);
        caption.SetPosition(X0, y);
        m_Annotation.m_FirstLabels.Add(caption);
        CGraphLabel value;
        value.SetPosition(X0 + kValueX, y);
        m_Annotation.m_SecondLabels.Add(value);
    }
    const struct
    {
        COLORREF color;
        unsigned nLabelId;
    } legend[] = {{kBlack, 276}, {kGreen, 279}, {kBlue, 297}};
    int y = Y0 + kPairs * kRowStep + 40;
    for (const auto& row : legend)
    {
        CSimpleLine line;
        line.m_Points[0] = {X0 + 20, y + 20};
        line.m_Points[1] = {X0 + 120, y + 20};
        line.m_nPenWidth = m_Graph.m_nRegionPenWidth;
        line.m_Color = row.color;
        m_Annotation.m_Lines.Add(line);
        CGraphLabel label(CResourceString(row.nLabelId));
        label.SetPosition(X0 + 140, y);
        m_Annotation.m_ThirdLabels.Add(label);
        y += 100;
    }
    m_Annotation.m_Title.SetText(CResourceString(kTitleId));
    m_Annotation.m_Title.SetPosition(X0, y + 40);
}

void CQZX2410_DRC_View::RefreshTexts()
{
    if (m_Annotation.m_SecondLabels.GetSize() < kPairs)
        return; // before the initial update
    const CQZX2410_DRC_Manager& m = *m_pManager;
    const std::string values[kPairs] = {m.Region0ModeText() + " " + m.Ratio0Text(),
                                        m.Region1ModeText() + " " + m.Ratio1Text(),
                                        m.Region2ModeText() + " " + m.Ratio2Text(),
                                        m.GetSpecifyOffset1() ? m.Offset1Text()
                                                              : std::string("Derived"),
                                        m.Offset2Text(),
                                        m.Threshold1Text(),
                                        m.Threshold2Text()};
    for (int i = 0; i < kPairs; ++i)
        m_Annotation.m_SecondLabels.GetAt(i)->SetText(values[i]);
    const double dLimit = m_DataWindow.left;
    const double T1 = m.GetThreshold1();
    const double T2 = m.GetThreshold2();
    m_HorizontalScale.SetEntry(dLimit, 0);
    m_HorizontalScale.SetEntry(T1, 1);
    m_HorizontalScale.SetEntry(T2, 2);
    m_HorizontalScale.m_Span1.m_Start.x = dLimit + 2.0;
    m_HorizontalScale.m_Span1.m_End.x = T1;
    m_HorizontalScale.m_Span2.m_Start.x = T1;
    m_HorizontalScale.m_Span2.m_End.x = -2.0;
}
