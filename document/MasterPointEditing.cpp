#include "document/MasterPointEditing.h"

#include "graph/Curve.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace
{
// The tolerance row takes the desired row when that one is complete.
bool CopyOffsetRow(CMasterPtGridRows& desired, CMasterPtGridRows& tolerance, int nRow,
                   double offset)
{
    if (!desired.IsCompleteRow(nRow))
        return false;
    tolerance.SetFrequency(nRow, desired.GetFrequency(nRow));
    tolerance.SetAmplitude(nRow, desired.GetAmplitude(nRow) + offset);
    return true;
}
} // namespace

bool FillOffsetGrid(CMasterPtGridRows& desired, CMasterPtGridRows& tolerance, double offset)
{
    desired.EndCellEdit();
    tolerance.EndCellEdit();
    bool bChanged = false;
    const int n = desired.GetDataRows();
    for (int r = 1; r <= n; ++r)
    {
        if (r > tolerance.GetDataRows() || tolerance.GetTextMatrix(r, 0).empty())
            tolerance.SetPointNumber(r, r);
        if (tolerance.AreValuesEmpty(r) && CopyOffsetRow(desired, tolerance, r, offset))
            bChanged = true;
    }
    return bChanged;
}

bool OffsetPoints(CMasterPtGridRows& desired, CMasterPtGridRows& tolerance, double offset)
{
    desired.EndCellEdit();
    const int n = desired.GetDataRows();
    tolerance.Initialize();
    for (int r = 1; r <= n; ++r)
    {
        tolerance.SetPointNumber(r, r);
        CopyOffsetRow(desired, tolerance, r, offset);
    }
    tolerance.SetNewEntryMarker(n + 1);
    return true;
}

bool DeleteMatchingRow(int nRow, CMasterPtGridRows& desired, CMasterPtGridRows& tolerance)
{
    desired.EndCellEdit();
    tolerance.EndCellEdit();
    // Deleting point 1 blanks its row; any other deletion removes the row.
    const int nBefore = desired.GetDataRows() + (nRow == 1 ? 0 : 1);
    if (tolerance.GetDataRows() != nBefore)
        return false;
    return tolerance.DeletePoint(nRow);
}

bool ClearGrid(CMasterPtGridRows& grid)
{
    // What is being typed goes with the points (Initialize drops the open edit).
    return grid.Initialize();
}

bool ClearAllGrids(const CMasterPointGrids& grids)
{
    for (CMasterPtGridRows* pGrid : {&grids.desired, &grids.lower, &grids.upper})
        ClearGrid(*pGrid);
    return true;
}

bool FillGridFromMasterPoints(const CCurve& curve, CMasterPtGridRows& grid)
{
    ClearGrid(grid);
    const int n = curve.GetMasterPointCount();
    for (int i = 0; i < n; ++i)
    {
        const CDoublePoint p = curve.GetMasterPoint(i);
        grid.SetPointNumber(i + 1, i + 1);
        grid.SetFrequency(i + 1, std::pow(10.0, p.x));
        grid.SetAmplitude(i + 1, p.y);
    }
    grid.SetNewEntryMarker(n + 1);
    return true;
}

std::vector<CDoublePoint> CurvePoints(const CMasterPtGridRows& grid)
{
    std::vector<CDoublePoint> points = grid.GetPoints();
    std::stable_sort(points.begin(), points.end(),
                     [](const CDoublePoint& a, const CDoublePoint& b) { return a.x < b.x; });
    return points;
}

int FirstIncompleteRow(const CMasterPtGridRows& grid)
{
    for (int r = 1; r <= grid.GetDataRows(); ++r)
        if (!grid.AreValuesEmpty(r) && !grid.IsCompleteRow(r))
            return r;
    return 0;
}

int CountDistinctFrequencies(const std::vector<CDoublePoint>& points)
{
    std::set<double> frequencies;
    for (const CDoublePoint& p : points)
        frequencies.insert(p.x);
    return int(frequencies.size());
}

bool BuildCurveFromPoints(CCurve& curve, const std::vector<CDoublePoint>& points)
{
    if (CountDistinctFrequencies(points) < 2)
        return false;
    curve.DeleteMasterPoints();
    for (const CDoublePoint& p : points)
        curve.AddMasterPoint(std::log10(p.x), p.y);
    return curve.FromMasterPoints();
}
