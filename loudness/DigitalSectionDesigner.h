// Designs the EQ, treble and bass loudness sections with the filter model's digital
// filters, labelled with the loudness filter's name.
#pragma once

#include "loudness/LoudnessInterfaces.h"

class CDigitalSectionDesigner : public ILoudnessSectionDesigner
{
public:
    // Errors of the numerics reach the caller as exceptions.
    bool Design(int nKind, const CLoudnessInfo& record, int nSampleRate, double (&b)[3],
                double (&a)[3]) override;
};
