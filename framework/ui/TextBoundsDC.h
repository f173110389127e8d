// A painter device context that notes, as it draws them, each text and the device pixels
// it covers (CPainterDC::TextRect): where a drawing's texts land, for placing a window
// clear of them or for checking their layout.
#pragma once

#include "framework/ui/PainterDC.h"

#include <QRectF>

#include <string>
#include <vector>

struct CPlacedText
{
    std::string text;
    QRectF rect; // device pixels
};

class CTextBoundsDC : public CPainterDC
{
public:
    using CPainterDC::CPainterDC;

    bool TextOut(int x, int y, const std::string& text) override;

    // In drawing order.
    std::vector<CPlacedText> texts;
};
