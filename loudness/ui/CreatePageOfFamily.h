// The create page of one loudness kind of one chip family, fixed by its class: the named
// pages of the two create sheets (EQ_BaseType.h ... QZX2410LoudnessCoeff.h) are these,
// each with its kind. A page adds its filters to its own family's manager.
#pragma once

#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"
#include "loudness/ui/LoudnessPageWidget.h"

#include <memory>

// A page of the QZX2202 sheet (QZX2201 and QZX2202 devices).
template <int Kind> class CQZX2202CreatePage : public CLoudnessPageWidget
{
public:
    explicit CQZX2202CreatePage(CQZX2202LoudnessManager& manager, QWidget* parent = nullptr)
        : CLoudnessPageWidget(std::make_unique<CCreateLoudnessPage>(ELoudnessFamily::QZX2202, Kind),
                              manager, parent)
    {
    }
};

// A page of the QZX2410/QZX6060 sheet, with the chip's loudness scaling values.
template <int Kind> class CQZX2410CreatePage : public CLoudnessPageWidget
{
public:
    // bQZX6060: the QZX6060 is selected now (the page starts from a Log-space Gain of -0.5,
    // else +0.5).
    CQZX2410CreatePage(CQZX2410_LoudnessManager& manager, bool bQZX6060, QWidget* parent = nullptr)
        : CLoudnessPageWidget(
              std::make_unique<CCreateLoudnessPage>(ELoudnessFamily::QZX241X, Kind, bQZX6060),
              manager, parent)
    {
    }
};
