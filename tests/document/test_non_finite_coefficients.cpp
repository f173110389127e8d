// The filter coefficient file refuses a design that cannot be designed: a filter of the
// grids or a calculated filter that the one design check refuses (sections that are no
// numbers, poles on the unit circle, band edges out of order), or a filter of the additive
// restart whose response is no finite number, is named with why, no path is asked for, and
// the older file stays, from the menu and on closing.
#include "tests/document/DocumentFixture.h"
#include "tests/support/MatrixRow.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

namespace
{
const std::string kRaw = "t\nh\n100 -6 90\n1000 0 170\n10000 6 190\n";
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class NonFiniteCoefficientsTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        ASSERT_TRUE(Open("spk.raw", kRaw));
        doc->m_FiltersInGridMode.TurnOn();
        Parse<CDigEQFilter>(doc->m_FilterLists.m_EQFilters,
                            "EQ-1, -3.000000, 100.000000, 1000.000000, No, Yes, 1");
        doc->m_CoefficientFile.SetName(folder.Path("spk.flt"));
        WriteFileBytes(folder.Path("spk.flt"), "older coefficients\r\n");
    }
    template <class TFilter, class TList> void Parse(TList& list, const char* line)
    {
        ASSERT_TRUE(list.Add(std::make_unique<TFilter>())->Parse(line, 48000));
    }
    std::string Older() const { return ReadFileBytes(folder.Path("spk.flt")); }
};
} // namespace

// Each source of the file's rows, with a section that is "nan", infinite or unstable
// although its parameters are numbers (a cut-off of 0 Hz, a gain of 1e300 dB or -1e308 dB,
// a High Plateau whose lower band edge is above its upper), or rows that are not.
TEST_F(NonFiniteCoefficientsTest, SaveAndSaveAsNameTheFiltersAndWriteNothing)
{
    const struct
    {
        const char* refusal;
        std::function<void(CMorvaneDoc&)> add;
    } cases[] = {
        {"The filter coefficient file was not written.  These filters cannot be designed from "
         "their parameters:\n\nHPB-2: the Cut Frequency must be above 0 Hz and "
         "below half the sample rate (24000 Hz).\n\nCorrect them in the filter editor.",
         [this](CMorvaneDoc& d)
         { Parse<CDigHighPass_B>(d.m_FilterLists.m_HighPass_BFilters, "HPB-2, 0.0, Yes, 2"); }},
        {"The filter coefficient file was not written.  These filters cannot be designed from "
         "their parameters:\n\nVQHP-1: the Q must be above 0.\n\nCorrect them in the filter "
         "editor.",
         [this](CMorvaneDoc& d)
         {
             // A Q of 0: a denominator of "nan". The inactive one is not written.
             Parse<CDigGenericFilter>(d.m_FilterLists.m_HighVariQFilters,
                                      "VQHP-1, 100.0, 0.0, Yes, 2");
             Parse<CDigGenericFilter>(d.m_FilterLists.m_LowVariQFilters,
                                      "VQLP-1, 100.0, 0.0, No, 3");
         }},
        {"The filter coefficient file was not written.  These filters cannot be designed from "
         "their parameters:\n\nEQ-100: its parameters give no stable filter section.\n\nCorrect "
         "them in the filter editor.",
         [](CMorvaneDoc& d)
         {
             d.m_EQParameters =
                 mwMatrix(1, 4, std::vector<double>{1, 1e300, 100, 1000}.data(), nullptr, 1);
             d.CreateEQFiltersFromResults();
         }},
        {"The filter coefficient file was not written.  These filters cannot be designed from "
         "their parameters:\n\nEQ-2: its parameters give no stable filter section.\n\nCorrect them "
         "in the filter editor.",
         [this](CMorvaneDoc& d)
         {
             // Finite coefficients, poles on the unit circle.
             Parse<CDigEQFilter>(d.m_FilterLists.m_EQFilters,
                                 "EQ-2, -1e308, 1.0, 1000.0, No, Yes, 2");
         }},
        {"The filter coefficient file was not written.  These filters cannot be designed from "
         "their parameters:\n\nHIPT-1: the Lower Bandedge must be "
         "below the Upper Bandedge.\n\nCorrect them in the filter editor.",
         [this](CMorvaneDoc& d)
         {
             Parse<CDigGenericFilter>(d.m_FilterLists.m_HighPlateauFilters,
                                      "HIPT-1, 3.0, 2000.0, 1000.0, Yes, 4");
         }},
        {"The filter coefficient file was not written.  These filters cannot be designed from "
         "their parameters:\n\nHPB-2: the Cut Frequency must be above 0 Hz and "
         "below half the sample rate (24000 Hz).\nfilter 1 of the additive restart: its "
         "coefficients give a response that is not a finite number at every frequency."
         "\n\nCorrect them in the filter editor.",
         [this](CMorvaneDoc& d)
         {
             Parse<CDigHighPass_B>(d.m_FilterLists.m_HighPass_BFilters, "HPB-2, 0.0, Yes, 2");
             d.m_RestartNumerators.Add(Row({kNaN, 0.0, 0.0}));
             d.m_RestartDenominators.Add(Row({1.0, -kInf, 0.5}));
         }},
        {"The filter coefficient file was not written.  These filters cannot be designed from "
         "their parameters:\n\nfilter 1 of the additive restart: its coefficients "
         "give a response that is not a finite number at every frequency.\n\nCorrect them in the "
         "filter editor.",
         [](CMorvaneDoc& d)
         {
             // Finite coefficients, an a0 of 0.
             d.m_RestartNumerators.Add(Row({1.0, 0.0, 0.0}));
             d.m_RestartDenominators.Add(Row({0.0, 0.0, 0.0}));
         }},
    };
    for (const auto& c : cases)
    {
        c.add(*doc);
        for (const bool bAsk : {false, true})
        {
            messages.texts.clear();
            dialogs.answers = {folder.Path("chosen.flt")};
            EXPECT_FALSE(doc->SaveFilterCoefficients(bAsk)) << c.refusal;
            EXPECT_EQ(messages.texts, std::vector<std::string>{c.refusal}) << c.refusal;
            EXPECT_TRUE(dialogs.requests.empty()) << c.refusal;
            EXPECT_EQ(Older(), "older coefficients\r\n") << c.refusal;
            EXPECT_FALSE(std::filesystem::exists(folder.Path("chosen.flt")));
            EXPECT_EQ(doc->m_CoefficientFile.GetName(), folder.Path("spk.flt"));
        }
        doc->m_FilterLists.m_HighPass_BFilters.RemoveAll();
        doc->m_FilterLists.m_HighVariQFilters.RemoveAll();
        doc->m_FilterLists.m_HighPlateauFilters.RemoveAll();
        while (doc->m_FilterLists.m_EQFilters.GetSize() > 1)
            doc->m_FilterLists.m_EQFilters.RemoveAt(1);
        doc->m_CalculatedEQFilters.RemoveAll();
        doc->m_RestartNumerators.RemoveAll();
        doc->m_RestartDenominators.RemoveAll();
    }
    // Of finite sections only, the file is written.
    messages.texts.clear();
    EXPECT_TRUE(doc->SaveFilterCoefficients(false));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Older().find("nan"), std::string::npos);
    EXPECT_NE(Older().find("H(Z) = B(Z)/A(Z)"), std::string::npos);
}

// On closing, the refused file keeps the document open with its mark, and the user is
// told once.
TEST_F(NonFiniteCoefficientsTest, ClosingKeepsTheDocumentOpenAndTheOlderFile)
{
    Parse<CDigHighPass_B>(doc->m_FilterLists.m_HighPass_BFilters, "HPB-2, 0.0, Yes, 2");
    doc->m_CoefficientFile.MarkNewContent();
    app.onSaveFiles = [](CSaveFilesChoice&) { return 1; };
    EXPECT_FALSE(doc->SaveModified());
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{
                  "The filter coefficient file was not written.  These filters cannot be "
                  "designed from their parameters:\n\nHPB-2: the Cut Frequency must be above 0 "
                  "Hz and below half the sample rate (24000 Hz).\n\nCorrect them in the filter "
                  "editor."});
    EXPECT_EQ(Older(), "older coefficients\r\n");
    EXPECT_TRUE(doc->m_CoefficientFile.m_ChangedMode.IsOn());
}
