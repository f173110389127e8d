// Second-order Linkwitz-Riley low-pass filter (kind "LPLR-"), designed by soLR with "low".
#pragma once

#include "filters/PassSection.h"

class CDigLowPass_LRParams : public CPassSectionParams
{
};

class CDigLowPass_LR : public CDigPassSection<CDigLowPass_LRParams>
{
public:
    static constexpr EFilterKind kKind = kKindLPLR;

    CDigLowPass_LR();

protected:
    void Design() override;
};

using CDigLowPass_LRArray = CDigFilterArray<CDigLowPass_LR>;
