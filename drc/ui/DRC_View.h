// The view of the QZX2202 compression design: the static compression curve on a square
// graph from -89.625 dB to 0 dB on both axes — the 1:1 line, the ratio lines above
// (red) and below (blue) the threshold and the vertical and horizontal threshold lines
// (green) — with a legend of the current threshold and ratios. Every line is drawn from the
// model's current setting, so the plot always shows what the ".drc" file will hold.
//
// Its initial update makes the modeless control dialog, which it owns; the dialog's Apply
// moves the lines through the model. The view registers with the model while it exists.
#pragma once

#include "drc/ui/CompressionGraphView.h"
#include "drc/ui/DRC_GUI.h"
#include "graph/CurveLine.h"
#include "graph/HorizontalScaleSpecialLimits.h"

#include <QPointer>

class CDRC_Manager;

class CDRC_View : public CCompressionGraphView
{
public:
    explicit CDRC_View(CDRC_Manager& manager, QWidget* pParent = nullptr);
    ~CDRC_View() override;

    // The scales, the legend, the five lines and the readout; then the control dialog.
    void OnInitialUpdate();
    // ICompressionView: line i of the model's setting (0 vertical threshold, 1 horizontal
    // threshold, 2 above, 3 below the threshold).
    void ReplaceCurve(const CCompressionCurve& curve) override;
    // The control dialog, made anew when it was closed, shown and raised.
    CDRC_GUI* ShowControlDialog();
    CDRC_GUI* GetControlDialog() const { return m_pDRCGUI; }

    CCurveLine m_RatioLine;
    CCurveLine m_CRLine;
    CCurveLine m_ERLine;
    CCurveLine m_VertThresholdLine;
    CCurveLine m_HorzThresholdLine;

protected:
    // The legend's threshold and ratios.
    void RefreshTexts() override;
    CHorizontalScale& InputScale() override { return m_HorizontalScale; }

private:
    void BuildLegend();

    CDRC_Manager* m_pManager;
    QPointer<CDRC_GUI> m_pDRCGUI;
    CHorizontalScaleSpecialLimits m_HorizontalScale;
};
