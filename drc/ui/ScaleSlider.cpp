#include "drc/ui/ScaleSlider.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace
{
constexpr int kTickLength = 5; // pixels
constexpr int kGap = 3;
} // namespace

// Tells where the style draws the handle of a position.
class CScaleSlider::CSlider : public QSlider
{
public:
    explicit CSlider(QWidget* pParent) : QSlider(Qt::Vertical, pParent) {}

    int HandleCentreY(int nPosition) const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const int nSpan = groove.height() - handle.height();
        return groove.top() + handle.height() / 2 +
               QStyle::sliderPositionFromValue(minimum(), maximum(), nPosition, nSpan,
                                               option.upsideDown);
    }
};

CScaleSlider::CScaleSlider(int nMax, int nPageStep, std::vector<int> ticks,
                           std::vector<CMark> marks, QWidget* pParent)
    : QWidget(pParent), m_pSlider(new CSlider(this)), m_Ticks(std::move(ticks)),
      m_Marks(std::move(marks))
{
    m_pSlider->setRange(0, nMax);
    m_pSlider->setPageStep(nPageStep);
    // Position 0 at the top, and the keys move the handle the way their arrows point.
    m_pSlider->setInvertedAppearance(true);
    m_pSlider->setInvertedControls(true);
    for (const CMark& mark : m_Marks)
        m_nTextWidth = std::max(m_nTextWidth, fontMetrics().horizontalAdvance(mark.text));
    auto* layout = new QHBoxLayout(this);
    // Room for the texts at the two ends as well.
    const int nHalfText = fontMetrics().height() / 2;
    layout->setContentsMargins(m_nTextWidth + kGap + kTickLength + kGap, nHalfText, 0, nHalfText);
    layout->addWidget(m_pSlider);
}

QSlider* CScaleSlider::GetSlider() const
{
    return m_pSlider;
}

int CScaleSlider::PositionY(int nPosition) const
{
    return m_pSlider->geometry().top() + m_pSlider->HandleCentreY(nPosition);
}

void CScaleSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int xTickEnd = m_pSlider->geometry().left() - kGap;
    for (int nPosition : m_Ticks)
    {
        const int y = PositionY(nPosition);
        painter.drawLine(xTickEnd - kTickLength, y, xTickEnd, y);
    }
    const int nTextHeight = fontMetrics().height();
    for (const CMark& mark : m_Marks)
    {
        const QRect box(0, PositionY(mark.nPosition) - nTextHeight / 2, m_nTextWidth, nTextHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, mark.text);
    }
}
