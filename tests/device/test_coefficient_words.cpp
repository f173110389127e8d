#include "device/CoefficientWords.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct CWordCase
{
    double value;
    const char* text24;
    bool saturated24;
    const char* text28;
    bool saturated28;
};

const CWordCase kCases[] = {
    {0.0, "000000", false, "0000000", false},
    {1.0, "100000", false, "0800000", false},
    {-1.0, "F00000", false, "F800000", false},
    {-0.5, "F80000", false, "FC00000", false},
    {0.5, "080000", false, "0400000", false},
    {1.0000009, "100000", false, "0800007", false},
    {-0.0000009, "000000", false, "FFFFFF9", false},
    {7.999999, "7FFFFE", false, "3FFFFF7", false},
    {-9.0, "800000", true, "B800000", false},
    {7.9999990463256836, "7FFFFF", false, "3FFFFF8", false},
    {8.0, "7FFFFF", true, "4000000", false},
    {-8.0, "800000", false, "C000000", false},
    {-8.5, "800000", true, "BC00000", false},
    {16.0, "7FFFFF", true, "7FFFFFF", true},
    {-16.0, "800000", true, "8000000", false},
    {-40.0, "800000", true, "8000000", true},
    {1e300, "7FFFFF", true, "7FFFFFF", true},
    {NAN, "000000", true, "0000000", true},
};
} // namespace

TEST(CoefficientWords, FormatsAndSaturatesInsteadOfWrapping)
{
    for (const CWordCase& c : kCases)
    {
        bool saturated = false;
        EXPECT_EQ(CoefficientToHex24(c.value, &saturated), c.text24) << c.value;
        EXPECT_EQ(saturated, c.saturated24) << c.value;
        EXPECT_EQ(CoefficientToHex28(c.value, &saturated), c.text28) << c.value;
        EXPECT_EQ(saturated, c.saturated28) << c.value;
    }
}

TEST(CoefficientWords, ReadBackSignExtendsExactlyWhenTheTopBitIsSet)
{
    const struct
    {
        const char* text;
        double value;
    } cases[] = {
        {"100000", 1.0},
        {"f00000", -1.0},
        {"800000", -8.0},
        {"7FFFFF", 8.0 - std::ldexp(1.0, -20)},
        {"700000", 7.0},
        {"6FFFFF", 7.0 - std::ldexp(1.0, -20)},
        {"FFFFFF", -std::ldexp(1.0, -20)},
        {"FFFFFE", -std::ldexp(1.0, -19)},
        {"000001", std::ldexp(1.0, -20)},
        // Reading stops at the first character that is no hexadecimal digit.
        {"100000\r\n", 1.0},
        {" 080000", 0.5},
        {"12 34", std::ldexp(double(0x12), -20)},
        {"F0000G", 0.9375}, // five digits: bit 23 is clear
    };
    for (const auto& c : cases)
    {
        double value = 1e9;
        ASSERT_TRUE(Hex24ToCoefficient(c.text, &value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    double value = 1.0;
    ASSERT_TRUE(Hex28ToCoefficient("FC00000", &value));
    EXPECT_DOUBLE_EQ(value, -0.5);
    for (const char* bad : {"", "1000000", "XYZ", " \r\n", "80000000"})
    {
        EXPECT_FALSE(Hex24ToCoefficient(bad, &value)) << bad;
        EXPECT_EQ(value, 0.0) << bad;
    }
}

TEST(CoefficientWords, RoundTripOfEveryRepresentableStepNearTheEdges)
{
    for (int word : {-8388608, -8388607, -1, 0, 1, 8388606, 8388607})
    {
        const double v = std::ldexp(double(word), -20);
        double back = 0.0;
        ASSERT_TRUE(Hex24ToCoefficient(CoefficientToHex24(v), &back));
        EXPECT_EQ(back, v);
        EXPECT_EQ(CoefficientToWord24(v), word);
    }
}
