#include "framework/ui/ViewPrinting.h"

#include "framework/ui/PainterDC.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

namespace
{
std::unique_ptr<QPrinter> MakeLandscapePrinter()
{
    auto pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pPrinter->setPageOrientation(QPageLayout::Landscape);
    return pPrinter;
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

void PrintViewWithDialog(QWidget* pParent, const CViewDrawing& draw)
{
    const std::unique_ptr<QPrinter> pPrinter = MakeLandscapePrinter();
    QPrintDialog dialog(pPrinter.get(), pParent);
    if (dialog.exec() == QDialog::Accepted)
        PrintViewTo(*pPrinter, draw);
}

void PreviewView(QWidget* pParent, const CViewDrawing& draw)
{
    const std::unique_ptr<QPrinter> pPrinter = MakeLandscapePrinter();
    QPrintPreviewDialog dialog(pPrinter.get(), pParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&draw](QPrinter* pPage) { PrintViewTo(*pPage, draw); });
    dialog.exec();
}
