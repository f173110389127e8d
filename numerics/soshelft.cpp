#include "numerics/soshelft.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoshelftForm::Statements(numerics::CFrame<CSoshelftForm>& f)
{
    using namespace numerics;
    SetSection(f, Shelf(EShelf::Treble, Scalar(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3))));
}
