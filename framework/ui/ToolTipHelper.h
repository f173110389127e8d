// The tooltip of a graph view: while active, a pointer resting on one of its tools shows
// the text that tool's callback returns for the pointer's position; an empty text shows
// nothing. Switched off, it hides any tip and shows none.
#pragma once

#include "framework/core/Window.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

class CToolTipHelper : public QObject, public IToolTip
{
public:
    CToolTipHelper() = default;

    // Windows must be CanvasWidget-like: Qt widgets that also are CWnd (see WidgetOf).
    bool AddControl(CWnd* pWindow, TextCallback text) override;
    bool AddRectTool(CWnd* pWindow, TextCallback text, const CRect& rect, unsigned id) override;
    // Qt widgets directly.
    bool AddWidget(QWidget* pWidget, TextCallback text, const QRect& rect = QRect(),
                   unsigned id = 0);
    void Activate(bool bActive) override;
    bool IsActive() const override { return m_bActive; }

    // The text the tool under a widget's pixel gives; empty when none answers or the
    // helper is off.
    std::string TextAt(QWidget* pWidget, QPoint pixel) const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    struct CTool
    {
        QPointer<QWidget> widget;
        QRect rect; // client pixels; empty: the whole widget
        unsigned id = 0;
        TextCallback text;
    };

    std::vector<CTool> m_Tools;
    bool m_bActive = true;
};
