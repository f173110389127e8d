// What every MDI child frame of the program shares: a minimum tracking size, a one-shot
// resize timer whose running flag the views consult (armed by the first resize of a
// burst, it fires 500 ms later and clears the flag), a status-bar text on the first
// activation, a caption that never carries the document name, closing that hides the
// frame where the frame kind asks for it, and room for one view.
//
// Where the flags live differs by frame kind (the application's own flags or a
// CMDIChildInfo record), so the derived frames supply them.
#pragma once

#include "framework/core/GdiTypes.h"

#include <QBasicTimer>
#include <QMdiSubWindow>

class CMorvaneApp;

class CMDIChildFrame : public QMdiSubWindow
{
public:
    static constexpr int kMinTrackWidth = 267;
    static constexpr int kMinTrackHeight = 100;

    CMDIChildFrame(CMorvaneApp& app, const std::string& title, bool bHideOnClose);

    // The view the frame shows; the frame takes ownership. Null leaves an empty area.
    void SetView(QWidget* pView);
    QWidget* GetView() const { return widget(); }
    // Restores a maximized or minimized frame and moves it to rect (MDI client
    // coordinates).
    void MoveToLayout(const CRect& rect);
    // A layout command (101, 32919, 32920, 32884); false when the frame has no place in
    // it.
    virtual bool OnLayoutCommand(int nCommand);
    bool IsFirstActivationPending() const { return m_bFirstActivation; }
    // The resize timer's delay, ms.
    unsigned m_nTimerDelay = 500;

protected:
    virtual bool IsTimerRunning() const = 0;
    virtual void SetTimerRunning(bool bRunning) = 0;
    virtual void SetMaximizedFlag(bool) {}
    virtual void OnFirstActivation() {}

    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    CMorvaneApp& m_App;

private:
    void Activated();

    QBasicTimer m_ResizeTimer;
    bool m_bFirstActivation = true;
    bool m_bHideOnClose;
};
