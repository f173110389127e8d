#include "LoudnessFakes.h"
#include "framework/core/Services.h"
#include "loudness/DigitalSectionDesigner.h"
#include "loudness/LoudnessArrays.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

namespace
{
class LoudnessManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Services::SetMessageBox(&m_Box);
        for (auto* m :
             {static_cast<CLoudnessManager*>(&m_2202), static_cast<CLoudnessManager*>(&m_2410)})
        {
            m->SetDocument(&m_Doc);
            m->SetView(&m_View);
            for (int k = 0; k < kLoudnessKindCount; ++k)
                m->SetGrid(k, &m_Grids[k]);
        }
    }
    void TearDown() override { Services::SetMessageBox(nullptr); }

    CRecordingMessageBox m_Box;
    CFakeLoudnessDocument m_Doc;
    CRecordingLoudnessView m_View;
    CRecordingLoudnessGrid m_Grids[kLoudnessKindCount];
    CFlatSectionDesigner m_Designer;
    bool m_bQZX6060 = false;
    CQZX2202LoudnessManager m_2202{&m_Designer};
    CQZX2410_LoudnessManager m_2410{&m_Designer, [this] { return m_bQZX6060; }};
};

double MaxDeviation(const std::vector<double>& y, double expected)
{
    double worst = 0.0;
    for (double v : y)
        worst = std::max(worst, std::fabs(v - expected));
    return worst;
}
} // namespace

TEST(LoudnessRecords, NewRecordsHaveTheirDefaults)
{
    const CLoudnessInfo info;
    EXPECT_TRUE(info.m_strName.empty());
    const double* first = &info.m_dBaseCoeff1;
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(first[i], 0.0);
    EXPECT_EQ(CLoudnessGainOffset(true).m_dLogSpaceGain, -0.5);
    EXPECT_EQ(CLoudnessGainOffset(false).m_dLogSpaceGain, 0.5);
    EXPECT_EQ(CLoudnessGainOffset(false).m_dGain, 0.0);
}

TEST_F(LoudnessManagerTest, NamesCountPerKindAndNeverGoBack)
{
    std::string name;
    ASSERT_TRUE(m_2202.AddEQBasedFilter(6, 1, 1000, 1, 1, 0, 0, 0, 0, name));
    EXPECT_EQ(name, "LDEQ-1");
    ASSERT_TRUE(m_2202.AddEQBasedFilter(6, 1, 1000, 1, 1, 0, 0, 0, 0, name));
    EXPECT_EQ(name, "LDEQ-2");
    ASSERT_TRUE(m_2202.AddBassBasedFilter(3, 100, 1, 1, name));
    EXPECT_EQ(name, "LDBS-1");
    ASSERT_TRUE(m_2202.ClearLoudnessFilters(kLoudnessEQBased));
    ASSERT_TRUE(m_2202.AddEQBasedFilter(6, 1, 1000, 1, 1, 0, 0, 0, 0, name));
    EXPECT_EQ(name, "LDEQ-3");
    ASSERT_TRUE(m_2202.AddTrebleBasedFilter(3, 5000, 1, 1, name));
    EXPECT_EQ(name, "LDTS-1");
    ASSERT_TRUE(m_2202.AddBaseTypeCoefficients(1, 0, 0, 0, 0, 1, 1, name));
    EXPECT_EQ(name, "LDBC-1");
    ASSERT_TRUE(m_2202.AddLoudnessCoefficients(0, 0, 0, 0, 0, 1, 1, name));
    EXPECT_EQ(name, "LDC-1");
    EXPECT_EQ(m_Grids[kLoudnessEQBased].rows, std::vector<std::string>{"LDEQ-3"});
    EXPECT_EQ(m_Designer.rates, std::vector<int>(5, 48000));
    EXPECT_EQ(m_View.nPoints, 300);
    EXPECT_EQ(m_Doc.hints, std::vector<int>(7, 2));
}

TEST_F(LoudnessManagerTest, KindFromName)
{
    const struct
    {
        const char* name;
        int kind;
    } cases[] = {{"LDC-7", 4},  {"LDBC-2", 3}, {"LDBS-1", 2}, {"LDTS-9", 1},
                 {"LDEQ-1", 0}, {"LDCX", 0},   {"XY-3", 0},   {"", 0},
                 {"EQ", 0},     {"LDC-", 4},   {"LDBC", 3},   {"ldc-1", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(m_2202.GetKindFromName(c.name), c.kind) << c.name;
}

TEST_F(LoudnessManagerTest, ResponseLaws)
{
    // Designed section flat at +6 dB: H = 10^(6/20).
    const double g = std::pow(10.0, 6.0 / 20.0);
    const struct
    {
        bool bQZX6060;
        double plotGain;
        double plotVolume;
        double expected;
    } cases[] = {
        {false, 0.0, 1.0, 0.0},
        {true, 0.0, 1.0, 0.0},
        {false, 1.0, 1.0, 6.0},
        {true, 1.0, 1.0, 6.0},
        {false, 0.0, 2.0, 20 * std::log10(2.0)},
        {true, 0.0, 2.0, 20 * std::log10(2.0)},
        {true, 1.0, 0.5, 6.0 - 20 * std::log10(2.0)},
        {false, 1.0, 0.5, 20 * std::log10(g - 0.5)},
    };
    for (const auto& c : cases)
    {
        m_bQZX6060 = c.bQZX6060;
        m_View.curves.clear();
        std::string name;
        ASSERT_TRUE(
            m_2410.AddEQBasedFilter(6.0, 1, 1000, c.plotGain, c.plotVolume, 0, 0, 0, 0, name));
        ASSERT_EQ(m_View.curves.size(), 1u);
        EXPECT_LT(MaxDeviation(m_View.curves[0].y, c.expected), 1e-9)
            << c.bQZX6060 << " " << c.plotGain << " " << c.plotVolume;
    }
}

TEST_F(LoudnessManagerTest, BaseTypeResponseIsTheTypedSection)
{
    std::string name;
    ASSERT_TRUE(m_2202.AddBaseTypeCoefficients(0.5, 0.2, 0.1, -0.3, 0.2, 1.0, 1.0, name));
    const CLoudnessInfo* r = m_2202.FindLoudnessInfo(m_2202.List(kLoudnessBaseTypeCoeff), name);
    ASSERT_NE(r, nullptr);
    EXPECT_DOUBLE_EQ(r->m_dB0, -0.5);
    EXPECT_DOUBLE_EQ(r->m_dB1, 0.5);
    EXPECT_DOUBLE_EQ(r->m_dB2, -0.1);
    EXPECT_DOUBLE_EQ(r->m_dA1, -0.3);
    const auto& y = m_View.curves.at(0).y;
    for (std::size_t i = 0; i < y.size(); i += 37)
    {
        const std::complex<double> z =
            std::polar(1.0, -2 * M_PI * m_Doc.axis.frequency[i] / 48000.0);
        const std::complex<double> H =
            (0.5 + 0.2 * z + 0.1 * z * z) / (1.0 - 0.3 * z + 0.2 * z * z);
        EXPECT_NEAR(y[i], 20 * std::log10(std::abs(H)), 1e-9);
    }
    ASSERT_TRUE(m_2202.AddBaseTypeCoefficients(1, 0.4, -0.2, 0.4, -0.2, 1, 1, name));
    r = m_2202.FindLoudnessInfo(m_2202.List(kLoudnessBaseTypeCoeff), name);
    EXPECT_EQ(r->m_dB0, 0.0);
    EXPECT_EQ(r->m_dB1, 0.0);
    EXPECT_EQ(r->m_dB2, 0.0);
}

TEST_F(LoudnessManagerTest, RecalculateAllRestartsTheColoursInKindOrder)
{
    std::string name;
    ASSERT_TRUE(m_2202.AddLoudnessCoefficients(0, 0, 0, 0, 0, 1, 1, name));
    ASSERT_TRUE(m_2202.AddBassBasedFilter(3, 100, 1, 1, name));
    ASSERT_TRUE(m_2202.AddEQBasedFilter(6, 1, 1000, 1, 1, 0, 0, 0, 0, name));
    m_View.curves.clear();
    ASSERT_TRUE(m_2202.RecalculateAll());
    ASSERT_EQ(m_View.curves.size(), 3u);
    const char* order[] = {"LDEQ-1", "LDBS-1", "LDC-1"};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(m_View.curves[i].label, order[i]);
        EXPECT_EQ(m_View.curves[i].color, 0x01000000u | unsigned(i));
    }
    EXPECT_EQ(m_2202.ColorIndex(), 3);
}

TEST_F(LoudnessManagerTest, DeleteRemoveAndClear)
{
    std::string name;
    ASSERT_TRUE(m_2202.AddTrebleBasedFilter(3, 5000, 1, 1, name));
    ASSERT_TRUE(m_2202.AddTrebleBasedFilter(3, 5000, 1, 1, name));
    ASSERT_TRUE(m_2202.DeleteLoudnessFilter(kLoudnessTrebleBased, "LDTS-9"));
    EXPECT_EQ(m_2202.List(kLoudnessTrebleBased)->GetSize(), 2);
    EXPECT_EQ(m_View.deleted, std::vector<std::string>{"LDTS-9"});
    ASSERT_TRUE(m_2202.RemoveLoudnessFilter("LDTS-1"));
    EXPECT_EQ(m_2202.List(kLoudnessTrebleBased)->GetSize(), 1);
    EXPECT_EQ(m_Grids[kLoudnessTrebleBased].deletedRows, std::vector<std::string>{"LDTS-1"});
    ASSERT_TRUE(m_2202.ClearAllLoudnessFilters());
    EXPECT_EQ(m_2202.List(kLoudnessTrebleBased)->GetSize(), 0);
    EXPECT_EQ(m_View.deleted.back(), "LDTS-2");
    for (const auto& grid : m_Grids)
        EXPECT_EQ(grid.nCleared, 1);
}

TEST_F(LoudnessManagerTest, AFailedDesignUsesTheNameButListsNothing)
{
    m_Designer.bFail = true;
    std::string name;
    EXPECT_FALSE(m_2202.AddEQBasedFilter(6, 1, 1000, 1, 1, 0, 0, 0, 0, name));
    EXPECT_EQ(name, "LDEQ-1");
    EXPECT_EQ(m_2202.List(kLoudnessEQBased)->GetSize(), 0);
    EXPECT_TRUE(m_Grids[kLoudnessEQBased].rows.empty());
    EXPECT_EQ(m_Box.texts.size(), 1u);
}

TEST_F(LoudnessManagerTest, ASectionThatIsNotFiniteIsNeverStored)
{
    std::string name;
    ASSERT_TRUE(m_2202.AddBassBasedFilter(6, 100, 1, 1, name));
    CLoudnessInfo& kept = *m_2202.List(kLoudnessBassBased)->GetAt(0);
    const double b0 = kept.m_dB0;
    m_Designer.bNotFinite = true;
    EXPECT_FALSE(m_2202.AddTrebleBasedFilter(6, 1000, 1, 1, name));
    EXPECT_EQ(m_2202.List(kLoudnessTrebleBased)->GetSize(), 0);
    EXPECT_TRUE(m_Grids[kLoudnessTrebleBased].rows.empty());
    // Recomputed into a section that is not finite: the record keeps its coefficients,
    // and neither its row nor its curve is redone.
    const std::size_t curves = m_View.curves.size();
    EXPECT_FALSE(m_2202.RecalculateBassBasedFilter(&kept));
    EXPECT_EQ(kept.m_dB0, b0);
    EXPECT_EQ(kept.m_dB1, 0.0);
    EXPECT_TRUE(m_Grids[kLoudnessBassBased].updatedRows.empty());
    EXPECT_EQ(m_View.curves.size(), curves);
    ASSERT_EQ(m_Box.texts.size(), 2u);
    EXPECT_NE(m_Box.texts[0].find("cannot be designed"), std::string::npos);
    // A typed section whose path overflows is refused the same way.
    EXPECT_FALSE(m_2410.AddBaseTypeCoefficients(1, 1e308, 0, -1e308, 0, 1, 1, name));
    EXPECT_EQ(m_2410.List(kLoudnessBaseTypeCoeff)->GetSize(), 0);
}

TEST_F(LoudnessManagerTest, MissingRecordsMakeTheOperationsFail)
{
    CRecordingEditor editor;
    m_2202.SetEditor(&editor);
    EXPECT_FALSE(m_2202.EditLoudnessFilterByName("LDEQ-4"));
    EXPECT_FALSE(m_2202.AddToDataFileByName("LDEQ-4"));
    EXPECT_FALSE(m_2202.AddToDataFile(7, "LDEQ-4"));
    EXPECT_FALSE(m_2202.Recalculate(kLoudnessEQBased, nullptr));
    EXPECT_FALSE(m_2202.FormatDataFileLines(nullptr));
    EXPECT_TRUE(editor.names.empty());
    EXPECT_TRUE(m_2202.AddToDataFileMode().IsOff());
    std::string name;
    ASSERT_TRUE(m_2202.AddBassBasedFilter(3, 100, 1, 1, name));
    EXPECT_TRUE(m_2202.EditLoudnessFilterByName(name));
    EXPECT_EQ(editor.kinds, std::vector<int>{kLoudnessBassBased});
}

TEST(LoudnessFrequencyAxis, RunsExactlyBetweenTheBandEnds)
{
    const CLoudnessFrequencyAxis axis = BuildLoudnessFrequencyAxis(10, 48000);
    ASSERT_EQ(axis.frequency.size(), 300u);
    EXPECT_EQ(axis.frequency.front(), 10.0);
    EXPECT_EQ(axis.frequency.back(), 24000.0);
    EXPECT_EQ(axis.logFrequency.front(), 1.0);
    EXPECT_EQ(axis.logFrequency.back(), std::log10(24000.0));
    const double step = axis.logFrequency[1] - axis.logFrequency[0];
    for (std::size_t i = 1; i < 300; ++i)
        EXPECT_NEAR(axis.logFrequency[i] - axis.logFrequency[i - 1], step, 1e-12);
    EXPECT_TRUE(BuildLoudnessFrequencyAxis(0, 48000).frequency.empty());
    EXPECT_TRUE(BuildLoudnessFrequencyAxis(30000, 48000).frequency.empty());
}

TEST(LoudnessDigitalDesigns, SectionsComeFromTheFilterModel)
{
    CRecordingMessageBox box;
    Services::SetMessageBox(&box);
    CFakeLoudnessDocument doc;
    CRecordingLoudnessView view;
    CDigitalSectionDesigner designer;
    CQZX2202LoudnessManager manager(&designer);
    manager.SetDocument(&doc);
    manager.SetView(&view);
    std::string name;
    ASSERT_TRUE(manager.AddEQBasedFilter(6.0, 100.0, 1000.0, 1.0, 1.0, 0, 0, 0, 0, name));
    ASSERT_TRUE(manager.AddTrebleBasedFilter(-6.0, 5000.0, 1.0, 1.0, name));
    ASSERT_TRUE(manager.AddBassBasedFilter(6.0, 100.0, 0.0, 1.0, name));
    ASSERT_EQ(view.curves.size(), 3u);
    const auto& eq = view.curves[0].y;
    EXPECT_NEAR(*std::max_element(eq.begin(), eq.end()), 6.0, 0.5);
    EXPECT_NEAR(eq.front(), 0.0, 0.1);
    EXPECT_NEAR(view.curves[1].y.back(), -6.0, 0.5);
    EXPECT_LT(MaxDeviation(view.curves[2].y, 0.0), 1e-9); // plot gain 0: flat
    EXPECT_TRUE(box.texts.empty());
    Services::SetMessageBox(nullptr);
}
