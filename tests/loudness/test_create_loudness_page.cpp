// The pages of the create-loudness-filter sheets without their windows: what they start
// with, that only the user's edits add a filter, the values they refuse, the coefficient
// words of their own family, filling from a filter and the plot gain.
#include "LoudnessManagersFixture.h"
#include "framework/core/Services.h"
#include "loudness/CreateLoudnessPage.h"
#include "loudness/DigitalSectionDesigner.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <gtest/gtest.h>

namespace
{
using Page = CCreateLoudnessPage;

class CreateLoudnessPageTest : public LoudnessManagersTest<CDigitalSectionDesigner>
{
protected:
    static void Type(Page& page, std::initializer_list<std::pair<int, const char*>> texts)
    {
        for (const auto& [id, text] : texts)
            page.OnEdited(id, text);
    }
    static std::vector<std::string> Coefficients(const Page& page)
    {
        std::vector<std::string> texts;
        for (int k = 0; k < 5; ++k)
            texts.push_back(page.GetText(Page::IDC_COEFF_1 + k));
        return texts;
    }
};
} // namespace

TEST_F(CreateLoudnessPageTest, NewPagesShowTheirStartingValues)
{
    Page eq(ELoudnessFamily::QZX2202, kLoudnessEQBased);
    EXPECT_EQ(eq.GetTitle(), "EQ Base Type");
    for (int id : {Page::IDC_EQ_GAIN, Page::IDC_BANDWIDTH, Page::IDC_CENTER_FREQUENCY})
        EXPECT_EQ(eq.GetText(id), "0");
    EXPECT_EQ(eq.GetText(Page::IDC_PLOT_GAIN), "1");
    EXPECT_EQ(eq.GetText(Page::IDC_PLOT_VOLUME), "1");
    EXPECT_TRUE(eq.GetScalingFields().empty());

    Page coefficients(ELoudnessFamily::QZX2202, kLoudnessCoeff);
    EXPECT_EQ(Coefficients(coefficients), std::vector<std::string>(5));
    EXPECT_FALSE(coefficients.IsHex());

    for (bool bQZX6060 : {true, false})
    {
        Page treble(ELoudnessFamily::QZX241X, kLoudnessTrebleBased, bQZX6060);
        EXPECT_EQ(treble.GetText(Page::IDC_LOG_SPACE_GAIN), bQZX6060 ? "-0.5" : "0.5");
        EXPECT_EQ(treble.GetText(Page::IDC_OFFSET), "0");
        EXPECT_EQ(treble.GetScalingFields().size(), 6u);
    }
    EXPECT_EQ(Page(ELoudnessFamily::QZX241X, 0).GetFields().front().label, "EQ Gain (db)");
}

TEST_F(CreateLoudnessPageTest, ApplyWithoutTheUsersEditsAddsNothing)
{
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
    {
        Page page(ELoudnessFamily::QZX2202, kind);
        std::string name = "x";
        EXPECT_FALSE(page.Apply(m_2202, name).has_value());
        EXPECT_EQ(name, "");
        ASSERT_FALSE(page.OnHex().has_value());
        ASSERT_FALSE(page.OnDecimal().has_value());
        EXPECT_FALSE(page.IsModified());
        EXPECT_FALSE(page.Apply(m_2202, name).has_value());
    }
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        EXPECT_EQ(m_2202.List(kind)->GetSize(), 0);
    EXPECT_TRUE(m_View.curves.empty());
}

TEST_F(CreateLoudnessPageTest, ValuesThatDesignNoFilterAreRefused)
{
    const struct
    {
        int kind;
        int id;
        const char* text;
    } cases[] = {
        {kLoudnessEQBased, Page::IDC_BANDWIDTH, "0"},
        {kLoudnessEQBased, Page::IDC_BANDWIDTH, "-5"},
        {kLoudnessEQBased, Page::IDC_CENTER_FREQUENCY, "0"},
        {kLoudnessEQBased, Page::IDC_CENTER_FREQUENCY, "24000"},
        {kLoudnessEQBased, Page::IDC_EQ_GAIN, "six"},
        {kLoudnessTrebleBased, Page::IDC_CUT_FREQUENCY, "30000"},
        {kLoudnessBassBased, Page::IDC_PLOT_GAIN, ""},
        {kLoudnessBaseTypeCoeff, Page::IDC_COEFF_1 + 2, "1..2"},
    };
    for (const auto& c : cases)
    {
        Page page(ELoudnessFamily::QZX2202, c.kind);
        Type(page, {{Page::IDC_BANDWIDTH, "100"},
                    {Page::IDC_CENTER_FREQUENCY, "1000"},
                    {Page::IDC_CUT_FREQUENCY, "1000"}});
        if (page.IsCoefficientPage())
            for (int k = 0; k < 5; ++k)
                page.OnEdited(Page::IDC_COEFF_1 + k, "0.5");
        page.OnEdited(c.id, c.text);
        std::string name;
        const auto refusal = page.Apply(m_2202, name);
        ASSERT_TRUE(refusal.has_value()) << c.text;
        EXPECT_EQ(refusal->nId, c.id);
        EXPECT_FALSE(refusal->message.empty());
        EXPECT_TRUE(page.IsModified());
        EXPECT_EQ(m_2202.List(c.kind)->GetSize(), 0);
    }
    EXPECT_TRUE(m_View.curves.empty());
}

TEST_F(CreateLoudnessPageTest, ValuesWhoseSectionIsNotFiniteAreRefusedOnEveryPageOfBothFamilies)
{
    using Texts = std::vector<std::pair<int, const char*>>;
    const struct
    {
        int kind;
        Texts texts;
    } cases[] = {
        {kLoudnessEQBased,
         {{Page::IDC_EQ_GAIN, "6"},
          {Page::IDC_BANDWIDTH, "1e308"},
          {Page::IDC_CENTER_FREQUENCY, "1000"}}},
        {kLoudnessEQBased,
         {{Page::IDC_EQ_GAIN, "1e308"},
          {Page::IDC_BANDWIDTH, "100"},
          {Page::IDC_CENTER_FREQUENCY, "1000"}}},
        {kLoudnessTrebleBased,
         {{Page::IDC_TREBLE_GAIN, "1e308"}, {Page::IDC_CUT_FREQUENCY, "1000"}}},
        {kLoudnessBassBased, {{Page::IDC_BASS_GAIN, "1e308"}, {Page::IDC_CUT_FREQUENCY, "1000"}}},
        {kLoudnessBaseTypeCoeff,
         {{Page::IDC_COEFF_1, "1"},
          {Page::IDC_COEFF_1 + 1, "1e308"},
          {Page::IDC_COEFF_1 + 2, "0"},
          {Page::IDC_COEFF_1 + 3, "-1e308"},
          {Page::IDC_COEFF_1 + 4, "0"}}},
    };
    for (CLoudnessManager* pManager :
         {static_cast<CLoudnessManager*>(&m_2202), static_cast<CLoudnessManager*>(&m_2410)})
        for (const auto& c : cases)
        {
            const ELoudnessFamily family =
                pManager == &m_2202 ? ELoudnessFamily::QZX2202 : ELoudnessFamily::QZX241X;
            Page page(family, c.kind);
            for (const auto& [id, text] : c.texts)
                page.OnEdited(id, text);
            std::string name = "x";
            const auto refusal = page.Apply(*pManager, name);
            ASSERT_TRUE(refusal.has_value()) << c.kind << " " << c.texts[1].second;
            EXPECT_EQ(refusal->nId, page.GetFields().front().nId);
            EXPECT_NE(refusal->message.find("finite"), std::string::npos);
            EXPECT_EQ(name, "");
            EXPECT_TRUE(page.IsModified());
            EXPECT_EQ(pManager->List(c.kind)->GetSize(), 0);
        }
    EXPECT_TRUE(m_View.curves.empty());
    EXPECT_TRUE(m_Box.texts.empty());
    // No name was used up: corrected values give the first filter of the kind.
    Page page(ELoudnessFamily::QZX2202, kLoudnessEQBased);
    Type(page, {{Page::IDC_EQ_GAIN, "6"},
                {Page::IDC_BANDWIDTH, "1e308"},
                {Page::IDC_CENTER_FREQUENCY, "1000"}});
    std::string name;
    ASSERT_TRUE(page.Apply(m_2202, name).has_value());
    page.OnEdited(Page::IDC_BANDWIDTH, "200");
    EXPECT_FALSE(page.Apply(m_2202, name).has_value());
    EXPECT_EQ(name, "LDEQ-1");
}

TEST_F(CreateLoudnessPageTest, ACoefficientTheFamilysWordCannotHoldIsToldAndTheFilterAdded)
{
    const struct
    {
        ELoudnessFamily family;
        const char* b0;
        const char* range; // of the warning; none when empty
    } cases[] = {
        {ELoudnessFamily::QZX2202, "7.5", ""},
        {ELoudnessFamily::QZX2202, "9", "(-8 to 8)"},
        {ELoudnessFamily::QZX241X, "9", ""},
        {ELoudnessFamily::QZX241X, "1e300", "(-16 to 16)"},
    };
    for (const auto& c : cases)
    {
        m_Box.texts.clear();
        CLoudnessManager& manager = c.family == ELoudnessFamily::QZX2202
                                        ? static_cast<CLoudnessManager&>(m_2202)
                                        : static_cast<CLoudnessManager&>(m_2410);
        Page page(c.family, kLoudnessCoeff);
        for (int k = 0; k < 5; ++k)
            page.OnEdited(Page::IDC_COEFF_1 + k, k == 0 ? c.b0 : "0");
        std::string name;
        EXPECT_FALSE(page.Apply(manager, name).has_value()) << c.b0;
        EXPECT_FALSE(name.empty());
        if (*c.range == 0)
        {
            EXPECT_TRUE(m_Box.texts.empty()) << c.b0;
            continue;
        }
        ASSERT_EQ(m_Box.texts.size(), 1u) << c.b0;
        EXPECT_NE(m_Box.texts[0].find("B0"), std::string::npos);
        EXPECT_NE(m_Box.texts[0].find(c.range), std::string::npos) << m_Box.texts[0];
    }
}

TEST_F(CreateLoudnessPageTest, AppliedOnceAfterAnEdit)
{
    Page page(ELoudnessFamily::QZX2202, kLoudnessEQBased);
    Type(page, {{Page::IDC_EQ_GAIN, "6"},
                {Page::IDC_BANDWIDTH, "200"},
                {Page::IDC_CENTER_FREQUENCY, "1000"}});
    std::string name;
    EXPECT_FALSE(page.Apply(m_2202, name).has_value());
    EXPECT_EQ(name, "LDEQ-1");
    EXPECT_FALSE(page.Apply(m_2202, name).has_value());
    EXPECT_EQ(name, "");
    ASSERT_EQ(m_2202.List(kLoudnessEQBased)->GetSize(), 1);
    const CLoudnessInfo& r = *m_2202.List(kLoudnessEQBased)->GetAt(0);
    EXPECT_EQ(r.m_dFilterGain, 6.0);
    EXPECT_EQ(r.m_dBandwidth, 200.0);
    EXPECT_EQ(r.m_dCenterFrequency, 1000.0);
    // The scaling values the QZX2202 page carries but never shows are set.
    EXPECT_EQ(r.m_dOffset, 0.0);
    EXPECT_EQ(r.m_dGain, 1.0);
}

TEST_F(CreateLoudnessPageTest, HexAndDecimalConvertOnceAndOnlyReadableTexts)
{
    Page page(ELoudnessFamily::QZX2202, kLoudnessCoeff);
    Type(page, {{Page::IDC_COEFF_1, "1"},
                {Page::IDC_COEFF_1 + 1, "-1"},
                {Page::IDC_COEFF_1 + 2, "0.5"},
                {Page::IDC_COEFF_1 + 3, "0"},
                {Page::IDC_COEFF_1 + 4, "0.25"}});
    ASSERT_FALSE(page.OnHex().has_value());
    const std::vector<std::string> words = {"100000", "F00000", "080000", "000000", "040000"};
    EXPECT_EQ(Coefficients(page), words);
    // The choice already made converts nothing.
    ASSERT_FALSE(page.OnHex().has_value());
    EXPECT_EQ(Coefficients(page), words);
    ASSERT_FALSE(page.OnDecimal().has_value());
    EXPECT_EQ(page.GetText(Page::IDC_COEFF_1), " 1.000000000000000");
    EXPECT_EQ(page.GetText(Page::IDC_COEFF_1 + 1), "-1.000000000000000");
    ASSERT_FALSE(page.OnDecimal().has_value());
    EXPECT_EQ(page.GetText(Page::IDC_COEFF_1 + 4), " 0.250000000000000");

    // A coefficient that cannot be read stops the conversion: nothing changes.
    page.OnEdited(Page::IDC_COEFF_1 + 3, "zero");
    const std::vector<std::string> typed = Coefficients(page);
    const auto refusal = page.OnHex();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->nId, Page::IDC_COEFF_1 + 3);
    EXPECT_EQ(Coefficients(page), typed);
    EXPECT_FALSE(page.IsHex());
    // Outside the device word: refused as well.
    page.OnEdited(Page::IDC_COEFF_1 + 3, "9");
    EXPECT_TRUE(page.OnHex().has_value());
    EXPECT_EQ(page.GetText(Page::IDC_COEFF_1), typed[0]);
}

TEST_F(CreateLoudnessPageTest, WordsOfThePagesOwnFamily)
{
    Page page(ELoudnessFamily::QZX241X, kLoudnessCoeff);
    Type(page, {{Page::IDC_COEFF_1, "0.5"},
                {Page::IDC_COEFF_1 + 1, "-1"},
                {Page::IDC_COEFF_1 + 2, "0"},
                {Page::IDC_COEFF_1 + 3, "0.25"},
                {Page::IDC_COEFF_1 + 4, "0"}});
    ASSERT_FALSE(page.OnHex().has_value());
    EXPECT_EQ(Coefficients(page),
              (std::vector<std::string>{"00 40 00 00", "FF 80 00 00", "00 00 00 00", "FF E0 00 00",
                                        "00 00 00 00"}));
    // Applied as words: the family's reading, A1 negated back.
    std::string name;
    ASSERT_FALSE(page.Apply(m_2410, name).has_value());
    ASSERT_EQ(name, "LDC-1");
    const CLoudnessInfo& r = *m_2410.List(kLoudnessCoeff)->GetAt(0);
    EXPECT_EQ(r.m_dB0, 0.5);
    EXPECT_EQ(r.m_dB1, -1.0);
    EXPECT_EQ(r.m_dA1, 0.25);
    ASSERT_FALSE(page.OnDecimal().has_value());
    EXPECT_EQ(page.GetText(Page::IDC_COEFF_1 + 3), " 0.250000000000000");

    // A word no device word is (08 00 00 00 would read 16.0) is refused, not read.
    ASSERT_FALSE(page.OnHex().has_value());
    page.OnEdited(Page::IDC_COEFF_1 + 2, "08 00 00 00");
    const auto refusal = page.OnDecimal();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->nId, Page::IDC_COEFF_1 + 2);
    EXPECT_TRUE(page.IsHex());
}

TEST_F(CreateLoudnessPageTest, FamilyPagesFileTheirScalingValuesUnderTheNewName)
{
    Page page(ELoudnessFamily::QZX241X, kLoudnessTrebleBased);
    Type(page, {{Page::IDC_TREBLE_GAIN, "6"},
                {Page::IDC_CUT_FREQUENCY, "5000"},
                {Page::IDC_LOG_SPACE_GAIN, "0.75"},
                {Page::IDC_LOG_SPACE_OFFSET, "0.125"},
                {Page::IDC_GAIN, "2"},
                {Page::IDC_OFFSET, "-1"}});
    std::string name;
    ASSERT_FALSE(page.Apply(m_2410, name).has_value());
    EXPECT_EQ(name, "LDTS-1");
    const CLoudnessGainOffset* pScaling =
        m_2410.FindGainOffset(m_2410.GainOffsets(kLoudnessTrebleBased), name);
    ASSERT_NE(pScaling, nullptr);
    EXPECT_EQ(pScaling->m_dLogSpaceGain, 0.75);
    EXPECT_EQ(pScaling->m_dLogSpaceOffset, 0.125);
    EXPECT_EQ(pScaling->m_dGain, 2.0);
    EXPECT_EQ(pScaling->m_dOffset, -1.0);

    for (const char* volume : {"16", "-0.1"})
    {
        page.OnEdited(Page::IDC_PLOT_VOLUME, volume);
        const auto refusal = page.Apply(m_2410, name);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->nId, Page::IDC_PLOT_VOLUME);
    }
    for (const char* volume : {"15.99999988079071", "0"})
    {
        page.OnEdited(Page::IDC_PLOT_VOLUME, volume);
        EXPECT_FALSE(page.Apply(m_2410, name).has_value()) << volume;
    }
    EXPECT_EQ(m_2410.List(kLoudnessTrebleBased)->GetSize(), 3);
}

TEST_F(CreateLoudnessPageTest, CalculatePlotGainOnlyForAPlotVolumeInItsRangeAboveZero)
{
    m_bQZX6060 = true;
    Page page(ELoudnessFamily::QZX241X, kLoudnessEQBased, true);
    Type(page, {{Page::IDC_LOG_SPACE_GAIN, "0"}, {Page::IDC_GAIN, "10"}});
    for (const char* volume : {"0", "16", "x"})
    {
        page.OnEdited(Page::IDC_PLOT_VOLUME, volume);
        const auto refusal = page.OnCalculatePlotGain(m_2410);
        ASSERT_TRUE(refusal.has_value()) << volume;
        EXPECT_EQ(refusal->nId, Page::IDC_PLOT_VOLUME);
        EXPECT_EQ(page.GetText(Page::IDC_PLOT_GAIN), "1");
    }
    page.OnEdited(Page::IDC_PLOT_VOLUME, "1");
    ASSERT_FALSE(page.OnCalculatePlotGain(m_2410).has_value());
    EXPECT_EQ(page.GetText(Page::IDC_PLOT_GAIN), "10");
    page.OnEdited(Page::IDC_GAIN, "20");
    ASSERT_FALSE(page.OnCalculatePlotGain(m_2410).has_value());
    EXPECT_EQ(page.GetText(Page::IDC_PLOT_GAIN), "15.5");
    EXPECT_EQ(page.GetText(Page::IDC_BANDWIDTH), "0");

    Page qzx2202(ELoudnessFamily::QZX2202, kLoudnessEQBased);
    EXPECT_TRUE(qzx2202.OnCalculatePlotGain(m_2202).has_value());
}

TEST_F(CreateLoudnessPageTest, FilledFromAFilterAddsANewOneAndLeavesTheRecord)
{
    std::string name;
    ASSERT_TRUE(m_2410.AddBaseTypeCoefficients(1, 0.5, 0.25, -0.5, 0.125, 2, 3, name));
    ASSERT_TRUE(m_2410.AddGainOffset(0.5, 0.25, 4, 5, name));
    const CLoudnessInfo* pRecord = m_2410.List(kLoudnessBaseTypeCoeff)->GetAt(0);
    Page page(ELoudnessFamily::QZX241X, kLoudnessBaseTypeCoeff);
    ASSERT_TRUE(page.SetLoudnessInfo(
        pRecord, m_2410.FindGainOffset(m_2410.GainOffsets(kLoudnessBaseTypeCoeff), name)));
    EXPECT_EQ(page.GetText(Page::IDC_COEFF_1 + 1), " 0.500000000000000");
    EXPECT_EQ(page.GetText(Page::IDC_PLOT_VOLUME), "3");
    EXPECT_EQ(page.GetText(Page::IDC_OFFSET), "5");
    EXPECT_FALSE(page.IsModified());
    page.OnEdited(Page::IDC_PLOT_GAIN, "1");
    std::string added;
    ASSERT_FALSE(page.Apply(m_2410, added).has_value());
    EXPECT_EQ(added, "LDBC-2");
    EXPECT_EQ(pRecord->m_dPlotGain, 2.0);
    EXPECT_EQ(m_2410.List(kLoudnessBaseTypeCoeff)->GetAt(1)->m_dBaseCoeff2, 0.5);

    CAssertionRecorder checks;
    Page empty(ELoudnessFamily::QZX2202, kLoudnessEQBased);
    EXPECT_FALSE(empty.SetLoudnessInfo(nullptr, nullptr));
    EXPECT_EQ(checks.Expressions().size(), 1u);
}
