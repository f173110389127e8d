#include "numerics/soshelfb.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoshelfbForm::Statements(numerics::CFrame<CSoshelfbForm>& f)
{
    using namespace numerics;
    SetSection(f, Shelf(EShelf::Bass, Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3))));
}
