// The graph window of a loudness design: the plotted response of every loudness filter of
// the window's chip family as one curve over a logarithmic frequency axis (10 Hz to
// 24 kHz) and a dB axis fitted to the curves. A click on a curve deletes its filter, opens
// it for editing or adds it to the device data file while the matching graphical mode is
// on; without one a click works the coordinate readout. The name of the curve under the
// pointer shows as a tooltip; the view prints and previews.
//
// The curves come from the family's loudness manager, which adds one per computed filter
// and asks for curves to be deleted. A view belongs to its document and so to one family:
// it connects itself to that family's manager at its first update and withdraws when it
// goes. It owns its curves.
//
// Commands it handles while its window is current: 32905, 32906, 32907 (the graphical
// modes), 32795 ("Turn off Display Coordinates Only"), Print (57607), Print Preview (57609).
#pragma once

#include "framework/ui/PrintableCanvas.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/HorizontalScale.h"
#include "graph/Mode.h"
#include "graph/VerticalScale.h"
#include "graph/ViewFont.h"
#include "graph/ui/GraphPointer.h"
#include "loudness/LoudnessDoc.h"
#include "loudness/LoudnessViewModes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CLoudnessView : public CPrintableCanvas, public ILoudnessView, public ILoudnessDocView
{
public:
    static constexpr int ID_TURN_OFF_DISPLAY_COORDINATES = 32795;
    // A click within this canvas distance of a curve hits it.
    static constexpr double kHitDistance = 50.0;

    explicit CLoudnessView(CLoudnessDoc& doc, QWidget* pParent = nullptr);
    ~CLoudnessView() override;
    CLoudnessView(const CLoudnessView&) = delete;
    CLoudnessView& operator=(const CLoudnessView&) = delete;

    CLoudnessDoc& GetDocument() const { return m_Doc; }

    // The first update: the ranges, scales and readout, every mode off, connected to the
    // family's manager, whose filters are computed and plotted again.
    void OnInitialUpdate();
    // ILoudnessDocView: hint 1 empties the view, hint 2 fits the dB axis to the curves.
    void OnUpdate(int nHint) override;

    // ILoudnessView. A curve's colour may be a palette entry (0x01000000 | index).
    void AddLoudnessCurve(std::span<const double> x, std::span<const double> y, COLORREF color,
                          const std::string& name) override;
    // The first curve of that name; false when there is none. The readout lets go of the
    // curve before it goes.
    bool DeleteCurve(const std::string& name);
    void DeleteLoudnessCurve(const std::string& name) override { DeleteCurve(name); }

    // ICommandTarget: the graphical modes and the readout; Print and Print Preview.
    std::optional<CCommandState> GetCommandState(int id) override;
    void OnCommand(int id) override;
    // Printing is offered while the view holds curves.
    bool OnUpdateFilePrint() const override { return m_NoCurvesMode.IsOff(); }

    void OnDraw(CDC* pDC) override;
    // The name of the curve under the pointer (within 50 canvas units), or empty.
    std::string GetToolTipText(CPoint) const override { return m_Pointer.ToolTipText(); }
    // True while the view's frame waits after a resize: the readout then stays put.
    void SetResizePending(std::function<bool()> pending)
    {
        m_Pointer.SetResizePending(std::move(pending));
    }
    // The colour of a palette entry; unset, palette entries are drawn black.
    std::function<COLORREF(int)> m_PaletteColor;

    const std::vector<CCurve*>& GetCurves() const { return m_Curves; }
    const CDoubleRect& GetDataRect() const { return m_DataRect; }
    const CBasicGraph& GetGraph() const { return m_Graph; }
    const CGraphPointer& GetPointer() const { return m_Pointer; }
    CLoudnessViewModes& GetModes() { return m_Modes; }
    // The curve under a client pixel within the hit distance, or null.
    CCurve* HitCurve(CPoint pixel) const;
    // The pointer shape of the graphical mode that is on; the cross without one.
    Qt::CursorShape ModeCursor() const;

    CCurveEdit m_CurveEdit;
    // On while the view holds no curve.
    CMode m_NoCurvesMode;
    CCoordDisplay m_CoordDisplay;

protected:
    void OnLButtonDown(CPoint pixel) override;
    void OnMouseMove(CPoint pixel) override;
    void OnRButtonDown(CPoint pixel) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    // A click in a graphical mode on the curve it hit.
    void PickCurve(const std::string& name);
    // The canvas regions, the scales and the curves.
    void DrawGraph(CDC* pDC);
    void FitToCurves();
    void InitScales();
    void DeleteCurves();
    void Repaint();

    CLoudnessDoc& m_Doc;
    CDoubleRect m_DataRect;
    std::vector<CCurve*> m_Curves;
    CLoudnessViewModes m_Modes;
    CBasicGraph m_Graph;
    CVerticalScale m_VerticalScale;
    CHorizontalScale m_HorizontalScale;
    CViewFont m_ViewFont;
    CGraphPointer m_Pointer;
    bool m_bConnected = false;
};
