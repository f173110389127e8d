// Printing a graph view: the view hands over a drawing function that receives the
// printer's device context and draws the same picture as in the window. The dialogs use
// the printer of the run (CPrinterSettings), landscape unless the user changed it.
#pragma once

#include <functional>

class CDC;
class QPrinter;
class QWidget;

using CViewDrawing = std::function<void(CDC* pDC)>;

// Draws one page on the printer; false when the printer cannot be painted on.
bool PrintViewTo(QPrinter& printer, const CViewDrawing& draw);
// The print dialog, then the page. False when the dialog was accepted but the printer
// could not be painted on; a cancelled dialog is no failure.
bool PrintViewWithDialog(QWidget* pParent, const CViewDrawing& draw);
// The page in the print preview dialog.
void PreviewView(QWidget* pParent, const CViewDrawing& draw);
