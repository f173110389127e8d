#include "numerics/foBUT.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CFoBUTForm::Statements(numerics::CFrame<CFoBUTForm>& f)
{
    using namespace numerics;
    const double fc = Scalar(f.In(1));
    const EPass pass = PassOf(f.In(3));
    SetSection(f, FirstOrderButterworth(fc, Scalar(f.In(2)), pass));
}
