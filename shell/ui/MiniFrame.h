// A small captioned tool window of the main frame that holds one modeless editor sheet
// (a tab widget of pages: the filter parameters, the master points, the loudness
// filters). It is created on first use, every page is made the current page once so that
// all page windows and their grids exist, and afterwards it is only shown and hidden:
// closing it hides it, so the sheet and what its grids hold survive until the program
// ends.
#pragma once

#include <QWidget>

#include <string>

class QTabWidget;

class CMiniFrame : public QWidget
{
public:
    // A tool window over parent with the caption; it takes ownership of the sheet.
    CMiniFrame(QWidget* parent, const std::string& caption, QTabWidget* sheet);

    QTabWidget* GetSheet() const { return m_pSheet; }
    // Makes pages 1 to n-1 and then page 0 current, once each.
    void ActivateEveryPage();
    // Opens at the size its sheet asks for, wide enough for its caption and, where the
    // screen allows, for all its tabs in one row (else its tabs scroll), centred on the
    // window as far as the screen leaves room: it lies wholly on the screen of the window
    // it belongs to, its frame included, and is made smaller where it is larger than that
    // screen.
    void CenterOn(const QWidget& window);
    // Shows the hidden frame again, with its sheet's first page current. Whenever it is
    // shown it is put back on the screen that holds it where it would stand off it (on
    // its owner's screen where no screen holds it).
    virtual void ShowAgain();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QTabWidget* m_pSheet;
};
