// The modal sheet "Create Loudness Filter" of the QZX2410/QZX6060 design: the five pages
// of the QZX2202 sheet, each with the chip's loudness scaling values and "Calculate Plot
// Gain", adding the filter and its gain and offset record to the QZX2410/QZX6060 manager.
#pragma once

#include "loudness/ui/CreateLoudnessSheet.h"
#include "loudness/ui/QZX2410BaseTypeCoeff.h"
#include "loudness/ui/QZX2410BassBaseType.h"
#include "loudness/ui/QZX2410EQ_BaseType.h"
#include "loudness/ui/QZX2410LoudnessCoeff.h"
#include "loudness/ui/QZX2410TrebleBaseType.h"

class CCreateQZX2410LoudnessFilter : public CCreateLoudnessSheet
{
public:
    // bQZX6060: the QZX6060 is selected now (the pages' starting Log-space Gain).
    CCreateQZX2410LoudnessFilter(CQZX2410_LoudnessManager& manager, bool bQZX6060,
                                 QWidget* parent = nullptr)
        : CCreateLoudnessSheet(parent)
    {
        AddPages<CQZX2410EQ_BaseType, CQZX2410TrebleBaseType, CQZX2410BassBaseType,
                 CQZX2410BaseTypeCoeff, CQZX2410LoudnessCoeff>(manager, bQZX6060);
    }
};
