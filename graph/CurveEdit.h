// Curve editing operations used when curves are copied between views and documents and
// when a curve file is opened: copying, master-point copying and resampling onto another
// curve's x values. They use no editor state.
#pragma once

#include "framework/core/GdiTypes.h"

#include <string>

class CCurve;

class CCurveEdit
{
public:
    // Both curves have the same number of points and exactly equal x at every index.
    static bool HaveSameX(const CCurve* pA, const CCurve* pB);
    // The destination becomes a visible copy of the source (points, data window, line
    // width, master points and their mode) with pen style 0, the given colour, kind, tag
    // and name and create values 1 and 0; its points are valid, its extent computed and
    // its points clipped; canvas points wait for the next layout.
    static bool CopyCurve(const CCurve* pSource, CCurve* pDest, COLORREF color, int nKind, int nTag,
                          const std::string& strName);
    // Replaces the destination's master points by copies of the source's; FALSE when the
    // source has none (the destination is then left without master points).
    static bool CopyMasterPoints(const CCurve* pSource, CCurve* pDest);
    // The destination gets the grid's x values, point count, line width and data window,
    // the source's colour, kind, tag and master points, and at every x the source's y
    // (the source's end values beyond its range).
    static bool ResampleCurve(const CCurve* pGrid, const CCurve* pSource, CCurve* pDest,
                              const std::string& strName);
};
