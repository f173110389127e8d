// The view of the QZX2410/QZX6060 compression design: the transfer curve the model
// computes with the chip's fixed-point logarithms (blue), the 1:1 line (black) and the two
// threshold lines (green) on a square graph whose axes reach down to the model's lower
// limit (-283 dB). The input axis names the regions at their boundaries (R0 below T1, R1
// between T1 and T2, R2 above T2) and marks the ranges of the two offsets; a text panel
// lists the current setting. Axis marks and panel follow the model at every paint, so the
// screen and the printed page show the setting the curve and the device files are made
// from.
//
// The transfer curve and the 1:1 line are read out and hit-tested along their points; the
// threshold lines are straight lines. Its initial update makes the modeless control
// dialog, which it owns and whose opening computes the curve. The view registers with the
// model while it exists.
#pragma once

#include "drc/ui/CompressionGraphView.h"
#include "drc/ui/QZX2410_DRC_GUI.h"
#include "graph/CurveLine.h"
#include "graph/HorizontalScaleDRC.h"

#include <QPointer>

class CQZX2410_DRC_Manager;

class CQZX2410_DRC_View : public CCompressionGraphView
{
public:
    explicit CQZX2410_DRC_View(CQZX2410_DRC_Manager& manager, QWidget* pParent = nullptr);
    ~CQZX2410_DRC_View() override;

    // The scales, the text panel, the threshold lines and the readout; then the control
    // dialog.
    void OnInitialUpdate();
    // ICompressionView: curve i of the model (0 transfer curve, 1 the 1:1 line, 2 and 3
    // the threshold lines).
    void ReplaceCurve(const CCompressionCurve& curve) override;
    // The control dialog, made anew when it was closed, shown and raised.
    CQZX2410_DRC_GUI* ShowControlDialog();
    CQZX2410_DRC_GUI* GetControlDialog() const { return m_pDRCGUI; }
    const CHorizontalScaleDRC& GetHorizontalScale() const { return m_HorizontalScale; }

    CCurve m_RatioCurve;
    CCurve m_DrcCurve;
    CCurveLine m_Threshold1Line;
    CCurveLine m_Threshold2Line;

protected:
    // The panel's values and the axis's region boundaries and offset ranges from the model.
    void RefreshTexts() override;
    CHorizontalScale& InputScale() override { return m_HorizontalScale; }

private:
    void BuildTextPanel();

    CQZX2410_DRC_Manager* m_pManager;
    QPointer<CQZX2410_DRC_GUI> m_pDRCGUI;
    CHorizontalScaleDRC m_HorizontalScale;
};
