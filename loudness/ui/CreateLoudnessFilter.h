// The modal sheet "Create Loudness Filter" of the QZX2202 design (QZX2201 and QZX2202
// devices): the pages EQ Base Type, Treble Base Type, Bass Base Type, Base Type
// Coefficients and Loudness Coefficients, adding to the QZX2202 manager.
#pragma once

#include "loudness/ui/BaseTypeCoefficients.h"
#include "loudness/ui/BassBaseType.h"
#include "loudness/ui/CreateLoudnessSheet.h"
#include "loudness/ui/EQ_BaseType.h"
#include "loudness/ui/LoudnessCoefficients.h"
#include "loudness/ui/TrebleBaseType.h"

class CCreateLoudnessFilter : public CCreateLoudnessSheet
{
public:
    explicit CCreateLoudnessFilter(CQZX2202LoudnessManager& manager, QWidget* parent = nullptr)
        : CCreateLoudnessSheet(parent)
    {
        AddPages<CEQ_BaseType, CTrebleBaseType, CBassBaseType, CBaseTypeCoefficients,
                 CLoudnessCoefficients>(manager);
    }
};
