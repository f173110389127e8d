#include "framework/ui/PrintableCanvas.h"

#include "framework/core/Services.h"
#include "framework/ui/ViewPrinting.h"

void CPrintableCanvas::OnFilePrint()
{
    if (!OnUpdateFilePrint())
        return;
    if (!PrintViewWithDialog(this, [this](CDC* pDC) { OnDraw(pDC); }))
        Services::MessageBox().Show("The printer could not be started.  Nothing was printed.");
    // The screen is laid out for the window again.
    Invalidate(true);
}

void CPrintableCanvas::OnFilePrintPreview()
{
    if (!OnUpdateFilePrint())
        return;
    PreviewView(this, [this](CDC* pDC) { OnDraw(pDC); });
    Invalidate(true);
}

bool CPrintableCanvas::PrintTo(QPrinter& printer)
{
    return PrintViewTo(printer, [this](CDC* pDC) { OnDraw(pDC); });
}

std::optional<CCommandState> CPrintableCanvas::GetCommandState(int id)
{
    if (id != ID_FILE_PRINT && id != ID_FILE_PRINT_PREVIEW)
        return std::nullopt;
    return CCommandState{OnUpdateFilePrint(), false};
}

void CPrintableCanvas::OnCommand(int id)
{
    if (id == ID_FILE_PRINT)
        OnFilePrint();
    else if (id == ID_FILE_PRINT_PREVIEW)
        OnFilePrintPreview();
}
