#include "numerics/DesignerValues.h"

#include "numerics/engine/NumericsError.h"
#include "runtime/handlers.h"

#include <vector>

namespace numerics
{
namespace
{
mwLibraryInit s_libraryInit;

// The character codes of a text (or the values of a numeric row standing for one).
std::vector<double> Codes(const mwMatrix& m)
{
    const mxArray* a = m.GetData();
    if (!a)
        throw CNumericsError("Null matrix data.");
    mclErrorIfUnassigned(a);
    const std::size_t count = std::size_t(mxGetNumberOfElements(a));
    std::vector<double> codes(count);
    if (mxIsChar(a))
    {
        const mxChar* chars = mclGetChars(a);
        for (std::size_t i = 0; i < count && chars; ++i)
            codes[i] = chars[i];
        return codes;
    }
    const std::span<const double> values = RealValues(m);
    codes.assign(values.begin(), values.end());
    return codes;
}
} // namespace

EPass PassOf(const mwMatrix& type)
{
    const std::vector<double> codes = Codes(type);
    if (codes.size() < 3)
        throw CNumericsError(kIndexExceeds);
    return codes[0] == 'l' && codes[1] == 'o' && codes[2] == 'w' ? EPass::Low : EPass::High;
}

std::string TextOf(const mwMatrix& text)
{
    std::string out;
    for (const double code : Codes(text))
    {
        const unsigned c = code >= 0.0 && code < 65536.0 ? unsigned(code) : unsigned('?');
        if (c < 0x80)
            out += char(c);
        else if (c < 0x800)
        {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
        else
        {
            out += char(0xE0 | ((c >> 12) & 0x0F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

mwMatrix ValuesLike(const mwMatrix& source, CShape shape, std::span<const Complex> values)
{
    if (mxIsComplex(source.GetData()))
        return ComplexMatrix(shape, values);
    std::vector<double> re(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        re[i] = values[i].real();
    return RealMatrix(shape, re);
}
} // namespace numerics
