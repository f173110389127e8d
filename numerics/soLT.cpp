#include "numerics/soLT.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoLTForm::Statements(numerics::CFrame<CSoLTForm>& f)
{
    using namespace numerics;
    SetSection(f, HighPlateau(Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3)), Scalar(f.In(4))));
}
