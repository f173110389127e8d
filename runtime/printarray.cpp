// A minimal display: rows of "%g" values, char arrays as text, other classes by size.
#include "runtime/printarray.h"

#include "runtime/handlers.h"

#include <cstdio>
#include <string>

namespace
{
std::string body(const mxArray* a)
{
    const int rows = mxGetM(a);
    const int cols = mxGetN(a);
    if (mxIsChar(a))
    {
        std::string text(static_cast<std::size_t>(mxGetNumberOfElements(a)), '\0');
        mclGetString(a, text.data(), static_cast<int>(text.size()) + 1);
        return text + "\n";
    }
    if (!mclGetPr(a) || rows * cols == 0)
    {
        char shape[64];
        std::snprintf(shape, sizeof shape, mxIsCell(a) ? "  {%dx%d cell}\n" : "     []\n", rows,
                      cols);
        return shape;
    }
    const double* pr = mclGetPr(a);
    const double* pi = mclGetPi(a);
    std::string out;
    for (int i = 0; i < rows; ++i)
    {
        for (int j = 0; j < cols; ++j)
        {
            char cell[80];
            const int k = i + j * rows;
            if (pi)
                std::snprintf(cell, sizeof cell, "  %g%+gi", pr[k], pi[k]);
            else
                std::snprintf(cell, sizeof cell, "  %g", pr[k]);
            out += cell;
        }
        out += "\n";
    }
    return out;
}
} // namespace

void mclPrintArray(const mxArray* a, const char* name)
{
    std::string text;
    if (name && *name)
        text = std::string(name) + " =\n\n";
    text += body(a) + "\n";
    mclPrint(text.c_str());
}
