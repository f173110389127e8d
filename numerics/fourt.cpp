#include "numerics/fourt.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CFourtForm::Statements(numerics::CFrame<CFourtForm>& f)
{
    using namespace numerics;
    SetSection(f, FirstOrderTrebleShelf(Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3))));
}
