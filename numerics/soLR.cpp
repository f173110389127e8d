#include "numerics/soLR.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoLRForm::Statements(numerics::CFrame<CSoLRForm>& f)
{
    SetPassSection(f, numerics::EPrototype::LinkwitzRiley);
}
