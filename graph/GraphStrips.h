// The strips of a graph view's canvas as its texts need them on one draw. The texts of the
// speaker, filter and loudness views are laid out in canvas units for a font of 90 units,
// which on a small window comes out too small to read; their font then keeps a readable
// pixel size and is so many times larger in canvas units. On a wide, low window, whose
// canvas is too low for the usual strips, it is smaller, down to that readable size. The strips round the plot and
// the spaces between the texts grow by the same factor, so that the texts keep the places
// they have at the size where the font is just readable, and the plot area gets the rest.
// Labels too wide for the left strip even at the least font make it wider.
#pragma once

#include "graph/DoubleRect.h"

class CDC;
class CHorizontalScale;
class CVerticalScale;
class CViewFont;

struct CGraphStrips
{
    // The usual border of a graph, canvas units: the left and the bottom strip.
    static constexpr int kBorder = 220;

    double dTextScale = 1.0;  // the view's font is so many times its size
    int nLeastFontHeight = 0; // no label font smaller, canvas units (0: no least)
    int nBorder = kBorder;    // the usual border grown with the font (the readout's measure)
    int nLeftWidth = kBorder; // the border, or what the value labels need
    int nBottomHeight = kBorder;

    // The spaces of a layout made for the usual font, grown with the font.
    int Scaled(int n) const;
};

// The strips of a view with a left value axis and a bottom frequency axis for the view's
// font on the device context as it is mapped; gives both scales the factor and the least
// font height for their draw.
CGraphStrips MeasureGraphStrips(CDC* pDC, const CViewFont& font, CVerticalScale& vertical,
                                CHorizontalScale& horizontal, const CDoubleRect& window);
