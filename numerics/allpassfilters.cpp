#include "numerics/allpassfilters.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CAllpassfiltersForm::Statements(numerics::CFrame<CAllpassfiltersForm>& f)
{
    using namespace numerics;
    SetSection(f, AllPass(Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3))));
}
