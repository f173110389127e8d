// Queries of what a view drew into a recording device context.
#pragma once

#include "framework/core/RecordingDC.h"

#include <string>

// The polylines of more than two points drawn with a pen of the colour: the curves.
inline int CurvesDrawnIn(const CRecordingDC& dc, COLORREF color)
{
    int n = 0;
    for (const CRecordingDC::Call& call : dc.CallsOf(CRecordingDC::Op::Polyline))
        n += call.pen.GetColor() == color && call.points.size() > 2;
    return n;
}

inline bool HasText(const CRecordingDC& dc, const std::string& text)
{
    for (const CRecordingDC::Call& call : dc.CallsOf(CRecordingDC::Op::TextOut))
        if (call.text == text)
            return true;
    return false;
}
