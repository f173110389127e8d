// fndmx83(resp, upper, lower, freq, desired): the peak search [bw, gain, idx] (see
// engine/Fndmx83.h) in the three entry forms. The normal form calls CheckUserAbort once its
// output matrices are made.
#pragma once

#include "numerics/EntryForms.h"

struct CFndmx83Form
{
    static constexpr numerics::CFunctionInfo kInfo{"fndmx83",
                                                   5,
                                                   3,
                                                   1,
                                                   numerics::ECancellation::AfterOutputs,
                                                   numerics::EFirstOutput::Checking};
    static void Statements(numerics::CFrame<CFndmx83Form>& f);
};

MORVANE_ENTRY_FORMS(fndmx83, Fndmx83, CFndmx83Form)
