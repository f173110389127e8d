#include "numerics/fourb.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CFourbForm::Statements(numerics::CFrame<CFourbForm>& f)
{
    using namespace numerics;
    SetSection(f, FirstOrderBassShelf(Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3))));
}
