#include "framework/ui/CanvasWidget.h"

#include "framework/ui/PainterDC.h"
#include "framework/ui/ToolTipHelper.h"

#include <QMouseEvent>
#include <QPainter>

namespace
{
CPoint ClientPixel(const QMouseEvent* pEvent)
{
    const QPoint p = pEvent->position().toPoint();
    return {p.x(), p.y()};
}
} // namespace

CCanvasWidget::CCanvasWidget(QWidget* pParent) : QWidget(pParent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CRect CCanvasWidget::GetClientRect() const
{
    return {0, 0, width(), height()};
}

std::unique_ptr<IToolTip> CCanvasWidget::CreateToolTip()
{
    return std::make_unique<CToolTipHelper>();
}

void CCanvasWidget::Invalidate(bool bErase)
{
    m_bErase = m_bErase || bErase;
    update();
}

void CCanvasWidget::EnsureImage()
{
    const QSize size(std::max(width(), 1), std::max(height(), 1));
    if (m_Image.size() != size)
    {
        m_Image = QImage(size, QImage::Format_RGB32);
        m_bErase = true;
    }
    if (m_bErase)
        m_Image.fill(Qt::white);
    m_bErase = false;
}

void CCanvasWidget::Redraw(bool bErase)
{
    m_bErase = m_bErase || bErase;
    EnsureImage();
    QPainter painter(&m_Image);
    CPainterDC dc(&painter, DT_RASDISPLAY);
    OnDraw(&dc);
}

void CCanvasWidget::paintEvent(QPaintEvent*)
{
    Redraw(false);
    QPainter painter(this);
    painter.drawImage(0, 0, m_Image);
}

void CCanvasWidget::resizeEvent(QResizeEvent* pEvent)
{
    m_bErase = true;
    QWidget::resizeEvent(pEvent);
}

void CCanvasWidget::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        OnLButtonDown(ClientPixel(pEvent));
    else if (pEvent->button() == Qt::RightButton)
        OnRButtonDown(ClientPixel(pEvent));
}

void CCanvasWidget::mouseMoveEvent(QMouseEvent* pEvent)
{
    OnMouseMove(ClientPixel(pEvent));
}

void CCanvasWidget::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        OnLButtonUp(ClientPixel(pEvent));
}
