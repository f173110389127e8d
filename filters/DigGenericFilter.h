// One class for the five kinds 12 to 16, which it tells apart by a kind value:
//   low plateau  "LOPT-" (12): soHB(gain dB, lower bandedge, upper bandedge, sample rate)
//   high plateau "HIPT-" (13): soLT(gain dB, lower bandedge, upper bandedge, sample rate)
//   high vari-Q  "VQHP-" (14): soVQ(cut frequency, sample rate, Q, "high")
//   low vari-Q   "VQLP-" (15): soVQ(cut frequency, sample rate, Q, "low")
//   all-pass     "ALPS-" (16): allpassfilters(bandwidth, center frequency, sample rate)
// Line: label, p0, p1[, p2 for kinds 12 and 13], Active, output order.
//
// The filter's prefix is that of its kind once the kind is known (SetParameters, Parse),
// so that a generic filter only takes a label that brings it back into its own list.
#pragma once

#include "filters/DigFilterArray.h"
#include "filters/DigFilterOf.h"
#include "filters/FilterKinds.h"

#include <array>
#include <string>
#include <vector>

class CDigGenericFilterParams
{
public:
    virtual ~CDigGenericFilterParams() = default;

    std::array<mwMatrix, 3> m_Params{mwMatrix(0.0), mwMatrix(0.0), mwMatrix(0.0)};
    mwMatrix m_SampleRate{0.0};
    int m_nParamCount = 0; // 3 for kinds 12 and 13, 2 for kinds 14 to 16
    std::string m_strPrefix;
    int m_nKind = -1; // 12 to 16

    // p0 .. p2 for kinds 12 and 13, p0 and p1 for 14 to 16, none for another kind value.
    std::vector<mwMatrix*> LineFields();
};

class CDigGenericFilter : public CDigFilterOf<CDigGenericFilterParams>
{
public:
    CDigGenericFilter();

    // Copies the record; the prefix becomes that of the record's kind (the record's own
    // prefix text when the kind is not one of 12 to 16 and the text is not empty).
    bool SetParameters(const CDigGenericFilterParams& params);
    // Finds the kind from the label (LOPT, HIPT, VQLP, VQHP, ALPS in this order). False
    // when the label carries none of them: the label is then taken and nothing else
    // changes.
    bool Parse(const std::string& line, int nSampleRate) override;

    // p[i], i from 0 to 2; 0 with a failed check for another index.
    double GetParam(int i) const;
    int GetParamCount() const { return m_Params.m_nParamCount; }
    int GetKind() const { return m_Params.m_nKind; }

protected:
    // A kind value outside 12 to 16 leaves A and B as they are.
    void Design() override;
};

class CDigGenericFilterArray : public CDigFilterArray<CDigGenericFilter>
{
};
