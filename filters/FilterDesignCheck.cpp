#include "filters/FilterDesignCheck.h"

#include "filters/DigFilterBase.h"
#include "filters/FilterGridInfo.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/MatrixUtilities.h"
#include "matrix/mwexcept.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace
{
bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

// Why the named parameter's value makes no filter; empty when it is allowed.
std::string ParameterProblem(const std::string& name, double value, double dSampleRate)
{
    if (!std::isfinite(value))
        return "the " + name + " must be a number.";
    if (Contains(name, "Frequency") || Contains(name, "Bandedge"))
    {
        if (!(value > 0.0 && value < dSampleRate / 2.0))
            return FormatC("the %s must be above 0 Hz and below half the sample rate (%g Hz).",
                           name.c_str(), dSampleRate / 2.0);
        return {};
    }
    if (!Contains(name, "Gain") && !(value > 0.0))
        return "the " + name + " must be above 0.";
    return {};
}

const char kNoStableSection[] = "its parameters give no stable filter section.";

bool AllFinite(const std::vector<double>& values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The headings of the filter's real parameters, in the order of its line; empty for a
// filter of no kind.
std::vector<std::string> ParameterHeadings(CDigFilterBase& filter)
{
    const int kind = FindLabelKind(filter.GetPrefix());
    if (kind < 0)
        return {};
    static const std::array<FilterGridInfo, kFilterKindCount> grids = MakeFilterGridInfo();
    const std::vector<std::string>& headings = grids[std::size_t(kind)].m_Headings;
    return std::vector<std::string>(headings.begin() + 1, headings.end());
}

// A section with finite coefficients whose poles lie inside the unit circle.
bool IsStableSection(CDigFilterBase& filter)
{
    if (mxIsComplex(filter.GetA()->GetData()) || mxIsComplex(filter.GetB()->GetData()) ||
        !HasFiniteCoefficients(*filter.GetA(), *filter.GetB()))
        return false;
    const std::vector<double> b = Values(*filter.GetB());
    const std::vector<double> a = Values(*filter.GetA());
    if (a.empty() || b.empty() || a[0] == 0.0)
        return false;
    const double a1 = a.size() > 1 ? a[1] / a[0] : 0.0;
    const double a2 = a.size() > 2 ? a[2] / a[0] : 0.0;
    return std::fabs(a2) < 1.0 && std::fabs(a1) < 1.0 + a2;
}
} // namespace

std::string FilterDesignProblem(CDigFilterBase& filter)
{
    const int kind = FindLabelKind(filter.GetPrefix());
    const std::vector<double> parameters = filter.GetParameterValues();
    const double dSampleRate = filter.GetSampleRate();
    if (kind >= 0)
    {
        const std::vector<std::string> headings = ParameterHeadings(filter);
        for (std::size_t i = 0; i < parameters.size() && i < headings.size(); ++i)
        {
            const std::string problem = ParameterProblem(headings[i], parameters[i], dSampleRate);
            if (!problem.empty())
                return problem;
        }
        if ((kind == kKindLOPT || kind == kKindHIPT) && parameters.size() > 2 &&
            !(parameters[1] < parameters[2]))
            return "the Lower Bandedge must be below the Upper Bandedge.";
    }
    try
    {
        if (!filter.Calculate() || !IsStableSection(filter))
            return kNoStableSection;
    }
    catch (const mwException&)
    {
        return kNoStableSection;
    }
    if (!HasFiniteResponse(*filter.GetA(), *filter.GetB()))
        return "its parameters give a response that is not a finite number at every frequency.";
    return {};
}

std::string FilterDesignFault(CDigFilterBase& filter)
{
    const std::string problem = FilterDesignProblem(filter);
    return problem.empty() ? problem : filter.GetLabel() + ": " + problem;
}

double WrittenValue(double value)
{
    return ReadBackValue(value, "%lf");
}

std::string WrittenValueProblem(const std::string& heading, double value)
{
    const double written = WrittenValue(value);
    if (written == value || !std::isfinite(value) || Contains(heading, "Gain"))
        return {};
    if (std::fabs(written - value) <= kWrittenValueTolerance * std::fabs(value))
        return {};
    return FormatC("the %s %.10g would be written with six decimals as %s, and read back as "
                   "another filter.",
                   heading.c_str(), value, DoubleToString(value).c_str());
}

namespace
{
// Why the six-decimal texts of the parameters of a filter that its rate designs would read
// back as another filter; empty when they read back as one that is designed too.
std::string WrittenParametersProblem(CDigFilterBase& filter)
{
    const std::vector<double> values = filter.GetParameterValues();
    const std::vector<std::string> headings = ParameterHeadings(filter);
    std::vector<double> written;
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        if (i < headings.size())
            if (std::string problem = WrittenValueProblem(headings[i], values[i]); !problem.empty())
                return problem;
        written.push_back(WrittenValue(values[i]));
    }
    if (written == values)
        return {};
    // The filter that its line would read back as must be one too.
    filter.SetParameterValues(written);
    const bool bWrittenDesigned = FilterDesignProblem(filter).empty();
    filter.SetParameterValues(values);
    FilterDesignProblem(filter);
    return bWrittenDesigned ? std::string()
                            : "its parameters written with six decimals give no stable filter "
                              "section.";
}
} // namespace

std::string IncomingFilterProblem(CDigFilterBase& filter)
{
    if (FilterDesignProblem(filter).empty())
        return WrittenParametersProblem(filter);
    // Not at this rate: a rate the settings accept may still design it.
    const double dOwnRate = filter.GetSampleRate();
    std::string refusal;
    for (const int nRate : {kHighestSampleRate, kLowestSampleRate})
    {
        filter.SetSampleRate(nRate);
        const std::string design = FilterDesignProblem(filter);
        const std::string problem = design.empty() ? WrittenParametersProblem(filter) : design;
        if (problem.empty())
        {
            refusal.clear();
            break;
        }
        if (refusal.empty())
            refusal = design.empty()
                          ? problem
                          : FormatC("it cannot be designed at any sample rate the settings "
                                    "accept, from %d Hz to %d Hz: ",
                                    kLowestSampleRate, kHighestSampleRate) +
                                design;
    }
    filter.SetSampleRate(dOwnRate);
    FilterDesignProblem(filter);
    return refusal;
}

namespace
{
// The name of field nField of the filter's line: the heading of a parameter, "Modifiable"
// or "Active" for a mode, "Output Order" after them.
std::string LineFieldName(CDigFilterBase& filter, int nField)
{
    const std::vector<std::string> headings = ParameterHeadings(filter);
    const std::size_t nReals = filter.GetParameterValues().size();
    const std::size_t f = std::size_t(std::max(nField, 1)) - 1;
    if (f < nReals)
        return f < headings.size() ? headings[f] : "parameter";
    const std::vector<std::string> modes = FindLabelKind(filter.GetPrefix()) == kKindEQ
                                               ? std::vector<std::string>{"Modifiable", "Active"}
                                               : std::vector<std::string>{"Active"};
    return f - nReals < modes.size() ? modes[f - nReals] : "Output Order";
}

// Why a field of the line does not read as what it stands for.
std::string FieldFaultProblem(CDigFilterBase& filter)
{
    using EKind = CDigFilterBase::CFieldFault::EKind;
    const CDigFilterBase::CFieldFault& fault = filter.GetFieldFault();
    const std::string name = LineFieldName(filter, fault.nField);
    const char* const n = name.c_str();
    const char* const text = fault.text.c_str();
    switch (fault.kind)
    {
    case EKind::kNotNumber:
        return (fault.text.empty() ? FormatC("its %s is empty", n)
                                   : FormatC("its %s \"%s\" is not a finite number", n, text)) +
               FormatC("; give it one number in digits alone, such as %s.",
                       ExampleParameterValue(name));
    case EKind::kDecimalComma:
    {
        std::string example = fault.text;
        std::replace(example.begin(), example.end(), ',', '.');
        return FormatC("its %s \"%s\" has a decimal comma; write the number with a decimal "
                       "point, such as %s.",
                       n, text, example.c_str());
    }
    case EKind::kNotYesNo:
        return fault.text.empty() ? FormatC("its %s field is empty; give it Yes or No.", n)
                                  : FormatC("its %s field \"%s\" is neither Yes nor No.", n, text);
    case EKind::kNone:
        break;
    }
    return {};
}
} // namespace

std::string IncomingLineProblem(CDigFilterBase& filter)
{
    using EFault = CDigFilterBase::ELineFault;
    switch (filter.FindLineFault())
    {
    case EFault::kFieldNotRead:
        return FieldFaultProblem(filter);
    case EFault::kParameterNotFinite:
    {
        const std::string name = NonFiniteParameterName(filter);
        return FormatC("its %s is not a finite number; give it one number in digits alone, such "
                       "as %s.",
                       name.c_str(), ExampleParameterValue(name));
    }
    case EFault::kOrderNotWhole:
        return "its output order is not a whole number in digits, such as 3: an order has no "
               "sign '-', decimal point or exponent.";
    case EFault::kNumberAboveLargest:
        return FormatC("its label number or its output order is above %d, more than the filter "
                       "grids count to.",
                       kMaxFilterNumber);
    case EFault::kNone:
        break;
    }
    return IncomingFilterProblem(filter);
}

std::string FiltersAboveSampleRateMessage(const std::vector<std::string>& faults, int nSampleRate)
{
    if (faults.empty())
        return {};
    std::string text = FormatC("These filters were taken as they are written, but the sample "
                               "rate of %d Hz cannot design them:\n",
                               nSampleRate);
    for (const std::string& fault : faults)
        text += "\n" + fault;
    return text + "\n\nDraw and every file written leave them out until the sample rate in "
                  "Settings designs them or they are corrected in the filter editor.";
}

std::string NonFiniteParameterName(CDigFilterBase& filter)
{
    const std::vector<double> parameters = filter.GetParameterValues();
    const std::vector<std::string> headings = ParameterHeadings(filter);
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (!std::isfinite(parameters[i]))
            return i < headings.size() ? headings[i] : "parameter";
    return {};
}

bool HasFiniteCoefficients(const mwMatrix& a, const mwMatrix& b)
{
    for (const mwMatrix* pVector : {&a, &b})
    {
        std::vector<double> imag;
        if (!AllFinite(Values(*pVector, &imag)) || !AllFinite(imag))
            return false;
    }
    return true;
}

bool HasFiniteResponse(const mwMatrix& a, const mwMatrix& b)
{
    const std::vector<double> av = Values(a);
    const std::vector<double> bv = Values(b);
    // Each polynomial at z = exp(j w), by Horner's rule in 1/z.
    const auto at = [](const std::vector<double>& c, std::complex<double> zInverse)
    {
        std::complex<double> sum = 0.0;
        for (auto it = c.rbegin(); it != c.rend(); ++it)
            sum = sum * zInverse + *it;
        return sum;
    };
    for (int k = 0; k < kResponseCheckPoints; ++k)
    {
        const double w = std::numbers::pi * k / (kResponseCheckPoints - 1);
        const std::complex<double> zInverse = std::polar(1.0, -w);
        const std::complex<double> h = at(bv, zInverse) / at(av, zInverse);
        if (!std::isfinite(h.real()) || !std::isfinite(h.imag()))
            return false;
    }
    return true;
}

const char* ExampleParameterValue(const std::string& heading)
{
    if (Contains(heading, "Gain"))
        return "-3.0";
    if (Contains(heading, "Bandwidth"))
        return "1.0";
    if (Contains(heading, "Ripple"))
        return "0.5";
    if (heading == "Q")
        return "0.7";
    return "1000.0";
}

std::string UndesignableFiltersMessage(const std::string& what,
                                       const std::vector<std::string>& faults)
{
    std::string text = what.empty() ? "These" : what + ".  These";
    text += " filters cannot be designed from their parameters:\n";
    for (const std::string& fault : faults)
        text += "\n" + fault;
    return text + "\n\nCorrect them in the filter editor.";
}
