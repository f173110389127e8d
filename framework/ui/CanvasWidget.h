// A widget that a graph view draws in. Drawing goes into a retained image of the client
// area through a CPainterDC, and the image is copied to the screen: inverted crosshairs
// can thus be erased by drawing them again, on a real screen and offscreen alike. A paint
// draws over what the image holds; Invalidate(true) clears it to white first (a resize
// always does). The mouse reaches the view as client pixels.
#pragma once

#include "framework/core/Window.h"

#include <QImage>
#include <QWidget>

class CDC;

class CCanvasWidget : public QWidget, public CWnd
{
public:
    explicit CCanvasWidget(QWidget* pParent = nullptr);

    CRect GetClientRect() const override;
    std::unique_ptr<IToolTip> CreateToolTip() override;

    // Schedules a paint; with bErase the retained image is cleared first.
    void Invalidate(bool bErase);
    // Paints now into the retained image (without putting it on the screen).
    void Redraw(bool bErase);
    const QImage& RetainedImage() const { return m_Image; }

protected:
    // The view's drawing, in the device context's own units until it maps them.
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnLButtonDown(CPoint) {}
    virtual void OnMouseMove(CPoint) {}
    virtual void OnLButtonUp(CPoint) {}
    virtual void OnRButtonDown(CPoint) {}

    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    void EnsureImage();

    QImage m_Image;
    bool m_bErase = true;
};
