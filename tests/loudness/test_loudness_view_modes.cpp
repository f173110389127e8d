// The loudness view's graphical modes and the dB range fitted to its curves.
#include "loudness/LoudnessViewModes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
using EPick = CLoudnessViewModes::EPick;
constexpr int kDelete = CLoudnessViewModes::ID_DELETE_FILTERS_GRAPHICALLY;
constexpr int kEdit = CLoudnessViewModes::ID_SELECT_FILTERS_TO_EDIT;
constexpr int kAdd = CLoudnessViewModes::ID_SELECT_FILTER_TO_ADD;
} // namespace

TEST(LoudnessViewModes, DisabledWithoutCurvesCheckedWhileOn)
{
    CMode deleteMode;
    CLoudnessViewModes modes(deleteMode);
    for (int id : {kDelete, kEdit, kAdd})
    {
        EXPECT_FALSE(modes.GetState(id, false).bEnabled);
        EXPECT_TRUE(modes.GetState(id, true).bEnabled);
        EXPECT_FALSE(modes.GetState(id, true).bChecked);
    }
    EXPECT_FALSE(modes.GetState(32795, true).bEnabled);
    EXPECT_TRUE(modes.Toggle(kEdit));
    EXPECT_TRUE(modes.GetState(kEdit, true).bChecked);
    EXPECT_TRUE(modes.Toggle(kDelete));
    EXPECT_TRUE(deleteMode.IsOn());
    EXPECT_FALSE(modes.GetState(kEdit, true).bChecked);
    EXPECT_FALSE(modes.Toggle(kDelete));
    EXPECT_EQ(modes.Active(), EPick::Readout);
}

TEST(LoudnessViewModes, SelectingIsOneShotDeletingStays)
{
    CMode deleteMode;
    CLoudnessViewModes modes(deleteMode);
    modes.Toggle(kDelete);
    EXPECT_EQ(modes.OnHit(), EPick::Delete);
    EXPECT_EQ(modes.OnHit(), EPick::Delete);
    EXPECT_TRUE(modes.GetState(kDelete, true).bChecked);
    modes.Toggle(kEdit);
    EXPECT_EQ(modes.OnHit(), EPick::Edit);
    EXPECT_FALSE(modes.GetState(kEdit, true).bChecked);
    EXPECT_EQ(modes.OnHit(), EPick::Readout);
    modes.Toggle(kAdd);
    EXPECT_EQ(modes.OnHit(), EPick::AddToDataFile);
    EXPECT_EQ(modes.Active(), EPick::Readout);
}

TEST(LoudnessRange, FitsTheCurvesWithinTheBounds)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        double top, bottom, expectedTop, expectedBottom;
    } cases[] = {
        {3.2, -7.9, 5.0, -10.0},    // 5.2 rounds to 5, -9.9 to -10
        {8.0, -3.0, 10.0, -5.0},    // 10 and -5 are multiples already
        {103.0, 90.0, 100.0, 85.0}, // capped at the top bound
        {0.0, -inf, 5.0, -100.0},   // a response of magnitude 0 somewhere
        {-inf, -inf, -95.0, -100.0}, {nan, nan, 100.0, -100.0}, {inf, inf, 100.0, 95.0},
    };
    for (const auto& c : cases)
    {
        const CLoudnessRange range = FitLoudnessRange(c.top, c.bottom, 100.0, -100.0);
        EXPECT_TRUE(std::isfinite(range.top) && std::isfinite(range.bottom));
        EXPECT_GT(range.top, range.bottom);
        EXPECT_EQ(range.top, c.expectedTop) << c.top;
        EXPECT_EQ(range.bottom, c.expectedBottom) << c.bottom;
    }
}
