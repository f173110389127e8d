#include "framework/ui/TextBoundsDC.h"

bool CTextBoundsDC::TextOut(int x, int y, const std::string& text)
{
    texts.push_back({text, TextRect(x, y, text)});
    return CPainterDC::TextOut(x, y, text);
}
