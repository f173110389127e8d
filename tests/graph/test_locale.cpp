// The formatters and scanners must give C's results with a decimal point while the
// program runs in a locale with a decimal comma, as a Qt application does after start.
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/StringUtility.h"
#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <string>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define MORVANE_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define MORVANE_LSAN 1
#endif
#endif

namespace
{
std::string g_BuiltLocaleFolder;

// The C library keeps the LOCPATH list it parses whenever it loads a locale and never
// frees it; that is not ours to report.
struct LocaleLoading
{
#ifdef MORVANE_LSAN
    LocaleLoading()
    {
        __lsan_disable();
    }
    ~LocaleLoading()
    {
        __lsan_enable();
    }
#endif
};

// Makes a comma-decimal locale current for C and C++; true when the C library's own
// formatting uses the comma (so that the test shows something).

bool SelectCommaLocale(std::string& name)
{
    g_BuiltLocaleFolder =
        (std::filesystem::temp_directory_path() / ("morvane_locale_" + std::to_string(::getpid())))
            .string();
    name = UseCommaLocale(LC_ALL, g_BuiltLocaleFolder);
    if (!name.empty())
        std::locale::global(std::locale(std::setlocale(LC_ALL, nullptr)));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    return std::string(probe) == "1,5";
}

// A C++ locale with a decimal comma, for machines without any comma locale for C.
struct CommaPunct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class CommaLocale : public ::testing::Test
{
protected:
    static void TearDownTestSuite()
    {
        if (!g_BuiltLocaleFolder.empty())
            std::filesystem::remove_all(g_BuiltLocaleFolder);
    }
    void SetUp() override
    {
        [[maybe_unused]] LocaleLoading loading;
        commaInC = SelectCommaLocale(name);
        if (!commaInC)
            std::locale::global(std::locale(std::locale("C.UTF-8"), new CommaPunct));
    }
    void TearDown() override
    {
        [[maybe_unused]] LocaleLoading loading;
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
    }
    std::string name;
    bool commaInC = false;
};
} // namespace

TEST_F(CommaLocale, FormattingWritesDecimalPoints)
{
    RecordProperty("locale", name.empty() ? "C.UTF-8 with a comma numpunct" : name);
    EXPECT_EQ("2.500000", DoubleToString(2.5));
    EXPECT_EQ("0.500", DoubleToShortString(0.5));
    EXPECT_EQ("-3.14159265", FormatDouble(-3.14159265, "%.8lf"));
    EXPECT_EQ("1234567", IntToString(1234567));
}

TEST_F(CommaLocale, ScanningReadsDecimalPoints)
{
    EXPECT_EQ(2.5, ParseWholeDouble("2.5"));
    EXPECT_EQ(-0.125, ParseWholeDouble(" -0.125 "));
    // A decimal comma is no number, in this locale as in any other.
    EXPECT_FALSE(ParseWholeDouble("2,5"));
    EXPECT_EQ(2.5, ScanDouble("2.5"));
    double v[2] = {0, 0};
    ASSERT_TRUE(ParseNumbersInLine(2, v, "1000.25 -3.5"));
    EXPECT_EQ(1000.25, v[0]);
    EXPECT_EQ(-3.5, v[1]);
}

TEST_F(CommaLocale, TheLocaleReallyUsesACommaWhereTheMachineHasOne)
{
    if (!commaInC)
        GTEST_SKIP() << "no comma-decimal locale for the C library on this machine";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    EXPECT_STREQ("2,5", probe); // the setting the code above must not follow
}
