// What the master point editor does with its three grids, apart from showing them: the
// desired response grid takes new points; the upper and lower tolerance grids are filled
// from it with an offset in dB and can then be edited cell by cell; the curves are built
// from the points and the points taken back from the curves.
//
// A desired row is copied into a tolerance grid only when it is complete (a frequency
// and an amplitude inside PointBounds), and only into a tolerance row whose values are
// still empty, so that edits made in a tolerance grid survive.
#pragma once

#include "document/MasterPtGridRows.h"
#include "graph/DoublePoint.h"

#include <string>
#include <vector>

class CCurve;

// The editor's grids, in page order.
struct CMasterPointGrids
{
    CMasterPtGridRows& desired;
    CMasterPtGridRows& upper;
    CMasterPtGridRows& lower;
};

// Extends the tolerance grid from the desired grid: it gets a numbered row for every data
// row of the desired grid, and each of its rows whose values are empty takes the complete
// desired row of the same number, its amplitude plus offset (dB). True when a point was
// copied.
bool FillOffsetGrid(CMasterPtGridRows& desired, CMasterPtGridRows& tolerance, double offset);
// Rebuilds the tolerance grid from the desired grid: one row per desired data row, the
// complete ones with the amplitude plus offset, the others with empty values. Edits made
// in the tolerance grid are lost.
bool OffsetPoints(CMasterPtGridRows& desired, CMasterPtGridRows& tolerance, double offset);
// Keeps a tolerance grid aligned after the user deleted the point of desired row nRow:
// when the tolerance grid held as many points as the desired grid did before, it deletes
// the point of the same row. True when it deleted.
bool DeleteMatchingRow(int nRow, CMasterPtGridRows& desired, CMasterPtGridRows& tolerance);
// Empties the grid and lays it out again; an open edit is dropped.
bool ClearGrid(CMasterPtGridRows& grid);
// The desired, the lower and the upper grid, in this order.
bool ClearAllGrids(const CMasterPointGrids& grids);
// Empties the grid and fills it with the curve's master points (x the base-10 logarithm
// of the frequency in Hz, y the amplitude in dB), one numbered row each, then the
// new-entry row.
bool FillGridFromMasterPoints(const CCurve& curve, CMasterPtGridRows& grid);

// The points a curve is built from: the grid's complete rows in order of frequency (rows
// of equal frequency in grid order).
std::vector<CDoublePoint> CurvePoints(const CMasterPtGridRows& grid);
// The first data row that holds values but no complete point (a frequency and an
// amplitude inside PointBounds), which CurvePoints would leave out; 0 when there is none. Rows
// whose values are both empty, such as a deleted first point, are not incomplete.
int FirstIncompleteRow(const CMasterPtGridRows& grid);
// The number of different frequencies among the points.
int CountDistinctFrequencies(const std::vector<CDoublePoint>& points);
// Rebuilds the curve's y values from the points (frequency in Hz, amplitude in dB) by
// straight lines on the logarithmic frequency axis; the points become its master points.
// False, with the curve's values unchanged, for fewer than two different frequencies.
bool BuildCurveFromPoints(CCurve& curve, const std::vector<CDoublePoint>& points);
