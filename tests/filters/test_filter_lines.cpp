// The text line of every filter kind: golden lines in the C format, parsing them back,
// and the parser's behaviour on short, long and odd lines.
#include "../graph/AssertionCapture.h"
#include "filters/FilterLists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace
{
constexpr int kFs = 48000;

// A filter of class T with the record filled by fill, then label, modes and order set
// through the setters the editor pages use.
template <class T>
std::unique_ptr<CDigFilterBase> Build(const char* label,
                                      const std::function<void(typename T::Params&)>& fill,
                                      bool active, int order, bool modifiable = false)
{
    auto filter = std::make_unique<T>();
    typename T::Params params;
    fill(params);
    SetScalar(params.m_SampleRate, kFs);
    filter->SetParameters(params);
    EXPECT_TRUE(filter->SetLabel(label)) << label;
    filter->m_ActiveMode.SetState(active ? 1 : 0);
    filter->m_ModifiableMode.SetState(modifiable ? 1 : 0);
    EXPECT_TRUE(filter->SetOutputOrder(order));
    return filter;
}

std::function<void(CDigGenericFilterParams&)> Generic(int kind, double p0, double p1, double p2)
{
    return [=](CDigGenericFilterParams& p)
    {
        p.m_nKind = kind;
        p.m_nParamCount = kind <= kKindHIPT ? 3 : 2;
        SetScalar(p.m_Params[0], p0);
        SetScalar(p.m_Params[1], p1);
        SetScalar(p.m_Params[2], p2);
    };
}

template <class T> std::function<void(typename T::Params&)> Cut(double cut)
{
    return [=](typename T::Params& p) { SetScalar(p.m_CutFrequency, cut); };
}

template <class T> std::function<void(typename T::Params&)> CutRipple(double cut, double ripple)
{
    return [=](typename T::Params& p)
    {
        SetScalar(p.m_CutFrequency, cut);
        SetScalar(p.m_PassbandRipple, ripple);
    };
}

template <class T> std::function<void(typename T::Params&)> Shelf(double gain, double cut)
{
    return [=](typename T::Params& p)
    {
        SetScalar(p.m_Gain, gain);
        SetScalar(p.m_CutFrequency, cut);
    };
}

struct GoldenCase
{
    const char* line;
    std::function<std::unique_ptr<CDigFilterBase>()> build; // through the setters
    std::function<std::unique_ptr<CDigFilterBase>()> make;  // an empty filter of the class
};

template <class T> std::function<std::unique_ptr<CDigFilterBase>()> Empty()
{
    return [] { return std::make_unique<T>(); };
}

const std::vector<GoldenCase>& GoldenCases()
{
    static const std::vector<GoldenCase> cases{
        {"EQ-3, -3.500000, 120.000000, 1000.000000, Yes, No, 2\n",
         []
         {
             return Build<CDigEQFilter>(
                 "EQ-3",
                 [](CDigEQFilterParams& p)
                 {
                     SetScalar(p.m_Gain, -3.5);
                     SetScalar(p.m_Bandwidth, 120);
                     SetScalar(p.m_CenterFrequency, 1000);
                 },
                 false, 2, true);
         },
         Empty<CDigEQFilter>()},
        {"TS-1, 6.000000, 8000.000000, Yes, 1\n",
         [] { return Build<CDigTrebleShelf>("TS-1", Shelf<CDigTrebleShelf>(6, 8000), true, 1); },
         Empty<CDigTrebleShelf>()},
        {"BS-2, -12.000000, 100.000000, No, 3\n",
         [] { return Build<CDigBassShelf>("BS-2", Shelf<CDigBassShelf>(-12, 100), false, 3); },
         Empty<CDigBassShelf>()},
        {"HPB-2, 120.000000, Yes, 3\n",
         [] { return Build<CDigHighPass_B>("HPB-2", Cut<CDigHighPass_B>(120), true, 3); },
         Empty<CDigHighPass_B>()},
        {"HPLR-1, 80.000000, Yes, 4\n",
         [] { return Build<CDigHighPass_LR>("HPLR-1", Cut<CDigHighPass_LR>(80), true, 4); },
         Empty<CDigHighPass_LR>()},
        {"LPB-1, 2500.000000, No, 4\n",
         [] { return Build<CDigLowPass_B>("LPB-1", Cut<CDigLowPass_B>(2500), false, 4); },
         Empty<CDigLowPass_B>()},
        {"LPLR-7, 3000.000000, Yes, 5\n",
         [] { return Build<CDigLowPass_LR>("LPLR-7", Cut<CDigLowPass_LR>(3000), true, 5); },
         Empty<CDigLowPass_LR>()},
        {"NT-1, 50.000000, 1000.000000, Yes, 6\n",
         []
         {
             return Build<CDigNotch>(
                 "NT-1",
                 [](CDigNotchParams& p)
                 {
                     SetScalar(p.m_Bandwidth, 50);
                     SetScalar(p.m_CutFrequency, 1000);
                 },
                 true, 6);
         },
         Empty<CDigNotch>()},
        {"C1HP-1, 200.000000, 0.500000, Yes, 7\n",
         [] { return Build<CDigCheby_1HP>("C1HP-1", CutRipple<CDigCheby_1HP>(200, 0.5), true, 7); },
         Empty<CDigCheby_1HP>()},
        {"C1LP-2, 5000.000000, 1.250000, No, 8\n",
         []
         { return Build<CDigCheby_1LP>("C1LP-2", CutRipple<CDigCheby_1LP>(5000, 1.25), false, 8); },
         Empty<CDigCheby_1LP>()},
        {"B1HP-1, 30.000000, Yes, 9\n",
         [] { return Build<CDigButterworth_1HP>("B1HP-1", Cut<CDigButterworth_1HP>(30), true, 9); },
         Empty<CDigButterworth_1HP>()},
        {"B1LP-1, 15000.000000, Yes, 10\n",
         [] {
             return Build<CDigButterworth_1LP>("B1LP-1", Cut<CDigButterworth_1LP>(15000), true, 10);
         },
         Empty<CDigButterworth_1LP>()},
        {"LOPT-1, 4.000000, 100.000000, 400.000000, Yes, 11\n",
         []
         { return Build<CDigGenericFilter>("LOPT-1", Generic(kKindLOPT, 4, 100, 400), true, 11); },
         Empty<CDigGenericFilter>()},
        {"HIPT-1, -2.500000, 2000.000000, 8000.000000, No, 12\n",
         [] {
             return Build<CDigGenericFilter>("HIPT-1", Generic(kKindHIPT, -2.5, 2000, 8000), false,
                                             12);
         },
         Empty<CDigGenericFilter>()},
        {"VQHP-1, 60.000000, 0.707000, Yes, 13\n",
         [] {
             return Build<CDigGenericFilter>("VQHP-1", Generic(kKindVQHP, 60, 0.707, 99), true, 13);
         },
         Empty<CDigGenericFilter>()},
        {"VQLP-1, 12000.000000, 1.500000, Yes, 14\n",
         [] {
             return Build<CDigGenericFilter>("VQLP-1", Generic(kKindVQLP, 12000, 1.5, 99), true,
                                             14);
         },
         Empty<CDigGenericFilter>()},
        {"ALPS-3, 200.000000, 1500.000000, Yes, 15\n",
         [] {
             return Build<CDigGenericFilter>("ALPS-3", Generic(kKindALPS, 200, 1500, 99), true, 15);
         },
         Empty<CDigGenericFilter>()},
    };
    return cases;
}

std::string LineOf(CDigFilterBase& filter)
{
    std::string line;
    EXPECT_TRUE(filter.FormatLine(line));
    return line;
}
} // namespace

TEST(FilterLines, EveryKindFormatsItsGoldenLine)
{
    ASSERT_EQ(GoldenCases().size(), 17u);
    for (const GoldenCase& c : GoldenCases())
    {
        auto filter = c.build();
        EXPECT_EQ(LineOf(*filter), c.line);
        EXPECT_EQ(filter->GetLineBuffer(), c.line);
    }
}

TEST(FilterLines, EveryGoldenLineParsesBackToItself)
{
    for (const GoldenCase& c : GoldenCases())
    {
        auto filter = c.make();
        EXPECT_TRUE(filter->Parse(c.line, kFs)) << c.line;
        EXPECT_EQ(LineOf(*filter), c.line);
    }
}

TEST(FilterLines, ParsedValuesLandInTheRightMembers)
{
    CDigEQFilter eq;
    eq.Parse("EQ-3, -3.500000, 120.000000, 1000.000000, Yes, No, 2", kFs);
    EXPECT_EQ(eq.GetLabel(), "EQ-3");
    EXPECT_DOUBLE_EQ(eq.GetGain(), -3.5);
    EXPECT_DOUBLE_EQ(eq.GetBandwidth(), 120);
    EXPECT_DOUBLE_EQ(eq.GetCenterFrequency(), 1000);
    EXPECT_TRUE(eq.m_ModifiableMode.IsOn());
    EXPECT_FALSE(eq.m_ActiveMode.IsOn());
    EXPECT_EQ(eq.GetOutputOrder(), 2);
    EXPECT_DOUBLE_EQ(ScalarValue(eq.GetParameters().m_SampleRate), kFs);
    EXPECT_TRUE(eq.IsInitialized());

    CDigNotch notch;
    notch.Parse("NT-1, 50.000000, 1000.000000, Yes, 6", 44100);
    EXPECT_DOUBLE_EQ(notch.GetBandwidth(), 50);
    EXPECT_DOUBLE_EQ(notch.GetCutFrequency(), 1000);
    EXPECT_DOUBLE_EQ(ScalarValue(notch.GetParameters().m_SampleRate), 44100);

    CDigCheby_1HP cheby;
    cheby.Parse("C1HP-1, 200.000000, 0.500000, Yes, 7", kFs);
    EXPECT_DOUBLE_EQ(cheby.GetCutFrequency(), 200);
    EXPECT_DOUBLE_EQ(cheby.GetPassbandRipple(), 0.5);

    CDigGenericFilter generic;
    EXPECT_TRUE(generic.Parse("VQLP-4, 12000.000000, 1.500000, Yes, 14", kFs));
    EXPECT_EQ(generic.GetKind(), kKindVQLP);
    EXPECT_EQ(generic.GetParamCount(), 2);
    EXPECT_DOUBLE_EQ(generic.GetParam(0), 12000);
    EXPECT_DOUBLE_EQ(generic.GetParam(1), 1.5);
    EXPECT_EQ(generic.GetPrefix(), "VQLP-");
}

// A mode reads "Yes" or "No" whole, in any letter case; any other text ("eyes", "Maybe",
// "1", a blank field before the order) is no mode: the mode is off and the line's fault
// names the field. Read as "contains YES", "eyes" was on and "Maybe" off.
TEST(FilterLines, AModeFieldReadsYesOrNoWholeOrIsTheLinesFault)
{
    using EKind = CDigFilterBase::CFieldFault::EKind;
    const struct
    {
        const char* field;
        bool active;
        bool fault;
    } cases[] = {{"yes", true, false},   {" YES", true, false}, {"Yes", true, false},
                 {"Y", true, false},     {"No", false, false},  {"n", false, false},
                 {"eyes", false, true},  {"", false, true},     {"1", false, true},
                 {"Maybe", false, true}, {"Yes!", false, true}, {"No way", false, true}};
    for (const auto& c : cases)
    {
        CDigHighPass_B filter;
        filter.Parse(std::string("HPB-1, 100,") + c.field + ", 2", kFs);
        EXPECT_EQ(filter.m_ActiveMode.IsOn() != 0, c.active) << c.field;
        const CDigFilterBase::CFieldFault& fault = filter.GetFieldFault();
        EXPECT_EQ(fault.kind, c.fault ? EKind::kNotYesNo : EKind::kNone) << c.field;
        EXPECT_EQ(filter.FindLineFault() == CDigFilterBase::ELineFault::kFieldNotRead, c.fault)
            << c.field;
        if (c.fault)
        {
            EXPECT_EQ(fault.nField, 2) << c.field;
            EXPECT_EQ(fault.text, std::string(c.field).substr(c.field[0] == ' ')) << c.field;
        }
        EXPECT_EQ(filter.GetOutputOrder(), 2) << c.field;
    }
}

// Every field of every kind's line is read whole as what it stands for: a parameter that is
// not one finite number, a mode that is neither Yes nor No, a number with a decimal comma
// is the line's fault at that field, and the fields after it are still read.
TEST(FilterLines, EveryFieldOfEveryKindReadsWholeOrIsTheLinesFault)
{
    using EKind = CDigFilterBase::CFieldFault::EKind;
    const char* const notNumbers[] = {"abc", "-3.5dB", "1000Hz", "1.0.5", "nan",
                                      "inf", "1e400",  "0x10",   "--1",   "1 2"};
    for (const GoldenCase& c : GoldenCases())
    {
        std::string golden = c.line;
        golden.pop_back(); // its line feed
        std::vector<std::string> fields;
        for (std::size_t start = 0;;)
        {
            const std::size_t comma = golden.find(", ", start);
            fields.push_back(
                golden.substr(start, comma == std::string::npos ? comma : comma - start));
            if (comma == std::string::npos)
                break;
            start = comma + 2;
        }
        const std::size_t nReals = c.make()->GetParameterValues().size() == 0
                                       ? fields.size() - 3 // a generic filter before its Parse
                                       : c.make()->GetParameterValues().size();
        const auto withField = [&](std::size_t f, const std::string& text)
        {
            std::string line;
            for (std::size_t i = 0; i < fields.size(); ++i)
                line += (i ? ", " : "") + (i == f ? text : fields[i]);
            return line;
        };
        for (std::size_t f = 1; f + 1 < fields.size(); ++f)
        {
            const bool bMode = f > nReals;
            for (const std::string& bad :
                 bMode ? std::vector<std::string>{"Maybe", "1", "eyes", ""}
                       : std::vector<std::string>(std::begin(notNumbers), std::end(notNumbers)))
            {
                auto filter = c.make();
                const std::string line = withField(f, bad);
                filter->Parse(line, kFs);
                const CDigFilterBase::CFieldFault& fault = filter->GetFieldFault();
                EXPECT_EQ(fault.kind, bMode ? EKind::kNotYesNo : EKind::kNotNumber) << line;
                EXPECT_EQ(fault.nField, int(f)) << line;
                EXPECT_EQ(fault.text, bad) << line;
                EXPECT_EQ(filter->FindLineFault(), CDigFilterBase::ELineFault::kFieldNotRead)
                    << line;
                EXPECT_EQ(filter->GetOutputOrder(), std::stoi(fields.back())) << line;
                if (!bMode)
                {
                    EXPECT_FALSE(filter->HasFiniteParameters()) << line;
                }
            }
            if (bMode)
                continue;
            // The number written with a decimal comma: one field more than the kind reads.
            std::string comma = fields[f];
            comma[comma.find('.')] = ',';
            auto filter = c.make();
            const std::string line = withField(f, comma);
            filter->Parse(line, kFs);
            EXPECT_EQ(filter->GetFieldFault().kind, EKind::kDecimalComma) << line;
            EXPECT_EQ(filter->GetFieldFault().nField, int(f)) << line;
            EXPECT_EQ(filter->GetFieldFault().text, comma) << line;
        }
        // The golden line itself has no fault.
        auto filter = c.make();
        filter->Parse(golden, kFs);
        EXPECT_EQ(filter->GetFieldFault().kind, EKind::kNone) << golden;
        EXPECT_EQ(filter->FindLineFault(), CDigFilterBase::ELineFault::kNone) << golden;
    }
}

// Commas stay separators where the line does not separate its fields with ", ", or holds no
// more fields than the kind reads: such a line reads as its fields say.
TEST(FilterLines, ACommaBetweenDigitsIsADecimalCommaOnlyWhereTheLineShowsIt)
{
    using EKind = CDigFilterBase::CFieldFault::EKind;
    const struct
    {
        const char* line;
        EKind kind;
        int nField;
    } cases[] = {
        {"EQ-1, -3,5, 200.0, 1000.0, Yes, Yes, 1", EKind::kDecimalComma, 1},
        {"EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1,5", EKind::kDecimalComma, 6},
        {"EQ-1,-3,200,1000,Yes,Yes,1", EKind::kNone, 0},
        {"EQ-1,-3,5,200,1000,Yes,Yes,1", EKind::kNotYesNo, 4},
        {"EQ-1, -3.0,200.0, 1000.0, Yes, Yes, 1", EKind::kNone, 0},
        {"EQ-1, -3,5, 200.0, 1000.0, Yes, Yes", EKind::kNotYesNo, 4},
        {"EQ-1,5, -3.0, 200.0, 1000.0, Yes, Yes, 1", EKind::kNotYesNo, 4},
    };
    for (const auto& c : cases)
    {
        CDigEQFilter filter;
        filter.Parse(c.line, kFs);
        EXPECT_EQ(filter.GetFieldFault().kind, c.kind) << c.line;
        if (c.kind != EKind::kNone)
        {
            EXPECT_EQ(filter.GetFieldFault().nField, c.nField) << c.line;
        }
    }
}

TEST(FilterLines, ShortLinesReadZerosNeverTheLabel)
{
    // A line ending after the cut frequency: inactive, order 0, ripple 0.
    CDigCheby_1LP cheby;
    EXPECT_TRUE(cheby.Parse("C1LP-2, 5000.0", kFs));
    EXPECT_DOUBLE_EQ(cheby.GetCutFrequency(), 5000);
    EXPECT_DOUBLE_EQ(cheby.GetPassbandRipple(), 0);
    EXPECT_FALSE(cheby.m_ActiveMode.IsOn());
    EXPECT_EQ(cheby.GetOutputOrder(), 0);

    // A label holding "YES" and a number must not leak into missing fields.
    CDigEQFilter eq;
    eq.Parse("EQ-5YES", kFs);
    EXPECT_EQ(eq.GetLabel(), "EQ-5YES");
    EXPECT_DOUBLE_EQ(eq.GetGain(), 0);
    EXPECT_FALSE(eq.m_ModifiableMode.IsOn());
    EXPECT_FALSE(eq.m_ActiveMode.IsOn());
    EXPECT_EQ(eq.GetOutputOrder(), 0);
    EXPECT_TRUE(eq.IsInitialized());

    CDigHighPass_B empty;
    empty.Parse("", kFs);
    EXPECT_EQ(empty.GetLabel(), "");
    EXPECT_DOUBLE_EQ(empty.GetCutFrequency(), 0);
    EXPECT_FALSE(empty.m_ActiveMode.IsOn());
}

TEST(FilterLines, ParseTakesWhatTheFieldsHold)
{
    CDigLowPass_LR filter;
    // Extra fields are ignored; a label without the prefix is kept; order 0 and below
    // are stored as read; a field without a number reads as none, and is the line's fault.
    filter.Parse("  Woofer, abc, Yes, -3, 17, extra", kFs);
    EXPECT_EQ(filter.GetLabel(), "  Woofer");
    EXPECT_TRUE(std::isnan(filter.GetCutFrequency()));
    EXPECT_EQ(filter.GetFieldFault().text, "abc");
    EXPECT_TRUE(filter.m_ActiveMode.IsOn());
    EXPECT_EQ(filter.GetOutputOrder(), -3);
    EXPECT_FALSE(filter.HasWholeOutputOrder());
    filter.Parse("LPLR-1,1e3,Yes,0", kFs);
    EXPECT_DOUBLE_EQ(filter.GetCutFrequency(), 1000);
    EXPECT_EQ(filter.GetOutputOrder(), 0);
    filter.Parse("LPLR-1, 1, Yes, 99999999999", kFs);
    EXPECT_EQ(filter.GetOutputOrder(), 2147483647);
}

TEST(FilterLines, GenericParseRefusesALabelWithoutAGenericPrefix)
{
    CDigGenericFilter filter;
    EXPECT_FALSE(filter.Parse("EQ-3, 1, 2, Yes, 4", kFs));
    EXPECT_EQ(filter.GetLabel(), "EQ-3");
    EXPECT_FALSE(filter.IsInitialized());
    EXPECT_EQ(filter.GetPrefix(), "?");
    // A generic filter of an unknown kind writes no parameter.
    std::string line;
    filter.FormatLine(line);
    EXPECT_EQ(line, "EQ-3, Yes, 0\n");
}

TEST(FilterLines, NewFilterStartsNamedErrorWithItsPrefix)
{
    CDigEQFilter eq;
    EXPECT_EQ(eq.GetLabel(), "Error");
    EXPECT_EQ(eq.GetPrefix(), "EQ-");
    EXPECT_TRUE(eq.m_ActiveMode.IsOn());
    EXPECT_FALSE(eq.m_ModifiableMode.IsOn());
    EXPECT_EQ(eq.GetLabelNumber(), 0);
    EXPECT_FALSE(eq.IsInitialized());
    EXPECT_TRUE(eq.GetA()->IsEmpty());
    EXPECT_TRUE(eq.GetB()->IsEmpty());
}

TEST(FilterLines, LabelAndOrderSetters)
{
    CDigHighPass_LR filter;
    EXPECT_TRUE(filter.SetLabel("HPLR-3"));
    EXPECT_FALSE(filter.SetLabel("HPB-3"));
    EXPECT_EQ(filter.GetLabel(), "HPLR-3");
    EXPECT_FALSE(filter.SetLabelNumber(0));
    EXPECT_TRUE(filter.SetLabelNumber(9));
    EXPECT_EQ(filter.GetLabel(), "HPLR-9");
    EXPECT_EQ(filter.GetLabelNumber(), 9);
    EXPECT_TRUE(filter.SetOutputOrder(4));
    EXPECT_FALSE(filter.SetOutputOrder(0));
    EXPECT_EQ(filter.GetOutputOrder(), 4);
    EXPECT_TRUE(filter.MatchesPrefix("x HPLR-1; 3", ';'));
    EXPECT_FALSE(filter.MatchesPrefix("x, HPLR-1", ','));
}

TEST(FilterLines, GenericFilterTakesOnlyLabelsOfItsKind)
{
    CDigGenericFilter plateau;
    CDigGenericFilterParams params;
    params.m_nKind = kKindLOPT;
    params.m_nParamCount = 3;
    plateau.SetParameters(params);
    EXPECT_EQ(plateau.GetPrefix(), "LOPT-");
    EXPECT_FALSE(plateau.SetLabel("EQ-4"));
    EXPECT_TRUE(plateau.SetLabel("LOPT-4"));
}

TEST(FilterLines, RecordCopiesDoNotShareChangesAfterParse)
{
    CDigBassShelfParams params;
    SetScalar(params.m_Gain, -6);
    SetScalar(params.m_CutFrequency, 80);
    CDigBassShelf filter;
    filter.SetParameters(params);
    filter.Parse("BS-1, 3, 90, Yes, 1", kFs);
    EXPECT_DOUBLE_EQ(ScalarValue(params.m_Gain), -6);
    EXPECT_DOUBLE_EQ(filter.GetGain(), 3);
}

TEST(FilterLines, WriteEndsTheLineWithCarriageReturnAndReadTakesEither)
{
    CDigTrebleShelf filter;
    filter.Parse("TS-1, 6.000000, 8000.000000, Yes, 1", kFs);
    std::ostringstream out;
    EXPECT_TRUE(filter.Write(&out));
    EXPECT_EQ(out.str(), "TS-1, 6.000000, 8000.000000, Yes, 1\r\n");

    std::istringstream in("TS-2, 1, 2, No, 3\r\nTS-3, 4, 5, Yes, 6\n");
    CDigTrebleShelf a;
    CDigTrebleShelf b;
    CDigTrebleShelf c;
    EXPECT_TRUE(a.Read(&in, kFs));
    EXPECT_TRUE(b.Read(&in, kFs));
    EXPECT_TRUE(c.Read(&in, kFs)); // at the end: an empty line
    EXPECT_EQ(a.GetLineBuffer(), "TS-2, 1, 2, No, 3");
    EXPECT_EQ(b.GetLabel(), "TS-3");
    EXPECT_EQ(b.GetOutputOrder(), 6);
    EXPECT_EQ(c.GetLabel(), "");
    EXPECT_FALSE(c.m_ActiveMode.IsOn());
    EXPECT_FALSE(a.Write(nullptr));
    EXPECT_FALSE(a.Read(nullptr, kFs));
}

TEST(FilterLines, FormatScalarUsesSixDecimals)
{
    EXPECT_EQ(FormatScalar(mwMatrix(48000.0)), "48000.000000");
    EXPECT_EQ(FormatScalar(mwMatrix(-0.0000004)), "-0.000000");
    EXPECT_EQ(FormatScalar(mwMatrix()), "0.000000");
}

TEST(FilterLines, CalculateBeforeParametersIsAFailedCheck)
{
    AssertionCapture capture;
    CDigLowPass_B filter;
    EXPECT_FALSE(filter.Calculate());
    ASSERT_EQ(capture.reports().size(), 1u);
    EXPECT_EQ(capture.reports()[0].expression, "m_InitializedMode.IsOn()");
    EXPECT_EQ(capture.reports()[0].file, "DigLowPass_B");
    EXPECT_TRUE(filter.GetA()->IsEmpty());
}

TEST(FilterLines, GenericFilterOfAnUnknownKindCalculatesNothing)
{
    CDigGenericFilter filter;
    CDigGenericFilterParams params; // kind not set
    filter.SetParameters(params);
    EXPECT_TRUE(filter.Calculate());
    EXPECT_TRUE(filter.GetA()->IsEmpty());
    EXPECT_TRUE(filter.GetB()->IsEmpty());
    EXPECT_EQ(filter.GetPrefix(), "?");
}
