// A compression view that records what the managers hand it.
#pragma once

#include "drc/CompressionView.h"

#include <vector>

class CRecordingCompressionView : public ICompressionView
{
public:
    void ReplaceCurve(const CCompressionCurve& curve) override { curves.push_back(curve); }
    void TurnOffDisplayCoordinatesOnly() override { ++nRepaints; }
    std::vector<CCompressionCurve> curves;
    int nRepaints = 0;
};
