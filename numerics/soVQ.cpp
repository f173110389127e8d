#include "numerics/soVQ.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoVQForm::Statements(numerics::CFrame<CSoVQForm>& f)
{
    SetPassSection(f, numerics::EPrototype::VariableQ);
}
