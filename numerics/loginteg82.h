// loginteg82(e, f): the trapezoidal area of |e| over log10 f (see engine/Loginteg82.h) in
// the three entry forms. The normal form is a cancellation point: it calls CheckUserAbort
// before anything else; the body and the feval form are not.
#pragma once

#include "numerics/EntryForms.h"

struct CLoginteg82Form
{
    static constexpr numerics::CFunctionInfo kInfo{
        "loginteg82", 2, 1, 1, numerics::ECancellation::First, numerics::EFirstOutput::Checking};
    static void Statements(numerics::CFrame<CLoginteg82Form>& f);
};

MORVANE_ENTRY_FORMS(loginteg82, Loginteg82, CLoginteg82Form)
