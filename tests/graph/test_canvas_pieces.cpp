// The pieces of a polyline that lie in a clip rectangle: a point that is no number splits
// the polyline and the pieces on either side of it stay apart with all their points, a
// single point inside is a piece of its own, a segment that leaves the rectangle ends its
// piece and one that comes back starts another.
#include "graph/CanvasReach.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace
{
using Pieces = std::vector<std::vector<CPoint>>;

const CDoublePoint kNan{NAN, NAN};
// The rectangle 0..100 both ways, given top to bottom as a canvas holds it.
const CRect kClip{0, 100, 100, 0};

struct CPiecesCase
{
    std::string name;
    std::vector<CDoublePoint> at;
    Pieces expected;
};

void PrintTo(const CPiecesCase& c, std::ostream* os)
{
    *os << c.name;
}

class CanvasPiecesTable : public testing::TestWithParam<CPiecesCase>
{
};

TEST_P(CanvasPiecesTable, GivesThePiecesItsContractNames)
{
    const CPiecesCase& c = GetParam();
    EXPECT_EQ(c.expected, CanvasPieces(c.at, kClip)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Polylines, CanvasPiecesTable,
    testing::Values(
        CPiecesCase{"NoPoints", {}, {}}, CPiecesCase{"OnePointInside", {{10, 10}}, {{{10, 10}}}},
        CPiecesCase{"OnePointOutside", {{500, 10}}, {}},
        CPiecesCase{"OnePointNoNumber", {kNan}, {}},
        CPiecesCase{"TwoPointsInside", {{10, 10}, {20, 20}}, {{{10, 10}, {20, 20}}}},
        CPiecesCase{"InsideIsOnePieceOfTheSamePoints",
                    {{10, 10}, {20, 20}, {30, 30}, {40, 40}},
                    {{{10, 10}, {20, 20}, {30, 30}, {40, 40}}}},
        CPiecesCase{"NoNumberBetweenTwoPieces",
                    {{10, 10}, {20, 20}, kNan, {30, 30}, {40, 40}},
                    {{{10, 10}, {20, 20}}, {{30, 30}, {40, 40}}}},
        CPiecesCase{"NoNumberInYAlone",
                    {{10, 10}, {20, 20}, {25, NAN}, {30, 30}, {40, 40}},
                    {{{10, 10}, {20, 20}}, {{30, 30}, {40, 40}}}},
        CPiecesCase{"NoNumberInXAlone",
                    {{10, 10}, {20, 20}, {NAN, 25}, {30, 30}, {40, 40}},
                    {{{10, 10}, {20, 20}}, {{30, 30}, {40, 40}}}},
        CPiecesCase{"TwoNoNumbersInARow",
                    {{10, 10}, {20, 20}, kNan, kNan, {30, 30}, {40, 40}},
                    {{{10, 10}, {20, 20}}, {{30, 30}, {40, 40}}}},
        CPiecesCase{
            "NoNumberFirstAndLast", {kNan, {10, 10}, {20, 20}, kNan}, {{{10, 10}, {20, 20}}}},
        CPiecesCase{"ASinglePointBetweenNoNumbers",
                    {{10, 10}, {20, 20}, kNan, {30, 30}, kNan, {40, 40}, {50, 50}},
                    {{{10, 10}, {20, 20}}, {{30, 30}}, {{40, 40}, {50, 50}}}},
        CPiecesCase{"ASinglePointOutsideBetweenNoNumbers",
                    {{10, 10}, kNan, {300, 30}, kNan, {40, 40}},
                    {{{10, 10}}, {{40, 40}}}},
        CPiecesCase{"LeavesAndComesBack",
                    {{10, 50}, {200, 50}, {90, 50}},
                    {{{10, 50}, {100, 50}}, {{100, 50}, {90, 50}}}},
        CPiecesCase{"LeavesThenNoNumberThenInside",
                    {{10, 50}, {200, 50}, kNan, {30, 30}, {40, 40}},
                    {{{10, 50}, {100, 50}}, {{30, 30}, {40, 40}}}},
        CPiecesCase{"WhollyOutsideSegmentEndsNothingInside", {{200, 10}, {300, 10}}, {}},
        CPiecesCase{"InfiniteSinglePointIsOutside", {{INFINITY, 10}}, {}}),
    [](const testing::TestParamInfo<CPiecesCase>& info) { return info.param.name; });
} // namespace
