#include "device/GenericDspHeader.h"
#include "filters/FilterLists.h"

#include "tests/device/TestData.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/MatrixRow.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace
{
// The first n filters of dsp_filters.txt ("comment|b0 b1 b2|a1 a2").
CDspHeaderData GoldenData(int n)
{
    CMatrixPtrArray listA, listB;
    std::vector<std::string> comments;
    std::istringstream in(ReadFile("dsp_filters.txt"));
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream fields(line);
        std::string comment, b, a;
        std::getline(fields, comment, '|');
        std::getline(fields, b, '|');
        std::getline(fields, a, '|');
        double b0, b1, b2, a1, a2;
        std::istringstream(b) >> b0 >> b1 >> b2;
        std::istringstream(a) >> a1 >> a2;
        listB.Add(Row({b0, b1, b2}));
        listA.Add(Row({1.0, a1, a2}));
        comments.push_back(comment + "\r\n");
    }
    CDspHeaderData data;
    for (int k = 0; k < n && k < 8; ++k)
    {
        data.words.push_back(FormatHeaderWords(k, listA, listB, nullptr));
        data.comments.push_back(comments[std::size_t(k)]);
        ++data.count;
    }
    return data;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines)
        text += l;
    return text;
}
} // namespace

TEST(GenericDspHeader, DecimalWordsTruncateAndSaturate)
{
    const struct
    {
        double value;
        const char* word;
        bool saturated;
    } cases[] = {{1.0, "268435456", false},   {-1.0, "-268435456", false},
                 {0.0001, "026843", false},   {-0.0001, "-026843", false},
                 {0.0, "0", false},           {1e-12, "0", false},
                 {8.0, "2147483647", true},   {-8.0, "-2147483648", false},
                 {-9.0, "-2147483648", true}, {1e300, "2147483647", true}};
    for (const auto& c : cases)
    {
        bool saturated = !c.saturated;
        EXPECT_EQ(CoefficientToDecimalWord(c.value, &saturated), c.word) << c.value;
        EXPECT_EQ(saturated, c.saturated) << c.value;
    }
}

TEST(GenericDspHeader, GoldenHeadersForNoneThreeAndTenFilters)
{
    const struct
    {
        int filters;
        const char* label;
        double gain;
        const char* file;
    } cases[] = {{0, "GENERIC", 1.0, "dsp_header_0.h"},
                 {3, "MYEQ", 0.501187, "dsp_header_3.h"},
                 {10, "GENERIC", 0.25, "dsp_header_10.h"}};
    for (const auto& c : cases)
    {
        GenericDspHeader header;
        header.m_strUserLabel = c.label;
        EXPECT_FALSE(header.m_GeneratedMode.IsOn());
        ASSERT_TRUE(header.Generate(GoldenData(c.filters), c.gain));
        EXPECT_EQ(Joined(header.m_HeaderLines), ReadFile(c.file)) << c.file;
        EXPECT_TRUE(header.m_GeneratedMode.IsOn());
        EXPECT_EQ(header.m_dHeaderGain, c.gain);
    }
}

TEST(GenericDspHeader, EmptyLabelAndLabelInComments)
{
    GenericDspHeader header;
    header.m_strUserLabel = "";
    CDspHeaderData data = GoldenData(1);
    data.comments[0] = "GENERIC note\r\n";
    header.Generate(data, 1.0);
    const std::string text = Joined(header.m_HeaderLines);
    EXPECT_NE(text.find("#define GAIN 1.000000 \r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("#define EQ={COEFFS0}\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n note\r\n"), std::string::npos) << text;
}

TEST(GenericDspHeader, TheGainKeepsItsDecimalPointInACommaLocale)
{
    // A Qt application runs in the user's locale; the header is C source all the same.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string folder = (std::filesystem::temp_directory_path() /
                                ("morvane_dsp_locale_" + std::to_string(::getpid())))
                                   .string();
    const bool comma =
        !UseCommaLocale(LC_NUMERIC, folder).empty() && std::localeconv()->decimal_point[0] == ',';
    GenericDspHeader header;
    if (comma)
        header.Generate(GoldenData(3), 0.501187);
    std::setlocale(LC_NUMERIC, previous.c_str());
    ::unsetenv("LOCPATH");
    std::filesystem::remove_all(folder);
    if (!comma)
        GTEST_SKIP() << "no comma-decimal locale on this machine, and none could be built";
    EXPECT_EQ(header.m_HeaderLines[6], "#define GENERICGAIN 0.501187 \r\n");
}

TEST(GenericDspHeader, CollectingKeepsEightSectionsAndNamesTheRest)
{
    CFilterLists lists;
    for (int i = 1; i <= 10; ++i)
    {
        const std::string line = "EQ-" + std::to_string(i) + ", 3, 2, " + std::to_string(100 * i) +
                                 ", No, Yes, " + std::to_string(11 - i);
        lists.m_EQFilters.Add(std::make_unique<CDigEQFilter>())->Parse(line, 48000);
    }
    CDspHeaderData data;
    ASSERT_TRUE(CollectHeaderData(lists, 8, data));
    ASSERT_EQ(data.count, 8);
    // Output orders run 10 ... 1, so EQ-10 comes first and EQ-2, EQ-1 are left out.
    EXPECT_EQ(data.comments[0].rfind("EQ-10,", 0), 0u) << data.comments[0];
    EXPECT_EQ(data.comments[0].substr(data.comments[0].size() - 2), "\r\n");
    ASSERT_EQ(data.warnings.size(), 2u);
    EXPECT_NE(data.warnings[0].find("EQ-2 was left out"), std::string::npos);
    EXPECT_NE(data.warnings[1].find("EQ-1 was left out"), std::string::npos);
}

TEST(GenericDspHeader, GainIsTheInversePeakOfTheComposite)
{
    const std::vector<double> frequencies = {20.0, 100.0, 1000.0, 10000.0};
    CMatrixPtrArray listA, listB;
    EXPECT_EQ(HeaderGain(listA, listB, frequencies, 48000), 1.0);
    // A pure gain of 2 (+6.02 dB) and a unit section: the gain is 0.5.
    listB.Add(Row({2.0, 0.0, 0.0}));
    listA.Add(Row({1.0, 0.0, 0.0}));
    listB.Add(Row({1.0, 0.0, 0.0}));
    listA.Add(Row({1.0, 0.0, 0.0}));
    EXPECT_NEAR(HeaderGain(listA, listB, frequencies, 48000), 0.5, 1e-12);
    // A peaking section of +6 dB at 1 kHz gives about 0.501187 (reference from scipy).
    CMatrixPtrArray peakA, peakB;
    std::istringstream in(ReadFile("dsp_peak_6db.txt"));
    double b0, b1, b2, a1, a2;
    in >> b0 >> b1 >> b2 >> a1 >> a2;
    peakB.Add(Row({b0, b1, b2}));
    peakA.Add(Row({1.0, a1, a2}));
    EXPECT_NEAR(HeaderGain(peakA, peakB, {500.0, 1000.0, 2000.0}, 48000), 0.501187, 1e-5);
}
