#include "numerics/soVQ.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoVQForm::Statements(numerics::CFrame<CSoVQForm>& f)
{
    using namespace numerics;
    const double fc = Scalar(f.In(1));
    const EPass pass = PassOf(f.In(4));
    SetSection(f,
               SecondOrderPass(EPrototype::VariableQ, fc, Scalar(f.In(2)), Scalar(f.In(3)), pass));
}
