#include "shell/ChildFrameLayout.h"

#include <gtest/gtest.h>

namespace
{
struct CLayoutCase
{
    ESpeakerFrame frame;
    int nLayout;
    CRect expected;
};

// Client 1001 x 1000 (odd width), correction K = 30.
const CRect kClient{0, 0, 1001, 1000};
constexpr int kK = 30;

const CLayoutCase kCases[] = {
    {ESpeakerFrame::Response, kLayoutAtCreation, {0, 0, 1001, 600}},
    {ESpeakerFrame::Phase, kLayoutAtCreation, {0, 0, 1001, 600}},
    {ESpeakerFrame::Filter, kLayoutAtCreation, {0, 600, 1001, 970}},
    {ESpeakerFrame::PhaseFilter, kLayoutAtCreation, {0, 0, 1001, 1000}},
    {ESpeakerFrame::Response, kLayoutOriginal, {0, 0, 1001, 600}},
    {ESpeakerFrame::Filter, kLayoutOriginal, {0, 600, 1001, 970}},
    {ESpeakerFrame::PhaseFilter, kLayoutOriginal, {0, 600, 1001, 970}},
    {ESpeakerFrame::Response, kLayoutFourWindows, {0, 0, 500, 600}},
    {ESpeakerFrame::Phase, kLayoutFourWindows, {500, 0, 1001, 600}},
    {ESpeakerFrame::Filter, kLayoutFourWindows, {0, 600, 500, 970}},
    {ESpeakerFrame::PhaseFilter, kLayoutFourWindows, {500, 600, 1001, 970}},
    {ESpeakerFrame::Filter, kLayoutFilterAndPhaseFilter, {0, 0, 1001, 500}},
    {ESpeakerFrame::PhaseFilter, kLayoutFilterAndPhaseFilter, {0, 500, 1001, 970}},
    {ESpeakerFrame::Response, kLayoutResponseAndPhase, {0, 0, 1001, 500}},
    // The lower half of the response and phase pair has no correction.
    {ESpeakerFrame::Phase, kLayoutResponseAndPhase, {0, 500, 1001, 1000}},
};

TEST(ChildFrameLayout, EveryFrameOfEveryArrangementHasItsPlace)
{
    for (const CLayoutCase& c : kCases)
    {
        CRect rect;
        ASSERT_TRUE(ComputeFrameRect(c.frame, c.nLayout, kClient, kK, rect))
            << int(c.frame) << " " << c.nLayout;
        EXPECT_EQ(rect, c.expected) << int(c.frame) << " " << c.nLayout;
    }
}

TEST(ChildFrameLayout, ASharesIsTruncatedNotRounded)
{
    // 0.6 * 999 = 599.4, 0.4 * 999 = 399.6: the filter frame ends at 998 - K.
    CRect rect;
    ASSERT_TRUE(
        ComputeFrameRect(ESpeakerFrame::Filter, kLayoutOriginal, {0, 0, 800, 999}, 0, rect));
    EXPECT_EQ(rect, (CRect{0, 599, 800, 998}));
}

TEST(ChildFrameLayout, FramesOutsideAnArrangementAreLeftAlone)
{
    const std::pair<ESpeakerFrame, int> outside[] = {
        {ESpeakerFrame::Response, kLayoutFilterAndPhaseFilter},
        {ESpeakerFrame::Phase, kLayoutFilterAndPhaseFilter},
        {ESpeakerFrame::Filter, kLayoutResponseAndPhase},
        {ESpeakerFrame::PhaseFilter, kLayoutResponseAndPhase},
        {ESpeakerFrame::Response, 12345},
    };
    for (const auto& [frame, layout] : outside)
    {
        CRect rect{1, 2, 3, 4};
        EXPECT_FALSE(ComputeFrameRect(frame, layout, kClient, kK, rect));
        EXPECT_EQ(rect, (CRect{1, 2, 3, 4}));
    }
}
} // namespace
