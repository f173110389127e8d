#include "numerics/base2alog.h"

#include "numerics/FixedPointLogForms.h"
#include "numerics/engine/FixedPointLog.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CBase2alogForm::Statements(numerics::CFrame<CBase2alogForm>& f)
{
    using namespace numerics;
    RunFixedPointLog(f, Base2AlogInRange, Base2Alog, kAntilogOutOfBounds);
}
