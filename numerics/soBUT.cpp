#include "numerics/soBUT.h"

#include "numerics/DesignerValues.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSoBUTForm::Statements(numerics::CFrame<CSoBUTForm>& f)
{
    SetPassSection(f, numerics::EPrototype::Butterworth);
}
