// A graph view that prints. Print and Print Preview are commands of the view's window:
// the frame hands them to the view before the application's table (ICommandTarget), they
// are enabled while the view's OnUpdateFilePrint allows, and both draw the view's own
// picture (OnDraw) on a page of the printer of the run (CPrinterSettings). A printer that
// cannot be started is reported instead of printing nothing in silence.
#pragma once

#include "framework/core/CommandTarget.h"
#include "framework/ui/CanvasWidget.h"

class QPrinter;

class CPrintableCanvas : public CCanvasWidget, public ICommandTarget
{
public:
    static constexpr int ID_FILE_PRINT = 57607;
    static constexpr int ID_FILE_PRINT_PREVIEW = 57609;

    using CCanvasWidget::CCanvasWidget;

    // Whether Print and Print Preview are offered now.
    virtual bool OnUpdateFilePrint() const = 0;
    // The print dialog, then the page; nothing while printing is not offered.
    void OnFilePrint();
    // The page in the print preview dialog; nothing while printing is not offered.
    void OnFilePrintPreview();
    // Draws the view on the printer's page; false when the printer cannot be painted on.
    bool PrintTo(QPrinter& printer);

    // ICommandTarget: Print and Print Preview; other commands are not the view's.
    std::optional<CCommandState> GetCommandState(int id) override;
    void OnCommand(int id) override;
};
