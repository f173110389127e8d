#include "AssertionCapture.h"

#include "graph/LineSegment.h"

#include <gtest/gtest.h>

TEST(LineSegment, SlopeInterceptAndLookups)
{
    CLineSegment s;
    ASSERT_TRUE(s.Set({1, 1}, {3, 5}));
    EXPECT_DOUBLE_EQ(2.0, s.GetSlope());
    EXPECT_DOUBLE_EQ(-1.0, s.GetIntercept());
    EXPECT_DOUBLE_EQ(3.0, s.YAtX(2));
    EXPECT_DOUBLE_EQ(3.0, s.XAtY(5));
    EXPECT_TRUE(s.IsNotVertical());
}

TEST(LineSegment, EqualXIsVerticalWithTheLimitSlope)
{
    AssertionCapture checks;
    CLineSegment s;
    ASSERT_TRUE(s.Set({2, 0}, {2, 7}));
    EXPECT_TRUE(s.IsVertical());
    EXPECT_DOUBLE_EQ(2.0, s.GetIntercept());
    EXPECT_NEAR(572.96, s.GetSlope(), 0.01);
    EXPECT_DOUBLE_EQ(2.0, s.XAtY(-100));
    EXPECT_TRUE(checks.reports().empty());
    EXPECT_DOUBLE_EQ(0.0, s.YAtX(1));
    EXPECT_TRUE(checks.reported("FALSE"));
}

TEST(LineSegment, SteeperThanTheLimitIsVerticalAndKeepsItsSlope)
{
    CLineSegment s;
    ASSERT_TRUE(s.Set({0, 0}, {0.001, 10}));
    EXPECT_TRUE(s.IsVertical());
    EXPECT_DOUBLE_EQ(0.0, s.GetIntercept());
    EXPECT_NEAR(10000.0, s.GetSlope(), 1e-6);
}

TEST(LineSegment, XRangeIncludesBothEndsInEitherOrder)
{
    CLineSegment s;
    ASSERT_TRUE(s.Set({3, 0}, {1, 4}));
    EXPECT_TRUE(s.IsWithinXRange(1));
    EXPECT_TRUE(s.IsWithinXRange(3));
    EXPECT_FALSE(s.IsWithinXRange(3.0001));
    EXPECT_DOUBLE_EQ(1.0, s.DistanceOutsideXRange(0));
    EXPECT_DOUBLE_EQ(2.0, s.DistanceOutsideXRange(5));
    EXPECT_DOUBLE_EQ(0.0, s.DistanceOutsideXRange(2));
}

TEST(LineSegment, EqualPointsLeaveASetSegmentAlone)
{
    AssertionCapture checks;
    CLineSegment s;
    ASSERT_TRUE(s.Set({1, 1}, {3, 5}));
    EXPECT_FALSE(s.Set({4, 4}, {4, 4}));
    EXPECT_TRUE(checks.reported("FALSE"));
    EXPECT_DOUBLE_EQ(2.0, s.GetSlope());
    EXPECT_DOUBLE_EQ(3.0, s.YAtX(2));
}

TEST(LineSegment, QueriesBeforeSetReportAndAnswerZero)
{
    AssertionCapture checks;
    const CLineSegment s;
    EXPECT_FALSE(s.IsVertical());
    EXPECT_TRUE(checks.reported("m_bInitialized"));
    EXPECT_DOUBLE_EQ(0.0, s.YAtX(1));
    EXPECT_DOUBLE_EQ(0.0, s.XAtY(1));
    EXPECT_DOUBLE_EQ(0.0, s.GetSlope());
    EXPECT_FALSE(s.IsWithinXRange(0));
}

TEST(LineSegment, HorizontalLineHasNoXAtY)
{
    AssertionCapture checks;
    CLineSegment s;
    ASSERT_TRUE(s.Set({1, 2}, {5, 2}));
    EXPECT_DOUBLE_EQ(1.0, s.XAtY(7));
    EXPECT_TRUE(checks.reported("FALSE"));
}

TEST(LineEquation, IntegerAndDoubleForms)
{
    double dx, dy, c;
    const CPoint a{0, 0}, b{4, 2};
    ASSERT_TRUE(LineEquationFromPoints(&a, &b, &dx, &dy, &c));
    EXPECT_EQ(4.0, dx);
    EXPECT_EQ(2.0, dy);
    EXPECT_EQ(0.0, c);
    const CDoublePoint p{1, 3}, q{2, 5};
    ASSERT_TRUE(LineEquationFromPoints(&p, &q, &dx, &dy, &c));
    // dy * x - dx * y + c = 0 at both points.
    EXPECT_DOUBLE_EQ(0.0, dy * p.x - dx * p.y + c);
    EXPECT_DOUBLE_EQ(0.0, dy * q.x - dx * q.y + c);
}
