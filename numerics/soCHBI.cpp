#include "numerics/soCHBI.h"

#include "numerics/DesignerValues.h"

#include <cmath>

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoCHBIForm::Statements(numerics::CFrame<CSoCHBIForm>& f)
{
    using namespace numerics;
    const double ripple = Scalar(f.In(3));
    // A zero ripple passes the signal unchanged; nothing else, the type included, is read.
    if (std::fabs(ripple) == 0.0)
        return SetSection(f, kIdentitySection);
    const double fc = Scalar(f.In(1));
    const EPass pass = PassOf(f.In(4));
    SetSection(f, Chebyshev(fc, Scalar(f.In(2)), ripple, pass));
}
