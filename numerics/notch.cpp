#include "numerics/notch.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CNotchForm::Statements(numerics::CFrame<CNotchForm>& f)
{
    using namespace numerics;
    SetSection(f, Notch(Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3))));
}
