#include "framework/ui/ViewPrinting.h"

#include "framework/ui/PainterDC.h"
#include "framework/ui/PrinterSettings.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

namespace
{
// The printer of the run; while none is installed, a new landscape one kept in scratch.
QPrinter& PrinterOfTheRun(std::unique_ptr<QPrinter>& scratch)
{
    if (CPrinterSettings* pSettings = CPrinterSettings::Installed())
        return pSettings->Printer();
    scratch = MakeLandscapePrinter();
    return *scratch;
}
} // namespace

bool PrintViewTo(QPrinter& printer, const CViewDrawing& draw)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    CPainterDC dc(&painter, DT_RASPRINTER);
    draw(&dc);
    painter.end();
    return true;
}

bool PrintViewWithDialog(QWidget* pParent, const CViewDrawing& draw)
{
    std::unique_ptr<QPrinter> scratch;
    QPrinter& printer = PrinterOfTheRun(scratch);
    QPrintDialog dialog(&printer, pParent);
    return dialog.exec() != QDialog::Accepted || PrintViewTo(printer, draw);
}

void PreviewView(QWidget* pParent, const CViewDrawing& draw)
{
    std::unique_ptr<QPrinter> scratch;
    QPrintPreviewDialog dialog(&PrinterOfTheRun(scratch), pParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&draw](QPrinter* pPage) { PrintViewTo(*pPage, draw); });
    dialog.exec();
}
