// apcoef80(V0, fb, fc, fs): the peaking EQ section [b, a, d, −k, H0] (see engine/Apcoef80.h)
// in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

struct CApcoef80Form
{
    static constexpr numerics::CFunctionInfo kInfo{
        "apcoef80", 4, 5, 1, numerics::ECancellation::None, numerics::EFirstOutput::Checking};
    static void Statements(numerics::CFrame<CApcoef80Form>& f);
};

MORVANE_ENTRY_FORMS(apcoef80, Apcoef80, CApcoef80Form)
