// What the two compression control dialogs share: a modeless tool window above the
// application window, with a caption and no close box, that Esc never closes. Enter runs
// OnEnter (nothing unless the dialog says so). A close request from the window system
// closes it for good: the dialog deletes itself, so the view that owns it holds it in a
// QPointer.
#pragma once

#include <QDialog>

class CControlDialog : public QDialog
{
public:
    explicit CControlDialog(QWidget* pParent);

protected:
    // Enter (and Return) pressed in the dialog.
    virtual void OnEnter() {}

    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void accept() override { OnEnter(); }
    void reject() override {}
};
