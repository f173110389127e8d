// A vertical threshold slider with position 0 at the top: Down, Page Down and End move it
// toward its largest position at the bottom. Tick marks at chosen positions are drawn on
// its left and scale texts beside them, level with the positions they name.
#pragma once

#include <QSlider>
#include <QString>
#include <QWidget>

#include <vector>

class CScaleSlider : public QWidget
{
public:
    // A scale text at a position.
    struct CMark
    {
        int nPosition;
        QString text;
    };

    CScaleSlider(int nMax, int nPageStep, std::vector<int> ticks, std::vector<CMark> marks,
                 QWidget* pParent = nullptr);

    QSlider* GetSlider() const;
    // The widget's y of a position's handle centre.
    int PositionY(int nPosition) const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    class CSlider;

    CSlider* m_pSlider;
    std::vector<int> m_Ticks;
    std::vector<CMark> m_Marks;
    int m_nTextWidth = 0;
};
