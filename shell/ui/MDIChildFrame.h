// What every MDI child frame of the program shares: a minimum tracking size, a one-shot
// resize timer whose running flag the views consult (armed by the first resize of a
// burst, it fires 500 ms later and clears the flag), a status-bar text on the first
// activation, a caption that never carries the document name, closing that hides the
// frame where the frame kind asks for it, and room for one view.
//
// Where the flags live differs by frame kind (the application's own flags or a
// CMDIChildInfo record), so the derived frames supply them.
//
// A frame may carry a toolbar of its own above the view, route commands to its view and
// document before the application's table (command targets), and own the document it
// shows. Its content goes in this order: the view first, then what the frame keeps alive
// for it, so that a view may still reach its document while it is destroyed. Closing a
// frame that does not hide releases its content at once (views and documents withdraw
// from the application then); the empty frame is deleted later.
#pragma once

#include "framework/core/GdiTypes.h"

#include <QBasicTimer>
#include <QMdiSubWindow>

#include <memory>
#include <vector>

class CMorvaneApp;
class ICommandTarget;
class QToolBar;

class CMDIChildFrame : public QMdiSubWindow
{
public:
    static constexpr int kMinTrackWidth = 267;
    static constexpr int kMinTrackHeight = 100;

    CMDIChildFrame(CMorvaneApp& app, const std::string& title, bool bHideOnClose);

    ~CMDIChildFrame() override;

    // The view the frame shows; the frame takes ownership. Null leaves an empty area.
    void SetView(QWidget* pView);
    QWidget* GetView() const { return m_pView; }
    // The frame's own toolbar above the view, made on first use; the application puts its
    // command buttons on it.
    QToolBar* GetToolBar();
    // Where the frame's commands go before the application's table, in order (the view,
    // then the document). Not owned; they must live as long as the frame's content.
    void AddCommandTarget(ICommandTarget* pTarget) { m_CommandTargets.push_back(pTarget); }
    const std::vector<ICommandTarget*>& GetCommandTargets() const { return m_CommandTargets; }
    // Keeps an object (the document the view shows) alive until the view has gone.
    void KeepAlive(std::shared_ptr<void> pObject) { m_KeptAlive.push_back(std::move(pObject)); }
    // Which of the main window's menu sets is shown while this frame is current.
    int GetMenuSet() const { return m_nMenuSet; }
    void SetMenuSet(int nMenuSet) { m_nMenuSet = nMenuSet; }
    // Restores a maximized or minimized frame and moves it to rect (MDI client
    // coordinates).
    void MoveToLayout(const CRect& rect);
    // A layout command (101, 32919, 32920, 32884); false when the frame has no place in
    // it.
    virtual bool OnLayoutCommand(int nCommand);
    bool IsFirstActivationPending() const { return m_bFirstActivation; }
    // The frame's own text in status pane 1: on its first activation, and again when it
    // comes back in front of the main window (most frames have none).
    virtual void ShowStatusTitle() {}
    // The resize timer's delay, ms.
    unsigned m_nTimerDelay = 500;

protected:
    virtual bool IsTimerRunning() const = 0;
    virtual void SetTimerRunning(bool bRunning) = 0;
    virtual void SetMaximizedFlag(bool) {}
    // A frame that does not hide is closing for good: its content has just been released.
    virtual void OnClosing() {}

    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    CMorvaneApp& m_App;

private:
    void Activated();
    // Destroys the view, then what was kept alive for it; the targets go with them.
    void ReleaseContent();

    QBasicTimer m_ResizeTimer;
    bool m_bFirstActivation = true;
    bool m_bHideOnClose;
    int m_nMenuSet = 0;
    QWidget* m_pView = nullptr;
    QToolBar* m_pToolBar = nullptr;
    std::vector<ICommandTarget*> m_CommandTargets;
    std::vector<std::shared_ptr<void>> m_KeptAlive;
};
