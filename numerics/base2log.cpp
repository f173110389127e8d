#include "numerics/base2log.h"

#include "numerics/FixedPointLogForms.h"
#include "numerics/engine/FixedPointLog.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CBase2logForm::Statements(numerics::CFrame<CBase2logForm>& f)
{
    using namespace numerics;
    RunFixedPointLog(f, Base2LogInRange, Base2Log, kLogOutOfBounds);
}
