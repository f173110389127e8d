#include "numerics/soHB.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoHBForm::Statements(numerics::CFrame<CSoHBForm>& f)
{
    using namespace numerics;
    SetSection(f, LowPlateau(Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3)), Scalar(f.In(4))));
}
