// bwopt82, ampopt82, fcopt82 (resp, bw, amp, fc, fs, freq, err, iLow, jHigh, desired, n):
// one trial step on the bandwidth, amplitude or centre frequency of a peaking section,
// [value, err] (see engine/OneParameter.h), in the three entry forms each. The normal forms
// of bwopt82 and ampopt82 start with CheckUserAbort; that of fcopt82 does not.
#pragma once

#include "numerics/EntryForms.h"
#include "numerics/engine/OneParameter.h"

// Outside the form: clang does not read a static member of a class in the constant
// initializer of another while the class is incomplete.
inline constexpr const char* kOneParameterNames[] = {"bwopt82", "ampopt82", "fcopt82"};

template <numerics::EVaried kVaried> struct COneParameterForm
{
    static constexpr numerics::CFunctionInfo kInfo{kOneParameterNames[int(kVaried)],
                                                   11,
                                                   2,
                                                   1,
                                                   numerics::CancelsOnEntry(kVaried)
                                                       ? numerics::ECancellation::First
                                                       : numerics::ECancellation::None,
                                                   numerics::EFirstOutput::Checking};
    static void Statements(numerics::CFrame<COneParameterForm>& f);
};

using CBwopt82Form = COneParameterForm<numerics::EVaried::Bandwidth>;
using CAmpopt82Form = COneParameterForm<numerics::EVaried::Amplitude>;
using CFcopt82Form = COneParameterForm<numerics::EVaried::CentreFrequency>;

MORVANE_ENTRY_FORMS(bwopt82, Bwopt82, CBwopt82Form)
MORVANE_ENTRY_FORMS(ampopt82, Ampopt82, CAmpopt82Form)
MORVANE_ENTRY_FORMS(fcopt82, Fcopt82, CFcopt82Form)
