// The statements shared by base2log and base2alog: a scalar in, a scalar out, and an
// input out of range printed and raised.
#pragma once

#include "numerics/EntryForms.h"
#include "numerics/MatrixValues.h"
#include "numerics/engine/NumericsError.h"
#include "runtime/handlers.h"

#include <string>

namespace numerics
{
// message: the printed text, line breaks around it included; the error carries it
// without the outer line breaks.
template <typename Fn>
void RunFixedPointLog(CFrame<Fn>& f, bool (*inRange)(double), double (*convert)(double),
                      const char* message)
{
    const double x = Scalar(f.In(1));
    if (!inRange(x))
    {
        mclPrint(message);
        std::string text(message);
        throw CNumericsError(text.substr(1, text.size() - 2));
    }
    f.Out(1) = mwMatrix(convert(x));
}
} // namespace numerics
