// What the two compression views share: a square graph of the output level over the input
// level in dB, both axes from the data window's lower limit up to 0 dB, the lines and
// curves that the compression model replaces after every Apply, the coordinate readout
// that follows a line or curve (a straight line under the pointer, a curve at the
// pointer's x), curve-name tooltips and printing. The view owns its curves; a derived view
// adds its input axis, its legend or text panel and its modeless control dialog.
//
// Commands it handles while its window is current: Print (57607), Print Preview (57609)
// and "Turn off Display Coordinates Only" (32795).
#pragma once

#include "drc/CompressionView.h"
#include "drc/ui/ControlDialog.h"
#include "framework/ui/PrintableCanvas.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/GraphAnnotationSet.h"
#include "graph/HorizontalScale.h"
#include "graph/SquareGraph.h"
#include "graph/VerticalScaleSpecialLimits.h"
#include "graph/ViewFont.h"
#include "graph/ui/GraphPointer.h"

#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class CCurveLine;

class CCompressionGraphView : public CPrintableCanvas, public ICompressionView
{
public:
    static constexpr int ID_TURN_OFF_DISPLAY_COORDINATES = 32795;

    // nBorder: the height of the strip under the plot, canvas units (CSquareGraph).
    explicit CCompressionGraphView(int nBorder, QWidget* pParent = nullptr);
    CCompressionGraphView(const CCompressionGraphView&) = delete;
    CCompressionGraphView& operator=(const CCompressionGraphView&) = delete;

    // Screen and printer alike.
    void OnDraw(CDC* pDC) override;
    // Print and Print Preview (CPrintableCanvas) are always offered.
    bool OnUpdateFilePrint() const override { return true; }

    // ICompressionView: the readout is cleared and the view repainted at once.
    void TurnOffDisplayCoordinatesOnly() override { m_Pointer.ClearReadout(); }
    // ICommandTarget: Print and Print Preview, and the readout's command.
    std::optional<CCommandState> GetCommandState(int id) override;
    void OnCommand(int id) override;

    // The name of the curve under the pointer (within 50 canvas units), or empty.
    std::string GetToolTipText(CPoint) const override { return m_Pointer.ToolTipText(); }
    // True while the view's frame waits after a resize: the readout then stays put.
    void SetResizePending(std::function<bool()> pending)
    {
        m_Pointer.SetResizePending(std::move(pending));
    }

    void OnLButtonDown(CPoint pixel) override;
    void OnMouseMove(CPoint pixel) override;
    void OnRButtonDown(CPoint pixel) override;

    // The curves in drawing order (also their order in the nearest-curve search).
    const std::vector<CCurve*>& GetCurveArray() const { return m_CurveArray; }
    const CSquareGraph& GetGraph() const { return m_Graph; }
    const CDoubleRect& GetDataWindow() const { return m_DataWindow; }
    const CGraphPointer& GetPointer() const { return m_Pointer; }
    const CGraphAnnotationSet& GetAnnotation() const { return m_Annotation; }

    CCurveEdit m_CurveEdit;
    CCoordDisplay m_CoordDisplay;

protected:
    // The data window {0, limit, limit, 0}, the view font (80) and the output axis
    // ("Output db", grid lines every lineStep, labels every labelStep).
    void InitializeGraph(double dLimit, double dLineStep, double dLabelStep);
    // After the curves are in the array: the editor and the readout ("DRC", both values
    // in db, not logarithmic), armed.
    void InitializeReadout();
    // Replaces a curve: created with the points, pen, colour, kind, tag and name, visible,
    // on the view's data window, its points valid and its extent and clipping computed.
    void SetCurvePoints(CCurve& curve, const std::vector<CDoublePoint>& points, int nWidth,
                        int nPenStyle, COLORREF color, int nKind, int nTag,
                        const std::string& name);
    // A straight line of the plot: width 2, solid, kind 0, tag 1.
    void SetLineCurve(CCurveLine& line, const std::vector<CDoublePoint>& points, COLORREF color,
                      const std::string& name);
    // The control dialog of the view (made with the model when there is none: the first
    // time, or after it was closed), shown and raised. Its owner is the window the view is
    // in (the main window), as for the program's other tool windows, so that it stays in
    // front of it; a dialog made before the view was in that window moves to it. The view
    // destroys the dialog with itself. Once the view is on the screen the dialog is put in
    // its place, once: where a dialog of its kind was last moved to, or at first where it
    // hides no text of the view (see FirstDialogPlace). After that it stays where it is.
    // While the view is not yet shown in a shown window, the dialog waits for its place
    // (it is shown with the view); in a window never shown it is shown where the window
    // system puts it.
    template <class Dialog, class Manager>
    Dialog* ShowDialog(QPointer<Dialog>& pDialog, Manager* pManager)
    {
        if (!pDialog)
            pDialog = new Dialog(pManager, window());
        else if (pDialog->parentWidget() != window())
            pDialog->setParent(window(), pDialog->windowFlags());
        PlaceDialog(pDialog);
        if (pDialog == m_pPlacedDialog || !window()->isVisible())
        {
            pDialog->show();
            pDialog->raise();
        }
        return pDialog;
    }
    // The first place of a dialog whose frame is that large, global pixels, on the screen's
    // available area: in the plot's top left corner, the emptiest part of the graph, where
    // it hides neither the legend or text panel nor the axes' values, when it fits there;
    // else beside the main window (right, left, below or above its frame, slid along it
    // onto the screen) where the screen leaves room; else where on the screen it covers
    // the least of the view's texts and of the window round the view (menus, toolbars,
    // status bar), nearest to the plot's corner.
    QPoint FirstDialogPlace(const QSize& frame);
    // The texts that follow the model (the legend's or panel's values, the input axis's
    // marks), set before the canvas is laid out for a paint.
    virtual void RefreshTexts() = 0;
    // The input axis, drawn with the legend or text panel between the output axis and
    // the curves.
    virtual CHorizontalScale& InputScale() = 0;
    void resizeEvent(QResizeEvent* pEvent) override;

    std::vector<CCurve*> m_CurveArray;
    CSquareGraph m_Graph;
    CDoubleRect m_DataWindow;
    CVerticalScaleSpecialLimits m_VerticalScale;
    CGraphAnnotationSet m_Annotation;
    CViewFont m_ViewFont;
    CGraphPointer m_Pointer;

private:
    // The strips of the canvas on the mapped device context. On a screen the view font
    // and the annotation's font keep a readable size; where that makes either larger in
    // canvas units, the strip under the plot, the annotation's places, the axes' spaces
    // and arrows grow by the larger of the two factors, so that the texts keep the places
    // they have where the fonts are just readable (the printed page keeps its layout).
    CGraphStrips MeasureStrips(CDC* pDC);
    // The strips with the fonts' least size as it is set; bFits tells whether the texts
    // then fit the canvas.
    CGraphStrips MeasureStripsAtLeastSize(CDC* pDC, bool& bFits);
    // The width the strip left of the plot needs for the legend or text panel, a gap and
    // the output axis's values beside it, or for the axis's title: canvas units on the
    // mapped device context, the spaces grown with the strips' factor.
    int LeftStripWidth(CDC* pDC, const CGraphStrips& strips);
    void PlaceDialog(CControlDialog* pDialog);
    // The plot area in client pixels, as the view is laid out at its present size.
    QRect PlotPixels();
    // Global pixels a control dialog should leave clear: each text of a paint of the view
    // at its present size, and the parts of the main window round the view.
    std::vector<QRect> TextsToKeepClear();

    QPointer<QWidget> m_pPlacedDialog;
    int m_nUsualBorder; // the strip under the plot at the usual font, canvas units
};
