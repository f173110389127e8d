#include "numerics/soLR.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoLRForm::Statements(numerics::CFrame<CSoLRForm>& f)
{
    using namespace numerics;
    const double fc = Scalar(f.In(1));
    const EPass pass = PassOf(f.In(3));
    SetSection(f, SecondOrderPass(EPrototype::LinkwitzRiley, fc, Scalar(f.In(2)), 0.0, pass));
}
