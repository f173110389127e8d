// What the two compression control dialogs share: a modeless tool window above the
// application window, with a caption and no close box, that Esc never closes. Enter runs
// OnEnter (nothing unless the dialog says so). A close request from the window system
// closes it for good: the dialog deletes itself, so the view that owns it holds it in a
// QPointer.
//
// Once its view has put it in its first place, the dialog keeps the place it is moved to
// on the window it belongs to (under its object name), for as long as that window lives:
// a dialog of the same kind made later, after this one was closed or with a new view,
// opens there again, on the screen that holds that place. Wherever it is put or shown, it
// lies wholly on a screen, its frame and title bar included (ScreenPlace.h).
#pragma once

#include <QDialog>

#include <optional>

class CControlDialog : public QDialog
{
public:
    explicit CControlDialog(QWidget* pParent);

    // Moves the dialog (its frame's top left, global pixels; as far as the screen that
    // holds the place leaves room) and keeps the place: a place kept from before.
    void MoveTo(const QPoint& place);
    // As MoveTo, as far as the screen of the window it belongs to leaves room: its first
    // place, which the user never chose.
    void MoveToFirstPlace(const QPoint& place);
    // The place a dialog of this kind was last moved to on the window it belongs to; none
    // before a view placed one.
    std::optional<QPoint> KeptPlace() const;

protected:
    // Enter (and Return) pressed in the dialog.
    virtual void OnEnter() {}

    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    // A move while shown (the user's) is kept.
    void moveEvent(QMoveEvent* pEvent) override;
    void accept() override { OnEnter(); }
    void reject() override {}

private:
    // From now on a move is the user's.
    void Placed();
    void KeepPlace() const;
    QByteArray PlaceKey() const;

    bool m_bPlaced = false;
};
