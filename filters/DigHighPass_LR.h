// Second-order Linkwitz-Riley high-pass filter (kind "HPLR-"), designed by soLR with "high".
#pragma once

#include "filters/PassSection.h"

class CDigHighPass_LRParams : public CPassSectionParams
{
};

class CDigHighPass_LR : public CDigPassSection<CDigHighPass_LRParams>
{
public:
    static constexpr EFilterKind kKind = kKindHPLR;

    CDigHighPass_LR();

protected:
    void Design() override;
};

using CDigHighPass_LRArray = CDigFilterArray<CDigHighPass_LR>;
